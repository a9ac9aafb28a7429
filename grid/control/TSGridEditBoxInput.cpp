// What drives the edit box: its key table (held keys stop at the edges of the text, a first press
// there goes to the grid), typing with multibyte characters collected byte by byte, deleting, the
// mouse with drag selection and automatic scrolling, the clipboard, one level of undo, the
// maximum length, the picture mask and the system caret's life.
#include <climits>

#include "Clipbrd.h"
#include "Forms.h"
#include "Graphics.h"
#include "Multibyte.h"
#include "TSGridEditBox.h"
#include "TSMask.h"
#include "TSSetLib.h"
#include "Tsglib.h"
#include "Tsmbcs.h"
#include "WinCaret.h"
#include "WinClipboard.h"
#include "WinGdi.h"
#include "WinQueue.h"
#include "WinUser.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsGridEditBox)

// The edit box's link to its mask definitions: any change there makes the box look its mask up
// again at the next key.
class TtsEditMaskLink : public TtsMaskLink {
  DECLARE_CLASS(TtsEditMaskLink, TtsMaskLink)
 public:
  void MaskChanged(TtsMaskItem*) override { FEditBox->ResetEditMask(); }
  void MaskDefsDeleted() override { FEditBox->ResetEditMask(); }

 protected:
  explicit TtsEditMaskLink(TtsGridEditBox* EditBox = nullptr) : FEditBox(EditBox) {}

 private:
  TtsGridEditBox* FEditBox;
};

IMPLEMENT_CLASS(TtsEditMaskLink)

namespace {

// Characters of the text as MaxLength counts them: every UTF-8 sequence one, a CR LF two.
Integer LengthInChars(const char* Text, Integer Size) {
  Integer chars = 0, bytes = 0;
  PCountChars(Text, INT_MAX, Size, chars, bytes, false);
  return chars;
}

// The bytes a UTF-8 lead byte announces; 0 for a byte that starts no sequence of several bytes.
Integer SequenceLength(unsigned char Lead) {
  if (Lead >= 0xC2 && Lead <= 0xDF) return 2;
  if (Lead >= 0xE0 && Lead <= 0xEF) return 3;
  if (Lead >= 0xF0 && Lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuationByte(unsigned char B) { return B >= 0x80 && B <= 0xBF; }

// Typed control characters that the key table or the grid handles.
bool IsIgnoredControlChar(unsigned char C) {
  switch (C) {
    case 1: case 3: case 8: case 9: case 10: case 13: case 22: case 24: case 26: case 27: return true;
    default: return false;
  }
}

}  // namespace

void TtsGridEditBox::Construct() {
  inherited::Construct();
  SetCursor(crDefault);
  FLines = New<TtsIntegerList>();
  FLines->AddItem(0);
  FMaskLink = New<TtsEditMaskLink>(this);
  FMeasureBitmap = New<TBitmap>();
  FMeasureBitmap->SetSize(1, 1);
  FMeasureBitmap->GetCanvas()->SetFont(GetFont());
}

void TtsGridEditBox::Destroy() {
  FreeAndNil(FMaskLink);
  FreeAndNil(FLines);
  DestroyCaretBitmap();
  FreeAndNil(FMeasureBitmap);
  inherited::Destroy();
}

void TtsGridEditBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      inherited::Dispatch(Message);
      FocusGained();
      return;
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      if (!Destroying()) FocusLost();
      return;
    case WM_LBUTTONUP:
      FClickPending = FPressedHere || Focused();
      inherited::Dispatch(Message);
      return;
    case WM_SETCURSOR: SetCursorMessage(Message); return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT: CutToClipboard(false); return;
    case WM_PASTE: PasteFromClipboard(false); return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      FMeasureBitmap->GetCanvas()->SetFont(GetFont());
      LayoutLines();
      SetTextPosition(FCaretPos, FCaretAtLineStart);
      return;
    default: inherited::Dispatch(Message);
  }
}

