#include "Components.h"

#include <algorithm>

#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Components {

namespace {

std::vector<TFindGlobalComponent>& GlobalFinders() {
  static std::vector<TFindGlobalComponent> procs;
  return procs;
}

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

bool IsValidIdent(const String& Ident) {
  if (Ident.empty() || !IsAlpha(Ident[0])) return false;
  return std::all_of(Ident.begin() + 1, Ident.end(), [](char c) { return IsAlpha(c) || (c >= '0' && c <= '9'); });
}

IMPLEMENT_CLASS_PUBLISHED(TComponent) {
  d.Property("Name", &TComponent::GetName, &TComponent::SetName).Stored(false);
  d.Property("Tag", &TComponent::GetTag, &TComponent::SetTag).Default(0);
}

// ---- Construction and destruction ------------------------------------------------------------------------
TComponent* CreateComponent(TClass cls, TComponent* AOwner, TComponentState InitialState) {
  if (!cls || !cls->InheritsFrom(TComponent::StaticClass())) RaiseInvalidCast();
  if (cls->IsAbstract()) throw EAbstractError(String("Cannot create an instance of abstract class ") + cls->Name);
  TObject* obj = cls->NewInstance();
  auto* component = dynamic_cast<TComponent*>(obj);
  component->FCreateOwner = AOwner;
  component->FComponentState += InitialState;
  TObject::Initialize(obj);
  return component;
}

void TComponent::Construct() {
  inherited::Construct();
  TComponent* owner = FCreateOwner;
  FCreateOwner = nullptr;
  if (owner) owner->InsertComponent(this);
}

void TComponent::BeforeDestruction() {
  if (!FComponentState.Contains(csDestroying)) Destroying();
  inherited::BeforeDestruction();
}

// The documented order: the component marks itself (and what it owns) destroying, tells those
// that asked for free notification, frees what it owns (last first) and leaves its owner.
void TComponent::Destroy() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
  inherited::Destroy();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    // Components linked by free notification are removed with the owner's broadcast so that their
    // partners forget them; the others simply leave the list.
    if (instance->FComponentState.Contains(csFreeNotification) ||
        (FComponentState.Contains(csDesigning) && FComponentState.Contains(csInline)))
      RemoveComponent(instance);
    else
      Remove(instance);
    instance->Free();
  }
}

// ---- Owner and owned components ----------------------------------------------------------------------------
TComponent* TComponent::GetComponent(Integer Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError(Format(SysConst::SListIndexError, {Index}));
  return FComponents[static_cast<size_t>(Index)];
}

Integer TComponent::GetComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

void TComponent::SetComponentIndex(Integer Value) {
  Integer current = GetComponentIndex();
  if (current < 0) return;
  auto& list = FOwner->FComponents;
  Value = std::clamp(Value, 0, static_cast<Integer>(list.size()) - 1);
  if (Value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent) return;
  // An owner never holds itself or one of its owners: freeing would never end.
  for (TComponent* o = this; o; o = o->FOwner)
    if (o == AComponent) throw EComponentError("A component cannot own itself or one of its owners");
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, String(), AComponent->FName);
  // Moving to another owner: the former owner must not free it any more.
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  ValidateRename(AComponent, AComponent->FName, String());
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  AComponent->FOwner = nullptr;
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it != FComponents.end()) FComponents.erase(it);
}

void TComponent::ValidateContainer(TComponent* AComponent) { AComponent->ValidateInsert(this); }

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
  if (!AComponent || SameText(CurName, NewName)) return;
  TComponent* found = FindComponent(NewName);
  if (found && found != AComponent) throw EComponentError(Format(SysConst::SDuplicateName, {NewName}));
}

// ---- Name ------------------------------------------------------------------------------------------------
void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) throw EComponentError(Format(SysConst::SInvalidName, {NewName}));
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  else ValidateRename(nullptr, FName, NewName);
  ChangeName(NewName);
}

// ---- Free notification ---------------------------------------------------------------------------------
void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  // Components of one owner hear of each other through the owner's broadcast.
  if (!FOwner || AComponent->FOwner != FOwner) {
    // A component already being freed has told its partners; a new link to it would dangle.
    if (FComponentState.Contains(csDestroying) || AComponent->FComponentState.Contains(csDestroying)) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(AComponent);
      AComponent->FreeNotification(this);
    }
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
  if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::RemoveFreeNotifications() {
  while (!FFreeNotifies.empty()) {
    TComponent* partner = FFreeNotifies.back();
    partner->Notification(this, opRemove);
    // TComponent::Notification unlinks both sides; an override that does not call it must not
    // leave this loop spinning on the same partner.
    if (!FFreeNotifies.empty() && FFreeNotifies.back() == partner) RemoveFreeNotification(partner);
  }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Owned components may leave the list while they are told; walk down from the end and re-clamp.
  Integer i = ComponentCount() - 1;
  while (i >= 0) {
    FComponents[static_cast<size_t>(i)]->Notification(AComponent, Operation);
    --i;
    if (i >= ComponentCount()) i = ComponentCount() - 1;
  }
}

