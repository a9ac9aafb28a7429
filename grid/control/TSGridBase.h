// TtsBaseGrid: the grid engine of the grid family, which the grid control and the data-bound grid
// extend. It derives from the base grid engine (display geometry) and adds column, row and cell
// property objects with layered defaults, a display order of columns and rows over their data
// order, selections, the current cell with its edit buffer, in-place controls, cell buttons and
// combos, layout streaming and a layer of overridable event dispatchers.
//
// Numbering: display column 0 is the row bar and display row 0 the heading row; data columns run
// 1..Cols and data rows 1..Rows, data column 0 and data row 0 standing for the row bar and the
// heading. Two maps give the data number shown at each display position; the column objects and
// the row store keep the other direction.
//
// The overridable operations come in a fixed order (the descendants override by it); the 40 marked
// abstract raise the platform's abstract-call error here and are implemented by the descendants.
#pragma once

#include <functional>
#include <vector>

#include "Grids_ts.h"
#include "TSGridTypes.h"

namespace Bits {
class TBits;
}
namespace WinScrollBars {
struct SCROLLINFO;
}
namespace Lists {
class TList;
}
namespace StringLists {
class TStringList;
}
namespace Menus {
class TPopupMenu;
}
namespace Forms {
class TCustomForm;
}
namespace TSCommon {
class Tts2DStorage;
}
namespace TSImageList {
class TtsImageListComponent;
class TtsImageItem;
class TtsImage;
}  // namespace TSImageList
namespace TSMask {
class TtsMaskDefsComponent;
}

namespace TSGrid {

using Forms::TCustomForm;
using Menus::TPopupMenu;
using TSImageList::TtsImageItem;
using TSImageList::TtsImageListComponent;
using TSMask::TtsMaskDefsComponent;
using WinScrollBars::SCROLLINFO;

class TtsCol;
class TtsRow;
class TtsGridCols;
class TtsGridRows;
class TtsCurrentCell;
class TtsCustomPropElement;
class TtsCellElement;
class TtsCellPropSet;
class TtsSelection;
class TtsVisibleItems;
class TtsCoordList;
class TtsCombo;
class TtsCustomButton;
class TtsNormalButton;
class TtsComboButton;
class TtsCustomGridControl;
class TtsGridMaskLink;
class TtsGridImageLink;
class TtsGridDateTimeLink;
class TtsPropCollection;
class TtsColCollection;
class TtsCellCollection;
class TtsGridStreamComponent;
class TosXMLExport;
class TosCustomGridReport;

class TtsBaseGrid : public TCustomGrid_ts {
  DECLARE_CLASS(TtsBaseGrid, TCustomGrid_ts)
  friend class TtsCol;
  friend class TtsRow;
  friend class TtsGridCols;
  friend class TtsGridRows;
  friend class TtsCurrentCell;
  friend class TtsCustomPropElement;
  friend class TtsCellElement;
  friend class TtsCellPropSet;
  friend class TtsColItem;
  friend class TtsRowItem;
  friend class TtsCellItem;
  friend class TtsGridStreamComponent;
  friend class TtsCombo;
  friend class TtsGridImageLink;
  friend class TtsGridDateTimeLink;

 public:
  explicit TtsBaseGrid(TComponent* AOwner = nullptr) : TCustomGrid_ts(AOwner) {}

  // ---- Overrides of the engine and the class library
  void Assign(TPersistent* Source) override;
  void SetName(const String& NewName) override;
  void SetParent(TWinControl* AParent) override;
  void Invalidate() override;
  void Update() override;
  void ChangeScale(Integer M, Integer D) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  // The grid's own handling of control messages (so far: its font changing).
  void Dispatch(TMessage& Message) override;

  // ======== Overridable operations, in their slot order ========================================
  // ---- Drawing
  virtual bool CanActivateEvent();
  virtual void DrawRowCells(Integer DisplayRow, Integer Top, const TRect& DrawRect, Integer FirstVisibleColIndex,
                            Integer& RightEdge);
  virtual void DrawCells(const TRect& DrawRect, Integer FirstVisibleColIndex, Integer FirstVisibleRowIndex,
                         Integer& RightEdge, Integer& BottomEdge);
  virtual void DrawEmptyArea(Integer RightEdge, Integer BottomEdge);
  virtual void PaintGrid();
  virtual void ClearRowBarCell(Integer DisplayRow);
  virtual void DrawBmpRowBar(Integer DisplayRow, TBitmap* Bitmap, Integer CopyMode, bool ClearInsertRow);
  virtual bool ButtonsActive();
  virtual bool CanDrawInsert();
  virtual void DoGetSortPicture(TtsSortPicture SortPicture, TBitmap*& Bitmap);
  virtual void DrawHeadingButton(TCanvas* Canvas, Integer DisplayCol, TtsDrawData& DrawData);

