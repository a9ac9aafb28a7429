// The dock's life, its rows and columns, the placement of toolbar windows on it and the layout of its
// rows.
#include "dxBarDock.h"

#include <algorithm>

#include "Forms.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarItemLinks.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxDockControl)
IMPLEMENT_CLASS(TdxDockRow)
IMPLEMENT_CLASS(TdxDockCol)

namespace {

TAlign AlignOfDockingStyle(TdxBarDockingStyle AStyle) {
  switch (AStyle) {
    case dsLeft: return alLeft;
    case dsRight: return alRight;
    case dsBottom: return alBottom;
    default: return alTop;
  }
}

}  // namespace

// ---- Life -------------------------------------------------------------------------------------------------
void TdxDockControl::Construct() {
  inherited::Construct();
  FBackgroundBitmap = New<TBitmap>();
  FBackgroundBitmap->OnChange = TNotifyEvent(this, &TdxDockControl::BackgroundChanged);
  FBackgroundTempBitmap = New<TBitmap>();
  SetParentColor(true);
  FRowList = New<TList>();
  if (FMainDockingStyle != dsNone) {
    SetAlign(AlignOfDockingStyle(FMainDockingStyle));
    ControlStyle.Include(csDoubleClicks);
    SetBarManager(FMainBarManager);
  }
}

void TdxDockControl::Destroy() {
  SetBarManager(nullptr);
  if (FRowList)
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

void TdxDockControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBarManager) FBarManager = nullptr;
}

void TdxDockControl::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value) return;
  if (FBarManager) {
    FBarManager->RemoveDockControl(this);
    FBarManager->RemoveFreeNotification(this);
  }
  FBarManager = Value;
  if (FBarManager) {
    FBarManager->AddDockControl(this);
    FBarManager->FreeNotification(this);
  }
  if (!ComponentState().Contains(csDestroying)) BarManagerChanged();
}

// ---- Queries ------------------------------------------------------------------------------------------------
TdxBarDockingStyle TdxDockControl::GetDockingStyle() const {
  return GetMain() ? FMainDockingStyle : dxBarDockingStyleOfAlign(GetAlign());
}

bool TdxDockControl::GetHorizontal() const {
  const TdxBarDockingStyle style = GetDockingStyle();
  return style != dsLeft && style != dsRight;
}

bool TdxDockControl::GetTopLeft() const {
  const TdxBarDockingStyle style = GetDockingStyle();
  return style == dsLeft || style == dsTop;
}

Forms::TCustomForm* TdxDockControl::GetMainForm() { return FBarManager ? FindManagerForm(FBarManager, fkMain) : nullptr; }
Forms::TCustomForm* TdxDockControl::GetMasterForm() {
  return FBarManager ? FindManagerForm(FBarManager, fkMainOrMDIChild) : nullptr;
}
Forms::TCustomForm* TdxDockControl::GetParentForm() {
  if (Forms::TCustomForm* form = Controls::GetParentForm(this)) return form;
  return FBarManager ? FBarManager->GetParentForm() : nullptr;
}

TdxBars* TdxDockControl::GetBars() { return FBarManager ? FBarManager->GetBars() : nullptr; }

bool TdxDockControl::GetIsLoading() {
  return ComponentState().Contains(csLoading) || (FBarManager && FBarManager->GetIsLoading());
}

bool TdxDockControl::IsMovingBars() {
  TdxBars* bars = GetBars();
  return bars && bars->GetIsMoving();
}

// ---- Overridable answers ------------------------------------------------------------------------------------
void TdxDockControl::BarManagerChanged() { ResetBackground(); }
bool TdxDockControl::CanDocking(TdxBar*) { return FAllowDocking; }
bool TdxDockControl::GetSunkenBorder() { return FBarManager && FBarManager->GetSunkenBorder(); }
bool TdxDockControl::IsMultiRow() { return true; }
// The customization popups come with the customizing dialog; until then a right click shows nothing.
void TdxDockControl::ShowCustomizePopup() {}
TClass TdxDockControl::GetDockedBarControlClass() { return TdxBarControl::StaticClass(); }
TClass TdxDockControl::GetAccessibilityHelperClass() { return nullptr; }
Integer TdxDockControl::GetMinSize() { return 0; }
bool TdxDockControl::IsDrawDesignBorder() { return ComponentState().Contains(csDesigning); }

