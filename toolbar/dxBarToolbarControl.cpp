// The toolbar window's life and its answers to the bar-window base.
#include "dxBarToolbarControl.h"

#include "Forms.h"
#include "WinUser.h"
#include "dxBarBar.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarControlViewInfo)
IMPLEMENT_CLASS(TdxBarControl)

TdxBarMDIButtonsState& dxBarMDIButtonsState() {
  static TdxBarMDIButtonsState state;
  return state;
}

TdxBarControl* TdxBarControl::Create(TClass AClass, TComponent* AOwner, TdxBar* ABar) {
  auto* control = static_cast<TdxBarControl*>(CreateComponent(AClass ? AClass : StaticClass(), AOwner));
  control->FBar = ABar;
  return control;
}

TdxBarControl* TdxBarControl::CreateForPopup(TClass AClass, TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar) {
  auto* control = Create(AClass, AParentBarControl->GetBarManager(), nullptr);
  control->InitPopup(AParentBarControl, AOwnerBar);
  return control;
}

void TdxBarControl::Construct() { inherited::Construct(); }
void TdxBarControl::BeforeDestruction() { inherited::BeforeDestruction(); }
void TdxBarControl::Destroy() { inherited::Destroy(); }
void TdxBarControl::CreateParams(TCreateParams& Params) { inherited::CreateParams(Params); }
void TdxBarControl::CreateWindowHandle(const TCreateParams& Params) { inherited::CreateWindowHandle(Params); }
void TdxBarControl::CreateWnd() { inherited::CreateWnd(); }
void TdxBarControl::DestroyWindowHandle() { inherited::DestroyWindowHandle(); }
void TdxBarControl::WndProc(TMessage& Message) { inherited::WndProc(Message); }
void TdxBarControl::Paint() { inherited::Paint(); }
void TdxBarControl::Resize() { inherited::Resize(); }

