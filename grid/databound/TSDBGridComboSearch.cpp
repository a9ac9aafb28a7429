// Keeping a data-bound combo's list in step with the cell: positioning the list on the cell's value
// when it opens, the typed search of drop-down-list cells (first character with cycling, typed
// prefix in a sorted list), auto-fill of free-text cells, and the value of the chosen list record.
// Every search that moves the list's dataset saves its position first and restores it when nothing
// was found, so an unsuccessful search leaves the list where it was.
#include "TSDBGridCombo.h"
#include "DB.h"
#include "DBFields.h"
#include "DateTime.h"
#include "TSDBGridColumns.h"
#include "TSDBGridCurrentCell.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"
#include "TSDBGridSelection.h"

namespace TSDBGrid {

namespace {
// Whether Text starts with the whole character Key, by the grid's comparison.
bool StartsWith(TtsCustomDBGrid* Grid, const String& Text, const String& Key) {
  return !Text.empty() && Grid->ComboValueEqual(Text.substr(0, Key.size()), Key);
}
}  // namespace

String TtsCustomDBGrid::ComboBookmarkText(const String& Bookmark) {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list || Bookmark.empty()) return String();
  Variant value;
  list->BookmarkValue(FCombo->GetValueCol(), Variant(Bookmark), value);
  return VarIsEmpty(value) || VarIsNull(value) ? String() : VarToStr(value);
}

bool TtsCustomDBGrid::ListOnOwnLookup(TtsCustomDBGrid* List) {
  return LookupFieldOf(FCurDataCol) && List->GetLookupDataSource() &&
         List->GetDataSource() == List->GetLookupDataSource();
}

// ---- Searching the list's dataset ----------------------------------------------------------------------------
void TtsCustomDBGrid::FindDBComboRow(const String& Start, const String& Stop, const String& Key, bool FullLength,
                                     bool& Found, String& Bookmark) {
  Found = false;
  Bookmark.clear();
  TtsCustomDBGrid* list = BoundComboList();
  if (!list || !list->GetDataLinkActive()) return;
  TtsGridData* data = list->GetGridData();
  Integer col = FCombo->GetValueCol();
  TtsComboCompareType compare = FCombo->GetCompareType();
  Bookmark = FCombo->GetValueColSorted() ? data->FindKey(Key, col, compare, this, FullLength, Found)
                                         : data->LocateValue(Start, Stop, Key, col, compare, this, FullLength, Found);
}

void TtsCustomDBGrid::FindDBNextComboRow(const String& Key, bool& Found, String& Bookmark) {
  Found = false;
  Bookmark.clear();
  TtsCustomDBGrid* list = BoundComboList();
  if (!list || !list->GetDataLinkActive()) return;
  TtsGridData* data = list->GetGridData();
  String current = list->GetCurrentBookmark();
  String next;
  bool hasNext = !current.empty() && data->NextBookmark(current, next) && !next.empty();
  if (FCombo->GetValueColSorted()) {
    String last;
    data->LastBookmark(last);
    if (current != last && hasNext && StartsWith(this, ComboBookmarkText(next), Key)) {
      Found = true;
      Bookmark = next;
      return;
    }
    FindDBComboRow(String(), String(), Key, false, Found, Bookmark);
    return;
  }
  // Unsorted: on after the current record to the end, then round from the top up to it.
  if (hasNext) FindDBComboRow(next, String(), Key, false, Found, Bookmark);
  if (!Found) FindDBComboRow(String(), current, Key, false, Found, Bookmark);
}

void TtsCustomDBGrid::FindDBComboFirstChar(const String& Key, bool& Found, String& Bookmark) {
  Found = false;
  Bookmark.clear();
  String cell = VarToStr(FCurrentCell->GetValue());
  if (!StartsWith(this, cell, Key)) return FindDBComboRow(String(), String(), Key, false, Found, Bookmark);
  TtsCustomDBGrid* list = BoundComboList();
  String listText = list ? ComboBookmarkText(list->GetCurrentBookmark()) : String();
  if (ComboValueEqual(listText, cell)) return FindDBNextComboRow(Key, Found, Bookmark);
  bool cellFound;
  String cellRow;
  FindDBComboRow(String(), String(), cell, false, cellFound, cellRow);
  if (StartsWith(this, ComboBookmarkText(cellRow), Key)) return FindDBNextComboRow(Key, Found, Bookmark);
  FindDBComboRow(String(), String(), Key, false, Found, Bookmark);
}

