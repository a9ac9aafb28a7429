// The check box's value and state, its toggle order, undo, mouse and space-bar handling and
// painting.
#include "TSGridCheckBox.h"

#include "Forms.h"
#include "Graphics.h"
#include "TSCommon.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsGridCheckBox)

namespace {

// A number as a state: anything but 0, 1 and 2 (a Boolean true is -1) reads as grayed, so that no
// value indexes past the images of the three states.
TCheckBoxState StateOfNumber(const Variant& V) {
  const Int64 n = V.ToInt64();
  return n >= cbUnchecked && n <= cbGrayed ? static_cast<TCheckBoxState>(n) : cbGrayed;
}

}  // namespace

void TtsGridCheckBox::Construct() {
  inherited::Construct();
  SetDoubleClicks(false);
  SetCursor(crDefault);
  FValue = Variant(static_cast<Byte>(0));
  FOldValue = Variant(static_cast<Byte>(0));
  CheckBoxStrip();
  SetCheckBoxStyle(cbWin95);
}

void TtsGridCheckBox::Destroy() {
  DeleteCheckBoxBitmaps();
  inherited::Destroy();
}

void TtsGridCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      inherited::Dispatch(Message);
      Repaint();
      FSpaceRefused = false;
      return;
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      if (!Destroying() && GetVisible()) Repaint();
      return;
    case WM_LBUTTONUP:
      // A release reports a click even when the class library did not mark the box clicked.
      FClickPending = FPressedHere || Focused();
      inherited::Dispatch(Message);
      return;
    case WM_SETCURSOR:
      if (Screen->GetCursor() != crDefault) {
        inherited::Dispatch(Message);
        return;
      }
      ::SetCursor(Screen->GetCursors(GetCursor()));
      Message.Result = 1;
      return;
    default: inherited::Dispatch(Message);
  }
}

// ---- Value ----------------------------------------------------------------------------------------------------
bool TtsGridCheckBox::CheckBoxMasked() const { return FMouseTracking ? FPressedLook : FSpaceHeld; }

void TtsGridCheckBox::ResetSelectState() {
  FPressedLook = false;
  Invalidate();
}

void TtsGridCheckBox::SetValue(const Variant& V) {
  if (CheckCanChange(false)) SetCheckBoxValue(V, false, false);
}

void TtsGridCheckBox::SetEditValue(const Variant& V, bool ByUser) {
  if (CheckCanEdit(false)) SetCheckBoxValue(V, true, ByUser);
}

void TtsGridCheckBox::SetCheckBoxState(TCheckBoxState S) { SetValue(Variant(static_cast<Byte>(S))); }

void TtsGridCheckBox::SetEditCheckBoxState(TCheckBoxState S, bool ByUser) {
  SetEditValue(Variant(static_cast<Byte>(S)), ByUser);
}

void TtsGridCheckBox::SetCheckBoxValue(const Variant& V, bool IsEdit, bool ByUser) {
  FOldState = cbUnchecked;
  FOldStateSaved = false;
  if (VarIsNull(V) || VarIsEmpty(V) || VarIsStr(V)) {
    FValue = V;
    FState = VariantToCheckBox(V, FCheckBoxValues);
  } else if (!FCheckBoxValues.empty()) {
    FState = StateOfNumber(V);
    FValue = CheckBoxToVariant(FState, FCheckBoxValues);
  } else {
    FValue = V;
    FState = StateOfNumber(V);
  }
  Invalidate();
  DoNotifyChanged(true);
  DoChanged(IsEdit, ByUser, false);
}

void TtsGridCheckBox::ToggleCheckBoxState() {
  if (!FOldStateSaved) {
    FOldState = FState;
    FOldValue = FValue;
    FOldStateSaved = true;
  }
  switch (FState) {
    case cbUnchecked: FState = cbChecked; break;
    case cbChecked: FState = FAllowGrayed ? cbGrayed : cbUnchecked; break;
    default: FState = cbUnchecked; break;
  }
  if (!FCheckBoxValues.empty()) {
    // The value text decides: a grayed state without a grayed text reads back from its value.
    FValue = CheckBoxToVariant(FState, FCheckBoxValues);
    FState = VariantToCheckBox(FValue, FCheckBoxValues);
  } else {
    FValue = Variant(static_cast<Integer>(FState));
  }
}

bool TtsGridCheckBox::UndoEdit(Word& Key) {
  if (!FOldStateSaved) return false;
  Key = 0;
  return DoUndoChanged(true) && RestoreOldState();
}

bool TtsGridCheckBox::RestoreOldState() {
  if (!FOldStateSaved) return false;
  const Variant old = FOldValue;
  SetCheckBoxValue(old, false, false);
  return true;
}

void TtsGridCheckBox::ReportToggle() {
  DoNotifyChanged(true);
  DoChanged(true, true, false);
}

