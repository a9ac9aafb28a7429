// The edit box's text model: its lines, the caret's place in them and on the screen, scrolling,
// the selection in bytes and in characters, the caret moves and painting.
#include "TSGridEditBox.h"

#include <cmath>
#include <cstring>

#include "Graphics.h"
#include "TSSetLib.h"
#include "Tsglib.h"
#include "Tsmbcs.h"
#include "WinCaret.h"
#include "WinGdi.h"

namespace TSGrid {

namespace {

bool IsBreakByte(char C) { return C == '\r' || C == '\n'; }

// An ASCII byte other than a line break is a character of its own wherever it stands, so the
// position after it is always a character boundary.
bool EndsPlainChar(char C) { return static_cast<unsigned char>(C) < 0x80 && !IsBreakByte(C); }

// Text as the box keeps it: a C string, so it ends at its first NUL.
String UpToNul(const String& S) {
  size_t nul = S.find('\0');
  return nul == String::npos ? S : S.substr(0, nul);
}

}  // namespace

// ---- Characters -----------------------------------------------------------------------------------------
Integer TtsGridEditBox::NextPos(Integer P) const {
  if (P >= TextLength()) return TextLength();
  return P + NextCharCount(FText.c_str(), P);
}

// Character boundaries are where stepping forward from the start lands. Backward steps agree with
// that except inside a run of line-break bytes (LF CR LF), which is read forward from its start.
Integer TtsGridEditBox::PrevPos(Integer P) const {
  if (P <= 0) return 0;
  const char* text = FText.c_str();
  if (EndsPlainChar(text[P - 1])) return P - 1;
  if (!IsBreakByte(text[P - 1])) return P - PrevCharCount(text, P);
  Integer q = P - 1;
  while (q > 0 && IsBreakByte(text[q - 1])) --q;
  while (NextPos(q) < P) q = NextPos(q);
  return q;
}

Integer TtsGridEditBox::SnapToBoundary(Integer P, bool Forward) const {
  const Integer length = TextLength();
  if (P <= 0) return 0;
  if (P >= length) return length;
  const char* text = FText.c_str();
  if (EndsPlainChar(text[P - 1])) return P;
  Integer q = P - 1;
  while (q > 0 && !EndsPlainChar(text[q - 1])) --q;
  for (Integer next = NextPos(q); next <= P && next > q; next = NextPos(q)) q = next;
  return q == P || !Forward ? q : NextPos(q);
}

void TtsGridEditBox::CountChars(Integer From, Integer To, Integer& Chars) const {
  Chars = 0;
  for (Integer p = From; p < To; p = NextPos(p)) ++Chars;
}

Integer TtsGridEditBox::CharsToBytes(Integer From, Integer Chars) const {
  Integer p = From;
  for (Integer i = 0; i < Chars && p < TextLength(); ++i) p = NextPos(p);
  return p - From;
}

// ---- Measuring -----------------------------------------------------------------------------------------
TCanvas* TtsGridEditBox::MeasureCanvas() {
  TCanvas* canvas = FMeasureBitmap->GetCanvas();
  canvas->TextExtent(String());
  return canvas;
}

void TtsGridEditBox::Metrics(TEXTMETRICA& TM) { GetTextMetricsA(MeasureCanvas()->GetHandle(), &TM); }

Integer TtsGridEditBox::MeasureWidth(Integer Start, Integer Length) {
  if (Length <= 0) return 0;
  TEXTMETRICA tm;
  Metrics(tm);
  Integer width = 0;
  GetPrintCharWidth(MeasureCanvas(), tm, FText.c_str() + Start, Length, false, false, width);
  return width;
}

Integer TtsGridEditBox::Overhang() {
  TEXTMETRICA tm;
  Metrics(tm);
  return tm.tmOverhang;
}

Integer TtsGridEditBox::LineSpacing() {
  TEXTMETRICA tm;
  Metrics(tm);
  return TextLineSpacing(tm);
}

Integer TtsGridEditBox::GetTextHeight() {
  TEXTMETRICA tm;
  Metrics(tm);
  return tm.tmHeight + TextLineSpacing(tm);
}

bool TtsGridEditBox::IsMultiLine() {
  return GetWordWrap() != wwOff && IsMultiLineText(GetHeight() - LineSpacing(), GetTextHeight());
}

TRect TtsGridEditBox::GetDrawRect() { return TRect(-LeftMargin, 0, GetWidth(), GetHeight()); }

// ---- Lines ------------------------------------------------------------------------------------------------
void TtsGridEditBox::LayoutLines() {
  GetTextLines(MeasureCanvas()->GetHandle(), FText.c_str(), GetHeight(), GetWidth(), GetAlignment(),
               GetWordWrap() != wwOff, FLines, 0);
}

Integer TtsGridEditBox::LineCount() const { return FLines->GetCount(); }

Integer TtsGridEditBox::LineStart(Integer Line) const { return FLines->GetItem(Line); }

Integer TtsGridEditBox::TextLineLength(Integer Line) const {
  const Integer end = Line + 1 < LineCount() ? LineStart(Line + 1) : TextLength();
  return end - LineStart(Line);
}

// Where the line's text ends, before a line break that closes it.
Integer TtsGridEditBox::LineTextEnd(Integer Line) const {
  const Integer start = LineStart(Line);
  const char* eol = StrNScanEol(FText.c_str() + start, TextLineLength(Line));
  return eol ? static_cast<Integer>(eol - FText.c_str()) : start + TextLineLength(Line);
}

void TtsGridEditBox::LayoutAfterEdit(Integer P, bool AtLineStart) {
  LayoutLines();
  SetTextPosition(P, AtLineStart);
  SetSelectionBytes(FCaretPos, 0);
  if (EditTextResized(true)) {
    LayoutLines();
    SetTextPosition(FCaretPos, FCaretAtLineStart);
  }
}

bool TtsGridEditBox::EditTextResized(bool ByUser) {
  const Integer height = GetHeight();
  DoNotifyChanged(true);
  if (OnEditTextResized) OnEditTextResized(this, ByUser);
  return GetHeight() != height;
}

void TtsGridEditBox::DisplayEditText() {
  LayoutLines();
  FScrollAnchor = GetAlignment() == taRightJustify ? TextLength() : 0;
  SetTextPosition(FCaretPos, FCaretAtLineStart);
  MoveCaretIntoView(true, 0.25);
}

void TtsGridEditBox::SetAlignment(TAlignment Value) {
  if (Value == GetAlignment()) return;
  inherited::SetAlignment(Value);
  FRightSlack = Value == taRightJustify ? 1 : 0;
  DisplayEditText();
  Invalidate();
}

void TtsGridEditBox::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  if (Value == GetVertAlignment()) return;
  inherited::SetVertAlignment(Value);
  DisplayEditText();
  Invalidate();
}

