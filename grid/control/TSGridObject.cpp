// The grid object: its published settings, construction and destruction, factories, design mode,
// errors and the component housekeeping.
#include "TSGridImpl.h"
#include "Bits.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Forms.h"
#include "Menus.h"
#include "StringLists.h"
#include "TSCommonStorage.h"
#include "TSGrid.h"
#include "TypInfo.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsBaseGrid) {
  using G = TtsBaseGrid;
  d.Property("Cols", &G::GetGridColCount, &G::SetGridColCount);
  d.Property("Rows", &G::GetGridRowCount, &G::SetGridRowCount);
  d.Property("DefaultColWidth", &G::GetDefaultColWidth, &G::SetDefaultColWidth).Default(64);
  d.Property("DefaultRowHeight", &G::GetDefaultRowHeight, &G::SetDefaultRowHeight).Default(14);
  d.Property("FixedColCount", &G::GetFixedColCount, &G::SetFixedColCount).Default(0);
  d.Property("FixedRowCount", &G::GetFixedRowCount, &G::SetFixedRowCount).Default(0);
  d.Property("RowBarOn", &G::GetRowBarOn, &G::SetRowBarOn).Default(true);
  d.Property("RowBarWidth", &G::GetRowBarWidth, &G::SetRowBarWidth).Default(14);
  d.Property("HeadingOn", &G::GetHeadingOn, &G::SetHeadingOn).Default(true);
  d.Property("HeadingHeight", &G::GetHeadingHeight, &G::SetHeadingHeight).Default(15);
  d.Property("GridLines", &G::GetGridLines, &G::SetGridLines).Default(glBoth);
  d.Property("LineColor", &G::GetLineColor, &G::SetLineColor).Default(Graphics::clSilver).Type(Graphics::ColorTypeInfo());
  d.Property("FixedLineColor", &G::GetFixedLineColor, &G::SetFixedLineColor)
      .Default(Graphics::clBlack)
      .Type(Graphics::ColorTypeInfo());
  d.Property("DrawOverlap", &G::GetDrawOverlap, &G::SetDrawOverlap).Default(doDrawColOnTop);
  d.Property("HeadingColor", &G::GetHeadingColor, &G::SetHeadingColor)
      .Default(Graphics::clBtnFace)
      .Type(Graphics::ColorTypeInfo());
  d.Property("HeadingFont", &G::GetHeadingFont, &G::SetHeadingFont).Stored(&G::StoreHeadingFont);
  d.Property("HeadingParentFont", &G::GetHeadingParentFont, &G::SetHeadingParentFont).Default(true);
  d.Property("Heading3D", &G::GetHeading3D, &G::SetHeading3D).Default(true);
  d.Property("Is3D", &G::GetIs3D, &G::SetIs3D).Default(false);
  d.Property("HeadingButton", &G::GetHeadingButton, &G::SetHeadingButton).Default(hbNone);
  d.Property("HeadingHorzAlignment", &G::GetHeadingHorzAlignment, &G::SetHeadingHorzAlignment)
      .Default(TSCommon::htaDefault);
  d.Property("HorzAlignment", &G::GetHorzAlignment, &G::SetHorzAlignment).Default(TSCommon::htaDefault);
  d.Property("HeadingVertAlignment", &G::GetHeadingVertAlignment, &G::SetHeadingVertAlignment)
      .Default(TSCommon::vtaDefault);
  d.Property("VertAlignment", &G::GetVertAlignment, &G::SetVertAlignment).Default(TSCommon::vtaDefault);
  d.Property("RowBarAlignment", &G::GetRowBarAlignment, &G::SetRowBarAlignment).Default(TSCommon::vtaDefault);
  d.Property("HeadingWordWrap", &G::GetHeadingWordWrap, &G::SetHeadingWordWrap).Default(wwDefault);
  d.Property("WordWrap", &G::GetWordWrap, &G::SetWordWrap).Default(wwDefault);
  d.Property("EditColor", static_cast<TColor (G::*)() const>(&G::GetEditColor), &G::SetEditColor).Default(Graphics::clNone).Type(Graphics::ColorTypeInfo());
  d.Property("EditFontColor", &G::GetEditFontColor, &G::SetEditFontColor)
      .Default(Graphics::clNone)
      .Type(Graphics::ColorTypeInfo());
  d.Property("SelectionColor", &G::GetSelectionColor, &G::SetSelectionColor)
      .Default(Graphics::clHighlight)
      .Type(Graphics::ColorTypeInfo());
  d.Property("SelectionFontColor", &G::GetSelectionFontColor, &G::SetSelectionFontColor)
      .Default(Graphics::clHighlightText)
      .Type(Graphics::ColorTypeInfo());
  d.Property("SelectionType", &G::GetSelectionType, &G::SetSelectionType).Default(sltDefault);
  d.Property("FocusBorder", &G::GetFocusBorder, &G::SetFocusBorder).Default(fbDot);
  d.Property("FocusColor", &G::GetFocusColor, &G::SetFocusColor).Default(Graphics::clNone).Type(Graphics::ColorTypeInfo());
  d.Property("FocusBorderColor", &G::GetFocusBorderColor, &G::SetFocusBorderColor)
      .Default(Graphics::clNone)
      .Type(Graphics::ColorTypeInfo());
  d.Property("FocusFontColor", &G::GetFocusFontColor, &G::SetFocusFontColor)
      .Default(Graphics::clNone)
      .Type(Graphics::ColorTypeInfo());
  d.Property("RowBarIndicator", &G::GetRowBarIndicator, &G::SetRowBarIndicator).Default(true);
  d.Property("RowChangedIndicator", &G::GetRowChangedIndicator, &G::SetRowChangedIndicator).Default(riOn);
  d.Property("CheckBoxStyle", &G::GetCheckBoxStyle, &G::SetCheckBoxStyle).Default(stCheck);
  d.Property("CheckBoxValues", &G::GetCheckBoxValues, &G::SetCheckBoxValues);
  d.Property("FlatButtons", &G::GetFlatButtons, &G::SetFlatButtons).Default(true);
  d.Property("InactiveButtonState", &G::GetInactiveButtonState, &G::SetInactiveButtonState).Default(ibsBackGround);
  d.Property("ButtonEdgeWidth", &G::GetButtonEdgeWidth, &G::SetButtonEdgeWidth).Default(2);
  d.Property("DefaultButtonWidth", &G::GetDefaultButtonWidth, &G::SetDefaultButtonWidth).Default(11);
  d.Property("DefaultButtonHeight", &G::GetDefaultButtonHeight, &G::SetDefaultButtonHeight).Default(9);
  d.Property("SpinButtonWidth", &G::GetSpinButtonWidth, &G::SetSpinButtonWidth).Default(11);
  d.Property("SpinButtonHeight", &G::GetSpinButtonHeight, &G::SetSpinButtonHeight).Default(9);
  d.Property("ReadOnlyButton", &G::GetReadOnlyButton, &G::SetReadOnlyButton).Default(true);
  d.Property("AlwaysDetectButton", &G::GetAlwaysDetectButton, &G::SetAlwaysDetectButton).Default(false);
  d.Property("StretchPicture", &G::GetStretchPicture, &G::SetStretchPicture).Default(true);
  d.Property("ShrinkPicture", &G::GetShrinkPicture, &G::SetShrinkPicture).Default(true);
  d.Property("CenterPicture", &G::GetCenterPicture, &G::SetCenterPicture).Default(true);
  d.Property("KeepAspectRatio", &G::GetKeepAspectRatio, &G::SetKeepAspectRatio).Default(false);
  d.Property("TransparentColor", &G::GetTransparentColor, &G::SetTransparentColor)
      .Default(Graphics::clNone)
      .Type(Graphics::ColorTypeInfo());
  d.Property("GridMode", &G::GetGridMode, &G::SetGridMode).Default(gmEdit);
  d.Property("AlwaysShowEditor", &G::GetAlwaysShowEditor, &G::SetAlwaysShowEditor).Default(true);
  d.Property("AlwaysShowFocus", &G::GetAlwaysShowFocus, &G::SetAlwaysShowFocus).Default(false);
  d.Property("SkipReadOnly", &G::GetSkipReadOnly, &G::SetSkipReadOnly).Default(true);
  d.Property("ColSelectMode", &G::GetColSelectMode, &G::SetColSelectMode).Default(csMulti);
  d.Property("RowSelectMode", &G::GetRowSelectMode, &G::SetRowSelectMode).Default(rsMulti);
  d.Property("CellSelectMode", &G::GetCellSelectMode, &G::SetCellSelectMode).Default(cmRange);
  d.Property("SelectFixed", &G::GetSelectFixed, &G::SetSelectFixed).Default(true);
  d.Property("SelectedAreaCursor", &G::GetSelectedAreaCursor, &G::SetSelectedAreaCursor).Default(crDefault);
  d.Property("ColMoving", &G::GetColMoving, &G::SetColMoving).Default(true);
  d.Property("RowMoving", &G::GetRowMovingProp, &G::SetRowMovingProp).Default(true);
  d.Property("ResizeCols", &G::GetResizeCols, &G::SetResizeCols).Default(rcSingle);
  d.Property("ResizeRows", &G::GetResizeRows, &G::SetResizeRows).Default(rrAll);
  d.Property("ResizeColsInGrid", &G::GetResizeColsInGrid, &G::SetResizeColsInGrid).Default(false);
  d.Property("ResizeRowsInGrid", &G::GetResizeRowsInGrid, &G::SetResizeRowsInGrid).Default(false);
  d.Property("ScrollBars", &G::GetScrollBars, &G::SetScrollBars).Default(ssBoth);
  d.Property("AlwaysShowScrollBar", &G::GetAlwaysShowScrollBar, &G::SetAlwaysShowScrollBar).Default(ssNone);
  d.Property("ScrollSpeed", &G::GetScrollSpeed, &G::SetScrollSpeed).Default(spVariable);
  d.Property("ThumbTracking", &G::GetThumbTracking, &G::SetThumbTracking).Default(false);
  d.Property("TabRowWrap", &G::GetTabRowWrap, &G::SetTabRowWrap).Default(true);
  d.Property("WantTabs", &G::GetWantTabs, &G::SetWantTabs).Default(true);
  d.Property("CheckMouseFocus", &G::GetCheckMouseFocus, &G::SetCheckMouseFocus).Default(true);
  d.Property("SpinStartDelay", &G::GetSpinStartDelay, &G::SetSpinStartDelay).Default(500);
  d.Property("SpinRepeatDelay", &G::GetSpinRepeatDelay, &G::SetSpinRepeatDelay).Default(80);
  d.Property("StoreData", &G::GetStoreData, &G::SetStoreData).Default(false);
  d.Property("AutoScale", &G::GetAutoScale, &G::SetAutoScale).Default(false);
  d.Property("Version", &G::GetVersion, &G::SetVersion);
  d.Property("DateTimeDef", &G::GetDateTimeDef, &G::SetDateTimeDef);
  d.Property("ImageList", &G::GetImageList, &G::SetImageList);
  d.Property("MaskDefs", &G::GetMaskDefs, &G::SetMaskDefs);
  d.Property("GridReport", &G::GetGridReport, &G::SetGridReport);
  d.Property("XMLExport", &G::GetXMLExport, &G::SetXMLExport);
  d.Property("PrintTitle", &G::GetPrintTitle, &G::SetPrintTitle);
  d.Property("PrintLinesPerPage", &G::GetPrintLinesPerPage, &G::SetPrintLinesPerPage).Default(40);
  d.Property("PrintOrientation", &G::GetPrintOrientation, &G::SetPrintOrientation).Default(pmLandscape);
  d.Property("PrintTotals", &G::GetPrintTotals, &G::SetPrintTotals).Default(true);
  d.Property("PrintCols", &G::GetPrintCols, &G::SetPrintCols).Default(0);
  d.Property("PrintWithGridFormats", &G::GetPrintWithGridFormats, &G::SetPrintWithGridFormats).Default(true);
  d.Property("ProvideGridMenu", &G::GetProvideGridMenu, &G::SetProvideGridMenu).Default(false);
  d.Property("ExportDelimiter", &G::GetExportDelimiter, &G::SetExportDelimiter);
}