TdxBarPainter* TdxDockControl::GetPainter() {
  if (FBarManager && FBarManager->GetDefaultPainter()) return FBarManager->GetDefaultPainter();
  return static_cast<TdxBarPainter*>(ClassInstance(TdxBarPainter::StaticClass()));
}

void TdxDockControl::ColorChanged() {
  if (!FBarManager || FBarManager->GetAutoDockColor())
    SetParentColor(true);
  else
    SetColor(FBarManager->GetDockColor());
}

// ---- Rows and columns ---------------------------------------------------------------------------------------
TdxDockRow* TdxDockControl::GetRow(Integer AIndex) const {
  return AIndex >= 0 && AIndex < GetRowCount() ? static_cast<TdxDockRow*>(FRowList->GetItems(AIndex)) : nullptr;
}
TdxDockRow* TdxDockControl::AddRow() {
  auto* row = New<TdxDockRow>(this);
  FRowList->Add(row);
  return row;
}

Integer TdxDockControl::GetRowCount() const { return FRowList ? FRowList->GetCount() : 0; }
Integer TdxDockControl::IndexOfRow(TdxDockRow* ARow) const { return FRowList ? FRowList->IndexOf(ARow) : -1; }

Integer TdxDockControl::RowExtent(Integer ARow) {
  TdxDockRow* row = GetRow(ARow);
  if (!row || !row->GetVisible()) return 0;
  Integer extent = 0;
  for (Integer i = 0; i < row->GetColCount(); ++i) {
    TdxBarControl* window = row->GetCol(i)->GetBarControl();
    extent = std::max(extent, GetVertical() ? window->GetWidth() : window->GetHeight());
  }
  if (ARow < GetRowCount() - 1) extent += GetPainter()->BarDockedGetRowIndent();
  return extent;
}

TdxDockZones TdxDockControl::GetZones() {
  TdxDockZones zones;
  for (Integer i = 0; i < GetRowCount(); ++i) zones.RowExtents.push_back(RowExtent(i));
  const TRect client = GetClientRect();
  zones.ClientExtent = GetDockingStyle() == dsRight ? client.Width() : client.Height();
  if (TdxBars* bars = GetBars()) zones.ZoneSize = bars->GetDockingZoneSize();
  zones.TopLeft = GetTopLeft();
  zones.StackFromFarEdge = !zones.TopLeft && IsMovingBars();
  if (zones.StackFromFarEdge) zones.ClientExtent = GetVertical() ? client.Width() : client.Height();
  return zones;
}

TRect TdxDockControl::GetRectForRow(Integer ARow) {
  if (ARow < 0 || ARow >= GetRowCount()) return TRect();
  Integer start, end;
  GetZones().GetRowSpan(ARow, start, end);
  const TRect client = GetClientRect();
  return GetVertical() ? TRect(start, 0, end, client.Height()) : TRect(0, start, client.Width(), end);
}

Integer TdxDockControl::GetClientSize() {
  const Integer size = GetZones().RowsExtent();
  return size > 0 ? size : GetMinSize();
}

Integer TdxDockControl::GetSize() {
  return GetClientSize() + (GetRowCount() > 0 && GetSunkenBorder() ? 2 : 0);
}

Integer TdxDockControl::GetRowAtPos(const TPoint& AP, bool& ANewRow) {
  const TPoint p = ScreenToClient(AP);
  return GetZones().RowAt(GetVertical() ? p.x : p.y, ANewRow);
}

void TdxDockControl::GetDockZoneMargins(Integer ARow, Integer AZone, Integer& AStart, Integer& AEnd) {
  GetZones().GetMargins(ARow, AZone, AStart, AEnd);
}

void TdxDockControl::GetPosForRow(Integer ARow, bool ANewRow, TPoint& AP) {
  TPoint p = ScreenToClient(AP);
  (GetVertical() ? p.x : p.y) = GetZones().SnapPosition(ARow, ANewRow);
  AP = ClientToScreen(p);
}

