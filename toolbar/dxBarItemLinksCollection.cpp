// The link collection: links, visibility lists, recent order, options, accelerators, shortcuts,
// merging and loading.
#include <algorithm>

#include "RtlMath.h"
#include "Variants.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarItemLinksInternal.h"
#include "dxBarManager.h"

namespace dxBar {

using namespace dxBarItemLinksInternal;

IMPLEMENT_CLASS(TdxBarItemLinks)
IMPLEMENT_CLASS(TdxBarControlItemLinks)
IMPLEMENT_CLASS(TdxBarSubMenuControlItemLinks)

IMPLEMENT_CLASS_PUBLISHED(TdxBarItemOptions) {
  d.Property("ShowDescriptions", &TdxBarItemOptions::GetShowDescriptions, &TdxBarItemOptions::SetShowDescriptions)
      .Stored(&TdxBarItemOptions::IsShowDescriptionsStored);
  d.Property("ShowShortCuts", &TdxBarItemOptions::GetShowShortCuts, &TdxBarItemOptions::SetShowShortCuts)
      .Stored(&TdxBarItemOptions::IsShowShortCutsStored);
  d.Property("Size", &TdxBarItemOptions::GetSize, &TdxBarItemOptions::SetSize).Stored(&TdxBarItemOptions::IsSizeStored);
}

namespace {
TdxBar* FMergingBar = nullptr;

template <class T>
Integer IndexIn(const std::vector<T*>& AList, const T* AItem) {
  auto it = std::find(AList.begin(), AList.end(), AItem);
  return it == AList.end() ? -1 : static_cast<Integer>(it - AList.begin());
}

void Erase(std::vector<TdxBarItemLink*>& AList, TdxBarItemLink* ALink) {
  auto it = std::find(AList.begin(), AList.end(), ALink);
  if (it != AList.end()) AList.erase(it);
}
}  // namespace

// ---- Options ------------------------------------------------------------------------------------------------
TPersistent* TdxBarItemOptions::GetOwner() { return FItemLinks; }

void TdxBarItemOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItemOptions*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FAssignedValues = source->FAssignedValues;
  FShowDescriptions = source->FShowDescriptions;
  FShowShortCuts = source->FShowShortCuts;
  FSize = source->FSize;
}

namespace {
Variant DefaultOption(TdxBarItemLinks* ALinks, TdxBarItemOptionValue AValue) {
  Variant result;
  if (ALinks) ALinks->GetDefaultValue(AValue, result);
  return result;
}
}  // namespace

bool TdxBarItemOptions::GetShowDescriptions() {
  return FAssignedValues.Contains(ioShowDescriptions) ? FShowDescriptions
                                                      : DefaultOption(FItemLinks, ioShowDescriptions).ToBoolean();
}

void TdxBarItemOptions::SetShowDescriptions(bool Value) {
  FShowDescriptions = Value;
  FAssignedValues.Include(ioShowDescriptions);
}

bool TdxBarItemOptions::GetShowShortCuts() {
  return FAssignedValues.Contains(ioShowShortCuts) ? FShowShortCuts : DefaultOption(FItemLinks, ioShowShortCuts).ToBoolean();
}

void TdxBarItemOptions::SetShowShortCuts(bool Value) {
  FShowShortCuts = Value;
  FAssignedValues.Include(ioShowShortCuts);
}

TdxBarMenuItemSize TdxBarItemOptions::GetSize() {
  return FAssignedValues.Contains(ioSize) ? FSize
                                          : static_cast<TdxBarMenuItemSize>(DefaultOption(FItemLinks, ioSize).ToInteger());
}

void TdxBarItemOptions::SetSize(TdxBarMenuItemSize Value) {
  FSize = Value;
  FAssignedValues.Include(ioSize);
}

// ---- Life cycle ---------------------------------------------------------------------------------------------
void TdxBarItemLinks::Construct() {
  inherited::Construct();
  FItemOptions = New<TdxBarItemOptions>(this);
}

void TdxBarItemLinks::Destroy() {
  FreeAndNil(FItemOptions);
  DestroyBarControl();
  inherited::Destroy();
  FAvailableItems.clear();
  FCanVisibleItems.clear();
  FVisibleItems.clear();
  FRecentItems.clear();
}

