#include "cxClassesBase.h"

#include "cxClassesLinks.h"
#include "TypInfo.h"

namespace cxClasses {

IMPLEMENT_CLASS(TcxIUnknownObject)
IMPLEMENT_CLASS(TcxInterfacedPersistent)
IMPLEMENT_CLASS(TcxOwnedPersistent)
IMPLEMENT_CLASS(TcxOwnedInterfacedPersistent)
IMPLEMENT_CLASS(TcxCollection)
IMPLEMENT_CLASS(TcxObjectList)
IMPLEMENT_CLASS(TcxOpenList)

IMPLEMENT_CLASS_PUBLISHED(TcxComponent) {
  d.IndexedProperty("FakeComponentLink1", 0, &TcxComponent::GetFakeComponentLink, &TcxComponent::SetFakeComponentLink)
      .Stored(false);
  d.IndexedProperty("FakeComponentLink2", 1, &TcxComponent::GetFakeComponentLink, &TcxComponent::SetFakeComponentLink)
      .Stored(false);
  d.IndexedProperty("FakeComponentLink3", 2, &TcxComponent::GetFakeComponentLink, &TcxComponent::SetFakeComponentLink)
      .Stored(false);
}

namespace {

// An object of AClass (a descendant of Base), not yet constructed.
TObject* NewInstanceOf(TClass AClass, TClass Base) {
  if (!AClass || !AClass->InheritsFrom(Base) || AClass->IsAbstract()) RaiseInvalidCast();
  return AClass->NewInstance();
}

}  // namespace

// The owner is in place before the Construct chain runs, as the design's constructor has it.
TcxInterfacedPersistent* TcxInterfacedPersistent::Create(TClass AClass, TPersistent* AOwner) {
  auto* obj = static_cast<TcxInterfacedPersistent*>(NewInstanceOf(AClass, StaticClass()));
  obj->FOwner = AOwner;
  return static_cast<TcxInterfacedPersistent*>(TObject::Initialize(obj));
}

TcxOwnedPersistent* TcxOwnedPersistent::Create(TClass AClass, TPersistent* AOwner) {
  auto* obj = static_cast<TcxOwnedPersistent*>(NewInstanceOf(AClass, StaticClass()));
  obj->FOwner = AOwner;
  return static_cast<TcxOwnedPersistent*>(TObject::Initialize(obj));
}

// ---- TcxComponent ------------------------------------------------------------------------------------------

TComponent* TcxComponent::GetFakeComponentLink(Integer Index) const {
  return Index >= 0 && Index < 3 ? FFakeComponentLinks[Index] : nullptr;
}

void TcxComponent::SetFakeComponentLink(Integer Index, TComponent* Value) {
  if (Index >= 0 && Index < 3) FFakeComponentLinks[Index] = Value;
}

void TcxComponent::BeforeDestruction() {
  if (!GetIsDestroying()) Destroying();
  inherited::BeforeDestruction();
}

void TcxComponent::Destroy() {
  cxClearObjectLinks(this);
  inherited::Destroy();
}

void TcxComponent::Loaded() {
  inherited::Loaded();
  UpdateFakeLinks();
}

void TcxComponent::UpdateFakeLinks() {
  if (!GetIsDesigning() || GetIsDestroying() || !Owner()) return;
  TList* list = New<TList>();
  try {
    GetFakeComponentLinks(list);
    for (Integer i = 0; i < GetFakeComponentLinkCount(); ++i)
      SetFakeComponentLink(i, i < list->GetCount() ? static_cast<TComponent*>(list->GetItems(i)) : nullptr);
  } catch (...) {
    list->Free();
    throw;
  }
  list->Free();
}

// ---- TcxCollection -----------------------------------------------------------------------------------------

void TcxCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (Count() == 0 && source->Count() == 0) return;
  BeginUpdate();
  try {
    for (Integer i = 0; i < source->Count(); ++i) {
      TCollectionItem* item = i < Count() ? GetItem(i) : Add();
      item->Assign(source->GetItem(i));
    }
    for (Integer i = Count() - 1; i >= source->Count(); --i) Delete(i);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// ---- Lists -------------------------------------------------------------------------------------------------

void TcxObjectList::Clear() {
  for (Integer i = 0; i < GetCount(); ++i) FreeObject(static_cast<TObject*>(GetItems(i)));
  inherited::Clear();
}

void TcxOpenList::SetItem(Integer Index, TObject* Value) {
  if (Index >= GetCount()) SetCount(Index + 1);
  SetItems(Index, Value);
}

}  // namespace cxClasses