TRect TdxDockControl::GetDockZoneBounds() {
  const Integer zone = GetBars() ? GetBars()->GetDockingZoneSize() : 23;
  const TPoint origin = GetParent() ? GetParent()->ClientToScreen(TPoint(GetLeft(), GetTop()))
                                    : TPoint(GetLeft(), GetTop());
  TRect bounds(origin.x, origin.y, origin.x + GetWidth(), origin.y + GetHeight());
  InflateRect(&bounds, zone, GetHorizontal() ? zone : 0);
  return bounds;
}

Integer TdxDockControl::GetColAtPos(Integer ARow, const TPoint& AP) {
  TdxDockRow* row = GetRow(ARow);
  if (!row || row->GetColCount() == 0) return 0;
  TPoint p = ScreenToClient(AP);
  TdxBars* bars = GetBars();
  if (bars && bars->GetIsMoving())
    if (auto* moving = dynamic_cast<TdxBarControl*>(bars->GetMovingBarControl()); moving && !moving->IsInternallyLocked()) {
      const TPoint offset = moving->GetDragPointOffset(GetDockingStyle());
      p.x -= GetHorizontal() ? offset.x : 0;
      p.y -= GetHorizontal() ? 0 : offset.y;
    }
  const Integer along = GetHorizontal() ? p.x : p.y;
  for (Integer i = 0; i < row->GetColCount(); ++i) {
    TdxBar* bar = row->GetCol(i)->GetBarControl()->GetBar();
    if ((GetHorizontal() ? bar->GetDockedLeft() : bar->GetDockedTop()) >= along) return i;
  }
  return row->GetColCount();
}

// ---- Docking windows ----------------------------------------------------------------------------------------
void TdxDockControl::AddBarControl(TdxBarControl* ABarControl, const TPoint& AP, bool AUpdate) {
  if (!FBarManager) return;
  TdxBar* bar = ABarControl->GetBar();
  const bool locked = ABarControl->IsInternallyLocked();
  bool newRow = false;
  Integer rowIndex;
  if (locked) {
    rowIndex = bar->GetRow();
    newRow = bar->GetOneOnRow();
  } else
    rowIndex = GetRowAtPos(AP, newRow);
  if (bar->GetWholeRow()) newRow = true;

  const bool loading = FBarManager->GetBarsLoading() || FBarManager->GetIsHandleCreating();
  if (loading && locked)
    while (rowIndex >= GetRowCount()) AddRow();
  else
    rowIndex = std::max(0, std::min(rowIndex, newRow ? GetRowCount() : GetRowCount() - 1));
  if (rowIndex >= GetRowCount()) newRow = true;
  if (!newRow) {
    TdxDockRow* row = GetRow(rowIndex);
    for (Integer i = 0; i < row->GetColCount() && !newRow; ++i) {
      TdxBar* other = row->GetCol(i)->GetBarControl()->GetBar();
      newRow = other != bar && other->GetWholeRow();
    }
  }

  TdxDockRow* row;
  TdxDockCol* col;
  if (newRow) {
    row = loading && GetRow(rowIndex) && GetRow(rowIndex)->GetColCount() == 0 ? GetRow(rowIndex) : nullptr;
    if (!row) {
      row = New<TdxDockRow>(this);
      FRowList->Insert(rowIndex, row);
    }
    col = row->AddCol(ABarControl);
  } else {
    row = GetRow(rowIndex);
    col = row->InsertCol(GetColAtPos(rowIndex, AP), ABarControl);
    row->UpdateOneOnRows();
  }
  bar->SetDockRow(row);

  TPoint p = AP;
  if (!locked) {
    const TPoint dragOffset = ABarControl->GetDragPointOffset(GetDockingStyle());
    p = TPoint(p.x - dragOffset.x, p.y - dragOffset.y);
    if (TdxBars* bars = GetBars(); bars && bars->GetIsMoving())
      p = TPoint(p.x - bars->GetCursorOffset().x, p.y - bars->GetCursorOffset().y);
  }
  p = ScreenToClient(p);
  (GetHorizontal() ? p.x : p.y) = std::max(0, GetHorizontal() ? p.x : p.y);
  col->SetPos(p);

  if (AUpdate) {
    if (!ABarControl->GetMoving())
      ABarControl->SetBounds(p.x, p.y, ABarControl->GetWidth(), ABarControl->GetHeight());
    UpdateDock();
    if (!loading) col->AssignPosition();
  }
}

