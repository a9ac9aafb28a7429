// Style sheets and the style repository: a sheet's own collection and the collections that inherit
// from it, its caption and stream entries; the repository that makes, keeps, streams and frees
// styles and sheets and scales fonts to the screen; copying styles from sheet to sheet.
#include <algorithm>

#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Lists.h"
#include "RtlMath.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"
#include "cxGraphicsFunctions.h"
#include "cxStyles.h"
#include "cxStylesInternal.h"

namespace cxStyles {

IMPLEMENT_CLASS_PUBLISHED(TcxCustomStyleSheet) {
  d.Property("Caption", &TcxCustomStyleSheet::GetCaption, &TcxCustomStyleSheet::SetCaption)
      .Stored(&TcxCustomStyleSheet::IsCaptionStored);
}
IMPLEMENT_CLASS_PUBLISHED(TcxStyleRepository) {
  d.Property("Scalable", &TcxStyleRepository::GetScalable, &TcxStyleRepository::SetScalable).Default(false);
}

namespace {

[[noreturn]] void ListIndexError(Integer AIndex) { throw EListError(Format(SysConst::SListIndexError, {AIndex})); }

template <class T>
void AddOnce(std::vector<T*>& AList, T* AItem) {
  if (std::find(AList.begin(), AList.end(), AItem) == AList.end()) AList.push_back(AItem);
}

template <class T>
void RemoveFrom(std::vector<T*>& AList, T* AItem) {
  AList.erase(std::remove(AList.begin(), AList.end(), AItem), AList.end());
}

template <class T>
Integer IndexIn(const std::vector<T*>& AList, T* AItem) {
  auto it = std::find(AList.begin(), AList.end(), AItem);
  return it == AList.end() ? -1 : static_cast<Integer>(it - AList.begin());
}

// Frees the objects of a list that each take themselves out of it, the last first.
template <class T>
void FreeAll(std::vector<T*>& AList) {
  for (size_t i = AList.size(); i > 0; --i)
    if (i <= AList.size()) AList[i - 1]->Free();
}

// An object of AClass, checked to be a descendant of Base before anything is made.
TComponent* CreateComponentOf(TClass AClass, TClass Base, TComponent* AOwner) {
  if (!AClass || !AClass->InheritsFrom(Base)) RaiseInvalidCast();
  return CreateComponent(AClass, AOwner);
}

}  // namespace

std::vector<const TPropInfo*> GetStyleProperties(TClass AStylesClass) {
  std::vector<const TPropInfo*> result;
  for (const TPropInfo* prop : GetPropList(AStylesClass, true))
    if (prop->PropType->Kind == tkClass && prop->PropType->ClassType &&
        prop->PropType->ClassType->InheritsFrom(TcxStyle::StaticClass()) && prop->GetObj && prop->SetObj)
      result.push_back(prop);
  return result;
}

// ---- TcxCustomStyleSheet --------------------------------------------------------------------------------------

TClass TcxCustomStyleSheet::GetStylesClass() const { return TcxCustomStyles::StaticClass(); }

void TcxCustomStyleSheet::Construct() {
  inherited::Construct();
  FBuiltIn = GetIsDesigning();
  FStyles = As<TcxCustomStyles>(TcxInterfacedPersistent::Create(GetStylesClass(), this));
  FStyles->FOwnerStyleSheet = this;
}

void TcxCustomStyleSheet::Destroy() {
  for (size_t i = FStylesList.size(); i > 0; --i)
    if (i <= FStylesList.size()) FStylesList[i - 1]->SetStyleSheet(nullptr);
  SetStyleRepository(nullptr);
  FreeAndNil(FStyles);
  FStylesList.clear();
  inherited::Destroy();
}

String TcxCustomStyleSheet::GetCaption() const { return FCaption.empty() ? GetName() : FCaption; }

void TcxCustomStyleSheet::SetCaption(const String& Value) {
  if (SameText(Value, GetName()))
    FCaption.clear();
  else
    FCaption = Value;
}

void TcxCustomStyleSheet::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomStyleSheet*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetCaption(source->GetCaption());
  FStyles->Assign(source->GetStyles());
}

void TcxCustomStyleSheet::SetStyles(TcxCustomStyles* Value) { FStyles->Assign(Value); }

