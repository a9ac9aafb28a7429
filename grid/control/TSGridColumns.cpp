// The column object.
#include "TSGridImpl.h"
#include <algorithm>
#include <cctype>

#include "Filer.h"
#include "Strings.h"
#include "TSDateTimeDef.h"
#include "Format.h"
#include "Multibyte.h"
#include "Graphics.h"
#include "Streams.h"
#include "TSGridBase.h"
#include "TSGridButtons.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridCombo.h"
#include "TSGridLinePlace.h"
#include "TSGridStores.h"
#include "TypInfo.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsCol) {
  d.Property("AllowGrayed", &TtsCol::GetAllowGrayed, &TtsCol::SetAllowGrayed).Default(false);
  d.Property("ButtonType", &TtsCol::GetButtonType, &TtsCol::SetButtonType).Default(btDefault);
  d.Property("CheckBoxValues", &TtsCol::GetCheckBoxValues, &TtsCol::SetCheckBoxValues);
  d.Property("DateTimeDef", &TtsCol::GetDateTimeDef, &TtsCol::SetDateTimeDef);
  d.Property("CenterPicture", &TtsCol::GetCenterPicture, &TtsCol::SetCenterPicture).Default(dopDefault);
  d.Property("Color", &TtsCol::GetColor, &TtsCol::SetColor).Default(Graphics::clNone).Type(Graphics::ColorTypeInfo());
  d.Property("ControlType", &TtsCol::GetControlType, &TtsCol::SetControlType).Default(ctDefault);
  d.Property("DisplayCol", &TtsCol::GetDisplayCol, &TtsCol::SetDisplayCol).Stored(&TtsCol::StoreDisplayColConst);
  d.Property("DropDownStyle", &TtsCol::GetDropDownStyle, &TtsCol::SetDropDownStyle).Default(ddDropDown);
  d.Property("FieldName", &TtsCol::GetFieldName, &TtsCol::SetFieldName);
  d.Property("Font", &TtsCol::GetFont, &TtsCol::SetFont);
  d.Property("Heading", &TtsCol::GetHeading, &TtsCol::SetHeading).Stored(&TtsCol::StoreHeadingConst);
  d.Property("HeadingButton", &TtsCol::GetHeadingButton, &TtsCol::SetHeadingButton).Default(cbGrid);
  d.Property("HeadingFont", &TtsCol::GetHeadingFont, &TtsCol::SetHeadingFont);
  d.Property("HeadingHorzAlignment", &TtsCol::GetHeadingHorzAlignment, &TtsCol::SetHeadingHorzAlignment)
      .Default(TSCommon::htaDefault);
  d.Property("HeadingParentFont", &TtsCol::GetHeadingParentFont, &TtsCol::SetHeadingParentFont).Default(true);
  d.Property("HeadingVertAlignment", &TtsCol::GetHeadingVertAlignment, &TtsCol::SetHeadingVertAlignment)
      .Default(TSCommon::vtaDefault);
  d.Property("HeadingWordWrap", &TtsCol::GetHeadingWordWrap, &TtsCol::SetHeadingWordWrap).Default(wwDefault);
  d.Property("HeadingColor", &TtsCol::GetHeadingColor, &TtsCol::SetHeadingColor)
      .Default(Graphics::clNone)
      .Type(Graphics::ColorTypeInfo());
  d.Property("Is3D", &TtsCol::GetIs3D, &TtsCol::SetIs3D).Default(false);
  d.Property("KeepAspectRatio", &TtsCol::GetKeepAspectRatio, &TtsCol::SetKeepAspectRatio).Default(dopDefault);
  d.Property("MaskName", &TtsCol::GetMaskName, &TtsCol::SetMaskName);
  d.Property("MaxLength", &TtsCol::GetMaxLength, &TtsCol::SetMaxLength).Default(0);
  d.Property("ParentCombo", &TtsCol::GetParentCombo, &TtsCol::SetParentCombo).Default(true);
  d.Property("ParentFont", &TtsCol::GetParentFont, &TtsCol::SetParentFont).Default(true);
  d.Property("ReadOnly", &TtsCol::GetReadOnly, &TtsCol::SetReadOnly).Default(false);
  d.Property("ShrinkPicture", &TtsCol::GetShrinkPicture, &TtsCol::SetShrinkPicture).Default(dopDefault);
  d.Property("SortPicture", &TtsCol::GetSortPicture, &TtsCol::SetSortPicture).Default(spNone);
  d.Property("SpinIncrement", &TtsCol::GetSpinIncrement, &TtsCol::SetSpinIncrement)
      .Stored(&TtsCol::StoreSpinIncrement);
  d.Property("SpinOptions", &TtsCol::GetSpinOptions, &TtsCol::SetSpinOptions).Default(AllSpinOptions);
  d.Property("StretchPicture", &TtsCol::GetStretchPicture, &TtsCol::SetStretchPicture).Default(dopDefault);
  d.Property("HorzAlignment", &TtsCol::GetHorzAlignment, &TtsCol::SetHorzAlignment).Default(TSCommon::htaDefault);
  d.Property("VertAlignment", &TtsCol::GetVertAlignment, &TtsCol::SetVertAlignment).Default(TSCommon::vtaDefault);
  d.Property("Visible", &TtsCol::GetVisible, &TtsCol::SetVisible).Default(true);
  d.Property("Width", &TtsCol::GetWidth, &TtsCol::SetWidth).Default(64);
  d.Property("WordWrap", &TtsCol::GetWordWrap, &TtsCol::SetWordWrap).Default(wwDefault);
  d.Property("PrintTotals", &TtsCol::GetPrintTotals, &TtsCol::SetPrintTotals).Default(false);
}

