// Drawing grid text on a canvas: wrapped and aligned cell text with an accelerator, the edit box's
// lines with a selection, and the single line drawn from a scroll position.
#include <cstring>

#include "Graphics.h"
#include "TSSetLib.h"
#include "Tsglib.h"
#include "Tsmbcs.h"
#include "WinGdi.h"

namespace Tsglib {

namespace {

// Text output on one canvas, clipped to one rectangle, with a transparent background; the
// background mode it found is restored when it goes.
class TTextPainter {
 public:
  TTextPainter(TCanvas* ACanvas, const TRect& AClip) : Canvas(ACanvas), Clip(AClip) {
    DC = Canvas->GetHandle();
    FOldBkMode = GetBkMode(DC);
    SelectFont();
    GetTextMetrics(DC, &TM);
    Spacing = TextLineSpacing(TM);
    LineHeight = TM.tmHeight + Spacing;
  }
  ~TTextPainter() { SetBkMode(DC, FOldBkMode); }
  TTextPainter(const TTextPainter&) = delete;
  TTextPainter& operator=(const TTextPainter&) = delete;

  // After any change of the canvas font (or brush), so that the device context draws with it.
  void SelectFont() {
    Canvas->TextExtent(String());
    SetBkMode(DC, TRANSPARENT);
  }

  void Fill(const TRect& Rect) {
    Canvas->FillRect(Rect);
    SelectFont();
  }

  // The width of a run, each line break in it shown as one blank.
  Integer Width(const char* P, Integer N) const {
    String shown = Shown(P, N);
    SIZE size{0, 0};
    if (!shown.empty()) MeasureText(DC, TM, shown.data(), static_cast<Integer>(shown.size()), size);
    return size.cx;
  }

  // Draws a run at (X, Y); answers the x after it.
  Integer Draw(Integer X, Integer Y, const char* P, Integer N) {
    if (N <= 0) return X;
    String shown = Shown(P, N);
    ExtTextOut(DC, X, Y, ETO_CLIPPED, &Clip, shown.data(), static_cast<UINT>(shown.size()), nullptr);
    return X + Width(P, N);
  }

  // A line whose 1-based AccelPos character is underlined; drawing stops at the clip's right edge.
  void DrawAccelLine(Integer X, Integer Y, const char* P, Integer N, Integer AccelPos) {
    if (AccelPos < 1 || AccelPos > N) {
      Draw(X, Y, P, N);
      return;
    }
    Integer at = AccelPos - 1;
    X = Draw(X, Y, P, at);
    if (X >= Clip.right) return;
    Integer len = NextCharCount(P, at);
    if (at + len > N) len = N - at;
    TFont* font = Canvas->GetFont();
    TFontStyles style = font->GetStyle();
    font->SetStyle(style + TFontStyles{fsUnderline});
    SelectFont();
    try {
      X = Draw(X, Y, P + at, len);
    } catch (...) {
      font->SetStyle(style);
      throw;
    }
    font->SetStyle(style);
    SelectFont();
    if (X >= Clip.right) return;
    Draw(X, Y, P + at + len, N - at - len);
  }

  // A run with its bytes SelFrom..SelTo (relative to the run) selected: drawn on a block of
  // SelBack, slanted like the font for italics, in SelText.
  void DrawSelectedRun(Integer X, Integer Y, const char* P, Integer N, Integer SelFrom, Integer SelTo,
                       Integer SelBack, Integer SelText) {
    SelFrom = SelFrom < 0 ? 0 : SelFrom > N ? N : SelFrom;
    SelTo = SelTo < SelFrom ? SelFrom : SelTo > N ? N : SelTo;
    if (SelTo <= SelFrom) {
      Draw(X, Y, P, N);
      return;
    }
    X = Draw(X, Y, P, SelFrom);
    Integer end = X + Width(P + SelFrom, SelTo - SelFrom);
    FillSelection(X, end, Y, SelBack);
    TFont* font = Canvas->GetFont();
    TColor color = font->GetColor();
    font->SetColor(SelText);
    SelectFont();
    try {
      Draw(X, Y, P + SelFrom, SelTo - SelFrom);
    } catch (...) {
      font->SetColor(color);
      throw;
    }
    font->SetColor(color);
    SelectFont();
    Draw(end, Y, P + SelTo, N - SelTo);
  }

