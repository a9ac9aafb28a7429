// The Office 2003 painter's smaller pieces: captioned separators on the glyph column's colour, the date
// navigator's buttons and the repaint of a toolbar's mark.
#include "WinGdi.h"
#include "WinPaint.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"

namespace dxBar {

namespace {

// The control's own background brush replaced for the lifetime of the scope; the temporary brush is
// freed when the scope ends, also when drawing raises.
class TBkBrushSwap {
 public:
  TBkBrushSwap(TdxBarItemControl* AControl, COLORREF AColor)
      : FControl(AControl), FBrush(CreateSolidBrush(AColor)), FPrevious(AControl->ExchangeBkBrush(FBrush)) {}
  ~TBkBrushSwap() {
    FControl->ExchangeBkBrush(FPrevious);
    DeleteObject(FBrush);
  }
  TBkBrushSwap(const TBkBrushSwap&) = delete;
  TBkBrushSwap& operator=(const TBkBrushSwap&) = delete;

 private:
  TdxBarItemControl* FControl;
  HBRUSH FBrush;
  HBRUSH FPrevious;
};

}  // namespace

// Captioned separators stand on the glyph column's colour.
void TdxBarOffice11Painter::DrawSeparatorGlyphAndCaption(TdxBarSeparatorControlDrawParams* ADrawParams,
                                                         const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  if (!control) return inherited::DrawSeparatorGlyphAndCaption(ADrawParams, R);
  TBkBrushSwap swap(control, dxOffice11::dxOffice11MenuIndentColor2);
  inherited::DrawSeparatorGlyphAndCaption(ADrawParams, R);
}

void TdxBarOffice11Painter::DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText,
                                                    bool APressed) {
  if (AreVisualStylesAvailable(totToolBar))
    TdxBarXPPainter::DateNavigatorDrawNativeButton(this, ACanvas, R, AText, APressed);
  else
    inherited::DateNavigatorDrawButton(ACanvas, R, AText, APressed);
}

// A docked toolbar's mark reaches into the bar's frame, so the frame is repainted with it.
void TdxBarOffice11Painter::BarMarkRectInvalidate(TCustomdxBarControl* ABarControl) {
  inherited::BarMarkRectInvalidate(ABarControl);
  if (ABarControl->HandleAllocated() && ABarControl->GetDockingStyle() != dsNone)
    RedrawWindow(ABarControl->GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

}  // namespace dxBar
