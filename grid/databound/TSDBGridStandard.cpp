// The standard strategy: the grid's rows are the data link's record window.
// Bookmarks and record ids of the rows are cached per row; the caches move with
// the window when the dataset scrolls and are not trusted while the dataset's
// controls are disabled (the link's window is not kept current then).
#include <algorithm>

#include "TSDBGridBase.h"
#include "TSDBGridData.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsStandardDataset)

void TtsStandardDataset::Destroy() {
  ClearIdBuffers(0, 0, true);
  FRecordIdCache.clear();
  FBookmarkCache.clear();
  inherited::Destroy();
}

bool TtsStandardDataset::ControlsDisabled() { return FDataSet && FDataSet->ControlsDisabled(); }

template <class F>
void TtsStandardDataset::WithActiveRow(Integer Row, F Body) {
  Integer active = FDataLink->GetActiveRecord();
  TtsFinally restore([&] { FDataLink->SetActiveRecord(active); });
  FDataLink->SetActiveRecord(Row - 1);
  Body();
}

void TtsStandardDataset::LinkActive(bool Value) {
  if (Value) {
    FDataSet = FDataLink->DataSet();
    SaveCurIndex();
    Integer rows = FGrid->MaxDisplayRows();
    ResizeIdBuffers(rows);
    ClearIdBuffers(0, 0, true);
    ResizePropBuffer(rows);
    FPropBufferClear = false;
    ClearPropBuffer(0, 0, true);
    SetDatasetBufferCount(rows);
  } else {
    FDataSet = nullptr;
    InitGridDataSet();
  }
  inherited::LinkActive(Value);
}

// ---- The window
// ---------------------------------------------------------------------------------------------
Integer TtsStandardDataset::GetBufferRows() { return GetActive() ? FDataLink->RecordCount() : 0; }

bool TtsStandardDataset::GetActive() { return FDataSet && FDataSet->GetActive(); }

void TtsStandardDataset::MoveFirst() {
  if (GetActive()) FDataSet->First();
}

void TtsStandardDataset::MoveLast() {
  if (GetActive()) FDataSet->Last();
}

void TtsStandardDataset::SetActiveRecord(Integer Row) {
  if (GetActive()) FDataLink->SetActiveRecord(Row - 1);
}

Integer TtsStandardDataset::GetActiveRecord() { return GetActive() ? FDataLink->GetActiveRecord() + 1 : 0; }

Integer TtsStandardDataset::GetActiveRecordNumber() { return GetActive() ? FDataSet->GetRecNo() : 0; }

String TtsStandardDataset::GetActiveBookmark() { return GetBookmark(GetActiveRecord()); }

Integer TtsStandardDataset::GetRecCount() { return FDataSet ? FDataSet->RecordCount() : 0; }

Integer TtsStandardDataset::FirstRow() {
  if (!GetActive()) return 0;
  Integer recNo = 0;
  WithActiveRow(1, [&] { recNo = FDataSet->GetRecNo(); });
  return recNo;
}

Integer TtsStandardDataset::CurrentBufRow() { return GetActiveRecord(); }

Integer TtsStandardDataset::BufferPos(const String &Bookmark) {
  if (!GetActive()) return 0;
  if (FDataSet->GetBookmark() == Bookmark) return GetActiveRecord();
  bool ordered = FGrid->GetBookmarkType() == bmtDefault;
  Integer c1 = CompareBkm(Bookmark, GetBookmark(1));
  if (ordered && c1 < 0) return 0;
  if (c1 == 0) return 1;
  Integer n = GetBufferRows();
  Integer c2 = CompareBkm(Bookmark, GetBookmark(n));
  if (c2 == 0) return n;
  if (ordered && c2 > 0) return n + 1;
  if (n - 2 <= 0) return 0;
  Integer found = n + 1;
  WithActiveRow(1, [&] {
    for (Integer row = 2; row < n; ++row) {
      FDataLink->SetActiveRecord(row - 1);
      if (CompareBkm(FDataSet->GetBookmark(), Bookmark) == 0) {
        found = row;
        return;
      }
    }
  });
  return found == n + 1 && !ordered ? 0 : found;
}