// ---- Keys ----------------------------------------------------------------------------------------------------
bool TtsGridEditBox::IsEditKey(char Key) { return Key == 8 || static_cast<unsigned char>(Key) >= 32; }

void TtsGridEditBox::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key == 0) return;
  bool changed = false, undone = false;
  const TShiftState modifiers = Shift * TShiftState{ssShift, ssCtrl, ssAlt, ssLeft, ssRight, ssMiddle};
  const bool held = FKeyHeld;
  auto consumeIf = [&Key](bool Moved) {
    if (Moved) Key = 0;
  };
  if (KeyEdit || MouseSelect) {
    if (modifiers.Empty()) {
      switch (Key) {
        case VK_BACK: DelPrevCharFromText(changed, true); Key = 0; break;
        case VK_ESCAPE: undone = UndoEdit(Key); break;
        case VK_PRIOR: consumeIf(MovePageUp(false, held)); break;
        case VK_NEXT: consumeIf(MovePageDown(false, held)); break;
        case VK_END: MoveEnd(false); Key = 0; break;
        case VK_HOME: MoveHome(false); Key = 0; break;
        case VK_LEFT: consumeIf(MoveLeft(false, false, held)); break;
        case VK_RIGHT: consumeIf(MoveRight(false, false, held)); break;
        case VK_UP: consumeIf(MoveUp(false, held)); break;
        case VK_DOWN: consumeIf(MoveDown(false, held)); break;
        case VK_DELETE: DelNextCharFromText(changed, true); Key = 0; break;
        case VK_F2:
          if (FSelLength > 0) {
            SetSelectionBytes(FCaretPos, 0);
            Invalidate();
          }
          Key = 0;
          break;
        default: break;
      }
    } else if (modifiers == TShiftState{ssShift}) {
      switch (Key) {
        case VK_PRIOR: MovePageUp(true, false); Key = 0; break;
        case VK_NEXT: MovePageDown(true, false); Key = 0; break;
        case VK_END: MoveEnd(true); Key = 0; break;
        case VK_HOME: MoveHome(true); Key = 0; break;
        case VK_LEFT: MoveLeft(true, false, false); Key = 0; break;
        case VK_RIGHT: MoveRight(true, false, false); Key = 0; break;
        case VK_UP: MoveUp(true, false); Key = 0; break;
        case VK_DOWN: MoveDown(true, false); Key = 0; break;
        case VK_INSERT: ClipboardPaste(true); Key = 0; break;
        case VK_DELETE: ClipboardCut(true); Key = 0; break;
        default: break;
      }
    } else if (modifiers == TShiftState{ssCtrl}) {
      switch (Key) {
        case VK_RETURN: AddCharToText("\r", changed); Key = 0; break;
        case VK_END: consumeIf(CtrlMoveEnd(false)); break;
        case VK_HOME: consumeIf(CtrlMoveHome(false, true)); break;
        case VK_LEFT: consumeIf(MoveLeft(false, true, held)); break;
        case VK_RIGHT: consumeIf(MoveRight(false, true, held)); break;
        case VK_INSERT:
        case 'C': ClipboardCopy(); Key = 0; break;
        case 'A': SelectAll(); Key = 0; break;
        case 'V': ClipboardPaste(true); Key = 0; break;
        case 'X': ClipboardCut(true); Key = 0; break;
        case 'Z': undone = UndoEdit(Key); break;
        default: break;
      }
    } else if (modifiers == TShiftState{ssShift, ssCtrl}) {
      switch (Key) {
        case VK_END: consumeIf(CtrlMoveEnd(true)); break;
        case VK_HOME: consumeIf(CtrlMoveHome(true, true)); break;
        case VK_LEFT: consumeIf(MoveLeft(true, true, held)); break;
        case VK_RIGHT: consumeIf(MoveRight(true, true, held)); break;
        default: break;
      }
    }
  }
  FKeyHeld = true;
  if (Key != 0) DoEndKeyDown(Key, Shift);
  if (changed || undone) DoNotifyChanged(true);
  if (changed) DoChanged(true, true, false);
}

