// Cell buttons: which button object a cell uses, where the mouse may press it, the parts of a spin
// button, how a button is drawn resting, raised under the mouse or pressed, its picture, the
// background of the button part, and the hot and pressed states with the two timers that reset a
// button the mouse left and repeat a held spin button.
#include "TSGridImpl.h"
#include "Forms.h"
#include "TSGridDrawing.h"
#include "WinCursor.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace TSGrid {

// ---- The button objects ---------------------------------------------------------------------------------
TtsCustomButton* TtsBaseGrid::GridCellButton(Integer DataCol, TtsButtonType ButtonType) {
  auto make = [&](TtsCustomButton*& Field, auto* Tag, TBitmap* Bitmap, Integer Width, Integer Height) {
    using Button = std::remove_pointer_t<decltype(Tag)>;
    if (!Field) Field = New<Button>(this, Bitmap, Graphics::clNone, Width, Height);
    return Field;
  };
  switch (ButtonType) {
    case btCombo:
      return make(FComboButton, static_cast<TtsComboButton*>(nullptr), ComboArrowBitmap, FDefaultButtonWidth,
                  FDefaultButtonHeight);
    case btNormal:
      if (DataCol >= 0 && DataCol <= GetGridColCount())
        if (TtsNormalButton* own = FCols->GetItem(DataCol)->GetButton()) return own;
      return make(FNormalButton, static_cast<TtsNormalButton*>(nullptr), ButtonDetailBitmap, FDefaultButtonWidth,
                  FDefaultButtonHeight);
    case btVertSpin:
      return make(FVertSpinButton, static_cast<TtsVertSpinButton*>(nullptr), nullptr, FSpinButtonWidth,
                  FSpinButtonHeight);
    case btHorzSpin:
      // The arrows of a horizontal spin button lie side by side: its sizes are the vertical one's turned.
      return make(FHorzSpinButton, static_cast<TtsHorzSpinButton*>(nullptr), nullptr, FSpinButtonHeight,
                  FSpinButtonWidth);
    case btDateTimeDropDown:
      return make(FDateTimeDropDownButton, static_cast<TtsDateTimeButton*>(nullptr), ComboArrowBitmap,
                  FDefaultButtonWidth, FDefaultButtonHeight);
    case btDateTimePopup:
      return make(FDateTimePopupButton, static_cast<TtsDateTimeButton*>(nullptr), ButtonDetailBitmap,
                  FDefaultButtonWidth, FDefaultButtonHeight);
    case btNone:
      return nullptr;
    default:
      return FComboButton;
  }
}

// ---- Where the mouse may act ------------------------------------------------------------------------------
bool TtsBaseGrid::ValidButton(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow, TtsButtonType ButtonType) {
  if (MouseOverCombo(X, Y) || DisplayCol < 1 || DisplayRow < 1 || X > GetClientWidth() || Y > GetClientHeight() ||
      ButtonType == btNone)
    return false;
  if (FAlwaysDetectButton) return true;
  return FGridMode != gmListBox && FGridMode != gmBrowse &&
         !CellIsReadOnly(GetDataCol(DisplayCol), GetDataRow(DisplayRow));
}

bool TtsBaseGrid::MouseOverButton(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol <= 0 || DisplayRow <= 0) return false;
  Integer dataCol = GetDataCol(DisplayCol);
  TtsDropDownStyle style;
  TtsButtonType type = GiveCellButton(dataCol, GetDataRow(DisplayRow), style);
  if (!ValidButton(X, Y, DisplayCol, DisplayRow, type)) return false;
  FCurrentButton = GridCellButton(dataCol, type);
  TRect r;
  CellRect(DisplayCol, DisplayRow, r);
  if (!FCurrentButton || IsRectEmpty(&r)) return false;
  r.right = r.left + GetColWidths(DisplayCol) - FVertLineWidth;
  r.bottom = r.top + GetRowHeights(DisplayRow) - FHorzLineWidth;
  Integer edge = std::max<Integer>(r.left + 3, r.right - FCurrentButton->FullWidth());
  return edge < X && X <= r.right && r.top <= Y && Y <= std::min<Integer>(r.bottom, r.top + FCurrentButton->FullHeight());
}