void TdxBarControlViewInfo::Calculate() { inherited::Calculate(); }
void TdxBarControlViewInfo::CalcSeparatorInfo(TdxBarItemLink* ALink) {}
bool TdxBarControlViewInfo::CanShowButtonGroups() { return false; }
bool TdxBarControlViewInfo::CanShowSeparators() { return false; }
void TdxBarControlViewInfo::DoCalcSeparatorInfo(TdxBarItemLink* ALink, const TRect& AItemRect) {}
bool TdxBarControlViewInfo::IsLastVisibleItemControl(TdxBarItemControl* AControl) { return false; }
TdxBarControl* TdxBarControlViewInfo::GetBarControl() const { return static_cast<TdxBarControl*>(inherited::GetBarControl()); }
bool TdxBarControl::CanHideAllItemsInSingleLine() { return false; }
bool TdxBarControl::CanMoving() { return false; }
bool TdxBarControl::CanProcessShortCut() { return false; }
void TdxBarControl::CaptionButtonClick(Integer AIndex) {}
TClass TdxBarControl::GetMarkAccessibilityHelperClass() { return nullptr; }
String TdxBarControl::GetMoreButtonsHint() { return String(); }
bool TdxBarControl::GetMultiLine() { return false; }
TClass TdxBarControl::GetQuickControlClass() { return nullptr; }
Forms::TCustomForm* TdxBarControl::GetParentForm() { return nullptr; }
bool TdxBarControl::AllowQuickCustomizing() { return false; }
void TdxBarControl::InitQuickControl(TdxBarItemLinks* AItemLinks) {}
void TdxBarControl::InitQuickCustomizeItemLinks(TdxBarItemLinks* AItemLinks) {}
void TdxBarControl::InitAddRemoveSubItemPopup(TdxBarItemLinks* AItemLinks) {}
bool TdxBarControl::HasCaption() { return false; }
bool TdxBarControl::HasCloseButton() { return false; }
bool TdxBarControl::IgnoreClickAreaWhenHidePopup(TRect& ARect) { return false; }
bool TdxBarControl::RealMDIButtonsOnBar() { return false; }
void TdxBarControl::UpdateCaptionButtons(TdxBarCaptionButton* AButton) {}
void TdxBarControl::CaptionChanged() {}
void TdxBarControl::DoDrawBeginGroup(const TRect& ARect, bool AHorizontalLine) {}
void TdxBarControl::DoNCPaint(HDC DC) {}
void TdxBarControl::DoPaint() {}
void TdxBarControl::DrawContentBackground() {}
String TdxBarControl::GetCaption() { return String(); }
TFont* TdxBarControl::GetFont() { return nullptr; }
void TdxBarControl::GlyphChanged() {}
bool TdxBarControl::LockHotTrackWhenPopup() { return false; }
bool TdxBarControl::NeedHideOnNCMouseClick() { return false; }
void TdxBarControl::InitPopup(TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar) {}
void TdxBarControl::CloseUp() {}
void TdxBarControl::Popup(const TRect& AOwnerRect) {}
TPoint TdxBarControl::GetTrackSize(TdxBarDockingStyle AStyle) { return TPoint(); }
void TdxBarControl::WindowPosChanged() { inherited::WindowPosChanged(); }
void TdxBarControl::LayoutChanged() { inherited::LayoutChanged(); }
bool TdxBarControl::CanCallInheritedNCCalcSize() { return inherited::CanCallInheritedNCCalcSize(); }
bool TdxBarControl::CanCustomizing() { return inherited::CanCustomizing(); }
bool TdxBarControl::CheckLockUpdate() { return inherited::CheckLockUpdate(); }
void TdxBarControl::DoBarGetFocus(TdxBarItemControl* AItemControl) { inherited::DoBarGetFocus(AItemControl); }
void TdxBarControl::DoBarLostFocus() { inherited::DoBarLostFocus(); }
void TdxBarControl::DoBarMouseLeave(TdxBarItemControl* AItemControl) { inherited::DoBarMouseLeave(AItemControl); }
void TdxBarControl::DoBarMouseMove(TShiftState AShift, Integer X, Integer Y, TdxBarItemControl* AItemControl) { inherited::DoBarMouseMove(AShift, X, Y, AItemControl); }
void TdxBarControl::DoHideAll() { inherited::DoHideAll(); }
void TdxBarControl::DoRepaintBar() { inherited::DoRepaintBar(); }
void TdxBarControl::DoSetIsActive(bool Value) { inherited::DoSetIsActive(Value); }
void TdxBarControl::FocusItemControl(TdxBarItemControl* AItemControl) { inherited::FocusItemControl(AItemControl); }
TClass TdxBarControl::GetAccessibilityHelperClass() { return nullptr; }
TBitmap* TdxBarControl::GetBackgroundBitmap() { return nullptr; }
Integer TdxBarControl::GetBeginGroupSize() { return 0; }
TFont* TdxBarControl::GetEditFont() { return inherited::GetEditFont(); }
TRect TdxBarControl::GetFullItemRect(TdxBarItemControl* AItem) { return inherited::GetFullItemRect(AItem); }
bool TdxBarControl::GetIsMainMenu() { return false; }
bool TdxBarControl::GetIsStatusBar() { return false; }
HRGN TdxBarControl::GetItemRegion(TdxBarItemControl* AControl) { return inherited::GetItemRegion(AControl); }
TdxBarMarkState TdxBarControl::GetMarkDrawState() { return inherited::GetMarkDrawState(); }
TObject* TdxBarControl::GetSelectableObject() { return inherited::GetSelectableObject(); }
HBRUSH TdxBarControl::GetToolbarBrush() { return inherited::GetToolbarBrush(); }
TClass TdxBarControl::GetViewInfoClass() { return TdxBarControlViewInfo::StaticClass(); }
HDC TdxBarControl::GetNCDrawingDC() { return inherited::GetNCDrawingDC(); }
void TdxBarControl::ReleaseNCDrawingDC(HDC DC) { inherited::ReleaseNCDrawingDC(DC); }
bool TdxBarControl::HideOnClick() { return inherited::HideOnClick(); }
bool TdxBarControl::MarkExists() { return inherited::MarkExists(); }
TRect TdxBarControl::MarkRect() { return inherited::MarkRect(); }
void TdxBarControl::SetMarkState(TdxBarMarkState Value) {}
bool TdxBarControl::NotHandleMouseMove(bool ACheckPosition) { return inherited::NotHandleMouseMove(ACheckPosition); }
void TdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) { inherited::SetDockingStyle(Value); }
void TdxBarControl::SetFont() {}
void TdxBarControl::SetLayeredAttributes() { inherited::SetLayeredAttributes(); }
void TdxBarControl::SelectItemControl(TdxBarItemControl* AItemControl, TMouseButton AButton, TShiftState AShift) { inherited::SelectItemControl(AItemControl, AButton, AShift); }
void TdxBarControl::SetKeySelectedItem(TdxBarItemControl* Value) { inherited::SetKeySelectedItem(Value); }
void TdxBarControl::UpdateItem(TdxBarItemControl* AControl) {}
bool TdxBarControl::AllowNCPaint() { return inherited::AllowNCPaint(); }
void TdxBarControl::FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush, TColor AColor) {}
bool TdxBarControl::IsInternal() { return inherited::IsInternal(); }
void TdxBarControl::NCPaint(HDC DC) { inherited::NCPaint(DC); }
void TdxBarControl::Hide() {}
bool TdxBarControl::IsRealVertical() { return inherited::IsRealVertical(); }
bool TdxBarControl::IsVertical() { return inherited::IsVertical(); }
TdxBarKind TdxBarControl::Kind() { return bkBarControl; }
void TdxBarControl::Repaint() { inherited::Repaint(); }
void TdxBarControl::SetMoving(bool AMoving) {}
void TdxBarControl::ChangeStyleWinTo(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl) {}
TPoint TdxBarControl::GetDragPointOffset(TdxBarDockingStyle AStyle) { return TPoint(); }
void TdxBarControl::SavePos() {}
void TdxBarControl::RebuildBar() {}
void TdxBarControl::FrameChanged() {}
void TdxBarControl::RefreshShadow() {}
void TdxBarControl::BarManagerStyleChanged() {}
void TdxBarControl::UpdateFont() {}
void TdxBarControl::PopupEx(const TRect& AOwnerRect, TXDirection ADirection) {}
TRect TdxBarControl::MarkScreenRect() { return TRect(); }
TRect TdxBarControl::MarkNCRect() { return TRect(); }
void TdxBarControl::InvalidateMark() {}
void TdxBarControl::CheckMarkState(const TPoint& APoint) {}
TRect TdxBarControl::CloseButtonRect() { return TRect(); }
TRect TdxBarControl::CloseButtonRectNC() { return TRect(); }
TRect TdxBarControl::GetCaptionRect() { return TRect(); }
TRect TdxBarControl::SizeGripRect() { return TRect(); }
void TdxBarControl::DrawCloseButton(HDC DC) {}
void TdxBarControl::DrawMark(HDC DC) {}
bool TdxBarControl::MDIButtonsOnBar() { return false; }
TRect TdxBarControl::RectMDI(TdxBarMDIButton AButton) { return TRect(); }
void TdxBarControl::SetNewBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {}
bool TdxBarControl::GetHorizontal() { return false; }
bool TdxBarControl::GetVertical() { return false; }
Integer TdxBarControl::GetRow() { return 0; }
Integer TdxBarControl::GetCol() { return 0; }
TdxDockCol* TdxBarControl::GetDockCol() { return nullptr; }
Forms::TCustomForm* TdxBarControl::GetMasterForm() { return nullptr; }
TdxBarCaptionButtons* TdxBarControl::GetCaptionButtons() { return nullptr; }
TColor TdxBarControl::GetCaptionColor() { return clDefault; }
TColor TdxBarControl::GetCaptionBkColor() { return clDefault; }
Byte TdxBarControl::GetAlphaBlendValue() { return 0; }
void TdxBarControl::WMNCHitTest(TMessage& Message) {}
void TdxBarControl::WMNCCalcSize(TMessage& Message) {}
void TdxBarControl::WMNCLButtonDown(TMessage& Message) {}
void TdxBarControl::WMLButtonUp(TMessage& Message) {}
void TdxBarControl::WMSizing(TMessage& Message) {}
void TdxBarControl::WMGetMinMaxInfo(TMessage& Message) {}
void TdxBarControl::WMWindowPosChanging(TMessage& Message) {}
void TdxBarControl::WMDestroy(TMessage& Message) {}
void TdxBarControl::WMMouseActivate(TMessage& Message) {}
void TdxBarControl::WMSetCursor(TMessage& Message) {}
void TdxBarControl::WMTimer(TMessage& Message) {}
void TdxBarControl::WMKeyDown(TMessage& Message) {}
void TdxBarControl::CMFontChanged(TMessage& Message) {}
void TdxBarControl::CaptionDblClick() {}
bool TdxBarControl::RunNCButtonLoop(Integer AIndex) { return false; }
void TdxBarControl::UpdateNCButtonLook(Integer AIndex, bool APressed) {}
Integer TdxBarControl::NCButtonIndexAtCursor() { return 0; }
void TdxBarControl::DrawMDIButtons(HDC DC) {}
void TdxBarControl::DrawBeginGroups() {}
void TdxBarControl::KeepRememberedWindow(HWND AWnd, TdxBarDockingStyle AStyle) {}

}  // namespace dxBar