  TCanvas* Canvas;
  TRect Clip;
  HDC DC = nullptr;
  TEXTMETRIC TM;
  Integer Spacing = 0;
  Integer LineHeight = 0;

  // A cell of Height shows its text wrapped on several lines.
  bool MultiLine(Integer Height, bool WordWrap) const { return WordWrap && IsMultiLineText(Height - Spacing, LineHeight); }

 private:
  static String Shown(const char* P, Integer N) {
    String shown;
    shown.reserve(static_cast<size_t>(N));
    for (Integer i = 0; i < N;) {
      Integer next = i;
      if (GetEofLine(P, next)) {
        shown += ' ';
        i = next > N ? N : next;
      } else {
        shown += P[i++];
      }
    }
    return shown;
  }

  void FillSelection(Integer Left, Integer Right, Integer Top, Integer Color) {
    Integer slant = 0;
    if (Canvas->GetFont()->GetStyle().Contains(fsItalic)) {
      slant = TM.tmOverhang;
      if (Canvas->GetFont()->GetStyle().Contains(fsBold) && slant > 0) --slant;
    }
    Integer bottom = Top + TM.tmHeight + Spacing;
    POINT points[4] = {{Left + slant, Top}, {Right + slant, Top}, {Right, bottom}, {Left, bottom}};
    int saved = SaveDC(DC);
    IntersectClipRect(DC, Clip.left, Clip.top, Clip.right, Clip.bottom);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Color));
    SelectObject(DC, brush);
    SelectObject(DC, GetStockObject(NULL_PEN));
    Polygon(DC, points, 4);
    RestoreDC(DC, saved);
    DeleteObject(brush);
  }

  int FOldBkMode = 0;
};

// Where line I of the list ends: at the next line's start, the last at the end of the text.
Integer LineEnd(TtsIntegerList* Lines, Integer I, Integer Total) {
  return I + 1 < Lines->GetCount() ? Lines->GetItem(I + 1) : Total;
}

// The bytes of a line without its final line break.
Integer WithoutBreak(const char* P, Integer Len) {
  const char* eol = StrNScanEol(P, Len);
  return eol ? static_cast<Integer>(eol - P) : Len;
}

// Where a wrapped line starts: right-aligned one pixel inside the right edge, centred but not left
// of X, or at X.
Integer LineX(const TTextPainter& Painter, const TRect& Rect, Integer X, TAlignment Alignment, Integer Width) {
  switch (Alignment) {
    case taRightJustify:
      return Rect.right - Width - 1 - (Width > 0 ? Painter.TM.tmOverhang : 0);
    case taCenter: {
      Integer centred = Rect.left + (Rect.Width() - Width) / 2;
      return centred < X ? X : centred;
    }
    default:
      return X;
  }
}

struct TFit {
  Integer Width = 0;
  Integer Bytes = 0;
};

// How many bytes from the start of P (from its end for right alignment) fill MaxWidth, and how
// wide they are; line breaks count as blanks.
TFit MeasureFit(const TTextPainter& Painter, const char* P, TAlignment Alignment, Integer MaxWidth, Integer Len) {
  TFit fit;
  bool fromEnd = Alignment == taRightJustify;
  if (Alignment == taCenter) {
    fit.Bytes = Len;
  } else {
    Integer ave = Painter.TM.tmAveCharWidth;
    fit.Bytes = PCharToByteLen(P, ave > 0 ? MaxWidth / ave : 0, Len, fromEnd);
  }
  // A cut between the two bytes of a CR LF pair leaves the pair out.
  if (!fromEnd && fit.Bytes > 0 && fit.Bytes < Len && P[fit.Bytes - 1] == '\r' && P[fit.Bytes] == '\n') --fit.Bytes;
  if (fromEnd && fit.Bytes > 0 && fit.Bytes < Len && P[Len - fit.Bytes - 1] == '\r' && P[Len - fit.Bytes] == '\n')
    --fit.Bytes;
  auto measure = [&] {
    return fromEnd ? Painter.Width(P + Len - fit.Bytes, fit.Bytes) : Painter.Width(P, fit.Bytes);
  };
  fit.Width = measure();
  while (fit.Width < MaxWidth && fit.Bytes < Len) {
    fit.Bytes += fromEnd ? PrevCharCount(P, Len - fit.Bytes) : NextCharCount(P, fit.Bytes);
    if (fit.Bytes > Len) fit.Bytes = Len;
    fit.Width = measure();
  }
  if (fit.Width > 0) fit.Width += Painter.TM.tmOverhang;
  return fit;
}

