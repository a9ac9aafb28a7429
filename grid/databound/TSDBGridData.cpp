// The behaviour every data strategy shares: the saved field layout and index,
// bookmark comparison and bookmark-position arithmetic, the controls bracket,
// the data link's window size and the per-row property buffer. The standard
// strategy is in TSDBGridStandard.cpp.
#include "TSDBGridData.h"

#include <algorithm>

#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

TtsBkmPos CurrentBkmPos(const String &Bookmark) { return TtsBkmPos{Bookmark, bpoCurrent}; }
TtsBkmPos StartBkmPos() { return TtsBkmPos{String(), bpoBof}; }
TtsBkmPos EndBkmPos() { return TtsBkmPos{String(), bpoEof}; }

IMPLEMENT_ABSTRACT_CLASS(TtsGridData)

void TtsGridData::Construct() {
  inherited::Construct();
  FDataLink = FGrid ? FGrid->GetDataLink() : nullptr;
}

void TtsGridData::Destroy() {
  ResetFieldLayout();
  FPropBuffer.clear();
  inherited::Destroy();
}

void TtsGridData::InitGridDataSet() {
  FSavedIndexName.clear();
  FSavedIndexFieldNames.clear();
}

void TtsGridData::LinkActive(bool Value) { SaveFieldLayout(); }

bool TtsGridData::IsSequenced() { return FDataSet && FDataSet->GetActive() && FDataSet->IsSequenced(); }

void TtsGridData::FirstBkmPos(TtsBkmPos &Pos) {
  if (FGrid->GetUseStandardScrolling()) {
    Pos = StartBkmPos();
    return;
  }
  String bookmark;
  FirstBookmark(bookmark);
  Pos = CurrentBkmPos(bookmark);
}

void TtsGridData::LastBkmPos(TtsBkmPos &Pos) {
  if (FGrid->GetUseStandardScrolling()) {
    Pos = EndBkmPos();
    return;
  }
  String bookmark;
  LastBookmark(bookmark);
  Pos = CurrentBkmPos(bookmark);
}

void TtsGridData::GetDatasetPosition(TtsDatasetPosition &Pos) { Pos = TtsDatasetPosition(); }

// ---- Field layout
// ----------------------------------------------------------------------------------------
void TtsGridData::ResetFieldLayout() {
  for (TtsFieldLayout *layout : FFieldLayouts) FreeObject(layout);
  FFieldLayouts.clear();
}

void TtsGridData::SaveFieldLayout() {
  if (!FDataSet) {
    ResetFieldLayout();
    return;
  }
  try {
    size_t count = static_cast<size_t>(FDataSet->FieldCount());
    while (FFieldLayouts.size() > count) {
      FreeObject(FFieldLayouts.back());
      FFieldLayouts.pop_back();
    }
    FFieldLayouts.resize(count, nullptr);
    for (size_t i = 0; i < count; ++i) {
      if (!FFieldLayouts[i]) FFieldLayouts[i] = New<TtsFieldLayout>();
      FFieldLayouts[i]->AssignFieldLayout(FDataSet->Fields()->GetField(static_cast<Integer>(i)));
    }
  } catch (...) {
    ResetFieldLayout();
    throw;
  }
}

bool TtsGridData::FieldLayoutChanged() {
  if (!FDataSet) return !FFieldLayouts.empty();
  if (static_cast<size_t>(FDataSet->FieldCount()) != FFieldLayouts.size()) return true;
  for (size_t i = 0; i < FFieldLayouts.size(); ++i)
    if (!FFieldLayouts[i]->FieldLayoutEqual(FDataSet->Fields()->GetField(static_cast<Integer>(i)))) return true;
  return false;
}

bool TtsGridData::FieldOrderChanged() {
  if (!FDataSet) return false;
  size_t count = std::min(FFieldLayouts.size(), static_cast<size_t>(FDataSet->FieldCount()));
  for (size_t i = 0; i < count; ++i)
    if (FFieldLayouts[i]->GetFieldName() != FDataSet->Fields()->GetField(static_cast<Integer>(i))->GetFieldName())
      return true;
  return false;
}

// ---- Index
// -------------------------------------------------------------------------------------------------
// No platform dataset is a table with indexes: both names are always empty.
String TtsGridData::DatasetIndexName() { return String(); }
String TtsGridData::DatasetIndexFieldNames() { return String(); }

void TtsGridData::SaveCurIndex() {
  FSavedIndexName = DatasetIndexName();
  FSavedIndexFieldNames = DatasetIndexFieldNames();
}

