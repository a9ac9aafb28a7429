// The row selection by record identity: the bookmark set, the scanned lists and the selection with
// its two modes. Range mode keeps sorted, disjoint ranges of bookmark positions; two ranges that
// touch in the dataset's order (one ends on the record just before the other's first) are merged,
// so adjacency is decided by the dataset, not by the bookmark strings.
#include "TSDBGrid.h"
#include "TSDBGridScope.h"
#include "TSGridStores.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsBookmarkSetNode)
IMPLEMENT_CLASS(TtsBookmarkSet)
IMPLEMENT_CLASS(TtsSelectedList)
IMPLEMENT_CLASS(TtsDBSelection)

// ---- TtsBookmarkSet --------------------------------------------------------------------------------------
TtsSetOrder TtsBookmarkSetNode::Compare(TtsCustomSet* Set, const void* Value) {
  auto* set = static_cast<TtsBookmarkSet*>(Set);
  const String& key = *static_cast<const String*>(Value);
  Integer c = set->GetGrid() ? set->GetGrid()->CompareBkm(key, GetText()) : -2;
  // Without an active grid to order them, bookmarks keep their byte order.
  if (c == -2) c = key == GetText() ? 0 : (key < GetText() ? -1 : 1);
  return c == 0 ? TSSetLib::ordEqual : c < 0 ? TSSetLib::ordSmaller : TSSetLib::ordLarger;
}

TtsSetNode* TtsBookmarkSet::NewNode(const void* Value) {
  return New<TtsBookmarkSetNode>(*static_cast<const String*>(Value));
}

void TtsBookmarkSet::Destroy() {
  ResetBkmList();
  inherited::Destroy();
}

void TtsBookmarkSet::Assign(TtsCustomSet* Source) {
  if (!Source || !Source->Is<TtsBookmarkSet>()) return;
  ResetBkmList();
  inherited::Assign(Source);
}

void TtsBookmarkSet::Clear() {
  ResetBkmList();
  inherited::Clear();
}

String* TtsBookmarkSet::Add(const String& Bkm) {
  ResetBkmList();
  return inherited::Add(Bkm);
}

bool TtsBookmarkSet::Remove(const String& Bkm) {
  ResetBkmList();
  return inherited::Remove(Bkm);
}

TtsSetList* TtsBookmarkSet::GetBkmList() {
  if (!FBkmList) FBkmList = List();
  return FBkmList;
}

void TtsBookmarkSet::ResetBkmList() {
  FreeAndNil(FBkmList);
  FCursor = 0;
}

const String& TtsBookmarkSet::ItemAt(Integer Index) {
  return *static_cast<const String*>(GetBkmList()->GetItems(Index));
}

void TtsBookmarkSet::GetBkmListPos(const String& Bkm, Integer& Low, Integer& High) {
  while (Low <= High) {
    Integer mid = (Low + High) / 2;
    Integer c = FGrid ? FGrid->CompareBkm(ItemAt(mid), Bkm) : (ItemAt(mid) < Bkm ? -1 : ItemAt(mid) == Bkm ? 0 : 1);
    if (c > 0) {
      High = mid - 1;
    } else if (c < 0) {
      Low = mid + 1;
    } else {
      Low = High = mid;
      return;
    }
  }
}

String TtsBookmarkSet::First() {
  if (GetCount() == 0) return String();
  FCursor = 1;
  return ItemAt(FCursor);
}

String TtsBookmarkSet::Last() {
  if (GetCount() == 0) return String();
  FCursor = GetBkmList()->GetCount();
  return ItemAt(FCursor);
}

String TtsBookmarkSet::Next(const String& Bkm) {
  Integer count = GetBkmList()->GetCount();
  if (!(FCursor >= 1 && FCursor <= count && ItemAt(FCursor) == Bkm)) {
    Integer low = 1, high = count;
    GetBkmListPos(Bkm, low, high);
    FCursor = high;
  }
  if (FCursor >= 0 && FCursor < count) return ItemAt(++FCursor);
  return String();
}

