// The manager's categories: renumbering of the items when categories are deleted, inserted, moved or
// exchanged, the per-category visibility and their form-stream entries, and the manager's operations
// on categories.
#include "dxBarCategories.h"

#include "Filer.h"
#include "cxClassesResStrings.h"
#include "dxBarConsts.h"
#include "dxBarItem.h"
#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarCategoryData)
IMPLEMENT_CLASS(TdxBarManagerCategories)

namespace {
// Where the items of a moving category wait while the others shift.
constexpr Integer ParkedCategory = -1000;
}  // namespace

void TdxBarManagerCategories::Construct() {
  inherited::Construct();
  if (!FBarManager || !FBarManager->GetIsLoading()) Add(cxGetResourceString(&dxSBAR_DEFAULTCATEGORYNAME));
}

TdxBarCategoryData* TdxBarManagerCategories::NeedData(Integer Index) {
  if (!GetData(Index)) PutObject(Index, New<TdxBarCategoryData>());
  return GetData(Index);
}

void TdxBarManagerCategories::MoveItems(Integer AFrom, Integer ATo) {
  if (!FBarManager) return;
  for (Integer i = 0; i < FBarManager->GetItemCount(); ++i)
    if (TdxBarItem* item = FBarManager->GetItem(i); item->FCategory == AFrom) item->FCategory = ATo;
}

void TdxBarManagerCategories::Clear() {
  for (Integer i = 0; i < GetCount(); ++i) {
    TObject* data = GetObjects(i);
    PutObject(i, nullptr);
    if (data) data->Free();
  }
  inherited::Clear();
}

void TdxBarManagerCategories::Delete(Integer Index) {
  if (Index < 0 || Index >= GetCount()) return;
  if (FMoving) {
    inherited::Delete(Index);
    return;
  }
  if (FBarManager) {
    std::vector<TdxBarItem*> doomed;
    for (Integer i = 0; i < FBarManager->GetItemCount(); ++i)
      if (FBarManager->GetItem(i)->GetCategory() == Index) doomed.push_back(FBarManager->GetItem(i));
    for (TdxBarItem* item : doomed) item->Free();
  }
  for (Integer c = Index + 1; c < GetCount(); ++c) MoveItems(c, c - 1);
  if (TObject* data = GetObjects(Index)) {
    PutObject(Index, nullptr);
    data->Free();
  }
  inherited::Delete(Index);
  if (GetCount() == 0) Add(cxGetResourceString(&dxSBAR_DEFAULTCATEGORYNAME));
}

void TdxBarManagerCategories::InsertObject(Integer Index, const String& S, TObject* AObject) {
  if (!FMoving && Index >= 0 && Index < GetCount())
    for (Integer c = GetCount() - 1; c >= Index; --c) MoveItems(c, c + 1);
  inherited::InsertObject(Index, S, AObject);
}

void TdxBarManagerCategories::Exchange(Integer Index1, Integer Index2) {
  if (Index1 < 0 || Index1 >= GetCount() || Index2 < 0 || Index2 >= GetCount()) return;
  MoveItems(Index1, ParkedCategory);
  MoveItems(Index2, Index1);
  MoveItems(ParkedCategory, Index2);
  inherited::Exchange(Index1, Index2);
}

void TdxBarManagerCategories::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex || CurIndex < 0 || CurIndex >= GetCount() || NewIndex < 0 || NewIndex >= GetCount())
    return;
  MoveItems(CurIndex, ParkedCategory);
  if (CurIndex < NewIndex)
    for (Integer c = CurIndex + 1; c <= NewIndex; ++c) MoveItems(c, c - 1);
  else
    for (Integer c = CurIndex - 1; c >= NewIndex; --c) MoveItems(c, c + 1);
  MoveItems(ParkedCategory, NewIndex);
  FMoving = true;
  try {
    inherited::Move(CurIndex, NewIndex);
  } catch (...) {
    FMoving = false;
    throw;
  }
  FMoving = false;
}