void TtsCustomDBGrid::FindDBComboString(const String& Key, bool& Found, String& Bookmark) {
  Found = false;
  Bookmark.clear();
  CheckResetComboSearchValue();
  if (!FComboSearchText.empty()) {
    String text = FComboSearchText + Key;
    FindDBComboRow(String(), String(), text, true, Found, Bookmark);
    String found = Found ? ComboBookmarkText(Bookmark) : String();
    Found = Found && found.size() >= text.size() && ComboValueEqual(found.substr(0, text.size()), text);
    if (Found) {
      FComboSearchText = text;
    } else if (ComboValueEqual(FComboSearchText, Key)) {
      // The same key again: cycle through the rows starting with it.
      FindDBComboFirstChar(Key, Found, Bookmark);
      if (Found) FComboSearchText = Key;
    }
  } else {
    FindDBComboRow(String(), String(), Key, true, Found, Bookmark);
    if (Found) FComboSearchText = Key;
  }
  FComboSearchTick = GetTickCount();
}

// ---- Showing a record in the list --------------------------------------------------------------------------
void TtsCustomDBGrid::SetDBComboRow(const String& Bookmark) {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list || Bookmark.empty()) return;
  {
    TtsPaintSuspension paintOff(list);
    list->GetSelection()->ResetAll();
    list->SetDBNewTopRow(Variant(Bookmark));
    TtsGridData* data = list->GetGridData();
    Integer row = data->BufferRow(Bookmark);
    Integer visible = list->GetVisibleRowCount();
    Integer distance = 0;
    switch (FCombo->GetAutoSearch()) {
      case asBottom:
        if (row < visible) distance = row - visible;
        break;
      case asCenter:
        if (row < visible / 2) distance = -((visible - row) / 2);
        break;
      default: break;
    }
    if (distance != 0) {
      // The records above it come into view, as many as the dataset has.
      data->MoveBy(distance);
      if (data->GetBufferRows() > 0) list->SetDBNewTopRow(Variant(data->GetBookmark(1)));
    }
    list->SetDBCurrentDataRow(Variant(Bookmark));
    list->CheckRowSelection(true);
  }
  list->SelectionsChanged(false);
  list->CheckTopLeftChanged(false);
}

// ---- Positioning the list --------------------------------------------------------------------------------------
void TtsCustomDBGrid::PositionComboRow() {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list) return inherited::PositionComboRow();
  Integer valueCol = FCombo->GetValueCol();
  if (!list->GetDataLinkActive() || valueCol < 1 || valueCol > list->GetGridColCount() ||
      FCombo->GetAutoSearch() == asNone)
    return;
  TtsDatasetPosition position;
  list->SaveDatasetPosition(position);
  bool found = false;
  TtsFinally restore([&] { list->RestoreDatasetPosition(position, !found); });
  String bookmark;
  FindDBComboRow(String(), String(), VarToStr(FCurrentCell->GetValue()), false, found, bookmark);
  SetDBComboRow(bookmark);
}

Variant TtsCustomDBGrid::ListLookupKey(TtsCustomDBGrid* List) {
  return List->GetDataset()->GetFieldValues(LookupFieldOf(FCurDataCol)->GetLookupKeyFields());
}

void TtsCustomDBGrid::PositionDropDownList(const String& Key, Variant& Value) {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list) return inherited::PositionDropDownList(Key, Value);
  if (!list->GetDataLinkActive()) return;
  Value = Variant();
  if (FCombo->GetAutoSearch() == asNone) return;
  TtsDatasetPosition position;
  list->SaveDatasetPosition(position);
  bool found = false;
  TtsFinally restore([&] { list->RestoreDatasetPosition(position, !found); });
  String bookmark;
  bool sorted = FCombo->GetValueColSorted();
  if (sorted)
    FindDBComboString(Key, found, bookmark);
  else
    FindDBComboFirstChar(Key, found, bookmark);
  if (!found) return;
  SetDBComboRow(bookmark);
  DoComboGetValue(FCurDataCol, Variant(FCurrentBookmark), Variant(list->GetCurrentBookmark()), Value);
  if (!VarIsEmpty(Value)) return;
  if (ListOnOwnLookup(list)) {
    Value = ListLookupKey(list);
    return;
  }
  // An unsorted list's row counts only when it starts with the key.
  String text = ComboBookmarkText(bookmark);
  if (!text.empty() && (sorted || StartsWith(this, text, Key))) Value = text;
}