String TtsBookmarkSet::Previous(const String& Bkm) {
  Integer count = GetBkmList()->GetCount();
  if (!(FCursor >= 1 && FCursor <= count && ItemAt(FCursor) == Bkm)) {
    Integer low = 1, high = count;
    GetBkmListPos(Bkm, low, high);
    FCursor = low;
  }
  if (FCursor > 1 && FCursor <= count + 1) return ItemAt(--FCursor);
  return String();
}

void TtsSelectedList::ClearList() {
  for (Integer i = 0; i < GetCount(); ++i) Put(i, String());
}

// ---- TtsDBSelection: state -----------------------------------------------------------------------------
void TtsDBSelection::Construct() {
  inherited::Construct();
  FBookmarkSet = New<TtsBookmarkSet>();
  FBookmarkSet->SetGrid(FGrid);
}

void TtsDBSelection::Destroy() {
  FRanges.clear();
  FreeAndNil(FBookmarkSet);
  inherited::Destroy();
}

bool TtsDBSelection::Bound() const { return FGrid && FGrid->GetDataBound(); }

TtsGridData* TtsDBSelection::Data() const { return FGrid->GetGridData(); }

bool TtsDBSelection::Assign(TtsDBSelection* Source) {
  if (!Source) return false;
  bool result = RowsSelected() || Source->RowsSelected();
  ResetAll();
  FUseRangeSelection = Source->FUseRangeSelection;
  FAllSelected = Source->FAllSelected;
  if (Source->FBookmarkSet->GetCount() > 0) FBookmarkSet->Assign(Source->FBookmarkSet);
  if (!Source->FRanges.empty()) {
    FRanges.reserve(Source->FRanges.capacity());
    FRanges = Source->FRanges;
  }
  CheckRowsSelected();
  return result;
}

bool TtsDBSelection::RowsSelected() const {
  if (!Bound()) return FRowSelection && FRowSelection->Count > 0;
  return !FRanges.empty() || FBookmarkSet->GetCount() > 0;
}

void TtsDBSelection::CheckRowsSelected() {
  if (!FGrid || !Bound()) return;
  FGrid->SetRowSelectStatus(RowsSelected());
  if (Data()) Data()->ClearPropBuffer(0, 0, true);
}

void TtsDBSelection::ResetAll() {
  if (FGrid && (!FRanges.empty() || FBookmarkSet->GetCount() > 0)) FGrid->SetSelectChanged(stRowSelect);
  FBookmarkSet->Clear();
  FRanges.clear();
  FAllSelected = false;
  CheckRowsSelected();
}

void TtsDBSelection::SetUseRangeSelection(bool UseRange) {
  if (UseRange == FUseRangeSelection) return;
  if (!FRanges.empty() || FBookmarkSet->GetCount() > 0) ResetAll();
  FUseRangeSelection = UseRange;
}

bool TtsDBSelection::GetAllSelected() {
  if (!FUseRangeSelection) return FAllSelected;
  if (FRanges.size() != 1 || !Bound() || !Data()) return false;
  TtsDatasetKeeper keep(FGrid);
  TtsBkmPos first, last, before, after;
  Data()->FirstBkmPos(first);
  Data()->LastBkmPos(last);
  Data()->PrevBkmPos(RangeAt(1).StartPos, before);
  Data()->NextBkmPos(RangeAt(1).EndPos, after);
  return !Data()->LessBkmPos(first, before) && !Data()->GreaterBkmPos(last, after);
}

// ---- By bookmarks and by positions ---------------------------------------------------------------------
bool TtsDBSelection::OrderedArguments(const String& StartBkm, const String& EndBkm) {
  return FGrid->GetBookmarkType() == bmtNonOrdered || FGrid->CompareBkm(StartBkm, EndBkm) != 1;
}

void TtsDBSelection::AddSelection(const String& StartBkm, const String& EndBkm, bool& Changed) {
  Changed = false;
  if (OrderedArguments(StartBkm, EndBkm)) AddBkmPosSelection(CurrentBkmPos(StartBkm), CurrentBkmPos(EndBkm), Changed);
}

void TtsDBSelection::RemoveSelection(const String& StartBkm, const String& EndBkm, bool& Changed) {
  Changed = false;
  if (OrderedArguments(StartBkm, EndBkm))
    RemoveBkmPosSelection(CurrentBkmPos(StartBkm), CurrentBkmPos(EndBkm), Changed);
}

