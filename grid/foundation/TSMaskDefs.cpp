// Text masks and case rules, named masks, the mask-definitions component and the grid's link to it.
#include <algorithm>

#include "Dialogs.h"
#include "Format.h"
#include "Strings.h"
#include "TSMask.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSMask {

IMPLEMENT_CLASS_PUBLISHED(TtsTextCase) {
  d.Property("CaseType", &TtsTextCase::GetCaseType, &TtsTextCase::SetCaseType).Default(cstNone);
  d.Property("Optional", &TtsTextCase::GetOptional, &TtsTextCase::SetOptional).Default(false);
}
IMPLEMENT_CLASS(TtsTextMask)
IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TtsMaskItem) {
  d.Property("AutoFill", &TtsMaskItem::GetAutoFill, &TtsMaskItem::SetAutoFill)
      .Default(TtsMaskChecks{mcOnEdit, mcOnExit});
  d.Property("Evaluate", &TtsMaskItem::GetEvaluate, &TtsMaskItem::SetEvaluate)
      .Default(TtsMaskChecks{mcOnEdit, mcOnExit});
  d.Property("Name", &TtsMaskItem::GetName, &TtsMaskItem::SetName);
  d.Property("Picture", &TtsMaskItem::GetPicture, &TtsMaskItem::SetPicture);
  d.Property("TextCase", &TtsMaskItem::GetTextCase, &TtsMaskItem::SetTextCase);
}
IMPLEMENT_CLASS(TtsMask)
IMPLEMENT_ABSTRACT_CLASS(TtsMaskDefsComponent)
IMPLEMENT_CLASS(TtsMaskCollection)
IMPLEMENT_CLASS_PUBLISHED(TtsMaskDefs) { d.Property("Masks", &TtsMaskDefs::GetMasks, &TtsMaskDefs::SetMasks); }
IMPLEMENT_CLASS(TtsMaskLink)

// ---- TtsTextCase ----------------------------------------------------------------------------------------

void TtsTextCase::Changed() {
  if (FMask) FMask->Changed();
}

void TtsTextCase::SetCaseType(TtsCaseType Value) {
  if (Value == FCaseType) return;
  FCaseType = Value;
  Changed();
}

void TtsTextCase::SetOptional(bool Value) {
  if (Value == FOptional) return;
  FOptional = Value;
  Changed();
}

void TtsTextCase::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsTextCase*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FCaseType = source->FCaseType;
  FOptional = source->FOptional;
  Changed();
}

// ---- TtsTextMask ----------------------------------------------------------------------------------------

void TtsTextMask::Destroy() {
  FreeAndNil(FList);
  FreeAndNil(FAnyList);
  inherited::Destroy();
}

void TtsTextMask::SetPicture(const String& Picture) {
  if (Picture == FPicture && FParsed) return;
  FreeAndNil(FList);
  FPicture = Picture;
  FParsed = true;
  FValid = true;
  try {
    TOwnedPtr<TtsPictureList> checked(Parse(Picture));
  } catch (const EtsMaskError& e) {
    FValid = false;
    bool raise = true;
    if (FMask) FMask->DoParseError(e.Message(), raise);
    if (raise) throw;
  }
}

TtsPictureList* TtsTextMask::GetPictureList() {
  if (!FList && FValid && !FPicture.empty()) FList = Parse(FPicture);
  return FList;
}

// ---- TtsMask --------------------------------------------------------------------------------------------

void TtsMask::Construct() {
  inherited::Construct();
  FTextMask = New<TtsTextMask>(this);
  FTextCase = New<TtsTextCase>(this);
  if (TtsMaskDefs* defs = ParentComponent()) FOnParseError = TtsMaskErrorEvent(defs, &TtsMaskDefs::DoParseError);
}

void TtsMask::Destroy() {
  FreeAndNil(FTextMask);
  FreeAndNil(FTextCase);
  inherited::Destroy();
}

TtsMaskDefs* TtsMask::ParentComponent() {
  auto* masks = dynamic_cast<TtsMaskCollection*>(GetCollection());
  return masks ? masks->MaskDefs() : nullptr;
}

