// The text editor's layout (text rectangle, draw-text flags, drawn text and selection), its content
// size and its painting.
#include "cxTextEditViewInfo.h"

#include <algorithm>

#include "cxEditControl.h"
#include "cxEditUtils.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"
#include "cxTextEdit.h"

namespace cxTextEdit {

namespace {

constexpr DWORD DTAlignRight = 0x2, DTAlignCenter = 0x1, DTVCenter = 0x10, DTBottom = 0x20;

Integer TextLineHeight(TcxCanvas* ACanvas) { return ACanvas->TextHeight("Zg"); }

bool IsListStyle(TcxEditEditingStyle AStyle) { return AStyle == esFixedList || AStyle == esNoEdit; }

}  // namespace

TColor InvertColor(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF); }

TRect GetTextEditDrawTextOffset(TAlignment, bool AIsInplace) { return EditContentDefaultOffsets[AIsInplace ? 1 : 0]; }

TRect GetTextEditDrawTextOffset(TcxCustomEditViewData* AViewData) {
  TRect r = AViewData->ContentOffset;
  auto* properties = dynamic_cast<TcxCustomTextEditProperties*>(AViewData->GetProperties());
  if (!AViewData->IsInplace() && properties && IsListStyle(properties->GetEditingStyle()) &&
      AViewData->VertAlignment == taTopJustify) {
    ++r.top;
    --r.bottom;
    if (AViewData->HorzAlignment == taRightJustify) ++r.right;
    else ++r.left;
  }
  return r;
}

// ---- TcxCustomTextEditViewData --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomTextEditViewData)

void TcxCustomTextEditViewData::InitCacheData() {
  inherited::InitCacheData();
  if (GetProperties()) FIsValueEditorWithValueFormatting = GetProperties()->IsValueEditorWithValueFormatting();
}

bool TcxCustomTextEditViewData::GetIsEditClass() { return Edit && Edit->IsEditClass(); }

DWORD TcxCustomTextEditViewData::GetDrawTextFlags() {
  DWORD flags = cxtoPreventLeftExceed | cxtoPreventTopExceed | cxtoSingleLine;
  if (HorzAlignment == taRightJustify) flags |= DTAlignRight;
  else if (HorzAlignment == taCenter) flags |= DTAlignCenter;
  if (VertAlignment == taBottomJustify) flags |= DTBottom;
  else if (VertAlignment == taVCenter) flags |= DTVCenter;
  return flags;
}

TRect TcxCustomTextEditViewData::GetDrawTextOffset() { return GetTextEditDrawTextOffset(this); }

TRect TcxCustomTextEditViewData::GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  TRect r = inherited::GetClientExtent(ACanvas, AViewInfo);
  if (!IsInplace() && IsComboBoxStyle() && NativeStyle) ++r.right;
  return r;
}

void TcxCustomTextEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  inherited::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  viewInfo->DrawSelectionBar = false;
  viewInfo->EditingStyle = GetTextProperties() ? GetTextProperties()->GetEditingStyle() : esEdit;
  viewInfo->IsEditClass = GetIsEditClass();
  viewInfo->HasPopupWindow = Edit && Edit->HasPopupWindow();
  const TRect offset = GetDrawTextOffset();
  TRect r = viewInfo->ClientRect;
  r = TRect(r.left + offset.left, r.top + offset.top, r.right - offset.right, r.bottom - offset.bottom);
  if (!IsInplace()) {
    ACanvas->SetFont(GetStyle()->GetVisibleFont());
    const Integer lineHeight = TextLineHeight(ACanvas);
    if (r.Height() < lineHeight) r.bottom = std::min(r.top + lineHeight, viewInfo->ClientRect.bottom);
  }
  viewInfo->TextRect = r;
  viewInfo->MaxLineCount = GetMaxLineCount();
  viewInfo->TextOutInitialized = false;
  PrepareDrawTextFlags(ACanvas, AViewInfo);
}

