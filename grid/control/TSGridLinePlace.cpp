// What a column layer and a row layer share.
#include "TSGridImpl.h"
#include "TSGridBase.h"
#include "TSGridCombo.h"
#include "TSGridLinePlace.h"
#include "TSGridStores.h"

namespace TSGrid {

// ---- TtsLinePlace -----------------------------------------------------------------------------------
Integer TtsLinePlace::DisplayNumber() const {
  return FIsCol ? FNumber : FGrid->GetRows()->GetDisplayRowNumber(FNumber);
}

Integer TtsLinePlace::DataNumber() const { return FIsCol ? FGrid->GetDataCol(FNumber) : FNumber; }

bool TtsLinePlace::IsCurrent() const {
  return DisplayNumber() == (FIsCol ? FGrid->GetCurDisplayCol() : FGrid->GetCurDisplayRow());
}

bool TtsLinePlace::IsCurrentData() const {
  return DataNumber() == (FIsCol ? FGrid->GetCurDataCol() : FGrid->GetCurDataRow());
}

void TtsLinePlace::Invalidate() const {
  if (FIsCol)
    FGrid->InvalidateCol(FNumber);
  else
    FGrid->InvalidateRow(DisplayNumber());
}

void TtsLinePlace::CheckInvalidate() const {
  if (FIsCol)
    FGrid->CheckInvalidateCol(FNumber);
  else
    FGrid->CheckInvalidateRow(DisplayNumber());
}

void TtsLinePlace::Redraw() const {
  bool shown = FIsCol ? FGrid->CheckInvalidateCol(FNumber) : FGrid->CheckInvalidateRow(DisplayNumber());
  if (shown && IsCurrent()) FGrid->RedisplayControl(true);
}

void TtsLinePlace::Repaint() const {
  Invalidate();
  if (IsCurrent()) FGrid->RedisplayControl(true);
}

void TtsLinePlace::Resized(Integer Size, bool Visible) const {
  Integer displayNumber = DisplayNumber();
  auto resize = [&](Integer To) {
    if (FIsCol)
      FGrid->ResizeCol(displayNumber, To);
    else
      FGrid->ResizeRow(displayNumber, To);
  };
  if (Visible)
    resize(Size);
  else if ((FIsCol ? FGrid->GetColWidths(displayNumber) : FGrid->GetRowHeights(displayNumber)) != 0)
    resize(0);
  if (FIsCol)
    FGrid->ColResized(DataNumber());
  else
    FGrid->RowResized(FNumber);
}

TtsIntegerList* TtsLinePlace::FontFollowers() const {
  return FIsCol ? FGrid->GetColFontFollowers() : FGrid->GetRowFontFollowers();
}

// ---- The shared setters -----------------------------------------------------------------------------
void SetLinePicture(const TtsLinePlace& Place, TtsDrawOption& Own, TtsDrawOption Value) {
  if (TtsBaseGrid::Change(Own, Value)) Place.CheckInvalidate();
}

void SetLineButtonType(const TtsLinePlace& Place, TtsButtonType& Own, TtsButtonType Value) {
  TtsBaseGrid* grid = Place.Grid();
  if (grid->IsComboGrid() || Own == Value) return;
  Own = Value;
  if (Value == btCombo) grid->CheckComboCreated();
  Place.Invalidate();
  if (Place.IsCurrent()) {
    grid->RedisplayControl(true);
    if (Value == btDateTimeDropDown || Value == btDateTimePopup) grid->ResetDateTimeInit();
  }
}

void SetLineDateTimeDef(const TtsLinePlace& Place, TtsDateTimeDefComponent*& Own, TtsDateTimeDefComponent* Value) {
  if (Own == Value) return;
  TtsBaseGrid* grid = Place.Grid();
  if (Place.IsCurrent())
    grid->ResetDateTimeInit();
  else
    grid->CheckLastUsedDateTime(Own);
  if (Own) grid->RemoveDateTime(Own);
  Own = Value;
  if (Value) grid->AddDateTime(Value);
}

void SetLineDropDownStyle(const TtsLinePlace& Place, TtsCombo* Combo, TtsDropDownStyle& Kept, TtsDropDownStyle Value) {
  if (!SetLayerDropDownStyle(Combo, Kept, Value)) return;
  if (Place.IsCurrent()) Place.Grid()->RedisplayControl(true);
}

void SetLineReadOnly(const TtsLinePlace& Place, bool& Own, bool Value) {
  if (Own == Value) return;
  Own = Value;
  Place.Invalidate();
  TtsBaseGrid* grid = Place.Grid();
  if (Place.IsCol()) {
    if (Place.IsCurrent() || grid->GetCurDisplayCol() == 0)
      grid->MoveToNewCol(grid->GetCurDisplayCol(), true, false, grid->CanSkipReadOnly());
  } else if (Place.IsCurrent() || grid->GetCurDisplayRow() == 0) {
    grid->MoveToNewRow(grid->GetCurDisplayRow(), true, false, grid->CanSkipReadOnly());
  }
}

void SetLineMaskName(const TtsLinePlace& Place, String& Own, const String& Value) {
  if (Own == Value) return;
  Own = Value;
  if (Place.IsCurrentData()) Place.Grid()->SetControlMask();
}

bool SetLineAutoCreateFont(const TtsLinePlace& Place, bool& Own, bool Value) {
  if (Own == Value) return false;
  Own = Value;
  if (Value) {
    Place.FontFollowers()->AddItem(Place.DataNumber());
    return false;
  }
  Place.FontFollowers()->Remove(Place.DataNumber());
  return true;
}

void LineFontChanged(const TtsLinePlace& Place, bool& ParentFont) {
  ParentFont = false;
  Place.Redraw();
  Place.Grid()->UpdateCellFonts();
}

void ReleaseLineLinks(TtsBaseGrid* Grid, TtsDateTimeDefComponent*& DateTimeDef) {
  if (Grid) {
    if (DateTimeDef) Grid->RemoveDateTime(DateTimeDef);
    Grid->ResetComboInit(true);
    Grid->ResetDateTimeInit();
  }
  DateTimeDef = nullptr;
}

TFont* FollowedFont(TtsBaseGrid* Grid, TFont*& Own, bool Following, bool AutoCreate, TFont* GridFont,
                    const std::function<void(TFont*)>& Update) {
  if (Grid->Writing() && Following) return nullptr;
  if (!Own && (Grid->Reading() || AutoCreate)) {
    Update(GridFont);
    return Own;
  }
  if (Own && Following && !AutoCreate && !Grid->Reading()) {
    Update(nullptr);
    return nullptr;
  }
  return Own;
}

void SetLineCombo(const TtsLinePlace& Place, TtsCombo*& Own, TtsCombo* Value, const std::function<void()>& AssignStep,
                  const std::function<void()>& ResetStep) {
  TtsBaseGrid* grid = Place.Grid();
  if (grid->IsComboGrid() || (Value && Value == Own)) return;
  if (!Value) {
    ResetStep();
    return;
  }
  AssignStep();
  Own->Assign(Value);
  grid->ComboAssigned(Own, Place.IsCurrent());
}

}  // namespace TSGrid