// ---- States ---------------------------------------------------------------------------------------------
void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Updating() { FComponentState.Include(csUpdating); }

void TComponent::Updated() { FComponentState.Exclude(csUpdating); }

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value) FComponentState.Include(csDesigning);
  else FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* c : FComponents) c->SetDesigning(Value);
}

void TComponent::SetAncestor(bool Value) {
  if (Value) FComponentState.Include(csAncestor);
  else FComponentState.Exclude(csAncestor);
  for (TComponent* c : FComponents) c->SetAncestor(Value);
}

void TComponent::SetInline(bool Value) {
  if (Value) FComponentState.Include(csInline);
  else FComponentState.Exclude(csInline);
}

// ---- Streaming ------------------------------------------------------------------------------------------
void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }

void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

// The design position of a non-visual component travels as "Left" and "Top" entries.
void TComponent::DefineProperties(TFiler* Filer) {
  Integer info = 0;
  if (auto* ancestor = dynamic_cast<TComponent*>(Filer->GetAncestor())) info = ancestor->FDesignInfo;
  Filer->DefineProperty("Left", TReaderProc(this, &TComponent::ReadLeft), TWriterProc(this, &TComponent::WriteLeft),
                        (FDesignInfo & 0xFFFF) != (info & 0xFFFF));
  Filer->DefineProperty("Top", TReaderProc(this, &TComponent::ReadTop), TWriterProc(this, &TComponent::WriteTop),
                        ((FDesignInfo >> 16) & 0xFFFF) != ((info >> 16) & 0xFFFF));
}

void TComponent::ReadLeft(TReader* Reader) {
  FDesignInfo = static_cast<Integer>((static_cast<Cardinal>(FDesignInfo) & 0xFFFF0000u) |
                                     (static_cast<Cardinal>(Reader->ReadInteger()) & 0xFFFFu));
}

void TComponent::ReadTop(TReader* Reader) {
  FDesignInfo = static_cast<Integer>((static_cast<Cardinal>(FDesignInfo) & 0xFFFFu) |
                                     (static_cast<Cardinal>(Reader->ReadInteger()) << 16));
}

void TComponent::WriteLeft(TWriter* Writer) { Writer->WriteInteger(static_cast<Integer>(static_cast<SmallInt>(FDesignInfo & 0xFFFF))); }

void TComponent::WriteTop(TWriter* Writer) { Writer->WriteInteger(static_cast<Integer>(static_cast<SmallInt>((FDesignInfo >> 16) & 0xFFFF))); }

// ---- Component lists -----------------------------------------------------------------------------------
// The component that receives the members' free notifications for the list.
class TComponentList::TNexus : public TComponent {
  DECLARE_CLASS(TNexus, TComponent)
 public:
  TComponentList* List = nullptr;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && List)
      while (List->IndexOf(AComponent) >= 0) List->Extract(AComponent);
  }
};
IMPLEMENT_CLASS(TComponentList::TNexus)
IMPLEMENT_CLASS(TComponentList)

void TComponentList::Notify(void* Ptr, TListNotification Action) {
  if (!FNexus) {
    FNexus = CreateComponent<TNexus>(nullptr);
    FNexus->List = this;
  }
  if (auto* component = dynamic_cast<TComponent*>(static_cast<TObject*>(Ptr))) {
    if (Action == lnAdded) component->FreeNotification(FNexus);
    else if (IndexOf(component) < 0) component->RemoveFreeNotification(FNexus);  // its last place in the list
  }
  inherited::Notify(Ptr, Action);
}

void TComponentList::Destroy() {
  inherited::Destroy();
  FreeAndNil(FNexus);
}

// ---- Global lookup ------------------------------------------------------------------------------------------
void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  auto& procs = GlobalFinders();
  if (Proc && std::find(procs.begin(), procs.end(), Proc) == procs.end()) procs.push_back(Proc);
}

void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  auto& procs = GlobalFinders();
  procs.erase(std::remove(procs.begin(), procs.end(), Proc), procs.end());
}

TComponent* FindGlobalComponent(const String& Name) {
  for (TFindGlobalComponent proc : GlobalFinders())
    if (TComponent* c = proc(Name)) return c;
  return nullptr;
}

TComponent* FindNestedComponent(TComponent* Root, const String& NamePath) {
  if (!Root || NamePath.empty()) return nullptr;
  TComponent* current = Root;
  size_t start = 0;
  while (start <= NamePath.size()) {
    size_t dot = NamePath.find('.', start);
    String name = NamePath.substr(start, dot == String::npos ? String::npos : dot - start);
    TComponent* found = current->FindComponent(name);
    if (!found && SameText(name, "Owner")) found = current;
    if (!found) return nullptr;
    current = found;
    if (dot == String::npos) break;
    start = dot + 1;
  }
  return current;
}

}  // namespace Components