void TtsGridEditBox::SetWordWrap(TtsWordWrap Value) {
  if (Value == GetWordWrap()) return;
  inherited::SetWordWrap(Value);
  DisplayEditText();
  Invalidate();
}

void TtsGridEditBox::Resize() {
  DisplayEditText();
  inherited::Resize();
}

// ---- Text ---------------------------------------------------------------------------------------------------
void TtsGridEditBox::SetText(const String& S) {
  if (CheckCanChange(false)) SetTextValue(S, false, false);
}

void TtsGridEditBox::SetEditText(const String& S, bool ByUser) {
  if (CheckCanEdit(false)) SetTextValue(S, true, ByUser);
}

void TtsGridEditBox::SetTextValue(const String& S, bool IsEdit, bool ByUser) {
  if (IsEdit && ByUser && (KeyEdit || MouseSelect)) SaveOldText();
  else DropUndo();
  FText = UpToNul(S);
  LayoutLines();
  SetTextPosition(0, true);
  SetSelectionBytes(0, 0);
  if (IsEdit && EditTextResized(ByUser)) LayoutLines();
  FScrollAnchor = GetAlignment() == taRightJustify ? TextLength() : 0;
  if (IsMultiLine() || GetAlignment() != taRightJustify) MoveToStartOfText(false);
  else MoveToEndOfText(false);
  Invalidate();
  DoNotifyChanged(true);
  DoChanged(IsEdit, ByUser, false);
}