// ---- Construction and destruction -------------------------------------------------------------------
void TtsBaseGrid::Construct() {
  inherited::Construct();
  // The grid stores its extents itself (as column and row settings).
  SetStoreExtents(false);
  FXMLExport = New<TosXMLExport>();
  FDisplayColMap.assign(static_cast<size_t>(GetColCount()), 0);
  FDisplayRowMap.assign(static_cast<size_t>(GetRowCount()), 0);
  CreateDefaultColNumber(0);
  CreateDefaultRowNumber(0);
  FCols = CreateCols();
  FRows = CreateRows();
  FCurrentCell = CreateCurrentCell();
  FColCellIndex = New<TtsIntegerSetList>();
  FRowCellIndex = New<TtsIntegerSetList>();
  FColCellIndex->SetCount(GetColCount());
  FRowCellIndex->SetCount(GetRowCount());
  FCellPropSet = New<TtsCellPropSet>(this);
  FMaskLink = New<TtsGridMaskLink>(this);
  FImageLink = New<TtsGridImageLink>(this);
  FImageListIds = New<StringLists::TStringList>();
  FDateTimeLink = New<TtsGridDateTimeLink>(this);
  FColFontFollowers = New<TtsIntegerList>();
  FRowFontFollowers = New<TtsIntegerList>();
  FCellFontFollowers = New<TtsCoordList>();
  CreateDefaultValues();
  FRowSelection = New<TtsSelection>();
  FRowSelection->SetSize(GetRowCount());
  FColSelection = New<TtsSelection>();
  FColSelection->SetSize(GetColCount());
  FSelectedRange = MakeGridRect(0, 0, 0, 0);
  CreateGridControls();
  FVisibleColItems = New<TtsVisibleItems>();
  FVisibleColItems->SetSize(FColCount, 1);
  FVisibleRowItems = New<TtsVisibleItems>();
  FVisibleRowItems->SetSize(FRowCount, 1);
  FControlEnabled = FAlwaysShowEditor;
  FControlSelectMode = tsNone;
  FActiveControl = FEditControl;
  FChangedRows = New<TBits>();
  FChangedRows->SetSize(GetRowCount());
  CheckPictureMask(false);
  TCustomGrid_ts::SetScrollBars(ssNone);
}

