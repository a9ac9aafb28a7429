// Date-time definitions from the grid's side: the links that keep track of the picker components
// the grid's cells, rows and columns use, and the date-time drop-down: a working picker of the
// cell's picker class, shown under the cell on a borderless form or as a small modal tool window,
// whose chosen date becomes the cell's text.
#include <cmath>

#include "DateFormat.h"
#include "FormatSettings.h"
#include "TSGridDropDownForm.h"
#include "TSGridImpl.h"
#include "WinUser.h"

namespace TSGrid {

// ---- Date-time definitions --------------------------------------------------------------------------------
void TtsBaseGrid::ResetDateTimeInit() {
  FDateTimeInitialized = false;
  FLastUsedDateTime = nullptr;
}

void TtsBaseGrid::CheckResetDateTimeInit(TtsDateTimeDefComponent* Def) {
  if (Def && Def == FLastUsedDateTime) ResetDateTimeInit();
}

void TtsBaseGrid::CheckLastUsedDateTime(TtsDateTimeDefComponent* Def) {
  if (Def == FLastUsedDateTime) FLastUsedDateTime = nullptr;
}

void TtsBaseGrid::AddDateTime(TtsDateTimeDefComponent* Def) {
  if (Def && FDateTimeLink) FDateTimeLink->Add(Def);
}

void TtsBaseGrid::RemoveDateTime(TtsDateTimeDefComponent* Def) {
  if (Def && FDateTimeLink) FDateTimeLink->Remove(Def);
}

void TtsBaseGrid::DateTimeDefDeleted(TtsDateTimeDefComponent* Def) {
  // A picker component that goes is forgotten everywhere: a new one made at its address must not
  // pass for it, and a drop-down showing its settings closes.
  if (Def && Def == FDateTimeDefInUse) {
    if (DateTimeVisible() || FDateTimePending) CheckDropDownOff(false);
    FDateTimeDefInUse = nullptr;
  }
  CheckResetDateTimeInit(Def);
  if (FDateTimeDef == Def) SetDateTimeDef(nullptr);
  for (Integer col = 1; col <= GetGridColCount(); ++col)
    if (FCols->GetItem(col)->GetDateTimeDef() == Def) FCols->GetItem(col)->SetDateTimeDef(nullptr);
  RemoveRowDateTimeDef(Def);
  RemoveCellDateTimeDef(Def);
  CheckLastUsedDateTime(Def);
}

void TtsBaseGrid::RemoveRowDateTimeDef(TtsDateTimeDefComponent* Def) {
  for (Integer row = 1; row <= GetGridRowCount(); ++row)
    if (TtsRow* item = FRows->GetItem(row); item && item->GetDateTimeDef() == Def) SetRowDateTimeDef(row, nullptr);
}

void TtsBaseGrid::RemoveCellDateTimeDef(TtsDateTimeDefComponent* Def) {
  std::vector<std::pair<Integer, Integer>> cells;
  TOwnedPtr<TtsSetList> list(FCellPropSet->List());
  for (Integer i = 1; i <= list->GetCount(); ++i) {
    auto* element = static_cast<TtsCellElement*>(list->GetItems(i));
    if (element->GetDateTimeDef() == Def) cells.emplace_back(element->GetDataCol(), element->GetDataRow());
  }
  for (auto [col, row] : cells) SetCellDateTimeDef(col, row, nullptr);
}

// ---- Which picker a cell uses ---------------------------------------------------------------------------
namespace {
bool IsDateTimeButton(TtsButtonType Type) { return Type == btDateTimeDropDown || Type == btDateTimePopup; }
}  // namespace

TtsDateTimeDefComponent* TtsBaseGrid::GiveCellDateTime(Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetGridRowCount()) return nullptr;
  TtsDateTimeDefComponent* def;
  TtsCol* col = FCols->GetItem(DataCol);
  if (IsDateTimeButton(GetCellButtonType(DataCol, DataRow)))
    def = GetCellDateTimeDef(DataCol, DataRow);
  else if (FDrawOverlap == doDrawRowOnTop)
    def = IsDateTimeButton(GetRowButtonType(DataRow)) ? GetRowDateTimeDef(DataRow) : col->GetDateTimeDef();
  else
    def = IsDateTimeButton(col->GetButtonType()) ? col->GetDateTimeDef() : GetRowDateTimeDef(DataRow);
  return def ? def : FDateTimeDef;
}

// ---- The working picker and its form ------------------------------------------------------------------------
TCustomForm* TtsBaseGrid::GetDateTimeForm() {
  if (!FDateTimeForm) {
    FDateTimeForm = TCustomForm::CreateNew<TtsDropDownForm>(this);
    InitializeDropDownForm(FDateTimeForm);
  }
  return FDateTimeForm;
}