void TtsDBSelection::UpdateSelection(const String& StartBkm, const String& EndBkm, bool Select) {
  bool changed = false;
  if (Select)
    AddSelection(StartBkm, EndBkm, changed);
  else
    RemoveSelection(StartBkm, EndBkm, changed);
  if (changed) FGrid->SetSelectChanged(stRowSelect);
}

void TtsDBSelection::ChangeSelection(const String& StartBkm, const String& EndBkm) {
  if (OrderedArguments(StartBkm, EndBkm)) ChangeBkmPosSelection(CurrentBkmPos(StartBkm), CurrentBkmPos(EndBkm), crBoth);
}

void TtsDBSelection::AddBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  TtsFinally check([&] { CheckRowsSelected(); });
  if (FUseRangeSelection)
    AddRangeSelection(StartPos, EndPos, Changed);
  else
    AddSetSelection(StartPos, EndPos, Changed);
}

void TtsDBSelection::RemoveBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  TtsFinally check([&] { CheckRowsSelected(); });
  if (FUseRangeSelection)
    RemoveRangeSelection(StartPos, EndPos, Changed);
  else
    RemoveSetSelection(StartPos, EndPos, Changed);
}

void TtsDBSelection::UpdateBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool Select) {
  bool changed = false;
  if (Select)
    AddBkmPosSelection(StartPos, EndPos, changed);
  else
    RemoveBkmPosSelection(StartPos, EndPos, changed);
  if (changed) FGrid->SetSelectChanged(stRowSelect);
}

void TtsDBSelection::ChangeBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos,
                                           TtsCombineRange Combine) {
  TtsFinally check([&] { CheckRowsSelected(); });
  if (FUseRangeSelection)
    ChangeRangeSelection(StartPos, EndPos, Combine);
  else
    ChangeSetSelection(StartPos, EndPos);
}

void TtsDBSelection::SetSelected(const String& Bkm, bool Select) {
  TtsDatasetKeeper keep(FGrid);
  UpdateSelection(Bkm, Bkm, Select);
}

// ---- Range mode ------------------------------------------------------------------------------------------
void TtsDBSelection::SearchRangeIndex(Integer Low, Integer High, bool& Found, Integer& Index, TtsBkmPos Pos) {
  Found = false;
  Index = 0;
  if (High < Low) return;
  for (;;) {
    Integer mid = (Low + High) / 2;
    TtsBkmPos p = Pos, start = RangeAt(mid).StartPos, end = RangeAt(mid).EndPos;
    if (Data()->LessBkmPos(p, start)) {
      if (Low > mid - 1) {
        Index = mid;
        return;
      }
      High = mid - 1;
    } else if (p = Pos, Data()->GreaterBkmPos(p, end)) {
      if (mid + 1 > High) {
        Index = mid;
        return;
      }
      Low = mid + 1;
    } else {
      Found = true;
      Index = mid;
      return;
    }
  }
}

void TtsDBSelection::CompRangeIndexes(const TtsSelectedRange& Range, Integer& First, Integer& Last,
                                      bool& StartInside, bool& EndInside) {
  Integer n = GetRangesInUse();
  SearchRangeIndex(1, n, StartInside, First, Range.StartPos);
  TtsBkmPos p = Range.StartPos;
  if (!StartInside && First > 0 && Data()->GreaterBkmPos(p, RangeAt(First).EndPos)) ++First;
  SearchRangeIndex(1, n, EndInside, Last, Range.EndPos);
  p = Range.EndPos;
  if (!EndInside && Last > 0 && Data()->LessBkmPos(p, RangeAt(Last).StartPos)) --Last;
  if (n == 0) First = 1;
}

bool TtsDBSelection::CombinePrevRange(TtsBkmPos& Pos, Integer& Index, bool Adopt) {
  if (Index <= 1) return false;
  TtsBkmPos before;
  Data()->PrevBkmPos(Pos, before);
  TtsBkmPos probe = before;
  if (!Data()->LessEqualBkmPos(probe, RangeAt(Index - 1).EndPos)) return false;
  if (Adopt) Pos = before;
  --Index;
  for (;;) {
    if (Index <= 1) break;
    probe = Adopt ? Pos : before;
    if (Data()->GreaterBkmPos(probe, RangeAt(Index - 1).EndPos)) break;
    --Index;
  }
  return true;
}