Integer TtsStandardDataset::BufferRow(const String &Bookmark) {
  Integer pos = BufferPos(Bookmark);
  return pos > GetBufferRows() ? 0 : pos;
}

Integer TtsStandardDataset::BufferBkmPos(const TtsBkmPos &Pos) {
  if (!GetActive()) return 0;
  Integer rows = GetBufferRows();
  switch (Pos.Offset) {
    case bpoBof:
      return 0;
    case bpoEof:
      return rows + 1;
    case bpoCurrent:
      return BufferPos(Pos.Bookmark);
    case bpoPrior: {
      Integer r = BufferPos(Pos.Bookmark);
      if (r >= 1 && r <= rows) return r - 1;
      String prev;
      if (!GetPrevBookmark(Pos.Bookmark, prev)) return 0;
      return GetBookmark(rows) == prev ? rows : rows + 1;
    }
    case bpoNext: {
      Integer r = BufferPos(Pos.Bookmark);
      if (r >= 1 && r <= rows) return r + 1;
      String next;
      if (!GetNextBookmark(Pos.Bookmark, next)) return rows + 1;
      return GetBookmark(1) == next ? 1 : 0;
    }
  }
  return 0;
}

Integer TtsStandardDataset::MoveActive(Integer Distance, Integer &Beyond) {
  Beyond = 0;
  if (!GetActive()) return 0;
  Integer active = GetActiveRecord();
  Beyond = Distance <= 0 ? std::min(Distance + active - 1, 0) : std::max(Distance + active - GetBufferRows(), 0);
  return FDataSet->MoveBy(Distance);
}

// ---- Bookmarks and record ids
// -------------------------------------------------------------------------------
String TtsStandardDataset::GetBookmark(Integer Row) {
  // Beyond the records the window holds there is no record, whatever the
  // window's size.
  if (!GetActive() || Row <= 0 || Row > FDataLink->RecordCount()) return String();
  bool cached = Row <= GetIdCacheSize();
  if (cached && !ControlsDisabled()) {
    const Variant &entry = FBookmarkCache[static_cast<size_t>(Row - 1)];
    if (!VarIsEmpty(entry)) return VarToStr(entry);
  }
  String bookmark;
  WithActiveRow(Row, [&] { bookmark = FDataSet->GetBookmark(); });
  if (cached) FBookmarkCache[static_cast<size_t>(Row - 1)] = Variant(bookmark);
  return bookmark;
}

void TtsStandardDataset::GetRecId(Integer Row, Variant &Id) {
  Id = Unassigned();
  if (Row < 1 || Row > GetBufferRows()) return;
  WithActiveRow(Row, [&] {
    if (Row > GetIdCacheSize()) {
      FGrid->DoGetRecordID(Variant(FDataSet->GetBookmark()), Id);
      return;
    }
    Variant &entry = FRecordIdCache[static_cast<size_t>(Row - 1)];
    if (ControlsDisabled() || VarIsEmpty(entry)) {
      FGrid->DoGetRecordID(Variant(GetBookmark(Row)), Id);
      if (Row <= GetBufferRows()) entry = Id;
    } else {
      Id = entry;
    }
  });
}

void TtsStandardDataset::GetRecordId(Integer Row, Variant &DataRow) {
  if (FGrid->CanUseRecordIds())
    GetRecId(Row, DataRow);
  else
    DataRow = Variant(GetBookmark(Row));
}

void TtsStandardDataset::GetBookmarkRecID(const String &Bookmark, Integer Row, Variant &Id) {
  if (Row > 0) {
    GetRecId(Row, Id);
    return;
  }
  if (Bookmark.empty()) {
    Id = Null();
    return;
  }
  WithSavedPosition([&] {
    SetToBookmark(Bookmark, false);
    GetRecId(CurrentBufRow(), Id);
  });
}

