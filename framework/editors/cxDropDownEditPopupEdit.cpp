// The popup edit: a drop-down editor whose popup hosts any control of the form and gives it back,
// with its parent, alignment, bounds and visibility, when the popup closes.
#include "Forms.h"
#include <limits>

#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxVariants.h"
#include "cxDropDownEdit.h"
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxClassesLinks.h"
#include "cxEditConsts.h"
#include "cxEditRegistry.h"

namespace cxDropDownEdit {

IMPLEMENT_CLASS(TcxCustomPopupEditProperties)
IMPLEMENT_CLASS(TcxPopupEditPopupWindowViewInfo)
IMPLEMENT_CLASS(TcxPopupEditPopupWindow)
IMPLEMENT_CLASS(TcxCustomPopupEdit)

// ---- Settings -----------------------------------------------------------------------------------------

void TcxCustomPopupEditProperties::Construct() {
  inherited::Construct();
  SetPopupAutoSize(true);
  SetPopupMinHeight(100);
  SetPopupMinWidth(100);
  SetPopupHeight(200);
  SetPopupSizeable(true);
  SetPopupWidth(250);
}

void TcxCustomPopupEditProperties::Destroy() {
  SetPopupControl(nullptr);
  inherited::Destroy();
}

TClass TcxCustomPopupEditProperties::GetContainerClass() { return TcxPopupEdit::StaticClass(); }
TClass TcxCustomPopupEditProperties::GetPopupWindowClass() { return TcxPopupEditPopupWindow::StaticClass(); }

void TcxCustomPopupEditProperties::SetPopupControl(TControl* Value) {
  if (Value == FPopupControl) return;
  if (FPopupControl) GetFreeNotificator()->RemoveSender(FPopupControl);
  FPopupControl = Value;
  if (FPopupControl) GetFreeNotificator()->AddSender(FPopupControl);
}

void TcxCustomPopupEditProperties::FreeNotification(TComponent* AComponent) {
  if (AComponent == FPopupControl) FPopupControl = nullptr;
}

void TcxCustomPopupEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomPopupEditProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::Assign(Source);
  SetPopupControl(source->FPopupControl);
}

void TcxPopupEditProperties::Construct() {
  inherited::Construct();
  SetImmediateDropDown(true);
  SetImmediatePopup(true);
}

// ---- Popup window -----------------------------------------------------------------------------------

void TcxPopupEditPopupWindowViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect R) {
  if (PopupBorderStyle != epbsFrame3D || NativeStyle || OnCustomDrawBorder || Painter) {
    inherited::DrawBorder(ACanvas, R);
    return;
  }
  // Four pixels whatever the client edge: the control inside draws its own.
  ACanvas->DrawEdge(R, false, true);
  R = cxRectInflate(R, -1, -1);
  ACanvas->DrawEdge(R, false, false);
  R = cxRectInflate(R, -1, -1);
  ACanvas->FrameRect(R, clInactiveBorder);
  ACanvas->FrameRect(cxRectInflate(R, -1, -1), clBtnFace);
}

// ---- Control -------------------------------------------------------------------------------------------

TClass TcxCustomPopupEdit::GetPropertiesClass() { return TcxCustomPopupEditProperties::StaticClass(); }
TClass TcxPopupEdit::GetPropertiesClass() { return TcxPopupEditProperties::StaticClass(); }

void TcxCustomPopupEdit::Destroy() {
  // The control outlives the editor: it goes back home first.
  if (GetDroppedDown()) RestorePopupControlData();
  inherited::Destroy();
}

bool TcxCustomPopupEdit::CanDropDown() { return GetActiveProperties()->GetPopupControl() != nullptr; }

void TcxCustomPopupEdit::DoInitPopup() {
  TControl* control = GetActiveProperties()->GetPopupControl();
  if (control) {
    bool circular = control == GetPopupWindow();
    for (TWinControl* parent = this; parent && !circular; parent = parent->GetParent()) circular = parent == control;
    if (circular) throw EcxEditError(cxGetResourceString(&cxSEditPopupCircularReferencingError));
  }
  inherited::DoInitPopup();
}

TWinControl* TcxCustomPopupEdit::GetPopupFocusedControl() {
  return dynamic_cast<TWinControl*>(GetActiveProperties()->GetPopupControl());
}

TSize TcxCustomPopupEdit::GetPopupWindowClientPreferredSize() {
  TControl* control = GetActiveProperties()->GetPopupControl();
  return control ? TSize{control->GetWidth(), control->GetHeight()} : TSize{0, 0};
}

void TcxCustomPopupEdit::SavePopupControlData() {
  TControl* control = GetActiveProperties()->GetPopupControl();
  FSaved.Saved = true;
  FSaved.Align = control->GetAlign();
  if (auto* form = dynamic_cast<TCustomForm*>(control)) {
    FSaved.BorderStyle = form->GetBorderStyle();
    form->SetBorderStyle(bsNone);
  }
  FSaved.Bounds = control->GetBoundsRect();
  FSaved.Parent = control->GetParent();
  FSaved.Visible = control->GetVisible();
}

void TcxCustomPopupEdit::RestorePopupControlData() {
  TControl* control = GetActiveProperties()->GetPopupControl();
  if (!control || !FSaved.Saved) return;
  FSaved.Saved = false;
  control->Hide();
  GetPopupWindow()->SetFocusedControl(GetPopupWindow());
  control->SetParent(FSaved.Parent);
  control->SetAlign(FSaved.Align);
  control->SetBoundsRect(FSaved.Bounds);
  control->SetVisible(FSaved.Visible);
  if (auto* form = dynamic_cast<TCustomForm*>(control)) form->SetBorderStyle(FSaved.BorderStyle);
}

void TcxCustomPopupEdit::SetupPopupWindow() {
  TControl* control = GetActiveProperties()->GetPopupControl();
  if (!FSaved.Saved) SavePopupControlData();
  control->SetParent(GetPopupWindow());
  control->Show();
  inherited::SetupPopupWindow();
  control->SetAlign(alClient);
}

void TcxCustomPopupEdit::PositionPopupWindowChilds(const TRect& AClientRect) {
  if (TControl* control = GetActiveProperties()->GetPopupControl()) control->SetBoundsRect(AClientRect);
}

void TcxCustomPopupEdit::PopupWindowClosed(TObject* Sender) {
  RestorePopupControlData();
  inherited::PopupWindowClosed(Sender);
}

void TcxCustomPopupEdit::HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) {
  SetCloseUpReason(AReason);
  GetPopupWindow()->ClosePopup();
}

}  // namespace cxDropDownEdit

namespace cxDropDownEdit {

namespace {
Integer FDropDownEditUnitStartCount = 0;
}

void InitDropDownEdit() {
  if (FDropDownEditUnitStartCount++ > 0) return;
  GetRegisteredEditProperties()->Register(TcxComboBoxProperties::StaticClass(),
                                          cxGetResourceString(&scxSEditRepositoryComboBoxItem));
  GetRegisteredEditProperties()->Register(TcxPopupEditProperties::StaticClass(),
                                          cxGetResourceString(&scxSEditRepositoryPopupItem));
  RegisterClasses({TcxComboBox::StaticClass(), TcxPopupEdit::StaticClass()});
}

}  // namespace cxDropDownEdit
