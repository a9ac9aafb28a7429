// The scroll strategy's answers about its rows and bookmarks: buffer positions of bookmarks, the
// active record, record ids, and the neighbours, first and last bookmarks found by stepping the clone,
// which is put back where it stood afterwards.
#include <algorithm>

#include "TSDBGridBase.h"
#include "TSDBGridScope.h"
#include "TSDBGridScrollDataset.h"
#include "TSDBGridSelection.h"

namespace TSDBGrid {

void TtsScrollDataset::KeepingClonePosition(const std::function<void()>& Body) {
  String bookmark;
  bool onRecord = FCursorState == cpNormal && FCursor->GetBookmark(bookmark) == crOk;
  TtsCursorPosition state = FCursorState;
  Integer position = FCursorPos, passed = FPassed;
  bool onPlaceholder = FOnPlaceholder;
  TtsFinally restore([&] {
    if (onRecord)
      FCursor->SetToBookmark(bookmark);
    else if (state == cpEof)
      FCursor->SetToEnd();
    else
      FCursor->SetToBegin();
    FCursorState = state;
    FCursorPos = position;
    FPassed = passed;
    FOnPlaceholder = onPlaceholder;
  });
  Body();
}

bool TtsScrollDataset::StepFrom(const String& Bookmark, Integer Direction, String& Neighbour) {
  Neighbour.clear();
  bool found = false;
  KeepingClonePosition([&] {
    if (Bookmark.empty())
      CheckErr(Direction > 0 ? FCursor->SetToBegin() : FCursor->SetToEnd());
    else
      CheckErr(FCursor->SetToBookmark(Bookmark));
    TRecordProps props;
    Integer code = FCursor->GetRecord(Direction, FScratch.data(), props);
    if (code == crOk) {
      CheckErr(FCursor->GetBookmark(Neighbour));
      found = true;
    } else if (code != crBof && code != crEof) {
      CheckErr(code);
    }
  });
  return found;
}

Integer TtsScrollDataset::BufferPos(const String& Bookmark) {
  Integer filled = Filled();
  if (!FActive || filled <= 0) return 0;
  bool placeholder = FInsertPending && Bookmark.empty();
  if (!placeholder && CompareBkm(Bookmark, Row(1).Bookmark) < 0) return 0;
  for (Integer r = 1; r <= filled; ++r)
    if (Row(r).Bookmark == Bookmark && (!Bookmark.empty() || Row(r).Placeholder)) return r;
  return filled + 1;
}

Integer TtsScrollDataset::BufferRow(const String& Bookmark) {
  Integer pos = BufferPos(Bookmark);
  return pos > Filled() ? 0 : pos;
}

Integer TtsScrollDataset::BufferBkmPos(const TtsBkmPos& Pos) {
  TtsBkmPos actual;
  ActualBkmPos(Pos, actual);
  return BufferPos(actual.Bookmark);
}

Integer TtsScrollDataset::CurrentBufRow() { return BufferRow(FGrid->GetCurrentBookmark()); }

void TtsScrollDataset::SetActiveRecord(Integer R) {
  FActiveRow = -1;
  FActiveBookmark.clear();
  if (R > 0 && R <= Filled()) {
    FActiveRow = R;
    FActiveBookmark = Row(R).Bookmark;
  }
}

Integer TtsScrollDataset::GetActiveRecordNumber() {
  if (!IsSequenced() || FActiveRow <= 0 || FActiveRow > Filled()) return -1;
  Integer number = Row(FActiveRow).RecordNumber;
  return number >= 0 ? number : -1;
}

bool TtsScrollDataset::IsSequenced() { return FActive && FProps.Numbering == rnSequence; }

Byte* TtsScrollDataset::GetActiveRecordBuffer() {
  if (FActiveRow <= 0 || FActiveRow > static_cast<Integer>(FBuffer->size())) return nullptr;
  return Row(FActiveRow).Record.data();
}

String TtsScrollDataset::GetBookmark(Integer R) {
  if (!FActive || R <= 0 || R > Filled() || Row(R).Placeholder) return String();
  return Row(R).Bookmark;
}

void TtsScrollDataset::GetRecId(Integer R, Variant& Id) {
  Id = Unassigned();
  if (FActive && R > 0 && R <= Filled()) Id = Row(R).RecordId;
}

void TtsScrollDataset::GetRecordId(Integer R, Variant& DataRow) {
  bool ids = FGrid->GetUseRecordIds();
  if (FActive && R > 0 && R <= Filled()) {
    DataRow = ids ? Row(R).RecordId : Variant(Row(R).Bookmark);
    return;
  }
  DataRow = ids ? Unassigned() : Variant(String());
}

bool TtsScrollDataset::OnLastRecord() { return FActive && CheckAtEnd() && FActiveRow == Filled(); }

// ---- Neighbours
// --------------------------------------------------------------------------------------------
bool TtsScrollDataset::NextBookmark(const String& Bookmark, String& Next) {
  if (!FActive) {
    Next.clear();
    return false;
  }
  StepFrom(Bookmark, 1, Next);
  return true;
}

bool TtsScrollDataset::PrevBookmark(const String& Bookmark, String& Prev) {
  if (!FActive) {
    Prev.clear();
    return false;
  }
  StepFrom(Bookmark, -1, Prev);
  return true;
}

// The position one record from Pos in Direction; at an end the empty position, or with StayAtEnd the
// record Pos stands on.
TtsBkmPos TtsScrollDataset::StepBkmPos(const TtsBkmPos& Pos, Integer Direction, bool StayAtEnd) {
  TtsBkmPos actual = Pos;
  if (Pos.Offset != bpoCurrent) ActualBkmPos(Pos, actual);
  String neighbour;
  if (Direction > 0)
    NextBookmark(actual.Bookmark, neighbour);
  else
    PrevBookmark(actual.Bookmark, neighbour);
  return CurrentBkmPos(StayAtEnd && neighbour.empty() ? actual.Bookmark : neighbour);
}

void TtsScrollDataset::NextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) { Result = StepBkmPos(Pos, 1, false); }
void TtsScrollDataset::PrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) { Result = StepBkmPos(Pos, -1, false); }
void TtsScrollDataset::CheckNextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {
  Result = StepBkmPos(Pos, 1, true);
}
void TtsScrollDataset::CheckPrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) {
  Result = StepBkmPos(Pos, -1, true);
}

