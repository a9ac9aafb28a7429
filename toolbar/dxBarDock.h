// The dock surfaces on which toolbar windows lie in rows: the four main docks a manager keeps along
// its form's edges and the dock controls an application places on a form. A dock holds its rows, each
// row its columns (one per docked toolbar window, with the wanted position along the row); it places a
// window that is docked or dragged onto it, lays the windows of each row out along the row, sizes
// itself to the sum of its rows and paints its background.
#pragma once

#include <vector>

#include "Controls.h"
#include "Graphics.h"
#include "dxBarTypes.h"

namespace Forms {
class TCustomForm;
}
namespace Filer {
class TFiler;
}

namespace dxBar {

class TdxDockRow;
class TdxDockCol;

// ---- Row arithmetic without windows --------------------------------------------------------------------
// What the row layout knows of one toolbar window of a row, in row coordinates (left and width run
// along the row, top and height across it). Lengths include the window's non-client size along the row.
struct TdxDockRowLayoutColumn {
  Integer Position = 0;    // the column's wanted left; the layout may pull it back (the moved bar's neighbour)
  Integer MinLength = 0;   // with the mark size when the window grows a mark on squeezing
  Integer MaxLength = 0;
  bool MultiLine = false;
  bool WholeRow = false;
  bool UseRestSpace = false;
  bool Moving = false;     // the toolbar being moved by the user
  // The outer size across the row for an outer length along it.
  TClosure<Integer(Integer ALength)> AcrossSize;
  // Results.
  Integer Left = 0;
  Integer Length = 0;
  Integer Height = 0;
  bool MarkForced = false;
};
// Lays out the windows of one row of ARowLength; the results are left in the columns.
void dxCalcDockRowLayout(std::vector<TdxDockRowLayoutColumn>& AColumns, Integer ARowLength, bool AAutoAlignBars);

// The bands of a dock across its edge, each row's extent given.
struct TdxDockZones {
  std::vector<Integer> RowExtents;  // across the dock, the row indent included
  Integer ClientExtent = 0;         // the dock's client height (width for left and right docks)
  Integer ZoneSize = 23;
  bool TopLeft = true;              // a left or top dock
  bool StackFromFarEdge = false;    // right and bottom docks while bars are moved
  Integer RowsExtent() const;
  // The span [AStart, AEnd) of a row across the dock, empty outside the rows.
  void GetRowSpan(Integer ARow, Integer& AStart, Integer& AEnd) const;
  // The part (0 before the 5-pixel band, 1 the band, 2 after it) of range ARow (-1 .. row count).
  void GetMargins(Integer ARow, Integer APart, Integer& AStart, Integer& AEnd) const;
  // The row a point at coordinate C across the dock falls in, and whether it asks for a new row there.
  Integer RowAt(Integer C, bool& ANewRow) const;
  // The cross coordinate a dragged window snaps to for ARow.
  Integer SnapPosition(Integer ARow, bool ANewRow) const;
};

// ---- The dock ----------------------------------------------------------------------------------------
class TdxDockControl : public TCustomControl {
  DECLARE_CLASS(TdxDockControl, TCustomControl)
 public:
  explicit TdxDockControl(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  // A main dock of ABarManager along the form edge of AStyle.
  TdxDockControl(TComponent* AOwner, TdxBarManager* ABarManager, TdxBarDockingStyle AStyle)
      : TCustomControl(AOwner), FMainBarManager(ABarManager), FMainDockingStyle(AStyle) {}

  // ---- Overridable operations, in slot order --------------------------------------------------------
  virtual void BarManagerChanged();
  virtual void CalcLayout();
  virtual void CalcRowToolbarPositions(Integer ARowIndex, Integer ARowLength);
  virtual bool CanDocking(TdxBar* ABar);
  virtual void ColorChanged();
  virtual Integer GetClientSize();
  virtual bool GetSunkenBorder();
  virtual bool IsMultiRow();
  virtual void SetSize();
  virtual void ShowCustomizePopup();
  virtual TClass GetDockedBarControlClass();
  virtual TClass GetAccessibilityHelperClass();
  virtual TdxBarPainter* GetPainter();
  virtual void FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush, TColor AColor);
  virtual bool IsBackgroundBitmap();
  virtual bool IsDrawDesignBorder();
  virtual bool IsTransparent();
  virtual void RepaintBarControls();
  virtual void ResetBackground();
  virtual void UpdateDoubleBuffered();