bool TtsBaseGrid::DrawButtonDown(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol <= 0 || DisplayRow <= 0) return false;
  if (MouseOverButton(X, Y, DisplayCol, DisplayRow)) return true;
  // A drop-down-list cell acts as one button over its whole area.
  TtsDropDownStyle style;
  TtsButtonType type = GiveCellButton(GetDataCol(DisplayCol), GetDataRow(DisplayRow), style);
  return (type == btCombo || type == btDateTimeDropDown) && ValidButton(X, Y, DisplayCol, DisplayRow, type) &&
         style == ddDropDownList;
}

bool TtsBaseGrid::MouseOverCombo(Integer X, Integer Y) {
  if (!ComboVisible() || !HandleAllocated()) return false;
  TPoint p = ClientToScreen(TPoint(X, Y));
  TRect bounds;
  if (GetInDesignMode()) {
    TtsBaseGrid* list = FCombo ? FCombo->GetGrid() : nullptr;
    if (!list) return false;
    TPoint origin = list->ClientToScreen(TPoint(0, 0));
    bounds = TRect(origin.x, origin.y, origin.x + list->GetClientWidth(), origin.y + list->GetClientHeight());
  } else {
    TCustomForm* form = GetComboForm();
    if (!form) return false;
    bounds = TRect(form->GetLeft(), form->GetTop(), form->GetLeft() + form->GetWidth(),
                   form->GetTop() + form->GetHeight());
  }
  return p.x >= bounds.left && p.x <= bounds.right && p.y > bounds.top && p.y <= bounds.bottom;
}

// ---- Spin parts -------------------------------------------------------------------------------------------
void TtsBaseGrid::GetSpinRects(TtsButtonType ButtonType, const TRect& Rect, TRect& Increment, TRect& Decrement,
                               Integer& Width, Integer& Height) {
  if (ButtonType == btHorzSpin)
    GetHorzSpinRects(Rect, Increment, Decrement, Width, Height);
  else
    GetVertSpinRects(Rect, Increment, Decrement, Width, Height);
}

void TtsBaseGrid::GetVertSpinRects(const TRect& Rect, TRect& Increment, TRect& Decrement, Integer& Width,
                                   Integer& Height) {
  Integer top = Rect.top - FHorzLineWidth + 1;
  Integer h = std::max<Integer>(3, (Rect.bottom - top) / 2);
  if (FCurrentButton) h = std::min<Integer>(h, FCurrentButton->FullHeight() / 2);
  Increment = TRect(std::min(Rect.left + 1, Rect.right), top, Rect.right, std::min<LONG>(Rect.bottom, top + h));
  Decrement = TRect(Increment.left, Increment.top + h, Increment.right, std::min<LONG>(Increment.bottom + h, Rect.bottom));
  Width = Height = h;
}

void TtsBaseGrid::GetHorzSpinRects(const TRect& Rect, TRect& Increment, TRect& Decrement, Integer& Width,
                                   Integer& Height) {
  Integer left = Rect.left + 1;
  Integer w = std::max<Integer>(3, (Rect.right - left) / 2);
  if (FCurrentButton) w = std::min<Integer>(w, FCurrentButton->FullWidth() / 2);
  Integer top = Rect.top - FHorzLineWidth + 1;
  Integer fullHeight = FCurrentButton ? FCurrentButton->FullHeight() : Rect.Height();
  LONG decLeft = std::min<LONG>(left, Rect.right);
  Decrement = TRect(decLeft, top, std::min<LONG>(decLeft + w, Rect.right), std::min<LONG>(Rect.bottom, top + fullHeight));
  Increment = TRect(Decrement.left + w, Decrement.top, std::min<LONG>(Decrement.right + w, Rect.right), Decrement.bottom);
  // A pair narrower than the button ends at its right edge.
  if (Increment.right < Rect.right) {
    LONG shift = Rect.right - Increment.right;
    Decrement.left += shift, Decrement.right += shift;
    Increment.left += shift, Increment.right += shift;
  }
  Width = Height = w;
}

TtsSpinButton TtsBaseGrid::GetSpinButtonXY(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  TtsDrawData data;
  GetDrawData(DisplayCol, DisplayRow, data, true);
  if (!IsSpinButton(data.ButtonType)) return spbNone;
  TRect increment, decrement;
  Integer w, h;
  GetSpinRects(data.ButtonType, data.ButtonRect, increment, decrement, w, h);
  POINT p{X, Y};
  if (PtInRect(&increment, p)) return spbIncrement;
  if (PtInRect(&decrement, p)) return spbDecrement;
  return spbNone;
}