void TtsGridEditBox::KeyUp(Word& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  FKeyHeld = false;
  if (Key != 0) DoEndKeyUp(Key, Shift);
}

// The window layer hands a typed character over one byte per WM_CHAR: the bytes of a multibyte
// character are collected and inserted once; a stray continuation byte is dropped.
void TtsGridEditBox::KeyPress(char& Key) {
  String pending;
  pending.swap(FPendingLead);
  inherited::KeyPress(Key);
  bool changed = false;
  if (Key != 0) {
    const auto byte = static_cast<unsigned char>(Key);
    if (!pending.empty() && IsContinuationByte(byte)) {
      pending += Key;
      if (static_cast<Integer>(pending.size()) < SequenceLength(static_cast<unsigned char>(pending[0])))
        FPendingLead.swap(pending);
      else if (Utf8CharLen(pending.data(), pending.data() + pending.size()) == static_cast<int>(pending.size()))
        AddCharToText(pending, changed);
    } else if (IsIgnoredControlChar(byte) || IsContinuationByte(byte)) {
      // The key table or the grid handles these; a stray continuation byte starts nothing.
    } else if (SequenceLength(byte) > 0) {
      FPendingLead = String(1, Key);
    } else {
      AddCharToText(String(1, Key), changed);
    }
    if (Key != 0) DoEndKeyPress(Key);
  }
  if (changed) {
    DoNotifyChanged(true);
    DoChanged(true, true, true);
  }
}

// ---- Length and masks ------------------------------------------------------------------------------------
void TtsGridEditBox::SetMaxLength(Integer N) { FMaxLength = N > 0 ? N : 0; }

bool TtsGridEditBox::NewLengthOk(const String& S) {
  if (FMaxLength <= 0) return true;
  Integer length = LengthInChars(FText.c_str(), TextLength()) -
                   LengthInChars(FText.c_str() + FSelStart, FSelLength) +
                   LengthInChars(S.c_str(), static_cast<Integer>(S.size()));
  if (S == "\r") ++length;  // typed, it goes in as CR LF
  return length <= FMaxLength;
}

TtsMaskItem* TtsGridEditBox::GetEditMask() {
  if (!FMaskItem) FMaskItem = FMaskLink->GetMask(FMaskName);
  return FMaskItem;
}

TtsMaskDefsComponent* TtsGridEditBox::GetMaskDefs() const { return FMaskLink->GetMaskDefs(); }

void TtsGridEditBox::SetMaskDefs(TtsMaskDefsComponent* Value) {
  if (Value == FMaskLink->GetMaskDefs()) return;
  FMaskLink->SetMaskDefs(Value);
  ResetEditMask();
}

void TtsGridEditBox::SetMaskName(const String& Value) {
  if (Value == FMaskName) return;
  FMaskName = Value;
  ResetEditMask();
}

bool TtsGridEditBox::CanInsertText(String& S) {
  TtsMaskItem* mask = GetEditMask();
  if (!mask || !mask->GetEvaluate().Contains(mcOnEdit)) return true;
  if (mask->ValidInput(FText, S, FSelStart + 1, false, mask->GetAutoFill().Contains(mcOnEdit))) return true;
  bool accept = false;
  if (OnInvalidKeys) OnInvalidKeys(this, S, accept);
  return accept;
}