void TtsBaseGrid::CreateDefaultValues() {
  FDefaultsSetting = true;
  try {
    FInsertionRow = FPrevInsertionRow = 0;
    SetOptions({});
    FEditMode = emEdit;
    FGridMode = gmEdit;
    FHeightUpdating = FWidthUpdating = true;
    inherited::SetDefaultRowHeight(14);
    inherited::SetDefaultColWidth(64);
    FHeightUpdating = FWidthUpdating = false;
    FLastDefaultRowHeight = 14;
    FLastDefaultColWidth = 64;
    FCols->GetItem(0)->SetWidth(14);
    FRows->GetItem(0)->SetHeight(15);
    SetCursor(crDefault);
    SetDefaultDrawing(false);
    FColCount = DefaultColCount();
    FRowCount = DefaultRowCount();
    FDeletedColCount = FDeletedRowCount = 0;
    SetColCount(FColCount + 1);
    SetRowCount(FRowCount + 1);
    FRowBarWidthMemory = 14;
    FHeadingHeightMemory = 15;
    SetFixedCols(1);
    SetFixedRows(1);
    CalcHorzFixedWidth();
    CalcVertFixedHeight();
    SetGridLineWidth(0);
    FHeadingFont = New<TFont>();
    FHeadingFont->Assign(GetFont());
    FHeadingFont->OnChange = TNotifyEvent(this, &TtsBaseGrid::HeadingFontChange);
  } catch (...) {
    FDefaultsSetting = false;
    throw;
  }
  FDefaultsSetting = false;
}

