// Scans: in set mode the selection keeps single bookmarks, so a range whose end lies outside the
// display buffer is turned into the list of records between its ends by walking the dataset. The
// walks run with the dataset's controls disabled, report their progress to OnScanRecords (which can
// cancel them) and put the dataset cursor back however they end.
#include <climits>

#include "TSDBGrid.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {
// Records per walk step while both directions are searched.
constexpr Integer AlternatingStep = 10;
}  // namespace

void TtsCustomDBGrid::ScanRecordEvent(bool ScanAll, TtsScanState State, bool& Cancel, Integer Count) {
  if (State == sstStart) FScanningRecords = true;
  TtsFinally clear([&] {
    if (State == sstEnd) FScanningRecords = false;
  });
  DoOnScanRecords(ScanAll, State, Count, Cancel);
}

// Two walks running together keep their own counters and share Reported, so the event reports the
// larger count and never the same count twice; after a cancel nothing more is reported.
void TtsCustomDBGrid::DoScanRecord(bool ScanAll, TtsScanState State, bool& Cancel, Integer& Reported,
                                   Integer& Counter) {
  if (!(Cancel && Counter >= Reported)) ++Counter;
  if (Counter > Reported) {
    Reported = Counter;
    ScanRecordEvent(ScanAll, State, Cancel, Counter);
  }
}

void TtsCustomDBGrid::CheckEndBkmScan(bool ScanAll, bool Started, bool& Cancel, TtsSelectedList* List) {
  if (!Started) return;
  Integer count = Cancel || !List ? 0 : List->GetCount();
  ScanRecordEvent(ScanAll, sstEnd, Cancel, count);
}

void TtsCustomDBGrid::GetBufferList(Integer FromLine, Integer ToLine, bool& Cancel, Integer& Reported,
                                    Integer& Counter, bool ScanAll, TtsSelectedList* List) {
  if (ToLine < FromLine) std::swap(FromLine, ToLine);
  for (Integer line = FromLine; line <= ToLine; ++line) {
    DoScanRecord(ScanAll, sstScan, Cancel, Reported, Counter);
    if (Cancel && Counter >= Reported) return;
    List->AddItem(FGridData->GetBookmark(line));
  }
}

Integer TtsCustomDBGrid::GetSelectedList(Integer StartLine, Integer ClickLine, bool& Cancel, TtsSelectedList*& List) {
  List = nullptr;
  if (StartLine != 0) {
    Integer reported = 0, counter = 0;
    List = New<TtsSelectedList>();
    try {
      GetBufferList(StartLine, ClickLine, Cancel, reported, counter, false, List);
    } catch (...) {
      FreeAndNil(List);
      throw;
    }
    if (Cancel) FreeAndNil(List);
    return ClickLine > StartLine ? 1 : ClickLine < StartLine ? -1 : 0;
  }
  TtsDatasetKeeper keep(this);
  String clickBkm = ClickLine >= 1 && ClickLine <= FGridData->GetBufferRows() ? FGridData->GetBookmark(ClickLine)
                                                                               : String();
  return GetDatasetList(ClickLine, clickBkm, Cancel, List, false, 0, GetSelectionStart());
}