// ---- Selection ------------------------------------------------------------------------------------------------
void TtsGridEditBox::SetSelectionBytes(Integer Start, Integer Length) {
  if (Start != FSelStart) FSelStartCache = 0;
  if (Start != FSelStart || Length != FSelLength) FSelLengthCache = 0;
  FSelStart = Start;
  FSelLength = Length;
}

void TtsGridEditBox::SetSelByteStart(Integer P) {
  if (P < 0 || P > TextLength()) return;
  P = SnapToBoundary(P, false);
  if (P == FSelStart && FSelLength == 0) return;
  SetSelectionBytes(P, 0);
  Invalidate();
  DoNotifyChanged(false);
}

void TtsGridEditBox::SetSelByteLength(Integer L) {
  if (L < 0) return;
  if (FSelStart + L > TextLength()) L = TextLength() - FSelStart;
  L = SnapToBoundary(FSelStart + L, true) - FSelStart;
  if (L == FSelLength) return;
  SetSelectionBytes(FSelStart, L);
  Invalidate();
  DoNotifyChanged(false);
}

bool TtsGridEditBox::AllSelected() const { return FSelStart == 0 && FSelLength == TextLength(); }

void TtsGridEditBox::SelectAll() {
  if (GetAlignment() == taRightJustify && !IsMultiLine()) MoveToEndOfText(false);
  else MoveToStartOfText(false);
  bool changed = FSelStart != 0 || FSelLength != TextLength();
  SetSelectionBytes(0, TextLength());
  Invalidate();
  // The grid keeps the selection of its current cell from these reports.
  if (changed) DoNotifyChanged(false);
}

String TtsGridEditBox::GetSelText() const { return FText.substr(static_cast<size_t>(FSelStart), static_cast<size_t>(FSelLength)); }

Integer TtsGridEditBox::GetSelStart() {
  if (FSelStart == 0) return 0;
  if (FSelStartCache == 0) CountChars(0, FSelStart, FSelStartCache);
  return FSelStartCache;
}

Integer TtsGridEditBox::GetSelLength() {
  if (FSelLength == 0) return 0;
  if (FSelLengthCache == 0) CountChars(FSelStart, FSelStart + FSelLength, FSelLengthCache);
  return FSelLengthCache;
}

void TtsGridEditBox::SetSelStart(Integer N) { SetSelByteStart(CharsToBytes(0, N)); }

void TtsGridEditBox::SetSelLength(Integer N) { SetSelByteLength(CharsToBytes(FSelStart, N)); }

void TtsGridEditBox::TextPosToSelStart() {
  if (FCaretPos == FSelStart) return;
  SetTextPosition(FSelStart, true);
  MoveCaretIntoView(true, 0.25);
}

void TtsGridEditBox::ReplaceSelText(const String& S) {
  const String inserted = UpToNul(S);
  const Integer start = FSelStart, removed = FSelLength, added = static_cast<Integer>(inserted.size());
  FText.replace(static_cast<size_t>(start), static_cast<size_t>(removed), inserted);
  if (start < FScrollAnchor) {
    if (start + removed <= FScrollAnchor) FScrollAnchor += added - removed;
    else FScrollAnchor = start;
  }
  // Bytes that join with their new neighbours (a CR before an LF, the parts of a sequence) make one
  // character: positions step past it.
  FScrollAnchor = SnapToBoundary(FScrollAnchor, false);
  LayoutAfterEdit(SnapToBoundary(start + added, true), FCaretAtLineStart);
  MoveCaretIntoView(false, 0.25);
  Invalidate();
}

void TtsGridEditBox::SetSelText(const String& S) {
  if (S.empty() && FSelLength == 0) return;
  if (!CheckCanEdit(false)) return;
  ReplaceSelText(S);
  DoNotifyChanged(true);
  DoChanged(true, false, false);
}

// ---- The caret's place -------------------------------------------------------------------------------------
void TtsGridEditBox::SetTextPosition(Integer P, bool AtLineStart) {
  FCaretPos = SnapToBoundary(P, false);
  FCaretAtLineStart = AtLineStart;
  SetCaretRowAndOffset(FCaretPos, AtLineStart);
  FCaretPoint = GetTextCaretPos();
}

