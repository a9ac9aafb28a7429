// The scroll strategy's buffer changes beside plain scrolling: resizing, placing the buffer on a
// record, rereading it, and the placeholder row of a pending insert or append until it is posted or
// cancelled.
#include <algorithm>

#include "TSDBGridBase.h"
#include "TSDBGridScope.h"
#include "TSDBGridScrollDataset.h"

namespace TSDBGrid {

// Positions counted from the end move with the estimated count, which the row count is part of.
void TtsScrollDataset::ResizeRows(Integer Rows) {
  Integer before = GetRecCount();
  ResizePropBuffer(Rows);
  ClearPropBuffer(0, 0, true);
  size_t old = FRows.size();
  FRows.resize(static_cast<size_t>(Rows));
  for (size_t r = old; r < FRows.size(); ++r) {
    FRows[r].Record.resize(static_cast<size_t>(FProps.RecordSize));
    FRows[r].Clear();
  }
  if (FCountDirection == cdBackward) ShiftPositions(GetRecCount() - before);
}

bool TtsScrollDataset::ResizeBuffer(Integer Rows, bool& Reset) {
  Reset = false;
  if (!FActive || Rows == RowCount()) return false;
  Rows = std::max<Integer>(Rows, 0);
  Integer filled = Filled();
  if (Rows < filled) {
    FLast = FFirst + Rows - 1;
    FAtEnd = false;
  }
  ResizeRows(Rows);
  if (filled > 0 && filled < Rows) {
    SetToRecord(filled);
    if (GetRecords(filled + 1, Rows, 1) == crEof) {
      Reset = true;
      MoveLast();
    }
  }
  if (filled <= 0) {
    Reset = true;
    MoveFirst();
  }
  return Reset;
}

void TtsScrollDataset::ResizeAppend(Integer Delta) {
  if (!FActive) return;
  Integer rows = RowCount();
  Integer filled = Filled();
  if (Delta > 0 && filled + Delta < rows) return;
  Integer newRows = std::max<Integer>(rows + Delta, 0);
  if (Delta < 0 && filled > newRows) {
    Integer cut = filled - newRows;
    MoveRows(1, cut + 1, filled - cut);
    FFirst += cut;
    FAtStart = false;
  }
  ResizeRows(newRows);
}

void TtsScrollDataset::RereadBuffer(Integer R, bool Force) {
  if (!FActive) return;
  if (Force) ForceReread();
  if (Filled() <= 0) {
    MoveFirst();
    return;
  }
  SetToRecord(R);
  FAtStart = false;
  FAtEnd = false;
  Integer moved = 0;
  if (MoveRelative(-1, moved) == crBof) {
    MoveFirst();
    return;
  }
  Integer rows = RowCount();
  if (MoveRelative(rows, moved) == crEof) {
    MoveLast();
    return;
  }
  if (MoveRelative(1, moved) == crEof) FAtEnd = true;
  FLast = FCursorPos - 1;
  FFirst = FLast + 1;
  if (GetRecords(rows, 1, -1) == crBof) MoveFirst();
}

// ---- Placing the buffer on a record
// ---------------------------------------------------------------------------
bool TtsScrollDataset::MoveToRecord(const String& Bookmark) {
  if (!FActive) return false;
  if (Filled() > 0) SetActiveRecord(1);
  String oldTop = GetBookmark(1);
  return PlaceBuffer(Bookmark, 1, false, oldTop);
}

// Reads the buffer so that the record Bookmark lands on row RowOffset (placing form) or, when it
// still falls inside the current window, rereads the same window (keeping form, after a post).
// Answers whether the buffer moved.
bool TtsScrollDataset::PlaceBuffer(const String& Bookmark, Integer RowOffset, bool Keeping, const String& OldTop) {
  if (!Keeping && Bookmark.empty() && !FInsertPending) return false;
  bool locked = true;
  SetEnableCheckRows(false);
  TtsFinally unlock([&] {
    if (locked) SetEnableCheckRows(true);
  });
  Integer savedFirst = FFirst, savedCursor = FCursorPos, savedPassed = FPassed;
  Integer moved = 0;
  FAtStart = false;
  FAtEnd = false;
  Integer code = crOk;
  bool unchanged = false;
  if (Keeping && Filled() > 0) {
    String lower = Row(1).Placeholder ? FInsertBookmark : Row(1).Bookmark;
    String upper;
    bool bounded = true;
    if (Row(Filled()).Placeholder) {
      bounded = StepFrom(FInsertBookmark, 1, upper);
    } else {
      upper = Row(Filled()).Bookmark;
    }
    unchanged = CompareBkm(Bookmark, lower) >= 0 && (!bounded || CompareBkm(Bookmark, upper) <= 0);
  }
  if (unchanged) {
    // Read the same window again from its first record.
    if (Row(1).Placeholder) {
      SetCloneTo(FInsertBookmark);
    } else {
      SetCloneTo(Row(1).Bookmark);
      code = MoveRelative(-1, moved);
    }
  } else {
    if (Bookmark.empty()) {
      SetCloneTo(FInsertBookmark);
      FOnPlaceholder = true;
      code = MoveRelative(1 - RowOffset, moved);
    } else {
      SetCloneTo(Bookmark);
      code = MoveRelative(Keeping ? -1 : -RowOffset, moved);
    }
  }
  FPassed = savedPassed + (savedFirst - 1 - savedCursor);
  FCursorPos = savedFirst - 1;
  FCursorState = cpNormal;
  // Meeting an end anchors the positions at that end, which is better than any estimate.
  bool anchored = true;
  if (code == crBof) {
    MoveFirst();
  } else {
    FFirst = FCursorPos + 1;
    FLast = FFirst - 1;
    if (GetRecords(1, RowCount(), 1) == crEof)
      MoveLast();
    else
      anchored = false;
  }
  locked = false;
  SetEnableCheckRows(true);
  if (!anchored) CheckCounts(crOk);
  Integer row = BufferRow(Bookmark);
  if (row > 0) SetActiveRecord(row);
  if (!unchanged && !anchored) EstimatePosition(OldTop, Bookmark);
  return !unchanged;
}

// After a jump the buffer's positions are guesses: a row that held the old top keeps its position, a
// sequenced cursor tells the true one, and otherwise the buffer is put halfway towards the end the
// jump went to, never closer to an unseen end than a tenth of the count.
void TtsScrollDataset::EstimatePosition(const String& OldBookmark, const String& NewBookmark) {
  Integer active = FActiveRow;
  String activeBookmark = FActiveBookmark;
  TtsFinally restore([&] {
    FActiveRow = active;
    FActiveBookmark = activeBookmark;
  });
  Integer newRow = BufferRow(NewBookmark);
  Integer oldRow = OldBookmark.empty() ? 0 : BufferRow(OldBookmark);
  if (newRow > 0 && IsSequenced() && Row(newRow).RecordNumber > 0) {
    // Sequence numbers do not count a pending insert's placeholder.
    Integer number = Row(newRow).RecordNumber;
    if (FInsertPending && CompareBkm(FInsertBookmark, NewBookmark) < 0) ++number;
    ShiftPositions(number - (FFirst + newRow - 1));
    FEstimated = false;
    FCountDirection = cdForward;
    FPassed = std::max<Integer>(FCursorPos, 0);
    FCounted = std::max(FCounted, FLast);
    CheckCounts(crOk);
  } else if (oldRow > 0) {
    // The buffer was read with row 1 on the old top's position; the old top keeps it.
    ShiftPositions(1 - oldRow);
  } else if (Filled() > 0) {
    FEstimated = true;
    if (CompareBkm(OldBookmark, Row(1).Bookmark) > 0)
      ShiftPositions(-((FFirst - 1) / 2));
    else
      ShiftPositions((GetRecCount() - FLast) / 2);
    FAtStart = false;
    FAtEnd = false;
    CheckCounts(crOk);
  }
}

void TtsScrollDataset::CalculatePos() {
  if (!FActive || Filled() <= 0) return;
  String top = Row(1).Placeholder ? FInsertBookmark : Row(1).Bookmark;
  Integer records = 0;
  KeepingClonePosition([&] {
    TtsScrollRow& scratch = FTempRows.front();
    String bookmark;
    if (FCountDirection == cdForward) {
      CheckErr(FCursor->SetToBegin());
      TRecordProps props;
      while (FCursor->GetRecord(1, scratch.Record.data(), props) == crOk) {
        CheckErr(FCursor->GetBookmark(bookmark));
        if (CompareBkm(bookmark, top) >= 0) break;
        ++records;
      }
      if (FInsertPending && !Row(1).Placeholder && CompareBkm(FInsertBookmark, top) < 0) ++records;
      ShiftPositions(records + 1 - FFirst);
    } else {
      CheckErr(FCursor->SetToEnd());
      TRecordProps props;
      while (FCursor->GetRecord(-1, scratch.Record.data(), props) == crOk) {
        ++records;
        CheckErr(FCursor->GetBookmark(bookmark));
        if (CompareBkm(bookmark, top) <= 0) break;
      }
      if (FInsertPending && CompareBkm(FInsertBookmark, top) >= 0) ++records;
      ShiftPositions(GetRecCount() - records + 1 - FFirst);
    }
  });
  FEstimated = false;
}

// ---- Inserts and appends
// --------------------------------------------------------------------------------------
// A record more or less at Position: the cursor, and with ShiftBuffer the buffer when it lies at or
// after Position, move by By. Positions counted from the end then move with the estimate, which may
// change by more than the one record (it adds a tenth of the count).
void TtsScrollDataset::GrowCounts(Integer Position, Integer By, bool ShiftBuffer) {
  Integer before = GetRecCount();
  FCounted = std::max<Integer>(FCounted + By, 0);
  if (FExactCount >= 0) FExactCount = std::max<Integer>(FExactCount + By, 0);
  if (ShiftBuffer && FFirst >= Position) {
    FFirst += By;
    FLast += By;
  }
  if (FCursorPos >= Position) {
    FCursorPos += By;
    if (FCountDirection == cdForward) FPassed += By;
  } else if (FCountDirection == cdBackward) {
    FPassed -= By;
  }
  if (FCountDirection == cdBackward) ShiftPositions(GetRecCount() - before - By);
}

// The position a placeholder outside the buffer takes: before row 1 or after the last row.
Integer TtsScrollDataset::OutsidePosition() {
  if (Filled() > 0 && CompareBkm(FInsertBookmark, Row(1).Bookmark) < 0) return FFirst;
  return FLast + 1;
}

void TtsScrollDataset::InsertRecord(bool KeepBelow, const String& Bookmark, String& NewBookmark) {
  NewBookmark.clear();
  if (!FActive) return;
  Integer at = BufferRow(Bookmark);
  Integer position = 0;
  if (at == 0) {
    if (Bookmark.empty())
      FInsertBookmark.clear();
    else if (!StepFrom(Bookmark, -1, FInsertBookmark))
      FInsertBookmark.clear();
    position = OutsidePosition();
  } else {
    Integer rows = RowCount();
    Integer filled = Filled();
    Integer placeholder;
    if (KeepBelow && at > 1 && filled == rows) {
      MoveRows(1, 2, at - 2);
      ++FFirst;
      ++FLast;
      placeholder = at - 1;
    } else {
      MoveRows(at + 1, at, filled - at + 1);
      if (filled < rows) ++FLast;
      placeholder = at;
    }
    Row(placeholder).Clear();
    Row(placeholder).Placeholder = true;
    if (placeholder > 1) {
      FInsertBookmark = Row(placeholder - 1).Bookmark;
    } else if (!StepFrom(Bookmark, -1, FInsertBookmark)) {
      FInsertBookmark.clear();
    }
    position = FFirst + placeholder - 1;
    FActiveRow = placeholder;
    FActiveBookmark.clear();
  }
  GrowCounts(position, 1, at == 0);
  FAtStart = false;
  FAtEnd = false;
  FInsertPending = true;
  FOnPlaceholder = false;
  ClearPropBuffer(0, 0, true);
}

void TtsScrollDataset::AppendRecord(const String& Bookmark, String& NewBookmark) {
  NewBookmark.clear();
  if (!FActive) return;
  if (RowCount() == 0) {
    bool reset = false;
    ResizeBuffer(1, reset);
  }
  if (!CheckAtEnd()) MoveLast();
  Integer rows = RowCount();
  Integer filled = Filled();
  if (filled > 0) {
    FInsertBookmark = Row(filled).Bookmark;
    if (filled < rows) {
      ++FLast;
    } else {
      MoveRows(1, 2, rows - 1);
      ++FFirst;
      ++FLast;
      FAtStart = false;
    }
  } else {
    if (FCursor->GetBookmark(FInsertBookmark) != crOk) FInsertBookmark.clear();
    FFirst = 1;
    FLast = 1;
  }
  filled = Filled();
  Row(filled).Clear();
  Row(filled).Placeholder = true;
  GrowCounts(FLast, 1, false);
  FActiveRow = filled;
  FActiveBookmark.clear();
  FInsertPending = true;
  FOnPlaceholder = false;
  FAtEnd = true;
  ClearPropBuffer(0, 0, true);
}

bool TtsScrollDataset::AppendRecordAtEnd() {
  return FActive && Filled() > 0 && CompareBkm(Row(Filled()).Bookmark, FInsertBookmark) <= 0;
}

void TtsScrollDataset::EndInsert(String& Bookmark, bool Cancelled, bool& Changed, Integer R, bool Reread) {
  Bookmark.clear();
  Changed = false;
  if (!FActive) return;
  Integer placeholder = 0;
  for (Integer r = 1; r <= Filled() && !placeholder; ++r)
    if (Row(r).Placeholder) placeholder = r;
  if (!Cancelled) {
    if (placeholder > 0) SetActiveRecord(placeholder);
    FInsertPending = false;
    FOnPlaceholder = false;
    Bookmark = FDataSet->GetBookmark();
    if (placeholder > 0) Changed = PlaceBuffer(Bookmark, std::max<Integer>(R, 1), true, FInsertBookmark);
    FInsertBookmark.clear();
    return;
  }
  Integer position = placeholder > 0 ? FFirst + placeholder - 1 : OutsidePosition();
  if (Filled() > 1 && placeholder == 1) {
    MoveRows(1, 2, Filled() - 1);
    --FLast;
    --FCursorPos;
  }
  FInsertPending = false;
  FOnPlaceholder = false;
  FInsertBookmark.clear();
  Bookmark = FDataSet->GetBookmark();
  GrowCounts(position, -1, placeholder == 0);
  SetActiveRecord(1);
  if (Reread) {
    if (Filled() <= 1)
      MoveFirst();
    else
      RereadBuffer(1, false);
  }
}

void TtsScrollDataset::EndUpdate(String& Bookmark, Integer R, bool& Changed, bool& Moved) {
  Changed = false;
  Moved = false;
  if (!FActive || FActiveRow <= 0 || FActiveRow > Filled()) return;
  FInsertPending = false;
  FOnPlaceholder = false;
  Bookmark = FDataSet->GetBookmark();
  String old = Row(FActiveRow).Bookmark;
  if (Bookmark != old || Bookmark.empty()) {
    Moved = true;
    Changed = PlaceBuffer(Bookmark, std::max<Integer>(R, 1), true, old);
  } else {
    RereadBuffer(1, false);
  }
}

}  // namespace TSDBGrid