void TcxCustomTextEditViewData::PrepareDrawTextFlags(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  DWORD flags = GetDrawTextFlags();
  TcxCustomTextEditProperties* properties = GetTextProperties();
  if (properties && !properties->IsMultiLine() && properties->GetSupportedOperations().Contains(esoAutoHeight) &&
      PaintOptions.Contains(epoAutoHeight)) {
    ACanvas->SetFont(GetStyle()->GetVisibleFont());
    TRect r = viewInfo->TextRect;
    TcxTextRows rows;
    Integer rowCount = 0;
    TcxTextParams params = cxCalcTextParams(ACanvas, (flags & ~cxtoSingleLine) | cxtoWordBreak);
    cxMakeTextRows(ACanvas, viewInfo->Text, r, params, rows, rowCount);
    if (rowCount > 1) {
      flags = (flags & ~cxtoSingleLine) | cxtoWordBreak | cxtoWholeRowsOnly;
      if (rowCount * params.FullRowHeight > r.Height()) flags &= ~cxtoAlignYMask;
    }
  }
  if (PaintOptions.Contains(epoShowEndEllipsis)) flags |= cxtoEndEllipsis;
  viewInfo->DrawTextFlags = flags;
  viewInfo->ComboBoxStyle = IsComboBoxStyle();
}

void TcxCustomTextEditViewData::DisplayValueToDrawValue(const TcxEditValue& ADisplayValue,
                                                        TcxCustomEditViewInfo* AViewInfo) {
  String text = VarToStr(ADisplayValue);
  if (GetTextProperties()) GetTextProperties()->DisplayValueToDisplayText(text);
  static_cast<TcxCustomTextEditViewInfo*>(AViewInfo)->Text = text;
}

void TcxCustomTextEditViewData::EditValueToDrawValue(TcxCanvas*, const TcxEditValue& AEditValue,
                                                     TcxCustomEditViewInfo* AViewInfo) {
  static_cast<TcxCustomTextEditViewInfo*>(AViewInfo)->Text = EditValueToDisplayText(AEditValue);
  PrepareSelection(AViewInfo);
}

String TcxCustomTextEditViewData::InternalEditValueToDisplayText(const TcxEditValue& AEditValue) {
  TcxCustomTextEditProperties* properties = GetTextProperties();
  String text;
  try {
    text = FIsValueEditorWithValueFormatting ? VarToStr(AEditValue)
                                             : VarToStr(properties->GetDefaultDisplayValue(AEditValue, InternalFocused()));
  } catch (...) {
    properties->DisplayValueToDisplayText(text);
    throw;
  }
  properties->DisplayValueToDisplayText(text);
  return text;
}

void TcxCustomTextEditViewData::PrepareSelection(TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  viewInfo->SelStart = SelStart;
  viewInfo->SelLength = SelLength;
  if (SelLength == 0) return;
  const bool backSet = SelBackgroundColor != clDefault, textSet = SelTextColor != clDefault;
  if (!backSet && textSet) {
    viewInfo->SelTextColor = SelTextColor;
    viewInfo->SelBackgroundColor = InvertColor(SelTextColor);
  } else if (!backSet) {
    if (GetStyle()->GetColor() == clHighlight) {
      viewInfo->SelBackgroundColor = 0;
      viewInfo->SelTextColor = 0xFFFFFF;
    } else {
      viewInfo->SelBackgroundColor = clHighlight;
      viewInfo->SelTextColor = clHighlightText;
    }
  } else {
    viewInfo->SelBackgroundColor = SelBackgroundColor;
    viewInfo->SelTextColor = textSet ? SelTextColor : InvertColor(SelBackgroundColor);
  }
}

TSize TcxCustomTextEditViewData::InternalGetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                            const TcxEditSizeProperties& AEditSizeProperties) {
  TSize size = inherited::InternalGetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
  const TSize text =
      GetTextEditContentSize(ACanvas, this, EditValueToDisplayText(AEditValue), GetDrawTextFlags(), AEditSizeProperties, 1);
  size.cx = std::max(size.cx, text.cx);
  size.cy = std::max(size.cy, text.cy);
  return size;
}