void TtsGridEditBox::SetCaretRowAndOffset(Integer P, bool AtLineStart) {
  Integer line = 0, sum = 0;
  const Integer last = LineCount() - 1;
  while (line < last && sum + TextLineLength(line) < P) sum += TextLineLength(line++);
  Integer offset = P - sum;
  if (line < last && offset == TextLineLength(line) && (AtLineStart || LastCharIsEofLine(FText.c_str(), P))) {
    ++line;
    offset = 0;
  }
  FCaretLine = line;
  FCaretOffset = offset;
}

Integer TtsGridEditBox::LineTop(Integer DefaultTop) {
  TEXTMETRICA tm;
  Metrics(tm);
  return GetVertTopOffset(DefaultTop, GetDrawRect(), FLines, TextLineSpacing(tm), GetVertAlignment(), tm);
}

Integer TtsGridEditBox::PrintedWidth(Integer Start, Integer Length, bool WithOverhang) {
  const Integer width = MeasureWidth(Start, Length);
  return WithOverhang && width > 0 ? width + Overhang() : width;
}

// Where a line of the given bytes starts: the left edge, the right edge, or centred over the
// whole cell (but not left of the client area).
Integer TtsGridEditBox::TextStartOffset(Integer Start, Integer Length, bool WithOverhang) {
  switch (GetAlignment()) {
    case taRightJustify: return GetWidth();
    case taCenter: {
      const Integer c = (GetWidth() + LeftMargin - PrintedWidth(Start, Length, WithOverhang)) / 2;
      return c < LeftMargin ? 0 : c - LeftMargin;
    }
    default: return 0;
  }
}

TPoint TtsGridEditBox::GetTextCaretPos() {
  return GetAlignment() == taRightJustify ? GetTextCaretPosRight() : GetTextCaretPosLeft();
}

TPoint TtsGridEditBox::GetTextCaretPosLeft() {
  const Integer top = LineTop(LineSpacing());
  const Integer length = TextLength();
  if (IsMultiLine()) {
    if (FFirstVisibleLine > LineCount() - 1) FFirstVisibleLine = 0;
    const Integer start = LineStart(FCaretLine);
    Integer x = TextStartOffset(start, LineTextEnd(FCaretLine) - start, false);
    const Integer y = (FCaretLine - FFirstVisibleLine) * GetTextHeight() + top;
    // Blanks that run past the right edge do not take the caret out of the window.
    Integer count = FCaretOffset;
    Integer width = MeasureWidth(start, count);
    while (x + width >= GetWidth() && count != 0) {
      const Integer before = PrevPos(start + count) - start;
      const bool droppedBlank = IsSpaceChar(FText.c_str(), start + before);
      count = before;
      width = MeasureWidth(start, count);
      if (!droppedBlank) break;
    }
    return TPoint(x + width, y);
  }
  if (FScrollAnchor > length) FScrollAnchor = 0;
  Integer x = TextStartOffset(0, length, true);
  if (FScrollAnchor < FCaretPos) x += MeasureWidth(FScrollAnchor, FCaretPos - FScrollAnchor);
  else x -= MeasureWidth(FCaretPos, FScrollAnchor - FCaretPos);
  return TPoint(x, top);
}

TPoint TtsGridEditBox::GetTextCaretPosRight() {
  const Integer base = GetWidth() - FRightSlack - Overhang();
  const Integer top = LineTop(LineSpacing());
  const Integer length = TextLength();
  if (IsMultiLine()) {
    if (FFirstVisibleLine > LineCount() - 1) FFirstVisibleLine = LineCount() - 1;
    const Integer y = (FCaretLine - FFirstVisibleLine) * GetTextHeight() + top;
    const Integer end = LineTextEnd(FCaretLine);
    Integer from = FCaretPos < end ? FCaretPos : end;
    Integer width = MeasureWidth(from, end - from);
    // Leading blanks that run past the left edge are not counted.
    while (base - width < 0 && from < end && IsSpaceChar(FText.c_str(), from)) {
      from = NextPos(from);
      width = MeasureWidth(from, end - from);
    }
    return TPoint(base - width, y);
  }
  if (FScrollAnchor > length) FScrollAnchor = length;
  if (FScrollAnchor < FCaretPos) return TPoint(base + MeasureWidth(FScrollAnchor, FCaretPos - FScrollAnchor), top);
  return TPoint(base - MeasureWidth(FCaretPos, FScrollAnchor - FCaretPos), top);
}