void TtsBaseGrid::Destroy() {
  Destroying();
  StopTimer(FButtonTimer);
  CheckDropDownOff(false);
  UnregisterDropDownGrid(this);
  FreeAndNil(FColFontFollowers);
  FreeAndNil(FRowFontFollowers);
  FreeAndNil(FCellFontFollowers);
  FreeAndNil(FMaskLink);
  FreeAndNil(FImageLink);
  FreeAndNil(FImageListIds);
  FActiveControl = nullptr;
  FreeAndNil(FEditControl);
  FreeAndNil(FCheckControl);
  FreeAndNil(FPictureControl);
  FreeAndNil(FOtherControl);
  FreeAndNil(FChangedRows);
  FreeAndNil(FRowSelection);
  FreeAndNil(FColSelection);
  FreeAndNil(FVisibleColItems);
  FreeAndNil(FVisibleRowItems);
  FreeAndNil(FPictureColorMask);
  ResetGridDc();
  ForgetSkippedPaint();
  DeleteRowColProperties();
  DeleteAllCellProperties();
  for (TtsCustomButton** button : {&FComboButton, &FNormalButton, &FVertSpinButton, &FHorzSpinButton,
                                   &FDateTimeDropDownButton, &FDateTimePopupButton})
    FreeAndNil(*button);
  FreeAndNil(FDrawBitmap);
  FreeAndNil(FDrawFont);
  FreeAndNil(FHeadingFont);
  FreeAndNil(FCombo);
  FreeAndNil(FStorage);
  SetDateTimeDef(nullptr);
  FreeAndNil(FDateTimeLink);
  FreeAndNil(FCellCollection);
  FreeAndNil(FGridMenu);
  FreeAndNil(FReadColMap);
  FreeAndNil(FXMLExport);
  inherited::Destroy();
}