  // ---- Docking, rows and columns --------------------------------------------------------------------
  void AddBarControl(TdxBarControl* ABarControl, const TPoint& AP, bool AUpdate);
  void DeleteBarControl(TdxBarControl* ABarControl, TdxDockCol* ACol, bool AUpdate);
  void MoveBarControl(TdxBarControl* ABarControl, const TPoint& AP);
  void AssignPositions();
  Integer GetRowAtPos(const TPoint& AP, bool& ANewRow);
  Integer GetColAtPos(Integer ARow, const TPoint& AP);
  void GetPosForRow(Integer ARow, bool ANewRow, TPoint& AP);
  TRect GetDockZoneBounds();
  void GetDockZoneMargins(Integer ARow, Integer AZone, Integer& AStart, Integer& AEnd);
  TRect GetRectForRow(Integer ARow);
  Integer GetSize();
  void UpdateDock();
  void NCChanged();
  void PaintBarControls();
  TdxDockRow* GetRow(Integer AIndex) const;
  Integer GetRowCount() const;
  Integer IndexOfRow(TdxDockRow* ARow) const;
  // Appends an empty row (a toolbar asking for a row past the last one).
  TdxDockRow* AddRow();
  void InitiateAction();

  // ---- Queries --------------------------------------------------------------------------------------
  bool GetMain() const { return FMainDockingStyle != dsNone; }
  TdxBarDockingStyle GetDockingStyle() const;
  bool GetHorizontal() const;
  bool GetVertical() const { return !GetHorizontal(); }
  // The rows as the docking bands see them: each row's extent, the client extent and the zone size.
  TdxDockZones GetZones();
  bool GetTopLeft() const;
  Forms::TCustomForm* GetMainForm();
  Forms::TCustomForm* GetMasterForm();
  Forms::TCustomForm* GetParentForm();
  TdxBars* GetBars();
  TdxBarManager* GetBarManager() const { return FBarManager; }
  void SetBarManager(TdxBarManager* Value);
  TdxBarDockingStyle GetMainDockingStyle() const { return FMainDockingStyle; }
  bool GetAllowDocking() const { return FAllowDocking; }
  void SetAllowDocking(bool Value) { FAllowDocking = Value; }
  TBitmap* GetBackgroundBitmap() const { return FBackgroundBitmap; }
  void SetBackgroundBitmap(TBitmap* Value);
  TBitmap* GetBackgroundTempBitmap() const { return FBackgroundTempBitmap; }
  bool GetBarHandleDestroying() const { return FBarHandleDestroying; }
  void SetBarHandleDestroying(bool Value) { FBarHandleDestroying = Value; }
  // The dock's extent across its edge when it holds no toolbars.
  virtual Integer GetMinSize();
  // Loading counts the manager's bar loading and handle creation.
  virtual bool GetIsLoading();

 protected:
  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void RequestAlign() override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TdxDockRow;
  void BackgroundChanged(TObject* Sender);
  void CloseMenusOnResize();
  Integer RowExtent(Integer ARow);
  bool IsMovingBars();

  bool FAllowDocking = true;
  TBitmap* FBackgroundBitmap = nullptr;      // owned
  TBitmap* FBackgroundTempBitmap = nullptr;  // owned, emptied by ResetBackground
  TdxBarManager* FBarManager = nullptr;
  TdxBarManager* FMainBarManager = nullptr;  // the manager a main dock is made for
  TdxBarDockingStyle FMainDockingStyle = dsNone;
  bool FBarHandleDestroying = false;
  bool FAligning = false;
  bool FUpdatingDock = false;
  TList* FRowList = nullptr;  // of TdxDockRow, owned
};

// ---- A row of a dock ----------------------------------------------------------------------------------
class TdxDockRow : public TObject {
  DECLARE_CLASS(TdxDockRow, TObject)
 public:
  explicit TdxDockRow(TdxDockControl* ADockControl = nullptr) : FDockControl(ADockControl) {}