// One line from a scroll position: left-aligned from ScrollPos on, right-aligned ending one pixel
// inside the right edge (the first ScrollPos bytes considered), or centred when it fits whole.
// SelStart and SelLength are offsets into the whole text.
void DrawSingleLine(TTextPainter& Painter, const char* Text, Integer Total, const TRect& Rect, Integer X, Integer Y,
                    Integer ScrollPos, TAlignment Alignment, TtsVertAlignment VertAlign, Integer SelStart,
                    Integer SelLength, Integer SelBack, Integer SelText) {
  Painter.Fill(Rect);
  Integer height = Painter.TM.tmHeight;
  if (VertAlign == vtaBottom) Y = Rect.bottom - height;
  else if (VertAlign == vtaCenter && height + 1 < Rect.bottom - Y) Y += (Rect.bottom - Y - height) / 2;

  ScrollPos = ScrollPos < 0 ? 0 : ScrollPos > Total ? Total : ScrollPos;
  Integer maxWidth = Rect.right - X;
  Integer from = ScrollPos, count = 0, at = X;
  bool placed = false;
  if (Alignment == taRightJustify) {
    TFit fit = MeasureFit(Painter, Text, Alignment, maxWidth, ScrollPos);
    from = ScrollPos - fit.Bytes;
    count = fit.Bytes;
    at = Rect.right - 1 - fit.Width;
    placed = true;
  } else if (Alignment == taCenter) {
    TFit fit = MeasureFit(Painter, Text, Alignment, maxWidth, Total);
    Integer centred = Rect.left + (Rect.Width() - fit.Width) / 2;
    if (fit.Width <= Rect.Width() && centred >= X) {
      from = 0;
      count = Total;
      at = centred;
      placed = true;
    }
  }
  if (!placed) {
    TFit fit = MeasureFit(Painter, Text + from, taLeftJustify, maxWidth, Total - from);
    count = fit.Bytes;
  }
  Painter.DrawSelectedRun(at, Y, Text + from, count, SelStart - from, SelStart + SelLength - from, SelBack, SelText);
}

}  // namespace

void GetPrintCharWidth(TCanvas* Canvas, const TEXTMETRICA& TM, const char* Text, Integer Len, bool BreaksTakeNoRoom,
                       bool AddOverhang, Integer& Width) {
  Width = 0;
  Canvas->TextExtent(String());  // the canvas font in its device context
  HDC dc = Canvas->GetHandle();
  SIZE blank{0, 0};
  if (!BreaksTakeNoRoom) MeasureText(dc, TM, " ", 1, blank);
  Integer start = 0;
  for (Integer pos = 0; pos <= Len;) {
    if (pos < Len && !EofLineChar(Text, pos)) {
      pos += NextCharCount(Text, pos);
      continue;
    }
    SIZE size{0, 0};
    if (pos > start) MeasureText(dc, TM, Text + start, pos - start, size);
    Width += size.cx;
    if (pos >= Len) break;
    GetEofLine(Text, pos);
    Width += blank.cx;
    start = pos;
  }
  if (AddOverhang && Width > 0) Width += TM.tmOverhang;
}