// ---- Typing and deleting ----------------------------------------------------------------------------------
void TtsGridEditBox::AddCharToText(const String& S, bool& Changed) {
  Changed = false;
  if (!NewLengthOk(S) || !CheckCanEdit(true)) return;
  String input = S;
  if (!CanInsertText(input)) return;
  if (FSelLength > 0) {
    bool deleted;
    DelSelectedText(deleted, false);
  }
  Changed = true;
  SaveOldText();
  String bytes;
  for (char c : input) {
    if (c == '\0') break;
    bytes += c;
    if (c == '\r') bytes += '\n';
  }
  const Integer at = FCaretPos;
  FText.insert(static_cast<size_t>(at), bytes);
  if (at < FScrollAnchor) FScrollAnchor += static_cast<Integer>(bytes.size());
  FScrollAnchor = SnapToBoundary(FScrollAnchor, false);
  LayoutAfterEdit(at, FCaretAtLineStart);
  MoveCaretIntoView(false, 0.25);
  // Over the new text one character at a time; at a soft line end one more step shows the caret at
  // the start of the next line.
  const Integer end = SnapToBoundary(at + static_cast<Integer>(bytes.size()), true);
  while (FCaretPos < end) {
    const Integer before = FCaretPos;
    MoveRight(false, false, false);
    if (FCaretPos == before) break;
    if (FCaretLine < LineCount() - 1 && FCaretOffset == TextLineLength(FCaretLine)) MoveRight(false, false, false);
  }
  Repaint();
}

void TtsGridEditBox::DeleteSelText(bool& Changed) {
  Changed = true;
  const Integer start = FSelStart, end = FSelStart + FSelLength;
  // Whether the deleted text ran to the end of the line it ended on.
  bool reachedLineEnd = end >= TextLength();
  for (Integer line = 0; !reachedLineEnd && line < LineCount(); ++line)
    reachedLineEnd = line > 0 && LineStart(line) == end && !LastCharIsEofLine(FText.c_str(), end);
  FText.erase(static_cast<size_t>(start), static_cast<size_t>(end - start));
  FScrollAnchor = SnapToBoundary(FScrollAnchor > end ? FScrollAnchor - (end - start)
                                 : FScrollAnchor > start ? start : FScrollAnchor, false);
  LayoutAfterEdit(start, !reachedLineEnd);
}

void TtsGridEditBox::DelSelectedText(bool& Changed, bool CheckEdit) {
  Changed = false;
  if (CheckEdit && !CheckCanEdit(true)) return;
  SaveOldText();
  DeleteSelText(Changed);
  MoveCaretIntoView(false, 0.25);
  Invalidate();
}

void TtsGridEditBox::DelNextCharFromText(bool& Changed, bool CheckEdit) {
  Changed = false;
  if (FSelLength > 0) {
    DelSelectedText(Changed, CheckEdit);
    return;
  }
  if (FCaretPos >= TextLength()) return;
  if (CheckEdit && !CheckCanEdit(true)) return;
  SaveOldText();
  const Integer at = FCaretPos;
  FText.erase(static_cast<size_t>(at), static_cast<size_t>(NextPos(at) - at));
  Changed = true;
  if (FScrollAnchor > TextLength()) FScrollAnchor = TextLength();
  FScrollAnchor = SnapToBoundary(FScrollAnchor, false);
  LayoutAfterEdit(at, true);
  MoveCaretIntoView(false, 0.25);
  Repaint();
}

void TtsGridEditBox::DelPrevCharFromText(bool& Changed, bool CheckEdit) {
  Changed = false;
  if (FSelLength > 0) {
    DelSelectedText(Changed, CheckEdit);
    return;
  }
  if (FCaretPos == 0) return;
  if (CheckEdit && !CheckCanEdit(true)) return;
  MoveLeft(false, false, false);
  // At the start of a wrapped line the first step only shows the caret at the end of the line
  // above; the second reaches the character before the break.
  if (FCaretLine < LineCount() - 1 && FCaretOffset == TextLineLength(FCaretLine)) MoveLeft(false, false, false);
  DelNextCharFromText(Changed, false);
}