// ---- From a point to a position -------------------------------------------------------------------------------
Integer TtsGridEditBox::GetPointCaretPos(const TPoint& Point, bool& AtLineStart) {
  const Integer length = TextLength();
  if (IsMultiLine()) {
    const Integer top = LineTop(0);
    const Integer pitch = GetTextHeight();
    Integer line = 0;
    while (line < LineCount() && (line - FFirstVisibleLine + 1) * pitch + top <= Point.y) ++line;
    if (line >= LineCount()) {
      AtLineStart = true;
      return length;
    }
    const Integer start = LineStart(line);
    const Integer full = TextLineLength(line);
    const Integer searched = LineTextEnd(line) - start;
    const Integer startX = GetAlignment() == taRightJustify ? GetWidth() - FRightSlack - Overhang()
                                                            : TextStartOffset(start, searched, false);
    const Integer offset = LineCaretPos(start, searched, startX, Point.x);
    AtLineStart = offset < full;
    return start + offset;
  }
  Integer position;
  if (GetAlignment() == taRightJustify) {
    position = LineCaretPos(0, FScrollAnchor, GetWidth() - FRightSlack - Overhang(), Point.x);
  } else {
    const Integer startX = TextStartOffset(0, length, true);
    position = FScrollAnchor + LineCaretPos(FScrollAnchor, length - FScrollAnchor, startX, Point.x);
  }
  AtLineStart = position < length;
  return position;
}

// The offset within Length bytes from Start nearest to X; the text starts at StartX, or for right
// alignment ends there.
Integer TtsGridEditBox::LineCaretPos(Integer Start, Integer Length, Integer StartX, Integer X) {
  const Integer end = Start + Length;
  if (GetAlignment() == taRightJustify) {
    Integer p = end, x = StartX, width = 0;
    while (X < x && p > Start) {
      const Integer before = PrevPos(p);
      width = MeasureWidth(before, p - before);
      x -= width;
      p = before;
    }
    // Stopped inside the character just stepped over: the nearer edge wins, a tie going after it.
    if (p < end && X - x >= (x + width) - X) p = NextPos(p);
    return p - Start;
  }
  Integer p = Start, x = StartX, width = 0;
  while (x < X && p < end) {
    const Integer next = NextPos(p);
    width = MeasureWidth(p, next - p);
    x += width;
    p = next;
  }
  if (p > Start && X - (x - width) < x - X) p = PrevPos(p);
  return p - Start;
}

// ---- Scrolling ------------------------------------------------------------------------------------------------
bool TtsGridEditBox::MoveCaretUpIntoView() {
  bool scrolled = false;
  const Integer pitch = GetTextHeight();
  while (FCaretPoint.y + pitch > GetHeight() && FFirstVisibleLine < FCaretLine) {
    ++FFirstVisibleLine;
    FCaretPoint.y -= pitch;
    scrolled = true;
  }
  return scrolled;
}

bool TtsGridEditBox::MoveCaretDownIntoView() {
  bool scrolled = false;
  const Integer pitch = GetTextHeight();
  while (FCaretPoint.y < 0 && FFirstVisibleLine > 0) {
    --FFirstVisibleLine;
    FCaretPoint.y += pitch;
    scrolled = true;
  }
  return scrolled;
}

bool TtsGridEditBox::MoveCaretLeftIntoView(double Fraction) {
  bool scrolled = false;
  const Integer target = static_cast<Integer>(std::trunc((1 - Fraction) * GetWidth()));
  const Integer overhang = Overhang();
  while (FCaretPoint.x + overhang >= target && FCaretPoint.x > 0 && FScrollAnchor < TextLength()) {
    const Integer next = NextPos(FScrollAnchor);
    FCaretPoint.x -= MeasureWidth(FScrollAnchor, next - FScrollAnchor);
    FScrollAnchor = next;
    scrolled = true;
  }
  return scrolled;
}

