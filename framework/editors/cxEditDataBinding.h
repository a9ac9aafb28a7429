// What surrounds the editor control: its data binding (the source of its value and default
// settings; the base one is bound to no data), the edit data a host keeps per in-place activation,
// the catcher of change events held back by a lock, and the pool of in-place editors of a host.
#pragma once

#include <vector>

#include "Persistent.h"
#include "Variants.h"
#include "cxEditRegistry.h"

namespace cxClasses {
class TcxFreeNotificator;
}
namespace ActnList {
class TBasicAction;
}

namespace cxEdit {

class TcxCustomEdit;
class TcxCustomEditDefaultValuesProvider;
class TcxCustomEditProperties;
class IcxEditDefaultValuesProvider;

class TcxEditDataBinding : public TPersistent {
  DECLARE_CLASS(TcxEditDataBinding, TPersistent)
 public:
  explicit TcxEditDataBinding(TcxCustomEdit* AEdit = nullptr) : FEdit(AEdit) {}
  // Virtual construction from a class reference for the editor.
  static TcxEditDataBinding* Create(TClass AClass, TcxCustomEdit* AEdit);

  virtual bool CanCheckEditorValue();
  virtual bool CanPostEditorValue();
  virtual bool ExecuteAction(ActnList::TBasicAction* Action) { return false; }
  virtual TClass GetDefaultValuesProviderClass();
  // Tells the editor when it is focused that it was modified.
  virtual void SetModified();
  virtual bool UpdateAction(ActnList::TBasicAction* Action) { return false; }
  virtual void UpdateDisplayValue();
  virtual void UpdateNotConnectedDBEditDisplayValue() {}
  virtual void DefaultValuesChanged();
  virtual TcxEditValue GetDisplayValue();
  virtual bool GetEditing();
  virtual bool GetModified();
  virtual TcxEditValue GetStoredValue();
  virtual void Reset();
  virtual void SetDisplayValue(const TcxEditValue& Value);
  virtual bool SetEditMode();
  virtual void SetStoredValue(const TcxEditValue& Value) {}

  TcxCustomEdit* GetEdit() const { return FEdit; }
  IcxEditDefaultValuesProvider* GetIDefaultValuesProvider();
  bool GetIsDataAvailable();
  TObject* GetEditDataBindingInstance() { return nullptr; }

 protected:
  void Construct() override;
  void Destroy() override;
  TPersistent* GetOwner() override;
  void SetInternalDisplayValue(const TcxEditValue& Value);

 private:
  TcxCustomEdit* FEdit;
  TcxCustomEditDefaultValuesProvider* FDefaultValuesProvider = nullptr;
};

// What a host keeps per in-place activation and hands to the editor each time it activates it.
class TcxCustomEditData : public TObject {
  DECLARE_CLASS(TcxCustomEditData, TObject)
 public:
  explicit TcxCustomEditData(TcxCustomEdit* AEdit = nullptr) : FEdit(AEdit) {}
  // Virtual construction from a class reference for the editor.
  static TcxCustomEditData* Create(TClass AClass, TcxCustomEdit* AEdit);

  // Marks the data cleared; the editor whose current data it is initialises it again at once.
  void Clear();
  bool GetCleared() const { return FCleared; }
  void SetCleared(bool Value) { FCleared = Value; }
  TcxCustomEdit* GetEdit() const { return FEdit; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void EditFreeNotification(TComponent* Sender) { FEdit = nullptr; }
  bool FCleared = false;
  TcxCustomEdit* FEdit;
  TcxFreeNotificator* FFreeNotificator = nullptr;
};

// Notes the OnChange and OnEditValueChanged that an editor raises while its change events are
// locked, and fires each once when the outermost lock ends with invoke-on-unlock.
class TcxEditChangeEventsCatcher : public TObject {
  DECLARE_CLASS(TcxEditChangeEventsCatcher, TObject)
 public:
  explicit TcxEditChangeEventsCatcher(TcxCustomEdit* AEdit = nullptr) : FEdit(AEdit) {}

  void Lock(bool ALock, bool AInvokeChanged = true);
  bool IsLocked() const { return FLockCount > 0; }
  bool OnChangeEvent = false;
  bool OnEditValueChangedEvent = false;

 private:
  TcxCustomEdit* FEdit;
  Integer FLockCount = 0;
};

// A host's pool of hidden in-place editors: one per settings object, made on demand and reused.
class TcxInplaceEditList : public TObject {
  DECLARE_CLASS(TcxInplaceEditList, TObject)
 public:
  // The editor of these settings, claimed from the free ones of its class or made; it takes the
  // settings (with its change events held back).
  TcxCustomEdit* GetEdit(TcxCustomEditProperties* AProperties);
  // A free editor of the settings class, made when there is none; its settings are not touched.
  TcxCustomEdit* GetEdit(TClass APropertiesClass);
  TcxCustomEdit* GetEdit(Integer Index) const;
  TcxCustomEdit* FindEdit(TcxCustomEditProperties* AProperties);
  TcxCustomEdit* FindEdit(TClass APropertiesClass);
  void RemoveItem(TcxCustomEditProperties* AProperties);
  void RemoveItem(TClass APropertiesClass);
  // The editor serving these settings becomes free for any settings of the class.
  void DisconnectProperties(TcxCustomEditProperties* AProperties);
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  struct TItem {
    TcxCustomEdit* Edit;
    TcxCustomEditProperties* Properties;
  };
  Integer FindItem(TcxCustomEditProperties* AProperties, bool AFindByClass);
  Integer FindItem(TClass APropertiesClass);
  TcxCustomEdit* CreateEdit(TClass APropertiesClass);
  void RemoveItemAt(Integer AIndex);
  std::vector<TItem> FItems;
};

// The in-place editor lists alive now; the list of lists exists while one does.
const std::vector<TcxInplaceEditList*>* InplaceEditLists();
// Called by settings that go away: no list keeps serving them.
void DisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties);

}  // namespace cxEdit

using namespace cxEdit;