bool TtsDBSelection::CombineNextRange(TtsBkmPos& Pos, Integer& Index, bool Adopt) {
  if (Index >= GetRangesInUse()) return false;
  TtsBkmPos after;
  Data()->NextBkmPos(Pos, after);
  TtsBkmPos probe = after;
  if (!Data()->GreaterEqualBkmPos(probe, RangeAt(Index + 1).StartPos)) return false;
  if (Adopt) Pos = after;
  ++Index;
  for (;;) {
    if (Index + 1 > GetRangesInUse()) break;
    probe = Adopt ? Pos : after;
    if (Data()->LessBkmPos(probe, RangeAt(Index + 1).StartPos)) break;
    ++Index;
  }
  return true;
}

void TtsDBSelection::AdjustRangeBuffer(Integer Needed) {
  if (static_cast<Integer>(FRanges.capacity()) < Needed) FRanges.reserve(static_cast<size_t>(Needed) + 4);
}

void TtsDBSelection::InsertNewRange(Integer Index, const TtsSelectedRange& Range, TtsCombineRange Combine) {
  if (FRanges.empty()) {
    AdjustRangeBuffer(1);
    FRanges.push_back(Range);
    return;
  }
  Integer low = Index, high = Index - 1;
  TtsBkmPos start = Range.StartPos, end = Range.EndPos;
  if (Combine != crNext) CombinePrevRange(start, low, false);
  if (Combine != crPrior) CombineNextRange(end, high, false);
  if (high < low) {
    if (Index < 1) Index = 1;
    AdjustRangeBuffer(GetRangesInUse() + 1);
    FRanges.insert(FRanges.begin() + (Index - 1), Range);
    return;
  }
  CombineRanges(low, high, Range);
}

void TtsDBSelection::CombineRanges(Integer Low, Integer High, const TtsSelectedRange& Range) {
  Integer n = GetRangesInUse();
  TtsSelectedRange united = Range;
  TtsBkmPos p = Range.StartPos;
  if (Low > 0 && Low <= n && !Data()->LessBkmPos(p, RangeAt(Low).StartPos)) united.StartPos = RangeAt(Low).StartPos;
  p = Range.EndPos;
  if (High >= 1 && High <= n && !Data()->GreaterBkmPos(p, RangeAt(High).EndPos)) united.EndPos = RangeAt(High).EndPos;
  Low = std::max<Integer>(Low, 1);
  High = std::min(High, n);
  if (High < Low) {
    FRanges.insert(FRanges.begin() + (Low - 1), united);
    return;
  }
  RangeAt(Low) = united;
  FRanges.erase(FRanges.begin() + Low, FRanges.begin() + High);
}

void TtsDBSelection::AddRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  Changed = true;
  TtsSelectedRange range{StartPos, EndPos};
  Integer first, last;
  bool startInside, endInside;
  CompRangeIndexes(range, first, last, startInside, endInside);
  Integer n = GetRangesInUse();
  if (last < first || first > n) {
    InsertNewRange(first, range, crBoth);
  } else if (first == last && startInside && endInside) {
    Changed = false;
  } else {
    TtsBkmPos start = StartPos, end = EndPos;
    CombinePrevRange(start, first, false);
    CombineNextRange(end, last, false);
    CombineRanges(first, last, range);
  }
}

// Whether a piece cut from a range holds no record: beside the dataset's start or end a piece such
// as (start of data .. before the first record) is empty.
bool TtsDBSelection::EmptyPiece(const TtsSelectedRange& Piece) {
  TtsBkmPos start, end;
  Data()->ActualBkmPos(Piece.StartPos, start);
  Data()->ActualBkmPos(Piece.EndPos, end);
  if (end.Offset == bpoBof || start.Offset == bpoEof) return true;
  if (start.Offset == bpoBof || end.Offset == bpoEof) return false;
  return FGrid->CompareBkm(start.Bookmark, end.Bookmark) > 0;
}

