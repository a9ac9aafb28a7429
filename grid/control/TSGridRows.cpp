// Row objects and the row facade.
#include "TSGridImpl.h"
#include "Filer.h"
#include "Streams.h"
#include "TSGridBase.h"
#include "TSGridCellSettings.h"
#include "TSGridCells.h"
#include "TSGridCombo.h"
#include "TSGridLinePlace.h"
#include "TSGridRows.h"
#include "TSGridStores.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsRow) {
  PublishCellSettings<TtsRow>(d, false, [&](std::string_view Next) {
    if (Next == "DropDownStyle")
      d.Property("DisplayRow", &TtsRow::GetDisplayRow, &TtsRow::SetDisplayRow).Stored(&TtsRow::StoreDisplayRowConst);
    else if (Next == "HorzAlignment")
      d.Property("Height", &TtsRow::GetHeight, &TtsRow::SetHeight).Default(14);
    else if (Next == "WordWrap")
      d.Property("Visible", &TtsRow::GetVisible, &TtsRow::SetVisible).Default(true);
  });
}

IMPLEMENT_CLASS_PUBLISHED(TtsDesignRow) {
  PublishCellSettings<TtsDesignRow>(d, false, [&](std::string_view Next) {
    if (Next == "DropDownStyle")
      d.Property("DisplayRow", &TtsDesignRow::GetDisplayRow, &TtsDesignRow::SetDisplayRow);
    else if (Next == "HorzAlignment")
      d.Property("Height", &TtsDesignRow::GetHeight, &TtsDesignRow::SetHeight);
    else if (Next == "WordWrap")
      d.Property("Visible", &TtsDesignRow::GetVisible, &TtsDesignRow::SetVisible).Default(true);
  });
}

// ---- TtsRow -----------------------------------------------------------------------------------------
void TtsRow::Construct() {
  inherited::Construct();
  FHeight = FAssignedHeight = FGrid ? FGrid->GetDefaultRowHeight() : 0;
}

void TtsRow::Destroy() {
  FreeAndNil(FFont);
  FreeAndNil(FCombo);
  ReleaseLineLinks(FGrid, FDateTimeDef);
  inherited::Destroy();
}

Integer TtsRow::GetDisplayRow() { return FGrid->GetRows()->GetDisplayRowNumber(FDataRow); }
Integer TtsRow::GetId() { return FGrid->GetRows()->GetRowId(FDataRow); }
bool TtsRow::GetFixed() { return GetDisplayRow() <= FGrid->GetFixedDataRowCount(); }
bool TtsRow::GetSelected() { return FGrid->GetRowSelection()->GetSelected(GetDisplayRow()); }
bool TtsRow::GetChanged() { return FGrid->GetRowChanged(FDataRow); }
bool TtsRow::StoreDisplayRow() { return GetDisplayRow() != FDataRow; }
TtsDropDownStyle TtsRow::GetDropDownStyle() { return LayerDropDownStyle(FCombo, FSettings.KeptDropDownStyle); }

TFont* TtsRow::GetFont() {
  return FollowedFont(FGrid, FFont, FParentFont, FAutoCreateFont, FGrid->GetFont(),
                      [this](TFont* F) { UpdateFont(F); });
}

bool TtsRow::DefaultProps() {
  return FSettings.IsDefault() && FHeight == FGrid->GetDefaultRowHeight() && FAssignedHeight == FHeight && !FFont &&
         FParentFont && FVisible && !FAutoCreateFont && FButtonType == btDefault && !FCombo && !FDateTimeDef;
}

TtsLinePlace TtsRow::Place() const { return TtsLinePlace::Row(FGrid, FDataRow); }

bool TtsRow::IsCurrentRow() { return Place().IsCurrent(); }

void TtsRow::RedrawRow() { Place().Redraw(); }

void TtsRow::SetColor(TColor Value) {
  if (TtsBaseGrid::Change(FSettings.Color, Value)) RedrawRow();
}