bool TtsGridEditBox::MoveCaretRightIntoView(double Fraction) {
  bool scrolled = false;
  const Integer target = static_cast<Integer>(std::trunc(GetWidth() * Fraction));
  while (FCaretPoint.x < target && FScrollAnchor > 0) {
    const Integer before = PrevPos(FScrollAnchor);
    FCaretPoint.x += MeasureWidth(before, FScrollAnchor - before);
    FScrollAnchor = before;
    scrolled = true;
  }
  return scrolled;
}

bool TtsGridEditBox::MoveCaretIntoView(bool Repaint, double Fraction) {
  bool scrolled = false, repaint = false;
  if (IsMultiLine()) {
    scrolled = MoveCaretUpIntoView();
    scrolled = MoveCaretDownIntoView() || scrolled;
    repaint = scrolled;
  } else if (FCaretPoint.x + Overhang() >= GetWidth() && FCaretPoint.x > 0) {
    scrolled = MoveCaretLeftIntoView(Fraction);
    repaint = true;
  } else if (FCaretPoint.x < 0) {
    scrolled = MoveCaretRightIntoView(Fraction);
    repaint = scrolled;
  }
  SetCaretPos();
  if (Repaint && repaint) this->Repaint();
  return scrolled;
}

// ---- Caret moves ------------------------------------------------------------------------------------------------
TtsGridEditBox::TMoveStart TtsGridEditBox::StartMove(bool Shift, bool CheckAllSelected, bool& Refused) {
  TMoveStart start{FCaretPos, FSelStart, FSelLength};
  Refused = !Shift && CheckAllSelected && AllSelected();
  if (!Refused && !Shift) SetSelectionBytes(FCaretPos, 0);
  return start;
}

bool TtsGridEditBox::EdgeAnswer(const TMoveStart& Start, bool Answer) {
  if (Start.SelStart != FSelStart || Start.SelLength != FSelLength) Repaint();
  return Answer;
}

void TtsGridEditBox::PrepareMoveSelection() {
  if (FCaretPos != FSelStart && FCaretPos != FSelStart + FSelLength) SetSelectionBytes(FCaretPos, 0);
}

bool TtsGridEditBox::FinishMove(const TMoveStart& Start, bool Shift, bool Scrolled, bool TowardEnd) {
  if (!Shift) SetSelectionBytes(FCaretPos, 0);
  else if (FCaretPos != Start.Caret) TowardEnd ? MoveSelectionRight(Start.Caret) : MoveSelectionLeft(Start.Caret);
  if (Scrolled || Start.SelStart != FSelStart || Start.SelLength != FSelLength) Repaint();
  return true;
}

void TtsGridEditBox::MoveSelectionRight(Integer OldCaret) {
  const Integer c = FCaretPos, end = FSelStart + FSelLength;
  if (OldCaret == FSelStart && FSelLength > 0) {
    if (c < end) SetSelectionBytes(c, end - c);
    else SetSelectionBytes(end, c - end);
  } else {
    SetSelectionBytes(FSelStart, FSelLength + c - OldCaret);
  }
}

void TtsGridEditBox::MoveSelectionLeft(Integer OldCaret) {
  const Integer c = FCaretPos, end = FSelStart + FSelLength;
  if (OldCaret == FSelStart) SetSelectionBytes(c, end - c);
  else if (FSelStart < c) SetSelectionBytes(FSelStart, FSelLength + c - OldCaret);
  else SetSelectionBytes(c, FSelStart - c);
}

bool TtsGridEditBox::MoveLeft(bool Shift, bool Word, bool Default) {
  bool refused;
  const TMoveStart start = StartMove(Shift, true, refused);
  if (refused) return false;
  if (FCaretPos == 0) return EdgeAnswer(start, Default);
  PrepareMoveSelection();
  const bool scrolled = IsMultiLine() ? MoveLeftMultiLine(Word) : MoveLeftSingleLine(Word);
  return FinishMove(start, Shift, scrolled, false);
}

Integer TtsGridEditBox::WordLeft(Integer P) const {
  return SnapToBoundary(P - PrevWordCount(FText.c_str(), P), false);
}