void TcxCustomStyleSheet::CopyFrom(TcxCustomStyleSheet* ASheet) {
  if (!ASheet || ASheet->GetStylesClass() != GetStylesClass()) return;
  TcxCustomStyles* source = ASheet->GetStyles();
  for (Integer pos = 0; pos < source->Count(); ++pos) {
    TcxCustomStylesItem* item = source->GetItems(pos);
    TClass styleClass = item->Item->ClassType();
    TcxCustomStyle* style =
        FStyleRepository ? FStyleRepository->CreateItemEx(styleClass, FStyleRepository->Owner())
                         : static_cast<TcxCustomStyle*>(CreateComponentOf(styleClass, TcxCustomStyle::StaticClass(), Owner()));
    style->Assign(item->Item);
    FStyles->SetValue(item->Index, style);
  }
}

void TcxCustomStyleSheet::AddStyles(TcxCustomStyles* AStyles) { AddOnce(FStylesList, AStyles); }

void TcxCustomStyleSheet::RemoveStyles(TcxCustomStyles* AStyles) { RemoveFrom(FStylesList, AStyles); }

void TcxCustomStyleSheet::DoStyleChanged(Integer AIndex) {
  for (size_t i = 0; i < FStylesList.size(); ++i) FStylesList[i]->DoChanged(AIndex);
  UpdateFakeLinks();
}

void TcxCustomStyleSheet::GetFakeComponentLinks(Lists::TList* AList) {
  if (!Owner()) return;
  for (Integer pos = 0; pos < FStyles->Count(); ++pos) {
    TComponent* styleOwner = FStyles->GetItems(pos)->Item->Owner();
    if (styleOwner && styleOwner != Owner() && AList->IndexOf(styleOwner) < 0) AList->Add(styleOwner);
  }
}

void TcxCustomStyleSheet::SetStyleRepository(TcxStyleRepository* Value) {
  if (FStyleRepository == Value) return;
  if (FStyleRepository) FStyleRepository->RemoveStyleSheet(this);
  FStyleRepository = Value;
  if (Value) Value->AddStyleSheet(this);
}

Integer TcxCustomStyleSheet::GetIndex() const {
  return FStyleRepository ? FStyleRepository->StyleSheetIndexOf(const_cast<TcxCustomStyleSheet*>(this)) : -1;
}

TComponent* TcxCustomStyleSheet::GetParentComponent() { return FStyleRepository; }

void TcxCustomStyleSheet::SetParentComponent(TComponent* Value) {
  if (!ComponentState().Contains(csLoading)) SetStyleRepository(As<TcxStyleRepository>(Value));
}

void TcxCustomStyleSheet::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  SetStyleRepository(dynamic_cast<TcxStyleRepository*>(Reader->GetParent()));
}

void TcxCustomStyleSheet::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("BuiltIn", Filer::TReaderProc(this, &TcxCustomStyleSheet::ReadBuiltIn),
                        Filer::TWriterProc(this, &TcxCustomStyleSheet::WriteBuiltIn), true);
}

void TcxCustomStyleSheet::ReadBuiltIn(Filer::TReader* Reader) { FBuiltIn = Reader->ReadBoolean(); }

void TcxCustomStyleSheet::WriteBuiltIn(Filer::TWriter* Writer) { Writer->WriteBoolean(FBuiltIn); }

// ---- TcxStyleRepository -----------------------------------------------------------------------------------------

void TcxStyleRepository::Destroy() {
  Clear();
  ClearStyleSheets();
  inherited::Destroy();
}

TcxCustomStyle* TcxStyleRepository::CreateItem(TClass AStyleClass) { return CreateItemEx(AStyleClass, this); }

TcxCustomStyle* TcxStyleRepository::CreateItemEx(TClass AStyleClass, TComponent* AOwner) {
  auto* style = static_cast<TcxCustomStyle*>(CreateComponentOf(AStyleClass, TcxCustomStyle::StaticClass(), AOwner));
  style->SetStyleRepository(this);
  return style;
}

TcxCustomStyleSheet* TcxStyleRepository::CreateStyleSheet(TClass ASheetClass) {
  return CreateStyleSheetEx(ASheetClass, this);
}

TcxCustomStyleSheet* TcxStyleRepository::CreateStyleSheetEx(TClass ASheetClass, TComponent* AOwner) {
  auto* sheet =
      static_cast<TcxCustomStyleSheet*>(CreateComponentOf(ASheetClass, TcxCustomStyleSheet::StaticClass(), AOwner));
  sheet->SetStyleRepository(this);
  return sheet;
}

