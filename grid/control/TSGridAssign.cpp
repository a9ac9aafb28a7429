// Assignment between grids by property kind, resetting kinds to their defaults, the cell property
// indexes, the grid's own cell values, the bookkeeping after a count change and fast assignment.
#include "TSGridImpl.h"
#include "Bits.h"
#include "Controls.h"
#include "StringLists.h"
#include "Strings.h"
#include "TSCommonStorage.h"
#include "TSGrid.h"
#include "TSImageList.h"
#include "Variants.h"

namespace TSGrid {

// ---- Assignment -------------------------------------------------------------------------------------
void TtsBaseGrid::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsBaseGrid*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (!GetInDesignMode()) FDesignModeOverride = source->GetInDesignMode();
  AssignPropKinds(source, AllPropKinds, true);
}

void TtsBaseGrid::AssignPropKinds(TtsBaseGrid* Source, TtsPropKinds Kinds, bool WithData) {
  SetFastAssign(true);
  try {
    if (Kinds.Contains(pkGrid)) {
      String skip;
      if (!Kinds.Contains(pkCols)) skip += "Cols;DefaultColWidth;";
      if (!Kinds.Contains(pkRows)) skip += "Rows;DefaultRowHeight;";
      if (FLoadingLayout && FColMatch == cmaFieldName) skip += "FieldState;";
      AssignProperties(Source, skip);
    }
    if (Kinds.Contains(pkCols)) {
      AssignNameValue("Cols", this, Source);
      if (GetDefaultColWidth() != Source->GetDefaultColWidth()) SetDefaultColWidth(Source->GetDefaultColWidth());
      AssignColProperties(Source);
    }
    if (Kinds.Contains(pkRows)) {
      AssignNameValue("Rows", this, Source);
      if (GetDefaultRowHeight() != Source->GetDefaultRowHeight())
        SetDefaultRowHeight(Source->GetDefaultRowHeight());
      AssignRowProperties(Source);
      AssignChangedRows(Source);
    }
    if (Kinds.Contains(pkCells)) {
      if (GetGridColCount() < Source->GetGridColCount()) SetGridColCount(Source->GetGridColCount());
      if (GetGridRowCount() < Source->GetGridRowCount()) SetGridRowCount(Source->GetGridRowCount());
      AssignCellProperties(Source);
    }
    AssignSelections(Source, Kinds);
    if (WithData)
      AssignGridData(Source);
    else
      CheckGridData(-1, -1);
    CheckRowColPos();
    CheckTopLeft(true);
    UpdateScrollRange();
    CheckRowColChanged();
    CheckRowSelection(true);
    SelectionsChanged(false);
    GridStatusChanged();
  } catch (...) {
    SetFastAssign(false);
    throw;
  }
  SetFastAssign(false);
}

void TtsBaseGrid::AssignProperties(TtsBaseGrid* Source, const String& SkipList) {
  String skip = SkipList + "Height;Left;Name;Top;Width;Visible;TabOrder;DefaultColWidth;DefaultRowHeight;Datasource;" +
                "ColProperties;RowProperties;CellProperties;Constraints";
  if (FIsComboGrid) skip += ";RowSelectMode;GridMode";
  AssignObject(this, Source, skip);
  String callers = LowerCase(SkipList);
  if (callers.find("defaultcolwidth") == String::npos && GetDefaultColWidth() != Source->GetDefaultColWidth())
    SetDefaultColWidth(Source->GetDefaultColWidth());
  if (callers.find("defaultrowheight") == String::npos && GetDefaultRowHeight() != Source->GetDefaultRowHeight())
    SetDefaultRowHeight(Source->GetDefaultRowHeight());
  if (callers.find("constraints") == String::npos) GetConstraints()->Assign(Source->GetConstraints());
}

void TtsBaseGrid::Reset() { ResetPropKinds(AllPropKinds); }

void TtsBaseGrid::ResetPropKinds(TtsPropKinds Kinds) {
  auto* fresh = static_cast<TtsBaseGrid*>(CreateComponent(ClassType(), Owner()));
  try {
    fresh->SetVisible(false);
    fresh->SetParent(GetParent());
    TtsBaseGrid* parentGrid = FIsComboGrid ? GetParentGrid() : nullptr;
    if (parentGrid) {
      if (!Reading()) parentGrid->InitializeComboSettings(fresh);
      AssignPropKinds(fresh, Kinds, true);
      if (!Reading()) parentGrid->InitCombo(GetParentGridCombo());
    } else {
      AssignPropKinds(fresh, Kinds, true);
      ResetCombo();
    }
  } catch (...) {
    fresh->Free();
    throw;
  }
  fresh->Free();
  UpdateScrollRange();
}

