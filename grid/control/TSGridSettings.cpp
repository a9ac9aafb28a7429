// What a change of a grid setting sets off beyond storing it, scaling, the single-size operations,
// the disable counts and the suspension of painting.
#include "TSGridImpl.h"
#include "Messages.h"
#include "RtlMath.h"
#include "TSCommonStorage.h"
#include "TSGrid.h"
#include "TSMask.h"
#include "WinQueue.h"
#include "WinTimers.h"

namespace TSGrid {

// ---- Settings that repaint or redisplay -------------------------------------------------------------
void TtsBaseGrid::SetStoreData(bool Value) {
  if (FStoreData == Value) return;
  FStoreData = Value;
  if (!Value) {
    FreeGridData();
    return;
  }
  if (FStorage) return;
  FStorage = New<Tts2DStorage>(0, 0);
  FStorage->InDesignMode = GetInDesignMode();
  SetDataAllocSize(FColCount, FRowCount);
  Invalidate();
}

void TtsBaseGrid::SetSelectionColor(TColor Value) {
  if (FSelectionColor == Value) return;
  FSelectionColor = Value;
  CheckPictureMask(false);
  if (FGridStatus != grNormal) Invalidate();
}

void TtsBaseGrid::SetSelectionFontColor(TColor Value) {
  if (FSelectionFontColor == Value) return;
  FSelectionFontColor = Value;
  if (FGridStatus != grNormal) Invalidate();
}

void TtsBaseGrid::SetSelectionType(TtsSelectionType Value) {
  if (FSelectionType == Value) return;
  FSelectionType = Value;
  if (FGridStatus != grNormal) Invalidate();
}

void TtsBaseGrid::SetFocusBorder(TtsFocusBorder Value) {
  if (FFocusBorder == Value) return;
  bool framed = FFocusBorder == fbSingle || FFocusBorder == fbDouble;
  FFocusBorder = Value;
  FocusChanged(framed);
}

void TtsBaseGrid::SetFocusBorderColor(TColor Value) {
  if (FFocusBorderColor == Value) return;
  FFocusBorderColor = Value;
  FocusChanged(false);
}

void TtsBaseGrid::SetFocusColor(TColor Value) {
  if (FFocusColor == Value) return;
  FFocusColor = Value;
  FocusChanged(false);
}

void TtsBaseGrid::SetFocusFontColor(TColor Value) {
  if (FFocusFontColor == Value) return;
  FFocusFontColor = Value;
  FocusChanged(false);
}

void TtsBaseGrid::SetDateTimeDef(TtsDateTimeDefComponent* Value) {
  if (FDateTimeDef == Value) return;
  if (FDateTimeDef) RemoveDateTime(FDateTimeDef);
  FDateTimeDef = Value;
  if (Value) AddDateTime(Value);
}

void TtsBaseGrid::SetCheckBoxValues(const String& Value) {
  if (FCheckBoxValues == Value) return;
  if (!CheckBoxValuesOk(Value))
    InvalidOp(
        "Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. The Grayed value is "
        "optional");
  FCheckBoxValues = Value;
  SetControlCheckBoxValues();
  Invalidate();
}

void TtsBaseGrid::SetAlwaysShowEditor(bool Value) {
  if (FAlwaysShowEditor == Value) return;
  FAlwaysShowEditor = Value;
  if (FCellEdit) return;
  if (Value) ClearCurrentFocusRect(false);
  CheckEnableControl(Value, true, tsAll);
  if (!Value) {
    FCurrentCell->SelectAll();
    DrawCurrentFocusRect(false);
  }
}

void TtsBaseGrid::SetAlwaysShowFocus(bool Value) {
  if (FAlwaysShowFocus == Value) return;
  bool focused = IsFocused();
  if (!focused && FAlwaysShowFocus) ClearCurrentFocusRect(false);
  FAlwaysShowFocus = Value;
  FActiveControl->SetAlwaysShowFocus(Value);
  if (focused) return;
  RedisplayControl(true);
  if (Value) DrawCurrentFocusRect(false);
}

void TtsBaseGrid::SetSkipReadOnly(bool Value) {
  if (FSkipReadOnly == Value) return;
  FSkipReadOnly = Value;
  MoveToNewCol(FCurDisplayCol, true, false, CanSkipReadOnly());
}

void TtsBaseGrid::SetRowChangedIndicator(TtsRowChangedIndicator Value) {
  if (FRowChangedIndicator == Value) return;
  FRowChangedIndicator = Value;
  if (Value != riOn) ResetRowProperties({prChanged});
}

void TtsBaseGrid::SetGridLines(TtsGridLines Value) {
  if (FGridLines == Value) return;
  FGridLines = Value;
  FHorzLineWidth = Value == glHorzLines || Value == glBoth ? 1 : 0;
  FVertLineWidth = Value == glVertLines || Value == glBoth ? 1 : 0;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetIs3D(bool Value) {
  if (FIs3D == Value) return;
  FIs3D = Value;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetWordWrap(TtsWordWrap Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetReadOnlyButton(bool Value) {
  if (FReadOnlyButton == Value) return;
  FReadOnlyButton = Value;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetEditColor(TColor Value) {
  if (FEditColor == Value) return;
  FEditColor = Value;
  RedisplayControl(true);
}

void TtsBaseGrid::SetEditFontColor(TColor Value) {
  if (FEditFontColor == Value) return;
  FEditFontColor = Value;
  RedisplayControl(true);
}

void TtsBaseGrid::SetHeading3D(bool Value) {
  if (FHeading3D == Value) return;
  FHeading3D = Value;
  InvalidateRow(0);
  Update();
  InvalidateCol(0);
  Update();
}

void TtsBaseGrid::SetHeadingFont(TFont* Value) {
  if (Value == FHeadingFont) return;
  FHeadingFont->Assign(Value);
  FHeadingParentFont = false;
}

void TtsBaseGrid::SetHeadingParentFont(bool Value) {
  if (FHeadingParentFont == Value) return;
  FHeadingParentFont = Value;
  if (Value && GetParent()) FHeadingFont->Assign(GetParent()->GetFont());
}

void TtsBaseGrid::HeadingFontChange(TObject*) {
  for (Integer c = 0; c < GetColCount(); ++c) FCols->GetItem(c)->CheckHeadingFont();
  CheckInvalidateRow(0);
}

void TtsBaseGrid::SetMaskDefs(TtsMaskDefsComponent* Value) {
  if (Value == GetMaskDefs()) return;
  FMaskLink->SetMaskDefs(Value);
  SetControlMask();
}

TtsMaskDefsComponent* TtsBaseGrid::GetMaskDefs() { return FMaskLink ? FMaskLink->GetMaskDefs() : nullptr; }

TtsImageListComponent* TtsBaseGrid::GetImageList() {
  if (FIsComboGrid && GetParentGrid()) return GetParentGrid()->GetImageList();
  return FImageLink ? FImageLink->GetImageList() : nullptr;
}

void TtsBaseGrid::SetImageList(TtsImageListComponent* Value) {
  if (FIsComboGrid || Value == GetImageList()) return;
  FImageLink->SetImageList(Value);
  Invalidate();
}

// The picture settings reach the current cell only outside painting.
template <class T>
void TtsBaseGrid::SetPictureSetting(T& Field, T& CellField, T Value) {
  if (!Change(Field, Value) || FPainting) return;
  CellField = Value;
  Invalidate();
}

void TtsBaseGrid::SetStretchPicture(bool Value) { SetPictureSetting(FStretchPicture, FCurrentCell->StretchPicture, Value); }
void TtsBaseGrid::SetShrinkPicture(bool Value) { SetPictureSetting(FShrinkPicture, FCurrentCell->ShrinkPicture, Value); }
void TtsBaseGrid::SetCenterPicture(bool Value) { SetPictureSetting(FCenterPicture, FCurrentCell->CenterPicture, Value); }
void TtsBaseGrid::SetKeepAspectRatio(bool Value) {
  SetPictureSetting(FKeepAspectRatio, FCurrentCell->KeepAspectRatio, Value);
}
void TtsBaseGrid::SetTransparentColor(TColor Value) {
  SetPictureSetting(FTransparentColor, FCurrentCell->TransparentColor, Value);
}

bool TtsBaseGrid::GetAutoScale() {
  if (FIsComboGrid && GetParentGrid()) return GetParentGrid()->GetAutoScale();
  return FAutoScale;
}

void TtsBaseGrid::SetAutoScale(bool Value) {
  if (!FIsComboGrid) FAutoScale = Value;
}

void TtsBaseGrid::SetXMLExport(TosXMLExport* Value) { FXMLExport->Assign(Value); }

void TtsBaseGrid::SetCheckBoxStyle(TtsCheckBoxStyle Value) {
  if (FCheckBoxStyle == Value) return;
  FCheckBoxStyle = Value;
  // The grid's styles and the check box's are the same in the same order.
  if (auto* check = dynamic_cast<TtsCheckGridControl*>(FCheckControl))
    check->SetCheckBoxStyle(static_cast<TtsGridCheckBoxStyle>(Value));
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetWantTabs(bool Value) {
  if (FWantTabs == Value) return;
  FWantTabs = Value;
  if (FActiveControl) FActiveControl->SetWantTabs(Value);
}

void TtsBaseGrid::SetFlatButtons(bool Value) {
  if (FFlatButtons == Value) return;
  FFlatButtons = Value;
  Invalidate();
}

void TtsBaseGrid::SetRowBarIndicator(bool Value) {
  if (FRowBarIndicator == Value) return;
  FRowBarIndicator = Value;
  if (FCurDisplayRow > 0) InvalidateCell(0, FCurDisplayRow);
}

void TtsBaseGrid::SetInactiveButtonState(TtsInactiveButtonState Value) {
  if (FInactiveButtonState == Value) return;
  FInactiveButtonState = Value;
  Invalidate();
  RedisplayControl(true);
}

// The button sizes rebuild the shared buttons that show the default pictures.
void TtsBaseGrid::SetButtonEdgeWidth(Integer Value) {
  if (!Change(FButtonEdgeWidth, Value)) return;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetDefaultButtonWidth(Integer Value) {
  if (!Change(FDefaultButtonWidth, Value)) return;
  CheckResizeButtons();
  RedisplayControl(true);
}

void TtsBaseGrid::SetDefaultButtonHeight(Integer Value) {
  if (!Change(FDefaultButtonHeight, Value)) return;
  CheckResizeButtons();
  RedisplayControl(true);
}

void TtsBaseGrid::SetSpinButtonWidth(Integer Value) {
  if (!Change(FSpinButtonWidth, Value)) return;
  CheckResizeSpinButtons();
  RedisplayControl(true);
}

void TtsBaseGrid::SetSpinButtonHeight(Integer Value) {
  if (!Change(FSpinButtonHeight, Value)) return;
  CheckResizeSpinButtons();
  RedisplayControl(true);
}

void TtsBaseGrid::SetHeadingButton(TtsHeadingButton Value) {
  if (Change(FHeadingButton, Value)) CheckInvalidateRow(0);
}

void TtsBaseGrid::SetHeadingHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  if (!Change(FHeadingHorzAlignment, Value)) return;
  FHeadingAlignmentLegacy = TSCommon::HorzAlignmentToAlignment(Value);
  if (GetHeadingOn()) CheckInvalidateRow(0);
}

void TtsBaseGrid::SetHeadingVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (Change(FHeadingVertAlignment, Value) && GetHeadingOn()) CheckInvalidateRow(0);
}

void TtsBaseGrid::SetHeadingWordWrap(TtsWordWrap Value) {
  if (Change(FHeadingWordWrap, Value) && GetHeadingOn()) CheckInvalidateRow(0);
}

void TtsBaseGrid::SetRowBarAlignment(TSCommon::TtsVertAlignment Value) {
  if (Change(FRowBarAlignment, Value)) CheckInvalidateCol(0);
}

void TtsBaseGrid::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  if (!Change(FHorzAlignment, Value)) return;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (!Change(FVertAlignment, Value)) return;
  Invalidate();
  RedisplayControl(true);
}

void TtsBaseGrid::SetDefaultColWidth(Integer Value) { inherited::SetDefaultColWidth(Value); }
void TtsBaseGrid::SetDefaultRowHeight(Integer Value) { inherited::SetDefaultRowHeight(Value); }

// ---- Scroll-bar settings ----------------------------------------------------------------------------
void TtsBaseGrid::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  UpdateScrollRange();
  UpdateScrollPos();
}

void TtsBaseGrid::SetAlwaysShowScrollBar(TScrollStyle Value) {
  if (FAlwaysShowScrollBar == Value) return;
  FAlwaysShowScrollBar = Value;
  UpdateScrollRange();
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
}

void TtsBaseGrid::SetThumbTracking(bool Value) {
  if (FThumbTracking == Value) return;
  FThumbTracking = Value;
  TGridOptions options = GetOptions();
  if (Value)
    options.Include(goThumbTracking);
  else
    options.Exclude(goThumbTracking);
  SetOptions(options);
}

// ---- Work bitmaps -----------------------------------------------------------------------------------
TBitmap* TtsBaseGrid::GetDrawBitmap() {
  if (FIsComboGrid && GetParentGrid()) return GetParentGrid()->GetDrawBitmap();
  if (!FDrawBitmap) {
    FDrawBitmap = New<TBitmap>();
    FDrawBitmap->SetHandle(FDrawBitmap->GetHandle());
  }
  return FDrawBitmap;
}

TBitmap* TtsBaseGrid::GetPictureColorMask() {
  if (!FPictureColorMask) CheckPictureMask(true);
  return FPictureColorMask;
}

void TtsBaseGrid::CheckPictureMask(bool Create) {
  if (FSelectionColor == Graphics::clNone && FFocusColor == Graphics::clNone) {
    FreeAndNil(FPictureColorMask);
    return;
  }
  if (Create && !FPictureColorMask) FPictureColorMask = New<TBitmap>();
}

// ---- Single sizes -----------------------------------------------------------------------------------
Integer TtsBaseGrid::GetGridRowHeights(Integer DisplayRow) {
  if (DisplayRow < 0 || DisplayRow >= GetRowCount()) return 0;
  return GetRowHeights(DisplayRow);
}

bool TtsBaseGrid::ResizeCol(Integer DisplayCol, Integer Width) {
  if (GetColWidths(DisplayCol) == Width) return false;
  bool outer = FWidthUpdating;
  FWidthUpdating = true;
  try {
    SetColWidths(DisplayCol, Width);
    SingleColWidthChanged(DisplayCol);
  } catch (...) {
    FWidthUpdating = outer;
    throw;
  }
  FWidthUpdating = outer;
  return true;
}

void TtsBaseGrid::CopyColWidth(Integer DisplayCol, Integer Width) {
  bool outer = FWidthUpdating;
  FWidthUpdating = true;
  try {
    SetColWidths(DisplayCol, Width);
  } catch (...) {
    FWidthUpdating = outer;
    throw;
  }
  FWidthUpdating = outer;
}

void TtsBaseGrid::CopyRowHeight(Integer DisplayRow, Integer Height) {
  bool outer = FHeightUpdating;
  FHeightUpdating = true;
  try {
    SetRowHeights(DisplayRow, Height);
  } catch (...) {
    FHeightUpdating = outer;
    throw;
  }
  FHeightUpdating = outer;
}

bool TtsBaseGrid::ResizeRow(Integer DisplayRow, Integer Height) {
  if (GetRowHeights(DisplayRow) == Height) return false;
  bool outer = FHeightUpdating;
  FHeightUpdating = true;
  try {
    SetRowHeights(DisplayRow, Height);
    SingleRowHeightChanged(DisplayRow);
  } catch (...) {
    FHeightUpdating = outer;
    throw;
  }
  FHeightUpdating = outer;
  return true;
}

// ---- Disable counts ---------------------------------------------------------------------------------
void TtsBaseGrid::SetFocusRectDisabled(bool Value) {
  if (Value)
    ++FFocusRectDisableCount;
  else if (FFocusRectDisableCount > 0)
    --FFocusRectDisableCount;
}

void TtsBaseGrid::SetSetComboExtents(bool Value) {
  if (!Value)
    ++FComboExtentsDisableCount;
  else if (FComboExtentsDisableCount > 0)
    --FComboExtentsDisableCount;
}

bool TtsBaseGrid::StopTimer(UINT_PTR& Timer) {
  if (Timer == 0) return false;
  if (HandleAllocated()) KillTimer(GetHandle(), Timer);
  Timer = 0;
  return true;
}

bool TtsBaseGrid::CanSetFocus() {
  if (!FIsComboGrid) return true;
  TtsBaseGrid* parent = GetParentGrid();
  return parent && parent->ComboVisible() && parent->GetInDesignMode();
}

// ---- Scaling ----------------------------------------------------------------------------------------
void TtsBaseGrid::ChangeScale(Integer M, Integer D) {
  inherited::ChangeScale(M, D);
  if (M == D || !GetAutoScale()) return;
  TScalingFlags flags{sfWidth, sfHeight, sfFont};
  if (!FHeadingParentFont) FHeadingFont->SetSize(MulDiv(FHeadingFont->GetSize(), M, D));
  SetHeadingHeight(MulDiv(GetHeadingHeight(), M, D));
  if (!ComponentState().Contains(csDesigning)) FComboRowHeight = MulDiv(FComboRowHeight, M, D);
  SetRowBarWidth(MulDiv(GetRowBarWidth(), M, D));
  ScaleCols(M, D, flags);
  ScaleRows(M, D, flags);
  ScaleCells(M, D, flags);
  RedisplayControl(true);
}

namespace {

// The layer's own font and combo follow the scale: the font when it is not the parent's.
void ScaleLayer(TFont* Font, bool ParentFont, TtsCombo* Combo, Integer M, Integer D, TScalingFlags Flags) {
  if (Flags.Contains(sfFont) && !ParentFont && Font) Font->SetSize(MulDiv(Font->GetSize(), M, D));
  if (Combo) Combo->GetGrid()->ChangeScale(M, D);
}

}  // namespace

void TtsBaseGrid::ScaleCols(Integer M, Integer D, TScalingFlags Flags) {
  if (M == D) return;
  try {
    bool outer = FWidthUpdating;
    FWidthUpdating = true;
    try {
      if (Flags.Contains(sfWidth)) inherited::SetDefaultColWidth(MulDiv(GetDefaultColWidth(), M, D));
      for (Integer c = 1; c <= FColCount; ++c) {
        TtsCol* col = FCols->GetItem(c);
        if (Flags.Contains(sfWidth)) col->SetWidth(MulDiv(col->GetWidth(), M, D));
        ScaleLayer(col->FFont, col->GetParentFont(), col->GetCombo(), M, D, Flags);
      }
    } catch (...) {
      FWidthUpdating = outer;
      throw;
    }
    FWidthUpdating = outer;
  } catch (...) {
    ColWidthsChanged();
    throw;
  }
  ColWidthsChanged();
}

void TtsBaseGrid::ScaleRows(Integer M, Integer D, TScalingFlags Flags) {
  if (M == D) return;
  bool height = Flags.Contains(sfHeight);
  try {
    bool outer = FHeightUpdating;
    FHeightUpdating = true;
    try {
      if (height) inherited::SetDefaultRowHeight(MulDiv(GetDefaultRowHeight(), M, D));
      for (Integer r = 1; r <= FRowCount; ++r) {
        TtsRow* row = FRows->GetItem(r);
        if (!row) continue;
        if (height) row->SetHeight(MulDiv(row->GetHeight(), M, D));
        ScaleLayer(row->FFont, row->GetParentFont(), row->GetCombo(), M, D, Flags);
      }
    } catch (...) {
      FHeightUpdating = outer;
      throw;
    }
    FHeightUpdating = outer;
  } catch (...) {
    if (height) RowHeightsChanged();
    throw;
  }
  if (height) RowHeightsChanged();
}

void TtsBaseGrid::ScaleCells(Integer M, Integer D, TScalingFlags Flags) {
  TOwnedPtr<TtsSetList> list(FCellPropSet->List());
  for (Integer i = 1; i <= list->GetCount(); ++i) {
    auto* element = static_cast<TtsCellElement*>(list->GetItems(i));
    ScaleLayer(element->GetFont(), element->ParentFont, element->GetCombo(), M, D, Flags);
  }
}

}  // namespace TSGrid