void TtsRow::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (TtsBaseGrid::Change(FSettings.VertAlignment, Value)) RedrawRow();
}

void TtsRow::SetWordWrap(TtsWordWrap Value) {
  if (TtsBaseGrid::Change(FSettings.WordWrap, Value)) RedrawRow();
}

void TtsRow::SetAlignment(TAlignment Value) {
  if (SetLayerAlignment(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawRow();
}

void TtsRow::SetAlign(bool Value) {
  if (SetLayerAlign(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawRow();
}

void TtsRow::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  if (SetLayerHorzAlignment(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawRow();
}

void TtsRow::SetIs3D(bool Value) {
  if (TtsBaseGrid::Change(FSettings.Is3D, Value)) Place().Repaint();
}

void TtsRow::SetReadOnly(bool Value) { SetLineReadOnly(Place(), FSettings.ReadOnly, Value); }

void TtsRow::SetControlType(TtsControlType Value) {
  if (FSettings.ControlType == Value) return;
  bool current = IsCurrentRow();
  if (current) FGrid->ClearCurrentFocusRect(false);
  FSettings.ControlType = Value;
  FGrid->InvalidateRow(GetDisplayRow());
  if (current) {
    FGrid->RedisplayControl(true);
    FGrid->DrawCurrentFocusRect(false);
  }
  FGrid->CheckGridData(-1, FDataRow);
}

void TtsRow::SetButtonType(TtsButtonType Value) { SetLineButtonType(Place(), FButtonType, Value); }

void TtsRow::SetDropDownStyle(TtsDropDownStyle Value) {
  SetLineDropDownStyle(Place(), FCombo, FSettings.KeptDropDownStyle, Value);
}

void TtsRow::SetMaskName(const String& Value) { SetLineMaskName(Place(), FSettings.MaskName, Value); }
void TtsRow::SetStretchPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.StretchPicture, Value); }
void TtsRow::SetShrinkPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.ShrinkPicture, Value); }
void TtsRow::SetCenterPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.CenterPicture, Value); }
void TtsRow::SetKeepAspectRatio(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.KeepAspectRatio, Value); }

void TtsRow::SetDateTimeDef(TtsDateTimeDefComponent* Value) { SetLineDateTimeDef(Place(), FDateTimeDef, Value); }

void TtsRow::SetSelected(bool Value) {
  if (Value != GetSelected()) FGrid->SelectRows(GetDisplayRow(), GetDisplayRow(), Value);
}

void TtsRow::SetChanged(bool Value) { FGrid->SetRowChanged(FDataRow, Value); }

void TtsRow::SetDisplayRow(Integer Value) { FGrid->SetDisplayRownr(FDataRow, Value); }

void TtsRow::SetHeight(Integer Value) {
  FAssignedHeight = Value;
  CopyHeight(Value);
}

void TtsRow::CopyHeight(Integer Value) {
  if (Value == FHeight) return;
  Integer old = FHeight;
  FHeight = Value;
  CheckHeight(old);
  FGrid->RedisplayControl(true);
}

void TtsRow::CheckHeight(Integer OldHeight) {
  if (OldHeight == FHeight) return;
  Place().Resized(FHeight, FVisible);
  if (FDataRow == 0 && !FGrid->FHeadingSizing) FGrid->FHeadingHeightMemory = FHeight;
}