namespace {

// The name characters of XML (a colon left out: it would make the name a qualified one).
bool IsXMLNameStart(char32_t c) {
  return (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6) ||
         (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
         (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}
bool IsXMLNameChar(char32_t c) {
  return IsXMLNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace

void TtsCol::Destroy() {
  FHeading.clear();
  FreeAndNil(FFont);
  FreeAndNil(FHeadingFont);
  FreeAndNil(FButton);
  FreeAndNil(FCombo);
  ReleaseLineLinks(FGrid, FDateTimeDef);
  inherited::Destroy();
}

// ---- Queries ----------------------------------------------------------------------------------------
Integer TtsCol::GetDataCol() { return FGrid->GetDataCol(FDisplayCol); }

bool TtsCol::GetFixed() { return FDisplayCol <= FGrid->GetFixedDataColCount(); }

String TtsCol::GetHeading() { return FHeading.empty() ? FFieldName : FHeading; }

bool TtsCol::GetSelected() { return FGrid->GetColSelection()->GetSelected(FDisplayCol); }

bool TtsCol::StoreDisplayCol() { return FDisplayCol != GetDataCol(); }

Integer TtsCol::GetMaxTextWidth() {
  Integer widest = 0;
  Integer dataCol = GetDataCol();
  for (Integer row = 1; row <= FGrid->GetGridRowCount(); ++row)
    if (FGrid->GetRowVisible(row)) widest = std::max(widest, FGrid->GetCellTextWidth(dataCol, row));
  return widest;
}

TtsDropDownStyle TtsCol::GetDropDownStyle() { return LayerDropDownStyle(FCombo, FSettings.KeptDropDownStyle); }

bool TtsCol::DefaultProps() {
  return FSettings.IsDefault() && FDisplayCol == GetDataCol() && FWidth == FGrid->GetDefaultColWidth() && !FFont &&
         FParentFont && FHeading.empty() && FVisible && FButtonType == btDefault && !FAllowGrayed &&
         FHeadingButton == cbGrid && FHeadingAlignment == taLeftJustify && !FHeadingAlign &&
         FHeadingHorzAlignment == TSCommon::htaDefault && FHeadingVertAlignment == TSCommon::vtaDefault &&
         FHeadingWordWrap == wwDefault && !FHeadingFont && FHeadingParentFont && FHeadingColor == Graphics::clNone &&
         FSortPicture == spNone && FMaxLength == 0 && FFieldName.empty() && !FAutoCreateFont && FChangeFontCount == 0 &&
         !FCombo && !FDateTimeDef && FCheckBoxValues.empty();
}

bool TtsCol::Empty() { return DefaultProps() && !FButton; }

TtsLinePlace TtsCol::Place() const { return TtsLinePlace::Col(FGrid, FDisplayCol); }

bool TtsCol::IsCurrentCol() { return Place().IsCurrent(); }

void TtsCol::RedrawCol() { Place().Redraw(); }

void TtsCol::RedrawHeading() { FGrid->InvalidateCell(FDisplayCol, 0); }

// ---- Setters ----------------------------------------------------------------------------------------
void TtsCol::SetColor(TColor Value) {
  if (TtsBaseGrid::Change(FSettings.Color, Value)) RedrawCol();
}

void TtsCol::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (TtsBaseGrid::Change(FSettings.VertAlignment, Value)) RedrawCol();
}

void TtsCol::SetWordWrap(TtsWordWrap Value) {
  if (TtsBaseGrid::Change(FSettings.WordWrap, Value)) RedrawCol();
}

void TtsCol::SetAlignment(TAlignment Value) {
  if (SetLayerAlignment(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawCol();
}

void TtsCol::SetAlign(bool Value) {
  if (SetLayerAlign(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawCol();
}

void TtsCol::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  if (SetLayerHorzAlignment(FSettings.Alignment, FSettings.Align, FSettings.HorzAlignment, Value)) RedrawCol();
}

void TtsCol::SetIs3D(bool Value) {
  if (TtsBaseGrid::Change(FSettings.Is3D, Value)) Place().Repaint();
}

void TtsCol::SetAllowGrayed(bool Value) {
  if (TtsBaseGrid::Change(FAllowGrayed, Value)) Place().Repaint();
}

void TtsCol::SetReadOnly(bool Value) { SetLineReadOnly(Place(), FSettings.ReadOnly, Value); }

void TtsCol::SetControlType(TtsControlType Value) {
  if (FSettings.ControlType == Value) return;
  bool current = IsCurrentCol();
  if (current) FGrid->ClearCurrentFocusRect(false);
  FSettings.ControlType = Value;
  FGrid->InvalidateCol(FDisplayCol);
  if (current) FGrid->RedisplayControl(true);
  FGrid->CheckGridData(GetDataCol(), -1);
}

void TtsCol::SetButtonType(TtsButtonType Value) { SetLineButtonType(Place(), FButtonType, Value); }

void TtsCol::SetDropDownStyle(TtsDropDownStyle Value) {
  SetLineDropDownStyle(Place(), FCombo, FSettings.KeptDropDownStyle, Value);
}

void TtsCol::SetHeadingButton(TtsColHeadingButton Value) {
  if (TtsBaseGrid::Change(FHeadingButton, Value)) RedrawHeading();
}

void TtsCol::SetHeadingVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (TtsBaseGrid::Change(FHeadingVertAlignment, Value)) RedrawHeading();
}

void TtsCol::SetHeadingWordWrap(TtsWordWrap Value) {
  if (TtsBaseGrid::Change(FHeadingWordWrap, Value)) RedrawHeading();
}

void TtsCol::SetHeadingColor(TColor Value) {
  if (TtsBaseGrid::Change(FHeadingColor, Value)) RedrawHeading();
}

void TtsCol::SetSortPicture(TtsSortPicture Value) {
  if (TtsBaseGrid::Change(FSortPicture, Value)) RedrawHeading();
}

void TtsCol::SetHeadingAlignment(TAlignment Value) {
  if (SetLayerAlignment(FHeadingAlignment, FHeadingAlign, FHeadingHorzAlignment, Value)) RedrawHeading();
}

void TtsCol::SetHeadingAlign(bool Value) {
  if (SetLayerAlign(FHeadingAlignment, FHeadingAlign, FHeadingHorzAlignment, Value)) RedrawHeading();
}

void TtsCol::SetHeadingHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  if (SetLayerHorzAlignment(FHeadingAlignment, FHeadingAlign, FHeadingHorzAlignment, Value)) RedrawHeading();
}

void TtsCol::SetHeading(const String& Value) {
  TextAccelKey(Value, FAccelPos);
  FHeading = Value;
  RedrawHeading();
}

void TtsCol::SetMaxLength(Integer Value) {
  if (Value < 0) Value = 0;
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  FGrid->SetMaxTextLength(FDisplayCol, Value);
}

void TtsCol::SetMaskName(const String& Value) { SetLineMaskName(Place(), FSettings.MaskName, Value); }

void TtsCol::SetCheckBoxValues(const String& Value) {
  if (FCheckBoxValues == Value) return;
  if (!CheckBoxValuesOk(Value))
    FGrid->InvalidOp(
        "Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. The Grayed value is "
        "optional");
  FCheckBoxValues = Value;
  if (GetDataCol() == FGrid->GetCurDataCol()) {
    FGrid->SetControlCheckBoxValues();
    FGrid->InvalidateCol(FDisplayCol);
  }
}

void TtsCol::SetStretchPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.StretchPicture, Value); }
void TtsCol::SetShrinkPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.ShrinkPicture, Value); }
void TtsCol::SetCenterPicture(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.CenterPicture, Value); }
void TtsCol::SetKeepAspectRatio(TtsDrawOption Value) { SetLinePicture(Place(), FSettings.KeepAspectRatio, Value); }