TPersistent* TdxBarItemLinks::GetOwner() { return GetOwnerComponent(); }

TComponent* TdxBarItemLinks::GetOwnerComponent() { return FOwner ? FOwner->GetComponentInstance() : nullptr; }

TdxBar* TdxBarItemLinks::MergingBar() { return FMergingBar; }
void TdxBarItemLinks::SetMergingBar(TdxBar* ABar) { FMergingBar = ABar; }

// ---- Links --------------------------------------------------------------------------------------------------
TdxBarItemLink* TdxBarItemLinks::Add() { return static_cast<TdxBarItemLink*>(TCollection::Add()); }

TdxBarItemLink* TdxBarItemLinks::Add(TdxBarItem* AItem) {
  TdxBarItemLink* link = Add();
  link->SetItem(AItem);
  return link;
}

TdxBarItemLink* TdxBarItemLinks::AddItem(TClass AItemClass, TComponent* AOwner) {
  if (!AOwner) AOwner = FBarManager;
  auto* item = As<TdxBarItem>(CreateComponent(AItemClass, AOwner));
  try {
    return Add(item);
  } catch (...) {
    item->Free();
    throw;
  }
}

TdxBarItemLink* TdxBarItemLinks::Insert(Integer AIndex) { return static_cast<TdxBarItemLink*>(TCollection::Insert(AIndex)); }

void TdxBarItemLinks::Move(Integer ACurIndex, Integer ANewIndex) {
  if (ACurIndex == ANewIndex || ACurIndex < 0 || ACurIndex >= Count() || ANewIndex < 0 || ANewIndex >= Count()) return;
  GetItem(ACurIndex)->SetIndex(ANewIndex);
}

Integer TdxBarItemLinks::IndexOf(TdxBarItemLink* ALink) const {
  return ALink && ALink->GetCollection() == this ? ALink->GetIndex() : -1;
}

Integer TdxBarItemLinks::GetIndexByItemName(const String& AName) {
  for (Integer i = 0; i < Count(); ++i)
    if (GetItem(i)->GetItem() && GetItem(i)->GetItem()->GetName() == AName) return i;
  return -1;
}

bool TdxBarItemLinks::HasItem(TdxBarItem* AItem) {
  for (Integer i = 0; i < Count(); ++i)
    if (GetItem(i)->HasItem(AItem)) return true;
  return false;
}

bool TdxBarItemLinks::IsControlExists(TdxBarItemControl* AControl) {
  for (Integer i = 0; i < Count(); ++i)
    if (GetItem(i)->GetControl() == AControl) return true;
  return false;
}

bool TdxBarItemLinks::IsReferencedBy(TComponent* AOwner) { return AOwner && GetOwnerComponent() == AOwner; }

bool TdxBarItemLinks::CanContainItem(TdxBarItem* AItem, String& AErrorText) {
  AErrorText.clear();
  return !FOwner || FOwner->CanContainItem(AItem, AErrorText);
}