void TdxDockControl::DeleteBarControl(TdxBarControl* ABarControl, TdxDockCol* ACol, bool AUpdate) {
  for (Integer i = 0; i < GetRowCount() && !ACol; ++i)
    if (const Integer index = GetRow(i)->IndexOfCol(ABarControl); index >= 0) ACol = GetRow(i)->GetCol(index);
  if (ACol) ACol->GetDockRow()->DeleteCol(ACol->GetDockRow()->IndexOfCol(ACol->GetBarControl()));
  if (AUpdate) UpdateDock();
}

void TdxDockControl::MoveBarControl(TdxBarControl* ABarControl, const TPoint& AP) {
  DeleteBarControl(ABarControl, nullptr, false);
  AddBarControl(ABarControl, AP, true);
  if (IsTransparent()) {
    ResetBackground();
    RepaintBarControls();
  }
}

void TdxDockControl::AssignPositions() {
  for (Integer i = 0; i < GetRowCount(); ++i)
    for (Integer j = 0; j < GetRow(i)->GetColCount(); ++j) GetRow(i)->GetCol(j)->AssignPosition();
}

// ---- Layout -------------------------------------------------------------------------------------------------
void TdxDockControl::UpdateDock() {
  if (!FBarManager || FBarManager->IsUpdateLocked() || FBarManager->GetIsDestroying() || FUpdatingDock) return;
  FUpdatingDock = true;
  try {
    PaintBarControls();
    SetSize();
  } catch (...) {
    FUpdatingDock = false;
    throw;
  }
  FUpdatingDock = false;
}