void TtsCol::SetDateTimeDef(TtsDateTimeDefComponent* Value) { SetLineDateTimeDef(Place(), FDateTimeDef, Value); }

void TtsCol::SetWidth(Integer Value) {
  FAssignedWidth = Value;
  CopyWidth(Value);
}

void TtsCol::CopyWidth(Integer Value) {
  if (Value == FWidth) return;
  Integer old = FWidth;
  FWidth = Value;
  CheckWidth(old);
  FGrid->RedisplayControl(true);
}

void TtsCol::CheckWidth(Integer OldWidth) {
  if (OldWidth == FWidth) return;
  Place().Resized(FWidth, FVisible);
  if (FDisplayCol == 0 && !FGrid->FRowBarSizing) FGrid->FRowBarWidthMemory = FWidth;
}

void TtsCol::SetDisplayCol(Integer Value) {
  if (Value == FDisplayCol || Value < 1 || Value > FGrid->GetGridColCount()) return;
  Integer old = FDisplayCol;
  FGrid->ChangeDisplayCol(old, Value);
  FGrid->MoveVisibleCol(old, Value);
  FGrid->ChangeColWidths(old, Value);
  FGrid->ChangeSelectedCols(old, Value);
  FGrid->ChangeCurrentColPosition(old, Value);
  FGrid->DoColMoved(Value, 1, false);
  auto inView = [this](Integer col) {
    return col < FGrid->GetFixedCols() || (col >= FGrid->GetLeftCol() && col <= FGrid->MaxVisibleCol());
  };
  if (inView(old) || inView(Value)) FGrid->Invalidate();
  FGrid->UpdateScrollRange();
  FGrid->CheckTopLeft(false);
  FGrid->RedisplayControl(true);
}