void TtsStandardDataset::GetBkmValueAndRecordID(Integer DataCol, const String &Bookmark, Variant &Value,
                                                Variant &DataRow) {
  WithSavedPosition([&] {
    SetToBookmark(Bookmark, false);
    FGrid->GetActiveCellValue(DataCol, Variant(Bookmark), Value);
    GetRecordId(CurrentBufRow(), DataRow);
  });
}

void TtsStandardDataset::BookmarkValue(Integer DataCol, const String &Bookmark, Variant &Value) {
  if (!GetActive()) return;
  SetToBookmark(Bookmark, false);
  FGrid->GetActiveCellValue(DataCol, Variant(Bookmark), Value);
}

// Looks at another record with the dataset's controls disabled, then puts the
// dataset and the view back where they were.
template <class F>
void TtsStandardDataset::WithSavedPosition(F Body) {
  if (!GetActive()) return;
  TtsDatasetPosition view;
  GetDatasetPosition(view);
  String current = FDataSet->GetBookmark();
  SetCanDisableControls(true);
  TtsFinally close([&] { SetCanDisableControls(false); });
  CheckDisableControls();
  TtsFinally restore([&] {
    SetToBookmark(current, false);
    SetDatasetPosition(view);
  });
  Body();
}

// ---- The caches
// ------------------------------------------------------------------------------------------------
void TtsStandardDataset::ClearIdBuffers(Integer First, Integer Last, bool Finalize) {
  Integer size = GetIdCacheSize();
  if (First <= 0) First = 1;
  if (Last <= 0 || Last > size) Last = size;
  for (Integer row = First; row <= Last; ++row) {
    FRecordIdCache[static_cast<size_t>(row - 1)] = Unassigned();
    FBookmarkCache[static_cast<size_t>(row - 1)] = Unassigned();
  }
}

void TtsStandardDataset::ResizeIdBuffers(Integer Rows) {
  size_t size = static_cast<size_t>(std::max(Rows, 0));
  if (size == FBookmarkCache.size()) return;
  FRecordIdCache.resize(size);
  FBookmarkCache.resize(size);
}

void TtsStandardDataset::MoveIdBuffers(Integer Distance) {
  if (!GetActive() || Distance == 0) return;
  Integer n = GetIdCacheSize();
  Integer m = Distance < 0 ? -Distance : Distance;
  if (m >= n) {
    ClearIdBuffers(0, 0, true);
    return;
  }
  for (std::vector<Variant> *cache : {&FRecordIdCache, &FBookmarkCache}) {
    if (Distance > 0) {
      std::move(cache->begin() + m, cache->end(), cache->begin());
      std::fill(cache->end() - m, cache->end(), Unassigned());
    } else {
      std::move_backward(cache->begin(), cache->end() - m, cache->end());
      std::fill(cache->begin(), cache->begin() + m, Unassigned());
    }
  }
}

// ---- Buffer size
// -----------------------------------------------------------------------------------------------
bool TtsStandardDataset::ResizeBuffer(Integer Rows, bool &Grown) {
  ResizeIdBuffers(Rows);
  ClearIdBuffers(0, 0, true);
  ResizePropBuffer(Rows);
  FPropBufferClear = false;
  ClearPropBuffer(0, 0, true);
  Integer old = FDataLink->GetBufferCount();
  bool applied = GetActive();
  if (applied) SetDatasetBufferCount(Rows);
  Grown = FDataLink->GetBufferCount() > old;
  return applied;
}

// ---- Walking the dataset
// -----------------------------------------------------------------------------------------
bool TtsStandardDataset::OnLastRecord() { return GetActive() && FDataSet->Eof(); }

bool TtsStandardDataset::SetToBookmark(const String &Bookmark, bool RaiseErrors) {
  if (FDataSet->GetBookmark() == Bookmark) return true;
  try {
    FDataSet->SetBookmark(Bookmark);
  } catch (...) {
    if (RaiseErrors) throw;
    FDataSet->Resync(TResyncMode());
    return false;
  }
  return true;
}