void TtsBaseGrid::AssignColProperties(TtsBaseGrid* Source) {
  TOwnedPtr<TBits> moved;
  bool visibilityChanged = false;
  bool design = GetInDesignMode();
  Integer count = std::min(Source->GetGridColCount(), GetGridColCount());
  for (Integer c = 1; c <= count; ++c) {
    TtsCol* source = Source->FCols->GetItem(design ? Source->GetDataCol(c) : c);
    TtsCol* col = FCols->GetItem(c);
    if (col->GetDisplayCol() != source->GetDisplayCol()) {
      if (!moved) {
        moved.reset(New<TBits>());
        moved->SetSize(GetColCount());
      }
      moved->SetBits(c, true);
    }
    if (col->GetVisible() != source->GetVisible()) visibilityChanged = true;
    col->Assign(source);
  }
  bool sameCount = GetColCount() == Source->GetColCount();
  if (visibilityChanged || moved) FVisibleColItems->Assign(Source->FVisibleColItems);
  if (moved && sameCount) AssignDisplayCols(Source);
  if (visibilityChanged || moved) AssignColWidths();
  if (moved && sameCount) ActivateMovedCols(moved.get());
}

void TtsBaseGrid::AssignDisplayCols(TtsBaseGrid* Source) {
  FDisplayColMap = Source->FDisplayColMap;
  for (Integer c = 0; c < GetColCount(); ++c) FCols->GetItem(c)->FDisplayCol = Source->FCols->GetItem(c)->FDisplayCol;
}

void TtsBaseGrid::AssignColWidths() {
  for (Integer d = 1; d < GetColCount(); ++d) {
    TtsCol* col = FCols->GetItem(GetDataCol(d));
    Integer width = col->GetVisible() ? col->GetWidth() : 0;
    if (GetColWidths(d) != width) ResizeCol(d, width);
  }
}

void TtsBaseGrid::ActivateMovedCols(TBits* Moved) {
  for (Integer c = 1; c < Moved->GetSize(); ++c)
    if (Moved->GetBits(c)) DoColMoved(FCols->GetItem(c)->GetDisplayCol(), 1, false);
}

void TtsBaseGrid::AssignRowProperties(TtsBaseGrid* Source) {
  TOwnedPtr<TBits> moved;
  bool visibilityChanged = false;
  bool design = GetInDesignMode();
  Integer count = std::min(Source->GetRowCount(), GetRowCount()) - 1;
  for (Integer r = 1; r <= count; ++r) {
    Integer sourceRow = design ? Source->GetDataRow(r) : r;
    TtsRow* source = Source->FRows->GetItem(sourceRow);
    TtsRow* own = FRows->GetItem(r);
    // A moved row counts whether or not it has settings of its own, so that the order is kept.
    if (FRows->GetDisplayRowNumber(r) != Source->FRows->GetDisplayRowNumber(sourceRow)) {
      if (!moved) {
        moved.reset(New<TBits>());
        moved->SetSize(GetRowCount());
      }
      moved->SetBits(r, true);
    }
    if (!source && !own) continue;
    bool ownVisible = own ? own->GetVisible() : true;
    bool sourceVisible = source ? source->GetVisible() : true;
    if (ownVisible != sourceVisible) visibilityChanged = true;
    if (source) {
      FRows->CreateDataRow(r);
      FRows->GetItem(r)->Assign(source);
    } else {
      TOwnedPtr<TtsRow> standard(FRows->CreateRow());
      standard->FHeight = standard->FAssignedHeight = GetDefaultRowHeight();
      Integer old = own->GetHeight();
      own->AssignProperties(standard.get());
      own->CheckHeight(old);
      FRows->RemoveDataRow(r);
    }
  }
  bool sameCount = GetRowCount() == Source->GetRowCount();
  if (visibilityChanged || moved) FVisibleRowItems->Assign(Source->FVisibleRowItems);
  if (moved && sameCount) AssignDisplayRows(Source);
  if (visibilityChanged || moved) AssignRowHeights();
  if (moved && sameCount) ActivateMovedRows(moved.get());
}

