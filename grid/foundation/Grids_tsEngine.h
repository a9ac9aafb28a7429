// The base grid engine of the grid family: a windowed control that lays out a rectangular array of
// cells in fixed columns and rows, which never scroll, and scrolling cells behind them. It keeps
// the counts, the column widths and row heights, the current cell and the selection anchor, paints
// lines and cell backgrounds and lets a descendant draw each cell's content, scrolls, sizes and
// moves rows and columns, selects cells by mouse and keyboard and hosts one in-place editor.
#pragma once

#include <vector>

#include "Controls.h"
#include "Exceptions.h"
#include "ResStrings.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer

namespace Grids_ts {

class TInplaceEdit;
class TInplaceEditList;

DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

// The engine's messages, from the string table.
extern const TResStringRec SGridIndexOutOfRange;     // "Grid index out of range"
extern const TResStringRec STooManyDeleted;          // "Too many rows or columns deleted"
extern const TResStringRec SGridTooLarge;            // "Grid too large for operation"
extern const TResStringRec SFixedColTooBig;          // "Fixed column count must be less than column count"
extern const TResStringRec SFixedRowTooBig;          // "Fixed row count must be less than row count"
extern const TResStringRec SCannotInsertDelete;      // "Cannot insert or delete rows from grid"
[[noreturn]] void InvalidGridOperation(const TResStringRec& Message);

// A cell position: X is the column, Y the row.
struct TGridCoord {
  Integer X = 0;
  Integer Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};
using TGridMovement = TGridCoord;

// An inclusive block of cells.
struct TGridRect {
  Integer Left = 0, Top = 0, Right = 0, Bottom = 0;
  TGridCoord TopLeft() const { return {Left, Top}; }
  TGridCoord BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The extent (width or height) of one cell, by index.
using TGetExtentsFunc = TClosure<Integer(Integer Index)>;

// The layout of one axis of the current view, in pixels except for the cell indexes.
struct TGridAxisDrawInfo {
  Integer AxisLineWidth = 0;    // the grid line width on this axis (0 when its lines are off)
  Integer FixedEnd = 0;         // where the fixed cells end
  Integer CellsEnd = 0;         // where the drawn cells end, at most ClientExtent
  Integer ClientExtent = 0;     // the pixels available on this axis
  Integer LastWholeCell = 0;    // the last scrolling cell shown whole (at least FirstScrollCell)
  Integer WholeCellsEnd = 0;    // where that cell, with its line, ends
  Integer FixedCount = 0;
  Integer FirstScrollCell = 0;  // LeftCol or TopRow
  Integer CellCount = 0;
  TGetExtentsFunc ExtentOf;
};

struct TGridDrawInfo {
  TGridAxisDrawInfo ColAxis;
  TGridAxisDrawInfo RowAxis;
};

PUBLISHED_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
               goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
               goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption, 16>;
PUBLISHED_ENUM(TGridState, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)
enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, 8>;
enum TGridScrollDirectionItem { sdLeft, sdRight, sdUp, sdDown };
using TGridScrollDirection = TSet<TGridScrollDirectionItem, 8>;
PUBLISHED_ENUM(TEditStyle, esSimple, esEllipsis, esPickList)

// ---- Extent arrays ----------------------------------------------------------------------------------
// Column widths, row heights and tab stops: empty while every entry has its default, otherwise
// n + 1 entries, entry 0 holding n and entry i + 1 the value of cell i.
using TExtentArray = std::vector<Integer>;

// The extent of cell Index, or Default when the array is empty or holds no such cell.
Integer ReadExtent(const TExtentArray& Extents, Integer Index, Integer Default);
// Inserts Amount cells of Default before cell Index (Amount > 0) or removes the -Amount cells from
// Index on (Amount < 0); the cells after them shift. Raises EInvalidGridOperation for an Index
// outside 0..count, too many cells removed, or a size above what the grid can hold.
void ResizeExtents(TExtentArray& Extents, Integer Index, Integer Amount, Integer Default);
// Brings the array to NewSize cells: grows at the end with Default, shrinks from the end.
void FitExtents(TExtentArray& Extents, Integer NewSize, Integer Default);
// Moves the entry of cell FromIndex to ToIndex; the entries between shift by one.
void MoveExtentEntry(TExtentArray& Extents, Integer FromIndex, Integer ToIndex);
// Both empty, or both present with equal counts and entries.
bool ExtentsEqual(const TExtentArray& A, const TExtentArray& B);

// The pixel where a cell starts on an axis of the view: fixed cells from 0, scrolling cells from
// the end of the fixed ones; 0 for a scrolling cell scrolled out before the view or one that starts
// beyond the client extent.
Integer AxisCellStart(const TGridAxisDrawInfo& Axis, Integer Cell);

// Where p lands after the cell at FromIndex moved to ToIndex.
void MoveAdjust(Integer& p, Integer FromIndex, Integer ToIndex);

// ---- TCustomGrid_ts ---------------------------------------------------------------------------------
class TCustomGrid_ts : public TCustomControl {
  DECLARE_CLASS(TCustomGrid_ts, TCustomControl)
 public:
  explicit TCustomGrid_ts(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // ---- Counts, fixed cells and sizes
  Integer GetColCount() const { return FColCount; }
  void SetColCount(Integer Value);
  Integer GetRowCount() const { return FRowCount; }
  void SetRowCount(Integer Value);
  Integer GetFixedCols() const { return FFixedCols; }
  void SetFixedCols(Integer Value);
  Integer GetFixedRows() const { return FFixedRows; }
  void SetFixedRows(Integer Value);
  Integer GetDefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(Integer Value);
  Integer GetDefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(Integer Value);
  Integer GetColWidths(Integer Index) const { return ReadExtent(FColWidths, Index, FDefaultColWidth); }
  void SetColWidths(Integer Index, Integer Value);
  Integer GetRowHeights(Integer Index) const { return ReadExtent(FRowHeights, Index, FDefaultRowHeight); }
  void SetRowHeights(Integer Index, Integer Value);
  bool GetTabStops(Integer Index) const { return ReadExtent(FTabStops, Index, 1) != 0; }
  void SetTabStops(Integer Index, bool Value);

  // ---- Look
  TColor GetFixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  Integer GetGridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(Integer Value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TGridOptions GetOptions() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
  // Options added to Options while the form is being designed.
  TGridOptions GetDesignOptions() const { return FDesignOptions; }
  void SetDesignOptions(TGridOptions Value) { FDesignOptions = Value; }
  // Whether ColWidths and RowHeights are written to form resources.
  bool GetStoreExtents() const { return FStoreExtents; }
  void SetStoreExtents(bool Value) { FStoreExtents = Value; }
  // Whether a count change repaints the whole grid rather than what the change uncovered.
  bool GetFullRepaintOnResize() const { return FFullRepaintOnResize; }
  void SetFullRepaintOnResize(bool Value) { FFullRepaintOnResize = Value; }

  // ---- Current cell, selection and view
  Integer GetCol() const { return FCurrent.X; }
  void SetCol(Integer Value);
  Integer GetRow() const { return FCurrent.Y; }
  void SetRow(Integer Value);
  // The normalised block between the current cell and the anchor; setting it puts the anchor at its
  // top left and the current cell at its bottom right.
  TGridRect GetSelection() const;
  void SetSelection(const TGridRect& Value);
  Integer GetLeftCol() const { return FTopLeft.X; }
  void SetLeftCol(Integer Value);
  Integer GetTopRow() const { return FTopLeft.Y; }
  void SetTopRow(Integer Value);
  Integer GetVisibleColCount();
  Integer GetVisibleRowCount();
  Integer GetGridWidth();
  Integer GetGridHeight();
  TGridState GetState() const { return FGridState; }

  // ---- In-place editor
  bool GetEditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  TInplaceEdit* GetInplaceEditor() const { return FInplaceEdit; }

 protected:
  friend class TInplaceEdit;
  friend class TInplaceEditList;

  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void Paint() override;

  // ---- Overridable operations
  // Nothing when both equal the current ones; otherwise stores the new top-left cell and reports
  // the move through TopLeftMoved.
  virtual void MoveTopLeft(Integer ALeft, Integer ATop);
  virtual void ScrollDataInfo(Integer DX, Integer DY, TGridDrawInfo& DrawInfo);
  virtual void TopLeftMoved(const TGridCoord& OldTopLeft);
  // Whether (X, Y) lies on a sizable border, which cell it sizes, where the border lies and how far
  // the point is from it.
  virtual void CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                               Integer& SizingOfs, TGridDrawInfo& FixedInfo);
  virtual TInplaceEdit* CreateEditor();
  virtual bool CanEditShow();
  // Draws the content of one visible cell; Rect is the cell without its lines.
  virtual void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) = 0;
  // Asked before every change of the current cell; false cancels the move.
  virtual bool SelectCell(Integer ACol, Integer ARow) { return true; }
  virtual void DeleteColumn(Integer ACol);
  virtual void DeleteRow(Integer ARow);