void TtsBaseGrid::CreateDefaultColNumber(Integer Start) {
  FDisplayColMap.resize(static_cast<size_t>(GetColCount()), 0);
  for (Integer i = std::max(Start, 0); i < GetColCount(); ++i) FDisplayColMap[static_cast<size_t>(i)] = i;
}

void TtsBaseGrid::CreateDefaultRowNumber(Integer Start) {
  FDisplayRowMap.resize(static_cast<size_t>(GetRowCount()), 0);
  for (Integer i = std::max(Start, 0); i < GetRowCount(); ++i) FDisplayRowMap[static_cast<size_t>(i)] = i;
}

void TtsBaseGrid::ResizeVisibleCols(Integer OldLast) {
  Integer last = GetColCount() - 1;
  bool found;
  Integer size = OldLast < last ? FVisibleColItems->GetSize() + last - OldLast
                                : FVisibleColItems->Locate(GetColCount(), found) - 1;
  FVisibleColItems->SetSize(size, OldLast + 1);
}

void TtsBaseGrid::ResizeVisibleRows(Integer OldLast) {
  Integer last = GetRowCount() - 1;
  bool found;
  Integer size = OldLast < last ? FVisibleRowItems->GetSize() + last - OldLast
                                : FVisibleRowItems->Locate(GetRowCount(), found) - 1;
  FVisibleRowItems->SetSize(size, OldLast + 1);
}

// ---- Factories and the in-place controls ------------------------------------------------------------
TtsGridCols* TtsBaseGrid::CreateCols() { return New<TtsGridCols>(GetColCount(), this); }
TtsGridRows* TtsBaseGrid::CreateRows() { return New<TtsGridRows>(GetRowCount(), this); }
TtsCurrentCell* TtsBaseGrid::CreateCurrentCell() { return New<TtsCurrentCell>(this); }

void TtsBaseGrid::CreateGridControls() {
  auto prepare = [this](TtsCustomGridControl* Control, Integer AboveHeight) {
    Control->SetGrid(this);
    // Out of sight above the client area until it is placed on a cell.
    Control->SetTop(-AboveHeight - 1);
    Control->SetLeftMargin(3);
    Control->SetCursor(GetCursor());
    SetControlEvents(Control);
  };
  FEditControl = New<TtsEditGridControl>(this);
  prepare(FEditControl, FEditControl->GetHeight());
  auto* check = New<TtsCheckGridControl>(this);
  FCheckControl = check;
  prepare(check, FEditControl->GetHeight());
  check->SetCheckBoxStyle(static_cast<TtsGridCheckBoxStyle>(FCheckBoxStyle));
  check->SetAllowGrayed(false);
  check->SetCheckBoxValues(FCheckBoxValues);
  FPictureControl = New<TtsDefaultGridControl>(this);
  FOtherControl = New<TtsDefaultGridControl>(this);
}