bool TtsCustomDBGrid::PositionAutoFill(bool OnExit) {
  if (!FDataBound) return inherited::PositionAutoFill(OnExit);
  ComboInit(FCurDataCol, FCurDataRow);
  TtsCustomDBGrid* list = BoundComboList();
  if (!list) return inherited::PositionAutoFill(OnExit);
  TtsCombo* combo = FCombo;
  TtsConvertCase convert = combo->GetAutoFillConvertCase();
  if (!list->GetDataLinkActive() || !combo->GetAutoFill() || (OnExit && convert != afcOnExit) ||
      combo->GetAutoSearch() == asNone || CurCellControlType() != ctText)
    return false;
  String text = VarToStr(FCurrentCell->GetValue());
  if (text.empty()) return false;
  TtsDatasetPosition position;
  list->SaveDatasetPosition(position);
  bool filled = false;
  TtsFinally restore([&] { list->RestoreDatasetPosition(position, !filled); });
  bool found;
  String bookmark;
  FindDBComboRow(String(), String(), text, true, found, bookmark);
  filled = found && !bookmark.empty();
  if (!filled) return false;
  SetDBComboRow(bookmark);
  Variant value;
  DoComboGetValue(FCurDataCol, Variant(FCurrentBookmark), Variant(list->GetCurrentBookmark()), value);
  if (VarIsEmpty(value)) {
    String listText = ComboBookmarkText(bookmark);
    if (!listText.empty()) value = listText;
  }
  SetAutoFillValue(value, convert, OnExit);
  return true;
}

// ---- The chosen value ------------------------------------------------------------------------------------------
void TtsCustomDBGrid::GetComboValue(Integer ValueCol, Integer Unused1, Integer Unused2, Variant& Value) {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list) return inherited::GetComboValue(ValueCol, Unused1, Unused2, Value);
  Value = Variant();
  if (!list->GetDataLinkActive()) return;
  TtsGridData* data = list->GetGridData();
  String chosen = list->GetCurrentBookmark();
  Integer row = data->BufferRow(chosen);
  if (row < 1 && !chosen.empty() && data->MoveToRecord(chosen)) row = data->BufferRow(chosen);
  if (row < 1) return;
  TtsActiveRecordKeeper keep(data);
  data->SetActiveRecord(row);
  DoComboGetValue(FCurDataCol, Variant(FCurrentBookmark), Variant(chosen), Value);
  TtsControlType type = CurCellControlType();
  if (!VarIsEmpty(Value)) {
    if (type != ctText) return;
    Variant text;
    CheckStrValue(type, Value, text);
    Value = text;
    return;
  }
  if (type == ctNone || ValueCol == 0) return;
  if (ListOnOwnLookup(list))
    Value = ListLookupKey(list);
  else
    list->GetActiveCellValue(ValueCol, Variant(chosen), Value);
}

void TtsCustomDBGrid::SetComboValue(const Variant& Value) {
  TtsCustomDBGrid* list = BoundComboList();
  if (!list) return inherited::SetComboValue(Value);
  if (!list->GetDataLinkActive()) return;
  if (!ListOnOwnLookup(list)) return inherited::SetComboValue(Value);
  if (VarIsEmpty(Value)) return;
  // A lookup field is never written: its key fields in the grid's own dataset are.
  FComboEditAllowed = true;
  TtsFinally disallow([&] { FComboEditAllowed = false; });
  if (!StartShowEditor(true)) return;
  GetDataset()->SetFieldValues(LookupFieldOf(FCurDataCol)->GetKeyFields(), Value);
  ClearCellBuffer();
  InvalidateRow(GetCurDisplayRow());
}

}  // namespace TSDBGrid
