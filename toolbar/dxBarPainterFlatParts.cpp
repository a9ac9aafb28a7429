// The flat painter's smaller pieces: the MDI buttons of a main menu, the date navigator's buttons, the
// size-grip panel of drop-down lists, combo list rows, a menu's detach caption and the frames of the
// quick-customization rows.
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "Dxbarcommon.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

HBRUSH ToolbarBrushOf(TdxBarPainter* APainter, TdxBarItemControl* AControl) {
  return AControl && AControl->GetParent() ? AControl->GetParent()->GetToolbarBrush() : APainter->BarToolbarBrush();
}

}  // namespace

// The caption-button glyph is drawn apart and laid transparently over the state's fill, so that the hot
// and pressed looks show through it.
void TdxBarFlatPainter::BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState,
                                         HDC DC, TRect R) {
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  if (IsRectEmpty(&inner)) return;
  const HDC memory = CreateCompatibleDC(DC);
  const HBITMAP bitmap = CreateCompatibleBitmap(DC, inner.Width(), inner.Height());
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  static const UINT kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
  RECT glyph{0, 0, inner.Width(), inner.Height()};
  DrawFrameControl(memory, &glyph, DFC_CAPTION, kinds[AButton] | DFCS_FLAT | (AState == 1 ? DFCS_INACTIVE : 0));
  HBRUSH fill = nullptr;
  if (ABarControl) {
    if (AState == 2) fill = ABarControl->GetToolbarSelBrush();
    if (AState == 3) fill = ABarControl->GetToolbarDownedBrush();
    if (AState == 4) fill = ABarControl->GetToolbarDownedSelBrush();
  }
  if (fill) {
    FrameFlatSelRect(DC, R);
    FillRect(DC, &inner, fill);
  } else if (ABarControl) {
    inherited::BarDrawBackground(ABarControl, DC, R, R, ABarControl->GetToolbarBrush(), clDefault);
  }
  TransparentBlt(DC, inner.left, inner.top, inner.Width(), inner.Height(), memory, 0, 0, inner.Width(), inner.Height(),
                 GetSysColor(COLOR_BTNFACE));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void TdxBarFlatPainter::DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText, bool) {
  const HDC DC = ACanvas->GetHandle();
  FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&R, -1, -1);
  FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNFACE));
  DateNavigatorDrawButtonCaption(DC, R, false, AText, 0);
}

void TdxBarFlatPainter::SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking,
                                     bool AMouseAboveCloseButton, TRect& ACloseButtonRect, TRect& AGripRect,
                                     TdxCorner ACorner) {
  Dxbarcommon::dxBarPopupNCPaint(AWnd, ASizeable, true, ACloseButtonIsTracking, AMouseAboveCloseButton,
                                 ACloseButtonRect, AGripRect, ACorner);
}

// The combo's own field sets its text two pixels lower than the rows of its list.
void TdxBarFlatPainter::CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex,
                                            const TRect& R, StdCtrls::TOwnerDrawState AState) {
  TRect textR = R;
  if (AState.Contains(StdCtrls::odComboBoxEdit)) textR.top += 2;
  FillRect(ACanvas->GetHandle(), &R, ACanvas->GetBrush()->GetHandle());
  inherited::CustomComboDrawItem(ACombo, ACanvas, AIndex, textR, AState);
}

// The caption a detachable menu is dragged by: a grip of short lines across its middle. The menu does
// not tell a hot caption apart yet, so it is always drawn in its resting look.
void TdxBarFlatPainter::SubMenuControlDrawDetachCaption(TCustomdxBarControl*, HDC DC, TRect R) {
  FillRect(DC, &R, dxBarToolbarsBrushes().Face);
  constexpr Integer kGripWidth = 33;
  const Integer left = (R.left + R.right - kGripWidth) / 2;
  const HBRUSH line = GetSysColorBrush(COLOR_BTNSHADOW);
  for (Integer y = R.top + 1; y < R.bottom - 1; y += 2) {
    const RECT across{left, y, left + kGripWidth, y + 1};
    FillRect(DC, &across, line);
  }
}

// The flat look draws no line between a menu's recent and non-recent runs.
void TdxBarFlatPainter::SubMenuControlDrawNonRecentGroupSeparator(TCustomdxBarControl*, cxGraphics::TcxCanvas*, bool) {}

Integer TdxBarFlatPainter::DrawQuickCustItemFrame(TdxBarItemControl* AControl, HDC DC, TRect& R, bool ASelected) {
  const Integer right = inherited::DrawQuickCustItemFrame(AControl, DC, R, ASelected);
  if (!ASelected) DrawBackgroundFrameRect(AControl, DC, R, ToolbarBrushOf(this, AControl), false);
  InflateRect(&R, -1, -1);
  return right;
}

void TdxBarFlatPainter::DrawQuickCustItemFrameSelected(TdxBarItemControl* AControl, HDC DC, const TRect& ARect1,
                                                       const TRect& ARect2, bool ASelected) {
  if (!ASelected) return;
  FrameFlatSelRect(DC, ARect1);
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  const RECT column{ARect2.right, ARect2.top, ARect2.right + 2, ARect2.bottom};
  FillRect(DC, &column, parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush());
}

}  // namespace dxBar