bool TtsStandardDataset::NextBufferBkm(const String &Bookmark, String &Next) {
  Integer r = BufferRow(Bookmark);
  if (r < 1 || r >= GetBufferRows()) return false;
  Next = GetBookmark(r + 1);
  return true;
}

bool TtsStandardDataset::PrevBufferBkm(const String &Bookmark, String &Prev) {
  Integer r = BufferRow(Bookmark);
  if (r <= 1) return false;
  Prev = GetBookmark(r - 1);
  return true;
}

// One step from Bookmark in Direction (1 or -1), with the dataset's controls
// disabled and the dataset put back afterwards. When Bookmark cannot be
// positioned on, ordered bookmarks tell whether the record the dataset is on
// lies beyond it (then it is the neighbour) or not (then one more step).
bool TtsStandardDataset::StepBookmark(const String &Bookmark, Integer Direction, String &Neighbour) {
  Neighbour.clear();
  if (!GetActive()) return false;
  CheckDisableControls();
  FDataSet->DisableControls();
  TtsFinally enable([&] { FDataSet->EnableControls(); });
  String remembered = FDataSet->GetBookmark();
  TtsFinally back([&] { SetToBookmark(remembered, false); });
  bool result = true;
  if (SetToBookmark(Bookmark, false)) {
    result = FDataSet->MoveBy(Direction) != 0;
  } else if (FGrid->GetBookmarkType() == bmtDefault) {
    Integer c = CompareBkm(Bookmark, FDataSet->GetBookmark());
    if (Direction > 0 ? c >= 0 : c <= 0) result = FDataSet->MoveBy(Direction) != 0;
  } else if (Direction < 0) {
    result = FDataSet->MoveBy(Direction) != 0;
  }
  if (result) Neighbour = FDataSet->GetBookmark();
  return result;
}

bool TtsStandardDataset::GetNextBookmark(const String &Bookmark, String &Next) {
  return StepBookmark(Bookmark, 1, Next);
}

bool TtsStandardDataset::GetPrevBookmark(const String &Bookmark, String &Prev) {
  return StepBookmark(Bookmark, -1, Prev);
}

bool TtsStandardDataset::NextBookmark(const String &Bookmark, String &Next) {
  return NextBufferBkm(Bookmark, Next) || GetNextBookmark(Bookmark, Next);
}

bool TtsStandardDataset::PrevBookmark(const String &Bookmark, String &Prev) {
  return PrevBufferBkm(Bookmark, Prev) || GetPrevBookmark(Bookmark, Prev);
}

void TtsStandardDataset::PrevBkmPos(const TtsBkmPos &Pos, TtsBkmPos &Result) {
  switch (Pos.Offset) {
    case bpoBof:
      Result = Pos;
      break;
    case bpoCurrent:
    case bpoEof:
      Result = TtsBkmPos{Pos.Bookmark, bpoPrior};
      break;
    case bpoNext:
      Result = CurrentBkmPos(Pos.Bookmark);
      break;
    case bpoPrior: {
      String prev;
      Result = PrevBookmark(Pos.Bookmark, prev) ? TtsBkmPos{prev, bpoPrior} : StartBkmPos();
      break;
    }
  }
}

void TtsStandardDataset::NextBkmPos(const TtsBkmPos &Pos, TtsBkmPos &Result) {
  switch (Pos.Offset) {
    case bpoEof:
      Result = Pos;
      break;
    case bpoPrior:
      Result = CurrentBkmPos(Pos.Bookmark);
      break;
    case bpoBof:
    case bpoCurrent:
      Result = TtsBkmPos{Pos.Bookmark, bpoNext};
      break;
    case bpoNext: {
      String next;
      Result = NextBookmark(Pos.Bookmark, next) ? TtsBkmPos{next, bpoNext} : EndBkmPos();
      break;
    }
  }
}

