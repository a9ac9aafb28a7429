// The scroll strategy's buffer, its reads through the clone and its moves: opening and closing the
// clone, reading rows (passing a pending insert's placeholder), relative moves and jumps by sequence
// number, MoveFirst, MoveLast, MoveBy, and the record count with its estimate.
#include "TSDBGridScrollDataset.h"

#include <algorithm>
#include <cstdlib>

#include "Exceptions.h"
#include "TSDBGridBase.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {

// Every engine call goes through here so that an engine error surfaces as the grid's own error.
class TtsGridCursorGuard : public TtsScrollCursor {
 public:
  TtsGridCursorGuard(std::unique_ptr<TtsScrollCursor> Inner, TtsCustomDBGrid* Grid)
      : FInner(std::move(Inner)), FGrid(Grid) {}
  TCursorProps Properties() override { return Guard([&] { return FInner->Properties(); }); }
  Integer SetToBegin() override { return Guard([&] { return FInner->SetToBegin(); }); }
  Integer SetToEnd() override { return Guard([&] { return FInner->SetToEnd(); }); }
  Integer GetRecord(Integer Direction, Byte* Record, TRecordProps& Props) override {
    return Guard([&] { return FInner->GetRecord(Direction, Record, Props); });
  }
  Integer GetBookmark(String& Bookmark) override { return Guard([&] { return FInner->GetBookmark(Bookmark); }); }
  Integer SetToBookmark(const String& Bookmark) override {
    return Guard([&] { return FInner->SetToBookmark(Bookmark); });
  }
  Integer GetSequenceNumber(Integer& Number) override {
    return Guard([&] { return FInner->GetSequenceNumber(Number); });
  }
  Integer SetToSequenceNumber(Integer Number) override {
    return Guard([&] { return FInner->SetToSequenceNumber(Number); });
  }
  Integer SetToKey(const Byte* Record) override { return Guard([&] { return FInner->SetToKey(Record); }); }
  Integer ForceReread() override { return Guard([&] { return FInner->ForceReread(); }); }
  Integer GetProperty(Cardinal Id, Integer& Value) override {
    return Guard([&] { return FInner->GetProperty(Id, Value); });
  }
  Integer SetProperty(Cardinal Id, Integer Value) override {
    return Guard([&] { return FInner->SetProperty(Id, Value); });
  }
  String ErrorMessage(Integer Code) override { return FInner->ErrorMessage(Code); }

 private:
  template <class F>
  auto Guard(F Call) -> decltype(Call()) {
    try {
      return Call();
    } catch (EDatabaseError& E) {
      FGrid->InvalidOp(E.Message());
    }
  }
  std::unique_ptr<TtsScrollCursor> FInner;
  TtsCustomDBGrid* FGrid;
};

}  // namespace

void TtsScrollRow::Clear() {
  std::fill(Record.begin(), Record.end(), Byte(0));
  Bookmark.clear();
  Placeholder = false;
  RecordId = Unassigned();
  RecordNumber = -1;
  Status = 0;
}

IMPLEMENT_CLASS(TtsScrollDataset)

void TtsScrollDataset::Destroy() {
  Close();
  inherited::Destroy();
}

void TtsScrollDataset::InitGridDataSet() {
  inherited::InitGridDataSet();
  FProps = TCursorProps();
  FProps.Numbering = rnNone;
  FRecordTypes = 0;
}

void TtsScrollDataset::LinkActive(bool Value) {
  if (Value && !FActive) Open();
  if (!Value && FActive) Close();
  if (FActive) SetDatasetBufferCount(1);
  inherited::LinkActive(Value);
}

// ---- Opening and closing
// -----------------------------------------------------------------------------------
void TtsScrollDataset::Open() {
  if (FActive) return;
  TDataSet* dataSet = FDataLink ? FDataLink->DataSet() : nullptr;
  TtsScrollCursorSource* source = FCursorSource ? FCursorSource : EngineCursorSource();
  if (!dataSet || !dataSet->GetActive() || !source) return;
  FDataSet = dataSet;
  SaveCurIndex();
  std::unique_ptr<TtsScrollCursor> clone = source->CloneCursor(dataSet);
  if (!clone) {
    FDataSet = nullptr;
    return;
  }
  FCursor = std::make_unique<TtsGridCursorGuard>(std::move(clone), FGrid);
  FProps = FCursor->Properties();
  FRecordTypes = source->DataSetRecordTypes(dataSet);
  FCursor->SetProperty(cpRecordTypes, FRecordTypes);
  CreateBuffer(FGrid->MaxDisplayRows());
  FActive = true;
}