void TtsRow::SetVisible(bool Value) {
  Integer displayRow = GetDisplayRow();
  if (FVisible == Value || FGrid->IsInsertRow(displayRow)) return;
  if (IsCurrentRow() && !FGrid->CheckEndEdit(FGrid->GetCurDataCol(), 0, false)) return;
  FVisible = Value;
  if (displayRow > 0) {
    if (Value)
      FGrid->GetVisibleRowItems()->Add(displayRow);
    else
      FGrid->GetVisibleRowItems()->RemoveItem(displayRow);
  }
  if (Value) {
    FGrid->ResizeRow(displayRow, FHeight);
    FGrid->CheckTopLeft(true);
    if (FGrid->GetCurDisplayRow() == 0)
      FGrid->MoveToNewRow(0, false, FGrid->InRowSelectMode(), FGrid->CanSkipReadOnly());
  } else {
    FGrid->ResizeRow(displayRow, 0);
    if (displayRow > 0) {
      if (GetSelected()) FGrid->DeleteRowSelection(displayRow, displayRow);
      FGrid->SetEnablePaint(false);
      try {
        if (IsCurrentRow())
          FGrid->MoveToNewRow(displayRow, false, FGrid->InRowSelectMode(), FGrid->CanSkipReadOnly());
        if (displayRow >= FGrid->GetTopRow()) FGrid->CheckTopLeft(true);
      } catch (...) {
        FGrid->SetEnablePaint(true);
        throw;
      }
      FGrid->SetEnablePaint(true);
      FGrid->CheckSelectedCellsRow(displayRow);
    }
  }
  FGrid->UpdateScrollRange();
  FGrid->RedisplayControl(true);
  FGrid->CheckRowSelection(false);
  FGrid->SelectionsChanged(false);
  FGrid->GridStatusChanged();
}

void TtsRow::SetAutoCreateFont(bool Value) {
  if (SetLineAutoCreateFont(Place(), FAutoCreateFont, Value)) RemoveFonts();
}

// ---- Fonts ------------------------------------------------------------------------------------------
void TtsRow::SetChangeFont(bool Value) { CountFontChange(FChangeFontCount, Value); }

void TtsRow::CopyFont(TFont* Value) { CopyOwnedFont(FFont, Value, TNotifyEvent(this, &TtsRow::FontChange)); }

void TtsRow::UpdateFont(TFont* Value) {
  CopyUnreported(FChangeFontCount, [&] { CopyFont(Value); });
}

void TtsRow::SetFont(TFont* Value) {
  SetLayerFont(FFont, FParentFont, Value, [this](TFont* F) { CopyFont(F); });
  RedrawRow();
}

void TtsRow::SetParentFont(bool Value) {
  if (SetLayerParentFont(FParentFont, Value, FAutoCreateFont, FFont, FGrid->GetFont(),
                         [this](TFont* F) { UpdateFont(F); }))
    RedrawRow();
}

void TtsRow::AssignFont() {
  if (!FFont) SetFont(FGrid->GetFont());
}

void TtsRow::CheckFont() {
  if (FParentFont && FFont) UpdateFont(FGrid->GetFont());
}

void TtsRow::RemoveFonts() {
  if (FParentFont && FFont) UpdateFont(nullptr);
}

void TtsRow::FontChange(TObject*) {
  if (GetChangeFont()) LineFontChanged(Place(), FParentFont);
}

// ---- Combo ------------------------------------------------------------------------------------------
void TtsRow::AssignCombo() {
  if (FCombo) return;
  FCombo = FGrid->CreateCombo();
  FSettings.ParentCombo = false;
  FCombo->SetDropDownStyle(FSettings.KeptDropDownStyle);
  if (IsCurrentRow()) {
    FGrid->RedisplayControl(true);
    FGrid->ResetComboInit(false);
  }
}

void TtsRow::ResetCombo() {
  if (!FCombo) return;
  if (IsCurrentRow()) {
    FGrid->RedisplayControl(true);
    FGrid->CheckResetComboInit(FCombo, true);
  } else {
    FGrid->CheckLastUsedCombo(FCombo);
  }
  FreeAndNil(FCombo);
}

void TtsRow::SetCombo(TtsCombo* Value) {
  SetLineCombo(Place(), FCombo, Value, [this] { AssignCombo(); }, [this] { ResetCombo(); });
}

void TtsRow::SetParentCombo(bool Value) {
  if (SetLayerParentCombo(FSettings.ParentCombo, Value)) SetCombo(nullptr);
}