bool TtsBaseGrid::OverSpinButton(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow, TtsSpinButton Part) {
  return Part != spbNone && GetSpinButtonXY(X, Y, DisplayCol, DisplayRow) == Part;
}

// ---- Drawing a cell's button ------------------------------------------------------------------------------
void TtsBaseGrid::DrawButtonInCell(TtsDrawData& DrawData, bool Selected) {
  if (!DrawData.HasButton) return;
  Integer col = DrawData.DisplayCol, row = DrawData.DisplayRow;
  TtsButtonMode mode = bmFlat;
  TColor color;
  TtsSpinButton pressed = spbNone;
  if (FMouseStatus == msButtonDown && col == FButtonDownCol && row == FButtonDownRow) {
    mode = bmDown;
    color = Graphics::clBtnFace;
    pressed = FPressedSpin;
  } else if (col == FHotButtonCol && row == FHotButtonRow) {
    mode = bmUp;
    color = Graphics::clBtnFace;
  } else {
    color = ButtonColor(col, row);
  }
  if (IsSpinButton(DrawData.ButtonType)) {
    if (color != Graphics::clNone)
      DrawSpinButtons(DrawData.ButtonType, TtsSpinButtons{spbIncrement, spbDecrement}, pressed, color, DrawData,
                      Selected);
    return;
  }
  if (color != Graphics::clNone) DrawButtonBox(color, mode, DrawData, Selected);
  DrawButtonPicture(DrawData, color, mode);
}

TColor TtsBaseGrid::ButtonColor(Integer DisplayCol, Integer DisplayRow) {
  if (FInactiveButtonState == ibsBackGround) return Graphics::clBtnFace;
  if (DrawCurrentButton(DisplayCol, DisplayRow) && !CellIsReadOnly(GetDataCol(DisplayCol), GetDataRow(DisplayRow)))
    return Graphics::clBtnFace;
  return Graphics::clNone;
}

bool TtsBaseGrid::DrawCurrentButton(Integer DisplayCol, Integer DisplayRow) {
  return DisplayCol == FCurDisplayCol && DisplayRow == FCurDisplayRow && InEditMode() && !GetFocusRectDisabled();
}

bool TtsBaseGrid::CanDrawButton(Integer DisplayCol, Integer DisplayRow, bool Check) {
  return !Check || (DrawCurrentButton(DisplayCol, DisplayRow) &&
                    !CellIsReadOnly(GetDataCol(DisplayCol), GetDataRow(DisplayRow)));
}

bool TtsBaseGrid::DrawFlatButtonUp(Integer DisplayCol, Integer DisplayRow) {
  if (FFlatButtons) return false;
  return FInactiveButtonState == ibsBackGround || CanDrawButton(DisplayCol, DisplayRow, true);
}

TColor TtsBaseGrid::ButtonBrushColor(TColor Color, TtsDrawData& DrawData, bool Selected) {
  if (Color != Graphics::clNone) return Color;
  if (Selected && SelectionColorEnabled()) return FSelectionColor;
  if (FFocusColor != Graphics::clNone && DisplayFocusRect(DrawData.DisplayCol, DrawData.DisplayRow, true))
    return FFocusColor;
  return DrawData.Color;
}