void TtsScrollDataset::Close() {
  if (!FActive) return;
  FActive = false;
  FDataSet = nullptr;
  FCursor.reset();
  FRows.clear();
  FTempRows.clear();
  FBuffer = &FRows;
  InitGridDataSet();
}

void TtsScrollDataset::Reopen() {
  Close();
  Open();
}

bool TtsScrollDataset::PropertiesChanged() {
  TtsScrollCursorSource* source = FCursorSource ? FCursorSource : EngineCursorSource();
  return FActive && source && source->DataSetRecordTypes(FDataSet) != FRecordTypes;
}

void TtsScrollDataset::SetProperties(bool Reread) {
  if (!FActive) return;
  TtsScrollCursorSource* source = FCursorSource ? FCursorSource : EngineCursorSource();
  FRecordTypes = source->DataSetRecordTypes(FDataSet);
  FCursor->SetProperty(cpRecordTypes, FRecordTypes);
  if (Reread) RereadBuffer(1, true);
}

// ---- The buffer
// --------------------------------------------------------------------------------------------
void TtsScrollDataset::AllocateRows(std::vector<TtsScrollRow>& Rows, Integer Count) {
  Count = std::max<Integer>(Count, 0);
  Rows.resize(static_cast<size_t>(Count));
  for (TtsScrollRow& row : Rows) {
    row.Record.resize(static_cast<size_t>(FProps.RecordSize));
    row.Clear();
  }
}

void TtsScrollDataset::ResetPositions() {
  FFirst = 1;
  FLast = 0;
  FCursorPos = 0;
  FCursorState = cpBof;
  FCountDirection = cdForward;
  FPassed = 0;
  FCounted = 0;
  FExactCount = -1;
  FEstimated = false;
  FAtStart = false;
  FAtEnd = false;
  FActiveRow = -1;
  FActiveBookmark.clear();
  FInsertPending = false;
  FInsertBookmark.clear();
  FOnPlaceholder = false;
  FCheckLock = 0;
}

void TtsScrollDataset::CreateBuffer(Integer Rows) {
  ResetPositions();
  FFirst = 0;
  FLast = -1;
  ResizePropBuffer(Rows);
  ClearPropBuffer(0, 0, true);
  AllocateRows(FRows, Rows);
  AllocateRows(FTempRows, 1);
  FScratch.assign(static_cast<size_t>(FProps.RecordSize), 0);
  FBuffer = &FRows;
}

void TtsScrollDataset::MoveRows(Integer To, Integer From, Integer Count) {
  Integer rows = RowCount();
  Count = std::min({Count, rows - To + 1, rows - From + 1});
  if (Count <= 0 || To == From) return;
  if (To < From) {
    for (Integer i = 0; i < Count; ++i) std::swap(Row(To + i), Row(From + i));
  } else {
    for (Integer i = Count - 1; i >= 0; --i) std::swap(Row(To + i), Row(From + i));
  }
  // The rows left behind are those of the source range the target range does not cover.
  for (Integer r = From; r < From + Count; ++r)
    if (r < To || r >= To + Count) Row(r).Clear();
}

bool TtsScrollDataset::IsPlaceholderRow(Integer R) const {
  return R >= 1 && R <= Filled() && (*FBuffer)[static_cast<size_t>(R - 1)].Placeholder;
}

// ---- Reading records
// ---------------------------------------------------------------------------------------
void TtsScrollDataset::FillRowExtras(Integer R) {
  Integer active = FActiveRow;
  String activeBookmark = FActiveBookmark;
  TtsFinally restore([&] {
    FActiveRow = active;
    FActiveBookmark = activeBookmark;
  });
  FActiveRow = R;
  FActiveBookmark = Row(R).Bookmark;
  if (FGrid->GetUseRecordIds()) FGrid->DoGetRecordID(Variant(Row(R).Bookmark), Row(R).RecordId);
}

