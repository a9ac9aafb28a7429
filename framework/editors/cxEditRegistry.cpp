// The edit repository, its items and the editor unit's small routines.
#include "cxEditRegistry.h"

#include <algorithm>

#include "Filer.h"
#include "Messages.h"
#include "Strings.h"
#include "WinUser.h"
#include "cxClassesRegistry.h"
#include "cxClassesRoutines.h"
#include "cxEditControl.h"
#include "cxEditProperties.h"
#include "cxVariants.h"

namespace cxEdit {

// ---- TcxEditRepository -------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxEditRepository)

void TcxEditRepository::Destroy() {
  Clear();
  inherited::Destroy();
}

TcxEditRepositoryItem* TcxEditRepository::CreateItem(TClass AItemClass) { return CreateItemEx(AItemClass, this); }

TcxEditRepositoryItem* TcxEditRepository::CreateItemEx(TClass AItemClass, TComponent* AOwner) {
  if (!AItemClass || !AItemClass->InheritsFrom(TcxEditRepositoryItem::StaticClass())) RaiseInvalidCast();
  auto* item = static_cast<TcxEditRepositoryItem*>(CreateComponent(AItemClass, AOwner));
  item->SetRepository(this);
  return item;
}

void TcxEditRepository::Clear() {
  // An item leaves the list when it is freed.
  while (!FItems.empty()) FItems.back()->Free();
}

TcxEditRepositoryItem* TcxEditRepository::ItemByName(const String& AName) {
  for (TcxEditRepositoryItem* item : FItems)
    if (AnsiSameText(item->GetName(), AName)) return item;
  return nullptr;
}

void TcxEditRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TcxEditRepositoryItem* item : std::vector<TcxEditRepositoryItem*>(FItems))
    if (item->Owner() == Root) Proc(item);
}

void TcxEditRepository::AddItem(TcxEditRepositoryItem* AItem) {
  if (std::find(FItems.begin(), FItems.end(), AItem) == FItems.end()) FItems.push_back(AItem);
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem* AItem) {
  auto at = std::find(FItems.begin(), FItems.end(), AItem);
  if (at != FItems.end()) FItems.erase(at);
}

// ---- TcxEditRepositoryItem ---------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxEditRepositoryItem) {
  d.Property("PropertiesEvents", &TcxEditRepositoryItem::GetPropertiesEvents,
             &TcxEditRepositoryItem::SetPropertiesEvents);
}

void TcxEditRepositoryItem::Construct() {
  inherited::Construct();
  FProperties = TcxCustomEditProperties::Create(GetEditPropertiesClass(), this);
  FProperties->OnPropertiesChanged = TNotifyEvent(this, &TcxEditRepositoryItem::PropertiesChanged);
}

void TcxEditRepositoryItem::Destroy() {
  // A listener may leave the list while it is told.
  for (size_t i = FListeners.size(); i-- > 0;)
    if (i < FListeners.size()) FListeners[i]->ItemRemoved(this);
  SetRepository(nullptr);
  FreeAndNil(FProperties);
  inherited::Destroy();
}

TClass TcxEditRepositoryItem::GetEditPropertiesClass() { return TcxCustomEditProperties::StaticClass(); }

void TcxEditRepositoryItem::AddListener(IcxEditRepositoryItemListener* AListener) {
  if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TcxEditRepositoryItem::RemoveListener(IcxEditRepositoryItemListener* AListener) {
  auto at = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (at != FListeners.end()) FListeners.erase(at);
}

void TcxEditRepositoryItem::PropertiesChanged(TObject*) {
  for (size_t i = FListeners.size(); i-- > 0;)
    if (i < FListeners.size()) FListeners[i]->PropertiesChanged(this);
}

String TcxEditRepositoryItem::GetBaseName() {
  const String className = ClassName();
  const String prefix = "TcxEditRepository";
  const size_t at = className.find(prefix);
  const String kind = at == String::npos ? "" : className.substr(at + prefix.size());
  if (FRepository) return FRepository->GetName() + kind;
  // An item outside a repository has no repository name to start from: its class names it.
  if (!kind.empty()) return kind;
  return !className.empty() && className[0] == 'T' ? className.substr(1) : className;
}

void TcxEditRepositoryItem::SetProperties(TcxCustomEditProperties* Value) { FProperties->Assign(Value); }

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* Value) {
  if (FRepository == Value) return;
  if (FRepository) FRepository->RemoveItem(this);
  FRepository = Value;
  if (FRepository) FRepository->AddItem(this);
}