namespace {
bool IsDropDownForm(TCustomForm* Form) {
  auto* dropDown = dynamic_cast<TtsDropDownForm*>(Form);
  return dropDown && dropDown->GetDropDown();
}
}  // namespace

void TtsBaseGrid::CheckCreateDateTime(Integer DataCol, Integer DataRow) {
  TtsDateTimeDefComponent* def = GiveCellDateTime(DataCol, DataRow);
  if (FDateTimePicker && (!def || FDateTimePicker->ClassType() != def->ClassType())) {
    FreeAndNil(FDateTimePicker);
    // A new picker has none of the settings copied into the old one.
    ResetDateTimeInit();
  }
  if (!def) return;
  if (!FDateTimePicker)
    FDateTimePicker = static_cast<TtsDateTimeDefComponent*>(CreateComponent(def->ClassType(), GetDateTimeForm()));
  if (TWinControl* control = FDateTimePicker->GetControl()) control->SetParent(GetDateTimeForm());
  FDateTimePicker->SetSelect(TNotifyEvent(this, &TtsBaseGrid::DateTimeSelect));
  FDateTimePicker->SetCancel(TNotifyEvent(this, &TtsBaseGrid::DateTimeCancel));
}

void TtsBaseGrid::DateTimeInit(Integer DataCol, Integer DataRow, TtsButtonType ButtonType) {
  // Initialised once per cell: a handler's settings stay while the same cell opens again.
  const TGridCoord cell{DataCol, DataRow};
  if (FDateTimeInitialized && FDateTimeInitCell.X == cell.X && FDateTimeInitCell.Y == cell.Y) return;
  TtsDateTimeDefComponent* def = GiveCellDateTime(DataCol, DataRow);
  if (def != FLastUsedDateTime) {
    FLastUsedDateTime = def;
    if (def) FDateTimePicker->Assign(def);
  }
  FDateTimeDefInUse = def;
  FDateTimePicker->GetDateTimeProps()->SetPopupForm(ButtonType == btDateTimePopup);
  FDateTimePicker->InitializeDisplay();
  ActivateDateTimeInit(FDateTimePicker, DataCol, DataRow);
  FDateTimeInitialized = true;
  FDateTimeInitCell = cell;
}

bool TtsBaseGrid::DateTimeControlAssigned() { return FDateTimePicker && FDateTimePicker->GetControl(); }

void TtsBaseGrid::InitDateTimeForm(Integer, Integer, TtsButtonType ButtonType) {
  auto* form = static_cast<TtsDropDownForm*>(GetDateTimeForm());
  if (ButtonType == btDateTimeDropDown && !form->GetDropDown()) {
    form->SetBorderStyle(bsNone);
    form->SetBorderIcons({});
    form->SetCaption("");
    form->SetDropDown(true);
  } else if (ButtonType == btDateTimePopup && form->GetDropDown()) {
    form->SetBorderStyle(bsToolWindow);
    form->SetBorderIcons({biSystemMenu});
    form->SetDropDown(false);
  }
  form->RecreateWnd();
  if (!form->GetDropDown()) form->SetCaption(FDateTimePicker->GetDateTimeProps()->GetCaption());
  form->HandleNeeded();
}

void TtsBaseGrid::SetDateTimeFormExtents(Integer DataCol, Integer DataRow) {
  TCustomForm* form = GetDateTimeForm();
  TWinControl* control = FDateTimePicker->GetControl();
  const Integer displayCol = GetDisplayCol(DataCol);
  const Integer colWidth = GetColWidths(displayCol);
  TPoint size(control ? control->GetWidth() : colWidth, control ? control->GetHeight() : 15);
  size.x += form->GetWidth() - form->GetClientWidth();
  size.y += form->GetHeight() - form->GetClientHeight();
  TRect cell;
  CellRect(displayCol, GetDisplayRow(DataRow), cell);
  TPoint at = ClientToScreen(TPoint(cell.left, cell.bottom));
  // A picker narrower than its column ends where the cell ends.
  if (size.x < colWidth) at.x += colWidth - size.x;
  if (control && (control->GetLeft() != 0 || control->GetTop() != 0)) {
    control->SetLeft(0);
    control->SetTop(0);
  }
  if (IsDropDownForm(form)) {
    PositionDropDownForm(DataCol, DataRow, at, size);
    SetWindowPos(form->GetHandle(), nullptr, at.x, at.y, size.x, size.y, 0);
  } else {
    PositionPopupForm(DataCol, DataRow, at, size);
    form->SetBounds(at.x, at.y, size.x, size.y);
  }
}