// One step of the clone into Target, in Direction, passing a pending insert's placeholder: the
// placeholder stands between the insert bookmark's record and the record after it, so the step that
// would cross that gap yields the placeholder instead and leaves the clone where the next step in the
// same direction reads the record it crossed to.
Integer TtsScrollDataset::ReadStep(TtsScrollRow& Target, Integer Direction, bool& Placeholder) {
  Placeholder = false;
  Integer direction = Direction;
  if (FOnPlaceholder && Direction < 0) {
    if (FInsertBookmark.empty()) return crBof;
    direction = 0;
  }
  bool checkGap = FInsertPending && !FOnPlaceholder;
  String before;
  bool beforeAtStart = FCursorState == cpBof, beforeAtEnd = FCursorState == cpEof;
  if (checkGap && !beforeAtStart && !beforeAtEnd && FCursor->GetBookmark(before) != crOk) beforeAtStart = true;
  TRecordProps props;
  Integer code = FCursor->GetRecord(direction, Target.Record.data(), props);
  bool wasOnPlaceholder = FOnPlaceholder;
  FOnPlaceholder = false;
  if (code == crOk) {
    CheckErr(FCursor->GetBookmark(Target.Bookmark));
  } else if (code != crBof && code != crEof) {
    return code;
  }
  if (checkGap && !wasOnPlaceholder) {
    bool beforeNotAfterGap = beforeAtStart || (!beforeAtEnd && CompareBkm(before, FInsertBookmark) <= 0);
    bool beforeAfterGap = beforeAtEnd || (!beforeAtStart && CompareBkm(before, FInsertBookmark) > 0);
    bool crossed = false;
    if (Direction > 0)
      crossed = beforeNotAfterGap && (code != crOk || CompareBkm(Target.Bookmark, FInsertBookmark) > 0);
    else
      crossed = beforeAfterGap && (code != crOk ? FInsertBookmark.empty()
                                                : CompareBkm(Target.Bookmark, FInsertBookmark) <= 0);
    if (crossed) {
      if (Direction > 0) {
        TRecordProps ignored;
        Integer back = FCursor->GetRecord(-1, FScratch.data(), ignored);
        if (back != crOk && back != crBof) CheckErr(back);
      }
      Target.Clear();
      Target.Placeholder = true;
      FOnPlaceholder = true;
      Placeholder = true;
      return crOk;
    }
  }
  if (code != crOk) return code;
  Target.Placeholder = false;
  Target.RecordNumber = FProps.Numbering == rnPhysical   ? props.PhyRecNum
                        : FProps.Numbering == rnSequence ? props.SeqNum
                                                         : -1;
  Target.Status = props.Status;
  Target.RecordId = Unassigned();
  return crOk;
}

// Records the outcome of a step for the clone's position and state.
void TtsScrollDataset::AfterStep(Integer Code, Integer Direction) {
  if (Code == crOk) {
    FCursorPos += Direction;
    FPassed += Direction;
    FCursorState = cpNormal;
  } else if (Code == crEof) {
    if (FCursorState != cpEof) {
      FCursorPos += 1;
      FPassed += 1;
    }
    FCursorState = cpEof;
  } else if (Code == crBof) {
    if (FCursorState != cpBof) FPassed -= 1;
    FCursorPos = 0;
    FCursorState = cpBof;
  }
}

// An end code of the wrong direction is the other end.
static Integer EndCodeFor(Integer Code, Integer Direction) {
  if (Code == crBof || Code == crEof) return Direction > 0 ? crEof : crBof;
  return Code;
}

Integer TtsScrollDataset::GetRecords(Integer From, Integer To, Integer Direction) {
  ClearPropBuffer(0, 0, true);
  Integer wanted = std::abs(To - From) + 1;
  Integer code = crOk;
  for (Integer r = From, read = 0; read < wanted; r += Direction, ++read) {
    bool placeholder = false;
    code = EndCodeFor(ReadStep(Row(r), Direction, placeholder), Direction);
    if (code != crOk && code != crBof && code != crEof) CheckErr(code);
    AfterStep(code, Direction);
    if (code != crOk) break;
    if (!placeholder) FillRowExtras(r);
    if (Direction > 0)
      ++FLast;
    else
      --FFirst;
  }
  if (code == crEof && Direction > 0) FAtEnd = true;
  if (code == crBof && Direction < 0) FAtStart = true;
  CheckCounts(code);
  return code;
}