// ---- Clipboard ---------------------------------------------------------------------------------------------
void TtsGridEditBox::ClipboardCopy() {
  if (FSelLength > 0) Clipboard()->SetAsText(GetSelText());
}

void TtsGridEditBox::ClipboardCut(bool ByUser) {
  if (FSelLength == 0 || !CheckCanEdit(ByUser)) return;
  SaveOldText();
  Clipboard()->SetAsText(GetSelText());
  ReplaceSelText(String());
  DoNotifyChanged(true);
  DoChanged(true, ByUser, false);
}

bool TtsGridEditBox::ClipboardPaste(bool ByUser) {
  if (!Clipboard()->HasFormat(CF_TEXT)) return false;
  String text = Clipboard()->GetAsText();
  text = text.substr(0, text.find('\0'));
  if (NewLengthOk(text) && CheckCanEdit(ByUser) && CanInsertText(text)) {
    SaveOldText();
    ReplaceSelText(text);
    DoNotifyChanged(true);
    DoChanged(true, ByUser, true);
  }
  return true;
}

// ---- Undo ---------------------------------------------------------------------------------------------------
void TtsGridEditBox::SaveOldText() {
  if (FOldTextSaved) return;
  FOldText = FText;
  FOldTextSaved = true;
}

void TtsGridEditBox::DropUndo() {
  FOldText.clear();
  FOldTextSaved = false;
}

bool TtsGridEditBox::UndoEdit(Word& Key) {
  if (!FOldTextSaved) return false;
  Key = 0;
  return DoUndoChanged(true) && RestoreOldText();
}

bool TtsGridEditBox::RestoreOldText() {
  if (!FOldTextSaved) return false;
  const String old = FOldText;
  SetTextValue(old, false, false);
  EditTextResized(true);
  DropUndo();
  return true;
}

// ---- Mouse --------------------------------------------------------------------------------------------------
void TtsGridEditBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (!Designing() && !Shift.Contains(ssDouble) && Button == mbLeft && (KeyEdit || MouseSelect)) {
    MouseDownSetPosition(X, Y);
    FMouseSelecting = GetMouseCapture();
  }
  FKeyHeld = false;
  inherited::MouseDown(Button, Shift, X, Y);
}

void TtsGridEditBox::MouseDownSetPosition(Integer X, Integer Y) {
  bool atLineStart;
  const Integer p = GetPointCaretPos(TPoint(X, Y), atLineStart);
  const bool hadSelection = FSelLength > 0;
  SetTextPosition(p, atLineStart);
  SetSelectionBytes(p, 0);
  MoveCaretIntoView(true, 0);
  if (hadSelection) Invalidate();
  ShowCaret();
  FFirstMovePending = true;
  FMouseDownPoint = TPoint(X, Y);
  FMouseAnchor = FCaretPos;
}

void TtsGridEditBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  FMouseSelecting = FMouseSelecting && GetMouseCapture();
  if (FMouseSelecting && (KeyEdit || MouseSelect) && !(FFirstMovePending && TPoint(X, Y) == FMouseDownPoint)) {
    FFirstMovePending = false;
    const Integer oldStart = FSelStart, oldLength = FSelLength;
    const Integer pitch = GetTextHeight();
    const Integer lowest = (LineCount() - FFirstVisibleLine - 1) * pitch + LineTop(LineSpacing());
    const Integer y = Y > lowest ? lowest : Y;
    // Outside a single line each move takes the caret one character on, which scrolls the text
    // under the resting pointer as long as there is text.
    bool scrolled = false;
    if (!IsMultiLine() && X < 0) {
      scrolled = FCaretPos > 0;
      if (scrolled) MoveLeftSingleLine(false);
    } else if (!IsMultiLine() && X > GetWidth()) {
      scrolled = FCaretPos < TextLength();
      if (scrolled) MoveRightSingleLine(false);
    } else {
      bool atLineStart;
      const Integer p = GetPointCaretPos(TPoint(X, y), atLineStart);
      SetTextPosition(p, atLineStart);
      scrolled = MoveCaretIntoView(false, 0);
      ShowCaret();
    }
    if (FCaretPos < FMouseAnchor) SetSelectionBytes(FCaretPos, FMouseAnchor - FCaretPos);
    else SetSelectionBytes(FMouseAnchor, FCaretPos - FMouseAnchor);
    if (scrolled || oldStart != FSelStart || oldLength != FSelLength) Repaint();
    // While the pointer rests outside, the text goes on scrolling: the box asks itself again.
    MSG waiting;
    if (scrolled && GetMouseCapture() && HandleAllocated() &&
        !PeekMessage(&waiting, GetHandle(), WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_NOREMOVE))
      PostMessage(GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(X), static_cast<WORD>(Y)));
  }
  inherited::MouseMove(Shift, X, Y);
}

void TtsGridEditBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft) {
    SetMouseCapture(false);
    FMouseSelecting = false;
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TtsGridEditBox::DblClick() {
  SelectAll();
  inherited::DblClick();
}

void TtsGridEditBox::SetCursorMessage(TMessage& Message) {
  if (Screen->GetCursor() != crDefault) {
    inherited::Dispatch(Message);
    return;
  }
  ::SetCursor(Screen->GetCursors(KeyEdit || MouseSelect ? crIBeam : GetCursor()));
  Message.Result = 1;
}

// ---- The system caret --------------------------------------------------------------------------------------
void TtsGridEditBox::ShowCaret() {
  if (FCaretCreated && FCaretWanted && !FCaretShown) FCaretShown = WinCaret::ShowCaret(GetHandle()) != FALSE;
}

void TtsGridEditBox::HideCaret() {
  if (FCaretCreated && FCaretShown) {
    WinCaret::HideCaret(GetHandle());
    FCaretShown = false;
  }
}

void TtsGridEditBox::SetCaretVisible(bool Visible) {
  FCaretWanted = Visible;
  if (Visible) ShowCaret();
  else HideCaret();
}

void TtsGridEditBox::FocusGained() {
  CreateCaretBitmap();
  TEXTMETRICA tm;
  Metrics(tm);
  WinCaret::CreateCaret(GetHandle(), FCaretBitmap, FCaretBitmap ? 0 : 1, FCaretBitmap ? 0 : tm.tmHeight);
  FCaretCreated = true;
  FCaretShown = false;
  SetCaretPos();
  SetCaretVisible(true);
  if (FSelLength > 0) Invalidate();
}

void TtsGridEditBox::FocusLost() {
  HideCaret();
  if (FCaretCreated) WinCaret::DestroyCaret();
  FCaretCreated = false;
  DestroyCaretBitmap();
  FKeyHeld = false;
  FMouseSelecting = false;
  if (FSelLength > 0) Invalidate();
}

// An italic font gets a slanted caret: a white line from the bottom-left corner of a black bitmap
// toward its top-right corner.
void TtsGridEditBox::CreateCaretBitmap() {
  DestroyCaretBitmap();
  TFont* font = GetFont();
  if (!font->GetStyle().Contains(fsItalic)) return;
  TEXTMETRICA tm;
  Metrics(tm);
  Integer width = tm.tmOverhang;
  if (font->GetStyle().Contains(fsBold)) --width;
  if (width <= 0) return;
  const Integer height = tm.tmHeight;
  HDC screen = GetDC(nullptr);
  FCaretBitmap = CreateCompatibleBitmap(screen, width + 1, height);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, FCaretBitmap);
  RECT all{0, 0, width + 1, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, 0, height - 1, nullptr);
  LineTo(dc, width - 1, 0);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
}

void TtsGridEditBox::DestroyCaretBitmap() {
  if (!FCaretBitmap) return;
  DeleteObject(FCaretBitmap);
  FCaretBitmap = nullptr;
}

}  // namespace TSGrid