void TtsStandardDataset::CheckPrevBkmPos(const TtsBkmPos &Pos, TtsBkmPos &Result) {
  if (Pos.Offset == bpoPrior) {
    String prev;
    Result = PrevBookmark(Pos.Bookmark, prev) ? TtsBkmPos{prev, bpoPrior} : Pos;
  } else if (Pos.Offset == bpoNext) {
    Result = CurrentBkmPos(Pos.Bookmark);
  } else if (GetActive() && FDataSet->Bof() && FDataSet->GetBookmark() == Pos.Bookmark) {
    Result = Pos;
  } else {
    Result = TtsBkmPos{Pos.Bookmark, bpoPrior};
  }
}

void TtsStandardDataset::CheckNextBkmPos(const TtsBkmPos &Pos, TtsBkmPos &Result) {
  if (Pos.Offset == bpoPrior) {
    Result = CurrentBkmPos(Pos.Bookmark);
  } else if (Pos.Offset == bpoNext) {
    String next;
    if (NextBookmark(Pos.Bookmark, next))
      CheckNextBkmPos(CurrentBkmPos(next), Result);
    else
      Result = Pos;
  } else if (GetActive() && FDataSet->Eof() && FDataSet->GetBookmark() == Pos.Bookmark) {
    Result = Pos;
  } else {
    Result = TtsBkmPos{Pos.Bookmark, bpoNext};
  }
}

void TtsStandardDataset::FirstBookmark(String &Bookmark) {
  Bookmark.clear();
  if (!GetActive()) return;
  if (!FDataSet->Bof()) {
    CheckDisableControls();
    FDataSet->First();
  }
  Bookmark = FDataSet->GetBookmark();
}

void TtsStandardDataset::LastBookmark(String &Bookmark) {
  Bookmark.clear();
  if (!GetActive()) return;
  if (!FDataSet->Eof()) {
    CheckDisableControls();
    FDataSet->Last();
  }
  Bookmark = FDataSet->GetBookmark();
}

// ---- Saved views
// -------------------------------------------------------------------------------------------------
String TtsStandardDataset::TopRowBookmark() { return GetBookmark(FGrid->GetTopRow()); }

bool TtsStandardDataset::BufferPositionChanged(const TtsDatasetPosition &Pos) {
  if (CurrentBufRow() != Pos.BufferRow) return true;
  String top = TopRowBookmark();
  return top != Pos.Bookmark && CompareBkm(top, Pos.Bookmark) != 0;
}

void TtsStandardDataset::GetDatasetPosition(TtsDatasetPosition &Pos) {
  if (!GetActive()) {
    inherited::GetDatasetPosition(Pos);
    return;
  }
  Pos.Bookmark = TopRowBookmark();
  Pos.BufferRow = CurrentBufRow();
}

void TtsStandardDataset::SetDatasetPosition(const TtsDatasetPosition &Pos) {
  if (!GetActive() || !BufferPositionChanged(Pos)) return;
  CheckDisableControls();
  FDataSet->DisableControls();
  TtsFinally enable([&] { FDataSet->EnableControls(); });
  MoveToRecord(Pos.Bookmark);
  Integer r = std::min(Pos.BufferRow, GetBufferRows());
  if (CurrentBufRow() != r) FDataSet->MoveBy(r - CurrentBufRow());
}

bool TtsStandardDataset::MoveToRecord(const String &Bookmark) {
  Integer rows = GetBufferRows();
  if (rows == 0) return false;
  FDataSet->DisableControls();
  TtsFinally enable([&] { FDataSet->EnableControls(); });
  if (CompareBkm(GetBookmark(1), Bookmark) != 0) {
    Integer count = FDataLink->GetBufferCount();
    TtsFinally size([&] { FDataLink->SetBufferCount(count); });
    FDataLink->SetActiveRecord(0);
    FDataLink->SetBufferCount(1);
    SetToBookmark(Bookmark, false);
  }
  if (CurrentBufRow() > 1) {
    Integer moved = FDataSet->MoveBy(rows - 1);
    FDataSet->MoveBy(-moved);
  }
  return true;
}