// ---- Relative moves of the clone
// -------------------------------------------------------------------------------
bool TtsScrollDataset::JumpBySequence(Integer Distance, Integer& Moved, Integer& Code) {
  if (!IsSequenced() || FInsertPending || FCursorState != cpNormal) return false;
  Integer start = 0;
  if (FCursor->GetSequenceNumber(start) != crOk) return false;
  String from;
  if (FCursor->GetBookmark(from) != crOk) return false;
  Integer code = FCursor->SetToSequenceNumber(start + Distance);
  if (code == crOk) {
    Moved = Distance;
  } else if (code == crBof) {
    Moved = 1 - start;
  } else if (code == crEof) {
    TRecordProps props;
    Integer back = FCursor->GetRecord(-1, FScratch.data(), props);
    Integer lastNumber = 0;
    if (back == crOk && FCursor->GetSequenceNumber(lastNumber) == crOk) {
      Moved = lastNumber - start;
      FCursor->SetToEnd();
    } else if (back == crBof) {
      Moved = 0;
    } else {
      code = crNotSupported;
    }
  }
  if (code != crOk && code != crBof && code != crEof) {
    FCursor->SetToBookmark(from);
    return false;
  }
  Code = code;
  FCursorPos += Moved;
  FPassed += Moved;
  FCursorState = code == crOk ? cpNormal : code == crEof ? cpEof : cpBof;
  if (code == crEof) {
    FCursorPos += 1;
    FPassed += 1;
  }
  if (code == crBof) {
    FCursorPos = 0;
    FPassed -= 1;
  }
  return true;
}

Integer TtsScrollDataset::MoveRelative(Integer Distance, Integer& Moved) {
  Moved = 0;
  Integer code = crOk;
  if (Distance == 0) return code;
  if (std::abs(Distance) <= RowCount() || !JumpBySequence(Distance, Moved, code)) {
    Integer direction = Distance > 0 ? 1 : -1;
    TtsScrollRow& scratch = FTempRows.front();
    std::vector<Byte> saved = scratch.Record;
    for (Integer i = 0; i < std::abs(Distance); ++i) {
      bool placeholder = false;
      code = EndCodeFor(ReadStep(scratch, direction, placeholder), direction);
      if (code != crOk && code != crBof && code != crEof) CheckErr(code);
      AfterStep(code, direction);
      if (code != crOk) break;
      Moved += direction;
    }
    scratch.Record = saved;
  }
  CheckCounts(code);
  return code;
}

// ---- Counts and positions
// --------------------------------------------------------------------------------------
Integer TtsScrollDataset::GetRecCount() {
  if (FExactCount >= 0) return FExactCount;
  Integer rows = RowCount();
  return FCounted / 10 < rows ? FCounted + rows : FCounted + FCounted / 10;
}

Integer TtsScrollDataset::DoRecCount(bool Force) {
  if (!FActive) return 0;
  if (Force || FExactCount < 0) FExactCount = FDataSet->RecordCount();
  return FExactCount;
}

void TtsScrollDataset::ShiftPositions(Integer By) {
  FFirst += By;
  FLast += By;
  FCursorPos += By;
}

// The passed counter counts records from the end the positions are counted from. Passing that end
// the other way means records were there that were not counted. After a jump the counter no longer
// measures from an end, so then it only re-bases and never touches a known count.
void TtsScrollDataset::CheckCounts(Integer Code) {
  if (FCheckLock > 0) return;
  Integer before = GetRecCount();
  Integer sign = FCountDirection == cdForward ? 1 : -1;
  bool endMet = Code == (FCountDirection == cdForward ? crEof : crBof);
  Integer passed = sign * FPassed;
  // Standing on the far end, the counter includes the step off the last record.
  bool onFarEnd = FCursorState == (FCountDirection == cdForward ? cpEof : cpBof);
  Integer known = endMet || onFarEnd ? passed - 1 : passed;
  if (passed < 0) {
    if (!FEstimated) FCounted += -passed;
    FPassed = 0;
  } else if (known > FCounted || endMet) {
    if (!FEstimated || FExactCount < 0) FCounted = known;
  }
  if (!FEstimated && (endMet || (FExactCount >= 0 && FExactCount < FCounted))) FExactCount = FCounted;
  if (FCountDirection == cdBackward) {
    Integer change = GetRecCount() - before;
    if (change != 0) ShiftPositions(change);
  }
  AdjustRange();
}

