#include "dxBarPainterLooks.h"

#include "dxBarButton.h"
#include "dxBarButtonControl.h"
#include "dxBarControl.h"
#include "cxGraphicsCanvas.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemLinks.h"
#include "dxBarPainter.h"
#include "WinUserDraw.h"

namespace dxBar {

bool dxBarCanMove(TCustomdxBarControl* ABarControl) {
  return !ABarControl || !ABarControl->GetBehaviorOptions().Contains(bboUnmoved);
}

// The links the quick-customization popup would offer: those the bar could not show at all, and those
// whose control got no room in the layout.
bool dxBarHasHiddenItems(TCustomdxBarControl* ABarControl) {
  TdxBarItemLinks* links = ABarControl ? ABarControl->GetItemLinks() : nullptr;
  if (!links) return false;
  for (Integer i = 0; i < links->GetCanVisibleItemCount(); ++i) {
    TdxBarItemLink* link = links->GetCanVisibleItem(i);
    if (link->GetVisibleIndex() < 0) return true;
    const TRect R = link->GetItemRect();
    if (link->GetControl() && IsRectEmpty(&R)) return true;
  }
  return false;
}

bool dxBarIsButtonDown(TdxBarItemControl* AControl) {
  auto* button = dynamic_cast<TdxBarButtonControl*>(AControl);
  return button && button->GetDown();
}

void dxBarDrawHighlightedMenuRow(TdxBarPainter* APainter, TdxBarButtonLikeControlDrawParams* ADrawParams,
                                 const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const bool selected = ADrawParams->DrawSelected;
  const bool opaque = selected || (control && control->GetNonRecent());
  const HBRUSH selectedBrush = menu ? menu->GetToolbarSelBrush() : APainter->BarToolbarSelBrush();
  const HBRUSH background = control ? control->GetBkBrush() : APainter->BarToolbarBrush();
  const bool noIcon = !ADrawParams->ViewStructure.Contains(cpIcon);
  const Integer column = menu ? menu->GetIconAreaSize() : 0;
  const HBRUSH columnBrush = selected && noIcon && !ADrawParams->Downed ? selectedBrush : background;
  APainter->DrawBackground(control, DC, TRect(R.left, R.top, R.left + column + 1, R.bottom), columnBrush, opaque);
  APainter->DrawBackground(control, DC, TRect(R.left + column + 1, R.top, R.right, R.bottom),
                           selected ? selectedBrush : background, opaque);
}

HBRUSH dxBarEditCaptionBrush(TdxBarItemControl* AControl, TdxBarItemControlDrawParams* ADrawParams) {
  TCustomdxBarControl* parent = AControl->GetParent();
  if (ADrawParams && ADrawParams->DrawSelected && ADrawParams->PaintType == ptMenu && parent)
    return parent->GetToolbarSelBrush();
  return AControl->GetBkBrush();
}

}  // namespace dxBar