void TtsMask::InvalidOp(const String& Message) {
  if (TtsMaskDefs* defs = ParentComponent()) throw EtsMaskError(defs->GetName() + ": " + Message);
  throw EtsMaskError(Message);
}

void TtsMask::DoParseError(const String& Message, bool& RaiseError) {
  RaiseError = true;
  if (FOnParseError) FOnParseError(this, Message, RaiseError);
}

void TtsMask::Changed() {
  if (FUpdateCount == 0) DoChange();
}

void TtsMask::DoChange() {
  if (FOnChange) FOnChange(this);
  // The component and its links hear of it through the collection.
  TCollectionItem::Changed(false);
}

void TtsMask::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TtsMask::SetAutoFill(TtsMaskChecks Value) {
  if (Value == FAutoFill) return;
  FAutoFill = Value;
  Changed();
}

void TtsMask::SetEvaluate(TtsMaskChecks Value) {
  if (Value == FEvaluate) return;
  FEvaluate = Value;
  Changed();
}

void TtsMask::CheckName(const String& Value) {
  auto* masks = dynamic_cast<TtsMaskCollection*>(GetCollection());
  if (!masks) return;
  for (Integer i = 0; i < masks->Count(); ++i)
    if (masks->GetItem(i) != this && AnsiSameText(masks->GetItem(i)->GetName(), Value))
      InvalidOp(Format("Mask '%s' already exists. Mask names must be unique", {Value}));
}

void TtsMask::SetName(const String& Value) {
  if (Value == FName) return;
  CheckName(Value);
  FName = Value;
  Changed();
}

bool TtsMask::CheckRaise() {
  TtsMaskDefs* defs = ParentComponent();
  return !(defs && defs->ComponentState().Contains(csReading) && defs->ComponentState().Contains(csDesigning));
}

void TtsMask::SetPicture(const String& Value) {
  try {
    FTextMask->SetPicture(Value);
  } catch (const EtsMaskError&) {
    FPicture = FTextMask->GetPicture();
    Changed();
    if (CheckRaise()) throw;
    return;
  }
  FPicture = FTextMask->GetPicture();
  Changed();
}

void TtsMask::SetTextCase(TtsTextCase* Value) {
  if (!Value || Value == FTextCase) return;
  BeginUpdate();
  try {
    FTextCase->Assign(Value);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TtsMask::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsMask*>(Source);
  if (!source) return;
  BeginUpdate();
  try {
    SetAutoFill(source->FAutoFill);
    SetEvaluate(source->FEvaluate);
    SetName(source->FName);
    SetTextCase(source->FTextCase);
    SetPicture(source->FPicture);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

bool TtsMask::ValidText(const String& Text, bool FullCompare) {
  if (FPicture.empty() && (FTextCase->GetCaseType() == cstNone || FTextCase->GetOptional())) return true;
  return FTextMask->ValidText(Text, FullCompare);
}

bool TtsMask::ValidInput(const String& Text, String& Input, Integer CaretPos, bool FullCompare, bool AutoFill) {
  if (FPicture.empty() && FTextCase->GetCaseType() == cstNone) return true;
  return FTextMask->ValidInput(Text, Input, CaretPos, FullCompare, AutoFill);
}

// ---- TtsMaskCollection ----------------------------------------------------------------------------------

TPersistent* TtsMaskCollection::GetOwner() { return FMaskDefs; }

void TtsMaskCollection::Update(TCollectionItem* Item) {
  if (FMaskDefs) FMaskDefs->Changed(static_cast<TtsMask*>(Item));
}

Integer TtsMaskCollection::NameIndex(const String& Name) {
  for (Integer i = 0; i < Count(); ++i)
    if (AnsiSameText(GetItem(i)->GetName(), Name)) return i;
  return -1;
}

TtsMask* TtsMaskCollection::GetMask(const Variant& Key) {
  if (VarIsStr(Key)) {
    Integer index = NameIndex(VarToStr(Key));
    return index < 0 ? nullptr : GetItem(index);
  }
  return GetItem(Key.ToInteger());
}

void TtsMaskCollection::SetMask(const Variant& Key, TtsMask* Mask) {
  if (TtsMask* mask = GetMask(Key)) mask->Assign(Mask);
}

String TtsMaskCollection::FindUniqueName(TtsMask* Item) {
  for (Integer number = Item->GetIndex();; ++number) {
    String name = "Mask" + IntToStr(number);
    bool taken = false;
    for (Integer i = 0; i < Count() && !taken; ++i) taken = GetItem(i) != Item && AnsiSameText(GetItem(i)->GetName(), name);
    if (!taken) return name;
  }
}

void TtsMaskCollection::SetItemName(TCollectionItem* Item) {
  if (FMaskDefs && FMaskDefs->ComponentState().Contains(csReading)) return;
  auto* mask = static_cast<TtsMask*>(Item);
  mask->SetName(FindUniqueName(mask));
}

// ---- TtsMaskDefs ----------------------------------------------------------------------------------------

void TtsMaskDefs::Construct() {
  inherited::Construct();
  FMasks = New<TtsMaskCollection>(this);
}

void TtsMaskDefs::Destroy() {
  RemoveLinks();
  FreeAndNil(FMasks);
  inherited::Destroy();
}

void TtsMaskDefs::SetMasks(TtsMaskCollection* Value) { FMasks->Assign(Value); }

void TtsMaskDefs::AddLink(TtsMaskLink* Link) {
  FLinks.push_back(Link);
  Link->FMaskDefs = this;
}

void TtsMaskDefs::RemoveLink(TtsMaskLink* Link) {
  Link->FMaskDefs = nullptr;
  FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), Link), FLinks.end());
}