// ---- Content size -------------------------------------------------------------------------------------------------
TSize GetTextEditContentSize(TcxCanvas* ACanvas, TcxCustomEditViewData* AViewData, const String& AText,
                             DWORD ADrawTextFlags, const TcxEditSizeProperties& AEditSizeProperties,
                             Integer ALineCount, bool ACorrectWidth) {
  ACanvas->SetFont(AViewData->GetStyle()->GetVisibleFont());
  const TSize correction = AViewData->GetEditContentSizeCorrection();
  auto* properties = dynamic_cast<TcxCustomTextEditProperties*>(AViewData->GetProperties());
  const bool listCorrection = !AViewData->IsInplace() && properties && IsListStyle(properties->GetEditingStyle()) &&
                              !AViewData->NativeStyle;
  const Integer lineHeight = TextLineHeight(ACanvas);
  const bool allowZero = AViewData->PaintOptions.Contains(epoAllowZeroHeight);
  TSize size{0, 0};
  auto countRows = [&](Integer AWidth, Integer AMaxRows) {
    TcxTextParams params = cxCalcTextParams(ACanvas, (ADrawTextFlags & ~cxtoSingleLine & ~cxtoAlignYMask) | cxtoWordBreak);
    TcxTextRows rows;
    Integer rowCount = 0;
    cxMakeTextRows(ACanvas, AText, TRect(0, 0, AWidth, 0x3FFFFFFF), params, rows, rowCount, AMaxRows);
    return std::make_pair(rows, rowCount);
  };
  if (AEditSizeProperties.Width < 0) {
    const bool multiRow = !(ADrawTextFlags & cxtoSingleLine) ||
                          (AViewData->PaintOptions.Contains(epoAutoHeight) && properties &&
                           properties->GetSupportedOperations().Contains(esoAutoHeight) && ALineCount != 1);
    if (multiRow) {
      const Integer maxRows = ALineCount > 0 ? ALineCount : AEditSizeProperties.MaxLineCount;
      auto [rows, rowCount] = countRows(0x3FFFFFFF, maxRows);
      size.cx = rowCount > 0 ? cxGetLongestTextRowWidth(rows, rowCount) : 0;
      size.cy = lineHeight * (ALineCount > 0 ? ALineCount : 1);
    } else {
      size.cy = lineHeight;
      size.cx = AText.empty() ? 0 : ACanvas->TextWidth(AText);
    }
    if (listCorrection) ++size.cx;
    if (ACorrectWidth) size.cx += correction.cx;
  } else if (ALineCount > 0) {
    size = TSize{AEditSizeProperties.Width, lineHeight * ALineCount};
  } else {
    Integer width = AEditSizeProperties.Width - 3 + (AViewData->IsInplace() ? 0 : 2) + (listCorrection ? 0 : 1);
    if (width > 0) {
      size.cx = AEditSizeProperties.Width;
      if (!AText.empty()) {
        auto [rows, rowCount] = countRows(width, AEditSizeProperties.MaxLineCount);
        size.cy = lineHeight * std::max(1, rowCount);
      } else {
        size.cy = allowZero ? 0 : lineHeight;
      }
    } else {
      size.cy = AText.empty() && allowZero ? 0 : lineHeight;
    }
  }
  if (size.cy != 0) size.cy += correction.cy;
  return size;
}

// ---- TcxCustomTextEditViewInfo ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomTextEditViewInfo)

void TcxCustomTextEditViewInfo::InternalPaint(TcxCanvas* ACanvas) { DrawTextEdit(ACanvas, this); }
void TcxCustomTextEditViewInfo::DrawText(TcxCanvas* ACanvas) { DrawEditText(ACanvas, this); }

void TcxCustomTextEditViewInfo::Offset(Integer DX, Integer DY) {
  inherited::Offset(DX, DY);
  TextRect = cxRectOffset(TextRect, DX, DY);
  if (!TextOutInitialized) return;
  PreparedTextRect = cxRectOffset(PreparedTextRect, DX, DY);
  for (TcxTextRow& row : TextRows) {
    row.TextOriginX += DX;
    row.TextOriginY += DY;
  }
}

void DrawTextEdit(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  TcxEditBackgroundPaintingStyle style = bpsSolid;
  if (AViewInfo->ComboBoxStyle) style = IsListStyle(AViewInfo->EditingStyle) ? bpsComboListEdit : bpsComboEdit;
  DrawCustomEdit(ACanvas, AViewInfo, !AViewInfo->Transparent || AViewInfo->DrawSelectionBar, style);
  TRect r = AViewInfo->ClientRect;
  if (!AViewInfo->IsInplace && (!AViewInfo->NativeStyle || AViewInfo->DrawSelectionBar) && !AViewInfo->Transparent &&
      AViewInfo->EditingStyle != esNoEdit) {
    ACanvas->FrameRect(r, AViewInfo->GetBackgroundColor());
    r = cxRectInflate(r, -1, -1);
  }
  if (AViewInfo->IsOwnerDrawing && AViewInfo->OnOwnerDraw) {
    AViewInfo->OnOwnerDraw(ACanvas, r);
  } else {
    if (AViewInfo->DrawSelectionBar) ACanvas->FillRect(r, clHighlight);
    if (AViewInfo->IsDBEditPaintCopyDrawing || !AViewInfo->HasInnerEdit || !AViewInfo->IsEditClass)
      AViewInfo->DrawText(ACanvas);
  }
  if (AViewInfo->Focused && !AViewInfo->IsInplace && !AViewInfo->IsEditClass && !AViewInfo->HasPopupWindow) {
    ACanvas->GetFont()->SetColor(AViewInfo->DrawSelectionBar ? clHighlightText : clBtnText);
    ACanvas->SetBrushColor(AViewInfo->DrawSelectionBar ? clHighlight : AViewInfo->GetBackgroundColor());
    ACanvas->DrawFocusRect(r);
  }
}

