#include "cxDataGroups.h"

#include <algorithm>
#include <utility>

namespace cxDataGroups {

IMPLEMENT_CLASS(TcxDataGroupInfo)
IMPLEMENT_CLASS(TcxDataGroups)

// ---- Structure -------------------------------------------------------------------------------------------

void TcxDataGroups::Destroy() {
  ClearItems();
  inherited::Destroy();
}

TcxDataGroupInfo* TcxDataGroups::AddEmpty() {
  TcxDataGroupInfo* G = New<TcxDataGroupInfo>();
  FItems.push_back(G);
  return G;
}

TcxDataGroupInfo* TcxDataGroups::Add(const TcxDataGroupInfo* AGroupInfo) {
  TcxDataGroupInfo* G = AddEmpty();
  G->RowIndex = AGroupInfo->RowIndex;
  G->Expanded = AGroupInfo->Expanded;
  G->Level = AGroupInfo->Level;
  G->FirstIndex = AGroupInfo->FirstIndex;
  G->LastIndex = AGroupInfo->LastIndex;
  G->SummaryValues = AGroupInfo->SummaryValues;
  return G;
}

void TcxDataGroups::ClearItems() {
  for (TcxDataGroupInfo* G : FItems) G->Free();
  FItems.clear();
}

void TcxDataGroups::Clear() {
  ClearItems();
  FFields.clear();
}

// ---- Rows ------------------------------------------------------------------------------------------------

// Visible groups and data rows take consecutive rows in depth-first order; a hidden group takes the
// row of its nearest visible collapsed ancestor.
void TcxDataGroups::RebuildLevel(Integer& AIndex, Integer ALevel, bool AVisible, Integer& ARow) {
  while (AIndex < ItemCount()) {
    TcxDataGroupInfo* G = FItems[static_cast<size_t>(AIndex)];
    if (G->Level != ALevel) {
      if (AVisible) --ARow;  // the sibling step below anticipated a sibling that did not come
      return;
    }
    G->RowIndex = ARow;
    ++AIndex;
    if (AVisible && G->Expanded && IsLastLevel(G)) {
      ARow += G->LastIndex - G->FirstIndex + 1;
    } else {
      if (AVisible && G->Expanded) ++ARow;
      RebuildLevel(AIndex, ALevel + 1, AVisible && G->Expanded, ARow);
    }
    if (AVisible) ++ARow;
  }
}

void TcxDataGroups::Rebuild() {
  Integer AIndex = 0, ARow = 0;
  // A well-formed tree is one walk from level 0; a tree assembled out of order by SetItem still
  // gets every item numbered once, the walk resuming at the level of the item it stopped on.
  while (AIndex < ItemCount()) {
    RebuildLevel(AIndex, FItems[static_cast<size_t>(AIndex)]->Level, true, ARow);
    ++ARow;
  }
}

TcxDataGroupInfo* TcxDataGroups::GetTopVisibleItem(Integer ARowIndex, Integer& AIndex) const {
  if (!InRange(AIndex)) return nullptr;
  Integer AAnswer = AIndex;
  Integer AMinLevel = FItems[static_cast<size_t>(AIndex)]->Level;
  for (Integer I = AIndex; I >= 0; --I) {
    const TcxDataGroupInfo* G = FItems[static_cast<size_t>(I)];
    if (G->RowIndex != ARowIndex) break;
    if (G->Level < AMinLevel) {
      AMinLevel = G->Level;
      if (!G->Expanded) AAnswer = I;
    }
    if (G->Level == 0) break;
  }
  AIndex = AAnswer;
  return FItems[static_cast<size_t>(AAnswer)];
}

// The visible group at ARowIndex (its index), or -1 with AGroupIndex the group whose data rows
// hold ARowIndex (-1 when none).
Integer TcxDataGroups::FindItem(Integer ARowIndex, Integer& AGroupIndex) const {
  Integer L = 0, H = ItemCount() - 1;
  while (L <= H) {
    Integer M = (L + H) / 2;
    Integer ARow = FItems[static_cast<size_t>(M)]->RowIndex;
    if (ARow < ARowIndex) {
      L = M + 1;
    } else if (ARow > ARowIndex) {
      H = M - 1;
    } else {
      GetTopVisibleItem(ARowIndex, M);
      AGroupIndex = M;
      return M;
    }
  }
  AGroupIndex = L - 1;
  return -1;
}

Integer TcxDataGroups::Find(Integer ARowIndex, TcxDataGroupInfo*& AGroupInfo) const {
  Integer AGroupIndex;
  Integer AResult = FindItem(ARowIndex, AGroupIndex);
  AGroupInfo = InRange(AGroupIndex) ? FItems[static_cast<size_t>(AGroupIndex)] : nullptr;
  return AResult;
}

Integer TcxDataGroups::GetRowCount() const {
  if (FItems.empty()) return 0;
  Integer AIndex = ItemCount() - 1;
  Integer ARow = FItems.back()->RowIndex;
  const TcxDataGroupInfo* V = GetTopVisibleItem(ARow, AIndex);
  return ARow + 1 + (V->Expanded ? V->LastIndex - V->FirstIndex + 1 : 0);
}

Integer TcxDataGroups::GetDataRecordListIndex(const TcxDataGroupInfo* AGroupInfo) const {
  const TcxDataGroupInfo* G = AGroupInfo;
  while (G && !IsLastLevel(G) && InRange(G->FirstIndex)) G = FItems[static_cast<size_t>(G->FirstIndex)];
  return G ? G->FirstIndex : -1;
}

TcxRowInfo TcxDataGroups::GetRowInfo(Integer ARowIndex) const {
  TcxRowInfo AInfo;
  TcxDataGroupInfo* G;
  if (Find(ARowIndex, G) >= 0) {
    AInfo.Level = G->Level;
    AInfo.Expanded = G->Expanded;
    AInfo.RecordIndex = GetDataRecordListIndex(G);
  } else {
    AInfo.Level = FieldCount();
    AInfo.RecordIndex = G ? ARowIndex + G->FirstIndex - G->RowIndex - 1 : -1;
  }
  return AInfo;
}

bool TcxDataGroups::IsVisible(Integer AIndex) const {
  if (!InRange(AIndex)) return false;
  Integer ATop = AIndex;
  GetTopVisibleItem(FItems[static_cast<size_t>(AIndex)]->RowIndex, ATop);
  return ATop == AIndex;
}

bool TcxDataGroups::MakeVisible(Integer AIndex, bool AExpandSelf) {
  if (!InRange(AIndex)) return false;
  bool AChanged = false;
  TcxDataGroupInfo* G = FItems[static_cast<size_t>(AIndex)];
  if (AExpandSelf && !G->Expanded) {
    G->Expanded = true;
    AChanged = true;
  }
  Integer ALevel = G->Level;
  for (Integer I = AIndex - 1; I >= 0 && ALevel > 0; --I) {
    G = FItems[static_cast<size_t>(I)];
    if (G->Level < ALevel) {
      ALevel = G->Level;
      if (!G->Expanded) {
        G->Expanded = true;
        AChanged = true;
      }
    }
  }
  if (AChanged) Rebuild();
  return AChanged;
}

void TcxDataGroups::ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive) {
  TcxDataGroupInfo* G;
  Integer AIndex = Find(ARowIndex, G);
  if (AIndex < 0) return;
  G->Expanded = AExpanded;
  if (ARecursive && !IsLastLevel(G))
    for (Integer I = AIndex + 1; I < ItemCount() && FItems[static_cast<size_t>(I)]->Level > G->Level; ++I)
      FItems[static_cast<size_t>(I)]->Expanded = AExpanded;
  Rebuild();
}

