// The button painters.
#include "cxPCPaintersButtons.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPCPainters {

IMPLEMENT_ABSTRACT_CLASS(TcxPCButtonedPainter)
IMPLEMENT_CLASS(TcxPCButtonsPainter)
IMPLEMENT_CLASS(TcxPCFlatButtonsPainter)

// ---- TcxPCButtonedPainter -------------------------------------------------------------------------------
TRect TcxPCButtonedPainter::GetDisplayRectOffset() {
  TRect offset = inherited::GetDisplayRectOffset();
  if (!GetControl()->GetHideTabs() && GetControl()->GetRowCount() > 0) offset.top += 2;
  return offset;
}

TColor TcxPCButtonedPainter::GetTabBodyColor(Integer AIndex) {
  if (GetTab(AIndex)->GetHighlighted()) return GetHighlightedTabBodyColor();
  const TColor color = GetTabColor(AIndex);
  if (color != clDefault) return color;
  return IsMainTab(AIndex) ? clBtnHighlight : clBtnFace;
}

TcxPCWOffset TcxPCButtonedPainter::GetTabContentWOffset(Integer) {
  return IsAssignedImages() ? TcxPCWOffset{3, 4} : TcxPCWOffset{4, 4};
}

bool TcxPCButtonedPainter::IsTabBorderThick(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  return !tab->GetTracking() && (tab->GetPressed() || tab->GetSelected() || IsMainTab(AIndex));
}

// ---- TcxPCButtonsPainter --------------------------------------------------------------------------------
bool TcxPCButtonsPainter::IsTabBorderThick(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  return tab->GetTracking() || tab->GetPressed() || tab->GetSelected() || IsMainTab(AIndex);
}

void TcxPCButtonsPainter::PaintTabShape(Integer AIndex) {
  TRect r = GetTab(AIndex)->GetFullRect();
  const bool down = IsTabBorderThick(AIndex);
  TcxCanvas* canvas = GetCanvas();
  if (down)
    canvas->DrawComplexFrame(r, cl3DDkShadow, clBtnHighlight);
  else
    canvas->DrawComplexFrame(r, clBtnHighlight, cl3DDkShadow);
  r = cxRectInflate(r, -1, -1);
  if (down)
    canvas->DrawComplexFrame(r, clBtnShadow, cl3DLight);
  else
    canvas->DrawComplexFrame(r, cl3DLight, clBtnShadow);
  r = cxRectInflate(r, -1, -1);
  canvas->FillRect(r, GetTabBodyColor(AIndex));
  InternalDrawFocusRect(AIndex, cxRectInflate(r, 1, 1));
}

// ---- TcxPCFlatButtonsPainter ----------------------------------------------------------------------------------
void TcxPCFlatButtonsPainter::PaintTabShape(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  TRect r = tab->GetFullRect();
  if (!tab->GetTracking() && (tab->GetPressed() || tab->GetSelected() || IsMainTab(AIndex))) {
    InternalDrawEdge(r, true, false);
    r = cxRectInflate(r, -2, -2);
  } else if (tab->GetHotTrack() || tab->GetTracking()) {
    const Integer L = r.left, T = r.top, R = r.right, B = r.bottom;
    InternalPolyLine({TPoint(L, B - 2), TPoint(L, T), TPoint(R - 2, T)}, clBtnHighlight);
    InternalPolyLine({TPoint(L, B - 1), TPoint(R - 1, B - 1), TPoint(R - 1, T)}, clBtnShadow);
    r = cxRectInflate(r, -1, -1);
  }
  GetCanvas()->FillRect(r, GetTabBodyColor(AIndex));
  InternalDrawFocusRect(AIndex, cxRectInflate(r, 1, 1));
}

bool TcxPCFlatButtonsPainter::NeedSeparatorAfter(Integer AIndex) {
  Integer first, last;
  InitializeVisibleTabRange(GetControl(), first, last);
  TcxTab* tab = GetTab(AIndex);
  if (!GetControl()->GetRotate()) return AIndex < last && GetTab(AIndex + 1)->GetDisplayRow() == tab->GetDisplayRow();
  const Integer row = tab->GetDisplayRow();
  if (GetControl()->GetRowCount() <= 1 || row >= GetControl()->GetRowCount() - 1) return false;
  // Rotated tabs stack across the rows: the separator goes between this tab and the one below it.
  const bool horizontal = IsHorizontalTabs();
  const TRect own = tab->GetFullRect();
  for (Integer i = first; i <= last; ++i) {
    TcxTab* other = GetTab(i);
    if (other->GetDisplayRow() != row + 1) continue;
    const TRect r = other->GetFullRect();
    if (horizontal ? r.left == own.left : r.top == own.top) return true;
  }
  return false;
}

void TcxPCFlatButtonsPainter::PaintTab(Integer AIndex) {
  inherited::PaintTab(AIndex);
  if (!NeedSeparatorAfter(AIndex)) return;
  const Integer gap = GetTabsNormalDistance().TabGap, c = (gap - 2) / 2;
  const TRect F = GetTab(AIndex)->GetFullRect();
  TRect gapRect, lines;
  TPointArray shadow, highlight;
  if (IsVerticalText(GetControl())) {
    const Integer top = IsBottomToTopAlignment(GetControl()) ? F.top - gap : F.bottom;
    gapRect = TRect(F.left, top, F.right, top + gap);
    shadow = {TPoint(F.left + 1, top + c), TPoint(F.right - 2, top + c)};
    highlight = {TPoint(F.left + 1, top + c + 1), TPoint(F.right - 2, top + c + 1)};
    lines = TRect(F.left, top + c, F.right, top + c + 2);
  } else {
    const Integer left = IsRightToLeftAlignment(GetControl()) ? F.left - gap : F.right;
    gapRect = TRect(left, F.top, left + gap, F.bottom);
    shadow = {TPoint(left + c, F.top + 1), TPoint(left + c, F.bottom - 2)};
    highlight = {TPoint(left + c + 1, F.top + 1), TPoint(left + c + 1, F.bottom - 2)};
    lines = TRect(left + c, F.top, left + c + 2, F.bottom);
  }
  if (!InternalSetClipRect(gapRect, true)) return;
  InternalPolyLine(shadow, clBtnShadow);
  InternalPolyLine(highlight, clBtnHighlight);
  SaveClipRgn();
  GetCanvas()->ExcludeClipRect(lines);
  GetCanvas()->FillRect(gapRect, GetControl()->GetColor());
  RestoreClipRgn();
  InternalResetClipRegion();
  GetCanvas()->ExcludeClipRect(gapRect);
}

}  // namespace cxPCPainters