void TtsCol::SetVisible(bool Value) {
  if (FVisible == Value) return;
  if (IsCurrentCol() && !FGrid->CheckEndEdit(0, FGrid->GetCurDataRow(), false)) return;
  FVisible = Value;
  if (FDisplayCol > 0) {
    if (Value)
      FGrid->GetVisibleColItems()->Add(FDisplayCol);
    else
      FGrid->GetVisibleColItems()->RemoveItem(FDisplayCol);
  }
  if (Value) {
    FGrid->ResizeCol(FDisplayCol, FWidth);
    FGrid->CheckTopLeft(true);
    if (FGrid->GetCurDisplayCol() == 0) FGrid->MoveToNewCol(0, false, false, FGrid->CanSkipReadOnly());
  } else {
    FGrid->ResizeCol(FDisplayCol, 0);
    if (FDisplayCol > 0) {
      if (GetSelected()) FGrid->DeleteColSelection(FDisplayCol, FDisplayCol);
      if (IsCurrentCol()) FGrid->MoveToNewCol(FDisplayCol, false, false, FGrid->CanSkipReadOnly());
      if (FDisplayCol >= FGrid->GetLeftCol()) {
        FGrid->SetEnablePaint(false);
        try {
          FGrid->CheckTopLeft(true);
        } catch (...) {
          FGrid->SetEnablePaint(true);
          throw;
        }
        FGrid->SetEnablePaint(true);
      }
      FGrid->CheckSelectedCellsCol(FDisplayCol);
    }
  }
  FGrid->UpdateScrollRange();
  FGrid->RedisplayControl(true);
  FGrid->SelectionsChanged(false);
  FGrid->GridStatusChanged();
}

