// Collections: TCollection owns a list of TCollectionItem objects of one item class, numbers them
// with ids, batches change notifications, and streams as one collection value of its owner.
#pragma once

#include <vector>

#include "Persistent.h"

namespace Collections {

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  DECLARE_CLASS(TCollectionItem, TPersistent)
 public:
  // New<T>(collection) for classes that take the collection through their constructor; the
  // collection's Add for any item class.
  explicit TCollectionItem(TCollection* Collection = nullptr) : FCreateCollection(Collection) {}

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item from its collection into Value (or out of any when null).
  virtual void SetCollection(TCollection* Value);
  Integer GetID() const { return FID; }
  Integer GetIndex() const;  // -1 outside a collection
  // Moves the item to position Value (EListError out of range).
  virtual void SetIndex(Integer Value);
  virtual String GetDisplayName() { return ClassName(); }
  virtual void SetDisplayName(const String& Value) { Changed(false); }
  String GetNamePath() override;  // "Form1.Columns[2]"

 protected:
  friend class TCollection;
  friend TCollectionItem* CreateCollectionItem(TClass, TCollection*);
  void Construct() override;
  void Destroy() override;
  TPersistent* GetOwner() override;
  // Tells the collection of a change of this item (AllItems: of the collection as a whole).
  void Changed(bool AllItems);

 private:
  TCollection* FCreateCollection = nullptr;
  TCollection* FCollection = nullptr;
  Integer FID = 0;
};

using TCollectionItemClass = TClass;

// Virtual construction of an item of class `cls` inside Collection (which may be null).
TCollectionItem* CreateCollectionItem(TClass cls, TCollection* Collection);

class TCollection : public TPersistent {
  DECLARE_CLASS(TCollection, TPersistent)
 public:
  explicit TCollection(TClass ItemClass = nullptr) : FItemClass(ItemClass) {}

  TCollectionItem* Add();
  TCollectionItem* Insert(Integer Index);
  void Delete(Integer Index);
  void Clear();
  virtual void BeginUpdate() { ++FUpdateCount; }
  virtual void EndUpdate();
  TCollectionItem* FindItemID(Integer ID) const;
  void Assign(TPersistent* Source) override;
  String GetNamePath() override;  // "<owner's name path>.<property name>"

  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TCollectionItem* GetItem(Integer Index) const;  // EListError out of range
  // Assigns Value to the item at Index.
  void SetItem(Integer Index, TCollectionItem* Value);
  TCollectionItem* operator[](Integer Index) const { return GetItem(Index); }
  TClass ItemClass() const { return FItemClass; }
  TPersistent* Owner() { return GetOwner(); }
  Integer UpdateCount() const { return FUpdateCount; }
  Integer NextID() const { return FNextID; }

 protected:
  friend class TCollectionItem;
  void Construct() override;
  void Destroy() override;
  // Notifies of a change unless updates are suspended.
  void Changed();
  // One item changed, or the whole collection when Item is null.
  virtual void Update(TCollectionItem* Item) {}
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
  virtual void SetItemName(TCollectionItem* Item) {}
  // The name of the owner's published property that holds this collection.
  String GetPropName();

 private:
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  Integer FUpdateCount = 0;
  Integer FNextID = 0;
  String FPropName;
};

// A collection that knows its owner (the object whose property it is).
class TOwnedCollection : public TCollection {
  DECLARE_CLASS(TOwnedCollection, TCollection)
 public:
  explicit TOwnedCollection(TPersistent* AOwner = nullptr, TClass ItemClass = nullptr)
      : TCollection(ItemClass), FOwner(AOwner) {}

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
};

}  // namespace Collections

using namespace Collections;
