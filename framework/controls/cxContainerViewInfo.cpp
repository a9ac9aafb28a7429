#include "cxContainerViewInfo.h"

#include "UxThemeConsts.h"
#include "cxDWMApi.h"
#include "cxGeometry.h"
#include "dxUxTheme.h"

namespace cxContainer {

bool TopMostComboBoxes = true;

Integer GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle) {
  static constexpr Integer Widths[] = {0, 1, 2, 2, 2, 1, 1};
  return Widths[ABorderStyle];
}

Integer GetContainerBorderWidth(TcxLookAndFeelKind ALookAndFeelKind) {
  static constexpr Integer Widths[] = {2, 2, 1, 1};  // lfFlat, lfStandard, lfUltraFlat, lfOffice11
  return Widths[ALookAndFeelKind];
}

void DrawContainerShadow(TcxCanvas* ACanvas, const TRect& ARect) {
  const Integer w = cxContainerShadowWidth;
  const TRect below(ARect.left + w, ARect.bottom, ARect.right, ARect.bottom + w);
  const TRect right(ARect.right, ARect.top + w, ARect.right + w, ARect.bottom + w);
  ACanvas->FillRect(below, cxContainerShadowColor);
  ACanvas->FillRect(right, cxContainerShadowColor);
  ACanvas->ExcludeClipRect(below);
  ACanvas->ExcludeClipRect(right);
}

std::vector<TRect> GetContainerFrameParts(const TRect& AOuter, const TRect& AInner) {
  if (cxRectIsEmpty(AOuter) || AOuter == AInner) return {};
  if (cxRectIsEmpty(AInner)) return {AOuter};
  return {TRect(AOuter.left, AOuter.top, AInner.left, AOuter.bottom),
          TRect(AInner.left, AOuter.top, AInner.right, AInner.top),
          TRect(AInner.right, AOuter.top, AOuter.right, AOuter.bottom),
          TRect(AInner.left, AInner.bottom, AInner.right, AOuter.bottom)};
}

// ---- TcxContainerViewInfo -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxContainerViewInfo)

TcxContainerViewInfo* TcxContainerViewInfo::Create(TClass AClass) {
  if (!AClass || !AClass->InheritsFrom(StaticClass())) RaiseInvalidCast();
  return static_cast<TcxContainerViewInfo*>(AClass->Create());
}

void TcxContainerViewInfo::Construct() {
  inherited::Construct();
  ContainerState = TcxContainerState{csNormal};
}

void TcxContainerViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxContainerViewInfo*>(Source)) ClientRect = source->ClientRect;
}

TcxRegion* TcxContainerViewInfo::GetUpdateRegion(TcxContainerViewInfo*) { return New<TcxRegion>(); }

void TcxContainerViewInfo::Offset(Integer DX, Integer DY) {
  BorderRect = cxRectOffset(BorderRect, DX, DY);
  Bounds = cxRectOffset(Bounds, DX, DY);
  ClientRect = cxRectOffset(ClientRect, DX, DY);
}

void TcxContainerViewInfo::Paint(TcxCanvas* ACanvas) { InternalPaint(ACanvas); }

void TcxContainerViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  if (NativeStyle) return PaintNative(ACanvas);
  // The border's outer rectangle: the left and top always, the right and bottom only on their
  // edges, so that the shadow starts where the visible frame ends.
  TRect r = BorderRect;
  r.left -= BorderWidth;
  r.top -= BorderWidth;
  if (Edges.Contains(bRight)) r.right += BorderWidth;
  if (Edges.Contains(bBottom)) r.bottom += BorderWidth;
  if (Shadow) DrawContainerShadow(ACanvas, r);
  if (!Edges.Contains(bRight)) r.right += BorderWidth;
  if (!Edges.Contains(bBottom)) r.bottom += BorderWidth;
  DrawBorder(ACanvas, r);
  ACanvas->FillRect(BorderRect, FBackgroundColor);
}

void TcxContainerViewInfo::PaintNative(TcxCanvas* ACanvas) {
  if (BorderStyle == cbsNone) return ACanvas->FillRect(Bounds, FBackgroundColor);
  RECT bounds = Bounds, content = Bounds;
  if (TdxTheme theme = OpenTheme(ThemedObjectType))
    GetThemeBackgroundContentRect(theme, ACanvas->GetHandle(), NativePart, NativeState, &bounds, &content);
  ACanvas->FillRect(content, FBackgroundColor);
  // The frame takes the colour of the list box frame under desktop composition, of the combo box
  // frame otherwise.
  COLORREF frame = 0;
  if (IsCompositionEnabled()) {
    if (TdxTheme theme = OpenTheme(totListBox)) GetThemeColor(theme, 3, 1, TMT_BORDERCOLOR, &frame);
  } else if (TdxTheme theme = OpenTheme(totComboBox)) {
    GetThemeColor(theme, 1, 1, TMT_BORDERCOLOR, &frame);
  }
  for (const TRect& part : GetContainerFrameParts(Bounds, content))
    ACanvas->FillRect(part, static_cast<TColor>(frame));
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect R) {
  if (Painter) return ACanvas->FrameRect(R, BorderColor, BorderWidth);
  switch (BorderStyle) {
    case cbsSingle:
    case cbsThick: ACanvas->FrameRect(R, BorderColor, BorderWidth); break;
    case cbsFlat:
      ACanvas->DrawEdge(R, true, true, Edges);
      ACanvas->FrameRect(cxRectInflate(R, -1, -1), clBtnFace);
      break;
    case cbs3D:
      ACanvas->DrawEdge(R, true, true, Edges);
      ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), cl3DDkShadow, cl3DLight, Edges);
      break;
    default: break;  // none, and the one-colour frames the container draws as single
  }
}

}  // namespace cxContainer