void TtsCol::SetSelected(bool Value) {
  if (Value != GetSelected()) FGrid->SelectCols(FDisplayCol, FDisplayCol, Value);
}

void TtsCol::SetAutoCreateFont(bool Value) {
  if (SetLineAutoCreateFont(Place(), FAutoCreateFont, Value)) RemoveFonts();
}

// ---- Fonts ------------------------------------------------------------------------------------------
TFont* TtsCol::GetFont() {
  return FollowedFont(FGrid, FFont, FParentFont, FAutoCreateFont, FGrid->GetFont(),
                      [this](TFont* F) { UpdateFont(F); });
}

TFont* TtsCol::GetHeadingFont() {
  return FollowedFont(FGrid, FHeadingFont, FHeadingParentFont, FAutoCreateFont, FGrid->GetHeadingFont(),
                      [this](TFont* F) { UpdateHeadingFont(F); });
}

void TtsCol::SetChangeFont(bool Value) { CountFontChange(FChangeFontCount, Value); }

void TtsCol::CopyFont(TFont* Value) { CopyOwnedFont(FFont, Value, TNotifyEvent(this, &TtsCol::FontChange)); }

void TtsCol::CopyHeadingFont(TFont* Value) {
  CopyOwnedFont(FHeadingFont, Value, TNotifyEvent(this, &TtsCol::HeadingFontChange));
}

void TtsCol::UpdateFont(TFont* Value) {
  CopyUnreported(FChangeFontCount, [&] { CopyFont(Value); });
}

void TtsCol::UpdateHeadingFont(TFont* Value) {
  CopyUnreported(FChangeFontCount, [&] { CopyHeadingFont(Value); });
}

void TtsCol::SetFont(TFont* Value) {
  SetLayerFont(FFont, FParentFont, Value, [this](TFont* F) { CopyFont(F); });
  RedrawCol();
}

void TtsCol::SetParentFont(bool Value) {
  if (SetLayerParentFont(FParentFont, Value, FAutoCreateFont, FFont, FGrid->GetFont(),
                         [this](TFont* F) { UpdateFont(F); }))
    RedrawCol();
}

void TtsCol::SetHeadingFont(TFont* Value) {
  SetLayerFont(FHeadingFont, FHeadingParentFont, Value, [this](TFont* F) { CopyHeadingFont(F); });
  FGrid->CheckInvalidateCell(FDisplayCol, 0);
}

void TtsCol::SetHeadingParentFont(bool Value) {
  if (SetLayerParentFont(FHeadingParentFont, Value, FAutoCreateFont, FHeadingFont, FGrid->GetHeadingFont(),
                         [this](TFont* F) { UpdateHeadingFont(F); }))
    FGrid->CheckInvalidateCell(FDisplayCol, 0);
}

void TtsCol::AssignFont() {
  if (!FFont) SetFont(FGrid->GetFont());
}

void TtsCol::AssignHeadingFont() {
  if (!FHeadingFont) SetHeadingFont(FGrid->GetHeadingFont());
}

void TtsCol::CheckFont() {
  if (FParentFont && FFont) UpdateFont(FGrid->GetFont());
}