  // ---- Resolved cell settings and draw information
  virtual TtsControlType GiveCellControlType(Integer DataCol, Integer DataRow);
  virtual TtsSpinOptions GiveCellSpinOptions(Integer DataCol, Integer DataRow);
  virtual double GiveCellSpinIncrement(Integer DataCol, Integer DataRow);
  virtual String GiveCellCheckBoxValues(Integer DataCol, Integer DataRow);
  virtual String CurCellMaskName();
  virtual TtsControlType CurCellControlType();
  virtual bool CurCellReadOnly();
  virtual bool CurCellSelected();
  virtual String CurCellCheckBoxValues();
  virtual void GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo) {}

  // ---- Cell loading and painting hooks (abstract)
  virtual void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value);
  virtual bool PaintCell(TtsDrawData& DrawData, const TRect& Rect, bool Selected);
  virtual bool ActivateDoGetDrawInfo();

  // ---- Row, column and range selection
  // The on-screen positions of FirstRow..LastRow, walked in either direction (never empty).
  virtual void InvertSelectedRows(Integer FirstRow, Integer LastRow, bool Selected);
  virtual void InvertUnselectedRows(Integer FirstRow, Integer LastRow);
  virtual void InvertRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2, const TRect& Rect, bool Selected,
                           HDC DC);
  virtual void InvertRow(Integer DisplayRow, bool Selected, HDC DC);
  virtual void SetControlProperties(TtsCustomGridControl* Control);
  virtual void SetCurrentPosition(Integer DisplayCol, Integer DisplayRow, bool Flag, bool CheckInsertion);
  virtual void SetLastAddedRow(Integer Row) { FLastAddedDisplayRow = Row; }
  virtual void SetSelectionStartRow(Integer Row) {}
  virtual Integer SelectionStartRownr() { return FCurDisplayRow; }
  virtual void CheckSetCurrentRow(Integer Row) {}
  virtual void DeleteAllRowSelection();
  virtual void AddRowSelection(Integer A, Integer B);
  virtual void DeleteRowSelection(Integer A, Integer B);
  virtual void ChangeRowSelection(Integer A, Integer B);
  virtual void AddScrollingDown();
  virtual void DeleteScrollingDown();
  virtual void UpRowSelecting(const TPoint& ScreenPos, const TPoint& MousePos, Integer Row);
  virtual void DownRowSelecting(const TPoint& ScreenPos, const TPoint& MousePos, Integer Row);
  virtual Integer CompareRowPos(Integer DisplayRow);
  virtual void SelectRowShiftMouseDown(Integer Row, bool& Handled);
  virtual void SelectRowShiftCtrlMouseDown(Integer Row, bool& Handled);
  virtual void SelectSingleRow(Integer Row, bool Invalidate);
  virtual void SetNewSelectedRow(Integer Row);
  virtual void CheckRowSelection(bool Invalidate);
  virtual void SelectLargerRows(Integer Row);
  virtual void SelectSmallerRows(Integer Row);
  virtual void SelectCurrentRow(Integer Row);

  // ---- Top-left changes and scroll bars
  virtual void CheckTopLeftChanged(bool ByUser);
  virtual void TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol);
  virtual bool CheckRowChanged(Variant& OldRow);
  virtual void ActivateCellChanged(Integer OldCol, const Variant& OldRow);
  virtual void EndRowSelecting(bool Commit);
  virtual bool ScrollRows(Integer X, Integer Y, Integer& Col, Integer& Row);
  virtual void UpdateScrollRange();
  virtual void GetVertScrollRange(Integer& Count, Integer& Range, Integer& FirstIndex, Integer& LastIndex,
                                  bool& Scaled);
  virtual Integer GetVertScrollPos();
  virtual void UpdateScrollPos();
  virtual bool ShowHorzScrollBar(Integer Width);
  virtual bool ShowVertScrollBar(Integer Height);
  virtual bool CanShowHorzScrollBar();
  virtual bool CanShowVertScrollBar();
  virtual Integer VertScrollPageSize(Integer Range, Integer Count, Integer LastIndex);

  // ---- Mouse and keyboard
  virtual void SetMouseDownColRow(Integer DisplayCol, Integer DisplayRow);
  virtual void SetMouseUpColRow(Integer DisplayCol, Integer DisplayRow);
  // Fires the click of a completed press; true when the application handles clicks.
  virtual bool CheckClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                              const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos);
  virtual HCURSOR ShapeCursor(Integer X, Integer Y, Integer DisplayRow, Integer DisplayCol);
  virtual void DblClickCell(Integer DataCol, Integer DataRow);
  virtual void MDRangeSelecting(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow);
  virtual void MDRowSelect(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow);
  virtual void MDSelectAll(bool ByMouse);
  virtual void KeyDownVK_Up();
  virtual void VK_UpRowSelect();
  virtual void KeyDownVK_Down();
  virtual void VK_DownRowSelect();
  virtual void KeyDownVK_Prior();
  virtual void KeyDownVK_Next();
  virtual void KeyCtrl_Up();
  virtual void KeyCtrl_Down();
  virtual void KeyCtrl_Home();
  virtual void KeyCtrl_End();
  virtual void KeyDownVK_Tab(Word Key);
  virtual void ShiftKeyDownVK_Tab();
  virtual bool KeydownVK_Escape();
  virtual void ProcessKeyDown(Word& Key, TShiftState Shift);
  virtual bool CanMoveToPos(Integer DisplayCol, Integer DisplayRow);
  virtual void MoveToNewRow(Integer DisplayRow, bool ClearFocus, bool Selecting, bool SkipReadOnly);
  virtual void SetNewTopRow(Integer DisplayRow, Integer Height, Integer OldY);

  // ---- Resizing, scaling and object factories
  virtual void ColResized(Integer DataCol);
  virtual void RowResized(Integer DataRow);
  virtual void ScaleRows(Integer M, Integer D, TScalingFlags Flags);
  virtual void ScaleCols(Integer M, Integer D, TScalingFlags Flags);
  virtual void ScaleCells(Integer M, Integer D, TScalingFlags Flags);
  virtual TtsGridCols* CreateCols();
  virtual TtsGridRows* CreateRows();
  virtual TtsCurrentCell* CreateCurrentCell();
  virtual void SetGridControlParent();
  virtual void CreateGridControls();

  // ---- Assignment and streaming
  virtual void AssignColProperties(TtsBaseGrid* Source);
  virtual void AssignRowProperties(TtsBaseGrid* Source);
  virtual void AssignChangedRows(TtsBaseGrid* Source);
  virtual void AssignCellProperties(TtsBaseGrid* Source);
  virtual void AssignProperties(TtsBaseGrid* Source, const String& SkipList);
  virtual void AssignGridData(TtsBaseGrid* Source);
  virtual void AssignPropKinds(TtsBaseGrid* Source, TtsPropKinds Kinds, bool WithData);
  virtual void CheckGridStatus();
  virtual void AssignColSelections(TtsBaseGrid* Source);
  virtual void AssignRowSelections(TtsBaseGrid* Source);
  virtual void AssignCellSelections(TtsBaseGrid* Source);
  virtual void AssignSelections(TtsBaseGrid* Source, TtsPropKinds Kinds);
  virtual TtsCustomPropElement* CreateCellElement(Integer DataCol, const Variant& DataRow);
  virtual TtsColCollection* CreateColCollection(bool Fill);
  virtual TtsPropCollection* CreateRowCollection(bool Fill);
  virtual TtsCellCollection* CreateCellCollection(bool Fill);
  virtual void WriteColumns(Filer::TWriter* Writer);
  virtual void ReadColumns(Filer::TReader* Reader);
  virtual void WriteRows(Filer::TWriter* Writer);
  virtual void ReadRows(Filer::TReader* Reader);
  virtual void WriteCells(Filer::TWriter* Writer);
  virtual void ReadCells(Filer::TReader* Reader);
  virtual void ReadEditMode(Filer::TReader* Reader);
  virtual void ReadHeadingAlignment(Filer::TReader* Reader);
  virtual void WriteData(Streams::TStream* Stream);
  virtual void ReadData(Streams::TStream* Stream);
  virtual bool DoColProps(TPersistent* Ancestor);
  virtual bool DoRowProps(TPersistent* Ancestor);
  virtual bool DoCellProps(TPersistent* Ancestor);
  virtual bool StoreCols() { return true; }
  virtual bool StoreRows() { return true; }
  virtual TtsGridStreamComponent* CreateStreamComponent();

  // ---- Row insertion and deletion, editing, cell buttons and spinning
  virtual void RowInserted(Integer DataRow, bool ByUser);
  virtual void RowDeleted(Integer DataRow, bool ByUser);
  virtual void CheckRowCountChanged(Integer OldCount, Integer NewCount);
  virtual void SetInsertRowOn();
  virtual void SetInsertRowOff();
  virtual bool StartCellChange(Integer DataCol, bool Edit) { return true; }
  virtual bool CheckEndEdit(Integer DataCol, Integer DataRow, bool Force);
  virtual bool StartCellEdit();
  virtual bool StartRowEdit();
  virtual void CellEdit(Integer DataCol, Integer DataRow, bool ByUser);
  virtual bool EndCellEdit();
  virtual bool CheckMaskValue();
  virtual bool EndRowEdit();
  virtual bool CanEndEdit(bool Force);
  virtual bool CanEndCellEdit(bool Force);
  virtual bool CanEndRowEdit(bool Force);
  virtual bool UndoCellEdit(bool ByUser);
  virtual bool UndoRowEdit(bool ByUser, bool UndoRow);
  virtual bool CheckUndoRowEdit(bool ForceRow, bool& UndoRow);
  virtual void GetTextSize(Integer DataCol, const Variant& DataRow, Integer& Lines, Integer& Height);
  virtual void CheckSetMask(Integer DataCol, const Variant& DataRow);
  virtual void CheckSpinIncrement(Integer DataCol, Integer DataRow, TtsSpinButton Button);
  virtual void ButtonClick(Integer DataCol, Integer DataRow);
  virtual void ButtonDown(Integer DataCol, Integer DataRow);
  virtual void ButtonUp(Integer DataCol, Integer DataRow);
  virtual void SpinButtonClick(Integer DataCol, Integer DataRow, TtsSpinButton Button);
  virtual void SpinButtonDown(Integer DataCol, Integer DataRow, TtsSpinButton Button);
  virtual void SpinButtonUp(Integer DataCol, Integer DataRow, TtsSpinButton Button);
  virtual void SpinRepeat(Integer DataCol, Integer DataRow, TtsSpinButton Button, Integer Count);
  virtual void SpinIncrement(Integer DataCol, Integer DataRow, TtsSpinButton Button, Variant& Value, Integer& Pos,
                             Integer& Len, bool& Accept);

  // ---- Combos and date-time drop-downs
  virtual Integer GetDropDownRows();
  virtual void SetDropDownRows(Integer Value);
  virtual bool GetAutoLookup();
  virtual void SetAutoLookup(bool Value);
  virtual Integer GetDropDownCols();
  virtual void SetDropDownCols(Integer Value);
  virtual TtsBaseGrid* GetParentGrid() { return nullptr; }
  virtual void SetParentGrid(TtsBaseGrid* Value) {}
  virtual Integer GetValueCol();
  virtual bool GetValueColSorted();
  virtual TtsComboCompareType GetCompareType();
  virtual TtsComboAutoSearchType GetAutoSearch();
  virtual bool GetAutoFill();
  virtual TtsDropDownStyle GetDropDownStyle();
  virtual void SetValueCol(Integer Value);
  virtual void SetDisplayCol(Integer Value) {}
  virtual void SetValueColSorted(bool Value);
  virtual void SetCompareType(TtsComboCompareType Value);
  virtual void SetAutoSearch(TtsComboAutoSearchType Value);
  virtual void SetAutoFill(bool Value);
  virtual void SetDropDownStyle(TtsDropDownStyle Value);
  virtual TtsCombo* CreateCombo();
  virtual TtsBaseGrid* CreateComboGrid();
  virtual TtsCombo* GetParentGridCombo() { return nullptr; }
  virtual void SetParentGridCombo(TtsCombo* Value) {}
  virtual TtsCombo* GiveCellCombo(Integer DataCol, Integer DataRow);
  virtual void InitializeDropDownForm(TCustomForm* Form);
  virtual void InitializeComboSettings(TtsBaseGrid* DropDownGrid);
  virtual bool CheckInitComboRow() { return true; }
  virtual void SetComboGridExtents(Integer DropDownCols, Integer DropDownRows);
  virtual void SetComboFormExtents(TtsBaseGrid* DropDownGrid);
  virtual Integer ComboInitWidth(Integer Cols);
  virtual Integer ComboInitHeight(Integer Rows);
  virtual void InitCombo(TtsCombo* Combo);
  virtual void InitComboData(TtsCombo* Combo) {}
  virtual void ComboInit(Integer DataCol, Integer DataRow);
  virtual void ComboDropDown(Integer DataCol, Integer DataRow);
  virtual void ActivateComboInit(Integer DataCol, Integer DataRow);
  virtual void ActivateComboDropDown(Integer DataCol, Integer DataRow);
  virtual void ActivateComboRollUp(Integer DataCol, Integer DataRow);
  virtual void GetComboValue(Integer ValueCol, Integer Unused1, Integer Unused2, Variant& Value);
  virtual bool IsLookupCombo(Integer DataCol) { return false; }
  virtual void SetComboValue(const Variant& Value);
  virtual void PositionComboRow();
  // Key: one whole typed character.
  virtual void PositionDropDownList(const String& Key, Variant& Value);
  virtual bool PositionAutoFill(bool OnExit);
  virtual bool CanSetFocus();
  virtual TtsDateTimeDefComponent* GiveCellDateTime(Integer DataCol, Integer DataRow);
  virtual void GetCurrentDateTime(Variant& Value);
  virtual void ActivateDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow);
  virtual void ActivateDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow);
  virtual void ActivateDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow);
  virtual void ActivateDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow,
                                        Variant& Value);
  virtual void RemoveRowDateTimeDef(TtsDateTimeDefComponent* Def);
  virtual void RemoveCellDateTimeDef(TtsDateTimeDefComponent* Def);

  // ---- Grid menu, version, cell values, counts and modes
  // The grid's own menu, made anew with the grid's items.
  virtual void ConfigureGridMenu();
  // Adds the preview, print and export items (tagged GridMenuTag) to Menu once.
  virtual void AddGridMenuItems(TPopupMenu* Menu);
  // The click handlers of the grid menu's items.
  void OnPreviewGridClick(TObject* Sender);
  void OnPrintGridClick(TObject* Sender);
  void OnExportGridClick(TObject* Sender);
  // The tag of every menu item the grid adds: how it finds and removes its items.
  static constexpr Integer GridMenuTag = 999;
  virtual String GetVersion();
  virtual void SetVersion(const String& Value) {}
  virtual Variant GetCellValue(Integer DataCol, Integer DataRow);
  virtual void SetCellValue(Integer DataCol, Integer DataRow, const Variant& Value);
  virtual void SetHeadingOn(bool Value);
  virtual Integer GetGridColCount();
  virtual void SetGridColCount(Integer Value);
  virtual Integer GetGridRowCount();
  virtual void SetGridRowCount(Integer Value);
  virtual bool GetCurrentSelected();
  virtual bool GetStartRowSelected() { return GetCurrentSelected(); }
  virtual void SetCurrentSelected();
  virtual TtsCellSelectMode GetCellSelectMode() { return FCellSelectMode; }
  virtual void SetCellSelectMode(TtsCellSelectMode Value) { FCellSelectMode = Value; }
  virtual void SetEditMode(TtsEditMode Value);
  virtual void SetGridMode(TtsGridMode Value);
  virtual void SetRowChangedIndicator(TtsRowChangedIndicator Value);
  virtual TtsMaskDefsComponent* GetMaskDefs();
  virtual void SetMaskDefs(TtsMaskDefsComponent* Value);
  virtual void SetStoreData(bool Value);

  // ---- Event dispatchers
  virtual bool DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                           const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos);
  virtual void DoButtonClick(Integer DataCol, const Variant& DataRow);
  virtual void DoButtonDown(Integer DataCol, const Variant& DataRow);
  virtual void DoButtonUp(Integer DataCol, const Variant& DataRow);
  virtual void DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button);
  virtual void DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button);
  virtual void DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button);
  virtual void DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button);
  virtual void DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value,
                               Integer& Pos, Integer& Len, bool& Accept);
  virtual void DoCanStartDrag();
  virtual void DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser);
  virtual void DoColChanged(Integer OldCol, Integer NewCol);
  virtual void DoColCountChanged(Integer OldCount, Integer NewCount);
  virtual void DoColMoved(Integer ToDisplayCol, Integer Count, bool ByUser);
  virtual void DoColResized(Integer RowColnr);
  virtual void DoComboCompareValue(const String& ComboString, const String& CurrentCellString, Integer& CompareRes);
  virtual void DoKeyDown(Word& Key, TShiftState Shift);
  virtual void DoKeyUp(Word& Key, TShiftState Shift);
  virtual void DoKeyPress(char& Key);
  virtual void DoComboLCompareValue(const String& ComboString, const String& CurrentCellString, Integer Len,
                                    Integer& CompareRes);
  virtual void DoComboDropDown(Integer DataCol, const Variant& DataRow);
  virtual void DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow, Variant& Value);
  virtual void DoComboInit(Integer DataCol, const Variant& DataRow);
  virtual void DoComboRollUp(Integer DataCol, const Variant& DataRow);
  virtual void DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow);
  virtual void DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow);
  virtual void DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow);
  virtual void DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow,
                                  Variant& Value);
  virtual void DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos);
  virtual void DoDeleteCol(Integer DataCol, bool ByUser);
  virtual void DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel);
  virtual void DoEndRowEdit(const Variant& DataRow, bool& Cancel);
  virtual void DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept);
  virtual void DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept);
  virtual void DoGridStatusChanged(TtsGridStatus OldStatus, TtsGridStatus NewStatus);
  virtual void DoEditTextResized(bool ByUser);
  virtual void DoPaint();
  virtual void DoResize();
  virtual void DoHeadingClick(Integer DataCol);
  virtual void DoHeadingDown(Integer DataCol, TMouseButton Button);
  virtual void DoHeadingUp(Integer DataCol, TMouseButton Button);
  virtual void DoInsertCol(Integer DataCol, bool ByUser);
  virtual void DoMouseStatusChanged(TtsMouseStatus OldStatus, TtsMouseStatus NewStatus);
  virtual void DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow);
  virtual void DoRowChanged(const Variant& OldRow, const Variant& NewRow);
  virtual void DoRowCountChanged(Integer OldCount, Integer NewCount);
  virtual void DoRowLoaded(const Variant& DataRow);
  virtual void DoRowMoved(Integer ToDisplayRow, Integer Count, bool ByUser);
  virtual void DoRowResized(Integer RowColnr);
  virtual void DoSelectChanged(TtsSelectType SelectType, bool ByUser);
  virtual void DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel);
  virtual void DoStartRowEdit(const Variant& DataRow, bool& Cancel);
  virtual void DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel);
  virtual void DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel);
  virtual void DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel);
  virtual void ActivateInvalidMaskValue(bool& Accept);
  virtual void ActivateInvalidMaskEdit(const String& Keys, bool& Accept);

  // ---- In-place control event handlers
  virtual void CtrlOnCanChange(TObject* Sender, bool Edit, bool& Cancel);
  virtual void CtrlOnChanged(TObject* Sender, bool Edit, bool ByUser, bool TextAdded);
  virtual void CtrlOnClick(TObject* Sender);
  virtual void CtrlOnDblClick(TObject* Sender);
  virtual void CtrlOnDragDrop(TObject* Sender, TObject* Source, Integer X, Integer Y);
  virtual void CtrlOnDragOver(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State,
                              bool& Accept);
  virtual void CtrlOnEdit(TObject* Sender, bool& Cancel);
  virtual void CtrlOnEndDrag(TObject* Sender, TObject* Target, Integer X, Integer Y);
  virtual void CtrlOnEndKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  virtual void CtrlOnEndKeyPress(TObject* Sender, char& Key);
  virtual void CtrlOnKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  virtual void CtrlOnKeyPress(TObject* Sender, char& Key);
  virtual void CtrlOnKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
  virtual void CtrlOnKillFocus(TObject* Sender) {}
  virtual void CtrlOnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void CtrlOnMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
  virtual void CtrlOnMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void CtrlOnNotifyChanged(TObject* Sender, bool DataChanged);
  virtual void CtrlOnStartDrag(TObject* Sender, TDragObject*& DragObject);
  virtual void CtrlOnUndoChanged(TObject* Sender, bool ByUser, bool& Cancel);
  virtual void CtrlOnWantKey(TObject* Sender, Word Key, bool& WantKey);
  virtual void CtrlOnInvalidMaskEdit(TObject* Sender, const String& Keys, bool& Accept);
  virtual void CtrlOnEditTextResized(TObject* Sender, bool ByUser);

  // ---- Row properties and display/data numbering
  virtual void SetRowColor(Integer DataRow, TColor Value);
  virtual TColor GetRowColor(Integer DataRow);
  virtual void SetRowFont(Integer DataRow, TFont* Value);
  virtual TFont* GetRowFont(Integer DataRow);
  virtual void SetRowParentFont(Integer DataRow, bool Value);
  virtual bool GetRowParentFont(Integer DataRow);
  virtual void SetRowAutoCreateFont(Integer DataRow, bool Value);
  virtual bool GetRowAutoCreateFont(Integer DataRow);
  virtual void SetRowHeight(Integer DataRow, Integer Value);
  virtual Integer GetRowHeight(Integer DataRow);
  virtual Integer GetRowId(Integer DataRow);
  virtual void SetRowVisible(Integer DataRow, bool Value);
  virtual bool IsRowVisible(Integer DataRow);
  virtual void SetRowAlignment(Integer DataRow, TAlignment Value);
  virtual TAlignment GetRowAlignment(Integer DataRow);
  virtual void SetRowAlign(Integer DataRow, bool Value);
  virtual bool GetRowAlign(Integer DataRow);
  virtual void SetRowHorzAlignment(Integer DataRow, TSCommon::TtsHorzAlignment Value);
  virtual TSCommon::TtsHorzAlignment GetRowHorzAlignment(Integer DataRow);
  virtual void SetRowVertAlignment(Integer DataRow, TSCommon::TtsVertAlignment Value);
  virtual TSCommon::TtsVertAlignment GetRowVertAlignment(Integer DataRow);
  virtual TtsButtonType GetRowButtonType(Integer DataRow);
  virtual TtsWordWrap GetRowWordWrap(Integer DataRow);
  virtual bool IsRowReadOnly(Integer DataRow);
  virtual void SetRowIs3D(Integer DataRow, bool Value);
  virtual bool GetRowIs3D(Integer DataRow);
  virtual String GetRowMaskName(Integer DataRow);
  virtual TtsCombo* GetRowCombo(Integer DataRow);
  virtual bool GetRowParentCombo(Integer DataRow);
  virtual TtsDrawOption GetRowStretchPicture(Integer DataRow);
  virtual TtsDrawOption GetRowShrinkPicture(Integer DataRow);
  virtual TtsDrawOption GetRowCenterPicture(Integer DataRow);
  virtual TtsDrawOption GetRowKeepAspectRatio(Integer DataRow);
  virtual TtsControlType GetRowControlType(Integer DataRow);
  virtual TtsSpinOptions GetRowSpinOptions(Integer DataRow);
  virtual double GetRowSpinIncrement(Integer DataRow);
  virtual TtsDateTimeDefComponent* GetRowDateTimeDef(Integer DataRow);
  virtual TtsDropDownStyle GetRowDropDownStyle(Integer DataRow);
  virtual Integer GetDisplayCol(Integer DataCol);
  virtual void SetDisplayColnr(Integer DataCol, Integer DisplayCol);
  virtual Integer GetDisplayColnr(Integer DataCol);
  virtual Integer GetDisplayRow(Integer DataRow);
  virtual void SetDisplayRownr(Integer DataRow, Integer DisplayRow);
  virtual Integer GetDisplayRownr(Integer DataRow);
  virtual void SetRowChanged(Integer DataRow, bool Value);
  virtual bool IsRowChanged(Integer DataRow);
  virtual void SetRowSelected(Integer DataRow, bool Value);
  virtual bool IsRowSelected(Integer DataRow);
  virtual void SetRowMoving(bool Value) { FRowMoving = Value; }
  virtual bool GetRowMoving() { return FRowMoving; }
  virtual Integer GetIdDataRow(Integer Id);
  virtual Integer GetIDDataCol(Integer Id);

  // ---- Cell properties
  virtual TtsControlType GetCellControlType(Integer DataCol, Integer DataRow);
  virtual void SetCellControlType(Integer DataCol, Integer DataRow, TtsControlType Value);
  virtual TtsSpinOptions GetCellSpinOptions(Integer DataCol, Integer DataRow);
  virtual void SetCellSpinOptions(Integer DataCol, Integer DataRow, TtsSpinOptions Value);
  virtual double GetCellSpinIncrement(Integer DataCol, Integer DataRow);
  virtual void SetCellSpinIncrement(Integer DataCol, Integer DataRow, double Value);
  virtual Integer GetCellTag(Integer DataCol, Integer DataRow);
  virtual void SetCellTag(Integer DataCol, Integer DataRow, Integer Value);
  virtual void* GetCellData(Integer DataCol, Integer DataRow);
  virtual void SetCellData(Integer DataCol, Integer DataRow, void* Value);
  virtual TColor GetCellColor(Integer DataCol, Integer DataRow);
  virtual void SetCellColor(Integer DataCol, Integer DataRow, TColor Value);
  virtual TFont* GetCellFont(Integer DataCol, Integer DataRow);
  virtual void SetCellFont(Integer DataCol, Integer DataRow, TFont* Value);
  virtual bool GetCellParentFont(Integer DataCol, Integer DataRow);
  virtual void SetCellParentFont(Integer DataCol, Integer DataRow, bool Value);
  virtual TAlignment GetCellAlignment(Integer DataCol, Integer DataRow);
  virtual void SetCellAlignment(Integer DataCol, Integer DataRow, TAlignment Value);
  virtual bool GetCellAlign(Integer DataCol, Integer DataRow);
  virtual void SetCellAlign(Integer DataCol, Integer DataRow, bool Value);
  virtual TSCommon::TtsHorzAlignment GetCellHorzAlignment(Integer DataCol, Integer DataRow);
  virtual void SetCellHorzAlignment(Integer DataCol, Integer DataRow, TSCommon::TtsHorzAlignment Value);
  virtual TSCommon::TtsVertAlignment GetCellVertAlignment(Integer DataCol, Integer DataRow);
  virtual void SetCellVertAlignment(Integer DataCol, Integer DataRow, TSCommon::TtsVertAlignment Value);
  virtual bool GetCellIs3D(Integer DataCol, Integer DataRow);
  virtual void SetCellIs3D(Integer DataCol, Integer DataRow, bool Value);
  virtual TtsReadOnly IsCellReadOnly(Integer DataCol, Integer DataRow);
  virtual void SetCellReadOnly(Integer DataCol, Integer DataRow, TtsReadOnly Value);
  virtual TtsWordWrap GetCellWordWrap(Integer DataCol, Integer DataRow);
  virtual void SetCellWordWrap(Integer DataCol, Integer DataRow, TtsWordWrap Value);
  virtual TtsButtonType GetCellButtonType(Integer DataCol, Integer DataRow);
  virtual void SetCellButtonType(Integer DataCol, Integer DataRow, TtsButtonType Value);
  virtual TtsDropDownStyle GetCellDropDownStyle(Integer DataCol, Integer DataRow);
  virtual void SetCellDropDownStyle(Integer DataCol, Integer DataRow, TtsDropDownStyle Value);
  virtual Integer GetCellTextWidth(Integer DataCol, Integer DataRow);
  virtual String GetCellMaskName(Integer DataCol, Integer DataRow);
  virtual TtsCombo* GetCellCombo(Integer DataCol, Integer DataRow);
  virtual bool GetCellParentCombo(Integer DataCol, Integer DataRow);
  virtual TtsDrawOption GetCellStretchPicture(Integer DataCol, Integer DataRow);
  virtual TtsDrawOption GetCellShrinkPicture(Integer DataCol, Integer DataRow);
  virtual TtsDrawOption GetCellCenterPicture(Integer DataCol, Integer DataRow);
  virtual TtsDrawOption GetCellKeepAspectRatio(Integer DataCol, Integer DataRow);
  virtual TtsDateTimeDefComponent* GetCellDateTimeDef(Integer DataCol, Integer DataRow);

  // ---- Printing, export, deletion, editing, loading and saving
  virtual void Print();
  virtual void PrintPreview();
  virtual void ExportGrid();
  virtual void ShowGridMenu(Integer X, Integer Y);
  virtual TtsCombo* ActiveCombo(Integer DataCol, const Variant& DataRow);
  virtual TtsControlType ActiveControlType(Integer DataCol, const Variant& DataRow);
  virtual void CopyData(TtsBaseGrid* Source);
  virtual void DeleteCols(Integer FromCol, Integer ToCol);
  virtual void DeleteRows(Integer FromRow, Integer ToRow);
  virtual void DeleteSelectedCols();
  virtual void DeleteSelectedRows();
  virtual bool Edit();
  virtual void LoadFromFile(const String& FileName, TtsColMatch ColMatch);
  virtual bool LoadFromRegistry(const String& KeyPath, const String& ValueName, TtsColMatch ColMatch);
  virtual void LoadFromStream(Streams::TStream* Stream, TtsColMatch ColMatch);
  virtual bool Reading();
  virtual void Reset();
  virtual void ResetCellProperties(const TtsProperties& Props);
  virtual void ResetRowProperties(const TtsProperties& Props);
  virtual void SavePropToFile(const String& FileName, TtsPropKinds Kinds, const TtsProperties& Props, bool SaveData);
  virtual void SavePropToStream(Streams::TStream* Stream, TtsPropKinds Kinds, const TtsProperties& Props,
                                bool SaveData);
  virtual void SavePropToRegistry(const String& KeyPath, const String& ValueName, const String& FileName,
                                  TtsPropKinds Kinds, const TtsProperties& Props, bool SaveData);
  virtual void SaveToStream(Streams::TStream* Stream, bool SaveData);
  virtual void SaveToRegistry(const String& KeyPath, const String& ValueName, const String& FileName, bool SaveData);
  virtual bool Writing();
  // Overridable as the layout saves are, after the slots above.
  virtual void SaveToFile(const String& FileName, bool SaveData);
  virtual Integer DefaultColCount() { return 4; }
  virtual Integer DefaultRowCount() { return 4; }

  // ======== Non-virtual operations ===============================================================