void DisplayText(TCanvas* Canvas, const char* Text, Integer Height, const TRect& Rect, Integer X, Integer Y,
                 TAlignment Alignment, TtsVertAlignment VertAlign, bool WordWrap, Integer AccelPos) {
  if (Rect.left >= Rect.right) return;
  if (!Text) Text = "";
  TTextPainter painter(Canvas, Rect);
  Integer total = static_cast<Integer>(std::strlen(Text));
  Y += painter.Spacing;
  if (painter.MultiLine(Height, WordWrap)) {
    painter.Fill(Rect);
    TRect rect = Rect;
    Integer available = rect.right - X;
    if (Alignment == taRightJustify) {
      --available;
      rect.left = X;
    }
    auto drawLine = [&](Integer Start, Integer Len) {
      Integer n = WithoutBreak(Text + Start, Len);
      Integer x = LineX(painter, rect, X, Alignment, painter.Width(Text + Start, n));
      painter.DrawAccelLine(x, Y, Text + Start, n, AccelPos);
      Y += painter.LineHeight;
      AccelPos -= Len;
    };
    if ((VertAlign == vtaBottom || VertAlign == vtaCenter) && total > 0) {
      TOwnedPtr<TtsIntegerList> lines(New<TtsIntegerList>());
      Integer maxLines = painter.LineHeight > 0 ? rect.Height() / painter.LineHeight + 1 : 1;
      GetTextLines(painter.DC, Text, Height, available, Alignment, true, lines.get(), maxLines);
      Y = GetVertTopOffset(Y, rect, lines.get(), painter.Spacing, VertAlign, painter.TM);
      for (Integer i = 0; i < lines->GetCount() && Y < rect.bottom; ++i)
        drawLine(lines->GetItem(i), LineEnd(lines.get(), i, total) - lines->GetItem(i));
    } else {
      Integer len;
      for (Integer pos = 0; Y < rect.bottom && GetNextLine(painter.DC, painter.TM, Text + pos, available - 1,
                                                           Alignment, len);
           pos += len)
        drawLine(pos, len);
    }
    return;
  }

  if (Alignment == taLeftJustify && (VertAlign == vtaTop || VertAlign == vtaDefault) && !StrNScanEol(Text, total)) {
    painter.Fill(Rect);
    painter.DrawAccelLine(X, Y, Text, total, AccelPos);
    return;
  }
  DrawSingleLine(painter, Text, total, Rect, X, Y, Alignment == taRightJustify ? total : 0, Alignment, VertAlign, 0, 0,
                 clNone, clNone);
}

void DisplayTextLines(TCanvas* Canvas, const char* Text, Integer Height, const TRect& Rect, Integer X, Integer Y,
                      Integer ScrollPos, Integer TopLine, TtsIntegerList* Lines, Integer SelStart, Integer SelLength,
                      Integer SelBackColor, Integer SelTextColor, TAlignment Alignment, TtsVertAlignment VertAlign,
                      bool WordWrap) {
  if (Rect.left >= Rect.right) return;
  if (!Text) Text = "";
  TTextPainter painter(Canvas, Rect);
  if (!Lines) {
    painter.Fill(Rect);
    return;
  }
  Integer total = static_cast<Integer>(std::strlen(Text));
  Y += painter.Spacing;
  if (painter.MultiLine(Height, WordWrap)) {
    painter.Fill(Rect);
    Y = GetVertTopOffset(Y, Rect, Lines, painter.Spacing, VertAlign, painter.TM);
    for (Integer i = TopLine < 0 ? 0 : TopLine; i < Lines->GetCount() && Y < Rect.bottom; ++i) {
      Integer start = Lines->GetItem(i);
      Integer end = LineEnd(Lines, i, total);
      if (start < 0 || start > total || end < start) break;
      Integer n = WithoutBreak(Text + start, end - start);
      Integer x = LineX(painter, Rect, X, Alignment, painter.Width(Text + start, n));
      painter.DrawSelectedRun(x, Y, Text + start, n, SelStart - start, SelStart + SelLength - start, SelBackColor,
                              SelTextColor);
      Y += painter.LineHeight;
    }
    return;
  }
  DrawSingleLine(painter, Text, total, Rect, X, Y, ScrollPos, Alignment, VertAlign, SelStart, SelLength, SelBackColor,
                 SelTextColor);
}

}  // namespace Tsglib