// ---- Form-stream entries --------------------------------------------------------------------------------
void TdxBarManagerCategories::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("ItemsVisibles", Filer::TReaderProc(this, &TdxBarManagerCategories::ReadItemsVisibles),
                        Filer::TWriterProc(this, &TdxBarManagerCategories::WriteItemsVisibles), true);
  Filer->DefineProperty("Visibles", Filer::TReaderProc(this, &TdxBarManagerCategories::ReadVisibles),
                        Filer::TWriterProc(this, &TdxBarManagerCategories::WriteVisibles), true);
}

void TdxBarManagerCategories::ReadItemsVisibles(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  for (Integer i = 0; !Reader->EndOfList(); ++i) {
    const Integer value = Reader->ReadInteger();
    if (i < GetCount() && value >= ivNever && value <= ivAlways)
      FBarManager->SetCategoryItemsVisible(i, static_cast<TdxBarItemVisible>(value));
  }
  Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteItemsVisibles(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (Integer i = 0; i < GetCount(); ++i) Writer->WriteInteger(FBarManager->GetCategoryItemsVisible(i));
  Writer->WriteListEnd();
}

void TdxBarManagerCategories::ReadVisibles(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  for (Integer i = 0; !Reader->EndOfList(); ++i) {
    const bool value = Reader->ReadBoolean();
    if (i < GetCount()) FBarManager->SetCategoryVisible(i, value);
  }
  Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteVisibles(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (Integer i = 0; i < GetCount(); ++i) Writer->WriteBoolean(FBarManager->GetCategoryVisible(i));
  Writer->WriteListEnd();
}

// ---- The manager's category operations ---------------------------------------------------------------------
void TdxBarManager::CategoriesChanged(TObject* Sender) { DesignerModified(); }

TdxBarItemVisible TdxBarManager::GetCategoryItemsVisible(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= FCategories->GetCount()) return ivNever;
  TdxBarCategoryData* data = FCategories->GetData(AIndex);
  return data ? data->ItemsVisible : ivAlways;
}

bool TdxBarManager::GetCategoryVisible(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= FCategories->GetCount()) return false;
  TdxBarCategoryData* data = FCategories->GetData(AIndex);
  return !data || data->Visible;
}

void TdxBarManager::SetCategoryVisible(Integer AIndex, bool Value) {
  if (AIndex < 0 || AIndex >= FCategories->GetCount()) return;
  FCategories->NeedData(AIndex)->Visible = Value;
  DesignerModified();
}

void TdxBarManager::SetCategoryItemsVisible(Integer AIndex, TdxBarItemVisible Value) {
  if (AIndex < 0 || AIndex >= FCategories->GetCount()) return;
  const TdxBarItemVisible oldValue = GetCategoryItemsVisible(AIndex);
  TdxBarCategoryData* data = FCategories->NeedData(AIndex);
  if (GetIsLoading()) {
    data->LoadedItemsVisible = Value;
    return;
  }
  data->ItemsVisible = Value;
  if (!GetDesigning()) {
    BeginUpdate();
    try {
      std::vector<TdxBarItem*> items;
      for (Integer i = 0; i < GetItemCount(); ++i)
        if (GetItem(i)->GetCategory() == AIndex && GetItem(i)->GetVisible() == oldValue) items.push_back(GetItem(i));
      if (Value == ivAlways)
        for (auto it = items.rbegin(); it != items.rend(); ++it) (*it)->SetVisible(Value);
      else
        for (TdxBarItem* item : items) item->SetVisible(Value);
    } catch (...) {
      EndUpdate(true);
      throw;
    }
    EndUpdate(true);
  }
  if (oldValue != Value) DesignerModified();
}

Integer TdxBarManager::GetCategoryRealIndex(Integer AVisibleIndex) const {
  if (GetDesigning()) return AVisibleIndex;
  for (Integer i = 0; i < FCategories->GetCount(); ++i)
    if (GetCategoryVisible(i) && AVisibleIndex-- == 0) return i;
  return -1;
}

void TdxBarManager::GetAllItemsByCategory(Integer AIndex, TList* AList) const {
  AList->Clear();
  if (AIndex < 0 || AIndex >= FCategories->GetCount()) return;
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (GetItem(i)->GetCategory() == AIndex) AList->Add(GetItem(i));
}

}  // namespace dxBar