void TtsBaseGrid::DrawButtonBox(TColor Color, TtsButtonMode Mode, TtsDrawData& DrawData, bool Selected) {
  if (IsRectEmpty(&DrawData.ButtonRect)) return;
  FCurrentButton = GridCellButton(DrawData.DataCol, DrawData.ButtonType);
  if (!FCurrentButton) return;
  TRect r = DrawData.ButtonRect;
  Integer height;
  Integer edge = FButtonEdgeWidth;
  if (Mode != bmFlat || !FFlatButtons) {
    r.left = std::min(r.left + 1, r.right);
    r.top += 1 - FHorzLineWidth;
    height = FCurrentButton->FullHeight();
  } else {
    r.left = std::max<LONG>(r.left + edge, r.right - FCurrentButton->GetWidth() - edge);
    r.right = std::max<LONG>(r.left, r.right - edge);
    r.top += edge;
    height = FCurrentButton->GetHeight();
  }
  r.bottom = std::min<LONG>(r.bottom, r.top + height);
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(ButtonBrushColor(Color, DrawData, Selected));
  Integer fullWidth = FCurrentButton->FullWidth(), fullHeight = FCurrentButton->FullHeight();
  if (Mode == bmUp || (Mode == bmFlat && DrawFlatButtonUp(DrawData.DisplayCol, DrawData.DisplayRow))) {
    DrawUpButton(r, Graphics::clSilver, fullWidth, fullHeight, FHorzLineWidth == 0, true);
  } else if (Mode == bmDown) {
    DrawDownButton(r, Graphics::clSilver, fullWidth, fullHeight, FHorzLineWidth == 0, true);
  } else {
    canvas->FillRect(r);
    // The edge would cut into the focus frame or the editor of the current cell.
    bool current = DrawData.DisplayCol == FCurDisplayCol && DrawData.DisplayRow == FCurDisplayRow;
    bool textEditor = DrawData.AsEditor && DrawData.ControlType == ctText;
    bool hurt = current && (textEditor ? FGridStatus == grNormal
                                       : FFocusBorder != fbNone && FFocusBorder != fbSingle &&
                                             DisplayFocusRect(DrawData.DisplayCol, DrawData.DisplayRow, true));
    if (DrawData.Is3D && !hurt) DrawRaisedEdge(canvas, DrawData.ButtonRect, BF_TOP);
  }
}

namespace {
// The fill and the separating lines that a raised and a pressed button share.
void DrawButtonFace(TCanvas* Canvas, const TRect& Rect, TColor LineColor, bool TopLine, bool LeftLine) {
  Canvas->FillRect(Rect);
  TSavedPen saved(Canvas);
  if (LeftLine) DrawLine(Canvas, LineColor, Rect.left - 1, Rect.top, Rect.left - 1, Rect.bottom);
  if (TopLine) DrawLine(Canvas, LineColor, Rect.left - 1, Rect.top - 1, Rect.right, Rect.top - 1);
}
}  // namespace

void TtsBaseGrid::DrawUpButton(const TRect& Rect, TColor LineColor, Integer FullWidth, Integer FullHeight, bool TopLine,
                               bool LeftLine) {
  TCanvas* canvas = GetCanvas();
  DrawButtonFace(canvas, Rect, LineColor, TopLine, LeftLine);
  DrawRaisedEdge(canvas, Rect, BF_LEFT | BF_TOP);
  // The right and bottom edges only where the button is not cut off.
  bool widthCut = Rect.right < Rect.left + FullWidth - 1;
  bool heightCut = Rect.bottom < Rect.top + FullHeight;
  UINT sides = (widthCut ? 0 : BF_RIGHT) | (heightCut ? 0 : BF_BOTTOM);
  if (sides) DrawRaisedEdge(canvas, Rect, sides);
}

void TtsBaseGrid::DrawDownButton(const TRect& Rect, TColor LineColor, Integer FullWidth, Integer FullHeight,
                                 bool TopLine, bool LeftLine) {
  TCanvas* canvas = GetCanvas();
  DrawButtonFace(canvas, Rect, LineColor, TopLine, LeftLine);
  bool heightCut = Rect.bottom + 1 < Rect.top + FullHeight;
  if (Rect.right >= Rect.left + FullWidth - 1)
    DrawSunkenEdge(canvas, Rect, heightCut ? BF_RIGHT : BF_RIGHT | BF_BOTTOM);
  else if (!heightCut)
    DrawSunkenEdge(canvas, Rect, BF_BOTTOM);
  RECT r = Rect;
  DrawEdge(canvas->GetHandle(), &r, BDR_SUNKENOUTER, BF_LEFT | BF_TOP);
}