void TcxStyleRepository::Clear() { FreeAll(FItems); }

void TcxStyleRepository::ClearStyleSheets() { FreeAll(FStyleSheets); }

TcxCustomStyle* TcxStyleRepository::GetItems(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) ListIndexError(AIndex);
  return FItems[AIndex];
}

TcxCustomStyleSheet* TcxStyleRepository::GetStyleSheets(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= StyleSheetCount()) ListIndexError(AIndex);
  return FStyleSheets[AIndex];
}

Integer TcxStyleRepository::StyleIndexOf(TcxCustomStyle* AStyle) const { return IndexIn(FItems, AStyle); }

Integer TcxStyleRepository::StyleSheetIndexOf(TcxCustomStyleSheet* AStyleSheet) const {
  return IndexIn(FStyleSheets, AStyleSheet);
}

void TcxStyleRepository::AddItem(TcxCustomStyle* AStyle) { AddOnce(FItems, AStyle); }

void TcxStyleRepository::RemoveItem(TcxCustomStyle* AStyle) { RemoveFrom(FItems, AStyle); }

void TcxStyleRepository::AddStyleSheet(TcxCustomStyleSheet* AStyleSheet) { AddOnce(FStyleSheets, AStyleSheet); }

void TcxStyleRepository::RemoveStyleSheet(TcxCustomStyleSheet* AStyleSheet) { RemoveFrom(FStyleSheets, AStyleSheet); }

void TcxStyleRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TcxCustomStyle* style : FItems)
    if (style->Owner() == Root) Proc(style);
  for (TcxCustomStyleSheet* sheet : FStyleSheets)
    if (sheet->Owner() == Root) Proc(sheet);
}

Integer TcxStyleRepository::GetScaledValue(Integer AValue) const {
  if (!FScalable || FPixelsPerInch <= 0) return AValue;
  const Integer screenPixelsPerInch = cxGetScreenPixelsPerInch();
  return screenPixelsPerInch == FPixelsPerInch ? AValue : MulDiv(AValue, screenPixelsPerInch, FPixelsPerInch);
}

// Written for the repository's own form only: an inherited form keeps its ancestor's resolution.
void TcxStyleRepository::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("PixelsPerInch", Filer::TReaderProc(this, &TcxStyleRepository::ReadPixelsPerInch),
                        Filer::TWriterProc(this, &TcxStyleRepository::WritePixelsPerInch),
                        Filer->GetAncestor() == nullptr);
}

void TcxStyleRepository::ReadPixelsPerInch(Filer::TReader* Reader) { FPixelsPerInch = Reader->ReadInteger(); }

void TcxStyleRepository::WritePixelsPerInch(Filer::TWriter* Writer) { Writer->WriteInteger(cxGetScreenPixelsPerInch()); }

// ---- Copying styles between sheets ----------------------------------------------------------------------------

void CreateStyleSheetStyles(TcxCustomStyleSheet* ADestSheet, TcxCustomStyleSheet* ASourceSheet,
                            const TcxGetStyleNameProc& AGetStyleNameProc) {
  if (!ADestSheet || !ASourceSheet || ADestSheet->GetStylesClass() != ASourceSheet->GetStylesClass()) return;
  TcxCustomStyles* dest = ADestSheet->GetStyles();
  TcxCustomStyles* source = ASourceSheet->GetStyles();
  for (const TPropInfo* prop : GetStyleProperties(dest->ClassType())) {
    auto* sourceStyle = dynamic_cast<TcxStyle*>(prop->GetObj(source));
    if (!sourceStyle) {
      prop->SetObj(dest, nullptr);
    } else if (auto* destStyle = dynamic_cast<TcxStyle*>(prop->GetObj(dest))) {
      destStyle->Assign(sourceStyle);
    } else if (TcxStyleRepository* repository = ADestSheet->GetStyleRepository();
               repository && !sourceStyle->GetAssignedValues().Empty()) {
      TcxCustomStyle* style = repository->CreateItemEx(TcxStyle::StaticClass(), ADestSheet->Owner());
      if (AGetStyleNameProc) style->SetName(AGetStyleNameProc(style));
      style->Assign(sourceStyle);
      prop->SetObj(dest, style);
    }
  }
}

}  // namespace cxStyles
