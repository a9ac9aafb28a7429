// A collection of components: the items are components owned by the parent component's owner and
// listed in the collection of their parent component, each with an identifier and an index.
#pragma once

#include <vector>

#include "cxClassesBase.h"

namespace cxClasses {

class TcxComponentCollection;

class TcxComponentCollectionItem : public TComponent {
  DECLARE_CLASS(TcxComponentCollectionItem, TComponent)
 public:
  explicit TcxComponentCollectionItem(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // The collection of that parent component that items of this class belong to.
  virtual TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) = 0;
  virtual String GetDisplayName() { return GetName(); }
  // Moves the item into AValue (out of any collection when null).
  virtual void SetCollection(TcxComponentCollection* AValue);
  // Moves the item to that position of its collection.
  virtual void SetIndex(Integer AValue);

  TcxComponentCollection* GetCollection() const { return FCollection; }
  Integer GetID() const { return FID; }
  Integer GetIndex() const;  // -1 outside a collection

  TComponent* GetParentComponent() override;
  bool HasParent() override;

 protected:
  friend class TcxComponentCollection;
  void Destroy() override;
  void SetParentComponent(TComponent* Value) override;
  // Tells the collection of a change of this item (AAllItems: of the whole collection).
  void Changed(bool AAllItems);
  void AddToCollection(TcxComponentCollection* ACollection);
  void RemoveFromCollection(TcxComponentCollection* ACollection);

 private:
  TcxComponentCollection* FCollection = nullptr;
  Integer FID = 0;
};

class TcxComponentCollection : public TPersistent {
  DECLARE_CLASS(TcxComponentCollection, TPersistent)
 public:
  explicit TcxComponentCollection(TComponent* AParentComponent = nullptr, TClass AItemClass = nullptr)
      : FParentComponent(AParentComponent), FItemClass(AItemClass) {}

  // A new item of the item class, owned by the parent component's owner.
  TcxComponentCollectionItem* Add();
  TcxComponentCollectionItem* Insert(Integer AIndex);
  void Delete(Integer AIndex);
  void Remove(TcxComponentCollectionItem* AItem);
  void Clear();
  TcxComponentCollectionItem* FindItemByID(Integer AID) const;
  void Assign(TPersistent* Source) override;

  virtual void BeginUpdate();
  // With AForceUpdate, tells of a change of the whole collection once updates are no longer held.
  virtual void EndUpdate(bool AForceUpdate = true);

  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxComponentCollectionItem* GetItem(Integer AIndex) const;  // EListError out of range
  // Assigns AValue's settings to the item at AIndex.
  void SetItem(Integer AIndex, TcxComponentCollectionItem* AValue);
  Integer IndexOf(TcxComponentCollectionItem* AItem) const;
  TComponent* GetParentComponent() const { return FParentComponent; }
  TClass GetItemClass() const { return FItemClass; }
  Integer GetUpdateCount() const { return FUpdateCount; }

  TcxComponentCollectionChangeEvent OnChange;

 protected:
  friend class TcxComponentCollectionItem;
  void Destroy() override;
  TPersistent* GetOwner() override { return FParentComponent; }

  virtual void Notify(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {}
  virtual void SetItemName(TcxComponentCollectionItem* AItem) {}
  // Fires OnChange.
  virtual void Update(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction);
  // Update, unless updates are held.
  void Changed(TcxComponentCollectionItem* AItem = nullptr, TcxComponentCollectionNotification AAction = ccnChanged);
  // Items of another class are ignored.
  void InsertItem(TcxComponentCollectionItem* AItem);
  void RemoveItem(TcxComponentCollectionItem* AItem);

 private:
  TComponent* FParentComponent;
  TClass FItemClass;
  std::vector<TcxComponentCollectionItem*> FItems;
  Integer FUpdateCount = 0;
  Integer FNextID = 0;
};

}  // namespace cxClasses

using namespace cxClasses;