void TtsBaseGrid::DrawButtonPicture(TtsDrawData& DrawData, TColor Color, TtsButtonMode Mode) {
  if (DrawData.ButtonType == btNone || IsRectEmpty(&DrawData.ButtonRect)) return;
  if (FInactiveButtonState == ibsNone && !CanDrawButton(DrawData.DisplayCol, DrawData.DisplayRow, Mode == bmFlat))
    return;
  TtsCustomButton* button = GridCellButton(DrawData.DataCol, DrawData.ButtonType);
  TBitmap* bitmap = button ? button->GetBitmap() : nullptr;
  if (!bitmap) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(Color == Graphics::clNone ? DrawData.Color : Color);
  const TRect& cell = DrawData.CellRect;
  Integer bw = button->GetWidth(), bh = button->GetHeight(), fw = button->FullWidth();
  Integer pw = bitmap->GetWidth(), ph = bitmap->GetHeight(), edge = FButtonEdgeWidth;
  Integer down = Mode == bmDown ? 1 : 0;
  TRect dest;
  dest.left = std::max<Integer>(0, (bw - pw) / 2) + std::max<Integer>(cell.left + edge + 3, cell.right + edge - fw) + down;
  dest.right = std::min<Integer>(dest.left + pw, cell.right - edge);
  dest.top = cell.top + 1 - FHorzLineWidth + std::max<Integer>(0, (bh - ph) / 2) + edge + down;
  Integer height = down ? std::min(bh - 1, ph) : std::min(bh, ph);
  dest.bottom = std::min<Integer>(dest.top + height, cell.bottom);
  if (IsRectEmpty(&dest)) return;
  BmpHandleNeeded(bitmap);
  TRect source(0, 0, dest.Width(), dest.Height());
  if (button->GetTransparentColor() == Graphics::clNone)
    CopyRectWithMode(canvas, dest, bitmap, source, MERGECOPY);
  else
    canvas->BrushCopy(dest, bitmap, source, button->GetTransparentColor());
}

void TtsBaseGrid::DrawSpinButtons(TtsButtonType ButtonType, TtsSpinButtons Parts, TtsSpinButton Pressed,
                                  TColor Color, TtsDrawData& DrawData, bool Selected) {
  GetCanvas()->GetBrush()->SetColor(ButtonBrushColor(Color, DrawData, Selected));
  FCurrentButton = GridCellButton(DrawData.DataCol, ButtonType);
  if (!FCurrentButton) return;
  TRect increment, decrement;
  Integer w, h;
  GetSpinRects(ButtonType, DrawData.ButtonRect, increment, decrement, w, h);
  struct TPart {
    TtsSpinButton Part;
    const TRect& Rect;
    bool TopLine, LeftLine;
    Integer FullWidth, FullHeight;  // as the raised or pressed box takes them
    Integer ArrowWidth, ArrowHeight;  // as the arrow takes them
    TBitmap* Arrow;
  };
  bool noLine = FHorzLineWidth == 0;
  Integer fullWidth = FCurrentButton->FullWidth();
  const bool vertical = ButtonType == btVertSpin;
  const TPart parts[] = {
      vertical ? TPart{spbIncrement, increment, noLine, true, fullWidth, h, fullWidth, h, SpinUpBitmap}
               : TPart{spbDecrement, decrement, noLine, true, w + 1, decrement.Height(), w, decrement.Height(),
                       SpinLeftBitmap},
      vertical ? TPart{spbDecrement, decrement, false, true, fullWidth, h, fullWidth, h, SpinDownBitmap}
               : TPart{spbIncrement, increment, noLine, false, w + 1, increment.Height(), w, increment.Height(),
                       SpinRightBitmap},
  };
  for (const TPart& part : parts) {
    if (!Parts.Contains(part.Part) || IsRectEmpty(&part.Rect)) continue;
    bool pressed = part.Part == Pressed;
    if (pressed)
      DrawDownButton(part.Rect, Graphics::clSilver, part.FullWidth, part.FullHeight, part.TopLine, part.LeftLine);
    else
      DrawUpButton(part.Rect, Graphics::clSilver, part.FullWidth, part.FullHeight, part.TopLine, part.LeftLine);
    DrawSpinPicture(ButtonType, part.Part, part.Rect, part.ArrowWidth, part.ArrowHeight, part.Arrow, pressed);
  }
}