void TcxDataGroups::FullExpanding(bool AExpanded) {
  for (TcxDataGroupInfo* G : FItems) G->Expanded = AExpanded;
  Rebuild();
}

// ---- Navigation ------------------------------------------------------------------------------------------

Integer TcxDataGroups::GetFirstLevelCount() const {
  return static_cast<Integer>(
      std::count_if(FItems.begin(), FItems.end(), [](const TcxDataGroupInfo* G) { return G->Level == 0; }));
}

Integer TcxDataGroups::GetFirstLevelIndex(Integer AIndex) const {
  if (AIndex < 0) return -1;
  for (Integer I = 0; I < ItemCount(); ++I)
    if (FItems[static_cast<size_t>(I)]->Level == 0 && AIndex-- == 0) return I;
  return -1;
}

Integer TcxDataGroups::GetChildCount(Integer AIndex) const {
  if (AIndex == -1) return GetFirstLevelCount();
  if (!InRange(AIndex)) return 0;
  const TcxDataGroupInfo* G = FItems[static_cast<size_t>(AIndex)];
  if (IsLastLevel(G)) return G->LastIndex - G->FirstIndex + 1;
  Integer ACount = 0;
  for (Integer I = G->FirstIndex; I <= G->LastIndex && InRange(I); ++I)
    if (FItems[static_cast<size_t>(I)]->Level == G->Level + 1) ++ACount;
  return ACount;
}