void TtsDBSelection::KeepPieces(Integer First, Integer Last, std::vector<TtsSelectedRange>& Pieces) {
  std::erase_if(Pieces, [&](const TtsSelectedRange& Piece) { return EmptyPiece(Piece); });
  AdjustRangeBuffer(GetRangesInUse() + 1);
  FRanges.erase(FRanges.begin() + (First - 1), FRanges.begin() + Last);
  FRanges.insert(FRanges.begin() + (First - 1), Pieces.begin(), Pieces.end());
}

void TtsDBSelection::RemoveRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  Changed = false;
  Integer first, last;
  bool startInside, endInside;
  CompRangeIndexes(TtsSelectedRange{StartPos, EndPos}, first, last, startInside, endInside);
  Integer n = GetRangesInUse();
  if (n == 0 || last < first || first > n || last < 1) return;
  Changed = true;
  std::vector<TtsSelectedRange> pieces;
  TtsBkmPos p = StartPos;
  if (Data()->GreaterBkmPos(p, RangeAt(first).StartPos)) {
    TtsSelectedRange left{RangeAt(first).StartPos, TtsBkmPos()};
    Data()->PrevBkmPos(StartPos, left.EndPos);
    pieces.push_back(left);
  }
  p = EndPos;
  if (Data()->LessBkmPos(p, RangeAt(last).EndPos)) {
    TtsSelectedRange right{TtsBkmPos(), RangeAt(last).EndPos};
    Data()->NextBkmPos(EndPos, right.StartPos);
    pieces.push_back(right);
  }
  KeepPieces(first, last, pieces);
}

void TtsDBSelection::ChangeRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos,
                                          TtsCombineRange Combine) {
  TtsSelectedRange range{StartPos, EndPos};
  Integer first, last;
  bool startInside, endInside;
  CompRangeIndexes(range, first, last, startInside, endInside);
  Integer n = GetRangesInUse();
  if (last < first || first > n || last < 1)
    InsertNewRange(first, range, Combine);
  else
    InvertSelection(range, first, last, Combine);
  FGrid->SetSelectChanged(stRowSelect);
}

// Flips every record of Range, which overlaps ranges First..Last: their parts inside it become
// unselected and the gaps between them selected. A new piece at either end may reach a neighbour
// outside First..Last and is then merged with it.
void TtsDBSelection::InvertSelection(const TtsSelectedRange& Range, Integer First, Integer Last,
                                     TtsCombineRange Combine) {
  std::vector<TtsSelectedRange> pieces;
  Integer low = First, high = Last;
  TtsBkmPos p = Range.StartPos;
  TtsSelectedRange& firstRange = RangeAt(First);
  if (Data()->LessBkmPos(p, firstRange.StartPos)) {
    TtsSelectedRange piece{Range.StartPos, TtsBkmPos()};
    Data()->PrevBkmPos(firstRange.StartPos, piece.EndPos);
    if (Combine != crNext && CombinePrevRange(piece.StartPos, low, false)) piece.StartPos = RangeAt(low).StartPos;
    pieces.push_back(piece);
  } else if (p = Range.StartPos, Data()->GreaterBkmPos(p, firstRange.StartPos)) {
    TtsSelectedRange piece{firstRange.StartPos, TtsBkmPos()};
    Data()->PrevBkmPos(Range.StartPos, piece.EndPos);
    pieces.push_back(piece);
  }
  for (Integer i = First; i < Last; ++i) {
    TtsSelectedRange gap;
    Data()->NextBkmPos(RangeAt(i).EndPos, gap.StartPos);
    Data()->PrevBkmPos(RangeAt(i + 1).StartPos, gap.EndPos);
    pieces.push_back(gap);
  }
  p = Range.EndPos;
  TtsSelectedRange& lastRange = RangeAt(Last);
  if (Data()->GreaterBkmPos(p, lastRange.EndPos)) {
    TtsSelectedRange piece{TtsBkmPos(), Range.EndPos};
    Data()->NextBkmPos(lastRange.EndPos, piece.StartPos);
    if (Combine != crPrior && CombineNextRange(piece.EndPos, high, false)) piece.EndPos = RangeAt(high).EndPos;
    pieces.push_back(piece);
  } else if (p = Range.EndPos, Data()->LessBkmPos(p, lastRange.EndPos)) {
    TtsSelectedRange piece{TtsBkmPos(), lastRange.EndPos};
    Data()->NextBkmPos(Range.EndPos, piece.StartPos);
    pieces.push_back(piece);
  }
  KeepPieces(low, high, pieces);
}