void TdxDockControl::PaintBarControls() {
  if (GetIsLoading() || ComponentState().Contains(csDestroying)) return;
  if (!ComponentState().Contains(csDesigning) && HandleAllocated())
    SetWindowPos(GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DisableAlign();
  try {
    CalcLayout();
  } catch (...) {
    EnableAlign();
    throw;
  }
  FAligning = true;
  EnableAlign();
  FAligning = false;
  Repaint();
}

void TdxDockControl::CalcLayout() {
  const Integer length = GetHorizontal() ? GetClientWidth() : GetClientHeight();
  for (Integer i = 0; i < GetRowCount(); ++i)
    if (GetRow(i)->GetVisible()) CalcRowToolbarPositions(i, length);
}

void TdxDockControl::CalcRowToolbarPositions(Integer ARowIndex, Integer ARowLength) {
  TdxDockRow* row = GetRow(ARowIndex);
  if (!row || row->GetColCount() == 0) return;
  const TdxBarDockingStyle style = GetDockingStyle();
  const bool vertical = GetVertical();
  TdxBarPainter* painter = GetPainter();
  const Integer markSize = painter->MarkSizeX();
  TdxBars* bars = GetBars();
  std::vector<TdxDockRowLayoutColumn> columns;
  for (Integer i = 0; i < row->GetColCount(); ++i) {
    TdxBarControl* window = row->GetCol(i)->GetBarControl();
    TdxBar* bar = window->GetBar();
    window->SetMarkForced(false);
    window->GetItemLinks()->SetRecentItemCount(-1);
    const Integer ncAlong = vertical ? bar->BarNCSizeY(style) : bar->BarNCSizeX(style);
    const Integer ncAcross = vertical ? bar->BarNCSizeX(style) : bar->BarNCSizeY(style);
    TdxDockRowLayoutColumn column;
    column.MinLength = (vertical ? window->GetMinHeight(style) : window->GetMinWidth(style)) + ncAlong;
    column.MaxLength = (vertical ? window->GetMaxHeight(style) : window->GetMaxWidth(style)) + ncAlong;
    if (!window->MarkExists() && column.MinLength != column.MaxLength) column.MinLength += markSize;
    column.MaxLength = std::max(column.MaxLength, column.MinLength);
    const TPoint position = row->GetCol(i)->GetPos();
    column.Position = vertical ? position.y : position.x;
    column.MultiLine = window->GetMultiLine();
    column.WholeRow = bar->GetWholeRow();
    column.UseRestSpace = bar->GetUseRestSpace();
    column.Moving = bars && bars->GetIsMoving() && bars->GetMovingBarControl() == window;
    const Integer markAllowance = painter->BarAllowQuickCustomizing() ? 0 : markSize;
    column.AcrossSize = [window, style, vertical, ncAlong, ncAcross, markAllowance](Integer ALength) {
      const Integer length = ALength - ncAlong - markAllowance;
      return (vertical ? window->GetSizeForHeight(style, length).x : window->GetSizeForWidth(style, length).y) +
             ncAcross;
    };
    columns.push_back(std::move(column));
  }
  dxCalcDockRowLayout(columns, ARowLength, FBarManager && FBarManager->GetAutoAlignBars());
  const TRect rowRect = GetRectForRow(ARowIndex);
  const Integer rowStart = vertical ? rowRect.left : rowRect.top;
  for (Integer i = 0; i < row->GetColCount(); ++i) {
    TdxDockCol* col = row->GetCol(i);
    TdxBarControl* window = col->GetBarControl();
    const TdxDockRowLayoutColumn& column = columns[static_cast<size_t>(i)];
    TPoint position = col->GetPos();
    (vertical ? position.y : position.x) = column.Position;
    col->SetPos(position);
    window->SetMarkForced(column.MarkForced);
    column.AcrossSize(column.Length);  // the window's shown items follow its final length
    if (vertical)
      window->SetNewBounds(rowStart, column.Left, column.Height, column.Length);
    else
      window->SetNewBounds(column.Left, rowStart, column.Length, column.Height);
    window->CalcLayout();
  }
}

void TdxDockControl::SetSize() {
  const Integer size = GetSize();
  const bool horizontal = GetHorizontal();
  const Integer current = horizontal ? GetHeight() : GetWidth();
  if (size == current) return;
  TWinControl* parent = GetParent();
  FAligning = true;
  if (parent) parent->DisableAlign();
  try {
    switch (GetDockingStyle()) {
      case dsBottom: SetBounds(GetLeft(), GetTop() + GetHeight() - size, GetWidth(), size); break;
      case dsRight: SetBounds(GetLeft() + GetWidth() - size, GetTop(), size, GetHeight()); break;
      case dsLeft: SetWidth(size); break;
      default: SetHeight(size); break;
    }
  } catch (...) {
    if (parent) parent->EnableAlign();
    FAligning = false;
    throw;
  }
  if (parent) parent->EnableAlign();
  FAligning = false;
  if (GetVisible()) CloseMenusOnResize();
}

// A menu opened from a toolbar would stay where the toolbar was: it closes when the dock changes size.
void TdxDockControl::CloseMenusOnResize() {
  TCustomdxBarControl* active = ActiveBarControl();
  if (!active) return;
  TCustomdxBarControl* root = GetParentBarForBar(active);
  if (!root) root = active;
  auto* rootWindow = dynamic_cast<TdxBarControl*>(root);
  if (rootWindow && rootWindow->GetPopupOwnerBar()) return;  // the quick-customization popup
  if (root->HandleAllocated() && GetCapture() == root->GetHandle()) return;
  bool ours = rootWindow && rootWindow->GetBar() && rootWindow->GetBar()->GetBarManager() == FBarManager;
  // A dock control of the application's own does not answer for the toolbars of the main docks.
  if (ours && !GetMain() && rootWindow->GetDockControl() && rootWindow->GetDockControl()->GetMain()) ours = false;
  if (ours || !Controls::GetParentForm(this)) active->HideAll();
}

void TdxDockControl::NCChanged() {
  constexpr UINT flags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (HandleAllocated()) SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, flags);
  for (Integer i = 0; i < GetRowCount(); ++i)
    for (Integer j = 0; j < GetRow(i)->GetColCount(); ++j)
      if (TdxBarControl* window = GetRow(i)->GetCol(j)->GetBarControl(); window->HandleAllocated())
        SetWindowPos(window->GetHandle(), nullptr, 0, 0, 0, 0, flags);
  UpdateDock();
}

void TdxDockControl::InitiateAction() {
  if (!FBarManager) return;
  TdxBars* bars = GetBars();
  for (Integer i = 0; bars && i < bars->GetCount(); ++i)
    if (TdxBar* bar = bars->GetItem(i); bar->GetVisible()) bar->GetControlItemLinks()->InitiateActions();
}

