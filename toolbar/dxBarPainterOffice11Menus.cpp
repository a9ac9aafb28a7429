// The Office 2003 painter's menus: the gradient glyph column, selected rows in the selection frame,
// the drop-down border joined to the owner, the detach caption, the expand mark, captioned separators
// standing on the column's colour, and the drop-down list's border.
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"

namespace dxBar {

using namespace dxOffice11;

void TdxBarOffice11Painter::FillMenuBackground(HDC DC, const TRect& R, Integer ABandSize, HBRUSH ABrush,
                                               bool ANonRecent) {
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
  const RECT band{R.left, R.top, R.left + ABandSize, R.bottom};
  if (ABandSize > 0)
    FillTubeGradientRect(DC, band, ANonRecent ? dxOffice11MenuNonRecentIndentColor1 : dxOffice11MenuIndentColor1,
                         ANonRecent ? dxOffice11MenuNonRecentIndentColor2 : dxOffice11MenuIndentColor2, true);
  const RECT rest{band.right, R.top, R.right, R.bottom};
  if (rest.right > rest.left) FillRect(DC, &rest, ABrush);
  RestoreDC(DC, saved);
}

void TdxBarOffice11Painter::SubMenuControlDrawBackground(TCustomdxBarControl* ABarSubMenuControl,
                                                         cxGraphics::TcxCanvas* ACanvas, const TRect& R, HBRUSH ABrush,
                                                         TColor AColor) {
  const Integer band = ABarSubMenuControl ? SubMenuControlGetBandSize(ABarSubMenuControl) : 0;
  if (band <= 0) return inherited::SubMenuControlDrawBackground(ABarSubMenuControl, ACanvas, R, ABrush, AColor);
  FillMenuBackground(ACanvas->GetHandle(), R, band, ABrush, false);
}

// An unselected row shows the menu's background (the column's gradient); a selected one is framed and
// filled with the selected brush.
void TdxBarOffice11Painter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams,
                                                        const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->DrawSelected) {
    FrameFlatSelRect(DC, R);
    TRect inner = R;
    InflateRect(&inner, -1, -1);
    FillRect(DC, &inner, menu ? menu->GetToolbarSelBrush() : BarToolbarSelBrush());
  } else {
    DrawBackground(control, DC, R, menu ? menu->GetToolbarBrush() : BarToolbarBrush(), false);
  }
}

// The drop-down border, open where the menu joins its owner. Menus cannot be detached yet, so no menu
// has a detach caption to frame.
void TdxBarOffice11Painter::SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) {
  FrameRect(DC, &R, dxOffice11DropDownBorderBrush1);
  if (!ABarSubMenuControl) return;
  const TRect link = ABarSubMenuControl->GetOwnerLinkBounds(false);
  if (!IsRectEmpty(&link)) FillRect(DC, &link, dxOffice11MenuBrush);
}

void TdxBarOffice11Painter::SubMenuControlDrawClientBorder(TCustomdxBarControl*, HDC DC, const TRect& R, HBRUSH) {
  const RECT top{R.left, R.top, R.right, R.top + 1}, right{R.right - 1, R.top, R.right, R.bottom},
      bottom{R.left, R.bottom - 1, R.right, R.bottom}, left{R.left, R.top, R.left + 1, R.bottom};
  for (const RECT& side : {top, right, bottom}) FillRect(DC, &side, dxOffice11MenuBrush);
  FillRectByColor(DC, left, dxOffice11MenuIndentColor1);
}

// The strip above a row that starts a group: the glyph column keeps the menu's gradient.
void TdxBarOffice11Painter::DrawMenuColumnPart(TdxBarItemControl* AControl, HDC DC, const TRect& R) {
  DrawBackground(AControl, DC, R, GetToolbarBrush(AControl), false);
}

void TdxBarOffice11Painter::SubMenuControlDrawDetachCaption(TCustomdxBarControl*, HDC DC, TRect R) {
  FillRect(DC, &R, dxOffice11DetachableBrush);
  const Integer quarter = R.Width() / 4;
  TRect dots(R.left + quarter, (R.top + R.bottom) / 2 - 1, R.right - quarter, (R.top + R.bottom) / 2 + 2);
  Office11DrawFingerElements(DC, dots, false);
}

void TdxBarOffice11Painter::DropDownListBoxDrawBorder(HDC DC, TColor, TRect R) {
  FrameRect(DC, &R, dxOffice11DropDownBorderBrush1);
  InflateRect(&R, -1, -1);
  FrameRect(DC, &R, dxOffice11DropDownBorderBrush2);
}

}  // namespace dxBar