Integer TtsGridEditBox::WordRight(Integer P) const {
  return SnapToBoundary(P + NextWordCount(FText.c_str(), P), true);
}

bool TtsGridEditBox::MoveLeftSingleLine(bool Word) {
  const Integer p = Word ? WordLeft(FCaretPos) : PrevPos(FCaretPos);
  SetTextPosition(p, p < TextLength());
  return MoveCaretIntoView(false, 0.25);
}

bool TtsGridEditBox::MoveLeftMultiLine(bool Word) {
  if (Word || FCaretOffset != 0) {
    SetTextPosition(Word ? WordLeft(FCaretPos) : PrevPos(FCaretPos), true);
  } else if (FCaretLine > 0) {
    const Integer lineStart = LineStart(FCaretLine);
    // Over a line break to the end of the previous line's text; at a soft break the same
    // position shows at the end of the previous line.
    if (LastCharIsEofLine(FText.c_str(), lineStart)) SetTextPosition(PrevPos(lineStart), false);
    else SetTextPosition(lineStart, false);
  }
  return MoveCaretIntoView(false, 0.25);
}

bool TtsGridEditBox::MoveRight(bool Shift, bool Word, bool Default) {
  bool refused;
  const TMoveStart start = StartMove(Shift, true, refused);
  if (refused) return false;
  if (FCaretPos >= TextLength()) return EdgeAnswer(start, Default);
  PrepareMoveSelection();
  const bool scrolled = IsMultiLine() ? MoveRightMultiLine(Word) : MoveRightSingleLine(Word);
  return FinishMove(start, Shift, scrolled, true);
}

bool TtsGridEditBox::MoveRightSingleLine(bool Word) {
  SetTextPosition(Word ? WordRight(FCaretPos) : NextPos(FCaretPos), true);
  return MoveCaretIntoView(false, 0.25);
}

bool TtsGridEditBox::MoveRightMultiLine(bool Word) {
  const Integer lineEnd = LineStart(FCaretLine) + TextLineLength(FCaretLine);
  if (FCaretPos < lineEnd) {
    const Integer p = Word ? WordRight(FCaretPos) : NextPos(FCaretPos);
    // A word move that ends at a line end goes on to the start of the next line.
    SetTextPosition(p, p != lineEnd || Word);
  } else {
    // At a soft break: the same position, shown at the start of the next line.
    Integer p = FCaretPos;
    if (Word)
      while (p < TextLength() && IsSpaceChar(FText.c_str(), p)) p = NextPos(p);
    SetTextPosition(p, true);
  }
  return MoveCaretIntoView(false, 0.25);
}

bool TtsGridEditBox::MoveVertically(bool Shift, bool Default, bool Down) {
  bool refused;
  const TMoveStart start = StartMove(Shift, true, refused);
  if (refused) return false;
  if (LineCount() <= 1) return EdgeAnswer(start, false);
  if (Down ? FCaretLine >= LineCount() - 1 : FCaretLine == 0) return EdgeAnswer(start, Default);
  PrepareMoveSelection();
  const Integer pitch = GetTextHeight();
  bool atLineStart;
  const Integer p =
      GetPointCaretPos(TPoint(FCaretPoint.x, FCaretPoint.y + (Down ? pitch : -pitch)), atLineStart);
  SetTextPosition(p, atLineStart);
  const bool scrolled = MoveCaretIntoView(false, 0);
  return FinishMove(start, Shift, scrolled, Down);
}

bool TtsGridEditBox::MoveUp(bool Shift, bool Default) { return MoveVertically(Shift, Default, false); }

bool TtsGridEditBox::MoveDown(bool Shift, bool Default) { return MoveVertically(Shift, Default, true); }