void TdxBarItemLinks::FreeForeignItems(TdxBarManager* AManager) {
  TdxBarManager* manager = AManager ? AManager : FBarManager;
  BeginUpdate();
  try {
    for (Integer i = Count() - 1; i >= 0; --i) {
      TdxBarItemLink* link = GetItem(i);
      if (link->GetItem() && link->GetItem()->GetBarManager() != manager) link->Free();
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// ---- Visibility lists ---------------------------------------------------------------------------------------
Integer TdxBarItemLinks::AvailableIndexOf(TdxBarItemLink* ALink) const { return IndexIn(FAvailableItems, ALink); }
Integer TdxBarItemLinks::CanVisibleIndexOf(TdxBarItemLink* ALink) const { return IndexIn(FCanVisibleItems, ALink); }
Integer TdxBarItemLinks::VisibleIndexOf(TdxBarItemLink* ALink) const { return IndexIn(FVisibleItems, ALink); }
Integer TdxBarItemLinks::RecentIndexOf(TdxBarItemLink* ALink) const { return IndexIn(FRecentItems, ALink); }

void TdxBarItemLinks::RefreshVisibilityLists() {
  FAvailableItems.clear();
  FCanVisibleItems.clear();
  FVisibleItems.clear();
  const bool designing = FBarManager && FBarManager->GetDesigning();
  for (Integer i = 0; i < Count(); ++i) {
    TdxBarItemLink* link = GetItem(i);
    TdxBarItem* item = link->GetItem();
    if (!item || !(designing || item->GetActuallyVisible())) continue;
    FAvailableItems.push_back(link);
    if (!(designing || link->GetVisible())) continue;
    FCanVisibleItems.push_back(link);
    if (designing || FRecentItemCount == -1) FVisibleItems.push_back(link);
  }
  if (!designing && FRecentItemCount > 0) {
    for (TdxBarItemLink* link : FRecentItems) {
      if (static_cast<Integer>(FVisibleItems.size()) >= FRecentItemCount) break;
      if (CanVisibleIndexOf(link) >= 0) FVisibleItems.push_back(link);
    }
    std::sort(FVisibleItems.begin(), FVisibleItems.end(),
              [this](TdxBarItemLink* A, TdxBarItemLink* B) { return CanVisibleIndexOf(A) < CanVisibleIndexOf(B); });
  }
  if ((FBarManager && FBarManager->GetIsCustomizing()) || UpdateCount() > 0) return;
  // A separator that ends the list, or is followed by another, is not shown.
  for (Integer i = static_cast<Integer>(FVisibleItems.size()) - 1; i >= 0; --i) {
    TdxBarItemLink* link = FVisibleItems[i];
    if (!IsSeparatorItem(link->GetItem())) continue;
    const bool last = i == static_cast<Integer>(FVisibleItems.size()) - 1;
    if (last || IsSeparatorItem(FVisibleItems[i + 1]->GetItem())) {
      FVisibleItems.erase(FVisibleItems.begin() + i);
      Erase(FCanVisibleItems, link);
    }
  }
}

Integer TdxBarItemLinks::GetRealVisibleItemCount() {
  // A toolbar's window cuts off the links that do not fit; without a window every visible link counts.
  return GetVisibleItemCount();
}

// ---- Recent order -------------------------------------------------------------------------------------------
void TdxBarItemLinks::RemoveFromRecentList(TdxBarItemLink* ALink) {
  Erase(FRecentItems, ALink);
  Erase(FAvailableItems, ALink);
  Erase(FCanVisibleItems, ALink);
  Erase(FVisibleItems, ALink);
}

void TdxBarItemLinks::MoveInRecentList(TdxBarItemLink* ALink, Integer ANewIndex) {
  const Integer current = RecentIndexOf(ALink);
  if (current < 0 || ANewIndex < 0 || ANewIndex >= GetRecentListCount() || current == ANewIndex) return;
  FRecentItems.erase(FRecentItems.begin() + current);
  FRecentItems.insert(FRecentItems.begin() + ANewIndex, ALink);
}

void TdxBarItemLinks::SetUseRecentItems(bool Value) {
  if (FUseRecentItems == Value) return;
  FUseRecentItems = Value;
  RefreshVisibilityLists();
}

bool TdxBarItemLinks::CanUseRecentItems() {
  if (!ManagerCanShowRecentItems(FBarManager) || !FUseRecentItems) return false;
  TdxBarItemLinks* parent = GetParentLinks();
  return !parent || parent->CanUseRecentItems();
}

Integer TdxBarItemLinks::GetMostRecentItemCount() {
  if (!CanUseRecentItems()) return -1;
  const Integer canVisible = GetCanVisibleItemCount();
  if (canVisible == 0) return -1;
  Integer a = FCanVisibleItems[0]->GetUseCount(), b = a;
  for (TdxBarItemLink* link : FCanVisibleItems) {
    a = std::min(a, link->GetUseCount());
    b = std::max(b, link->GetUseCount());
  }
  const Integer c = MulDiv(b - a, 100 - FBarManager->GetMostRecentItemsPercents(), 100);
  Integer result = 0;
  for (Integer p = std::min(canVisible, GetRecentListCount()) - 1; p >= 0; --p) {
    TdxBarItemLink* link = FRecentItems[p];
    if (link->GetCollection() == this && link->GetUseCount() >= a + c) {
      result = p + 1;
      break;
    }
  }
  return result == canVisible ? -1 : result;
}

void TdxBarItemLinks::SetRecentItemCount(Integer Value) {
  FPrevRecentItemCount = FRecentItemCount;
  FRecentItemCount = CanUseRecentItems() ? Value : -1;
  RefreshVisibilityLists();
}

void TdxBarItemLinks::RestoreRecentItemCount() {
  FRecentItemCount = FPrevRecentItemCount;
  RefreshVisibilityLists();
}

void TdxBarItemLinks::CheckVisibleIntegrity() {
  std::stable_partition(FRecentItems.begin(), FRecentItems.end(),
                        [this](TdxBarItemLink* ALink) { return CanVisibleIndexOf(ALink) >= 0; });
}

// ---- Navigation, accelerators and shortcuts -----------------------------------------------------------------
TdxBarItemLinks* TdxBarItemLinks::GetParentLinks() {
  // The links of the bar window that opened this collection's window; there is none without windows.
  return nullptr;
}

bool TdxBarItemLinks::IsScrollable() { return true; }

std::vector<TdxBarItemLink*> TdxBarItemLinks::GetShownLinks() {
  const Integer count = GetRealVisibleItemCount();
  return std::vector<TdxBarItemLink*>(FVisibleItems.begin(), FVisibleItems.begin() + count);
}

namespace {
bool CanSelectLink(TdxBarItemLink* ALink) { return ALink->GetControl() && ALink->GetControl()->CanSelect(); }
}  // namespace

TdxBarItemLink* TdxBarItemLinks::First() {
  for (TdxBarItemLink* link : GetShownLinks())
    if (CanSelectLink(link)) return link;
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::Last() {
  const std::vector<TdxBarItemLink*> shown = GetShownLinks();
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if (CanSelectLink(*it)) return *it;
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::Next(TdxBarItemLink* ALink, bool AAnyLink) {
  const std::vector<TdxBarItemLink*> shown = GetShownLinks();
  const Integer n = static_cast<Integer>(shown.size());
  if (n == 0) return nullptr;
  Integer i = ALink ? IndexIn(shown, ALink) : -1;
  for (Integer step = 0; step < n; ++step) {
    i = (i + 1) % n;
    if (AAnyLink || CanSelectLink(shown[i])) return shown[i];
  }
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::Prev(TdxBarItemLink* ALink, bool AAnyLink) {
  const std::vector<TdxBarItemLink*> shown = GetShownLinks();
  const Integer n = static_cast<Integer>(shown.size());
  if (n == 0) return nullptr;
  Integer i = ALink ? IndexIn(shown, ALink) : n;
  if (i < 0) i = n;
  for (Integer step = 0; step < n; ++step) {
    i = (i - 1 + n) % n;
    if (AAnyLink || CanSelectLink(shown[i])) return shown[i];
  }
  return nullptr;
}

void TdxBarItemLinks::InitiateActions() {
  for (Integer i = 0; i < Count(); ++i) GetItem(i)->InitiateAction();
}

bool TdxBarItemLinks::IsShortCut(TShortCut AShortCut) {
  if (AShortCut == 0) return false;
  InitiateActions();
  // The answers may change the lists: walk a copy.
  const std::vector<TdxBarItemLink*> available = FAvailableItems;
  for (TdxBarItemLink* link : available)
    if (link->GetItem() && link->GetItem()->IsShortCut(AShortCut)) return true;
  return false;
}

TdxBarItemLink* TdxBarItemLinks::FindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent) {
  AShift.Exclude(ssAlt);
  return DoFindItemWithAccel(AKey, AShift, ACurrent);
}

TdxBarItemLink* TdxBarItemLinks::DoFindItemWithAccel(Word, TShiftState, TdxBarItemLink*) { return nullptr; }

namespace {
bool AnswersAccel(TdxBarItemLink* ALink, Word AKey, TShiftState AShift) {
  return ALink->GetItem() && ALink->GetItem()->HasAccel(ALink) && ALink->IsAccel(AKey, AShift);
}
}  // namespace

TdxBarItemLink* TdxBarControlItemLinks::DoFindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent) {
  // Only a toolbar shown on the screen answers: without its window there is nothing to find.
  if (!GetBarControl()) return nullptr;
  TdxBarItemLink* first = Next(ACurrent, false);
  for (TdxBarItemLink* link = first; link;) {
    if (AnswersAccel(link, AKey, AShift)) return link;
    link = Next(link, false);
    if (link == first) break;
  }
  return nullptr;
}

TdxBarItemLink* TdxBarSubMenuControlItemLinks::DoFindItemWithAccel(Word AKey, TShiftState AShift,
                                                                   TdxBarItemLink* ACurrent) {
  const Integer n = GetCanVisibleItemCount();
  if (n == 0) return nullptr;
  Integer start = ACurrent ? CanVisibleIndexOf(ACurrent) : 0;
  if (start < 0) start = n - 1;  // an unknown current link: begin with the first
  // The links after the start, wrapping, and the start link last.
  for (Integer step = 1; step <= n; ++step) {
    TdxBarItemLink* link = GetCanVisibleItem((start + step) % n);
    if (AnswersAccel(link, AKey, AShift)) return link;
  }
  return nullptr;
}

// ---- Bar window ---------------------------------------------------------------------------------------------
void TdxBarItemLinks::EmptyItemRects() {
  for (Integer i = 0; i < Count(); ++i) GetItem(i)->FItemRect = TRect();
}

void TdxBarItemLinks::CreateBarControl() {
  if (!FBarControl && FOwner) FBarControl = FOwner->CreateBarControl();
}

void TdxBarItemLinks::DestroyBarControl() {
  // The bar window is freed by its own unit together with the collection's owner.
  FBarControl = nullptr;
}

// ---- Options ------------------------------------------------------------------------------------------------
void TdxBarItemLinks::GetDefaultValue(TdxBarItemOptionValue AValue, Variant& AResult) {
  switch (AValue) {
    case ioShowDescriptions: AResult = false; break;
    case ioShowShortCuts: AResult = true; break;
    case ioSize: AResult = static_cast<Integer>(misNormal); break;
  }
}

void TdxBarItemLinks::GetOptionsValue(TdxBarItemOptionValue AValue, TdxBarItemLinks* ALinks, Variant& AResult) {
  TdxBarItemLinks* parent = ALinks->GetParentLinks();
  if (ALinks->FItemOptions->GetAssignedValues().Contains(AValue) || !parent) {
    switch (AValue) {
      case ioShowDescriptions: AResult = ALinks->FItemOptions->GetShowDescriptions(); break;
      case ioShowShortCuts: AResult = ALinks->FItemOptions->GetShowShortCuts(); break;
      case ioSize: AResult = static_cast<Integer>(ALinks->FItemOptions->GetSize()); break;
    }
    return;
  }
  GetOptionsValue(AValue, parent, AResult);
}

bool TdxBarItemLinks::GetItemShowDescriptions() {
  Variant result;
  GetOptionsValue(ioShowDescriptions, this, result);
  return result.ToBoolean();
}

bool TdxBarItemLinks::GetItemShowShortCuts() {
  Variant result;
  GetOptionsValue(ioShowShortCuts, this, result);
  return result.ToBoolean();
}

TdxBarMenuItemSize TdxBarItemLinks::GetItemSize() {
  Variant result;
  GetOptionsValue(ioSize, this, result);
  return static_cast<TdxBarMenuItemSize>(result.ToInteger());
}

// ---- Change reporting ---------------------------------------------------------------------------------------
void TdxBarItemLinks::DesignerModified() {
  if (FBarManager) FBarManager->DesignerModified();
}

void TdxBarItemLinks::Update(TCollectionItem* Item) {
  if (!Item) RefreshVisibilityLists();
  TComponent* owner = GetOwnerComponent();
  if (owner && owner->ComponentState().Contains(csDestroying)) return;
  inherited::Update(Item);
  if (!FInternal) DesignerModified();
  if (Item) {
    if (FBarManager) FBarManager->DoItemLinkChange(static_cast<TdxBarItemLink*>(Item));
  } else if (OnChange) {
    OnChange(this);
  }
}

// ---- Assignment, loading and merging ------------------------------------------------------------------------
void TdxBarItemLinks::Assign(TPersistent* Source) {
  if (!dynamic_cast<TdxBarItemLinks*>(Source)) {
    inherited::Assign(Source);
    return;
  }
  FAssigning = true;
  try {
    inherited::Assign(Source);
  } catch (...) {
    FAssigning = false;
    throw;
  }
  FAssigning = false;
  for (Integer i = 0; i < Count(); ++i) GetItem(i)->SetVisible(GetItem(i)->FLoadedVisible);
}

void TdxBarItemLinks::Loaded(bool AApplyVisibility) {
  for (Integer i = Count() - 1; i >= 0; --i)
    if (GetItem(i)->GetItem()) GetItem(i)->CheckMostRecentlyUsed();
  if (AApplyVisibility)
    for (Integer i = Count() - 1; i >= 0; --i) GetItem(i)->SetVisible(GetItem(i)->FLoadedVisible);
  for (Integer position = 0; position < Count(); ++position)
    for (Integer i = 0; i < Count(); ++i) {
      TdxBarItemLink* link = GetItem(i);
      if (link->FLoadedRecentIndex != position) continue;
      link->FUseCount = link->FLoadedUseCount;
      link->SetRecentIndex(position);
      link->FLoadedRecentIndex = -1;
    }
}

void TdxBarItemLinks::LoadItemNames() {
  BeginUpdate();
  try {
    for (Integer i = Count() - 1; i >= 0; --i) {
      TdxBarItemLink* link = GetItem(i);
      const String name = link->FLoadedItemName;
      link->FLoadedItemName.clear();
      // A link whose item is not found drops itself.
      link->SetItem(FindItemByName(FBarManager, name));
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Loaded(true);
}

void TdxBarItemLinks::Merge(TdxBarItemLinks* ASource) {
  for (Integer s = 0; s < ASource->Count(); ++s) {
    TdxBarItemLink* sourceLink = ASource->GetItem(s);
    TdxBarItem* sourceItem = sourceLink->GetItem();
    if (!sourceItem) continue;
    TdxBarItemMergeKind kind = sourceItem->GetMergeKind();
    Integer position = -1;
    if (kind != mkNone) {
      if (kind == mkMergeByCaption)
        for (Integer i = 0; i < Count(); ++i) {
          TdxBarItem* own = GetItem(i)->GetItem();
          if (own && own->GetMergeKind() == mkMergeByCaption && GetItem(i)->GetCaption() == sourceLink->GetCaption() &&
              own->CanMergeWith(sourceItem))
            position = i;
        }
      if (position < 0) {
        // After the last own link with the greatest merge order not above the source's.
        Integer best = -1, bestOrder = -1;
        for (Integer i = 0; i < Count(); ++i) {
          TdxBarItem* own = GetItem(i)->GetItem();
          if (own && own->GetMergeOrder() <= sourceItem->GetMergeOrder() && own->GetMergeOrder() >= bestOrder) {
            best = i;
            bestOrder = own->GetMergeOrder();
          }
        }
        position = best + 1;
        kind = mkAdd;
      } else {
        kind = mkMergeByCaption;
      }
    }
    if (FBarManager) FBarManager->DoMergeItemLink(this, ASource, sourceLink, kind, position);
    if (position < 0) kind = mkNone;
    if (kind == mkMergeByCaption &&
        (position >= Count() || !GetItem(position)->GetItem() || !GetItem(position)->GetItem()->CanMergeWith(sourceItem)))
      kind = mkNone;
    if (kind == mkAdd && position > Count()) kind = mkNone;
    switch (kind) {
      case mkMergeByCaption: {
        TdxBarItemLinks* ownLinks = GetItem(position)->GetItem()->GetItemLinks();
        TdxBarItemLinks* sourceLinks = sourceItem->GetItemLinks();
        if (ownLinks && sourceLinks) ownLinks->Merge(sourceLinks);
        break;
      }
      case mkAdd: Insert(position)->Assign(sourceLink); break;
      default: break;
    }
  }
}

void TdxBarItemLinks::Unmerge(TdxBar* ABar) {
  for (Integer i = Count() - 1; i >= 0; --i) {
    TdxBarItemLink* link = GetItem(i);
    if (link->FMergingBar && (!ABar || link->FMergingBar == ABar))
      link->Free();
    else if (link->GetItem() && link->GetItem()->GetItemLinks())
      link->GetItem()->GetItemLinks()->Unmerge(ABar);
  }
}

}  // namespace dxBar
