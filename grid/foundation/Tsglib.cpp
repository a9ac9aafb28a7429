// Character classes, scans, counting, measuring and line breaking of grid text.
#include "Tsglib.h"

#include <cstring>
#include <vector>

#include "Graphics.h"
#include "Multibyte.h"
#include "TSSetLib.h"
#include "Tsmbcs.h"
#include "WinGdi.h"

namespace Tsglib {

bool MeasureExcludesOverhang = false;

void TsglibInitialization() {
  TOwnedPtr<TBitmap> bitmap(New<TBitmap>());
  bitmap->SetSize(1, 1);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->GetFont()->SetName("MS Sans Serif");
  canvas->GetFont()->SetStyle({fsItalic});
  Integer one = canvas->TextWidth("X");
  Integer two = canvas->TextWidth("XX");
  MeasureExcludesOverhang = two < 2 * one;
}

// ---- Characters and scans ----------------------------------------------------------------------

namespace {

// The length of the whole character at P; a sequence cut by the terminator counts byte by byte.
Integer CharLenAt(const char* P) { return Utf8CharLen(P, P + strnlen(P, 4)); }

}  // namespace

bool IsLeadByte(Byte B) { return IsDBCSLeadByte(B); }

bool IsSpaceChar(const char* Text, Integer Pos) { return Text[Pos] == ' ' || Text[Pos] == '\t'; }

bool IsTextChar(const char* Text, Integer Pos) {
  return Text[Pos] != '\0' && !IsSpaceChar(Text, Pos) && !EofLineChar(Text, Pos);
}

const char* StrNScanEol(const char* Text, Integer Count) {
  const char* cr = AnsiStrNScan(Text, '\r', Count);
  const char* lf = AnsiStrNScan(Text, '\n', Count);
  if (!cr) return lf;
  if (!lf) return cr;
  return cr < lf ? cr : lf;
}

const char* StrRNSpaceScan(const char* Text, Integer Count) {
  const char* space = AnsiStrRNScan(Text, ' ', Count);
  const char* tab = AnsiStrRNScan(Text, '\t', Count);
  if (!space) return tab;
  if (!tab) return space;
  return space > tab ? space : tab;
}

const char* StrRNTextScan(const char* Text, Integer Count) {
  for (Integer pos = Count; pos > 0;) {
    pos -= PrevCharCount(Text, pos);
    if (IsTextChar(Text, pos)) return Text + pos;
  }
  return nullptr;
}

const char* StrNSkipSpace(const char* Text, Integer Count) {
  const char* p = Text;
  while (p - Text < Count && IsSpaceChar(p, 0)) ++p;
  return p;
}

Integer NextWordCount(const char* Text, Integer Pos) {
  Integer p = Pos;
  while (IsTextChar(Text, p)) p += NextCharCount(Text, p);
  while (!EndOfText(Text, p) && !IsTextChar(Text, p)) p += NextCharCount(Text, p);
  return p - Pos;
}

Integer PrevWordCount(const char* Text, Integer Pos) {
  Integer p = Pos;
  while (p > 0 && !IsTextChar(Text, p - PrevCharCount(Text, p))) p -= PrevCharCount(Text, p);
  while (p > 0 && IsTextChar(Text, p - PrevCharCount(Text, p))) p -= PrevCharCount(Text, p);
  return Pos - p;
}

// ---- Counting -----------------------------------------------------------------------------------

void PCountChars(const char* Text, Integer Count, Integer Size, Integer& Chars, Integer& Bytes, bool FromEnd) {
  Chars = 0;
  Bytes = 0;
  if (Count <= 0 || Size <= 0) return;
  if (!FromEnd) {
    while (Chars < Count && Bytes < Size) {
      Integer len = CharLenAt(Text + Bytes);
      if (len == 0 || Bytes + len > Size) break;
      Bytes += len;
      ++Chars;
    }
    return;
  }
  // All characters of the Size bytes first, then the last Count of them.
  std::vector<Integer> starts;
  Integer end = 0;
  while (end < Size) {
    Integer len = CharLenAt(Text + end);
    if (len == 0 || end + len > Size) break;
    starts.push_back(end);
    end += len;
  }
  Integer total = static_cast<Integer>(starts.size());
  Chars = Count < total ? Count : total;
  if (Chars > 0) Bytes = end - starts[static_cast<size_t>(total - Chars)];
}

Integer PCharToByteLen(const char* Text, Integer Chars, Integer Size, bool FromEnd) {
  if (Chars <= 0 || Size <= 0) return 0;
  if (Chars > Size) Chars = Size;
  if (!tsIsFarEast) return Chars;
  Integer chars, bytes;
  PCountChars(Text, Chars, Size, chars, bytes, FromEnd);
  return bytes;
}

Integer PByteToCharLen(const char* Text, Integer Bytes, Integer Size) {
  if (Bytes <= 0 || Size <= 0) return 0;
  if (Bytes > Size) Bytes = Size;
  if (!tsIsFarEast) return Bytes;
  Integer chars, bytes;
  PCountChars(Text, Bytes, Bytes, chars, bytes, false);
  return chars;
}

// ---- Measuring and breaking ---------------------------------------------------------------------------

bool MeasureText(HDC DC, const TEXTMETRICA& TM, const char* Text, Integer Count, SIZE& Size) {
  BOOL ok = GetTextExtentPoint32(DC, Text, Count, &Size);
  if (MeasureExcludesOverhang && Size.cx > 0) Size.cx -= TM.tmOverhang;
  return ok;
}

namespace {

// The full ink width of Count bytes.
Integer InkWidth(HDC DC, const TEXTMETRICA& TM, const char* Text, Integer Count) {
  SIZE size{0, 0};
  if (Count > 0) MeasureText(DC, TM, Text, Count, size);
  return size.cx > 0 ? size.cx + TM.tmOverhang : size.cx;
}

}  // namespace

bool LastCharIsEofLine(const char* Text, Integer Len) { return Text && Len > 0 && EofLineChar(Text, Len - 1); }

bool IsMultiLineText(Integer Height, Integer LineHeight) { return Height - LineHeight >= LineHeight / 3; }

Integer TextLineSpacing(const TEXTMETRICA& TM) { return tsIsFarEast && TM.tmExternalLeading > 0 ? 1 : 0; }

bool GetNextLine(HDC DC, const TEXTMETRICA& TM, const char* Text, Integer Width, TAlignment Alignment, Integer& Len) {
  Len = 0;
  Integer total = static_cast<Integer>(std::strlen(Text));
  if (total == 0) return false;
  // A right-aligned line does not start with blanks: they are skipped and counted apart.
  Integer skipped = 0;
  if (Alignment == taRightJustify)
    while (IsSpaceChar(Text, skipped)) ++skipped;
  const char* t = Text + skipped;
  Integer rest = total - skipped;

  // A first guess from the average character width, cut at the first line break.
  Integer guess = TM.tmAveCharWidth > 0 ? Width / TM.tmAveCharWidth : 0;
  Integer len = PCharToByteLen(t, guess, rest, false);
  if (const char* eol = StrNScanEol(t, len)) len = static_cast<Integer>(eol - t);

  // Then one whole character at a time until the line fits.
  Integer width = InkWidth(DC, TM, t, len);
  if (width < Width) {
    while (len < rest && !EofLineChar(t, len)) {
      Integer next = len + NextCharCount(t, len);
      if (InkWidth(DC, TM, t, next) > Width) break;
      len = next;
    }
  } else if (width > Width) {
    while (len > 0) {
      len -= PrevCharCount(t, len);
      if (InkWidth(DC, TM, t, len) <= Width) break;
    }
  }

  // A break inside a word moves back behind the last blank before it.
  if (len < rest && IsTextChar(t, len))
    if (const char* blank = StrRNSpaceScan(t, len)) len = static_cast<Integer>(blank - t) + 1;

  if (Alignment == taRightJustify) {
    if (len > 0 && IsSpaceChar(t, len - 1)) {
      const char* last = StrRNTextScan(t, len);
      len = last ? static_cast<Integer>(last - t) + NextCharCount(t, static_cast<Integer>(last - t)) : 0;
    }
  } else {
    while (IsSpaceChar(t, len)) ++len;
  }
  GetEofLine(t, len);
  // A first character wider than the line still makes a line of its own.
  if (skipped == 0 && len == 0) len = NextCharCount(t, 0);
  Len = len + skipped;
  return true;
}

void GetTextLines(HDC DC, const char* Text, Integer Height, Integer Width, TAlignment Alignment, bool WordWrap,
                  TtsIntegerList* Lines, Integer MaxLines) {
  Lines->Clear();
  TEXTMETRIC tm;
  GetTextMetrics(DC, &tm);
  Integer spacing = TextLineSpacing(tm);
  if (WordWrap && IsMultiLineText(Height - spacing, tm.tmHeight + spacing)) {
    Integer total = static_cast<Integer>(std::strlen(Text));
    Integer pos = 0;
    Integer len;
    while ((MaxLines <= 0 || Lines->GetCount() < MaxLines) && GetNextLine(DC, tm, Text + pos, Width - 1, Alignment, len)) {
      Lines->AddItem(pos);
      pos += len;
    }
    // The empty line after a final line break, once the whole text is laid out.
    if (Lines->GetCount() > 0 && pos >= total && LastCharIsEofLine(Text, total)) Lines->AddItem(total);
  }
  if (Lines->GetCount() == 0) Lines->AddItem(0);
}

void GetTextHeight(HDC DC, const char* Text, Integer Width, TAlignment Alignment, bool WordWrap, Integer& LineCount,
                   Integer& Height) {
  TEXTMETRIC tm;
  GetTextMetrics(DC, &tm);
  LineCount = 1;
  if (WordWrap) {
    LineCount = 0;
    Integer len;
    for (Integer pos = 0; GetNextLine(DC, tm, Text + pos, Width - 1, Alignment, len); pos += len) ++LineCount;
    if (LineCount < 1) LineCount = 1;
    if (LastCharIsEofLine(Text, static_cast<Integer>(std::strlen(Text)))) ++LineCount;
  }
  Height = LineCount * (tm.tmHeight + TextLineSpacing(tm));
}

Integer GetVertTopOffset(Integer Top, const TRect& Rect, TtsIntegerList* Lines, Integer Spacing,
                         TtsVertAlignment VertAlign, const TEXTMETRICA& TM) {
  if (!Lines || VertAlign == vtaTop || VertAlign == vtaDefault) return Top;
  Integer h = TM.tmHeight;
  Integer count = Lines->GetCount();
  if (VertAlign == vtaBottom) {
    Integer y = Rect.bottom - h;
    for (Integer placed = 1; y - Spacing - h >= Top && placed < count; ++placed) y -= Spacing + h;
    return y;
  }
  Integer block = count * (h + Spacing);
  if (block + 1 >= Rect.bottom - Top) return Top;
  return Top + (Rect.bottom - Top - block) / 2;
}

}  // namespace Tsglib