void TtsBaseGrid::SetControlEvents(TtsCustomGridControl* Control) {
  Control->SetEndKeyDown(TKeyEvent(this, &TtsBaseGrid::CtrlOnEndKeyDown));
  Control->SetEndKeyPress(TKeyPressEvent(this, &TtsBaseGrid::CtrlOnEndKeyPress));
  Control->SetNotifyChanged(TtsNotifyChangedEvent(this, &TtsBaseGrid::CtrlOnNotifyChanged));
  Control->SetChanged(TtsChangedEvent(this, &TtsBaseGrid::CtrlOnChanged));
  Control->SetEdit(TtsEditEvent(this, &TtsBaseGrid::CtrlOnEdit));
  Control->SetCanChange(TtsChangeEvent(this, &TtsBaseGrid::CtrlOnCanChange));
  Control->SetUndoChanged(TtsUndoChangedEvent(this, &TtsBaseGrid::CtrlOnUndoChanged));
  Control->SetKeyDown(TKeyEvent(this, &TtsBaseGrid::CtrlOnKeyDown));
  Control->SetKeyUp(TKeyEvent(this, &TtsBaseGrid::CtrlOnKeyUp));
  Control->SetKeyPress(TKeyPressEvent(this, &TtsBaseGrid::CtrlOnKeyPress));
  Control->SetClick(TNotifyEvent(this, &TtsBaseGrid::CtrlOnClick));
  Control->SetDblClick(TNotifyEvent(this, &TtsBaseGrid::CtrlOnDblClick));
  Control->SetMouseDown(TMouseEvent(this, &TtsBaseGrid::CtrlOnMouseDown));
  Control->SetMouseUp(TMouseEvent(this, &TtsBaseGrid::CtrlOnMouseUp));
  Control->SetMouseMove(TMouseMoveEvent(this, &TtsBaseGrid::CtrlOnMouseMove));
  Control->SetDragDrop(TDragDropEvent(this, &TtsBaseGrid::CtrlOnDragDrop));
  Control->SetDragOver(TDragOverEvent(this, &TtsBaseGrid::CtrlOnDragOver));
  Control->SetEndDrag(TEndDragEvent(this, &TtsBaseGrid::CtrlOnEndDrag));
  Control->SetStartDrag(TStartDragEvent(this, &TtsBaseGrid::CtrlOnStartDrag));
  Control->SetKillFocus(TNotifyEvent(this, &TtsBaseGrid::CtrlOnKillFocus));
  Control->SetWantKey(TtsWantKeyEvent(this, &TtsBaseGrid::CtrlOnWantKey));
  Control->SetInvalidKeys(TtsInvalidEditEvent(this, &TtsBaseGrid::CtrlOnInvalidMaskEdit));
  Control->SetEditTextResized(TtsEditTextResizedEvent(this, &TtsBaseGrid::CtrlOnEditTextResized));
}

TtsCustomGridControl* TtsBaseGrid::GridCellControl(TtsControlType ControlType) {
  switch (ControlType) {
    case ctText:
      return FEditControl;
    case ctCheck:
      return FCheckControl;
    case ctPicture:
      return FPictureControl;
    default:
      return FOtherControl;
  }
}

void TtsBaseGrid::SetGridControlParent() {
  if (!HandleAllocated()) return;
  for (TtsCustomGridControl* control : {FEditControl, FCheckControl}) {
    if (GetParent()) {
      control->SetParent(this);
      control->SetParentWindow(nullptr);
    } else {
      control->SetParent(nullptr);
      control->SetParentWindow(GetHandle());
    }
  }
}

void TtsBaseGrid::CreateWnd() {
  inherited::CreateWnd();
  SetGridControlParent();
  SetCurrentPosition(FCurDisplayCol, FCurDisplayRow, true, true);
  FActiveControl->SetVisible(false);
  SetControlSelectMode(tsAll);
  ShowGridControl();
  UpdateScrollRange();
}

// ---- Version, design mode and housekeeping ----------------------------------------------------------
String TtsBaseGrid::GetVersion() { return "2.20.24"; }

bool TtsBaseGrid::GetInDesignMode() {
  if (FIsComboGrid && GetParentGrid()) return GetParentGrid()->GetInDesignMode();
  return ComponentState().Contains(csDesigning) || FDesignModeOverride;
}

