// The base bar painter's drawing of lowered edges and menu separators, and the frames that the
// three-dimensional look leaves to the system.
#include "dxBarPainter.h"

#include "WinGdi.h"
#include "WinUserDraw.h"
#include "WinCursor.h"
#include "cxGraphicsCanvas.h"
#include "dxBarHint.h"

namespace dxBar {

TdxBarPainter* TdxBarPainter::CreatePainter(TClass AClass, NativeInt AData) {
  auto* painter = dynamic_cast<TdxBarPainter*>(AClass->NewInstance());
  if (!painter) RaiseInvalidCast();
  painter->FData = AData;
  return static_cast<TdxBarPainter*>(TObject::Initialize(painter));
}

TdxBarCustomHintViewInfo* TdxBarPainter::CreateHintViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                                            const String& AShortCut, TdxBarScreenTip*) {
  POINT cursor{};
  GetCursorPos(&cursor);
  return New<TdxBarHintViewInfo>(ABarManager, AHintText, AShortCut, TPoint(cursor.x, cursor.y));
}
void TdxBarPainter::ScreenTipDrawBackground(cxGraphics::TcxCanvas*, const TRect&) {}
void TdxBarPainter::ScreenTipDrawFooterLine(cxGraphics::TcxCanvas*, const TRect&) {}

void TdxBarPainter::FrameAndFillRect(TdxBarItemControl*, HDC, const TRect&, bool, bool, bool) {}

void TdxBarPainter::DrawLowered(HDC DC, TRect& R) {
  DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
  InflateRect(&R, -1, -1);
}

void TdxBarPainter::BarDrawDockedBarBorder(TCustomdxBarControl*, HDC, TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawFloatingBarBorder(TCustomdxBarControl*, HDC, const TRect&, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawMDIButton(TCustomdxBarControl*, TdxBarMDIButton, Integer, HDC, TRect) {}
void TdxBarPainter::BarDrawCloseButton(TCustomdxBarControl*, HDC, TRect) {}

void TdxBarPainter::SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) {
  TRect R = ARect;
  DrawEdge(ACanvas->GetHandle(), &R, EDGE_ETCHED, BF_TOP);
}

}  // namespace dxBar
