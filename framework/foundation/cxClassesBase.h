// The framework's shared enumerations and event types, and the bases of its settings objects,
// components and lists: objects that answer interface queries without reference counting, owned
// persistents, the component with design-time component links, the collection that assigns item by
// item, the owning object list and the list that can be written past its end.
#pragma once

#include "ClassTypes.h"
#include "Collections.h"
#include "Components.h"
#include "Interfaces.h"
#include "Lists.h"
#include "TypeInfoBase.h"

namespace cxClasses {

PUBLISHED_ENUM(TcxDirection, dirNone, dirLeft, dirRight, dirUp, dirDown)
PUBLISHED_ENUM(TcxAlignmentVert, vaTop, vaBottom, vaCenter)
PUBLISHED_ENUM(TcxPosition, posNone, posLeft, posRight, posTop, posBottom)
PUBLISHED_ENUM(TcxCollectionOperation, copAdd, copDelete, copChanged)
PUBLISHED_ENUM(TcxComponentCollectionNotification, ccnAdded, ccnChanged, ccnExtracting, ccnExtracted, ccnDeleting)

class TcxComponentCollectionItem;

using TcxEventHandler = TClosure<void(TObject* Sender, const void* AEventArgs)>;
using TcxFreeNotificationEvent = TClosure<void(Components::TComponent* Sender)>;
using TcxComponentCollectionChangeEvent =
    TClosure<void(TObject* Sender, TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction)>;

// An object that answers interface queries from its class; adding and releasing references do
// nothing, so its life is never tied to them.
class TcxIUnknownObject : public TObject, public TNoRefCountObject {
  DECLARE_CLASS(TcxIUnknownObject, TObject)
};

// An interface-capable persistent that knows its owner.
class TcxInterfacedPersistent : public TInterfacedPersistent {
  DECLARE_CLASS(TcxInterfacedPersistent, TInterfacedPersistent)
 public:
  explicit TcxInterfacedPersistent(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  // Virtual construction from a class reference (a descendant of this class) with an owner.
  static TcxInterfacedPersistent* Create(TClass AClass, TPersistent* AOwner);
  TPersistent* GetOwner() override { return FOwner; }

 protected:
  // For a descendant's own virtual construction, which puts the owner in place before the
  // Construct chain runs.
  void InitializeOwner(TPersistent* AOwner) { FOwner = AOwner; }

 private:
  TPersistent* FOwner;
};

class TcxOwnedPersistent : public TPersistent {
  DECLARE_CLASS(TcxOwnedPersistent, TPersistent)
 public:
  explicit TcxOwnedPersistent(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  // Virtual construction from a class reference (a descendant of this class) with an owner.
  static TcxOwnedPersistent* Create(TClass AClass, TPersistent* AOwner);
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
};

class TcxOwnedInterfacedPersistent : public TcxOwnedPersistent, public TNoRefCountObject {
  DECLARE_CLASS(TcxOwnedInterfacedPersistent, TcxOwnedPersistent)
 public:
  using TcxOwnedPersistent::TcxOwnedPersistent;
};

// A component with three design-time links that make the designer show related components.
class TcxComponent : public TComponent {
  DECLARE_CLASS(TcxComponent, TComponent)
 public:
  explicit TcxComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  bool GetIsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool GetIsDestroying() const { return ComponentState().Contains(csDestroying); }
  Integer GetFakeComponentLinkCount() const { return 3; }
  TComponent* GetFakeComponentLink(Integer Index) const;
  void SetFakeComponentLink(Integer Index, TComponent* Value);

 protected:
  void BeforeDestruction() override;
  // Empties every weak link to the component before it goes.
  void Destroy() override;
  void Loaded() override;
  // The components the three links should show (design time only).
  virtual void GetFakeComponentLinks(Lists::TList* AList) {}
  void UpdateFakeLinks();

 private:
  TComponent* FFakeComponentLinks[3] = {};
};

// A collection that assigns another item by item, reusing its own items.
class TcxCollection : public TCollection {
  DECLARE_CLASS(TcxCollection, TCollection)
 public:
  using TCollection::TCollection;
  void Assign(TPersistent* Source) override;
};

// A list that owns its objects: clearing or freeing it frees them.
class TcxObjectList : public TList {
  DECLARE_CLASS(TcxObjectList, TList)
 public:
  void Clear() override;
  TObject* GetItem(Integer Index) const { return static_cast<TObject*>(GetItems(Index)); }
};

// A list whose slots may be written past its count: the list grows, new slots empty.
class TcxOpenList : public TList {
  DECLARE_CLASS(TcxOpenList, TList)
 public:
  TObject* GetItem(Integer Index) const { return static_cast<TObject*>(GetItems(Index)); }
  void SetItem(Integer Index, TObject* Value);
};

}  // namespace cxClasses

using namespace cxClasses;