void TcxEditRepositoryItem::SetParentComponent(TComponent* AParent) {
  if (!ComponentState().Contains(csLoading)) SetRepository(As<TcxEditRepository>(AParent));
}

void TcxEditRepositoryItem::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  if (auto* repository = dynamic_cast<TcxEditRepository*>(Reader->GetParent())) SetRepository(repository);
}

// ---- Routines ------------------------------------------------------------------------------------------------
TShiftState ButtonToShift(TMouseButton AButton) {
  switch (AButton) {
    case mbLeft: return {ssLeft};
    case mbRight: return {ssRight};
    default: return {ssMiddle};
  }
}

TShiftState cxButtonToShift(TcxMouseButton AButton) {
  switch (AButton) {
    case cxmbLeft: return {ssLeft};
    case cxmbRight: return {ssRight};
    case cxmbMiddle: return {ssMiddle};
    default: return {};
  }
}

void CheckSize(TSize& ASize, const TSize& AMinSize) {
  ASize.cx = std::max(ASize.cx, AMinSize.cx);
  ASize.cy = std::max(ASize.cy, AMinSize.cy);
}

bool cxEditVarEquals(const Variant& V1, const Variant& V2) {
  const bool comparable = (VarIsNumericEx(V1) && VarIsNumericEx(V2)) || VarType(V1) == VarType(V2);
  return comparable && VarEqualsExact(V1, V2);
}

bool InternalVarEqualsExact(const Variant& V1, const Variant& V2) {
  return VarType(V1) == VarType(V2) && VarEqualsExact(V1, V2);
}

bool IsSpaceChar(char C) { return C == 0 || C == 9 || C == 10 || C == 12 || C == 13 || C == ' '; }

void SendKeyDown(TWinControl* AControl, Word AKey, TShiftState) {
  SendMessage(AControl->GetHandle(), WM_KEYDOWN, AKey, 0);
}

void SendKeyPress(TWinControl* AControl, char AKey) {
  SendMessage(AControl->GetHandle(), WM_CHAR, static_cast<unsigned char>(AKey), 0);
}

void SendKeyUp(TWinControl* AControl, Word AKey, TShiftState) { SendMessage(AControl->GetHandle(), WM_KEYUP, AKey, 0); }

void UniteRegions(TcxRegion* ADest, TcxRegion* ASource) { ADest->Combine(ASource, roAdd, false); }

TComponent* GetOwnerComponent(TPersistent* APersistent) {
  for (TPersistent* p = APersistent; p; p = GetPersistentOwner(p))
    if (auto* component = dynamic_cast<TComponent*>(p)) return component;
  return nullptr;
}

TcxCustomEdit* GetStandaloneEventSender(TcxCustomEdit* AEdit) { return AEdit->IsInplace() ? nullptr : AEdit; }

TcxLookAndFeelKind GetEditPopupWindowControlsLookAndFeelKind(TcxCustomEdit* AEdit) {
  if (AEdit->IsInplace()) return AEdit->GetStyle()->GetLookAndFeel()->GetKind();
  TcxCustomEditViewInfo* viewInfo = AEdit->GetViewInfo();
  if (viewInfo->ButtonsInfo.empty()) return lfStandard;
  switch (viewInfo->ButtonsInfo[0]->ButtonStyle) {
    case btsFlat:
    case btsSimple:
    case btsHotFlat: return lfFlat;
    case btsUltraFlat: return lfUltraFlat;
    case btsOffice11: return lfOffice11;
    default: return lfStandard;
  }
}

}  // namespace cxEdit
