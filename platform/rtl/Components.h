// TComponent: the persistent object with an owner, a name and owned components, that the object
// stream reads and writes as a tree; free notification between components; component lists.
#pragma once

#include <vector>

#include "Closures.h"
#include "Lists.h"
#include "Persistent.h"

namespace Filer {
class TReader;
class TWriter;
void NotifyGlobalLoading();
}  // namespace Filer

namespace Components {

class TComponent;

enum TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
  csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem, 16>;

enum TComponentStyleItem { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = TSet<TComponentStyleItem, 8>;

enum TOperation { opInsert, opRemove };

// Called for each child by GetChildren (the writer writes each one it is given).
using TGetChildProc = TClosure<void(TComponent* Child)>;

// True when `Ident` is a valid identifier: a letter or underscore, then letters, digits and
// underscores (ASCII only).
bool IsValidIdent(const String& Ident);

// A component implements interfaces without reference counting (its owner frees it).
class TComponent : public TPersistent, public TNoRefCountObject {
  DECLARE_CLASS(TComponent, TPersistent)
 public:
  // New<T>(owner) for classes that take the owner through their constructor; CreateComponent below
  // for any component class, from its class reference.
  explicit TComponent(TComponent* AOwner = nullptr) : FCreateOwner(AOwner) {}

  TComponent* Owner() const { return FOwner; }
  const String& GetName() const { return FName; }
  // Raises EComponentError for an invalid identifier or a name another component of the same owner has.
  virtual void SetName(const String& NewName);
  NativeInt GetTag() const { return FTag; }
  void SetTag(NativeInt Value) { FTag = Value; }
  Integer GetDesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(Integer Value) { FDesignInfo = Value; }
  TComponentState ComponentState() const { return FComponentState; }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }

  Integer ComponentCount() const { return static_cast<Integer>(FComponents.size()); }
  TComponent* GetComponent(Integer Index) const;  // raises EListError out of range
  TComponent* operator[](Integer Index) const { return GetComponent(Index); }
  Integer GetComponentIndex() const;               // -1 without an owner
  void SetComponentIndex(Integer Value);           // moves it among its owner's components (clamped)
  TComponent* FindComponent(const String& AName) const;  // case-insensitive; null when none

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();
  void Destroying();

  // Asks to be told (Notification opRemove) when AComponent is freed; the link is mutual.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // The children the object stream writes below this component, each given to Proc.
  virtual void GetChildren(TGetChildProc Proc, TComponent* Root) {}
  virtual TComponent* GetParentComponent() { return nullptr; }
  virtual bool HasParent() { return false; }

  String GetNamePath() override { return FName; }

 protected:
  friend class Filer::TReader;
  friend class Filer::TWriter;
  friend void Filer::NotifyGlobalLoading();
  friend TComponent* CreateComponent(TClass, TComponent*, TComponentState);

  void Construct() override;
  void Destroy() override;
  void BeforeDestruction() override;
  TPersistent* GetOwner() override { return FOwner; }
  void DefineProperties(Filer::TFiler* Filer) override;

  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded();
  virtual void ReadState(Filer::TReader* Reader);
  virtual void WriteState(Filer::TWriter* Writer);
  virtual void ChangeName(const String& NewName) { FName = NewName; }
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetChildOrder(TComponent* Child, Integer Order) {}
  virtual void SetParentComponent(TComponent* Value) {}
  virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);
  virtual void ValidateContainer(TComponent* AComponent);
  virtual void ValidateInsert(TComponent* AComponent) {}
  virtual void Updating();
  virtual void Updated();
  void SetDesigning(bool Value, bool SetChildren = true);
  void SetAncestor(bool Value);
  void SetInline(bool Value);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);
  void RemoveFreeNotifications();
  void ReadLeft(Filer::TReader* Reader);
  void ReadTop(Filer::TReader* Reader);
  void WriteLeft(Filer::TWriter* Writer);
  void WriteTop(Filer::TWriter* Writer);

  TComponent* FCreateOwner = nullptr;
  TComponent* FOwner = nullptr;
  String FName;
  NativeInt FTag = 0;
  Integer FDesignInfo = 0;  // design position of a non-visual component: Left in the low word, Top in the high
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
};

using TComponentClass = TClass;

// Virtual construction from a class reference: the object of class `cls` (a TComponent descendant)
// with `AOwner` as its owner and `InitialState` already in its state, then its Construct chain.
TComponent* CreateComponent(TClass cls, TComponent* AOwner, TComponentState InitialState = {});
template <class T>
T* CreateComponent(TComponent* AOwner) {
  return static_cast<T*>(CreateComponent(T::StaticClass(), AOwner));
}

// A list of components that forgets a member when the member is freed (by free notification). When
// it owns its members, deleting one (or clearing, or freeing the list) frees it; Extract never does.
class TComponentList : public TObjectList {
  DECLARE_CLASS(TComponentList, TObjectList)
 public:
  Integer Add(TComponent* AComponent) { return TObjectList::Add(AComponent); }
  void Insert(Integer Index, TComponent* AComponent) { TObjectList::Insert(Index, AComponent); }
  Integer Remove(TComponent* AComponent) { return TObjectList::Remove(AComponent); }
  TComponent* Extract(TComponent* Item) { return As<TComponent>(TObjectList::Extract(Item)); }
  Integer IndexOf(TComponent* AComponent) const { return TObjectList::IndexOf(AComponent); }
  TComponent* First() const { return As<TComponent>(TObjectList::First()); }
  TComponent* Last() const { return As<TComponent>(TObjectList::Last()); }
  TComponent* GetItems(Integer Index) const { return As<TComponent>(TObjectList::GetItems(Index)); }
  void SetItems(Integer Index, TComponent* AComponent) { TObjectList::SetItems(Index, AComponent); }
  TComponent* operator[](Integer Index) const { return GetItems(Index); }

 protected:
  explicit TComponentList(bool AOwnsObjects = true) : TObjectList(AOwnsObjects) {}
  void Destroy() override;
  void Notify(void* Ptr, TListNotification Action) override;

 private:
  class TNexus;
  TNexus* FNexus = nullptr;
};

// The hook the object stream and name paths use to find a top-level component ("Form2") by name.
// The forms unit registers one; several may be registered, the first that answers wins.
using TFindGlobalComponent = TComponent* (*)(const String& Name);
void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc);
TComponent* FindGlobalComponent(const String& Name);

// Follows a dotted name path ("Panel1.Button1") down the owned components of Root; "Owner" names
// the component reached so far. Null when a step is not found.
TComponent* FindNestedComponent(TComponent* Root, const String& NamePath);

}  // namespace Components

using namespace Components;