// ---- Mouse ------------------------------------------------------------------------------------------------------
void TtsGridCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (!Designing() && CanFocus()) SetFocus();
  if (Button == mbLeft && KeyEdit) {
    FMouseTracking = GetMouseCapture();
    if (FMouseTracking) {
      if (CheckCanEdit(true)) {
        FPressedLook = true;
        Repaint();
      } else {
        FMouseTracking = false;
      }
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TtsGridCheckBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (FMouseTracking && !GetMouseCapture()) {
    FMouseTracking = false;
    ResetSelectState();
  }
  if (FMouseTracking) {
    // The box stays pressed while the pointer is over it or just left of it.
    const bool over = X >= -3 && X < GetWidth() && Y >= 0 && Y < GetHeight();
    if (over != FPressedLook) {
      FPressedLook = over;
      Repaint();
    }
  }
  inherited::MouseMove(Shift, X, Y);
}

void TtsGridCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  bool toggled = false;
  if (FMouseTracking && Button == mbLeft) {
    const bool pressed = CheckBoxMasked();
    FMouseTracking = false;
    if (pressed) {
      FPressedLook = false;
      ToggleCheckBoxState();
      Invalidate();
      toggled = true;
    }
  }
  if (Button == mbLeft) SetMouseCapture(false);
  if (toggled) ReportToggle();
  inherited::MouseUp(Button, Shift, X, Y);
}

// ---- Keys ---------------------------------------------------------------------------------------------------------
void TtsGridCheckBox::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Pressed()) {
    Key = 0;
  } else if (Key == ' ') {
    SpaceKeyDown();
    Key = 0;
  }
  if (Key != 0) DoEndKeyPress(Key);
}

void TtsGridCheckBox::SpaceKeyDown() {
  if (FSpaceHeld || FSpaceRefused) return;
  FSpaceRefused = true;
  if (!CheckCanEdit(true)) return;
  FSpaceRefused = false;
  FSpaceHeld = true;
  Repaint();
}

void TtsGridCheckBox::KeyUp(Word& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  bool toggled = false;
  if (Key == VK_SPACE) {
    if (FSpaceHeld) {
      FSpaceHeld = false;
      ToggleCheckBoxState();
      Invalidate();
      Click();
      toggled = true;
    }
    FSpaceRefused = false;
  }
  if (Key != 0) DoEndKeyUp(Key, Shift);
  if (toggled) ReportToggle();
}

void TtsGridCheckBox::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Pressed()) {
    Key = 0;
    return;
  }
  const TShiftState modifiers = Shift * TShiftState{ssShift, ssCtrl, ssAlt};
  bool undone = false;
  if ((Key == VK_ESCAPE && modifiers.Empty()) || (Key == 'Z' && modifiers == TShiftState{ssCtrl}))
    undone = UndoEdit(Key);
  if (Key != 0) DoEndKeyDown(Key, Shift);
  if (undone) DoNotifyChanged(true);
}

// ---- Painting --------------------------------------------------------------------------------------------------------
void TtsGridCheckBox::Paint() {
  inherited::Paint();
  GetCanvas()->GetBrush()->SetColor(GetColor());
  DrawCheck(GetCanvas(), GetClientRect(), ShowsFocus());
}

void TtsGridCheckBox::DrawCheck(TCanvas* Canvas, const TRect& Rect, bool Focused) {
  const Integer width = Rect.Width(), height = Rect.Height();
  if (width <= 0 || height <= 0) return;
  // Composed off the screen on the canvas's brush, then copied in one piece.
  TOwnedPtr<TBitmap> picture(New<TBitmap>());
  picture->SetPixelFormat(pf32bit);
  picture->SetSize(width, height);
  TCanvas* target = picture->GetCanvas();
  target->SetBrush(Canvas->GetBrush());
  target->SetPen(Canvas->GetPen());
  target->FillRect(TRect(0, 0, width, height));
  Integer copyMode;
  TRect source;
  TBitmap* image = GetCheckBoxBitmap(FState, copyMode, true, source);
  const Integer imageWidth = source.Width(), imageHeight = source.Height();
  const bool ctl3D = GetCtl3D();
  const Integer x = (width - imageWidth) / 2, y = (height - imageHeight) / 2 + (ctl3D ? 1 : 0);
  HDC dc = target->GetHandle();
  if (Focused) {
    TRect focus(x - 5, y - 2, x + imageWidth + 5, y + imageHeight + 2);
    focus.left = focus.left < 0 ? 0 : focus.left;
    focus.top = focus.top < 0 ? 0 : focus.top;
    focus.right = focus.right > width ? width : focus.right;
    focus.bottom = focus.bottom > height ? height : focus.bottom;
    if (ctl3D && focus.left == 0) focus.left = 1;
    if (ctl3D && focus.top == 0) focus.top = 1;
    // Even around the image: no wider on the right than on the left, no taller below than above.
    if (focus.right - (x + imageWidth) > x - focus.left) focus.right = x + imageWidth + (x - focus.left);
    if (focus.bottom - (y + imageHeight) > y - focus.top) focus.bottom = y + imageHeight + (y - focus.top);
    RECT r = focus;
    DrawFocusRect(dc, &r);
  }
  BitBlt(dc, x, y, imageWidth, imageHeight, image->GetCanvas()->GetHandle(), source.left, source.top, static_cast<DWORD>(copyMode));
  Canvas->Draw(Rect.left, Rect.top, picture.get());
  if (ctl3D) {
    RECT edge = Rect;
    DrawEdge(Canvas->GetHandle(), &edge, BDR_RAISEDINNER, BF_TOP);
  }
}

}  // namespace TSGrid
