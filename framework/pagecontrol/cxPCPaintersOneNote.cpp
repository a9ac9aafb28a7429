// The OneNote painter and its colour set.
#include "Graphics.h"
#include "cxGeometry.h"
#include "cxPCPaintersSlanted.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"
#include "dxOffice11.h"

namespace cxPCPainters {

IMPLEMENT_CLASS(TcxPCOneNotePainter)

namespace {
// By Office 2003 colour scheme: system colours, normal (blue), homestead (olive), metallic (silver).
constexpr TcxPCOneNoteColors SchemeColors[] = {
    {clBtnShadow, clBtnShadow, 0x6A240A, clBtnFace},
    {0x9C613B, 0x9A3500, 0x800000, 0xF1A675},
    {0x588060, 0x6B7760, 0x385D3F, 0x8CC2B0},
    {0x947C7C, 0x927476, 0x6F4B4B, 0xCEB9BA}};
TcxPCOneNoteColors CurrentColors = SchemeColors[0];

TColor Mix(TColor AColor1, TColor AColor2, Integer APercent) {
  return static_cast<TColor>(GetMiddleRGB(AColor1, AColor2, APercent));
}
}  // namespace

const TcxPCOneNoteColors& OneNoteColors() { return CurrentColors; }

void LoadOneNoteColors() {
  const Integer scheme = static_cast<Integer>(GetOffice11Scheme());
  CurrentColors = SchemeColors[scheme >= 0 && scheme < 4 ? scheme : 0];
}

TColor TcxPCOneNotePainter::GetFrameColor() { return OneNoteColors().Frame; }

TcxPCWOffset TcxPCOneNotePainter::GetTabContentWOffset(Integer) {
  TcxPCWOffset offset{GetCutValue(), 4};
  if (GetTextRotationAngle(GetControl()) == raMinus90) std::swap(offset.Before, offset.After);
  return offset;
}

TRect TcxPCOneNotePainter::GetTabsRectOffset() { return RotateRect(TRect(4, 0, 4, 0), GetTabPosition()); }

// The region comes from a path of the outline: the inside of the drawn outline, or the outline with
// its frame.
TcxRegion* TcxPCOneNotePainter::InternalGetTabClipRegion(Integer AIndex, bool AInner) {
  TcxTab* tab = GetTab(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  TRect r = tab->GetFullRect();
  TPoints points;
  if (AInner) {
    switch (position) {
      case tpTop: r.top += 1, r.bottom += 1; break;
      case tpBottom: r.left += 1; break;
      case tpLeft: r.top += 1, r.left += 1, r.right += 1; break;
      case tpRight: r.top += 1; break;
    }
    Integer W, H;
    GetRectSize(r, position == tpTop || position == tpBottom, W, H);
    const Integer L = r.left, B = r.bottom;
    struct TBend {
      Integer A, B, C;
    };
    const TBend bend = position == tpBottom ? TBend{-3, 4, 2} : position == tpRight ? TBend{-1, 3, 3} : TBend{-2, 3, 2};
    points = {{L + 2, B - 1},
              {L + H + bend.A, B - H + bend.B},
              {L + H + bend.C, B - H + 1},
              {L + W - 2, B - H + 1},
              {L + W - 2, B - 1}};
  } else {
    r = cxRectInflate(r, 1, 1);
    Integer W, H;
    GetRectSize(r, position == tpTop || position == tpBottom, W, H);
    const Integer L = r.left, B = r.bottom;
    if (position == tpRight)
      points = {{L - 1, B - 1}, {L - 1, B - 3},         {L + 2, B - 3},         {L + H - 2, B - H + 2},
                {L + H + 2, B - H}, {L + W - 4, B - H}, {L + W - 1, B - H + 3}, {L + W - 1, B - 1}};
    else if (position == tpLeft)
      points = {{L, B - 2},         {L + 1, B - 2},     {L + H - 3, B - H + 3}, {L + H + 2, B - H},
                {L + W - 5, B - H}, {L + W - 1, B - H + 4}, {L + W - 1, B - 1}};
    else
      points = {{L, B - 2},         {L + 1, B - 2},     {L + H - 3, B - H + 3}, {L + H + 2, B - H},
                {L + W - 4, B - H}, {L + W - 1, B - H + 3}, {L + W - 1, B - 1}};
  }
  TcxCanvas* canvas = GetCanvas();
  canvas->BeginPath();
  DirectionalPolyline(r, points, position, GetFrameColor());
  canvas->EndPath();
  return canvas->PathToRegion();
}

// What lies under a point given for tabs on top: a tab's body, or the control's colour.
TColor TcxPCSlantedPainter::GetUnderColor(Integer AIndex, const TRect& ARect, const TPoint& APoint) {
  const TPoint p = RotatePoint(ARect, APoint, GetTab(AIndex)->GetPaintingPosition());
  const Integer index = GetControl()->IndexOfTabAt(p.x, p.y);
  return index != -1 ? GetTabBodyColor(index) : GetControl()->GetColor();
}

void TcxPCOneNotePainter::PaintTabFrame(Integer AIndex, const TRect& ARect) {
  TcxTab* tab = GetTab(AIndex);
  const TColor body = GetTabBodyColor(AIndex);
  const TcxPCOneNoteColors& colors = OneNoteColors();
  TColor outline, middle, inner;
  if (tab->GetHotTrack()) {
    outline = middle = inner = colors.HotTabLines;
  } else if (IsMainTab(AIndex)) {
    outline = colors.Frame;
    middle = Mix(clWhite, body, 60);
    inner = Mix(middle, body, 70);
  } else {
    outline = colors.OtherTabsOutline;
    middle = Mix(Mix(clWhite, colors.OtherTabsInnerTone, 50), body, 50);
    inner = Mix(colors.OtherTabsInnerTone, body, 50);
  }
  Integer W, H;
  GetTabSize(AIndex, W, H);
  const Integer L = ARect.left, B = ARect.bottom;
  const TcxTabPosition position = tab->GetPaintingPosition();
  auto pixel = [&](const TPoint& p, TColor color) { DirectionalPolyline(ARect, {p}, position, color); };
  pixel(TPoint(L, B - 1), Mix(outline, GetUnderColor(AIndex, ARect, TPoint(L - 1, B - 1)), 25));
  DirectionalPolyline(ARect,
                      {{L + 1, B - 1}, {L + H - 3, B - H + 3}, {L + H + 2, B - H}, {L + W - 3, B - H},
                       {L + W - 1, B - H + 2}, {L + W - 1, B - 1}},
                      position, outline);
  pixel(TPoint(L + H + 2, B - H), Mix(outline, GetUnderColor(AIndex, ARect, TPoint(L + H + 1, B - H)), 60));
  DirectionalPolyline(ARect, {{L + 2, B - 1}, {L + H - 3, B - H + 4}, {L + H + 2, B - H + 1}, {L + W - 4, B - H + 1}},
                      position, middle);
  DirectionalPolyline(ARect, {{L + W - 3, B - H + 1}, {L + W - 2, B - H + 2}, {L + W - 2, B - 1}}, position, inner);
}

void TcxPCOneNotePainter::DrawTabUnderline(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TRect F = tab->GetFullRect();
  const TColor body = GetTabBodyColor(AIndex);
  Integer W, H;
  GetTabSize(AIndex, W, H);
  const TcxTabPosition position = tab->GetPaintingPosition();
  DirectionalPolyline(F, {TPoint(F.left, F.bottom)}, position, Mix(GetFrameColor(), body, 50));
  DirectionalPolyline(F, {TPoint(F.left + 1, F.bottom), TPoint(F.left + W - 1, F.bottom)}, position, body);
}

}  // namespace cxPCPainters