  // Inserts (Amount > 0) or deletes (Amount < 0) cells at Index on the row axis (Rows) or the
  // column axis, keeping the sizes of the other cells.
  using TCustomControl::AdjustSize;
  virtual void AdjustSize(Integer Index, Integer Amount, bool Rows);
  virtual bool CanEditAcceptKey(char Key) { return true; }
  virtual bool CanGridAcceptKey(Word Key, TShiftState Shift) { return true; }
  virtual bool CanEditModify() { return FEditModifiable; }
  virtual String GetEditText(Integer ACol, Integer ARow) { return String(); }
  virtual void SetEditText(Integer ACol, Integer ARow, const String& Value) {}
  // The editor's maximum length; 0 for none, -1 makes the editor read-only.
  virtual Integer GetEditLimit() { return 0; }
  virtual String GetEditMask(Integer ACol, Integer ARow) { return String(); }
  virtual TEditStyle GetEditStyle(Integer ACol, Integer ARow) { return esSimple; }
  virtual void ColumnMoved(Integer FromIndex, Integer ToIndex) {}
  virtual void RowMoved(Integer FromIndex, Integer ToIndex) {}
  virtual void SizeChanged(Integer OldColCount, Integer OldRowCount) {}
  virtual void TopLeftChanged();
  virtual void TimedScroll(TGridScrollDirection Direction);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // The drag hooks: the origin and destination may be changed; false refuses the drag (or step).
  virtual bool BeginColumnDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }
  virtual bool BeginRowDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }
  virtual bool CheckColumnDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }
  virtual bool CheckRowDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }
  virtual bool EndColumnDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }
  virtual bool EndRowDrag(Integer& Origin, Integer& Destination, const TPoint& MousePt) { return true; }

  // ---- Geometry
  void CalcDrawInfo(TGridDrawInfo& DrawInfo);
  void CalcDrawInfoXY(TGridDrawInfo& DrawInfo, Integer UseWidth, Integer UseHeight);
  void CalcFixedInfo(TGridDrawInfo& DrawInfo);
  // The cell under a client point; -1 on an axis where the point hits no cell.
  TGridCoord CalcCoordFromPoint(Integer X, Integer Y, const TGridDrawInfo& DrawInfo);
  // The cell under a client point; (-1, -1) when either axis hits no cell.
  TGridCoord MouseCoord(Integer X, Integer Y);
  TRect CellRect(Integer ACol, Integer ARow);
  TRect BoxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  void GridRectToScreenRect(const TGridRect& GridRect, TRect& ScreenRect, bool IncludeLine);
  // Per axis, the smallest first scrolling cell from which the cells up to Coord still fit.
  TGridCoord CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo);
  void InvalidateCell(Integer ACol, Integer ARow);
  void InvalidateCol(Integer ACol);
  void InvalidateRow(Integer ARow);
  void InvalidateGrid() { Invalidate(); }
  void InvalidateRect(const TGridRect& ARect);

  // ---- Structure
  void Initialize();
  void ChangeSize(Integer NewColCount, Integer NewRowCount);
  void MoveColumn(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);
  // Tells the form designer that the form changed; this platform has no form designer.
  void UpdateDesigner() {}

  // ---- Current cell and selection
  void MoveCurrent(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
  void MoveAnchor(const TGridCoord& NewAnchor);
  void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show) { MoveCurrent(ACol, ARow, MoveAnchor, Show); }
  void FocusCell(Integer ACol, Integer ARow, bool MoveAnchor);
  void SelectionMoved(const TGridRect& OldSel);
  TGridCoord GetAnchorCell() const { return FAnchor; }

  // ---- Painting and scrolling
  void ChangeGridOrientation(bool RightToLeftOrientation);
  // The rectangle mirrored across the client area (left and right exchanged around its middle).
  TRect MirrorRect(const TRect& R) { return TRect(GetClientWidth() - R.right, R.top, GetClientWidth() - R.left, R.bottom); }
  void ScrollData(Integer DX, Integer DY);
  void ClampInView(const TGridCoord& Coord);
  void UpdateScrollPos();
  void UpdateScrollRange();
  void ModifyScrollBar(Integer ScrollBar, Integer ScrollCode, Integer Pos, bool UseRightToLeft);
  Integer GetPixelOffset() const { return FColOffset; }

  // ---- Mouse and keys
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoExit() override;
  // Whether State is not gsNormal, or the point lies over a sizable border.
  bool Sizing(Integer X, Integer Y);
  void CancelMode();
  TPoint GetLastHitPoint() const { return FHitTest; }
  Integer GetSizeIndex() const { return FSizingIndex; }
  Integer GetDragIndex() const { return FMoveIndex; }
  Integer GetDragTarget() const { return FMovePos; }

  // ---- In-place editor, grid side
  bool IsActiveControl();
  void ShowEditor();
  void HideEditor();
  void ShowEditorChar(char Ch);
  void InvalidateEditor();
  void UpdateEdit();
  void HideEdit();
  void UpdateText();
  Integer GetEditCol() const { return FInplaceCol; }
  Integer GetEditRow() const { return FInplaceRow; }
  bool GetEditModifiable() const { return FEditModifiable; }

 private:
  // Painting
  void DrawLines(bool DoHorz, bool DoVert, Integer Col, Integer Row, const TRect& Bounds, TColor OnColor,
                 TColor OffColor, const TGridDrawInfo& DrawInfo);
  void DrawAxisLines(const TGridAxisDrawInfo& Axis, Integer Cell, Integer MajorStart, Integer MajorStop,
                     Integer MinorStart, Integer MinorStop, bool Vertical, TColor Color);
  void DrawCells(Integer ACol, Integer ARow, Integer StartX, Integer StartY, Integer StopX, Integer StopY,
                 TColor AColor, TGridDrawState IncludeDrawState, const TGridDrawInfo& DrawInfo);
  bool DrawsRightToLeft() { return UseRightToLeftAlignment(); }
  // Scrolling
  void PixelScroll(Integer ScrollCode, Integer Pos, Integer Factor, TGridDrawInfo& DrawInfo);
  void SetScrollPosition(Integer ScrollBar, Integer Value, Integer PixelRange);
  bool ComputeScrollAmount(const TGridAxisDrawInfo& Axis, Integer OldPos, Integer NewPos, Integer& Amount);
  // Mouse
  void DrawSizingLine(const TGridDrawInfo& DrawInfo);
  void DrawMove();
  void MoveAndScroll(Integer Mouse, Integer CellHit, TGridDrawInfo& DrawInfo, bool ColAxis, Integer ScrollBar,
                     const TPoint& MousePt);
  void TimerTick();
  void StartSelectTimer();
  void StopSelectTimer();
  void SetExtent(TExtentArray& Extents, Integer Count, Integer Default, Integer Index, Integer Value,
                 void (TCustomGrid_ts::*Changed)());
  void ClampCurrentAndAnchor();
  void KeepTopLeftInside();
  // Messages
  void DialogCode(TMessage& Message);
  void SetCursorMessage(TMessage& Message);
  // Streaming
  void ReadColWidths(Filer::TReader* Reader);
  void WriteColWidths(Filer::TWriter* Writer);
  void ReadRowHeights(Filer::TReader* Reader);
  void WriteRowHeights(Filer::TWriter* Writer);

  TGridCoord FAnchor;
  TBorderStyle FBorderStyle = bsSingle;
  bool FEditModifiable = true;
  Integer FColCount = 5;
  TExtentArray FColWidths;
  TExtentArray FTabStops;
  TGridCoord FCurrent;
  Integer FDefaultColWidth = 64;
  Integer FDefaultRowHeight = 24;
  Integer FFixedCols = 1;
  Integer FFixedRows = 1;
  TColor FFixedColor = clBtnFace;
  Integer FGridLineWidth = 1;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  Integer FRowCount = 5;
  TExtentArray FRowHeights;
  TScrollStyle FScrollBars = ssBoth;
  TGridCoord FTopLeft;
  Integer FSizingIndex = 0;
  Integer FSizingPos = 0;
  Integer FSizingOfs = 0;
  Integer FMoveIndex = 0;
  Integer FMovePos = 0;
  TPoint FHitTest;
  TInplaceEdit* FInplaceEdit = nullptr;
  Integer FInplaceCol = -1;
  Integer FInplaceRow = -1;
  Integer FColOffset = 0;
  bool FDefaultDrawing = true;
  bool FEditorMode = false;
  TGridState FGridState = gsNormal;
  bool FStoreExtents = true;
  TGridOptions FDesignOptions{goRowSizing, goColSizing};
  bool FFullRepaintOnResize = false;
  bool FCanvasMirrored = false;  // ChangeGridOrientation has mirrored the canvas for a paint
};

}  // namespace Grids_ts

using namespace Grids_ts;
