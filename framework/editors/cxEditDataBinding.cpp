// The editor's data binding, the edit data of an in-place activation, the change-events catcher and
// the pool of in-place editors.
#include "cxEditDataBinding.h"

#include <algorithm>

#include "cxClassesLinks.h"
#include "cxControlsInternal.h"
#include "cxEditControl.h"
#include "cxEditInternal.h"
#include "cxEditProperties.h"

namespace cxEdit {

// ---- TcxEditDataBinding -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxEditDataBinding)

TcxEditDataBinding* TcxEditDataBinding::Create(TClass AClass, TcxCustomEdit* AEdit) {
  return CreateInstanceOf<TcxEditDataBinding>(AClass, [AEdit](TcxEditDataBinding* ABinding) { ABinding->FEdit = AEdit; });
}

void TcxEditDataBinding::Construct() {
  inherited::Construct();
  FDefaultValuesProvider =
      As<TcxCustomEditDefaultValuesProvider>(TcxInterfacedPersistent::Create(GetDefaultValuesProviderClass(), nullptr));
}

void TcxEditDataBinding::Destroy() {
  FreeAndNil(FDefaultValuesProvider);
  inherited::Destroy();
}

TPersistent* TcxEditDataBinding::GetOwner() { return FEdit; }

TClass TcxEditDataBinding::GetDefaultValuesProviderClass() {
  return TcxCustomEditDefaultValuesProvider::StaticClass();
}

IcxEditDefaultValuesProvider* TcxEditDataBinding::GetIDefaultValuesProvider() { return FDefaultValuesProvider; }

bool TcxEditDataBinding::GetIsDataAvailable() { return FDefaultValuesProvider->IsDataAvailable(); }

bool TcxEditDataBinding::CanCheckEditorValue() { return FEdit->IsDesigning() || !FEdit->GetModifiedAfterEnter(); }

bool TcxEditDataBinding::CanPostEditorValue() { return GetModified(); }

void TcxEditDataBinding::SetModified() {
  if (FEdit->Focused()) FEdit->SetModifiedAfterEnter(true);
}

void TcxEditDataBinding::UpdateDisplayValue() { FEdit->SynchronizeDisplayValue(); }

void TcxEditDataBinding::DefaultValuesChanged() {
  TcxEditRepositoryItem* item = FEdit->GetRepositoryItem();
  if (!item) return FEdit->GetActiveProperties()->DefaultValuesChanged();
  // The item's settings tell nobody; the editor applies them itself.
  TcxCustomEditProperties* properties = item->GetProperties();
  properties->BeginUpdate();
  {
    TFinally end([properties] { properties->EndUpdate(false); });
    properties->DefaultValuesChanged();
  }
  FEdit->PropertiesChanged(static_cast<TObject*>(FEdit->GetActiveProperties()));
}

TcxEditValue TcxEditDataBinding::GetDisplayValue() { return VarToStr(FEdit->GetDisplayValue()); }

bool TcxEditDataBinding::GetEditing() { return FEdit->GetModifiedAfterEnter(); }

bool TcxEditDataBinding::GetModified() { return FEdit->GetModifiedAfterEnter(); }

TcxEditValue TcxEditDataBinding::GetStoredValue() { return FEdit->GetEditValue(); }

void TcxEditDataBinding::Reset() { FEdit->ResetEditValue(); }

void TcxEditDataBinding::SetDisplayValue(const TcxEditValue& Value) { SetInternalDisplayValue(Value); }

void TcxEditDataBinding::SetInternalDisplayValue(const TcxEditValue& Value) { FEdit->SetInternalDisplayValue(Value); }

bool TcxEditDataBinding::SetEditMode() {
  FEdit->SetModifiedAfterEnter(true);
  return true;
}

// ---- TcxCustomEditData ------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomEditData)

TcxCustomEditData* TcxCustomEditData::Create(TClass AClass, TcxCustomEdit* AEdit) {
  return CreateInstanceOf<TcxCustomEditData>(AClass, [AEdit](TcxCustomEditData* AData) { AData->FEdit = AEdit; });
}

void TcxCustomEditData::Construct() {
  inherited::Construct();
  FFreeNotificator = New<TcxFreeNotificator>(nullptr);
  FFreeNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TcxCustomEditData::EditFreeNotification);
  if (FEdit) FFreeNotificator->AddSender(FEdit);
  Clear();
}

void TcxCustomEditData::Destroy() {
  FreeAndNil(FFreeNotificator);
  inherited::Destroy();
}

void TcxCustomEditData::Clear() {
  FCleared = true;
  if (FEdit) FEdit->DoClearEditData(this);
}

// ---- TcxEditChangeEventsCatcher --------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxEditChangeEventsCatcher)

void TcxEditChangeEventsCatcher::Lock(bool ALock, bool AInvokeChanged) {
  if (ALock) {
    if (FLockCount == 0) OnChangeEvent = OnEditValueChangedEvent = false;
    ++FLockCount;
    return;
  }
  if (FLockCount == 0) return;
  if (--FLockCount > 0 || !AInvokeChanged || FEdit->IsLoading() || FEdit->IsDestroying()) return;
  if (OnChangeEvent && FEdit->IsOnChangeEventAssigned()) FEdit->DoOnChange();
  if (OnEditValueChangedEvent && FEdit->IsOnEditValueChangedEventAssigned()) FEdit->DoOnEditValueChanged();
}

// ---- TcxInplaceEditList -------------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxInplaceEditList)

namespace {

std::vector<TcxInplaceEditList*>* FInplaceEditLists = nullptr;

TClass EditClassOf(TClass APropertiesClass) {
  return TcxCustomEditPropertiesClass(APropertiesClass)->GetContainerClass();
}

}  // namespace

const std::vector<TcxInplaceEditList*>* InplaceEditLists() { return FInplaceEditLists; }

void DisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties) {
  if (!FInplaceEditLists) return;
  for (TcxInplaceEditList* list : *FInplaceEditLists) list->DisconnectProperties(AProperties);
}

void TcxInplaceEditList::Construct() {
  inherited::Construct();
  if (!FInplaceEditLists) FInplaceEditLists = new std::vector<TcxInplaceEditList*>;
  FInplaceEditLists->push_back(this);
}

void TcxInplaceEditList::Destroy() {
  if (FInplaceEditLists) {
    FInplaceEditLists->erase(std::remove(FInplaceEditLists->begin(), FInplaceEditLists->end(), this),
                             FInplaceEditLists->end());
    if (FInplaceEditLists->empty()) {
      delete FInplaceEditLists;
      FInplaceEditLists = nullptr;
    }
  }
  while (!FItems.empty()) RemoveItemAt(0);
  inherited::Destroy();
}

Integer TcxInplaceEditList::FindItem(TcxCustomEditProperties* AProperties, bool AFindByClass) {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].Properties == AProperties) return static_cast<Integer>(i);
  if (!AFindByClass) return -1;
  const Integer index = FindItem(AProperties->ClassType());
  if (index != -1) FItems[index].Properties = AProperties;
  return index;
}

Integer TcxInplaceEditList::FindItem(TClass APropertiesClass) {
  TClass editClass = EditClassOf(APropertiesClass);
  for (size_t i = 0; i < FItems.size(); ++i)
    if (!FItems[i].Properties && FItems[i].Edit->ClassType() == editClass) return static_cast<Integer>(i);
  return -1;
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(TcxCustomEditProperties* AProperties) {
  const Integer index = FindItem(AProperties, true);
  return index == -1 ? nullptr : FItems[index].Edit;
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(TClass APropertiesClass) {
  const Integer index = FindItem(APropertiesClass);
  return index == -1 ? nullptr : FItems[index].Edit;
}

TcxCustomEdit* TcxInplaceEditList::CreateEdit(TClass APropertiesClass) {
  TcxCustomEdit* edit = TcxCustomEdit::Create(EditClassOf(APropertiesClass), nullptr, true);
  edit->SetVisible(false);
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(TcxCustomEditProperties* AProperties) {
  TcxCustomEdit* edit = FindEdit(AProperties);
  if (!edit) {
    edit = CreateEdit(AProperties->ClassType());
    FItems.push_back({edit, AProperties});
  }
  edit->LockChangeEvents(true);
  TFinally unlock([edit] { edit->LockChangeEvents(false, false); });
  edit->SetProperties(AProperties);
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(TClass APropertiesClass) {
  TcxCustomEdit* edit = FindEdit(APropertiesClass);
  if (!edit) {
    edit = CreateEdit(APropertiesClass);
    FItems.push_back({edit, nullptr});
  }
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) return nullptr;
  return FItems[Index].Edit;
}

void TcxInplaceEditList::DisconnectProperties(TcxCustomEditProperties* AProperties) {
  const Integer index = FindItem(AProperties, false);
  if (index != -1) FItems[index].Properties = nullptr;
}

void TcxInplaceEditList::RemoveItem(TcxCustomEditProperties* AProperties) {
  const Integer index = FindItem(AProperties, false);
  if (index != -1) RemoveItemAt(index);
}

void TcxInplaceEditList::RemoveItem(TClass APropertiesClass) {
  for (Integer index = FindItem(APropertiesClass); index != -1; index = FindItem(APropertiesClass))
    RemoveItemAt(index);
}

void TcxInplaceEditList::RemoveItemAt(Integer AIndex) {
  TcxCustomEdit* edit = FItems[AIndex].Edit;
  FItems.erase(FItems.begin() + AIndex);
  edit->SetParent(nullptr);
  edit->Free();
}

}  // namespace cxEdit