  TdxDockCol* AddCol(TdxBarControl* ABarControl);
  TdxDockCol* InsertCol(Integer AIndex, TdxBarControl* ABarControl);
  void DeleteCol(TdxBarControl* ABarControl);
  void DeleteCol(Integer AIndex);
  void AddBar(TdxBar* ABar);
  // Removes ABar from the row; an emptied row leaves its dock and is freed when AFreeWhenEmpty.
  void DeleteBar(TdxBar* ABar, bool AFreeWhenEmpty);
  Integer IndexOfCol(TdxBarControl* ABarControl) const;
  TdxDockCol* GetCol(Integer AIndex) const;
  Integer GetColCount() const;
  Integer GetBarCount() const;
  TdxBar* GetBar(Integer AIndex) const;
  bool GetVisible();
  void UpdateOneOnRows();
  TdxDockControl* GetDockControl() const { return FDockControl; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TList* FBars = nullptr;     // of TdxBar, not owned
  TList* FColList = nullptr;  // of TdxDockCol, owned
  TdxDockControl* FDockControl;
};

// ---- A column of a row: one docked toolbar window and where it wants to stand ----------------------------
class TdxDockCol : public TObject {
  DECLARE_CLASS(TdxDockCol, TObject)
 public:
  TdxDockCol(TdxDockRow* ADockRow = nullptr, TdxBarControl* ABarControl = nullptr)
      : FDockRow(ADockRow), FBarControl(ABarControl) {}

  void AssignPosition();
  TdxBarControl* GetBarControl() const { return FBarControl; }
  TdxDockRow* GetDockRow() const { return FDockRow; }
  TPoint GetPos() const { return FPos; }
  void SetPos(const TPoint& Value) { FPos = Value; }

 private:
  TdxDockRow* FDockRow;
  TdxBarControl* FBarControl;
  TPoint FPos;
};

// ---- The dock control component ----------------------------------------------------------------------
PUBLISHED_ENUM(TdxBarDockAlign, dalNone, dalTop, dalBottom, dalLeft, dalRight)

class TdxBarDockControl : public TdxDockControl {
  DECLARE_CLASS(TdxBarDockControl, TdxDockControl)
 public:
  explicit TdxBarDockControl(TComponent* AOwner = nullptr) : TdxDockControl(AOwner) {}

  virtual bool AllowUndockWhenLoadFromIni() { return true; }

  void BarManagerChanged() override;
  bool CanDocking(TdxBar* ABar) override;
  void ColorChanged() override;
  bool GetSunkenBorder() override;
  Integer GetMinSize() override;
  bool GetIsLoading() override;

  TdxBarDockAlign GetAlign() const { return FAlign; }
  void SetAlign(TdxBarDockAlign Value);
  bool GetAllowZeroSizeInDesignTime() const { return FAllowZeroSizeInDesignTime; }
  void SetAllowZeroSizeInDesignTime(bool Value);
  TColor GetDockColor() const { return GetColor(); }
  void SetDockColor(TColor Value);
  bool GetDockParentColor() const { return GetParentColor(); }
  void SetDockParentColor(bool Value);
  bool IsColorStored() const { return FUseOwnColor && !GetParentColor(); }
  void SetSunkenBorder(bool Value);
  bool GetSunkenBorderValue() { return GetSunkenBorder(); }
  bool GetUseOwnColor() const { return FUseOwnColor; }
  void SetUseOwnColor(bool Value);
  bool GetUseOwnSunkenBorder() const { return FUseOwnSunkenBorder; }
  void SetUseOwnSunkenBorder(bool Value);
  bool IsSunkenBorderStored() const { return FUseOwnSunkenBorder; }

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  TdxBarDockAlign FAlign = dalTop;
  bool FAllowZeroSizeInDesignTime = false;
  bool FSunkenBorder = false;
  bool FUseOwnColor = false;
  bool FUseOwnSunkenBorder = false;
};

// The docking style a dock control of alignment AAlign gives its toolbars.
TdxBarDockingStyle dxBarDockingStyleOfAlign(TAlign AAlign);
TdxBarDockingStyle dxBarDockingStyleOfDockAlign(TdxBarDockAlign AAlign);

}  // namespace dxBar

using namespace dxBar;