Integer TtsCustomDBGrid::GetDatasetList(Integer Line, const String& FromBkm, bool& Cancel, TtsSelectedList*& List,
                                        bool ScanAll, Integer Direction, const String& ToBkm) {
  List = nullptr;
  if (Direction == 0 && FBookmarkType == bmtDefault && !FromBkm.empty() && !ToBkm.empty())
    Direction = -CompareBkm(FromBkm, ToBkm);
  TtsSelectedList* backward = nullptr;
  TtsSelectedList* forward = nullptr;
  String cursor = FGridData->GetBookmarkPos();
  Integer reported = 0, backCount = 0, foreCount = 0;
  bool backDone = true, foreDone = true, foundBack = false, foundFore = false;
  String backBkm, foreBkm;
  auto freeBoth = [&] {
    FreeAndNil(backward);
    FreeAndNil(forward);
  };
  try {
    if (Direction <= 0) backward = New<TtsSelectedList>();
    if (Direction >= 0) forward = New<TtsSelectedList>();
    Integer rows = FGridData->GetBufferRows();
    if (Line != 0) {
      if (backward) {
        GetBufferList(1, std::min(Line, rows), Cancel, reported, backCount, ScanAll, backward);
        backBkm = FGridData->GetBookmark(1);
        backDone = false;
      }
      if (forward && !Cancel) {
        GetBufferList(Line, rows, Cancel, reported, foreCount, ScanAll, forward);
        foreBkm = FGridData->GetBookmark(rows);
        foreDone = false;
      }
    } else if (FromBkm.empty()) {
      foreDone = !forward;
    } else {
      for (TtsSelectedList* list : {backward, forward}) {
        if (!list || Cancel) continue;
        Integer& counter = list == backward ? backCount : foreCount;
        DoScanRecord(ScanAll, sstScan, Cancel, reported, counter);
        if (!Cancel) list->AddItem(FromBkm);
      }
      backBkm = foreBkm = FromBkm;
      backDone = !backward;
      foreDone = !forward;
      if (CompareBkm(FromBkm, ToBkm) == 0) {
        foundFore = forward != nullptr;
        foundBack = !foundFore;
      }
    }
    if (Cancel) {
      freeBoth();
      FGridData->SetBookmarkPos(cursor);
      return 0;
    }
    while (!foundBack && !foundFore && !(backDone && foreDone)) {
      Integer step = !backDone && !foreDone ? AlternatingStep : INT_MAX;
      if (!backDone)
        foundBack = FGridData->GetPreviousBkms(backBkm, ToBkm, backward, step, ScanAll, backDone, backCount,
                                               reported, Cancel);
      if (foundBack) break;
      if (!foreDone)
        foundFore = FGridData->GetNextBkms(foreBkm, ToBkm, forward, step, ScanAll, foreDone, foreCount, reported,
                                           Cancel);
      if (Cancel && !foundFore) backDone = foreDone = true;
    }
    if (foundBack || foundFore) Cancel = false;
    FGridData->SetBookmarkPos(cursor);
  } catch (...) {
    FGridData->ClearPropBuffer(0, 0, true);
    Invalidate();
    FGridData->SetBookmarkPos(cursor);
    freeBoth();
    throw;
  }
  // An end the walks never met hands out no list: the caller leaves its selection as it was.
  if (!foundBack && !foundFore) {
    freeBoth();
    return 0;
  }
  bool sameRecord = !FromBkm.empty() && CompareBkm(FromBkm, ToBkm) == 0;
  if (foundBack) {
    List = backward;
    backward = nullptr;
  } else {
    List = forward;
    forward = nullptr;
  }
  freeBoth();
  if (sameRecord) return 0;
  return foundBack ? 1 : -1;
}

// ---- The strategy's walks --------------------------------------------------------------------------------
// One walk step from Bookmark (the first record when it is empty and the walk goes forward): each
// record met is reported and collected until Stop is met, the data ends, MaxCount records were
// walked or the scan is cancelled. With ordered bookmarks a record beyond Stop ends the walk. A
// forward walk reaching the end while Stop is empty has found it.
namespace {
template <class Walk>
bool WalkBookmarks(TtsCustomDBGrid* Grid, TDataSet* DataSet, Integer Direction, String& Bookmark, const String& Stop,
                   TtsSelectedList* List, Integer MaxCount, bool ScanAll, bool& Done, Integer& Count,
                   Integer& Reported, bool& Cancel, Walk SetTo) {
  Done = false;
  bool ordered = Grid->GetBookmarkType() == bmtDefault;
  auto atEdge = [&] { return Direction > 0 ? DataSet->Eof() : DataSet->Bof(); };
  if (Bookmark.empty()) {
    if (Direction < 0) {
      Done = true;
      return false;
    }
    DataSet->First();
  } else {
    if (!SetTo(Bookmark)) {
      Done = true;
      return false;
    }
    DataSet->MoveBy(Direction);
  }
  for (Integer steps = 0;;) {
    if (atEdge() || DataSet->IsEmpty()) {
      Done = true;
      return Direction > 0 && Stop.empty();
    }
    String bkm = DataSet->GetBookmark();
    Grid->DoScanRecord(ScanAll, sstScan, Cancel, Reported, Count);
    if (Cancel && Count >= Reported) {
      Done = true;
      return false;
    }
    Bookmark = bkm;
    Integer order = Stop.empty() ? -Direction : Grid->CompareBkm(bkm, Stop);
    if (order != 0 && ordered && order == Direction) {
      Done = true;
      return false;
    }
    List->AddItem(bkm);
    if (order == 0) return true;
    if (++steps >= MaxCount) return false;
    DataSet->MoveBy(Direction);
  }
}
}  // namespace

bool TtsStandardDataset::GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List,
                                         Integer MaxCount, bool ScanAll, bool& Done, Integer& Count,
                                         Integer& Reported, bool& Cancel) {
  if (!GetActive()) {
    Done = true;
    return false;
  }
  CheckDisableControls();
  return WalkBookmarks(FGrid, FDataSet, -1, Bookmark, Stop, List, MaxCount, ScanAll, Done, Count, Reported, Cancel,
                       [&](const String& B) { return SetToBookmark(B, false); });
}

bool TtsStandardDataset::GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount,
                                     bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) {
  if (!GetActive()) {
    Done = true;
    return false;
  }
  CheckDisableControls();
  return WalkBookmarks(FGrid, FDataSet, 1, Bookmark, Stop, List, MaxCount, ScanAll, Done, Count, Reported, Cancel,
                       [&](const String& B) { return SetToBookmark(B, false); });
}

}  // namespace TSDBGrid