void TtsScrollDataset::AdjustRange() {
  Integer count = GetRecCount();
  if (FEstimated) {
    if (FFirst < count / 10)
      ShiftPositions(count / 10 - FFirst);
    else if (FLast > count - count / 10)
      ShiftPositions(count - count / 10 - FLast);
  }
  if (FFirst <= 0) ShiftPositions(1 - FFirst);
  if (FLast > count) ShiftPositions(count - FLast);
}

void TtsScrollDataset::SetEnableCheckRows(bool Value) {
  if (!Value)
    ++FCheckLock;
  else if (FCheckLock > 0)
    --FCheckLock;
}

// ---- Whole-buffer moves
// ---------------------------------------------------------------------------------------
void TtsScrollDataset::MoveFirst() {
  if (!FActive) return;
  CheckErr(FCursor->SetToBegin());
  FFirst = 1;
  FLast = 0;
  FCursorPos = 0;
  FCursorState = cpBof;
  FCountDirection = cdForward;
  FPassed = 0;
  FAtStart = true;
  FAtEnd = false;
  FEstimated = false;
  FOnPlaceholder = false;
  GetRecords(1, RowCount(), 1);
  if (Filled() < RowCount()) {
    FCounted = Filled();
    FExactCount = FCounted;
    CheckCounts(crEof);
  }
}

void TtsScrollDataset::MoveLast() {
  if (!FActive) return;
  CheckErr(FCursor->SetToEnd());
  Integer rows = RowCount();
  FCountDirection = cdBackward;
  FPassed = 0;
  FCursorState = cpEof;
  FAtEnd = true;
  FAtStart = false;
  FEstimated = false;
  FOnPlaceholder = false;
  FLast = GetRecCount();
  FFirst = FLast + 1;
  FCursorPos = FLast + 1;
  Integer code = GetRecords(rows, 1, -1);
  Integer filled = Filled();
  Integer count = GetRecCount();
  FCursorPos += count - FLast;
  FLast = count;
  FFirst = FLast - filled + 1;
  if (code == crBof) {
    MoveRows(1, rows - filled + 1, filled);
    FFirst = 1;
    FLast = filled;
  }
  if (filled < rows) {
    FCounted = filled;
    FExactCount = filled;
    FFirst = 1;
    FLast = filled;
    CheckCounts(crBof);
  }
}

bool TtsScrollDataset::CheckAtEnd() {
  if (FAtEnd) return true;
  Integer filled = Filled();
  if (filled <= 0) return false;
  SetToRecord(filled);
  bool placeholder = false;
  Integer code = EndCodeFor(ReadStep(FTempRows.front(), 1, placeholder), 1);
  if (code != crOk && code != crEof) CheckErr(code);
  AfterStep(code, 1);
  if (code != crEof) return false;
  // Positions counted from the start are true ones, so the end met tells the count.
  if (!FEstimated && FCountDirection == cdForward) {
    FCounted = std::max(FCounted, FLast);
    FExactCount = FLast;
  }
  FAtEnd = true;
  FEstimated = false;
  FCountDirection = cdBackward;
  FPassed = 0;
  FLast = GetRecCount();
  FFirst = FLast - filled + 1;
  FCursorPos = FLast + 1;
  return true;
}

bool TtsScrollDataset::CheckAtStart() {
  if (FAtStart) return true;
  Integer filled = Filled();
  if (filled <= 0) return false;
  SetToRecord(1);
  bool placeholder = false;
  Integer code = EndCodeFor(ReadStep(FTempRows.front(), -1, placeholder), -1);
  if (code != crOk && code != crBof) CheckErr(code);
  AfterStep(code, -1);
  if (code != crBof) return false;
  FAtStart = true;
  FEstimated = false;
  FCountDirection = cdForward;
  FPassed = 0;
  FFirst = 1;
  FLast = filled;
  FCursorPos = 0;
  FCounted = std::max(FCounted, filled);
  return true;
}

