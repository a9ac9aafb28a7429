// How a change of the editor becomes a new view info, a repaint and a new size: the refresh, the
// view-data calculation, painting, automatic sizing, the "Width" and "Height" stream entries and
// what happens when the editor is read from a form.
#include "Filer.h"
#include "Forms.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxControlsScrollBars.h"
#include "cxEditControl.h"
#include "cxGraphicsCanvas.h"

namespace cxEdit {

// ---- Refresh and the view info ---------------------------------------------------------------------------------
bool TcxCustomEdit::RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) {
  if (!HandleAllocated() || FIsCreating || ControlState.Contains(csDestroyingHandle) || GetIsDestroying()) return false;
  FViewInfoCalculated = true;
  if (FCaptureButtonVisibleIndex != -1 && !GetMouseCapture()) FCaptureButtonVisibleIndex = -1;
  TOwnedPtr<TcxCustomEditViewInfo> previous;
  if (AIsMouseEvent) {
    previous.reset(static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::Create(GetViewInfoClass())));
    previous->Assign(GetViewInfo());
  }
  CalculateViewInfo(P, Button, Shift, AIsMouseEvent);
  const TRect innerEditRect = FInnerEdit && IsEditClass() ? FInnerEdit->GetControl()->GetBoundsRect() : TRect();
  const bool changed = GetViewInfo()->Repaint(this, innerEditRect, previous.get());
  if (previous && !changed) return false;
  SetSize();
  if (HandleAllocated()) {
    FIsShadowRegionSetting = true;
    TFinally done([this] { FIsShadowRegionSetting = false; });
    SetShadowRegion();
  }
  if (previous) ProcessViewInfoChanges(previous.get(), Button != cxmbNone);
  return true;
}

void TcxCustomEdit::CalculateViewInfo(bool AIsMouseEvent) {
  CalculateViewInfo(ScreenToClient(GetMouseCursorPos()), cxmbNone, InternalGetShiftState(), AIsMouseEvent);
}

void TcxCustomEdit::CalculateViewInfo(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) {
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData());
  viewData->Calculate(GetActiveCanvas(), GetControlRect(this), P, Button, Shift, GetViewInfo(), AIsMouseEvent);
}

TcxCustomEditViewData* TcxCustomEdit::CreateViewData() {
  TcxCustomEditViewData* viewData = GetActiveProperties()->CreateViewData(GetEditActiveStyle(), IsInplace(), false);
  if (IsInplace() && FIsContentParamsInitialized) viewData->EditContentParams = FInplaceContentParams;
  if (!IsPropertiesChangesLocked()) viewData->Edit = this;
  if (HandleAllocated()) viewData->WindowHandle = GetHandle();
  InitializeViewData(viewData);
  return viewData;
}

void TcxCustomEdit::InitializeViewData(TcxCustomEditViewData* AViewData) {
  AViewData->Enabled = GetEnabled();
  AViewData->Focused = Focused();
  AViewData->IsDesigning = IsDesigning();
  AViewData->HScrollBar = GetHScrollBarVisible() ? GetHScrollBar() : nullptr;
  AViewData->VScrollBar = GetVScrollBarVisible() ? GetVScrollBar() : nullptr;
  AViewData->InnerEdit = FInnerEdit;
}

TRect TcxCustomEdit::GetBorderExtent() {
  TcxCustomEditViewInfo* viewInfo = GetViewInfo();
  const TRect& bounds = viewInfo->Bounds;
  const TRect& shadow = viewInfo->ShadowRect;
  return TRect(shadow.left - bounds.left, shadow.top - bounds.top, bounds.right - shadow.right,
               bounds.bottom - shadow.bottom);
}

bool TcxCustomEdit::IsDBEditPaintCopyDrawing() {
  return FDataBinding->GetIDefaultValuesProvider()->IsDataStorage() && ControlState.Contains(csPaintCopy);
}

// ---- Painting ------------------------------------------------------------------------------------------------------
void TcxCustomEdit::Paint() {
  if (IsDBEditPaintCopyDrawing()) return PaintCopyDraw();
  if (!FViewInfoCalculated) ShortRefreshContainer(false);
  GetViewInfo()->Paint(GetCanvas());
}

void TcxCustomEdit::PaintCopyDraw() {
  SetVisibleBoundsClipRect();
  TOwnedPtr<TcxCustomEditViewInfo> viewInfo(
      static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::Create(GetViewInfoClass())));
  viewInfo->Edit = this;
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData());
  const TcxEditValue value = FDataBinding->GetStoredValue();
  viewData->EditValueToDrawValue(GetCanvas(), value, viewInfo.get());
  viewData->Calculate(GetCanvas(), GetControlRect(this), TPoint(-1, -1), cxmbNone, {}, viewInfo.get(), false);
  viewInfo->Paint(GetCanvas());
  GetCanvas()->ExcludeClipRect(GetControlRect(this));
}

// ---- Sizing -----------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::CanAutoWidth() { return GetActiveProperties()->GetButtonsViewStyle() == bvsButtonsAutoWidth; }

void TcxCustomEdit::FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) {
  AEditSizeProperties = TcxEditSizeProperties{-1, 1, GetWidth()};
}