void TtsBaseGrid::AssignDisplayRows(TtsBaseGrid* Source) {
  FDisplayRowMap = Source->FDisplayRowMap;
  if (!Source->FRows->HasDisplayRowNumbers()) {
    if (FRows->HasDisplayRowNumbers())
      for (Integer r = 0; r < GetRowCount(); ++r) FRows->SetDisplayRowNumber(r, r);
    return;
  }
  FRows->CreateDisplayRowNumber();
  for (Integer r = 0; r < GetRowCount(); ++r)
    FRows->SetDisplayRowNumber(r, Source->FRows->GetDisplayRowNumber(r));
}

void TtsBaseGrid::AssignRowHeights() {
  for (Integer d = 1; d < GetRowCount(); ++d) {
    TtsRow* row = FRows->GetItem(GetDataRow(d));
    Integer height = row ? (row->GetVisible() ? row->GetHeight() : 0) : GetDefaultRowHeight();
    if (GetRowHeights(d) != height) ResizeRow(d, height);
  }
}

void TtsBaseGrid::ActivateMovedRows(TBits* Moved) {
  for (Integer r = 1; r < Moved->GetSize(); ++r)
    if (Moved->GetBits(r)) DoRowMoved(FRows->GetDisplayRowNumber(r), 1, false);
}

void TtsBaseGrid::AssignChangedRows(TtsBaseGrid* Source) {
  if (GetInDesignMode()) return;
  FChangedRows->SetSize(Source->FChangedRows->GetSize());
  for (Integer i = 0; i < FChangedRows->GetSize(); ++i) FChangedRows->SetBits(i, Source->FChangedRows->GetBits(i));
}

void TtsBaseGrid::AssignCellProperties(TtsBaseGrid* Source) {
  DeleteAllCellProperties();
  FColCellIndex = New<TtsIntegerSetList>();
  FRowCellIndex = New<TtsIntegerSetList>();
  FCellPropSet = New<TtsCellPropSet>(this);
  ResizeCellPropArrays(0, 0);
  if (GetInDesignMode()) {
    TOwnedPtr<TtsSetList> list(Source->FCellPropSet->List());
    for (Integer i = 1; i <= list->GetCount(); ++i) {
      auto* source = static_cast<TtsCellElement*>(list->GetItems(i));
      Integer col = Source->GetDisplayCol(source->GetDataCol());
      Integer row = Source->GetDisplayRow(source->GetDataRow());
      if (col == 0 || row == 0 || col >= GetColCount() || row >= GetRowCount()) continue;
      auto* element = New<TtsCellElement>(this, col, row);
      element->Assign(source);
      element->SetKey(col, row);
      if (element->Empty()) {
        element->Free();
        continue;
      }
      FCellPropSet->AddElement(element);
    }
    return;
  }
  // The copied indexes keep this grid's counts; the source's entries below them are taken over.
  FCellPropSet->Assign(Source->FCellPropSet);
  FColCellIndex->Assign(Source->FColCellIndex);
  FRowCellIndex->Assign(Source->FRowCellIndex);
}

// ---- Selections -------------------------------------------------------------------------------------
void TtsBaseGrid::AssignColSelections(TtsBaseGrid* Source) {
  if (FColSelection->Assign(Source->FColSelection)) SetSelectChanged(stColSelect);
}

void TtsBaseGrid::AssignRowSelections(TtsBaseGrid* Source) {
  if (FRowSelection->Assign(Source->FRowSelection)) SetSelectChanged(stRowSelect);
}

void TtsBaseGrid::AssignCellSelections(TtsBaseGrid* Source) {
  if (FSelectedRange == Source->FSelectedRange) return;
  FSelectedRange = Source->FSelectedRange;
  FRangeAnchor = Source->FRangeAnchor;
  SetSelectChanged(stCellSelect);
}

void TtsBaseGrid::AssignSelections(TtsBaseGrid* Source, TtsPropKinds Kinds) {
  if (GetInDesignMode() || FIsComboGrid) return;
  if (Kinds.Contains(pkCols)) AssignColSelections(Source);
  if (Kinds.Contains(pkRows)) AssignRowSelections(Source);
  if (Kinds.Contains(pkCells)) AssignCellSelections(Source);
  CheckGridStatus();
}

void TtsBaseGrid::CheckGridStatus() {
  if (FColSelection->Count > 0)
    FGridStatus = grColSelect;
  else if (FRowSelection->Count > 0)
    FGridStatus = grRowSelect;
  else if (!(FSelectedRange == MakeGridRect(0, 0, 0, 0)))
    FGridStatus = grCellSelect;
  else
    FGridStatus = grNormal;
}

