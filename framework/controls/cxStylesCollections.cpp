// Style collections: the slot items sorted by index, inheritance along a chain of style sheets with
// change notices for every slot a sheet change touches, and the view parameters of a slot resolved
// from an explicit style, the slot's style and the control's defaults.
#include <algorithm>

#include "Exceptions.h"
#include "Format.h"
#include "Graphics.h"
#include "SysConst.h"
#include "cxClassesRoutines.h"
#include "cxStyles.h"

namespace cxStyles {

IMPLEMENT_CLASS(TcxCustomStylesItem)
IMPLEMENT_CLASS(TcxCustomStyles)
IMPLEMENT_CLASS(TcxStyles)

// ---- TcxCustomStyles ---------------------------------------------------------------------------------------

void TcxCustomStyles::Destroy() {
  FDestroying = true;
  Clear();
  if (FStyleSheet) FStyleSheet->RemoveStyles(this);
  FStyleSheet = nullptr;
  inherited::Destroy();
}

void TcxCustomStyles::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxCustomStyles*>(Source))
    SetStyleSheet(source->GetStyleSheet());
  else
    inherited::Assign(Source);
}

bool TcxCustomStyles::Find(Integer AIndex, Integer& APos) const {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), AIndex,
                             [](const TcxCustomStylesItem* item, Integer index) { return item->Index < index; });
  APos = static_cast<Integer>(it - FItems.begin());
  return it != FItems.end() && (*it)->Index == AIndex;
}

TcxCustomStylesItem* TcxCustomStyles::GetItems(Integer APos) const {
  if (APos < 0 || APos >= Count()) throw EListError(Format(SysConst::SListIndexError, {APos}));
  return FItems[APos];
}

void TcxCustomStyles::Delete(Integer APos) {
  TcxCustomStylesItem* item = GetItems(APos);
  const Integer index = item->Index;
  item->Item->RemoveListener(this);
  item->Free();
  FItems.erase(FItems.begin() + APos);
  DoChanged(index);
}

void TcxCustomStyles::Clear() {
  for (Integer pos = Count() - 1; pos >= 0; --pos)
    if (pos < Count()) Delete(pos);
}

// Every slot that holds a style of its own is emptied, wherever its index lies.
void TcxCustomStyles::ResetStyles() {
  for (Integer pos = Count() - 1; pos >= 0; --pos)
    if (pos < Count()) SetValue(FItems[pos]->Index, nullptr);
}

// While the collection's owner is written, only the styles of its own are reported, so that the
// stream does not store what the style sheet supplies.
TcxCustomStyle* TcxCustomStyles::GetValue(Integer AIndex) {
  Integer pos;
  if (Find(AIndex, pos)) return FItems[pos]->Item;
  auto* owner = dynamic_cast<TComponent*>(GetOwner());
  if (FStyleSheet && !(owner && owner->ComponentState().Contains(csWriting)))
    return FStyleSheet->GetStyles()->GetValue(AIndex);
  return nullptr;
}

TcxCustomStyle* TcxCustomStyles::InheritedFormStyle(TcxCustomStyle* AStyle) {
  if (!AStyle || AStyle->GetName().empty()) return AStyle;
  TPersistent* top = this;
  while (TPersistent* owner = GetPersistentOwner(top)) top = owner;
  auto* topOwner = dynamic_cast<TComponent*>(top);
  TComponent* styleOwner = AStyle->Owner();
  if (!topOwner || !styleOwner || topOwner == styleOwner ||
      !topOwner->ClassType()->InheritsFrom(styleOwner->ClassType()))
    return AStyle;
  auto* copy = dynamic_cast<TcxCustomStyle*>(topOwner->FindComponent(AStyle->GetName()));
  return copy ? copy : AStyle;
}

void TcxCustomStyles::SetValue(Integer AIndex, TcxCustomStyle* AStyle) {
  AStyle = InheritedFormStyle(AStyle);
  if (AStyle == GetValue(AIndex)) return;
  Integer pos;
  if (Find(AIndex, pos)) {
    TcxCustomStylesItem* item = FItems[pos];
    item->Item->RemoveListener(this);
    if (AStyle) {
      item->Item = AStyle;
      AStyle->AddListener(this);
    } else {
      FItems.erase(FItems.begin() + pos);
      item->Free();
    }
    DoChanged(AIndex);
  } else if (AStyle) {
    auto* item = New<TcxCustomStylesItem>();
    item->Index = AIndex;
    item->Item = AStyle;
    FItems.insert(FItems.begin() + pos, item);
    AStyle->AddListener(this);
    DoChanged(AIndex);
  }
}

void TcxCustomStyles::StyleChanged(TcxCustomStyle* Sender) {
  for (Integer pos = 0; pos < Count(); ++pos)
    if (FItems[pos]->Item == Sender) DoChanged(FItems[pos]->Index);
}

