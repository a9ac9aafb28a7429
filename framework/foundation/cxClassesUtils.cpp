#include "cxClassesUtils.h"

#include <algorithm>

#include "RtlMath.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace cxClasses {

IMPLEMENT_CLASS(TcxEventHandlerCollection)
IMPLEMENT_CLASS(TcxAutoWidthItem)
IMPLEMENT_CLASS(TcxAutoWidthObject)
IMPLEMENT_CLASS_PUBLISHED(TcxAlignment) {
  d.Property("Horz", &TcxAlignment::GetHorz, &TcxAlignment::SetHorz).Stored(&TcxAlignment::IsHorzStored);
  d.Property("Vert", &TcxAlignment::GetVert, &TcxAlignment::SetVert).Stored(&TcxAlignment::IsVertStored);
}
IMPLEMENT_ABSTRACT_CLASS(TcxMRUItem)
IMPLEMENT_CLASS(TcxMRUItems)

// ---- TcxEventHandlerCollection ---------------------------------------------------------------------------

void TcxEventHandlerCollection::Add(const TcxEventHandler& AEvent) {
  if (IndexOf(AEvent) < 0) FEvents.push_back(AEvent);
}

void TcxEventHandlerCollection::Remove(const TcxEventHandler& AEvent) { Delete(IndexOf(AEvent)); }

void TcxEventHandlerCollection::Delete(Integer AIndex) {
  if (AIndex >= 0 && AIndex < GetCount()) FEvents.erase(FEvents.begin() + AIndex);
}

Integer TcxEventHandlerCollection::IndexOf(const TcxEventHandler& AEvent) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (FEvents[static_cast<size_t>(i)] == AEvent) return i;
  return -1;
}

void TcxEventHandlerCollection::CallEvents(TObject* Sender, const void* AEventArgs) {
  // A handler may add or remove handlers (its own object may be freed with them): walk a copy and
  // call only those still present.
  const std::vector<TcxEventHandler> events = FEvents;
  for (const TcxEventHandler& event : events)
    if (IndexOf(event) >= 0) event(Sender, AEventArgs);
}

// ---- TcxAutoWidthObject ----------------------------------------------------------------------------------

void TcxAutoWidthObject::Construct() {
  inherited::Construct();
  if (FCapacity > 0) FItems.reserve(static_cast<size_t>(FCapacity));
}

void TcxAutoWidthObject::Destroy() {
  Clear();
  inherited::Destroy();
}

TcxAutoWidthItem* TcxAutoWidthObject::AddItem() {
  FItems.push_back(New<TcxAutoWidthItem>());
  return FItems.back();
}

void TcxAutoWidthObject::Clear() {
  std::vector<TcxAutoWidthItem*> items;
  items.swap(FItems);
  for (TcxAutoWidthItem* item : items) item->Free();
}

TcxAutoWidthItem* TcxAutoWidthObject::GetItem(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) TList::Error(SysConst::SListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

Integer TcxAutoWidthObject::GetWidth() const {
  Integer width = 0;
  for (const TcxAutoWidthItem* item : FItems) width += item->Width;
  return width;
}

void TcxAutoWidthObject::Calculate() {
  Integer restAvailable = AvailableWidth;
  Integer restWidth = GetWidth();
  for (TcxAutoWidthItem* item : FItems) {
    if (item->Fixed) {
      item->AutoWidth = item->Width;
      restAvailable -= item->AutoWidth;
      restWidth -= item->Width;
    } else {
      item->AutoWidth = -1;
    }
  }
  // Passes repeat while items fall to their minimum; then one last pass hands out the shares.
  bool lastPass = false;
  while (true) {
    const Integer available = restAvailable;
    const Integer width = restWidth;
    Integer accumulated = 0;
    bool recalculate = false;
    for (TcxAutoWidthItem* item : FItems) {
      if (item->AutoWidth != -1) continue;
      Integer share = MulDiv(accumulated + item->Width, available, width) - MulDiv(accumulated, available, width);
      if (lastPass) {
        item->AutoWidth = share;
      } else if (item->MinWidth >= share) {
        item->AutoWidth = item->MinWidth;
        restAvailable -= item->AutoWidth;
        restWidth -= item->Width;
        recalculate = true;
      }
      accumulated += item->Width;
    }
    if (!recalculate) lastPass = !lastPass;
    if (restWidth == 0 || (!recalculate && !lastPass)) break;
  }
}

// ---- TcxAlignment -------------------------------------------------------------------------------------------

void TcxAlignment::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxAlignment*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  bool changed = FHorz != source->FHorz || FVert != source->FVert;
  FHorz = source->FHorz;
  FVert = source->FVert;
  FIsHorzAssigned = source->FIsHorzAssigned;
  FIsVertAssigned = source->FIsVertAssigned;
  if (changed) DoChanged();
}

void TcxAlignment::Reset() {
  bool changed = FHorz != FDefaultHorz || FVert != FDefaultVert;
  FIsHorzAssigned = false;
  FIsVertAssigned = false;
  FHorz = FDefaultHorz;
  FVert = FDefaultVert;
  if (changed) DoChanged();
}

void TcxAlignment::SetHorz(TAlignment Value) {
  FIsHorzAssigned = true;
  if (FHorz == Value) return;
  FHorz = Value;
  DoChanged();
}

void TcxAlignment::SetVert(TcxAlignmentVert Value) {
  FIsVertAssigned = true;
  if (FVert == Value) return;
  FVert = Value;
  DoChanged();
}

bool TcxAlignment::IsHorzStored() const { return FUseAssignedValues ? FIsHorzAssigned : FHorz != FDefaultHorz; }

bool TcxAlignment::IsVertStored() const { return FUseAssignedValues ? FIsVertAssigned : FVert != FDefaultVert; }

void TcxAlignment::DoChanged() {
  if (OnChanged) OnChanged(this);
}

// ---- TcxMRUItems ------------------------------------------------------------------------------------------

void TcxMRUItems::Destroy() {
  ClearItems();
  inherited::Destroy();
}

void TcxMRUItems::Add(TcxMRUItem* AItem) {
  if (!AItem) return;
  Integer index = IndexOf(AItem);
  if (index >= 0) {
    TcxMRUItem* listed = FItems[static_cast<size_t>(index)];
    std::rotate(FItems.begin(), FItems.begin() + index, FItems.begin() + index + 1);
    // Adding an item that is itself listed only moves it.
    if (listed != AItem) AItem->Free();
  } else {
    FItems.insert(FItems.begin(), AItem);
    UpdateCount();
  }
}

void TcxMRUItems::Delete(Integer AIndex) {
  TcxMRUItem* item = GetItem(AIndex);
  FItems.erase(FItems.begin() + AIndex);
  item->Free();
}

void TcxMRUItems::ClearItems() { SetCount(0); }

Integer TcxMRUItems::IndexOf(TcxMRUItem* AItem) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (FItems[static_cast<size_t>(i)]->Equals(AItem)) return i;
  return -1;
}

void TcxMRUItems::SetCount(Integer Value) {
  while (GetCount() > Max(Value, 0)) Delete(GetCount() - 1);
}

TcxMRUItem* TcxMRUItems::GetItem(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) TList::Error(SysConst::SListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

void TcxMRUItems::SetMaxCount(Integer Value) {
  Value = Max(Value, 0);
  if (FMaxCount == Value) return;
  FMaxCount = Value;
  UpdateCount();
}

void TcxMRUItems::UpdateCount() {
  if (FMaxCount > 0) SetCount(FMaxCount);
}

}  // namespace cxClasses