void TtsBaseGrid::SetDateTimeVisible() {
  TCustomForm* form = GetDateTimeForm();
  form->SetEnabled(true);
  if (IsDropDownForm(form)) {
    form->SetVisible(true);
    FDateTimePicker->InitializeFocus();
    return;
  }
  FDateTimeSelected = false;
  FDateTimeCancelled = false;
  FDateTimeModal = true;
  // The popup is up until its value is taken over or it is cancelled.
  FDateTimePending = true;
  form->OnActivate = TNotifyEvent(this, &TtsBaseGrid::DateTimeActivate);
  form->OnClose = [this](TObject* Sender, TCloseAction&) { DateTimeClose(Sender); };
  auto release = [this, form] {
    form->OnActivate = nullptr;
    form->OnClose = nullptr;
    FDateTimeModal = false;
  };
  try {
    form->ShowModal();
  } catch (...) {
    release();
    FDateTimePending = false;
    throw;
  }
  release();
  if (FDateTimeSelected)
    SetDateTimeSelection();
  else if (FDateTimeCancelled)
    CancelDateTimeSelection();
}

void TtsBaseGrid::GetCurrentDateTime(Variant& Value) {
  Value = VarFromDateTime(VariantToDateTime(FCurrentCell->GetValue()));
}

void TtsBaseGrid::InternalShowDateTime(Integer DataCol, Integer DataRow) {
  GetDateTimeForm()->HandleNeeded();
  CheckCreateDateTime(DataCol, DataRow);
  if (!FDateTimePicker) return;
  TtsDateTimeProps* props = FDateTimePicker->GetDateTimeProps();
  props->SetDateTime(Variant());
  const TtsButtonType buttonType = GiveCellButtonType(DataCol, DataRow);
  DateTimeInit(DataCol, DataRow, buttonType);
  DateTimeDropDown(DataCol, DataRow);
  InitDateTimeForm(DataCol, DataRow, buttonType);
  // A date that a handler gave the picker prevails over the cell's.
  if (VarIsEmpty(props->GetDateTime())) {
    Variant current;
    GetCurrentDateTime(current);
    props->SetDateTime(current);
  }
  SetDateTimeFormExtents(DataCol, DataRow);
  SetDateTimeVisible();
  Update();
  UpdateDateTime();
}

void TtsBaseGrid::DisplayDateTime(Integer DataCol, Integer DataRow) {
  CheckDropDownOff(false);
  InternalShowDateTime(DataCol, DataRow);
  // A modal popup has closed by now; only a drop-down needs the hooks.
  if (FDateTimePicker && IsDropDownForm(GetDateTimeForm()) && DateTimeVisible()) RegisterDropDownGrid(this);
}

void TtsBaseGrid::ShowDateTime() {
  if (!CurrentCellInView() || !CanDropDown(FCurDataCol, FCurDataRow, {btDateTimeDropDown, btDateTimePopup})) return;
  if (DateTimeVisible() && FDateTimeDropDownPos.X == FCurDataCol && FDateTimeDropDownPos.Y == FCurDataRow) return;
  CheckDropDownOff(false);
  FCurrentCell->PutInView();
  DisplayDateTime(FCurDataCol, FCurDataRow);
}

bool TtsBaseGrid::DateTimeButtonDown(Integer DataCol, Integer DataRow) {
  // A second press on the open cell's button closes its picker.
  if (FDateTimeDropDownPos.X == DataCol && FDateTimeDropDownPos.Y == DataRow) {
    CheckDropDownOff(false);
    return true;
  }
  if (!CanDropDown(FCurDataCol, FCurDataRow, {btDateTimeDropDown, btDateTimePopup})) return false;
  DisplayDateTime(DataCol, DataRow);
  return true;
}

void TtsBaseGrid::DateTimeDropDown(Integer DataCol, Integer DataRow) {
  if (FDateTimeDropDownPos.X != -1 || FDateTimeDropDownPos.Y != -1) return;
  ActivateDateTimeDropDown(FDateTimePicker, DataCol, DataRow);
  FDateTimeDropDownPos = TGridCoord{DataCol, DataRow};
}

void TtsBaseGrid::DateTimeRollUp() {
  if (FDateTimeDropDownPos.X == -1 && FDateTimeDropDownPos.Y == -1) return;
  const TGridCoord cell = FDateTimeDropDownPos;
  FDateTimeDropDownPos = TGridCoord{-1, -1};
  ActivateDateTimeRollUp(FDateTimePicker, cell.X, cell.Y);
}

void TtsBaseGrid::DateTimeActivate(TObject*) {
  if (FDateTimePicker) FDateTimePicker->InitializeFocus();
}

void TtsBaseGrid::DateTimeClose(TObject* Sender) { DateTimeCancel(Sender); }

void TtsBaseGrid::UpdateDateTime() {
  if (DateTimeControlAssigned()) FDateTimePicker->GetControl()->Repaint();
}