bool TtsGridData::IndexChanged() {
  if (!GetActive()) return false;
  String name = DatasetIndexName();
  if (!name.empty() || !FSavedIndexName.empty()) return name != FSavedIndexName;
  return DatasetIndexFieldNames() != FSavedIndexFieldNames;
}

// ---- Bookmarks and bookmark positions
// ----------------------------------------------------------------------
Integer TtsGridData::CompareBkm(const String &A, const String &B) {
  if (FGrid->GetBookmarkCompareType() == bctAsString) return A == B ? 0 : (A < B ? -1 : 1);
  if (A == B) return 0;
  if (A.empty()) return -1;
  if (B.empty()) return 1;
  TDataSet *dataSet = FDataSet ? FDataSet : FGrid->GetDataLink()->DataSet();
  if (!dataSet) return A < B ? -1 : 1;
  Integer c = dataSet->CompareBookmarks(A, B);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

Integer TtsGridData::CheckCompareBkmPos(const TtsBkmPos &P1, const TtsBkmPos &P2, bool &Decided) {
  Decided = true;
  if (P1.Offset == P2.Offset && (P1.Offset == bpoBof || P1.Offset == bpoEof)) return 0;
  if (P1.Offset == bpoBof) {
    if (P2.Offset == bpoPrior) Decided = false;
    return Decided ? -1 : 0;
  }
  if (P1.Offset == bpoEof) {
    if (P2.Offset == bpoNext) Decided = false;
    return Decided ? 1 : 0;
  }
  if (P2.Offset == bpoBof) {
    if (P1.Offset == bpoPrior) Decided = false;
    return Decided ? 1 : 0;
  }
  if (P2.Offset == bpoEof) {
    if (P1.Offset == bpoNext) Decided = false;
    return Decided ? -1 : 0;
  }
  Integer c = CompareBkm(P1.Bookmark, P2.Bookmark);
  if (P1.Offset == P2.Offset) return c;
  if (c != 0) {
    Decided = false;
    return c;
  }
  if (P1.Offset == bpoPrior) return -1;
  if (P1.Offset == bpoNext) return 1;
  return P2.Offset == bpoPrior ? 1 : -1;
}

Integer TtsGridData::CompareBkmPos(TtsBkmPos &P1, TtsBkmPos &P2) {
  bool decided;
  Integer c = CheckCompareBkmPos(P1, P2, decided);
  if (decided) return c;
  auto atEnds = [](const TtsBkmPos &p) { return p.Offset == bpoBof || p.Offset == bpoEof; };
  bool resolve = (c < 0 && (P1.Offset == bpoNext || P2.Offset == bpoPrior)) ||
                 (c > 0 && (P1.Offset == bpoPrior || P2.Offset == bpoNext)) || atEnds(P1) || atEnds(P2);
  if (!resolve) return c;
  TtsBkmPos a, b;
  ActualBkmPos(P1, a);
  ActualBkmPos(P2, b);
  // A position that resolves to itself would compare undecided forever: the
  // answer stands then.
  if (a.Bookmark == P1.Bookmark && a.Offset == P1.Offset && b.Bookmark == P2.Bookmark && b.Offset == P2.Offset)
    return c;
  P1 = a;
  P2 = b;
  return CompareBkmPos(P1, P2);
}

bool TtsGridData::GreaterEqualBkmPos(TtsBkmPos &P1, TtsBkmPos &P2) {
  bool decided;
  Integer c = CheckCompareBkmPos(P1, P2, decided);
  if (decided) return c >= 0;
  if (c > 0 && P1.Offset == bpoPrior && P2.Offset != bpoNext) return true;
  return CompareBkmPos(P1, P2) >= 0;
}

bool TtsGridData::LessEqualBkmPos(TtsBkmPos &P1, TtsBkmPos &P2) {
  bool decided;
  Integer c = CheckCompareBkmPos(P1, P2, decided);
  if (decided) return c <= 0;
  if (c < 0 && P1.Offset == bpoNext && P2.Offset != bpoPrior) return true;
  return CompareBkmPos(P1, P2) <= 0;
}

void TtsGridData::ActualBkmPos(const TtsBkmPos &Pos, TtsBkmPos &Result) {
  Result = Pos;
  String bookmark;
  if (Pos.Offset == bpoPrior)
    Result = PrevBookmark(Pos.Bookmark, bookmark) ? CurrentBkmPos(bookmark) : StartBkmPos();
  else if (Pos.Offset == bpoNext)
    Result = NextBookmark(Pos.Bookmark, bookmark) ? CurrentBkmPos(bookmark) : EndBkmPos();
}

bool TtsGridData::BkmPosBookmark(const TtsBkmPos &Pos, String &Bookmark) {
  Bookmark = Pos.Bookmark;
  switch (Pos.Offset) {
    case bpoBof:
    case bpoEof:
      return false;
    case bpoPrior:
      return PrevBookmark(Pos.Bookmark, Bookmark);
    case bpoNext:
      return NextBookmark(Pos.Bookmark, Bookmark);
    case bpoCurrent:
      break;
  }
  return true;
}

Integer TtsGridData::RecIDRow(const Variant &Id) {
  if (!GetActive()) return 0;
  Integer rows = GetBufferRows();
  for (Integer row = 1; row <= rows; ++row) {
    Variant rowId;
    GetRecId(row, rowId);
    if (FGrid->CompareRecId(rowId, Id) == 0) return row;
  }
  return 0;
}

Integer TtsGridData::GetRecNo() { return FDataSet ? FDataSet->GetRecNo() : 0; }

void TtsGridData::SetRecNo(Integer Value) {
  if (FDataSet) FDataSet->SetRecNo(Value);
}

// ---- The controls bracket
// ------------------------------------------------------------------------------------
void TtsGridData::CheckDisableControls() {
  if (FDisableCount > 0 && !FControlsDisabledHere && FDataSet) {
    FDataSet->DisableControls();
    FControlsDisabledHere = true;
  }
}

void TtsGridData::SetCanDisableControls(bool Value) {
  if (Value) {
    ++FDisableCount;
    return;
  }
  if (FDisableCount <= 0) return;
  if (--FDisableCount == 0 && FControlsDisabledHere) {
    FControlsDisabledHere = false;
    if (FDataSet) FDataSet->EnableControls();
  }
}

// ---- The data link's window
// ----------------------------------------------------------------------------------
void TtsGridData::SetDatasetBufferCount(Integer Count) {
  if (!FGrid->HandleAllocated()) return;
  Integer old = FDataLink->GetBufferCount();
  FDataLink->SetBufferCount(Count);
  CheckDatalinkBufferOk(old);
}

// A dataset may fill a grown window lazily: the link's window is grown further
// until its last row holds a record. With no record buffered there is nothing
// to probe (the window never gets a row -1).
void TtsGridData::CheckDatalinkBufferOk(Integer OldCount) {
  Integer count = FDataLink->GetBufferCount();
  if (count <= OldCount) return;
  TtsFinally restore([&] { FDataLink->SetBufferCount(count); });
  for (Integer attempt = 0; attempt < 1000; ++attempt) {
    Integer rows = GetBufferRows();
    if (rows <= 0 || !FDataSet) break;
    Integer active = FDataLink->GetActiveRecord();
    bool empty;
    {
      TtsFinally back([&] { FDataLink->SetActiveRecord(active); });
      FDataLink->SetActiveRecord(rows - 1);
      empty = FDataSet->IsEmpty();
    }
    if (!empty) break;
    FDataLink->SetBufferCount(FDataLink->GetBufferCount() + 1);
  }
}

// ---- The property buffer
// ---------------------------------------------------------------------------------------
void TtsGridData::ResizePropBuffer(Integer Rows) {
  Rows = std::max(Rows, 0);
  if (static_cast<size_t>(Rows) == FPropBuffer.size()) return;
  FPropBuffer.resize(static_cast<size_t>(Rows));
}

void TtsGridData::ClearPropBuffer(Integer First, Integer Last, bool All) {
  Integer size = GetPropBufferSize();
  if (First < 1) First = 1;
  if (Last <= 0 || Last > size) Last = size;
  bool whole = First <= 1 && Last >= size && All;
  if (whole && FPropBufferClear) return;
  for (Integer row = First; row <= Last; ++row) FPropBuffer[static_cast<size_t>(row - 1)] = TtsPropBufferEntry();
  FPropBufferClear = whole;
}

TtsPropBufferEntry &TtsGridData::PropBufferEntry(Integer Row) { return FPropBuffer.at(static_cast<size_t>(Row - 1)); }

void TtsGridData::SetPropBufferEntry(Integer Row, TtsDBRowElement *Element) {
  TtsPropBufferEntry &entry = PropBufferEntry(Row);
  entry.Resolved = true;
  entry.Element = Element;
  FPropBufferClear = false;
}

void TtsGridData::SetPropBufferSelected(Integer Row, bool Selected) {
  TtsPropBufferEntry &entry = PropBufferEntry(Row);
  entry.SelectedResolved = true;
  entry.Selected = Selected;
  FPropBufferClear = false;
}

}  // namespace TSDBGrid
