// The dock's life, its rows and columns and the placement of toolbar windows on it.
#include "dxBarDock.h"

#include "Forms.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxDockControl)
IMPLEMENT_CLASS(TdxDockRow)
IMPLEMENT_CLASS(TdxDockCol)

// ---- TdxDockControl -----------------------------------------------------------------------------------
void TdxDockControl::Construct() {
  inherited::Construct();
  FBackgroundBitmap = New<TBitmap>();
  FBackgroundBitmap->OnChange = TNotifyEvent(this, &TdxDockControl::BackgroundChanged);
  FBackgroundTempBitmap = New<TBitmap>();
  SetParentColor(true);
  FRowList = New<TList>();
}

void TdxDockControl::Destroy() {
  while (GetRowCount() > 0) {
    TdxDockRow* row = GetRow(GetRowCount() - 1);
    FRowList->Delete(GetRowCount() - 1);
    row->Free();
  }
  FreeAndNil(FRowList);
  FreeAndNil(FBackgroundTempBitmap);
  FreeAndNil(FBackgroundBitmap);
  inherited::Destroy();
}

void TdxDockControl::BarManagerChanged() {}
void TdxDockControl::CalcLayout() {}
void TdxDockControl::CalcRowToolbarPositions(Integer, Integer) {}
bool TdxDockControl::CanDocking(TdxBar*) { return FAllowDocking; }
void TdxDockControl::ColorChanged() {}
Integer TdxDockControl::GetClientSize() { return 0; }
bool TdxDockControl::GetSunkenBorder() { return false; }
bool TdxDockControl::IsMultiRow() { return true; }
void TdxDockControl::SetSize() {}
void TdxDockControl::ShowCustomizePopup() {}
TClass TdxDockControl::GetDockedBarControlClass() { return nullptr; }
TClass TdxDockControl::GetAccessibilityHelperClass() { return nullptr; }
TdxBarPainter* TdxDockControl::GetPainter() { return nullptr; }
void TdxDockControl::FillBackground(HDC, const TRect&, const TRect&, HBRUSH, TColor) {}
bool TdxDockControl::IsBackgroundBitmap() { return false; }
bool TdxDockControl::IsDrawDesignBorder() { return false; }
bool TdxDockControl::IsTransparent() { return false; }
void TdxDockControl::RepaintBarControls() {}
void TdxDockControl::ResetBackground() {}
void TdxDockControl::UpdateDoubleBuffered() {}
Integer TdxDockControl::GetMinSize() { return 0; }
bool TdxDockControl::GetIsLoading() { return false; }