bool TcxCustomEdit::InternalCanResize(Integer& NewWidth, Integer& NewHeight) {
  if (!CanAutoSize()) return false;
  TcxEditSizeProperties sizeProperties;
  FillSizeProperties(sizeProperties);
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData());
  const TSize size = viewData->GetEditSize(cxScreenCanvas(), GetEditValue(), sizeProperties);
  const TAlign align = GetAlign();
  if (CanAutoWidth() && (align == alNone || align == alLeft || align == alRight)) NewWidth = size.cx;
  if (align == alNone || align == alTop || align == alBottom) NewHeight = size.cy;
  return true;
}

bool TcxCustomEdit::CanResize(Integer& NewWidth, Integer& NewHeight) {
  const bool result = inherited::CanResize(NewWidth, NewHeight);
  if (result && !IsLoading()) InternalCanResize(NewWidth, NewHeight);
  return result;
}

void TcxCustomEdit::SetSize() {
  if (!HandleAllocated() || GetIsDestroying()) return;
  Integer width = GetWidth(), height = GetHeight();
  InternalCanResize(width, height);
  const Integer left = IsRightBoundFixed() ? GetLeft() + GetWidth() - width : GetLeft();
  SetBounds(left, GetTop(), width, height);
  if (FInnerEdit) AdjustInnerEditPosition();
}

void TcxCustomEdit::AdjustInnerEditPosition() {
  FInnerEdit->GetControl()->SetBoundsRect(GetViewInfo()->ClientRect);
  Realign();
}

void TcxCustomEdit::SetEditAutoSize(bool Value) {
  if (Value == FAutoSize || IsInplace()) return;
  FAutoSize = Value;
  if (!Value) return;
  CheckHandle();
  SetSize();
  ShortRefreshContainer(false);
}

Integer TcxCustomEdit::GetHeight() {
  CheckHandle();
  return TControl::GetHeight();
}

void TcxCustomEdit::CheckHandle() {
  if (HandleAllocated() || IsDestroying() || FIsHandleChecking) return;
  FIsHandleChecking = true;
  TFinally done([this] { FIsHandleChecking = false; });
  if (CanAllocateHandle(this)) HandleNeeded();
}

void TcxCustomEdit::RequestAlign() {
  inherited::RequestAlign();
  ShortRefreshContainer(false);
}

void TcxCustomEdit::CMShowingChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (Showing()) SetSize();
}

// ---- The form stream ------------------------------------------------------------------------------------------------------
void TcxCustomEdit::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TcxCustomEdit*>(Filer->GetAncestor());
  const bool storeHeight = !CanAutoSize() && (!ancestor || ancestor->GetHeight() != GetHeight());
  const bool storeWidth = !(CanAutoSize() && CanAutoWidth()) && (!ancestor || ancestor->GetWidth() != GetWidth());
  Filer->DefineProperty("Height", Filer::TReaderProc(this, &TcxCustomEdit::ReadHeight),
                        Filer::TWriterProc(this, &TcxCustomEdit::WriteHeight), storeHeight);
  Filer->DefineProperty("Width", Filer::TReaderProc(this, &TcxCustomEdit::ReadWidth),
                        Filer::TWriterProc(this, &TcxCustomEdit::WriteWidth), storeWidth);
}

void TcxCustomEdit::ReadHeight(Filer::TReader* Reader) { SetHeight(Reader->ReadInteger()); }
void TcxCustomEdit::WriteHeight(Filer::TWriter* Writer) { Writer->WriteInteger(GetHeight()); }
void TcxCustomEdit::ReadWidth(Filer::TReader* Reader) { SetWidth(Reader->ReadInteger()); }
void TcxCustomEdit::WriteWidth(Filer::TWriter* Writer) { Writer->WriteInteger(GetWidth()); }

void TcxCustomEdit::ReadState(Filer::TReader* Reader) {
  DetachPropertiesChangeHandler();
  inherited::ReadState(Reader);
}

void TcxCustomEdit::Loaded() {
  inherited::Loaded();
  LockChangeEvents(true);
  LockClick(true);
  TFinally unlock([this] {
    LockClick(false);
    LockChangeEvents(false, false);
  });
  FDataBinding->UpdateNotConnectedDBEditDisplayValue();
  ShortRefreshContainer(false);
  if (!FRepositoryItem) AttachPropertiesChangeHandler();
  PropertiesChanged(GetActiveProperties());
  GetViewInfo()->Shadow = false;
  ContainerStyleChanged(GetStyle());
}

void TcxCustomEdit::SetParent(TWinControl* AParent) {
  if (FIsFirstSetParent && AParent) {
    FIsFirstSetParent = false;
    FDataBinding->UpdateNotConnectedDBEditDisplayValue();
    PropertiesChanged(FProperties);
    FDataBinding->UpdateDisplayValue();
  }
  inherited::SetParent(AParent);
}

void TcxCustomEdit::SetName(const String& Value) {
  inherited::SetName(Value);
  FDataBinding->UpdateNotConnectedDBEditDisplayValue();
}

void TcxCustomEdit::SafeSelectionFocusInnerControl() {
  if (FInnerEdit) FInnerEdit->SafelySetFocus();
}

}  // namespace cxEdit