// ---- Set mode --------------------------------------------------------------------------------------------
namespace {
// The one record both positions stand for, or false when they name different records.
bool SameRecord(TtsGridData* Data, TtsCustomDBGrid* Grid, const TtsBkmPos& StartPos, const TtsBkmPos& EndPos,
                String& Bkm) {
  TtsBkmPos a, b;
  Data->ActualBkmPos(StartPos, a);
  Data->ActualBkmPos(EndPos, b);
  if (a.Offset != bpoCurrent || b.Offset != bpoCurrent || a.Bookmark.empty()) return false;
  if (Grid->CompareBkm(a.Bookmark, b.Bookmark) != 0) return false;
  Bkm = a.Bookmark;
  return true;
}
}  // namespace

void TtsDBSelection::AddSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  Changed = false;
  String bkm;
  if (!SameRecord(Data(), FGrid, StartPos, EndPos, bkm)) return;
  Integer before = FBookmarkSet->GetCount();
  FBookmarkSet->Add(bkm);
  Changed = FBookmarkSet->GetCount() != before;
}

void TtsDBSelection::RemoveSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed) {
  Changed = false;
  String bkm;
  if (!SameRecord(Data(), FGrid, StartPos, EndPos, bkm)) return;
  Changed = FBookmarkSet->Remove(bkm);
  if (Changed) FAllSelected = false;
}

void TtsDBSelection::ToggleBookmark(const String& Bkm) {
  if (Bkm.empty()) return;
  if (FBookmarkSet->Remove(Bkm))
    FAllSelected = false;
  else
    FBookmarkSet->Add(Bkm);
}

void TtsDBSelection::ChangeSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos) {
  String bkm;
  if (!SameRecord(Data(), FGrid, StartPos, EndPos, bkm)) return;
  ToggleBookmark(bkm);
  FGrid->SetSelectChanged(stRowSelect);
}

void TtsDBSelection::ChangeRownrSelection(Integer FromLine, Integer ToLine) {
  if (ToLine < FromLine) return;
  TtsFinally check([&] { CheckRowsSelected(); });
  FromLine = std::max<Integer>(FromLine, 1);
  ToLine = std::min(ToLine, Data()->GetBufferRows());
  for (Integer line = FromLine; line <= ToLine; ++line) ToggleBookmark(Data()->GetBookmark(line));
  FGrid->SetSelectChanged(stRowSelect);
}

void TtsDBSelection::AddSelectedList(TtsSelectedList* List, bool Reset, bool ScanAll, bool& Cancel) {
  ApplyList(List, true, Reset, ScanAll, Cancel);
}

void TtsDBSelection::DeleteSelectedList(TtsSelectedList* List, bool ScanAll, bool& Cancel) {
  ApplyList(List, false, false, ScanAll, Cancel);
}

// All or nothing: the set is backed up first and put back when the handler cancels or an error
// interrupts the walk.
void TtsDBSelection::ApplyList(TtsSelectedList* List, bool Add, bool Reset, bool ScanAll, bool& Cancel) {
  if (!List || List->GetCount() == 0) return;
  TtsFinally check([&] { CheckRowsSelected(); });
  TtsBookmarkSet* backup = New<TtsBookmarkSet>();
  backup->SetGrid(FGrid);
  backup->Assign(FBookmarkSet);
  auto keepBackup = [&] {
    std::swap(backup, FBookmarkSet);
    backup->Free();
  };
  try {
    if (Reset) ResetAll();
    Integer reported = 0, counter = 0;
    for (Integer i = 0; i < List->GetCount(); ++i) {
      FGrid->DoScanRecord(ScanAll, sstSave, Cancel, reported, counter);
      if (Cancel) break;
      if (Add)
        FBookmarkSet->Add(List->GetItem(i));
      else
        FBookmarkSet->Remove(List->GetItem(i));
    }
    if (!Add) FAllSelected = false;
    FGrid->SetSelectChanged(stRowSelect);
  } catch (...) {
    Cancel = true;
    keepBackup();
    throw;
  }
  if (Cancel)
    keepBackup();
  else
    backup->Free();
}