// ---- Assignment -------------------------------------------------------------------------------------
void TtsRow::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsRow*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  Integer old = FHeight;
  SetDisplayRow(source->GetDisplayRow());
  AssignProperties(source);
  CheckHeight(old);
  RedrawRow();
}

void TtsRow::AssignProperties(TtsRow* Source) {
  FSettings = Source->FSettings;
  FHeight = FAssignedHeight = Source->FHeight;
  FVisible = Source->FVisible;
  SetButtonType(Source->FButtonType);
  SetDateTimeDef(Source->FDateTimeDef);
  SetCombo(Source->FCombo);
  FParentFont = Source->FParentFont;
  if (FParentFont)
    CheckFont();
  else
    UpdateFont(Source->GetFont());
}

void TtsRow::Copy(TtsRow* Source) {
  FGrid = Source->FGrid;
  AssignProperties(Source);
}

void TtsRow::Reset(const TtsProperties& Props) {
  if (Props.Contains(prColor)) FSettings.Color = Graphics::clNone;
  if (Props.Contains(prFont)) ResetFont();
  if (Props.Contains(prIs3D)) FSettings.Is3D = false;
  if (Props.Contains(prVisible)) SetVisible(true);
  if (Props.Contains(prChanged)) SetChanged(false);
  if (Props.Contains(prHeight)) CopyHeight(FAssignedHeight);
  if (Props.Contains(prDisplayNumber)) SetDisplayRow(FDataRow);
  if (Props.Contains(prAlign)) FSettings.Align = false;
  if (Props.Contains(prAlignment)) FSettings.Alignment = taLeftJustify;
  if (Props.Contains(prHorzAlignment)) FSettings.HorzAlignment = TSCommon::htaDefault;
  if (Props.Contains(prVertAlignment)) FSettings.VertAlignment = TSCommon::vtaDefault;
  if (Props.Contains(prReadOnly)) FSettings.ReadOnly = false;
  if (Props.Contains(prWordWrap)) FSettings.WordWrap = wwDefault;
  if (Props.Contains(prMask)) FSettings.MaskName.clear();
  if (Props.Contains(prButtonType)) FButtonType = btDefault;
  if (Props.Contains(prCombo)) ResetCombo();
  if (Props.Contains(prParentCombo)) FSettings.ParentCombo = true;
  if (Props.Contains(prPicture))
    FSettings.StretchPicture = FSettings.ShrinkPicture = FSettings.CenterPicture = FSettings.KeepAspectRatio =
        dopDefault;
  if (Props.Contains(prSpinOptions)) FSettings.SpinOptions = AllSpinOptions;
  if (Props.Contains(prSpinIncrement)) FSettings.SpinIncrement = 1.0;
  if (Props.Contains(prDateTime)) SetDateTimeDef(nullptr);
  if (Props.Contains(prDropDownStyle)) FSettings.KeptDropDownStyle = ddDropDown;
}

// ---- Streaming --------------------------------------------------------------------------------------
void TtsRow::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineLegacyAlignment(
      Filer, "", [this](TAlignment Value) { SetAlignment(Value); }, [this](bool Value) { SetAlign(Value); });
  DefineComboProperty(
      Filer, [this] { return FCombo; }, [this] { AssignCombo(); }, FCombo && FButtonType == btCombo);
}

// ---- TtsDesignRow -----------------------------------------------------------------------------------
Integer TtsDesignRow::DataRow() const { return FKey.ToInteger(); }