void TtsCol::CheckHeadingFont() {
  if (FHeadingParentFont && FHeadingFont) UpdateHeadingFont(FGrid->GetHeadingFont());
}

void TtsCol::RemoveFonts() {
  if (FParentFont && FFont) UpdateFont(nullptr);
  if (FHeadingParentFont && FHeadingFont) UpdateHeadingFont(nullptr);
}

void TtsCol::FontChange(TObject*) {
  if (GetChangeFont()) LineFontChanged(Place(), FParentFont);
}

void TtsCol::HeadingFontChange(TObject*) {
  if (!GetChangeFont()) return;
  FHeadingParentFont = false;
  RedrawHeading();
}

// ---- Combo and column button ------------------------------------------------------------------------
void TtsCol::SetCombo(TtsCombo* Value) {
  SetLineCombo(Place(), FCombo, Value, [this] { AssignCombo(); }, [this] { ResetCombo(); });
}

void TtsCol::AssignCombo() {
  if (FCombo) return;
  FCombo = FGrid->CreateCombo();
  FSettings.ParentCombo = false;
  FCombo->SetDropDownStyle(FSettings.KeptDropDownStyle);
  FCombo->GetGrid()->InitComboColWidth(FWidth);
  if (IsCurrentCol()) FGrid->ResetComboInit(false);
}

void TtsCol::ResetCombo() {
  if (!FCombo) return;
  if (IsCurrentCol()) FGrid->RedisplayControl(true);
  FGrid->CheckResetComboInit(FCombo, true);
  FreeAndNil(FCombo);
}

void TtsCol::SetParentCombo(bool Value) {
  if (SetLayerParentCombo(FSettings.ParentCombo, Value)) SetCombo(nullptr);
}

void TtsCol::CreateButton(TBitmap* Bitmap, TColor TransparentColor, Integer Width, Integer Height) {
  FreeAndNil(FButton);
  if (Bitmap) FButton = New<TtsNormalButton>(FGrid, Bitmap, TransparentColor, Width, Height);
  RedrawCol();
}

void TtsCol::DestroyButton() {
  FreeAndNil(FButton);
  if (!FGrid->ComponentState().Contains(csDestroying)) RedrawCol();
}

void TtsCol::SetButton(TtsCustomButton* Value) {
  if (!Value) {
    DestroyButton();
    return;
  }
  if (Value == FButton) return;
  CreateButton(Value->GetBitmap(), Value->GetTransparentColor(), Value->GetWidth(), Value->GetHeight());
}

// ---- Assignment -------------------------------------------------------------------------------------
void TtsCol::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsCol*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  Integer old = FWidth;
  AssignProperties(source);
  CheckWidth(old);
  RedrawCol();
}

void TtsCol::AssignProperties(TtsCol* Source) {
  FSettings = Source->FSettings;
  FHeading = Source->FHeading;
  FWidth = FAssignedWidth = Source->FWidth;
  FVisible = Source->FVisible;
  FHeadingButton = Source->FHeadingButton;
  FSortPicture = Source->FSortPicture;
  FAllowGrayed = Source->FAllowGrayed;
  FHeadingAlignment = Source->FHeadingAlignment;
  FHeadingAlign = Source->FHeadingAlign;
  FHeadingHorzAlignment = Source->FHeadingHorzAlignment;
  FHeadingVertAlignment = Source->FHeadingVertAlignment;
  FHeadingWordWrap = Source->FHeadingWordWrap;
  FHeadingColor = Source->FHeadingColor;
  FMaxLength = Source->FMaxLength;
  FAccelPos = Source->FAccelPos;
  FFieldName = Source->FFieldName;
  FCheckBoxValues = Source->FCheckBoxValues;
  SetButtonType(Source->FButtonType);
  SetDateTimeDef(Source->FDateTimeDef);
  SetCombo(Source->FCombo);
  SetButton(Source->FButton);
  FParentFont = Source->FParentFont;
  if (FParentFont)
    CheckFont();
  else
    UpdateFont(Source->GetFont());
  FHeadingParentFont = Source->FHeadingParentFont;
  if (FHeadingParentFont)
    CheckHeadingFont();
  else
    UpdateHeadingFont(Source->GetHeadingFont());
}

