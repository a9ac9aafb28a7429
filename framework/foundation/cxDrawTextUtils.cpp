// Text rows: making them (fit estimate, breaks, tabs, ellipsis rows), placing them by alignment,
// and drawing them with the ellipsis, clipping and the highlighted range.
#include "cxDrawTextUtils.h"

#include <algorithm>

#include "Multibyte.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"

namespace cxDrawTextUtils {

namespace {

const char cxEllipsis[] = "...";
constexpr Integer cxEllipsisLength = sizeof cxEllipsis - 1;

// Bytes of the UTF-8 character starting at AText[0], never past ALength.
Integer CharLength(const char* AText, Integer ALength) {
  const auto lead = static_cast<unsigned char>(AText[0]);
  Integer n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  for (Integer i = 1; i < n && i < ALength; ++i)
    if ((static_cast<unsigned char>(AText[i]) & 0xC0) != 0x80) return i;  // a cut sequence
  return std::min(n, ALength);
}

// The largest count <= ACount that does not end inside a UTF-8 character.
Integer CharBoundary(const char* AText, Integer ALength, Integer ACount) {
  while (ACount > 0 && ACount < ALength && (static_cast<unsigned char>(AText[ACount]) & 0xC0) == 0x80) --ACount;
  return ACount;
}

bool IsJustified(const TcxTextParams& P) {
  return P.HorzAlignment == taJustifyX || P.HorzAlignment == taDistributeX;
}

Integer TextWidth(HDC ADC, const char* AText, Integer ACount, bool AExpandTabs) {
  return cxCalcTextExtents(ADC, AText, ACount, AExpandTabs).cx;
}

// How many leading bytes of the text are about to fit in AWidth, and their width: a first guess
// that spares measuring the row character by character from its start.
Integer EstimateFit(HDC ADC, const char* AText, Integer ALength, Integer AWidth, const TcxTextParams& P,
                    Integer& AFitWidth) {
  AWidth = std::max<Integer>(AWidth, 1);
  if (TextWidth(ADC, AText, ALength, false) > 8 * AWidth) {
    // Far too wide for a search: measure from the first character on, which is then counted too.
    AFitWidth = 0;
    return 0;
  }
  Integer c = ALength;
  Integer width = TextWidth(ADC, AText, c, P.ExpandTabs);
  while (c >= 2 && width > AWidth) {
    c = CharBoundary(AText, ALength, c / 2);
    width = TextWidth(ADC, AText, c, P.ExpandTabs);
  }
  Integer estimate = c;
  if (c < ALength) {
    Integer lo = c, hi = ALength;
    while (lo <= hi) {
      const Integer m = CharBoundary(AText, ALength, lo + (hi - lo) / 2);
      const Integer w = TextWidth(ADC, AText, m, P.ExpandTabs);
      estimate = m;
      width = w;
      if (w < AWidth) {
        if (m < lo) break;  // the boundary rounding cannot move any further up
        lo = m + 1;
      } else if (w == AWidth) {
        break;
      } else {
        hi = m - 1;
      }
    }
  }
  if (width > AWidth && estimate > 1) {
    estimate = CharBoundary(AText, ALength, estimate - 1);
    width = TextWidth(ADC, AText, estimate, P.ExpandTabs);
  }
  AFitWidth = width;
  return estimate;
}

// Makes the row that starts at AText and moves AText and ALength past it (and past the break that
// ended it).
void MakeRow(HDC ADC, const char*& AText, Integer& ALength, TcxTextRow& ARow, const TcxTextParams& P, bool ALastRow,
             Integer AWidth) {
  ARow = TcxTextRow();
  if (!AText || ALength <= 0) return;
  ARow.Text = AText;
  const bool canWrap = !P.SingleLine && (P.WordBreak || IsJustified(P));
  const bool charBreak = canWrap && P.CharBreak;
  const bool ellipsisRow = !P.WholeRowsOnly && !P.NoClip && !IsJustified(P) && ALastRow && P.EndEllipsis;
  const bool measure = canWrap || ellipsisRow || P.SingleLine;
  Integer width = 0, estimate = 0;
  if (measure) estimate = EstimateFit(ADC, AText, ALength, AWidth, P, width);

  Integer lastBreakEnd = 0, breaksAtLastBreak = 0;
  bool paragraphEnd = false;
  for (Integer i = 0; i < ALength;) {
    const char ch = AText[i];
    const Integer n = CharLength(AText + i, ALength - i);
    ARow.TextLength = i + n;
    if (static_cast<Byte>(ch) == P.BreakChar || ch == '\t') {
      ++ARow.BreakCount;
      lastBreakEnd = i + n;
      breaksAtLastBreak = ARow.BreakCount;
    }
    if ((ch == '\r' || ch == '\n') && !ellipsisRow && !P.SingleLine) {
      ARow.TextLength = i;
      if (IsJustified(P)) ARow.BreakCount = 0;
      break;
    }
    if (measure && i + n > estimate) {
      if (P.ExpandTabs)
        width = TextWidth(ADC, AText, i + n, true);
      else
        width += TextWidth(ADC, AText + i, n, false);
      if (width > AWidth) {
        if (ellipsisRow || P.SingleLine) break;
        if (lastBreakEnd > 0) {
          ARow.TextLength = lastBreakEnd;
          ARow.BreakCount = breaksAtLastBreak;
          break;
        }
        if (charBreak && i > 0) {
          ARow.TextLength = i;
          break;
        }
      }
    }
    i += n;
  }
  if (IsJustified(P))
    while (ARow.TextLength > 0 && (static_cast<Byte>(AText[ARow.TextLength - 1]) == P.BreakChar ||
                                   AText[ARow.TextLength - 1] == '\t')) {
      --ARow.TextLength;
      --ARow.BreakCount;
    }
  ARow.BreakCount = std::max<Integer>(ARow.BreakCount, 0);
  cxCalcTextRowExtents(ADC, ARow, P);

  AText += ARow.TextLength;
  ALength -= ARow.TextLength;
  auto skip = [&](auto pred) {
    if (ALength > 0 && pred(*AText)) {
      ++AText;
      --ALength;
      return true;
    }
    return false;
  };
  while (skip([&](char c) { return static_cast<Byte>(c) == P.BreakChar; })) {
  }
  skip([](char c) { return c == '\t'; });
  paragraphEnd = skip([](char c) { return c == '\r'; });
  paragraphEnd = skip([](char c) { return c == '\n'; }) || paragraphEnd;
  if (paragraphEnd || (ALength == 0 && IsJustified(P))) ARow.BreakCount = 0;
}

// True for a row of a right-to-left script. Chinese text reads left to right whatever its
// character set, so only the Arabic and Hebrew sets count here.
bool IsRightToLeftRow(const TcxTextParams& P, const TcxTextRow& ARow) {
  if (P.CharSet != ARABIC_CHARSET && P.CharSet != HEBREW_CHARSET) return false;
  return ARow.TextLength > 0 && static_cast<unsigned char>(ARow.Text[0]) >= 0x80;
}

void DrawEllipsis(HDC ADC, const TRect& R, const TcxTextParams& P, Integer ARowWidth, Integer AY) {
  const Integer x = R.left + ARowWidth;
  if (x >= R.right) return;
  const bool clip = !P.NoClip && x + P.EndEllipsisWidth > R.right;
  ExtTextOutA(ADC, x, AY, clip ? ETO_CLIPPED : 0, clip ? &R : nullptr, cxEllipsis, cxEllipsisLength, nullptr);
}

void DrawRowText(HDC ADC, const TcxTextParams& P, const TcxTextRow& ARow, Integer ALength) {
  if (P.ExpandTabs)
    TabbedTextOutA(ADC, ARow.TextOriginX, ARow.TextOriginY, ARow.Text, ALength, 0, nullptr, ARow.TextOriginX);
  else
    TextOutA(ADC, ARow.TextOriginX, ARow.TextOriginY, ARow.Text, ALength);
}

}  // namespace

DWORD cxMakeFormat(TcxTextAlignX AAlignX, TcxTextAlignY AAlignY) {
  return static_cast<DWORD>(AAlignX) | (static_cast<DWORD>(AAlignY) << 4);
}

TcxTextParams cxCalcTextParams(HDC ADC, DWORD AFormat) {
  TcxTextParams P;
  TEXTMETRICA tm;
  GetTextMetricsA(ADC, &tm);
  P.TextHeight = tm.tmHeight;
  P.BreakChar = tm.tmBreakChar;
  P.HorzAlignment = static_cast<Byte>(std::min<DWORD>(AFormat & cxtoAlignXMask, taDistributeX));
  P.VertAlignment = static_cast<Byte>((AFormat & cxtoAlignYMask) >> 4);
  P.WordBreak = AFormat & cxtoWordBreak;
  P.SingleLine = AFormat & cxtoSingleLine;
  P.ExpandTabs = AFormat & cxtoExpandTabs;
  P.EndEllipsis = AFormat & cxtoEndEllipsis;
  P.IncludeExternalLeading = AFormat & cxtoExternalLeading;
  P.WholeRowsOnly = AFormat & cxtoWholeRowsOnly;
  P.NoClip = AFormat & cxtoNoClip;
  P.AutoIndents = AFormat & cxtoAutoIndents;
  P.PreventLeftExceed = AFormat & cxtoPreventLeftExceed;
  P.PreventTopExceed = AFormat & cxtoPreventTopExceed;
  P.CharBreak = (AFormat & cxtoCharBreak) || SysLocale.FarEast;
  P.CalcRowCount = AFormat & cxtoCalcRowCount;
  P.Calculate = AFormat & cxtoCalculate;
  if (P.IncludeExternalLeading) P.ExternalLeading = tm.tmExternalLeading;
  P.FullRowHeight = P.TextHeight + P.ExternalLeading;
  if (P.EndEllipsis) P.EndEllipsisWidth = TextWidth(ADC, cxEllipsis, cxEllipsisLength, false);
  P.MaxCharWidth = tm.tmMaxCharWidth;
  P.CharSet = tm.tmCharSet;
  return P;
}

TcxTextParams cxCalcTextParams(TcxCanvas* ACanvas, DWORD AFormat) {
  ACanvas->TextExtent(String());  // makes the handle and the font valid
  return cxCalcTextParams(ACanvas->GetHandle(), AFormat);
}

TSize cxCalcTextExtents(HDC ADC, const char* AText, Integer ATextLength, bool AExpandTabs) {
  SIZE size{0, 0};
  if (!AExpandTabs) {
    GetTextExtentPoint32A(ADC, AText, ATextLength, &size);
  } else if (ATextLength > 4096) {
    RECT r{0, 0, 0, 0};
    size.cy = DrawTextA(ADC, AText, ATextLength, &r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX);
    size.cx = r.right - r.left;
  } else {
    const DWORD extent = GetTabbedTextExtentA(ADC, AText, ATextLength, 0, nullptr);
    size.cx = LOWORD(extent);
    size.cy = HIWORD(extent);
  }
  return size;
}

void cxCalcTextRowExtents(HDC ADC, TcxTextRow& ARow, const TcxTextParams& ATextParams) {
  ARow.TextExtents = cxCalcTextExtents(ADC, ARow.Text, ARow.TextLength, ATextParams.ExpandTabs);
}

bool cxMakeTextRows(HDC ADC, const char* AText, Integer ATextLength, const TRect& R, const TcxTextParams& P,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount) {
  ATextRows.clear();
  ARowCount = 0;
  if (!AText || ATextLength <= 0) return true;
  if (P.Calculate && P.SingleLine) {
    TcxTextRow row;
    row.Text = AText;
    row.TextLength = ATextLength;
    cxCalcTextRowExtents(ADC, row, P);
    ATextRows.push_back(row);
    ARowCount = 1;
    return true;
  }
  const char* cursor = AText;
  Integer remaining = ATextLength, usedHeight = 0;
  bool final = false;
  while (remaining > 0 && !final && (AMaxLineCount <= 0 || ARowCount < AMaxLineCount)) {
    ++ARowCount;
    if (static_cast<Integer>(ATextRows.capacity()) < ARowCount) ATextRows.reserve(ATextRows.capacity() + 4);
    ATextRows.emplace_back();
    usedHeight += P.FullRowHeight;
    if (P.SingleLine)
      final = true;
    else if (P.VertAlignment != taTop || P.Calculate)
      final = AMaxLineCount > 0 && ARowCount == AMaxLineCount;
    else if (P.WholeRowsOnly && !P.NoClip)
      final = usedHeight + P.FullRowHeight > R.Height();
    else
      final = usedHeight > R.Height();
    const Integer offset = static_cast<Integer>(cursor - AText);
    MakeRow(ADC, cursor, remaining, ATextRows.back(), P, final, R.Width());
    ATextRows.back().StartOffset = offset;
    if (remaining == 0) final = true;
  }
  return P.SingleLine || P.Calculate || AMaxLineCount <= 0 || ARowCount < AMaxLineCount || remaining == 0;
}

bool cxMakeTextRows(HDC ADC, const String& AText, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount) {
  return cxMakeTextRows(ADC, AText.data(), static_cast<Integer>(AText.size()), R, ATextParams, ATextRows, ARowCount,
                        AMaxLineCount);
}

bool cxMakeTextRows(TcxCanvas* ACanvas, const String& AText, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount) {
  ACanvas->TextExtent(String());
  return cxMakeTextRows(ACanvas->GetHandle(), AText, R, ATextParams, ATextRows, ARowCount, AMaxLineCount);
}

Integer cxPlaceTextRows(HDC ADC, const TRect& R, TcxTextParams& P, TcxTextRows& ATextRows, Integer ARowCount) {
  const Integer n = std::min<Integer>(ARowCount, static_cast<Integer>(ATextRows.size()));
  Integer extraPixels = 0;
  if (P.VertAlignment == taDistributeY && n > 1) {
    const Integer gap = R.Height() - P.TextHeight;
    if (P.TextHeight < gap / (n - 1)) {
      P.FullRowHeight = gap / (n - 1);
      extraPixels = gap % (n - 1);
    }
  }
  Integer top;
  if (P.VertAlignment == taCenterY)
    top = R.top + (R.Height() - n * P.FullRowHeight) / 2;
  else if (P.VertAlignment == taBottom)
    top = R.bottom - n * P.FullRowHeight + P.ExternalLeading;
  else
    top = R.top;
  if (P.PreventTopExceed) top = std::max<Integer>(top, R.top);
  for (Integer i = 0; i < n; ++i) {
    TcxTextRow& row = ATextRows[i];
    Integer x;
    if (P.HorzAlignment == taCenterX)
      x = R.left + (R.Width() - row.TextExtents.cx) / 2;
    else if (P.HorzAlignment == taRight)
      x = R.right - row.TextExtents.cx;
    else
      x = R.left;
    if (P.PreventLeftExceed) x = std::max<Integer>(x, R.left);
    row.TextOriginX = x;
    row.TextOriginY = top;
    top += P.FullRowHeight;
    if (extraPixels > 0) {
      ++top;
      --extraPixels;
    }
  }
  return n;
}

TRect cxPrepareRect(const TRect& R, const TcxTextParams& ATextParams, Integer ALeftIndent, Integer ARightIndent) {
  TRect result = R;
  result.left += ALeftIndent;
  result.right -= ARightIndent;
  return result;
}

void cxTextRowsOutHighlight(HDC ADC, const TRect& R, const TcxTextParams& P, const TcxTextRows& ATextRows,
                            Integer ARowCount, Integer ASelStart, Integer ASelLength, TColor ASelBkColor,
                            TColor ASelTextColor, bool AForceEndEllipsis) {
  const Integer n = std::min<Integer>(ARowCount, static_cast<Integer>(ATextRows.size()));
  const int oldBkMode = SetBkMode(ADC, TRANSPARENT);
  HBRUSH highlightBrush =
      ASelLength > 0 && ASelBkColor != clNone ? CreateSolidBrush(ColorToRGB(ASelBkColor)) : nullptr;
  for (Integer i = 0; i < n; ++i) {
    const TcxTextRow& row = ATextRows[i];
    const bool lastRow = i == n - 1;
    if (row.TextLength <= 0) {
      if (AForceEndEllipsis && P.EndEllipsis && lastRow) DrawEllipsis(ADC, R, P, 0, row.TextOriginY);
      continue;
    }
    const TRect band(R.left, row.TextOriginY, R.right, row.TextOriginY + P.FullRowHeight);
    const bool needEllipsis = P.EndEllipsis && lastRow && (AForceEndEllipsis || row.TextExtents.cx > R.Width());
    // The row's clip and justification are undone by restoring the DC after it.
    const int saved = SaveDC(ADC);
    if (IsJustified(P) && !needEllipsis && row.BreakCount > 0)
      SetTextJustification(ADC, R.Width() - row.TextExtents.cx, row.BreakCount);
    if (!P.NoClip && (row.TextExtents.cx > R.Width() || band.top < R.top || band.bottom > R.bottom)) {
      const TRect clip(band.left, std::max(band.top, R.top), band.right, std::min(band.bottom, R.bottom));
      IntersectClipRect(ADC, clip.left, clip.top, clip.right, clip.bottom);
    }
    Integer length = row.TextLength, width = row.TextExtents.cx;
    if (needEllipsis) {
      INT fit = 0;
      SIZE size;
      GetTextExtentExPointA(ADC, row.Text, length, std::max<Integer>(R.Width() - P.EndEllipsisWidth, 0), &fit,
                            nullptr, &size);
      length = std::max<Integer>(fit, CharLength(row.Text, length));
      width = TextWidth(ADC, row.Text, length, P.ExpandTabs);
    }
    bool ellipsisPending = needEllipsis;
    if (ASelLength > 0 && ASelStart < row.StartOffset + length && ASelStart + ASelLength > row.StartOffset) {
      const Integer from = std::max(ASelStart, row.StartOffset) - row.StartOffset;
      const Integer to = std::min(ASelStart + ASelLength, row.StartOffset + length) - row.StartOffset;
      Integer x1 = TextWidth(ADC, row.Text, from, P.ExpandTabs), x2 = TextWidth(ADC, row.Text, to, P.ExpandTabs);
      if (IsRightToLeftRow(P, row)) {
        const Integer left = width - x2;
        x2 = width - x1;
        x1 = left;
      }
      const TRect part(row.TextOriginX + x1, band.top, row.TextOriginX + x2, band.bottom);
      const int partSaved = SaveDC(ADC);
      IntersectClipRect(ADC, part.left, part.top, part.right, part.bottom);
      if (highlightBrush) FillRect(ADC, &part, highlightBrush);
      SetTextColor(ADC, ColorToRGB(ASelTextColor));
      DrawRowText(ADC, P, row, length);
      RestoreDC(ADC, partSaved);
      if (needEllipsis && ASelStart + ASelLength >= row.StartOffset + length) {
        const COLORREF textColor = SetTextColor(ADC, ColorToRGB(ASelTextColor));
        DrawEllipsis(ADC, R, P, width, row.TextOriginY);
        SetTextColor(ADC, textColor);
        ellipsisPending = false;
      }
      ExcludeClipRect(ADC, part.left, part.top, part.right, part.bottom);
    }
    DrawRowText(ADC, P, row, length);
    if (ellipsisPending) DrawEllipsis(ADC, R, P, width, row.TextOriginY);
    RestoreDC(ADC, saved);
  }
  if (highlightBrush) DeleteObject(highlightBrush);
  SetBkMode(ADC, oldBkMode);
}

Integer cxGetLongestTextRowWidth(const TcxTextRows& ATextRows, Integer ARowCount) {
  Integer result = 0;
  const Integer n = std::min<Integer>(ARowCount, static_cast<Integer>(ATextRows.size()));
  for (Integer i = 0; i < n; ++i) result = std::max<Integer>(result, ATextRows[i].TextExtents.cx);
  return result;
}

Integer cxTextOut(HDC ADC, const String& AText, TRect& R, DWORD AFormat, Integer ASelStart, Integer ASelLength,
                  TColor ASelBkColor, TColor ASelTextColor, Integer AMaxLineCount, Integer ALeftIndent,
                  Integer ARightIndent) {
  if (AText.empty()) return 0;
  TcxTextParams P = cxCalcTextParams(ADC, AFormat);
  TRect r = cxPrepareRect(R, P, ALeftIndent, ARightIndent);
  if (P.Calculate ? r.Width() <= 0 : (r.Width() <= 0 || r.Height() <= 0)) return 0;
  TcxTextRows rows;
  Integer count = 0;
  bool forceEllipsis = !cxMakeTextRows(ADC, AText, r, P, rows, count, AMaxLineCount);
  if (count == 0) return 0;
  if (P.Calculate) {
    if (AMaxLineCount > 0) count = std::min(count, AMaxLineCount);
    r.right = r.left + cxGetLongestTextRowWidth(rows, count);
    if (!P.SingleLine) {
      cxMakeTextRows(ADC, AText, r, P, rows, count, AMaxLineCount);
      if (count == 0) return 0;
    }
    cxPlaceTextRows(ADC, r, P, rows, count);
    r.bottom = rows[count - 1].TextOriginY + P.TextHeight;
    R = TRect(r.left - ALeftIndent, r.top, r.right + ARightIndent, r.bottom);
  } else {
    if (AMaxLineCount > 0 && count >= AMaxLineCount) {
      count = AMaxLineCount;
      forceEllipsis = forceEllipsis && P.EndEllipsis && P.WholeRowsOnly && !P.SingleLine;
    } else {
      forceEllipsis = false;
    }
    cxPlaceTextRows(ADC, r, P, rows, count);
    const Integer textLength = static_cast<Integer>(AText.size());
    if (ASelStart < 0 || ASelStart >= textLength)
      ASelLength = 0;
    else if (ASelStart + ASelLength > textLength)
      ASelLength = textLength - ASelStart;
    cxTextRowsOutHighlight(ADC, r, P, rows, count, ASelStart, ASelLength, ASelBkColor, ASelTextColor,
                           forceEllipsis);
  }
  const Integer height = rows[count - 1].TextOriginY + P.TextHeight - r.top;
  return P.CalcRowCount || height == 0 ? count : height;
}

Integer cxTextOut(HDC ADC, const String& AText, TRect& R, DWORD AFormat, Integer AMaxLineCount, Integer ALeftIndent,
                  Integer ARightIndent) {
  return cxTextOut(ADC, AText, R, AFormat, 0, 0, clNone, clNone, AMaxLineCount, ALeftIndent, ARightIndent);
}

Integer cxTextOut(TcxCanvas* ACanvas, const String& AText, TRect& R, DWORD AFormat, Integer ASelStart,
                  Integer ASelLength, TColor ASelBkColor, TColor ASelTextColor, Integer AMaxLineCount,
                  Integer ALeftIndent, Integer ARightIndent) {
  ACanvas->TextExtent(String());  // makes the handle and the font (with its colour) valid
  return cxTextOut(ACanvas->GetHandle(), AText, R, AFormat, ASelStart, ASelLength, ASelBkColor, ASelTextColor,
                   AMaxLineCount, ALeftIndent, ARightIndent);
}

Integer cxTextOut(TcxCanvas* ACanvas, const String& AText, TRect& R, DWORD AFormat, Integer AMaxLineCount,
                  Integer ALeftIndent, Integer ARightIndent) {
  return cxTextOut(ACanvas, AText, R, AFormat, 0, 0, clNone, clNone, AMaxLineCount, ALeftIndent, ARightIndent);
}

}  // namespace cxDrawTextUtils