// ---- Background -----------------------------------------------------------------------------------------------
namespace {
TBitmap* ManagerBackground(TdxBarManager* AManager) {
  return AManager && AManager->GetBackgrounds() ? AManager->GetBackgrounds()->GetBar() : nullptr;
}
bool HasImage(TBitmap* ABitmap) { return ABitmap && !ABitmap->GetEmpty(); }
}  // namespace

bool TdxDockControl::IsBackgroundBitmap() { return HasImage(FBackgroundBitmap); }

bool TdxDockControl::IsTransparent() {
  return IsBackgroundBitmap() || GetPainter()->IsNativeBackground() || HasImage(ManagerBackground(FBarManager));
}

void TdxDockControl::FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush,
                                    TColor AColor) {
  TBitmap* bitmap = IsBackgroundBitmap() ? FBackgroundBitmap : ManagerBackground(FBarManager);
  if (!HasImage(bitmap)) {
    const TRect client = GetClientRect();
    if (!IsRectEmpty(&client)) GetPainter()->DockControlFillBackground(this, DC, ADestR, ASourceR, client, ABrush, AColor);
    return;
  }
  // Tiles start at multiples of the bitmap in the dock's own coordinates, so that the pattern runs on
  // across the dock and its toolbars.
  FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, bitmap, AColor, ABrush);
}

void TdxDockControl::RepaintBarControls() {
  for (Integer i = 0; i < GetRowCount(); ++i)
    for (Integer j = 0; j < GetRow(i)->GetColCount(); ++j) GetRow(i)->GetCol(j)->GetBarControl()->FullRepaint();
}

void TdxDockControl::ResetBackground() { FBackgroundTempBitmap->SetSize(0, 0); }

void TdxDockControl::UpdateDoubleBuffered() { SetDoubleBuffered(IsTransparent()); }

void TdxDockControl::SetBackgroundBitmap(TBitmap* Value) { FBackgroundBitmap->Assign(Value); }

void TdxDockControl::BackgroundChanged(TObject*) {
  ResetBackground();
  UpdateDoubleBuffered();
  Invalidate();
  RepaintBarControls();
}

// ---- Window -----------------------------------------------------------------------------------------------------
void TdxDockControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = 0;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TdxDockControl::AlignControls(TControl*, TRect&) {
  if (!FBarManager || !FBarManager->GetIsLoading()) UpdateDock();
}

void TdxDockControl::RequestAlign() {
  if (!FAligning) inherited::RequestAlign();
}

void TdxDockControl::Paint() {
  if (!ComponentState().Contains(csDesigning)) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetStyle(psDot);
  canvas->GetBrush()->SetStyle(bsClear);
  const TRect r = GetClientRect();
  canvas->Rectangle(r.left, r.top, r.right, r.bottom);
}

void TdxDockControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      ResetBackground();
      break;
    case WM_WINDOWPOSCHANGED: {
      inherited::WndProc(Message);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if (FBarManager && pos && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) &&
          IsTransparent())
        RepaintBarControls();
      return;
    }
    case WM_NCCALCSIZE:
      inherited::WndProc(Message);
      if (GetSunkenBorder()) {
        RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                 : reinterpret_cast<RECT*>(Message.LParam);
        InflateRect(r, -1, -1);
      }
      return;
    case WM_NCPAINT:
      inherited::WndProc(Message);
      if (GetSunkenBorder() && HandleAllocated()) {
        HDC dc = GetWindowDC(GetHandle());
        RECT r{0, 0, GetWidth(), GetHeight()};
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        ReleaseDC(GetHandle(), dc);
      }
      return;
    case WM_ERASEBKGND: {
      const TRect client = GetClientRect();
      FillBackground(reinterpret_cast<HDC>(Message.WParam), client, client, nullptr, GetColor());
      Message.Result = 1;
      return;
    }
    case WM_MOUSEACTIVATE:
      if (FBarManager && !ComponentState().Contains(csDesigning)) {
        if (Forms::TCustomForm* form = GetMainForm(); form && form->HandleAllocated())
          SetWindowPos(form->GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Message.Result = MA_NOACTIVATE;
        return;
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (FBarManager && FBarManager->GetCanCustomize()) FBarManager->Customizing(true);
      return;
    case WM_RBUTTONDOWN:
      inherited::WndProc(Message);
      if (FBarManager && !FBarManager->GetIsCustomizing()) ShowCustomizePopup();
      return;
    case WM_DESTROY:
      // The toolbars on a dock whose window goes are shown again when it comes back.
      if (FBarManager) FBarManager->CreateBarRestoringList();
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}

// ---- TdxDockRow -----------------------------------------------------------------------------------------------
void TdxDockRow::Construct() {
  inherited::Construct();
  FBars = New<TList>();
  FColList = New<TList>();
}

void TdxDockRow::Destroy() {
  while (GetColCount() > 0) {
    TdxDockCol* col = GetCol(GetColCount() - 1);
    FColList->Delete(GetColCount() - 1);
    col->Free();
  }
  while (GetBarCount() > 0) {
    TdxBar* bar = GetBar(GetBarCount() - 1);
    FBars->Delete(GetBarCount() - 1);
    if (bar->GetDockRow() == this) bar->RemoveFromDockRow(false);
  }
  FreeAndNil(FColList);
  FreeAndNil(FBars);
  inherited::Destroy();
}

TdxDockCol* TdxDockRow::AddCol(TdxBarControl* ABarControl) {
  TdxDockCol* col = InsertCol(GetColCount(), ABarControl);
  UpdateOneOnRows();
  return col;
}

TdxDockCol* TdxDockRow::InsertCol(Integer AIndex, TdxBarControl* ABarControl) {
  TdxDockCol* col = New<TdxDockCol>(this, ABarControl);
  FColList->Insert(std::max(0, std::min(AIndex, GetColCount())), col);
  return col;
}

void TdxDockRow::DeleteCol(TdxBarControl* ABarControl) {
  if (const Integer index = IndexOfCol(ABarControl); index >= 0) DeleteCol(index);
}

void TdxDockRow::DeleteCol(Integer AIndex) {
  TdxDockCol* col = GetCol(AIndex);
  if (!col) return;
  FColList->Delete(AIndex);
  col->Free();
  UpdateOneOnRows();
}

void TdxDockRow::AddBar(TdxBar* ABar) {
  if (FBars->IndexOf(ABar) < 0) FBars->Add(ABar);
}

void TdxDockRow::DeleteBar(TdxBar* ABar, bool AFreeWhenEmpty) {
  FBars->Remove(ABar);
  if (AFreeWhenEmpty && GetBarCount() == 0 && GetColCount() == 0 && FDockControl) {
    FDockControl->FRowList->Remove(this);
    Free();
  }
}

Integer TdxDockRow::IndexOfCol(TdxBarControl* ABarControl) const {
  for (Integer i = 0; i < GetColCount(); ++i)
    if (GetCol(i)->GetBarControl() == ABarControl) return i;
  return -1;
}

TdxDockCol* TdxDockRow::GetCol(Integer AIndex) const {
  return AIndex >= 0 && AIndex < GetColCount() ? static_cast<TdxDockCol*>(FColList->GetItems(AIndex)) : nullptr;
}
Integer TdxDockRow::GetColCount() const { return FColList ? FColList->GetCount() : 0; }
Integer TdxDockRow::GetBarCount() const { return FBars ? FBars->GetCount() : 0; }
TdxBar* TdxDockRow::GetBar(Integer AIndex) const { return static_cast<TdxBar*>(FBars->GetItems(AIndex)); }

// A column stands for a docked window: the toolbars assigned to the row without one do not show it.
bool TdxDockRow::GetVisible() { return GetColCount() > 0; }

void TdxDockRow::UpdateOneOnRows() {
  const bool alone = GetColCount() == 1;
  for (Integer i = 0; i < GetColCount(); ++i)
    if (TdxBar* bar = GetCol(i)->GetBarControl()->GetBar()) bar->SetOneOnRow(alone);
}

// ---- TdxDockCol -----------------------------------------------------------------------------------------------
void TdxDockCol::AssignPosition() { FPos = TPoint(FBarControl->GetLeft(), FBarControl->GetTop()); }

}  // namespace dxBar