void TcxCustomStyles::StyleRemoved(TcxCustomStyle* Sender) {
  for (Integer pos = Count() - 1; pos >= 0; --pos)
    if (pos < Count() && FItems[pos]->Item == Sender) Delete(pos);
}

void TcxCustomStyles::DoChanged(Integer AIndex) {
  if (FDestroying) return;
  Changed(AIndex);
  if (FOwnerStyleSheet) FOwnerStyleSheet->DoStyleChanged(AIndex);
}

bool TcxCustomStyles::IsValidStyleSheet(TcxCustomStyleSheet* ASheet) const {
  if (!ASheet) return true;
  if (ASheet == FOwnerStyleSheet || ASheet->GetStylesClass() != ClassType()) return false;
  for (TcxCustomStyleSheet* sheet = ASheet->GetStyles()->GetStyleSheet(); sheet;
       sheet = sheet->GetStyles()->GetStyleSheet())
    if (sheet == FOwnerStyleSheet) return false;
  return true;
}

void TcxCustomStyles::CollectSheetIndexes(TcxCustomStyleSheet* ASheet, std::vector<Integer>& AIndexes) {
  for (TcxCustomStyleSheet* sheet = ASheet; sheet; sheet = sheet->GetStyles()->GetStyleSheet())
    for (const TcxCustomStylesItem* item : sheet->GetStyles()->FItems)
      if (std::find(AIndexes.begin(), AIndexes.end(), item->Index) == AIndexes.end())
        AIndexes.push_back(item->Index);
}

// Every slot that the old or the new chain defines may now resolve to another style.
void TcxCustomStyles::SetStyleSheet(TcxCustomStyleSheet* Value) {
  if (Value == FStyleSheet || !IsValidStyleSheet(Value)) return;
  std::vector<Integer> indexes;
  if (!FDestroying) CollectSheetIndexes(FStyleSheet, indexes);
  CollectSheetIndexes(Value, indexes);
  if (FStyleSheet) FStyleSheet->RemoveStyles(this);
  FStyleSheet = Value;
  if (FStyleSheet) FStyleSheet->AddStyles(this);
  for (Integer index : indexes) DoChanged(index);
}

// ---- TcxStyles -------------------------------------------------------------------------------------------------

// Without bitmaps in the view parameters the bitmap counts as found, so it alone never asks for the
// defaults; it is then taken from the defaults when they are asked for anyway.
void TcxStyles::GetViewParams(Integer AIndex, TObject* AData, TcxStyle* AStyle, TcxViewParams& AParams) {
  AParams = TcxViewParams{nullptr, clDefault, nullptr, clDefault};
  TcxStyleValues assigned = FBitmapInViewParams ? TcxStyleValues() : TcxStyleValues{svBitmap};
  assigned = CombineParamsWithStyle(AStyle, assigned, AParams);
  assigned = CombineParamsWithStyle(GetValues(AIndex), assigned, AParams);
  if (assigned == cxStyleValuesAll) return;
  TcxViewParams defaults;
  GetDefaultViewParams(AIndex, AData, defaults);
  if (!assigned.Contains(svColor)) AParams.Color = defaults.Color;
  if (!assigned.Contains(svFont)) AParams.Font = defaults.Font;
  if (!assigned.Contains(svTextColor)) AParams.TextColor = defaults.TextColor;
  if (!FBitmapInViewParams || !assigned.Contains(svBitmap)) AParams.Bitmap = defaults.Bitmap;
}

void TcxStyles::GetDefaultViewParams(Integer AIndex, TObject*, TcxViewParams& AParams) {
  AParams.Bitmap = nullptr;
  FMaxDefaultViewParamsIndex = std::max(FMaxDefaultViewParamsIndex, AIndex);
}

bool TcxStyles::IsDefaultFont(Integer AIndex) { return !UseStyle(GetValues(AIndex), svFont); }

void TcxStyles::DefaultFontChanged(TObject*, TFont* AFont) {
  for (Integer index = 0; index <= FMaxDefaultViewParamsIndex; ++index) {
    if (!IsDefaultFont(index)) continue;
    TcxViewParams defaults;
    GetDefaultViewParams(index, nullptr, defaults);
    if (defaults.Font == AFont) Changed(index);
  }
}

TBitmap* TcxStyles::GetBitmap(Integer AIndex) {
  TcxStyle* style = GetValues(AIndex);
  return UseStyle(style, svBitmap) && !style->GetBitmap()->GetEmpty() ? style->GetBitmap() : nullptr;
}

TcxStyle* TcxStyles::GetValues(Integer AIndex) { return dynamic_cast<TcxStyle*>(GetValue(AIndex)); }

void TcxStyles::SetValues(Integer AIndex, TcxStyle* Value) { SetValue(AIndex, Value); }

}  // namespace cxStyles