// ---- Stored cell values -----------------------------------------------------------------------------
void TtsBaseGrid::AssignGridData(TtsBaseGrid* Source) {
  SetStoreData(Source->FStoreData);
  if (!FStoreData) return;
  FImageListIds->Assign(Source->FImageListIds);
  Tts2DStorage* source = Source->FStorage;
  if (!GetInDesignMode() || !source) {
    if (source) FStorage->Assign(source);
    return;
  }
  // At design time the values go where the source shows them.
  Integer highestRow = 0;
  for (Integer row = 1; row <= source->MaxRowSet(); ++row)
    if (source->MaxColValueSet(row) > 0) highestRow = std::max(highestRow, Source->GetDisplayRow(row));
  if (highestRow == 0) {
    FStorage->Clear(1, true);
    return;
  }
  FStorage->Clear(highestRow + 1, true);
  for (Integer row = 1; row <= source->MaxRowSet(); ++row) {
    Integer lastCol = source->MaxColValueSet(row);
    if (lastCol == 0) continue;
    Integer highestCol = 0;
    for (Integer col = 1; col <= lastCol; ++col)
      if (source->GetValueType(col, row) != vtpNone) highestCol = std::max(highestCol, Source->GetDisplayCol(col));
    Integer displayRow = Source->GetDisplayRow(row);
    FStorage->ClearRow(displayRow, std::max(highestCol, FStorage->GetRowColCount(displayRow)));
    for (Integer col = 1; col <= lastCol; ++col) {
      TtsValueType type = source->GetValueType(col, row);
      if (type != vtpNone)
        FStorage->SetValue(Source->GetDisplayCol(col), displayRow, source->GetValue(col, row), type);
    }
  }
}

void TtsBaseGrid::CopyData(TtsBaseGrid* Source) {
  if (Source == this) return;
  AssignGridData(Source);
  Invalidate();
  if (!FStoreData) return;
  if (GetGridRowCount() < Source->GetGridRowCount()) DeleteRowData(GetGridRowCount() + 1, Source->GetGridRowCount());
  if (GetGridColCount() < Source->GetGridColCount()) DeleteColData(GetGridColCount() + 1, Source->GetGridColCount());
}

TtsValueType TtsBaseGrid::ControlDataType(TtsControlType ControlType, const Variant& Value) {
  switch (ControlType) {
    case ctText:
      return vtpString;
    case ctCheck:
      if (VarIsStr(Value)) return vtpString;
      return VarIsNull(Value) ? vtpNull : vtpInteger;
    case ctPicture:
      return VarIsStr(Value) ? vtpPictureName : vtpPicture;
    default:
      return vtpNone;
  }
}

bool TtsBaseGrid::ControlDataTypeOk(TtsControlType ControlType, TtsValueType ValueType) {
  switch (ControlType) {
    case ctText:
      return ValueType == vtpString;
    case ctCheck:
      return ValueType == vtpString || ValueType == vtpInteger || ValueType == vtpNull;
    case ctPicture:
      return ValueType == vtpPicture || ValueType == vtpPictureName;
    default:
      return false;
  }
}

void TtsBaseGrid::GetDataValue(Integer DataCol, Integer DataRow, Variant& Value, TtsControlType ControlType) {
  Value.Clear();
  if (!FStoreData) return;
  Value = FStorage->GetValue(DataCol, DataRow);
  TtsValueType type = FStorage->GetValueType(DataCol, DataRow);
  if (type == vtpPictureName || (type == vtpString && ControlType == ctPicture)) {
    Variant stored = Value;
    CheckPictureValue(DataCol, DataRow, Value, stored, ControlType);
  }
}

void TtsBaseGrid::CheckPictureValue(Integer DataCol, Integer DataRow, Variant& Value, const Variant& Stored,
                                    TtsControlType ControlType) {
  Integer listPos = -1, imageId = -1;
  String name = SeparatePictureIds(VarToStr(Stored), listPos, imageId);
  Value = name;
  if (ControlType != ctPicture) return;
  TtsImageListComponent* imageList = GetImageList();
  if (imageList && listPos >= 0 && imageId >= 0 && listPos < FImageListIds->GetCount() &&
      imageList->GetGUID() == FImageListIds->GetStrings(listPos)) {
    Integer index = imageList->IdIndex(imageId);
    if (index >= 0) {
      TtsImageItem* image = imageList->GetImage(Variant(index));
      String current = image->GetSetName().empty() ? image->GetName() : image->GetSetName() + "." + image->GetName();
      if (current != name) {
        Value = current;
        SetDataValue(DataCol, DataRow, Value, ControlType);
      }
      return;
    }
  }
  if (imageList && GetInDesignMode() && imageList->NameIndex(name) >= 0) SetDataValue(DataCol, DataRow, Value, ControlType);
}