Integer TtsScrollDataset::MoveBy(Integer Distance) {
  if (!FActive || Distance == 0) return 0;
  Integer oldFirst = FFirst;
  Integer rows = RowCount();
  Integer filled = Filled();
  if (Distance > 0) {
    if (filled <= 0 || CheckAtEnd()) return 0;
    FAtStart = false;
    FAtEnd = false;
    SetToRecord(filled);
    Integer code = crOk;
    if (Distance >= filled) {
      Integer moved = 0;
      code = MoveRelative(Distance - filled, moved);
    }
    if (code != crEof) {
      FLast = FCursorPos;
      FFirst = oldFirst + Distance;
      Integer start = 1;
      if (Distance < filled) {
        MoveRows(1, Distance + 1, filled - Distance);
        start = filled - Distance + 1;
      }
      code = GetRecords(start, rows, 1);
    }
    if (code == crEof) MoveLast();
  } else {
    Integer distance = -Distance;
    if (filled <= 0 || CheckAtStart()) return 0;
    FAtStart = false;
    FAtEnd = false;
    SetToRecord(1);
    Integer code = crOk;
    Integer from = rows;
    if (distance >= filled) {
      Integer moved = 0;
      code = MoveRelative(-(distance - filled), moved);
      FFirst = FCursorPos;
      FLast = FFirst - 1;
    } else {
      Integer kept = std::min(filled, rows - distance);
      MoveRows(distance + 1, 1, kept);
      FFirst = FCursorPos;
      FLast = FFirst + kept - 1;
      from = distance;
    }
    if (code != crBof) code = GetRecords(from, 1, -1);
    if (code == crBof) MoveFirst();
  }
  return FFirst - oldFirst;
}

void TtsScrollDataset::MoveNext() {
  if (FActive) MoveBy(1);
}

void TtsScrollDataset::MovePrevious() {
  if (FActive) MoveBy(-1);
}

Integer TtsScrollDataset::MoveActive(Integer Distance, Integer& Scrolled) {
  Scrolled = 0;
  if (!FActive || FActiveRow <= 0) return 0;
  Integer target = FActiveRow + Distance;
  Integer filled = Filled();
  if (target >= 1 && target <= filled) {
    SetActiveRecord(target);
    return Distance;
  }
  Integer edge = target < 1 ? 1 : filled;
  Integer toEdge = edge - FActiveRow;
  Scrolled = MoveBy(target - edge);
  SetActiveRecord(edge);
  return toEdge + Scrolled;
}

// ---- The clone on a row
// ---------------------------------------------------------------------------------------
void TtsScrollDataset::SetCloneTo(const String& Bookmark) {
  FOnPlaceholder = false;
  if (Bookmark.empty()) {
    CheckErr(FCursor->SetToBegin());
    FCursorState = cpBof;
    return;
  }
  CheckErr(FCursor->SetToBookmark(Bookmark));
  FCursorState = cpNormal;
}

void TtsScrollDataset::SetToRecord(Integer R) {
  Integer position = FFirst + R - 1;
  if (R >= 1 && R <= Filled() && Row(R).Placeholder) {
    SetCloneTo(FInsertBookmark);
    FOnPlaceholder = true;
    FCursorState = cpNormal;
  } else if (R >= 1 && R <= Filled()) {
    SetCloneTo(Row(R).Bookmark);
  } else {
    SetCloneTo(String());
    position = 0;
  }
  // Positions counted from the start are the records passed since it, unless they are guesses.
  FPassed = FCountDirection == cdForward && !FEstimated ? position : FPassed + position - FCursorPos;
  FCursorPos = position;
}

void TtsScrollDataset::CheckErr(Integer Code) {
  if (Code == crOk) return;
  String message = FCursor ? FCursor->ErrorMessage(Code) : String();
  FGrid->InvalidOp(message);
}

void TtsScrollDataset::ForceReread() {
  if (FActive) CheckErr(FCursor->ForceReread());
}

}  // namespace TSDBGrid