void TtsBaseGrid::SetInDesignMode(bool Value) {
  if (Value != GetInDesignMode()) FDesignModeOverride = Value;
}

bool TtsBaseGrid::CanActivateEvent() { return !ComponentState().Contains(csLoading); }

void TtsBaseGrid::UpdateDesigner() {
  if (!Reading() && FPainted) inherited::UpdateDesigner();
}

void TtsBaseGrid::SetName(const String& NewName) {
  if (FReadingFlag) return;
  inherited::SetName(NewName);
}

void TtsBaseGrid::SetParent(TWinControl* AParent) {
  inherited::SetParent(AParent);
  SetGridControlParent();
}

void TtsBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FGridReport) FGridReport = nullptr;
}

void TtsBaseGrid::GetChildren(TGetChildProc Proc, TComponent* Root) {
  // The in-place controls are never streamed.
  if (ComponentState().Contains(csWriting) || Writing()) return;
  inherited::GetChildren(Proc, Root);
}

// ---- Errors -----------------------------------------------------------------------------------------
void TtsBaseGrid::InvalidOp(const String& Message) {
  if (FIsComboGrid && GetParentGrid()) throw EInvalidGridOperation(GetParentGrid()->GetName() + ".Combo: " + Message);
  throw EInvalidGridOperation(GetName() + ": " + Message);
}

void TtsBaseGrid::InvalidMaskOp(const String& Message) {
  if (FIsComboGrid && GetParentGrid()) throw EtsMaskError(GetParentGrid()->GetName() + ".Combo: " + Message);
  throw EtsMaskError(GetName() + ": " + Message);
}

bool TtsBaseGrid::CheckIndex(TtsIndexType Kind, Integer Index, Integer Max, Integer Min) {
  if (Index >= Min && Index <= Max) return true;
  if (FRaiseErrors)
    InvalidOp(Format(Kind == itRow ? "Row index %d out of range" : "Column index %d out of range", {Index}));
  return false;
}

bool TtsBaseGrid::CheckGetCell() {
  if (!FInCellLoadedEvent) return true;
  if (FRaiseErrors) InvalidOp("Cannot get Cell property value while in OnCellLoaded event");
  return false;
}

void TtsBaseGrid::RunCellLoaded(TtsControlType ControlType, Variant& Value, const std::function<void()>& Handlers) {
  {
    struct TLoadingFlag {
      bool& Flag;
      explicit TLoadingFlag(bool& F) : Flag(F) { Flag = true; }
      ~TLoadingFlag() { Flag = false; }
    } loading(FInCellLoadedEvent);
    Handlers();
  }
  if (VarIsEmpty(Value)) return;
  CheckVarType(ControlType, Value);
  if (ControlType == ctText && !VarIsStr(Value)) CheckStrValue(ControlType, Value, Value);
}

bool TtsBaseGrid::VarTypeFits(TtsControlType ControlType, const Variant& Value) {
  if (GetInDesignMode()) return true;
  auto isInteger = [&] {
    switch (VarType(Value)) {
      case varSmallint:
      case varInteger:
      case varShortInt:
      case varByte:
      case varWord:
      case varLongWord:
      case varInt64:
        return true;
      default:
        return false;
    }
  };
  switch (ControlType) {
    case ctText:
      return VarIsStr(Value);
    case ctCheck:
      return isInteger() || VarIsStr(Value) || VarIsNull(Value);
    case ctPicture:
      return isInteger() || VarIsStr(Value);
    default:
      return true;
  }
}

bool TtsBaseGrid::CheckVarType(TtsControlType ControlType, const Variant& Value) {
  if (VarTypeFits(ControlType, Value)) return true;
  if (FRaiseErrors) {
    switch (ControlType) {
      case ctText:
        InvalidOp("Invalid cell value. A text column requires a value of type string");
      case ctCheck:
        InvalidOp("Invalid cell value. A checkbox column requires a value of type TCheckBoxState or string");
      default:
        InvalidOp("Invalid cell value. A picture column requires a value of type TBitmap or string");
    }
  }
  return false;
}

}  // namespace TSGrid