void TtsBaseGrid::DrawSpinPicture(TtsButtonType ButtonType, TtsSpinButton Part, const TRect& Rect, Integer Width,
                                  Integer Height, TBitmap* Bitmap, bool Pressed) {
  if (IsRectEmpty(&Rect) || !Bitmap) return;
  Integer c = Width, b = Height, pw, ph;
  Integer bmw = Bitmap->GetWidth(), bmh = Bitmap->GetHeight();
  const bool vertical = ButtonType == btVertSpin;
  if (vertical) {
    pw = std::min(bmw, c - 3);
    ph = std::min(bmh, b - 4);
    c -= 1;
  } else {
    pw = std::min(bmw, c - 4);
    ph = std::min(bmh, b - 2);
  }
  pw = std::min(std::max<Integer>(2, pw), c - 2);
  ph = std::min(std::max<Integer>(2, ph), b - 2);
  if (pw <= 0 || ph <= 0) return;
  Integer left = Rect.left + (c - pw) / 2, top = Rect.top + (b - ph) / 2;
  bool oddHeight = (b - ph) % 2 != 0;
  if (vertical ? Part == spbDecrement && oddHeight : oddHeight) top += 1;
  if (!vertical && Part == spbIncrement && (c - pw) % 2 != 0) left += 1;
  if (Pressed) left += 1, top += 1;
  // Which part of the arrow shows when the arrow is cut down to the part.
  Integer sx = vertical ? (bmw - pw) / 2 : (Part == spbIncrement ? bmw - pw : 0);
  Integer sy = vertical ? (Part == spbDecrement ? bmh - ph : 0) : (bmh - ph) / 2;
  TRect dest(left, top, left + pw, top + ph);
  TRect clipped;
  if (!IntersectRect(&clipped, &dest, &Rect)) return;
  TRect source(sx + clipped.left - dest.left, sy + clipped.top - dest.top, 0, 0);
  source.right = source.left + clipped.Width();
  source.bottom = source.top + clipped.Height();
  BmpHandleNeeded(Bitmap);
  CopyRectWithMode(GetCanvas(), clipped, Bitmap, source, MERGECOPY);
}

// ---- The button part and the selection strip --------------------------------------------------------------
void TtsBaseGrid::FillButtonPart(TtsDrawData& DrawData, bool Selected) {
  if (!DrawData.HasButton || IsRectEmpty(&DrawData.ButtonRect)) return;
  FillCellRect(DrawData, DrawData.ButtonRect, Selected);
  if (DrawData.Is3D && !(DrawData.AsEditor && DrawData.ControlType == ctText))
    DrawRaisedEdge(GetCanvas(), DrawData.ButtonRect, BF_TOP);
}

void TtsBaseGrid::FillSelectionPart(TtsDrawData& DrawData, bool Selected) {
  if (!CanPaint() || GetInDesignMode()) return;
  GetCanvas()->GetBrush()->SetColor(GetColor());
  TRect r = DrawData.CellRect;
  r.right = std::min(r.left + 3, r.right);
  if (DrawData.Is3D) r.bottom += FHorzLineWidth - 1;
  FillCellRect(DrawData, r, Selected);
  if (DrawData.Is3D && !(DrawData.AsEditor && DrawData.ControlType == ctText))
    DrawRaisedEdge(GetCanvas(), r, BF_LEFT | BF_TOP);
}

// ---- Redrawing one button outside a paint -----------------------------------------------------------------
void TtsBaseGrid::DoDrawButton(Integer DisplayCol, Integer DisplayRow, TtsSpinButtons Parts, TtsSpinButton Pressed,
                               TColor Color, TtsButtonMode Mode) {
  if (DisplayCol < 1 || DisplayCol > GetColCount() - 1 || DisplayRow < 1 || DisplayRow > GetRowCount() - 1) return;
  TtsDrawData data;
  GetDrawData(DisplayCol, DisplayRow, data, true);
  if (IsRectEmpty(&data.ButtonRect) || !HandleAllocated()) return;
  if (!CanPaint()) {
    WinPaint::InvalidateRect(GetHandle(), &data.ButtonRect, FALSE);
    return;
  }
  bool selected = IsCellSelected(DisplayCol, DisplayRow);
  GetEditColor(data, FActiveControl && FActiveControl->GetVisible() && InEditState());
  TtsButtonMode effective = Mode == bmFlat && DrawFlatButtonUp(DisplayCol, DisplayRow) ? bmUp : Mode;
  // A resting button of the focused cell is left to a paint, which draws it with the focus frame.
  if (effective == bmFlat && DisplayFocusRect(DisplayCol, DisplayRow, true)) {
    ResetButtonUp();
    ResetButtonDown();
    WinPaint::InvalidateRect(GetHandle(), &data.ButtonRect, FALSE);
    Update();
    return;
  }
  if (IsSpinButton(data.ButtonType)) {
    if (Color == Graphics::clNone)
      FillButtonPart(data, selected);
    else
      DrawSpinButtons(data.ButtonType, Parts, Pressed, Color, data, selected);
  } else {
    if (effective == bmFlat) FillButtonPart(data, selected);
    DrawButtonBox(Color, Mode, data, selected);
    DrawButtonPicture(data, Color, Mode);
  }
  if (Mode != bmUp && !SelectionColorEnabled() && selected) {
    const TRect& r = data.ButtonRect;
    PatBlt(GetCanvas()->GetHandle(), r.left, r.top, r.Width(), r.Height(), DSTINVERT);
  } else if (effective == bmFlat && (FFocusBorder == fbSingle || FFocusBorder == fbDouble) &&
             DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true) && NextToCurrentCell(DisplayCol, DisplayRow)) {
    DrawCurrentFocusRect(true);
  }
}