Integer TtsStandardDataset::MoveBy(Integer Distance) { return GetActive() ? FDataSet->MoveBy(Distance) : 0; }

bool TtsStandardDataset::GetAtEnd() { return GetActive() && FDataSet->Eof(); }

bool TtsStandardDataset::GetAtStart() { return GetActive() && FDataSet->Bof(); }

Integer TtsStandardDataset::DoRecCount(bool Exact) { return GetRecCount(); }

void TtsStandardDataset::SetBookmarkPos(const String &Bookmark) {
  if (GetActive()) SetToBookmark(Bookmark, false);
}

String TtsStandardDataset::GetBookmarkPos() { return GetActive() ? FDataSet->GetBookmark() : String(); }

// ---- Key search
// ----------------------------------------------------------------------------------------------------
namespace {

bool KeyMatches(const String &Key, const String &Value, size_t Length, TtsComboCompareType CompareType,
                TtsBaseGrid *Grid) {
  Integer n = static_cast<Integer>(Length);
  switch (CompareType) {
    case ctCaseSensitive:
      return Grid->CompCaseSensitive(Key, Value, n) == 0;
    case ctCaseInsensitive:
      return Grid->CompCaseInsensitive(Key, Value, n) == 0;
    case ctOwn:
      break;
  }
  return Grid->CompOwn(Key, Value, n) == 0;
}

size_t MatchLength(const String &Key, const String &Value, bool FullLength) {
  return FullLength ? Key.size() : std::min(Key.size(), Value.size());
}

}  // namespace

String TtsStandardDataset::LocateValue(const String &Start, const String &Stop, const String &Key, Integer DataCol,
                                       TtsComboCompareType CompareType, TtsBaseGrid *Grid, bool FullLength,
                                       bool &Found) {
  Found = false;
  if (Key.empty()) return Start;
  if (!GetActive()) return String();
  String result;
  try {
    FDataSet->DisableControls();
    TtsFinally enable([&] { FDataSet->EnableControls(); });
    if (Start.empty())
      FDataSet->First();
    else
      FDataSet->SetBookmark(Start);
    size_t best = 0;
    while (!FDataSet->Eof()) {
      String bookmark = FDataSet->GetBookmark();
      Variant value;
      FGrid->GetActiveCellValue(DataCol, Variant(bookmark), value);
      String text = VarToStr(value);
      size_t n = MatchLength(Key, text, FullLength);
      if (n > best && KeyMatches(Key, text, n, CompareType, Grid ? Grid : FGrid)) {
        Found = true;
        best = n;
        result = bookmark;
        if (best == Key.size()) break;
      }
      if (!Stop.empty() && CompareBkm(bookmark, Stop) == 0) break;
      FDataSet->Next();
    }
  } catch (const Exception &) {
    Found = false;
    return String();
  }
  return result;
}

String TtsStandardDataset::FindKey(const String &Key, Integer DataCol, TtsComboCompareType CompareType,
                                   TtsBaseGrid *Grid, bool FullLength, bool &Found) {
  bool located;
  String result = LocateValue(String(), String(), Key, DataCol, CompareType, Grid, FullLength, located);
  Found = KeyEqual(result, Key, FullLength, Grid, CompareType, DataCol);
  return result;
}

bool TtsStandardDataset::KeyEqual(const String &Bookmark, const String &Key, bool FullLength, TtsBaseGrid *Grid,
                                  TtsComboCompareType CompareType, Integer DataCol) {
  if (Bookmark.empty()) return false;
  Variant value;
  FGrid->BookmarkValue(DataCol, Variant(Bookmark), value);
  String text = VarToStr(value);
  return KeyMatches(Key, text, MatchLength(Key, text, FullLength), CompareType, Grid ? Grid : FGrid);
}

}  // namespace TSDBGrid