#include "TSGridBaseOperations.inc"
#include "TSGridBaseWindow.inc"
#include "TSGridBaseMouse.inc"
#include "TSGridBaseEditing.inc"
#include "TSGridBaseCellDrawing.inc"
#include "TSGridBaseSelection.inc"
#include "TSGridBaseMouseSelect.inc"
#include "TSGridBaseCombo.inc"
#include "TSGridBaseDateTime.inc"

  // ======== Published settings ===================================================================
#include "TSGridBaseSettings.inc"

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;
  void MoveTopLeft(Integer ALeft, Integer ATop) override;
  void TopLeftMoved(const TGridCoord& OldTopLeft) override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  void TopLeftChanged() override;
  void RowHeightsChanged() override;
  void ColWidthsChanged() override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
  void DoExit() override;
  void Paint() override;
  void ScrollDataInfo(Integer DX, Integer DY, TGridDrawInfo& DrawInfo) override;
  void Resize() override;

#include "TSGridBaseState.inc"
#include "TSGridBaseWindowState.inc"
#include "TSGridBaseMouseState.inc"
#include "TSGridBaseEditingState.inc"
#include "TSGridBaseCellDrawingState.inc"
#include "TSGridBaseMouseSelectState.inc"
#include "TSGridBaseComboState.inc"
#include "TSGridBaseDateTimeState.inc"
};

}  // namespace TSGrid