// ---- Queries ---------------------------------------------------------------------------------------------
bool TtsDBSelection::GetSelected(const Variant& DataRow) {
  if (!Bound()) return FRowSelection && FRowSelection->GetSelected(DataRow.ToInteger());
  if (!RowsSelected()) return false;
  String bkm = VarToStr(DataRow);
  if (!FUseRangeSelection) return FBookmarkSet->Get(bkm) != nullptr;
  TtsDatasetKeeper keep(FGrid);
  TtsBkmPos pos = CurrentBkmPos(bkm);
  bool found;
  Integer index;
  SearchRangeIndex(1, GetRangesInUse(), found, index, pos);
  if (found) return true;
  if (index < 1) return false;
  TtsBkmPos a = RangeAt(index).StartPos, b = pos, c = pos, d = RangeAt(index).EndPos;
  return Data()->CompareBkmPos(a, b) <= 0 && Data()->CompareBkmPos(c, d) <= 0;
}

void TtsDBSelection::GetFirst(Variant& DataRow) {
  DataRow = Unassigned();
  if (!Bound()) {
    if (FRowSelection && FRowSelection->Count > 0) DataRow = FRowSelection->First;
    return;
  }
  if (!FUseRangeSelection) {
    String bkm = FBookmarkSet->First();
    if (!bkm.empty()) DataRow = bkm;
    return;
  }
  if (FRanges.empty()) return;
  TtsDatasetKeeper keep(FGrid);
  String bkm;
  if (RangeAt(1).StartPos.Offset == bpoBof)
    Data()->FirstBookmark(bkm);
  else if (!Data()->BkmPosBookmark(RangeAt(1).StartPos, bkm))
    bkm.clear();
  if (!bkm.empty()) DataRow = bkm;
}

void TtsDBSelection::GetLast(Variant& DataRow) {
  DataRow = Unassigned();
  if (!Bound()) {
    if (FRowSelection && FRowSelection->Count > 0) DataRow = FRowSelection->Last;
    return;
  }
  if (!FUseRangeSelection) {
    String bkm = FBookmarkSet->Last();
    if (!bkm.empty()) DataRow = bkm;
    return;
  }
  if (FRanges.empty()) return;
  TtsDatasetKeeper keep(FGrid);
  String bkm;
  if (FRanges.back().EndPos.Offset == bpoEof)
    Data()->LastBookmark(bkm);
  else if (!Data()->BkmPosBookmark(FRanges.back().EndPos, bkm))
    bkm.clear();
  if (!bkm.empty()) DataRow = bkm;
}

void TtsDBSelection::GetFirstBkmPos(TtsBkmPos& Pos) {
  Pos = CurrentBkmPos(String());
  if (!Bound()) return;
  if (FUseRangeSelection) {
    if (!FRanges.empty()) Pos = RangeAt(1).StartPos;
  } else if (FBookmarkSet->GetCount() > 0) {
    Pos = CurrentBkmPos(FBookmarkSet->First());
  }
}

void TtsDBSelection::GetLastBkmPos(TtsBkmPos& Pos) {
  Pos = CurrentBkmPos(String());
  if (!Bound()) return;
  if (FUseRangeSelection) {
    if (!FRanges.empty()) Pos = FRanges.back().EndPos;
  } else if (FBookmarkSet->GetCount() > 0) {
    Pos = CurrentBkmPos(FBookmarkSet->Last());
  }
}

void TtsDBSelection::NextInRange(const String& Bkm, Variant& Result) {
  TtsBkmPos pos = CurrentBkmPos(Bkm), answer = EndBkmPos();
  bool found;
  Integer r;
  SearchRangeIndex(1, GetRangesInUse(), found, r, pos);
  TtsBkmPos p = pos;
  if (found) {
    if (Data()->LessBkmPos(p, RangeAt(r).EndPos))
      Data()->NextBkmPos(pos, answer);
    else if (r < GetRangesInUse())
      answer = RangeAt(r + 1).StartPos;
  } else if (r >= 1) {
    if (Data()->LessBkmPos(p, RangeAt(r).StartPos))
      answer = RangeAt(r).StartPos;
    else if (r < GetRangesInUse())
      answer = RangeAt(r + 1).StartPos;
  }
  String bkm;
  if (Data()->BkmPosBookmark(answer, bkm) && !bkm.empty()) Result = bkm;
}

