// The toolbar unit's component model: the component base of items, groups and popup menus, the
// set-like object list, the component lists that report their changes, the process-wide list of bar
// managers and the registry that maps each item class to the class of its on-screen control.
#pragma once

#include "dxBarSelectable.h"
#include "dxBarTypes.h"

namespace dxBar {

// A list of objects that holds each object at most once and never owns them.
class TdxObjectList : public TObjectList {
  DECLARE_CLASS(TdxObjectList, TObjectList)
 public:
  TdxObjectList() : TObjectList(false) {}

  // Ignores nil and objects already present; answers the object's index (-1 for nil).
  Integer Add(TObject* AObject);
  // Adds the objects of ASource not yet present.
  void AddList(TdxObjectList* ASource);
  // Adds the objects of ASource that are absent from AExcluded.
  void AddFromList(TdxObjectList* ASource, TdxObjectList* AExcluded);
  // Clears this list and copies ASource into it (without nils or duplicates).
  void CopyFrom(TdxObjectList* ASource);
  // Clears ADestination and copies this list into it; into a TdxObjectList through its Add.
  void CopyTo(TList* ADestination);
  // Clears this list, then holds A's objects absent from B followed by B's objects absent from A.
  void XorList(TdxObjectList* A, TdxObjectList* B);
  TObject* First() const;
  TObject* Last() const;
  // Nil for an index outside the list.
  TObject* GetItem(Integer Index) const;
};

// A component list that does not own its members and reports what enters and leaves it: the notify
// event with the list's own notification, the change event with the collection notification. A
// member of another class than GetItemClass is taken out again at once, without any report.
class TdxComponentList : public TComponentList {
  DECLARE_CLASS(TdxComponentList, TComponentList)
 public:
  TdxComponentList() : TComponentList(false) {}

  void BeginUpdate();
  // With ANotify, reports a change of the whole list once the counter is back at 0.
  void EndUpdate(bool ANotify = true);
  // Fires the change event, unless updates are held.
  void Update(TComponent* AComponent, TcxComponentCollectionNotification AAction);
  Integer GetUpdateCount() const { return FUpdateCount; }

  TdxBarListNotifyEvent OnNotify;
  TdxBarListChangeEvent OnComponentListChanged;

 protected:
  void Destroy() override;
  void Notify(void* Ptr, TListNotification Action) override;
  virtual void DoNotify(TComponent* AComponent, TListNotification AAction);
  virtual TClass GetItemClass();

 private:
  Integer FUpdateCount = 0;
};

// A component list of bar components, which it registers itself with so that their changes reach it.
class TdxBarComponentList : public TdxComponentList {
  DECLARE_CLASS(TdxBarComponentList, TdxComponentList)
 public:
  TdxBarComponent* GetBarComponent(Integer Index) const;

 protected:
  void DoNotify(TComponent* AComponent, TListNotification AAction) override;
  TClass GetItemClass() override;
};

// The base of items, groups and popup menus: a component that belongs to a bar manager and tells the
// component lists that hold it of its changes. It is a selectable object of customization.
class TdxBarComponent : public TComponent, public IdxBarSelectableItem {
  DECLARE_CLASS(TdxBarComponent, TComponent)
 public:
  explicit TdxBarComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  void AddChangeNotify(TdxComponentList* AList);
  void RemoveChangeNotify(TdxComponentList* AList);

  // Tells every list that holds it of a change: of the whole list (nil component) with AAllChanged,
  // of this component otherwise; nothing while it is being destroyed.
  virtual void Changed(bool AAllChanged);
  virtual bool GetEnabled() = 0;
  virtual void SetEnabled(bool Value) = 0;
  virtual void SetVisible(TdxBarItemVisible Value) = 0;

  // IdxBarSelectableItem
  bool CanDelete(bool AExtended = false) override;
  void DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) override;
  void ExecuteCustomizationAction(TdxBarCustomizationAction AAction) override {}
  TdxBarManager* GetBarManager() override { return FBarManager; }
  TPersistent* GetInstance() override { return this; }
  void GetMasterObjects(TdxObjectList* AList) override;
  IdxBarSelectableItem* GetNextSelectableItem() override { return nullptr; }
  IdxBarSelectableItem* GetSelectableParent() override;
  TdxBarSelectionStatus GetSelectionStatus() override;
  TdxBarCustomizationActions GetSupportedActions() override;
  void Invalidate() override {}
  bool IsComplex() override { return false; }
  bool IsComponentSelected() override;
  void SelectComponent(TdxBarSelectionOperation AOperation = soExclusive) override;
  bool SelectParentComponent() override { return false; }
  void SelectionChanged() override {}
  virtual TPersistent* GetPersistentInstance() { return this; }
  virtual TComponent* GetComponentInstance() { return this; }

 protected:
  void Destroy() override;
  // Joins (or, with nil, leaves) a manager; the manager's own lists call it.
  void SetBarManagerField(TdxBarManager* Value) { FBarManager = Value; }
  friend class TdxBarManager;

  bool FEnabled = true;
  TdxBarItemVisible FVisible = ivAlways;

 private:
  TdxBarManager* FBarManager = nullptr;
  TdxObjectList* FNotifyList = nullptr;  // the component lists told of changes; made on first use
};

// The process-wide list of bar managers, in registration order.
class TdxBarManagerList : public TdxObjectList {
  DECLARE_CLASS(TdxBarManagerList, TdxObjectList)
 public:
  TdxBarManager* GetBarManager(Integer Index) const;
  // The first manager that is customizing, else nil.
  TdxBarManager* GetCustomizingBarManager() const;
  // The next manager in the cycle from AManager that belongs to AManager's main form and, when its
  // master form is an MDI child, to the active one; AManager itself when none does.
  TdxBarManager* NextActive(TdxBarManager* AManager, bool AForward);

 protected:
  void Destroy() override;
};

// One entry of the item-class registry.
class TRegItemRecord : public TObject {
  DECLARE_CLASS(TRegItemRecord, TObject)
 public:
  TRegItemRecord(TClass AItemClass, TClass AItemControlClass, bool AVisible)
      : ItemClass(AItemClass), ItemControlClass(AItemControlClass), Visible(AVisible) {}
  TClass ItemClass;
  TClass ItemControlClass;
  bool Visible;  // offered among the new commands of customization
};

// The item-class registry: every item class with the class of the control that shows it.
class TdxBarItemList : public TList {
  DECLARE_CLASS(TdxBarItemList, TList)
 public:
  TRegItemRecord* GetRecord(Integer Index) const { return static_cast<TRegItemRecord*>(GetItems(Index)); }
  TClass GetItemClass(Integer Index) const;
  Integer GetVisibleItemCount() const;
  // The Index-th class offered in customization, counting from 0; nil when there is none.
  TClass GetVisibleItemClass(Integer Index) const;
  // The control class registered for AItemClass or its nearest registered ancestor; nil when none.
  TClass GetItemControlClass(TClass AItemClass) const;
  void Unregister(Integer Index);

 protected:
  void Destroy() override;
};

// The registry, made on first use (nil once the unit has begun to stop).
TdxBarItemList* RegdxItemList();
void dxBarRegisterItem(TClass AItemClass, TClass AItemControlClass, bool AVisible);
void dxBarUnregisterItem(TClass AItemClass);

// The list of managers (nil outside the unit's run) and the hooks told of its changes.
extern TdxBarManagerList* dxBarManagerList;
extern TdxBarManagerProc FOnRegisterBarManager;
extern TdxBarManagerProc FOnUnregisterBarManager;

}  // namespace dxBar

using namespace dxBar;