bool TtsDesignRow::GetAlign() { return FGrid->GetRowAlign(DataRow()); }
void TtsDesignRow::SetAlign(bool Value) { FGrid->SetRowAlign(DataRow(), Value); }
TAlignment TtsDesignRow::GetAlignment() { return FGrid->GetRowAlignment(DataRow()); }
void TtsDesignRow::SetAlignment(TAlignment Value) { FGrid->SetRowAlignment(DataRow(), Value); }
TSCommon::TtsHorzAlignment TtsDesignRow::GetHorzAlignment() { return FGrid->GetRowHorzAlignment(DataRow()); }
void TtsDesignRow::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) { FGrid->SetRowHorzAlignment(DataRow(), Value); }
TSCommon::TtsVertAlignment TtsDesignRow::GetVertAlignment() { return FGrid->GetRowVertAlignment(DataRow()); }
void TtsDesignRow::SetVertAlignment(TSCommon::TtsVertAlignment Value) { FGrid->SetRowVertAlignment(DataRow(), Value); }
bool TtsDesignRow::GetChanged() { return FGrid->GetRowChanged(DataRow()); }
void TtsDesignRow::SetChanged(bool Value) { FGrid->SetRowChanged(DataRow(), Value); }
TColor TtsDesignRow::GetColor() { return FGrid->GetRowColor(DataRow()); }
void TtsDesignRow::SetColor(TColor Value) { FGrid->SetRowColor(DataRow(), Value); }
Integer TtsDesignRow::GetDisplayRow() { return FGrid->GetDisplayRownr(DataRow()); }
void TtsDesignRow::SetDisplayRow(Integer Value) { FGrid->SetDisplayRownr(DataRow(), Value); }
TFont* TtsDesignRow::GetFont() { return FGrid->GetRowFont(DataRow()); }
void TtsDesignRow::SetFont(TFont* Value) { FGrid->SetRowFont(DataRow(), Value); }
TtsCombo* TtsDesignRow::GetCombo() { return FGrid->GetRowCombo(DataRow()); }
void TtsDesignRow::SetCombo(TtsCombo* Value) { FGrid->SetRowCombo(DataRow(), Value); }
void TtsDesignRow::AssignCombo() { FGrid->AssignRowCombo(DataRow()); }
bool TtsDesignRow::GetParentCombo() { return FGrid->GetRowParentCombo(DataRow()); }
void TtsDesignRow::SetParentCombo(bool Value) { FGrid->SetRowParentCombo(DataRow(), Value); }
Integer TtsDesignRow::GetHeight() { return FGrid->GetRowHeight(DataRow()); }
void TtsDesignRow::SetHeight(Integer Value) { FGrid->SetRowHeight(DataRow(), Value); }
bool TtsDesignRow::GetIs3D() { return FGrid->GetRowIs3D(DataRow()); }
void TtsDesignRow::SetIs3D(bool Value) { FGrid->SetRowIs3D(DataRow(), Value); }
String TtsDesignRow::GetMaskName() { return FGrid->GetRowMaskName(DataRow()); }
void TtsDesignRow::SetMaskName(const String& Value) { FGrid->SetRowMaskName(DataRow(), Value); }
bool TtsDesignRow::GetParentFont() { return FGrid->GetRowParentFont(DataRow()); }
void TtsDesignRow::SetParentFont(bool Value) { FGrid->SetRowParentFont(DataRow(), Value); }
bool TtsDesignRow::GetReadOnly() { return FGrid->GetRowReadOnly(DataRow()); }
void TtsDesignRow::SetReadOnly(bool Value) { FGrid->SetRowReadOnly(DataRow(), Value); }
bool TtsDesignRow::GetSelected() { return FGrid->GetRowSelected(DataRow()); }
void TtsDesignRow::SetSelected(bool Value) { FGrid->SetRowSelected(DataRow(), Value); }
bool TtsDesignRow::GetVisible() { return FGrid->GetRowVisible(DataRow()); }
void TtsDesignRow::SetVisible(bool Value) { FGrid->SetRowVisible(DataRow(), Value); }
TtsWordWrap TtsDesignRow::GetWordWrap() { return FGrid->GetRowWordWrap(DataRow()); }
void TtsDesignRow::SetWordWrap(TtsWordWrap Value) { FGrid->SetRowWordWrap(DataRow(), Value); }
TtsButtonType TtsDesignRow::GetButtonType() { return FGrid->GetRowButtonType(DataRow()); }
void TtsDesignRow::SetButtonType(TtsButtonType Value) { FGrid->SetRowButtonType(DataRow(), Value); }
bool TtsDesignRow::GetAutoCreateFont() { return FGrid->GetRowAutoCreateFont(DataRow()); }
void TtsDesignRow::SetAutoCreateFont(bool Value) { FGrid->SetRowAutoCreateFont(DataRow(), Value); }
Integer TtsDesignRow::GetId() { return FGrid->GetRowId(DataRow()); }
TtsDrawOption TtsDesignRow::GetStretchPicture() { return FGrid->GetRowStretchPicture(DataRow()); }
void TtsDesignRow::SetStretchPicture(TtsDrawOption Value) { FGrid->SetRowStretchPicture(DataRow(), Value); }
TtsDrawOption TtsDesignRow::GetShrinkPicture() { return FGrid->GetRowShrinkPicture(DataRow()); }
void TtsDesignRow::SetShrinkPicture(TtsDrawOption Value) { FGrid->SetRowShrinkPicture(DataRow(), Value); }
TtsDrawOption TtsDesignRow::GetCenterPicture() { return FGrid->GetRowCenterPicture(DataRow()); }
void TtsDesignRow::SetCenterPicture(TtsDrawOption Value) { FGrid->SetRowCenterPicture(DataRow(), Value); }
TtsDrawOption TtsDesignRow::GetKeepAspectRatio() { return FGrid->GetRowKeepAspectRatio(DataRow()); }
void TtsDesignRow::SetKeepAspectRatio(TtsDrawOption Value) { FGrid->SetRowKeepAspectRatio(DataRow(), Value); }
TtsControlType TtsDesignRow::GetControlType() { return FGrid->GetRowControlType(DataRow()); }
void TtsDesignRow::SetControlType(TtsControlType Value) { FGrid->SetRowControlType(DataRow(), Value); }
TtsSpinOptions TtsDesignRow::GetSpinOptions() { return FGrid->GetRowSpinOptions(DataRow()); }
void TtsDesignRow::SetSpinOptions(TtsSpinOptions Value) { FGrid->SetRowSpinOptions(DataRow(), Value); }
double TtsDesignRow::GetSpinIncrement() { return FGrid->GetRowSpinIncrement(DataRow()); }
void TtsDesignRow::SetSpinIncrement(double Value) { FGrid->SetRowSpinIncrement(DataRow(), Value); }
TtsDateTimeDefComponent* TtsDesignRow::GetDateTimeDef() { return FGrid->GetRowDateTimeDef(DataRow()); }
void TtsDesignRow::SetDateTimeDef(TtsDateTimeDefComponent* Value) { FGrid->SetRowDateTimeDef(DataRow(), Value); }
TtsDropDownStyle TtsDesignRow::GetDropDownStyle() { return FGrid->GetRowDropDownStyle(DataRow()); }
void TtsDesignRow::SetDropDownStyle(TtsDropDownStyle Value) { FGrid->SetRowDropDownStyle(DataRow(), Value); }

void TtsDesignRow::Assign(TPersistent* Source) {
  if (!Source || Source->ClassType() != ClassType()) return;
  auto* source = static_cast<TtsDesignRow*>(Source);
  Integer row = DataRow();
  TtsGridRows* rows = FGrid->GetRows();
  TtsRow* own = rows->GetItem(row);
  TtsRow* other = source->FGrid->GetRows()->GetItem(source->DataRow());
  if (other) {
    rows->CreateDataRow(row);
    rows->GetItem(row)->Assign(other);
  } else if (own) {
    own->Reset(AllProperties());
    rows->CheckRemoveDataRow(row);
  }
}

void TtsDesignRow::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineComboProperty(
      Filer, [this] { return GetCombo(); }, [this] { AssignCombo(); }, GetCombo() && GetButtonType() == btCombo);
}

}  // namespace TSGrid