void DrawEditText(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  if (AViewInfo->Text.empty()) return;
  if (AViewInfo->Font) ACanvas->SetFont(AViewInfo->Font);
  ACanvas->GetFont()->SetColor(AViewInfo->DrawSelectionBar ? clHighlightText : AViewInfo->TextColor);
  AViewInfo->PrepareCanvasFont(ACanvas->GetCanvas());
  if (!AViewInfo->TextOutInitialized) {
    AViewInfo->TextParams = cxCalcTextParams(ACanvas, AViewInfo->DrawTextFlags);
    AViewInfo->PreparedTextRect = cxPrepareRect(AViewInfo->TextRect, AViewInfo->TextParams, 0, 0);
    AViewInfo->TextRows.clear();
    AViewInfo->RowCount = 0;
    AViewInfo->ForceEndEllipsis = false;
    if (!cxRectIsEmpty(AViewInfo->PreparedTextRect)) {
      AViewInfo->ForceEndEllipsis = !cxMakeTextRows(ACanvas, AViewInfo->Text, AViewInfo->PreparedTextRect,
                                                    AViewInfo->TextParams, AViewInfo->TextRows, AViewInfo->RowCount,
                                                    AViewInfo->MaxLineCount);
      cxPlaceTextRows(ACanvas->GetHandle(), AViewInfo->PreparedTextRect, AViewInfo->TextParams, AViewInfo->TextRows,
                      AViewInfo->RowCount);
    }
    // A selection outside the text is none; one that runs past the end stops there.
    const auto length = static_cast<Integer>(AViewInfo->Text.size());
    if (AViewInfo->SelStart < 0 || AViewInfo->SelStart > length) AViewInfo->SelLength = 0;
    else AViewInfo->SelLength = std::min(AViewInfo->SelLength, length - AViewInfo->SelStart);
    AViewInfo->TextOutInitialized = true;
  }
  if (cxRectIsEmpty(AViewInfo->PreparedTextRect)) return;
  cxTextRowsOutHighlight(ACanvas->GetHandle(), AViewInfo->PreparedTextRect, AViewInfo->TextParams, AViewInfo->TextRows,
                         AViewInfo->RowCount, AViewInfo->SelStart, AViewInfo->SelLength, AViewInfo->SelBackgroundColor,
                         AViewInfo->SelTextColor, AViewInfo->ForceEndEllipsis);
}

bool TcxCustomTextEditViewInfo::NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds,
                                             String& AText, bool& AIsMultiLine, TRect& ATextRect) {
  TRect area = cxRectIsEmpty(AVisibleBounds) ? TextRect : cxRectOffset(AVisibleBounds, -Left, -Top);
  if (!cxRectIntersect(area, area, TextRect) || !cxRectPtIn(area, P) || Text.empty()) return false;
  if (Font) ACanvas->SetFont(Font);
  const bool wordBreak = (DrawTextFlags & cxtoWordBreak) && !(DrawTextFlags & cxtoSingleLine);
  TcxTextParams params = cxCalcTextParams(ACanvas, DrawTextFlags);
  TcxTextRows rows;
  Integer rowCount = 0;
  const TRect bounds(TextRect.left, TextRect.top, wordBreak ? TextRect.right : 0x3FFFFFF, 0x3FFFFFF);
  bool need = !cxMakeTextRows(ACanvas, Text, bounds, params, rows, rowCount, MaxLineCount);
  cxPlaceTextRows(ACanvas->GetHandle(), bounds, params, rows, rowCount);
  for (Integer i = 0; i < rowCount && !need; ++i) {
    String row(rows[i].Text, rows[i].TextLength);
    while (!row.empty() && row.back() == ' ') row.pop_back();
    const Integer width = ACanvas->TextWidth(row);
    need = width > TextRect.Width() || rows[i].TextOriginX + width > area.right ||
           rows[i].TextOriginY + params.FullRowHeight > area.bottom;
  }
  if (!need) return false;
  AText = Text;
  ATextRect = cxRectOffset(TextRect, Left, Top);
  AIsMultiLine = wordBreak;
  return true;
}

}  // namespace cxTextEdit