bool TtsBaseGrid::NextToCurrentCell(Integer DisplayCol, Integer DisplayRow) {
  bool left = DisplayCol == FCurDisplayCol - 1, above = DisplayRow == FCurDisplayRow - 1;
  return (left && DisplayRow == FCurDisplayRow && FVertLineWidth == 0) ||
         (above && DisplayCol == FCurDisplayCol && FHorzLineWidth == 0) ||
         (left && above && FVertLineWidth == 0 && FHorzLineWidth == 0);
}

// ---- Hot and pressed state ------------------------------------------------------------------------------------
void TtsBaseGrid::SetHotButton(Integer DisplayCol, Integer DisplayRow, TtsSpinButton Part) {
  FHotButtonCol = DisplayCol;
  FHotButtonRow = DisplayRow;
  FHotSpin = Part;
}

void TtsBaseGrid::SetButtonDown(Integer DisplayCol, Integer DisplayRow, TtsSpinButton Part) {
  FButtonDownCol = DisplayCol;
  FButtonDownRow = DisplayRow;
  FPressedSpin = Part;
}

void TtsBaseGrid::ResetButtonUp() {
  FHotButtonCol = FHotButtonRow = -1;
  FHotSpin = spbNone;
}

void TtsBaseGrid::ResetButtonDown() {
  FButtonDownCol = FButtonDownRow = -1;
  FPressedSpin = spbNone;
  FSpinRepeatCount = 0;
  StopTimer(FSpinTimer);
}

void TtsBaseGrid::ResetButton() {
  StopTimer(FButtonTimer);
  if (FHotButtonCol >= 0 && FHotButtonRow >= 0) {
    Integer col = FHotButtonCol, row = FHotButtonRow;
    TtsSpinButton part = FHotSpin;
    ResetButtonUp();
    DoDrawButton(col, row, TtsSpinButtons{part}, spbNone, ButtonColor(col, row), bmFlat);
  }
  if (FButtonDownCol >= 0 && FButtonDownRow >= 0) {
    Integer col = FButtonDownCol, row = FButtonDownRow;
    TtsSpinButton part = FPressedSpin;
    ResetButtonDown();
    DoDrawButton(col, row, TtsSpinButtons{part}, spbNone, ButtonColor(col, row), bmFlat);
  }
}

void TtsBaseGrid::CheckResetButtons() {
  if (FHotButtonCol >= GetColCount() || FHotButtonRow >= GetRowCount()) ResetButtonUp();
  if (FButtonDownCol >= GetColCount() || FButtonDownRow >= GetRowCount()) ResetButtonDown();
}

// ---- The button timer and the spin timer ------------------------------------------------------------------
void TtsBaseGrid::CheckMousePosition() {
  if (!HandleAllocated()) return;
  POINT screen;
  GetCursorPos(&screen);
  TPoint p = ScreenToClient(TPoint(screen.x, screen.y));
  Integer col, row;
  CellFromXY(p.x, p.y, col, row);
  if (!MouseOverButton(p.x, p.y, col, row)) ResetButton();
}

bool TtsBaseGrid::SpinTimerActive() {
  return Focused() && FMouseStatus == msButtonDown && GetMouseCapture() && FPressedSpin != spbNone && FSpinTimer != 0;
}

bool TtsBaseGrid::ResetSpinTimer() {
  if (SpinTimerActive()) return false;
  StopTimer(FSpinTimer);
  ResetButton();
  return true;
}

bool TtsBaseGrid::SpinTimerEvent() {
  if (ResetSpinTimer()) return false;
  CheckRestartSpinTimer();
  ++FSpinRepeatCount;
  try {
    SpinRepeat(FCurDataCol, FCurDataRow, FPressedSpin, FSpinRepeatCount);
  } catch (...) {
    ResetButtonDown();
    InvalidateCell(FCurDisplayCol, FCurDisplayRow);
    throw;
  }
  return true;
}

}  // namespace TSGrid
