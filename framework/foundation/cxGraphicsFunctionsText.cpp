// Text of the graphics unit: DrawText and ExtTextOut wrappers, measuring with the shared screen
// canvas, the row-count fit of cxGetTextRect, word wrapping into lines, end-ellipsis shortening and
// the writing direction of a charset.
#include <algorithm>
#include <vector>

#include "Multibyte.h"
#include "StringLists.h"
#include "WinCursor.h"
#include "WinIcons.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxGraphics {

namespace {

int ByteCount(const String& AText, Integer ACount) {
  Integer size = static_cast<Integer>(AText.size());
  return ACount < 0 || ACount > size ? size : ACount;
}

// Selects a font into a DC for the length of a scope.
class TSelectedFont {
 public:
  TSelectedFont(HDC ADC, HFONT AFont) : FDC(ADC), FOld(AFont ? SelectObject(ADC, AFont) : nullptr) {}
  ~TSelectedFont() {
    if (FOld) SelectObject(FDC, FOld);
  }
  TSelectedFont(const TSelectedFont&) = delete;
  TSelectedFont& operator=(const TSelectedFont&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

TRect CalcTextRect(HDC ADC, const String& AText, Integer AWidth, UINT AFlags) {
  TRect r{0, 0, AWidth, 1};
  DrawTextA(ADC, AText.c_str(), static_cast<int>(AText.size()), &r, AFlags | DT_CALCRECT);
  return r;
}

bool IsBlank(const char* p, int len) { return len == 1 && static_cast<unsigned char>(*p) < 33; }

}  // namespace

Integer cxDrawText(HDC ADC, const String& AText, TRect& ARect, UINT AFormat, Integer ACharCount) {
  // Without DT_MODIFYSTRING the text is only read.
  return DrawTextA(ADC, AText.c_str(), ByteCount(AText, ACharCount), &ARect, AFormat & ~DT_MODIFYSTRING);
}

bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& APoint, const TRect& ARect, UINT AOptions,
                  Integer ACount) {
  return ExtTextOutA(ADC, APoint.x, APoint.y, AOptions, &ARect, AText.c_str(),
                     static_cast<UINT>(ByteCount(AText, ACount)), nullptr) != FALSE;
}

bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& APoint, UINT AOptions, Integer ACount) {
  return ExtTextOutA(ADC, APoint.x, APoint.y, AOptions, nullptr, AText.c_str(),
                     static_cast<UINT>(ByteCount(AText, ACount)), nullptr) != FALSE;
}

bool cxGetTextExtentPoint32(HDC ADC, const String& AText, TSize& ASize, Integer ACharCount) {
  return GetTextExtentPoint32A(ADC, AText.c_str(), ByteCount(AText, ACharCount), &ASize) != FALSE;
}

TSize cxTextExtent(TFont* AFont, const String& AText, Integer AFontSize) {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  canvas->GetFont()->Assign(AFont);
  if (AFontSize != 0) canvas->GetFont()->SetSize(AFontSize);
  return canvas->TextExtent(AText);
}

Integer cxTextWidth(TFont* AFont, const String& AText, Integer AFontSize) {
  return cxTextExtent(AFont, AText, AFontSize).cx;
}

Integer cxTextHeight(TFont* AFont, const String& AText, Integer AFontSize) {
  return cxTextExtent(AFont, AText, AFontSize).cy;
}

TSize cxTextSize(HDC ADC, const String& AText) { return cxRectSize(cxGetTextRect(ADC, AText, 1)); }

TRect cxGetTextRect(HDC ADC, const String& AText, Integer ARowCount, bool AReturnMaxRectHeight) {
  TRect result = cxEmptyRect;
  if (ARowCount <= 0) return result;
  if (ARowCount == 1) {
    DrawTextA(ADC, AText.c_str(), static_cast<int>(AText.size()), &result, DT_CALCRECT | DT_SINGLELINE);
  } else {
    Integer target = ARowCount * cxTextSize(ADC, "Wg").cy;
    const UINT wrap = DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;
    // The narrowest width is that of the longest unbreakable word, the widest that of one line.
    Integer lo = cxRectWidth(CalcTextRect(ADC, AText, 1, wrap));
    Integer hi = cxRectWidth(CalcTextRect(ADC, AText, 1, DT_SINGLELINE));
    while (hi - lo > 1) {
      Integer mid = (lo + hi) / 2;
      if (cxRectHeight(CalcTextRect(ADC, AText, mid, wrap)) > target) lo = mid;
      else hi = mid;
    }
    result = CalcTextRect(ADC, AText, lo, wrap);
    if (cxRectHeight(result) > target) result = CalcTextRect(ADC, AText, hi, wrap);
  }
  if (AReturnMaxRectHeight) result.bottom = ARowCount * cxTextSize(ADC, "Wg").cy;
  return result;
}

TRect cxGetTextRect(TFont* AFont, const String& AText, Integer ARowCount) {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  canvas->GetFont()->Assign(AFont);
  HDC dc = canvas->GetHandle();
  TSelectedFont font(dc, canvas->GetFont()->GetHandle());
  return cxGetTextRect(dc, AText, ARowCount, false);
}