Integer TtsBaseGrid::ImageListIndex(TtsImageListComponent* ImageList) {
  String guid = ImageList->GetGUID();
  Integer index = FImageListIds->IndexOf(guid);
  return index >= 0 ? index : FImageListIds->Add(guid);
}

void TtsBaseGrid::SetDataValue(Integer DataCol, Integer DataRow, const Variant& Value, TtsControlType ControlType) {
  if (!FStoreData) return;
  TtsValueType type = ControlDataType(ControlType, Value);
  Variant stored = Value;
  if (ControlType == ctPicture && type == vtpPictureName && GetInDesignMode()) {
    if (TtsImageItem* image = ImageListPicture(Value))
      stored = AddPictureIds(VarToStr(Value), ImageListIndex(GetImageList()), image->GetID());
  }
  FStorage->SetValue(DataCol, DataRow, stored, type);
}

void TtsBaseGrid::CheckGridData(Integer DataCol, Integer DataRow) {
  if (!FStoreData || ComponentState().Contains(csLoading)) return;
  auto check = [this](Integer col, Integer row) {
    TtsValueType type = FStorage->GetValueType(col, row);
    if (type != vtpNone && !ControlDataTypeOk(GiveCellControlType(col, row), type)) FStorage->ClearValue(col, row);
  };
  auto checkRow = [&](Integer row) {
    Integer last = std::min(GetGridColCount(), FStorage->MaxColValueSet(row));
    for (Integer col = 1; col <= last; ++col) check(col, row);
  };
  if (DataCol >= 1 && DataRow >= 1) {
    check(DataCol, DataRow);
  } else if (DataCol >= 1) {
    for (Integer row = 1; row <= GetGridRowCount(); ++row) check(DataCol, row);
  } else if (DataRow >= 1) {
    checkRow(DataRow);
  } else {
    for (Integer row = 1; row <= GetGridRowCount(); ++row) checkRow(row);
  }
}

void TtsBaseGrid::DeleteColData(Integer FirstCol, Integer LastCol) {
  if (FStoreData && FirstCol <= LastCol) FStorage->DeleteCols(FirstCol, LastCol);
}

void TtsBaseGrid::DeleteRowData(Integer FirstRow, Integer LastRow) {
  if (FStoreData && FirstRow <= LastRow) FStorage->DeleteRows(FirstRow, LastRow);
}

void TtsBaseGrid::FreeGridData() {
  FreeAndNil(FStorage);
  FImageListIds->Clear();
  Invalidate();
}

void TtsBaseGrid::SetDataAllocSize(Integer Cols, Integer Rows) {
  if (!FStoreData) return;
  FStorage->RowAllocSize = Rows;
  FStorage->ColAllocSize = Rows > 256 ? std::min(Cols, 256) : Cols;
}

void TtsBaseGrid::SetDrawOverlap(TtsDrawOverlap Value) {
  if (FDrawOverlap == Value) return;
  FDrawOverlap = Value;
  Invalidate();
  RedisplayControl(true);
  CheckGridData(-1, -1);
}

// ---- Cell property indexes --------------------------------------------------------------------------
void TtsBaseGrid::DeleteAllCellProperties() {
  FreeAndNil(FCellPropSet);
  FreeAndNil(FColCellIndex);
  FreeAndNil(FRowCellIndex);
  ResetLastCell();
}

void TtsBaseGrid::DeleteRowColProperties() {
  FreeAndNil(FCols);
  FreeAndNil(FRows);
  FreeAndNil(FCurrentCell);
  FDisplayColMap.clear();
  FDisplayRowMap.clear();
}

TtsCustomPropElement* TtsBaseGrid::CreateCellElement(Integer DataCol, const Variant& DataRow) {
  Integer row = DataRow.ToInteger();
  const TVarRec key[2] = {DataCol, row};
  TtsCustomPropElement* element = FCellPropSet->CreateElement(key, 1);
  FCellPropSet->AddElement(element);
  return element;
}