Integer TcxDataGroups::GetChildIndex(Integer AIndex, Integer AChildIndex) const {
  if (AIndex == -1) return GetFirstLevelIndex(AChildIndex);
  if (!InRange(AIndex) || AChildIndex < 0) return -1;
  const TcxDataGroupInfo* G = FItems[static_cast<size_t>(AIndex)];
  if (IsLastLevel(G) || G->LastIndex - G->FirstIndex < AChildIndex) return -1;
  for (Integer I = G->FirstIndex; I <= G->LastIndex && InRange(I); ++I)
    if (FItems[static_cast<size_t>(I)]->Level == G->Level + 1 && AChildIndex-- == 0) return I;
  return -1;
}

Integer TcxDataGroups::GetChildRecordListIndex(Integer AIndex, Integer AChildIndex) const {
  if (!InRange(AIndex)) return -1;
  const TcxDataGroupInfo* G = FItems[static_cast<size_t>(AIndex)];
  if (!IsLastLevel(G) || AChildIndex < 0 || AChildIndex > G->LastIndex - G->FirstIndex) return -1;
  return G->FirstIndex + AChildIndex;
}

Integer TcxDataGroups::GetParentIndex(Integer AIndex) const {
  if (!InRange(AIndex)) return -1;
  Integer ALevel = FItems[static_cast<size_t>(AIndex)]->Level;
  for (Integer I = AIndex - 1; I >= 0; --I)
    if (FItems[static_cast<size_t>(I)]->Level < ALevel) return I;
  return -1;
}

Integer TcxDataGroups::GetLevel(Integer AIndex) const {
  return InRange(AIndex) ? FItems[static_cast<size_t>(AIndex)]->Level : -1;
}

Integer TcxDataGroups::FindByIndex(Integer AListIndex, Integer ALevel) const {
  Integer ARemembered = -1;
  for (Integer I = 0; I < ItemCount(); ++I) {
    const TcxDataGroupInfo* G = FItems[static_cast<size_t>(I)];
    if (G->Level == ALevel) ARemembered = I;
    if (IsLastLevel(G) && G->FirstIndex <= AListIndex && AListIndex <= G->LastIndex) return ARemembered;
  }
  return -1;
}

Integer TcxDataGroups::GetIndexByRowIndexLevel(Integer ARowIndex, Integer ALevel) const {
  Integer AIndex;
  FindItem(ARowIndex, AIndex);
  if (!InRange(AIndex) || ALevel == -1) return InRange(AIndex) ? AIndex : -1;
  if (FItems[static_cast<size_t>(AIndex)]->Level < ALevel) {
    for (Integer I = AIndex + 1; I < ItemCount(); ++I)
      if (FItems[static_cast<size_t>(I)]->Level == ALevel) return I;
  } else {
    for (Integer I = AIndex; I >= 0; --I)
      if (FItems[static_cast<size_t>(I)]->Level == ALevel) return I;
  }
  return -1;
}