void TtsMaskDefs::RemoveLinks() {
  while (!FLinks.empty()) {
    TtsMaskLink* link = FLinks.back();
    RemoveLink(link);
    link->MaskDefsDeleted();
  }
}

TtsMaskItem* TtsMaskDefs::GetMask(const Variant& Key) { return FMasks->GetMask(Key); }

void TtsMaskDefs::SetMask(const Variant& Key, TtsMaskItem* Mask) {
  if (auto* mask = dynamic_cast<TtsMask*>(Mask)) FMasks->SetMask(Key, mask);
}

void TtsMaskDefs::CheckErrorEvent(TtsMask* Mask) {
  TtsMaskErrorEvent handler(this, &TtsMaskDefs::DoParseError);
  if (Mask) {
    Mask->SetOnParseError(handler);
    return;
  }
  for (Integer i = 0; i < FMasks->Count(); ++i) FMasks->GetItem(i)->SetOnParseError(handler);
}

void TtsMaskDefs::Changed(TtsMask* Mask) {
  CheckErrorEvent(Mask);
  std::vector<TtsMaskLink*> links = FLinks;
  for (TtsMaskLink* link : links) link->MaskChanged(Mask);
}

void TtsMaskDefs::DoParseError(TObject*, const String& Message, bool& RaiseError) {
  RaiseError = true;
  if (!ComponentState().Contains(csReading)) return;
  RaiseError = false;
  if (!ComponentState().Contains(csDesigning)) Dialogs::MessageDlg(Message, Dialogs::mtInformation, {Dialogs::mbOK}, 0);
}

// ---- TtsMaskLink ----------------------------------------------------------------------------------------

void TtsMaskLink::Destroy() {
  SetMaskDefs(nullptr);
  inherited::Destroy();
}

void TtsMaskLink::SetMaskDefs(TtsMaskDefsComponent* Value) {
  if (Value == FMaskDefs) return;
  if (FMaskDefs) FMaskDefs->RemoveLink(this);
  if (Value) Value->AddLink(this);
  FMaskDefs = Value;
}

TtsMaskItem* TtsMaskLink::GetMask(const String& Name) {
  if (Name.empty() || !FMaskDefs) return nullptr;
  return FMaskDefs->GetMask(Name);
}

}  // namespace TSMask