void TtsDBSelection::PreviousInRange(const String& Bkm, Variant& Result) {
  TtsBkmPos pos = CurrentBkmPos(Bkm), answer = StartBkmPos();
  bool found;
  Integer r;
  SearchRangeIndex(1, GetRangesInUse(), found, r, pos);
  TtsBkmPos p = pos;
  if (found) {
    if (Data()->GreaterBkmPos(p, RangeAt(r).StartPos))
      Data()->PrevBkmPos(pos, answer);
    else if (r > 1)
      answer = RangeAt(r - 1).EndPos;
  } else if (r >= 1) {
    if (Data()->GreaterBkmPos(p, RangeAt(r).EndPos))
      answer = RangeAt(r).EndPos;
    else if (r > 1)
      answer = RangeAt(r - 1).EndPos;
  }
  String bkm;
  if (Data()->BkmPosBookmark(answer, bkm) && !bkm.empty()) Result = bkm;
}

void TtsDBSelection::Next(const Variant& DataRow, Variant& Result) {
  Result = Unassigned();
  if (!Bound()) {
    Integer next = FRowSelection ? FRowSelection->Next(DataRow.ToInteger()) : -1;
    if (next >= 0) Result = next;
    return;
  }
  String bkm = VarToStr(DataRow);
  if (!FUseRangeSelection) {
    String next = FBookmarkSet->Next(bkm);
    if (!next.empty()) Result = next;
    return;
  }
  if (FRanges.empty()) return;
  TtsDatasetKeeper keep(FGrid);
  NextInRange(bkm, Result);
}

void TtsDBSelection::Previous(const Variant& DataRow, Variant& Result) {
  Result = Unassigned();
  if (!Bound()) {
    Integer prev = FRowSelection ? FRowSelection->Previous(DataRow.ToInteger()) : -1;
    if (prev >= 0) Result = prev;
    return;
  }
  String bkm = VarToStr(DataRow);
  if (!FUseRangeSelection) {
    String prev = FBookmarkSet->Previous(bkm);
    if (!prev.empty()) Result = prev;
    return;
  }
  if (FRanges.empty()) return;
  TtsDatasetKeeper keep(FGrid);
  PreviousInRange(bkm, Result);
}

Integer TtsDBSelection::RangeCount(const Variant& FromRow, const Variant& ToRow) {
  if (!Bound()) return FRowSelection ? FRowSelection->RangeCount(FromRow.ToInteger(), ToRow.ToInteger()) : 0;
  if (VarIsEmpty(FromRow) || VarIsEmpty(ToRow)) return 0;
  String from = VarToStr(FromRow), to = VarToStr(ToRow);
  bool ordered = FGrid->GetBookmarkType() == bmtDefault;
  if (ordered && FGrid->CompareBkm(from, to) > 0) return 0;
  Integer count = GetSelected(FromRow) ? 1 : 0;
  if (FGrid->CompareBkm(from, to) == 0) return count;
  Variant current = FromRow, next;
  for (;;) {
    Next(current, next);
    if (VarIsEmpty(next)) return ordered ? count : 0;
    String bkm = VarToStr(next);
    if (ordered) {
      if (FGrid->CompareBkm(bkm, to) > 0) return count;
      ++count;
      if (FGrid->CompareBkm(bkm, to) == 0) return count;
    } else {
      ++count;
      if (FGrid->CompareBkm(bkm, to) == 0) return count;
    }
    current = next;
  }
}

Integer TtsDBSelection::Count() {
  if (!Bound()) return FRowSelection ? FRowSelection->Count : 0;
  if (!FUseRangeSelection) return FBookmarkSet->GetCount();
  Integer count = 0;
  Variant current, next;
  GetFirst(current);
  while (!VarIsEmpty(current)) {
    ++count;
    Next(current, next);
    current = next;
  }
  return count;
}

}  // namespace TSDBGrid