void cxGetTextLines(const String& AText, TcxCanvas* ACanvas, const TRect& ARect, StringLists::TStrings* ALines) {
  const char* text = AText.data();
  const char* end = text + AText.size();
  auto charLen = [&](const char* p) { return Multibyte::Utf8CharLen(p, end); };
  auto blankAt = [&](const char* p) { return p < end && IsBlank(p, charLen(p)); };
  HDC dc = ACanvas->GetHandle();
  Integer width = cxRectWidth(ARect);
  const char* lineStart = text;
  const char* prevWordEnd = nullptr;
  const char* pos = text;
  while (pos < end) {
    // Blanks are skipped, except that the second of two blanks begins a word, so runs of blanks
    // inside a line are kept.
    const char* wordStart = pos;
    while (blankAt(wordStart)) {
      const char* next = wordStart + charLen(wordStart);
      if (wordStart > pos && blankAt(wordStart - 1)) break;
      wordStart = next;
    }
    if (wordStart >= end) break;
    const char* wordEnd = wordStart + charLen(wordStart);
    while (wordEnd < end && !blankAt(wordEnd)) wordEnd += charLen(wordEnd);
    // A word alone on its line stays there however wide it is: breaking before it would only add
    // an empty line.
    if (prevWordEnd != nullptr && lineStart < wordStart &&
        cxTextSize(dc, String(lineStart, wordEnd)).cx > width) {
      ALines->Add(String(lineStart, prevWordEnd));
      lineStart = wordStart;
    }
    prevWordEnd = wordEnd;
    pos = wordEnd;
  }
  ALines->Add(String(lineStart, end));
}

String cxGetStringAdjustedToWidth(HDC ADC, HFONT AFont, const String& S, Integer AWidth) {
  if (S.empty() || AWidth <= 0) return String();
  // The text is shortened in place: room for the text, the ellipsis DrawText may add and a
  // terminator, whatever the text's length.
  std::vector<char> buffer(S.size() + 5, '\0');
  std::copy(S.begin(), S.end(), buffer.begin());
  HDC dc = ADC ? ADC : GetDC(nullptr);
  {
    TSelectedFont font(dc, AFont);
    TRect r{0, 0, AWidth, 32};
    DrawTextA(dc, buffer.data(), static_cast<int>(S.size()), &r,
              DT_MODIFYSTRING | DT_END_ELLIPSIS | DT_CALCRECT | DT_SINGLELINE);
  }
  if (!ADC) ReleaseDC(nullptr, dc);
  buffer.back() = '\0';
  return String(buffer.data());
}

String cxGetStringAdjustedToWidth(TFont* AFont, const String& S, Integer AWidth) {
  return cxGetStringAdjustedToWidth(nullptr, AFont->GetHandle(), S, AWidth);
}

bool cxGetWritingDirection(TFontCharset AFontCharset, const String& AText) {
  if (AFontCharset == DEFAULT_CHARSET) {
    HDC dc = GetDC(nullptr);
    TEXTMETRICA metrics;
    {
      TSelectedFont font(dc, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
      GetTextMetricsA(dc, &metrics);
    }
    ReleaseDC(nullptr, dc);
    AFontCharset = metrics.tmCharSet;
  }
  if (AText.empty() || static_cast<unsigned char>(AText[0]) < 0x80) return false;
  return AFontCharset == GB2312_CHARSET || AFontCharset == CHINESEBIG5_CHARSET || AFontCharset == ARABIC_CHARSET;
}

Integer cxGetScreenPixelsPerInch(bool AHorizontal) {
  HDC dc = GetDC(nullptr);
  Integer result = GetDeviceCaps(dc, AHorizontal ? LOGPIXELSX : LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return result;
}

TSize cxGetCursorSize() {
  TSize result{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
  ICONINFO info;
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return result;
  BITMAP mask;
  if (info.hbmMask && GetObject(info.hbmMask, sizeof(BITMAP), &mask) != 0 && mask.bmBitsPixel == 1 &&
      mask.bmWidth > 0 && mask.bmHeight >= mask.bmWidth) {
    Integer width = mask.bmWidth;
    Integer rowSize = (width + 31) / 32 * 4;
    std::vector<BYTE> bits(static_cast<size_t>(rowSize) * static_cast<size_t>(mask.bmHeight));
    if (WinGdi::GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data()) > 0) {
      // The AND mask is the last Width rows of the bottom-up mask; an all-transparent AND mask of a
      // monochrome cursor leaves the XOR mask before it to look at.
      size_t andStart = static_cast<size_t>(mask.bmHeight - width) * static_cast<size_t>(rowSize);
      size_t i = andStart;
      while (i < bits.size() && bits[i] == 0xFF) ++i;
      if (i == bits.size() && mask.bmHeight >= 2 * width) {
        i = 0;
        while (i < andStart && bits[i] == 0x00) ++i;
      }
      if (i < bits.size()) {
        Integer height = static_cast<Integer>((bits.size() - i - 1) / static_cast<size_t>(rowSize));
        result.cy = height - static_cast<Integer>(info.yHotspot);
      }
    }
  }
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return result;
}

}  // namespace cxGraphics