// ---- Showing and hiding ------------------------------------------------------------------------------------
bool TtsBaseGrid::DateTimeVisible() {
  if (FDateTimeForm && FDateTimeForm->GetVisible()) return true;
  return DateTimeControlAssigned() && FDateTimePicker->GetControl()->GetParent() != FDateTimeForm;
}

bool TtsBaseGrid::IsDateTimeHandle(HWND Window) {
  return DateTimeControlAssigned() && IsControlHandle(Window, FDateTimePicker->GetControl());
}

HWND TtsBaseGrid::DateTimePickerWindow() {
  if (!DateTimeControlAssigned() || !FDateTimePicker->GetControl()->HandleAllocated()) return nullptr;
  return FDateTimePicker->GetControl()->GetHandle();
}

bool TtsBaseGrid::TurnDateTimeOff(bool ActivateParentForm, bool DoUpdate) {
  if (!DateTimeVisible() && !FDateTimePending) return false;
  TCustomForm* form = GetDateTimeForm();
  form->SetVisible(false);
  if (IsDropDownForm(form))
    UnregisterDropDownGrid(this);
  else
    form->Close();
  FDateTimePending = false;
  if (DoUpdate) Update();
  if (ActivateParentForm)
    if (TCustomForm* parentForm = GetParentForm(this); parentForm && parentForm->GetActive()) parentForm->Show();
  return true;
}

// ---- The chosen value --------------------------------------------------------------------------------------
void TtsBaseGrid::DateTimeSelect(TObject*) {
  FDateTimeSelected = true;
  if (IsDropDownForm(GetDateTimeForm())) SetDateTimeSelection();
}

void TtsBaseGrid::DateTimeCancel(TObject*) {
  FDateTimeCancelled = true;
  if (IsDropDownForm(GetDateTimeForm())) CancelDateTimeSelection();
}

void TtsBaseGrid::CancelDateTimeSelection() {
  ShowGridControl();
  CheckDropDownOff(false);
  SetGridFocus();
  FDateTimeCancelled = false;
}

void TtsBaseGrid::SetDateTimeSelection() {
  const Variant picked = FDateTimePicker ? FDateTimePicker->GetDateTimeProps()->GetDateTime() : Variant();
  if (VarIsEmpty(picked) || (GetInDesignMode() && !GetStoreData())) {
    ShowGridControl();
    CheckDropDownOff(false);
    SetGridFocus();
    FDateTimeSelected = false;
    return;
  }
  const bool wasUp = TurnDateTimeOff(false, true);
  auto finish = [this, wasUp] {
    if (wasUp) DateTimeRollUp();
    SetGridFocus();
    FDateTimeSelected = false;
  };
  try {
    Variant value;
    GetDateTimeValue(FCurDataCol, FCurDataRow, value);
    if (!VarIsEmpty(value)) CheckVarType(CurCellControlType(), value);
    SetCurrentValue(value, true, true);
    if (!VariantEqual(FCurrentCell->GetValue(), value)) AssignControlValue(CurCellControlType(), value, true, true);
    ShowGridControl();
  } catch (...) {
    ShowGridControl();
    finish();
    throw;
  }
  finish();
}

void TtsBaseGrid::GetDateTimeValue(Integer DataCol, Integer DataRow, Variant& Value) {
  TtsDateTimeProps* props = FDateTimePicker->GetDateTimeProps();
  Value = props->GetDateTime();
  ActivateDateTimeGetValue(FDateTimePicker, DataCol, DataRow, Value);
  if (!VarIsFloat(Value) && VarType(Value) != varDate) return;
  const TDateTime moment = VariantToDateTime(Value);
  String format;
  switch (props->GetDateTimeDisplay()) {
    case dtDate:
      format = GetEditDateFormat(false);
      break;
    case dtTime:
      format = FormatSettings.LongTimeFormat;
      break;
    case dtDateTime: {
      format = GetEditDateFormat(false);
      // At midnight the date stands alone.
      const double seconds = std::round((moment - std::floor(moment)) * 86400.0);
      if (seconds != 0 && seconds != 86400) format = Trim(format) + " " + FormatSettings.LongTimeFormat;
      break;
    }
  }
  format = LongYearFormat(format);
  if (!AMPMFormat()) format = LongHourFormat(format);
  Value = FormatDateTime(format, moment);
}

// ---- Events --------------------------------------------------------------------------------------------
void TtsBaseGrid::ActivateDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  DoDateTimeInit(Def, DataCol, Variant(DataRow));
}
void TtsBaseGrid::ActivateDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  DoDateTimeDropDown(Def, DataCol, Variant(DataRow));
}
void TtsBaseGrid::ActivateDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  DoDateTimeRollUp(Def, DataCol, Variant(DataRow));
}
void TtsBaseGrid::ActivateDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow,
                                           Variant& Value) {
  DoDateTimeGetValue(Def, DataCol, Variant(DataRow), Value);
}

}  // namespace TSGrid