void TtsCol::Copy(TtsCol* Source) {
  FGrid = Source->FGrid;
  FDisplayCol = Source->FDisplayCol;
  AssignProperties(Source);
}

void TtsCol::Reset(const TtsProperties& Props) {
  if (Props.Contains(prColor)) {
    FSettings.Color = Graphics::clNone;
    FHeadingColor = Graphics::clNone;
  }
  if (Props.Contains(prFont)) ResetFont();
  if (Props.Contains(prIs3D)) FSettings.Is3D = false;
  if (Props.Contains(prVisible)) SetVisible(true);
  if (Props.Contains(prWidth)) CopyWidth(FAssignedWidth);
  if (Props.Contains(prDisplayNumber)) SetDisplayCol(GetDataCol());
  if (Props.Contains(prAlign)) FSettings.Align = false;
  if (Props.Contains(prAlignment)) FSettings.Alignment = taLeftJustify;
  if (Props.Contains(prHorzAlignment)) FSettings.HorzAlignment = TSCommon::htaDefault;
  if (Props.Contains(prVertAlignment)) FSettings.VertAlignment = TSCommon::vtaDefault;
  if (Props.Contains(prSortPicture)) FSortPicture = spNone;
  if (Props.Contains(prHeadingButton)) FHeadingButton = cbGrid;
  if (Props.Contains(prMaxLength)) SetMaxLength(0);
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
  if (Props.Contains(prSelected)) SetSelected(false);
  if (Props.Contains(prTag)) FColTag = 0;
  if (Props.Contains(prData)) FColData = nullptr;
}

// ---- Output texts -----------------------------------------------------------------------------------
String TtsCol::HTMLAlignment() {
  switch (GetAlignment()) {
    case taRightJustify:
      return " align=\"right\">";
    case taCenter:
      return " align=\"center\">";
    default:
      return ">";
  }
}

// The texts are escaped as markup content (the apostrophe too).
String TtsCol::HTMLCell(const String& Text) {
  return "<td" + HTMLAlignment() + TSCommon::CheckForWhiteSpace(Text) + "</td>";
}

String TtsCol::HTMLHeader() {
  return "<th width=" + IntToStr(FWidth) + HTMLAlignment() + TSCommon::CheckForWhiteSpace(GetHeading()) + "</th>";
}

String TtsCol::XMLHeading() {
  const String source = FFieldName.empty() ? GetHeading() : FFieldName;
  auto codePoint = [](const char* P, int Length) {
    return Multibyte::Utf8IsInvalid(P, Length) ? char32_t(0) : Multibyte::Utf8Decode(P, Length);
  };
  // Every character that a name may not hold becomes an underscore, a blank included.
  String name;
  for (const char *p = source.data(), *end = p + source.size(); p < end;) {
    const int length = Multibyte::Utf8CharLen(p, end);
    if (IsXMLNameChar(codePoint(p, length)))
      name.append(p, static_cast<size_t>(length));
    else
      name += '_';
    p += length;
  }
  // A name starts with a letter or an underscore.
  const char* end = name.data() + name.size();
  if (name.empty() || !IsXMLNameStart(codePoint(name.data(), Multibyte::Utf8CharLen(name.data(), end))))
    name.insert(0, "_");
  return name;
}

// ---- Streaming --------------------------------------------------------------------------------------
void TtsCol::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineLegacyAlignment(
      Filer, "", [this](TAlignment Value) { SetAlignment(Value); }, [this](bool Value) { SetAlign(Value); });
  DefineLegacyAlignment(
      Filer, "Heading", [this](TAlignment Value) { SetHeadingAlignment(Value); },
      [this](bool Value) { SetHeadingAlign(Value); });
  DefineComboProperty(
      Filer, [this] { return FCombo; }, [this] { AssignCombo(); }, FCombo && FButtonType == btCombo);
}

}  // namespace TSGrid