bool TtsGridEditBox::MovePage(bool Shift, bool Default, bool Down) {
  bool refused;
  const TMoveStart start = StartMove(Shift, true, refused);
  if (refused) return false;
  if (!IsMultiLine()) return EdgeAnswer(start, false);
  const Integer last = LineCount() - 1;
  if (Down ? FCaretLine >= last : FCaretLine == 0) return EdgeAnswer(start, Default);
  PrepareMoveSelection();
  // The text moves by up to a page under the caret, which keeps its place on the screen unless the
  // text cannot move that far; the caret lands n lines on either way.
  const Integer pitch = GetTextHeight();
  Integer n = pitch > 0 ? GetHeight() / pitch : 1;
  const Integer available = Down ? last - FCaretLine : FCaretLine;
  if (n > available) n = available;
  const Integer step = Down ? n : -n;
  Integer first = FFirstVisibleLine + step;
  first = first < 0 ? 0 : first > last ? last : first;
  const Integer shift = first - FFirstVisibleLine;
  FFirstVisibleLine = first;
  bool atLineStart;
  const Integer p = GetPointCaretPos(TPoint(FCaretPoint.x, FCaretPoint.y + (step - shift) * pitch), atLineStart);
  SetTextPosition(p, atLineStart);
  const bool scrolled = MoveCaretIntoView(false, 0) || shift != 0;
  return FinishMove(start, Shift, scrolled, Down);
}

bool TtsGridEditBox::MovePageUp(bool Shift, bool Default) { return MovePage(Shift, Default, false); }

bool TtsGridEditBox::MovePageDown(bool Shift, bool Default) { return MovePage(Shift, Default, true); }

bool TtsGridEditBox::MoveHome(bool Shift) {
  bool refused;
  const TMoveStart start = StartMove(Shift, false, refused);
  if (FCaretOffset == 0) return EdgeAnswer(start, true);
  PrepareMoveSelection();
  SetTextPosition(LineStart(FCaretLine), true);
  return FinishMove(start, Shift, MoveCaretIntoView(false, 0), false);
}

bool TtsGridEditBox::MoveEnd(bool Shift) {
  bool refused;
  const TMoveStart start = StartMove(Shift, false, refused);
  Integer end = LineStart(FCaretLine) + TextLineLength(FCaretLine);
  bool atLineStart = false;
  if (IsMultiLine() && LineTextEnd(FCaretLine) < end) {
    end = LineTextEnd(FCaretLine);
    atLineStart = true;
  }
  if (FCaretPos == end) return EdgeAnswer(start, true);
  PrepareMoveSelection();
  SetTextPosition(end, atLineStart);
  return FinishMove(start, Shift, MoveCaretIntoView(false, 0), true);
}

void TtsGridEditBox::MoveToStartOfText(bool Shift) {
  bool refused;
  const TMoveStart start = StartMove(Shift, false, refused);
  PrepareMoveSelection();
  SetTextPosition(0, true);
  FinishMove(start, Shift, MoveCaretIntoView(false, 0), false);
}

void TtsGridEditBox::MoveToEndOfText(bool Shift) {
  bool refused;
  const TMoveStart start = StartMove(Shift, false, refused);
  PrepareMoveSelection();
  SetTextPosition(TextLength(), false);
  FinishMove(start, Shift, MoveCaretIntoView(false, 0), true);
}

bool TtsGridEditBox::CtrlMoveHome(bool Shift, bool CheckStart) {
  if (FCaretPos == 0 && CheckStart) return false;
  MoveToStartOfText(Shift);
  return true;
}

bool TtsGridEditBox::CtrlMoveEnd(bool Shift) {
  if (FCaretPos >= TextLength()) return false;
  MoveToEndOfText(Shift);
  return true;
}

// ---- Painting ----------------------------------------------------------------------------------------------
void TtsGridEditBox::Paint() {
  inherited::Paint();
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->SetFont(GetFont());
  const TRect rect = GetDrawRect();
  DrawControl(canvas, GetHeight(), rect, 0, rect.top);
}

void TtsGridEditBox::DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top) {
  const bool selection = ShowsFocus();
  DisplayTextLines(Canvas, FText.c_str(), Height, Rect, Left, Top, FScrollAnchor, FFirstVisibleLine, FLines,
                   selection ? FSelStart : 0, selection ? FSelLength : 0, clHighlight, clHighlightText,
                   GetAlignment(), GetVertAlignment(), GetWordWrap() != wwOff);
}

// ---- The system caret's position --------------------------------------------------------------------------
void TtsGridEditBox::SetCaretPos() {
  if (FCaretCreated) WinCaret::SetCaretPos(FCaretPoint.x, FCaretPoint.y);
}

}  // namespace TSGrid