void TtsScrollDataset::FirstBookmark(String& Bookmark) {
  Bookmark.clear();
  if (FActive && GetRecCount() > 0) StepFrom(String(), 1, Bookmark);
}

void TtsScrollDataset::LastBookmark(String& Bookmark) {
  Bookmark.clear();
  if (FActive && GetRecCount() > 0) StepFrom(String(), -1, Bookmark);
}

void TtsScrollDataset::SetBookmarkPos(const String& Bookmark) {
  if (FActive) SetCloneTo(Bookmark);
}

String TtsScrollDataset::GetBookmarkPos() {
  String bookmark;
  if (FActive && FCursor->GetBookmark(bookmark) != crOk) bookmark.clear();
  return bookmark;
}

void TtsScrollDataset::GetBookmarkRecID(const String& Bookmark, Integer R, Variant& Id) {
  if (R > 0) {
    GetRecId(R, Id);
    return;
  }
  Id = Bookmark.empty() ? Variant(String()) : Unassigned();
  if (!FActive || Bookmark.empty()) return;
  try {
    KeepingClonePosition([&] {
      CheckErr(FCursor->SetToBookmark(Bookmark));
      FGrid->DoGetRecordID(Variant(Bookmark), Id);
    });
  } catch (Exception&) {
    Id = Unassigned();
  }
}

// ---- Reads of single cells and searches wait for the wrappers' cursor reads; until then they answer
// as a strategy that finds nothing.
void TtsScrollDataset::BookmarkValue(Integer DataCol, const String& Bookmark, Variant& Value) { Value = Unassigned(); }

void TtsScrollDataset::GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value,
                                              Variant& DataRow) {
  Value = Unassigned();
  GetBookmarkRecID(Bookmark, 0, DataRow);
}

String TtsScrollDataset::FindKey(const String& Key, Integer DataCol, TtsComboCompareType CompareType,
                                 TtsBaseGrid* Grid, bool FullLength, bool& Found) {
  Found = false;
  return String();
}

String TtsScrollDataset::LocateValue(const String& Start, const String& Stop, const String& Key, Integer DataCol,
                                     TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength,
                                     bool& Found) {
  Found = false;
  return Key.empty() ? Start : String();
}

// One walk of the clone from Bookmark (the first record when it is empty and the walk goes forward),
// reporting and collecting each record until Stop is met, the data ends, MaxCount records were walked
// or the scan is cancelled; with ordered bookmarks a record beyond Stop ends it. A forward walk that
// reaches the end while Stop is empty has found it. The clone is put back afterwards.
bool TtsScrollDataset::WalkBookmarks(Integer Direction, String& Bookmark, const String& Stop, TtsSelectedList* List,
                                     Integer MaxCount, bool ScanAll, bool& Done, Integer& Count, Integer& Reported,
                                     bool& Cancel) {
  Done = true;
  if (!FActive || (Bookmark.empty() && Direction < 0)) return false;
  bool found = false;
  KeepingClonePosition([&] {
    if (Bookmark.empty())
      CheckErr(FCursor->SetToBegin());
    else if (FCursor->SetToBookmark(Bookmark) != crOk)
      return;
    Done = false;
    bool ordered = FGrid->GetBookmarkType() == bmtDefault;
    TRecordProps props;
    for (Integer steps = 0;;) {
      Integer code = FCursor->GetRecord(Direction, FScratch.data(), props);
      if (code == crBof || code == crEof) {
        Done = true;
        found = Direction > 0 && Stop.empty();
        return;
      }
      CheckErr(code);
      String bookmark;
      CheckErr(FCursor->GetBookmark(bookmark));
      FGrid->DoScanRecord(ScanAll, sstScan, Cancel, Reported, Count);
      if (Cancel && Count >= Reported) {
        Done = true;
        return;
      }
      Bookmark = bookmark;
      Integer order = Stop.empty() ? -Direction : CompareBkm(bookmark, Stop);
      if (order != 0 && ordered && order == Direction) {
        Done = true;
        return;
      }
      List->AddItem(bookmark);
      if (order == 0) {
        found = true;
        return;
      }
      if (++steps >= MaxCount) return;
    }
  });
  return found;
}

bool TtsScrollDataset::GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List,
                                       Integer MaxCount, bool ScanAll, bool& Done, Integer& Count,
                                       Integer& Reported, bool& Cancel) {
  return WalkBookmarks(-1, Bookmark, Stop, List, MaxCount, ScanAll, Done, Count, Reported, Cancel);
}

bool TtsScrollDataset::GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount,
                                   bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) {
  return WalkBookmarks(1, Bookmark, Stop, List, MaxCount, ScanAll, Done, Count, Reported, Cancel);
}

}  // namespace TSDBGrid