void TdxDockControl::AddBarControl(TdxBarControl*, const TPoint&, bool) {}
void TdxDockControl::DeleteBarControl(TdxBarControl*, TdxDockCol*, bool) {}
void TdxDockControl::MoveBarControl(TdxBarControl*, const TPoint&) {}
void TdxDockControl::AssignPositions() {}
Integer TdxDockControl::GetRowAtPos(const TPoint&, bool& ANewRow) {
  ANewRow = true;
  return 0;
}
Integer TdxDockControl::GetColAtPos(Integer, const TPoint&) { return 0; }
void TdxDockControl::GetPosForRow(Integer, bool, TPoint&) {}
TRect TdxDockControl::GetDockZoneBounds() { return TRect(); }
void TdxDockControl::GetDockZoneMargins(Integer, Integer, Integer& AStart, Integer& AEnd) { AStart = AEnd = 0; }
TRect TdxDockControl::GetRectForRow(Integer) { return TRect(); }
Integer TdxDockControl::GetSize() { return 0; }
void TdxDockControl::UpdateDock() {}
void TdxDockControl::NCChanged() {}
void TdxDockControl::PaintBarControls() {}
TdxDockRow* TdxDockControl::GetRow(Integer AIndex) const { return static_cast<TdxDockRow*>(FRowList->GetItems(AIndex)); }
Integer TdxDockControl::GetRowCount() const { return FRowList ? FRowList->GetCount() : 0; }
Integer TdxDockControl::IndexOfRow(TdxDockRow* ARow) const { return FRowList->IndexOf(ARow); }
void TdxDockControl::InitiateAction() {}
TdxBarDockingStyle TdxDockControl::GetDockingStyle() const { return dsTop; }
bool TdxDockControl::GetHorizontal() const { return true; }
bool TdxDockControl::GetTopLeft() const { return true; }
Forms::TCustomForm* TdxDockControl::GetMainForm() { return nullptr; }
Forms::TCustomForm* TdxDockControl::GetMasterForm() { return nullptr; }
Forms::TCustomForm* TdxDockControl::GetParentForm() { return nullptr; }
TdxBars* TdxDockControl::GetBars() { return nullptr; }
void TdxDockControl::SetBarManager(TdxBarManager* Value) { FBarManager = Value; }
void TdxDockControl::SetBackgroundBitmap(TBitmap* Value) { FBackgroundBitmap->Assign(Value); }
void TdxDockControl::CreateParams(TCreateParams& Params) { inherited::CreateParams(Params); }
void TdxDockControl::WndProc(TMessage& Message) { inherited::WndProc(Message); }
void TdxDockControl::AlignControls(TControl* AControl, TRect& Rect) { inherited::AlignControls(AControl, Rect); }
void TdxDockControl::RequestAlign() { inherited::RequestAlign(); }
void TdxDockControl::Paint() {}
TdxDockZones TdxDockControl::GetZones() { return TdxDockZones(); }
TWinControl* TdxDockControl::GetDockParent() { return GetParent(); }
void TdxDockControl::BackgroundChanged(TObject*) {}

// ---- TdxDockRow ---------------------------------------------------------------------------------------
void TdxDockRow::Construct() {
  inherited::Construct();
  FBars = New<TList>();
  FColList = New<TList>();
}

void TdxDockRow::Destroy() {
  while (GetColCount() > 0) DeleteCol(GetColCount() - 1);
  FreeAndNil(FColList);
  FreeAndNil(FBars);
  inherited::Destroy();
}

TdxDockCol* TdxDockRow::AddCol(TdxBarControl* ABarControl) { return InsertCol(GetColCount(), ABarControl); }
TdxDockCol* TdxDockRow::InsertCol(Integer AIndex, TdxBarControl* ABarControl) {
  TdxDockCol* col = New<TdxDockCol>(this, ABarControl);
  FColList->Insert(AIndex, col);
  return col;
}
void TdxDockRow::DeleteCol(TdxBarControl* ABarControl) {
  if (const Integer index = IndexOfCol(ABarControl); index >= 0) DeleteCol(index);
}
void TdxDockRow::DeleteCol(Integer AIndex) {
  TdxDockCol* col = GetCol(AIndex);
  FColList->Delete(AIndex);
  col->Free();
}
void TdxDockRow::AddBar(TdxBar* ABar) {
  if (FBars->IndexOf(ABar) < 0) FBars->Add(ABar);
}
void TdxDockRow::DeleteBar(TdxBar* ABar, bool) { FBars->Remove(ABar); }
Integer TdxDockRow::IndexOfCol(TdxBarControl* ABarControl) const {
  for (Integer i = 0; i < GetColCount(); ++i)
    if (GetCol(i)->GetBarControl() == ABarControl) return i;
  return -1;
}
TdxDockCol* TdxDockRow::GetCol(Integer AIndex) const { return static_cast<TdxDockCol*>(FColList->GetItems(AIndex)); }
Integer TdxDockRow::GetColCount() const { return FColList ? FColList->GetCount() : 0; }
Integer TdxDockRow::GetBarCount() const { return FBars ? FBars->GetCount() : 0; }
TdxBar* TdxDockRow::GetBar(Integer AIndex) const { return static_cast<TdxBar*>(FBars->GetItems(AIndex)); }
bool TdxDockRow::GetVisible() { return GetColCount() > 0; }
void TdxDockRow::UpdateOneOnRows() {}

// ---- TdxDockCol ---------------------------------------------------------------------------------------
void TdxDockCol::AssignPosition() {}

}  // namespace dxBar