void TtsBaseGrid::ResizeCellPropArrays(Integer OldColCount, Integer OldRowCount) {
  auto resize = [](TtsIntegerSetList* Index, Integer Old, Integer New) {
    if (New > Index->GetCount()) {
      Index->SetCount(New);
      for (Integer i = std::max(Old, 0); i < New; ++i) Index->SetItem(i, nullptr);
    } else if (New < Index->GetCount()) {
      // The sets of the removed entries go with them.
      for (Integer i = New; i < Index->GetCount(); ++i) {
        TtsIntegerSet* set = Index->GetItem(i);
        Index->SetItem(i, nullptr);
        if (set) set->Free();
      }
      Index->SetCount(New);
    }
  };
  resize(FColCellIndex, OldColCount, GetColCount());
  resize(FRowCellIndex, OldRowCount, GetRowCount());
}

void TtsBaseGrid::AddToPropList(TtsCellElement* Element) {
  auto add = [](TtsIntegerSetList* Index, Integer Entry, Integer Value) {
    if (Entry < 0 || Entry >= Index->GetCount()) return;
    TtsIntegerSet* set = Index->GetItem(Entry);
    if (!set) {
      set = New<TtsIntegerSet>();
      Index->SetItem(Entry, set);
    }
    set->Add(Value);
  };
  add(FColCellIndex, Element->GetDataCol(), Element->GetDataRow());
  add(FRowCellIndex, Element->GetDataRow(), Element->GetDataCol());
}

void TtsBaseGrid::DeleteFromPropList(TtsCellElement* Element) {
  auto remove = [](TtsIntegerSetList* Index, Integer Entry, Integer Value) {
    if (!Index || Entry < 0 || Entry >= Index->GetCount()) return;
    TtsIntegerSet* set = Index->GetItem(Entry);
    if (!set) return;
    set->Remove(Value);
    if (set->GetCount() == 0) {
      Index->SetItem(Entry, nullptr);
      set->Free();
    }
  };
  remove(FColCellIndex, Element->GetDataCol(), Element->GetDataRow());
  remove(FRowCellIndex, Element->GetDataRow(), Element->GetDataCol());
}

// ---- After a count change ---------------------------------------------------------------------------
void TtsBaseGrid::SizeChanged(Integer OldColCount, Integer OldRowCount) {
  inherited::SizeChanged(OldColCount, OldRowCount);
  // The grid sets its counts while it is still being built; its lists are sized once they exist.
  if (!FCols || !FRows) return;
  SetDataAllocSize(GetColCount(), GetRowCount());
  bool colsChanged = OldColCount != GetColCount();
  bool rowsChanged = OldRowCount != GetRowCount();
  if (colsChanged || rowsChanged) {
    CheckResetButtons();
    ResizeCellPropArrays(OldColCount, OldRowCount);
  }
  if (colsChanged) {
    FCols->Resize(OldColCount);
    if (FColSelection) FColSelection->SetSize(GetColCount());
    CreateDefaultColNumber(OldColCount);
    DoColCountChanged(OldColCount - 1, GetColCount() - 1);
  }
  if (rowsChanged) {
    FRows->Resize(OldRowCount);
    if (FChangedRows) ResizeRowChanged();
    if (FRowSelection) FRowSelection->SetSize(GetRowCount());
    CreateDefaultRowNumber(OldRowCount);
    Integer oldRows = OldRowCount - 1 - FCountedInsertionRow;
    FCountedInsertionRow = FInsertionRow;
    CheckRowCountChanged(oldRows, GetRowCount() - 1 - FInsertionRow);
  }
  UpdateScrollRange();
}

// ---- Fast assignment --------------------------------------------------------------------------------
void TtsBaseGrid::SetFastAssign(bool Value) {
  if (Value) {
    if (!GetFastAssign()) InitFastAssign();
    ++FFastAssignCount;
    return;
  }
  if (FFastAssignCount > 0) --FFastAssignCount;
  if (!GetFastAssign()) EndFastAssign();
}

bool TtsBaseGrid::GetFastAssign() { return FFastAssignCount > 0 || Reading(); }

void TtsBaseGrid::InitFastAssign() {
  SetEnablePaint(false);
  HideGridControl(true);
  FDeferredActions = TtsGridActions();
}

void TtsBaseGrid::EndFastAssign() {
  try {
    PerformFastAssignActions();
    ShowGridControl();
    Invalidate();
  } catch (...) {
    SetEnablePaint(true);
    throw;
  }
  SetEnablePaint(true);
}

void TtsBaseGrid::PerformFastAssignActions() {
  TtsGridActions actions = FDeferredActions;
  FDeferredActions = TtsGridActions();
  if (actions.Contains(gacCheckTopLeft)) CheckTopLeft(true);
  if (actions.Contains(gacTopLeftChanged)) TopLeftChanged();
}

}  // namespace TSGrid