// ---- Sorting, filtering and building ---------------------------------------------------------------------

void QuickSortList(TcxRecordList& AList, Integer L, Integer R, const TcxRecordCompare& ACompare) {
  QuickSortListOf(AList, L, R, ACompare);
}

// One pass from the end, moving the kept records towards the end, then one shift: linear time.
bool FilterRecordList(TcxRecordList& AList, Integer AKeptRecord, const TcxRecordFilter& AReject) {
  size_t W = AList.size();
  for (size_t P = AList.size(); P-- > 0;) {
    Integer ARecord = AList[P];
    if (ARecord == AKeptRecord || !AReject(ARecord)) AList[--W] = ARecord;
  }
  AList.erase(AList.begin(), AList.begin() + static_cast<std::ptrdiff_t>(W));
  return W > 0;
}

namespace {

// Starts new groups at every level from the first one where a record leaves its predecessor's group.
void AddGroupsFrom(TcxDataGroups* AGroups, const TcxRecordList& AList, const TcxGroupCompare& ACompare,
                   std::vector<TcxDataGroupInfo*>& AOpen, std::vector<Integer>& AKey, Integer& ATopCounter) {
  const Integer F = AGroups->FieldCount();
  const Integer ACount = static_cast<Integer>(AList.size());
  for (Integer P = 1; P < ACount; ++P) {
    const Integer ARecord = AList[static_cast<size_t>(P)];
    Integer K = 0;
    while (K < F && ACompare(AKey[static_cast<size_t>(K)], ARecord, K) == 0) ++K;
    if (K == F) continue;
    if (K == 0) ++ATopCounter;
    for (; K < F; ++K) {
      TcxDataGroupInfo*& AOpenGroup = AOpen[static_cast<size_t>(K)];
      AOpenGroup->LastIndex = K < F - 1 ? AGroups->ItemCount() - 1 : P - 1;
      TcxDataGroupInfo* G = AGroups->AddEmpty();
      G->RowIndex = ATopCounter;
      G->Level = K;
      G->FirstIndex = K < F - 1 ? AGroups->ItemCount() : P;
      AOpenGroup = G;
      AKey[static_cast<size_t>(K)] = ARecord;
    }
  }
}

}  // namespace

void BuildDataGroups(TcxDataGroups* AGroups, const TcxRecordList& AList, const TcxGroupCompare& ACompare) {
  AGroups->ClearItems();
  const Integer F = AGroups->FieldCount();
  const Integer ACount = static_cast<Integer>(AList.size());
  if (F == 0 || ACount == 0) return;
  std::vector<TcxDataGroupInfo*> AOpen(static_cast<size_t>(F));
  std::vector<Integer> AKey(static_cast<size_t>(F), AList[0]);
  for (Integer K = 0; K < F; ++K) {
    TcxDataGroupInfo* G = AGroups->AddEmpty();
    G->Level = K;
    G->FirstIndex = K < F - 1 ? K + 1 : 0;
    AOpen[static_cast<size_t>(K)] = G;
  }
  Integer ATopCounter = 0;
  // A comparison that raises leaves no half-built tree behind: its open groups have no end yet.
  try {
    AddGroupsFrom(AGroups, AList, ACompare, AOpen, AKey, ATopCounter);
  } catch (...) {
    AGroups->ClearItems();
    throw;
  }
  for (Integer K = 0; K < F; ++K)
    AOpen[static_cast<size_t>(K)]->LastIndex = K < F - 1 ? AGroups->ItemCount() - 1 : ACount - 1;
}

}  // namespace cxDataGroups
