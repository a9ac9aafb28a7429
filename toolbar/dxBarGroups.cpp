// Groups of items: membership without cycles, switching their members' enabled state and visibility,
// and the member names they keep in the form stream.
#include "dxBarGroups.h"

#include "Exceptions.h"
#include "Filer.h"
#include "cxClassesResStrings.h"
#include "dxBarConsts.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarGroup) {
  d.Property("Enabled", &TdxBarGroup::GetEnabled, &TdxBarGroup::SetEnabled).Default(true);
  d.Property("Visible", &TdxBarGroup::GetVisible, &TdxBarGroup::SetVisible).Default(ivAlways);
}

void TdxBarGroup::Construct() {
  inherited::Construct();
  FItems = New<TdxBarComponentList>();
  // A group joins the manager of its owner (or the first manager there is), so that a form stream
  // finds its parent.
  TdxBarManager* manager = GetBarManagerByComponent(Owner());
  if (!manager && dxBarManagerList && dxBarManagerList->GetCount() > 0) manager = dxBarManagerList->GetBarManager(0);
  if (manager) manager->AddGroup(this);
}

// The manager's group list forgets the group through its free notification.
void TdxBarGroup::Destroy() {
  FreeAndNil(FItems);
  inherited::Destroy();
}

void TdxBarGroup::SetBarManager(TdxBarManager* ABarManager) {
  if (ABarManager == GetBarManager()) return;
  if (GetBarManager()) GetBarManager()->RemoveGroup(this);
  if (ABarManager) ABarManager->AddGroup(this);
}

TComponent* TdxBarGroup::GetParentComponent() { return GetBarManager(); }
bool TdxBarGroup::HasParent() { return GetBarManager() != nullptr; }

void TdxBarGroup::SetParentComponent(TComponent* Value) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Value)) SetBarManager(manager);
}

Integer TdxBarGroup::GetIndex() { return GetBarManager() ? GetBarManager()->GetGroups()->IndexOf(this) : -1; }

void TdxBarGroup::SetIndex(Integer Value) {
  TdxBarComponentList* groups = GetBarManager() ? GetBarManager()->GetGroups() : nullptr;
  if (!groups || groups->GetCount() == 0) return;
  groups->Move(GetIndex(), std::clamp(Value, 0, groups->GetCount() - 1));
}

// ---- Members ----------------------------------------------------------------------------------------------
Integer TdxBarGroup::Count() const { return FItems->GetCount(); }
TdxBarComponent* TdxBarGroup::GetItem(Integer Index) const { return FItems->GetBarComponent(Index); }
Integer TdxBarGroup::IndexOf(TdxBarComponent* AComponent) const { return FItems->IndexOf(AComponent); }

bool TdxBarGroup::Contains(TdxBarGroup* AGroup) const {
  if (AGroup == this) return true;
  for (Integer i = 0; i < Count(); ++i)
    if (auto* member = dynamic_cast<TdxBarGroup*>(GetItem(i)); member && member->Contains(AGroup)) return true;
  return false;
}

void TdxBarGroup::Add(TdxBarComponent* AComponent) {
  if (!AComponent || IndexOf(AComponent) >= 0) return;
  if (auto* group = dynamic_cast<TdxBarGroup*>(AComponent); group && group->Contains(this))
    throw Exception(cxGetResourceString(&dxSBAR_RECURSIVEGROUPS));
  FItems->Add(AComponent);
}

void TdxBarGroup::Delete(Integer Index) { FItems->Delete(Index); }
void TdxBarGroup::Move(Integer CurIndex, Integer NewIndex) { FItems->Move(CurIndex, NewIndex); }
void TdxBarGroup::Remove(TdxBarComponent* AComponent) { FItems->Remove(AComponent); }

// ---- Enabled and visible ------------------------------------------------------------------------------------
void TdxBarGroup::ForEachMember(bool ALocked, TClosure<void(TdxBarComponent*)> AProc) {
  TdxBarManager* manager = ALocked ? GetBarManager() : nullptr;
  if (manager) manager->BeginUpdate();
  try {
    for (Integer i = 0; i < Count(); ++i) AProc(GetItem(i));
  } catch (...) {
    if (manager) manager->EndUpdate(true);
    throw;
  }
  if (manager) manager->EndUpdate(true);
}

void TdxBarGroup::SetEnabled(bool Value) {
  FEnabled = Value;
  const TComponentState state = ComponentState();
  const bool locked = !state.Contains(csLoading) && !state.Contains(csDestroying);
  ForEachMember(locked, [Value](TdxBarComponent* AMember) { AMember->SetEnabled(Value); });
}

void TdxBarGroup::SetVisible(TdxBarItemVisible Value) {
  FVisible = Value;
  const TComponentState state = ComponentState();
  const bool locked = !state.Contains(csLoading) && !state.Contains(csDestroying);
  ForEachMember(locked, [Value](TdxBarComponent* AMember) { AMember->SetVisible(Value); });
}

void TdxBarGroup::SetName(const String& NewName) {
  inherited::SetName(NewName);
  Changed(false);
}

// ---- Streaming ------------------------------------------------------------------------------------------------
void TdxBarGroup::Loaded() {
  inherited::Loaded();
  if (TComponent* owner = GetBarManager() ? GetBarManager()->Owner() : Owner())
    for (const String& name : FPendingNames)
      if (auto* member = dynamic_cast<TdxBarComponent*>(owner->FindComponent(name))) Add(member);
  FPendingNames.clear();
}

std::vector<String> TdxBarGroup::MemberNames() const {
  if (ComponentState().Contains(csLoading)) return FPendingNames;
  std::vector<String> names;
  for (Integer i = 0; i < Count(); ++i) names.push_back(GetItem(i)->GetName());
  return names;
}

void TdxBarGroup::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TdxBarGroup*>(Filer->GetAncestor());
  const bool hasData = !ancestor || ancestor->MemberNames() != MemberNames();
  Filer->DefineProperty("Items", Filer::TReaderProc(this, &TdxBarGroup::ReadItems),
                        Filer::TWriterProc(this, &TdxBarGroup::WriteItems), hasData);
}

void TdxBarGroup::ReadItems(Filer::TReader* Reader) {
  const bool loading = ComponentState().Contains(csLoading);
  TComponent* owner = GetBarManager() ? GetBarManager()->Owner() : Owner();
  if (loading) FPendingNames.clear();
  else FItems->Clear();
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) {
    const String name = Reader->ReadString();
    if (loading) FPendingNames.push_back(name);
    else if (auto* member = owner ? dynamic_cast<TdxBarComponent*>(owner->FindComponent(name)) : nullptr)
      Add(member);
  }
  Reader->ReadListEnd();
}

void TdxBarGroup::WriteItems(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (const String& name : MemberNames()) Writer->WriteString(name);
  Writer->WriteListEnd();
}

}  // namespace dxBar
