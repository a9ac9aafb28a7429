// The framework's own multi-line text layout on a device context: rows that fit a rectangle (word
// and character breaks, explicit line breaks, tabs, whole UTF-8 characters), their placement by
// horizontal and vertical alignment (justified and distributed included), and their drawing with an
// end ellipsis, clipping and one highlighted range. cxTextOut combines the steps.
#pragma once

#include <vector>

#include "Graphics.h"
#include "Types.h"
#include "WinDef.h"

namespace cxGraphics {
class TcxCanvas;
}

namespace cxDrawTextUtils {

using cxGraphics::TcxCanvas;

enum TcxTextAlignX { taLeft, taCenterX, taRight, taJustifyX, taDistributeX };
enum TcxTextAlignY { taTop, taCenterY, taBottom, taDistributeY };

// ---- The format word --------------------------------------------------------------------------------
// Bits 0-2 hold the horizontal alignment, bits 4-5 the vertical one (cxMakeFormat).
constexpr DWORD cxtoAlignXMask = 0x7, cxtoAlignYMask = 0x30;
constexpr DWORD cxtoPreventLeftExceed = 1u << 6;   // a row never starts left of the rectangle
constexpr DWORD cxtoPreventTopExceed = 1u << 7;    // the first row never starts above it
constexpr DWORD cxtoWordBreak = 1u << 8;
constexpr DWORD cxtoSingleLine = 1u << 9;
constexpr DWORD cxtoExpandTabs = 1u << 10;
constexpr DWORD cxtoEndEllipsis = 1u << 11;
constexpr DWORD cxtoExternalLeading = 1u << 13;    // rows are the font's external leading taller
constexpr DWORD cxtoWholeRowsOnly = 1u << 14;      // rows only while they fit; allows a forced ellipsis
constexpr DWORD cxtoNoClip = 1u << 15;
constexpr DWORD cxtoAutoIndents = 1u << 16;        // kept in the parameters for the callers
constexpr DWORD cxtoCharBreak = 1u << 17;          // break inside a word when no break point fits
constexpr DWORD cxtoCalculate = 1u << 20;          // cxTextOut measures instead of drawing
constexpr DWORD cxtoCalcRowCount = 1u << 21;       // cxTextOut answers the row count

DWORD cxMakeFormat(TcxTextAlignX AAlignX, TcxTextAlignY AAlignY);

struct TcxTextParams {
  Integer TextHeight = 0;
  Integer ExternalLeading = 0;
  Integer FullRowHeight = 0;
  Integer EndEllipsisWidth = 0;
  Byte BreakChar = 0;
  Byte HorzAlignment = taLeft;  // TcxTextAlignX
  Byte VertAlignment = taTop;   // TcxTextAlignY
  bool WordBreak = false;
  bool SingleLine = false;
  bool ExpandTabs = false;
  bool EndEllipsis = false;
  bool IncludeExternalLeading = false;
  bool WholeRowsOnly = false;
  bool NoClip = false;
  bool AutoIndents = false;
  bool PreventLeftExceed = false;
  bool PreventTopExceed = false;
  bool CharBreak = false;
  bool CalcRowCount = false;
  bool Calculate = false;
  Integer MaxCharWidth = 0;
  Byte CharSet = 0;
};

// One laid-out row; Text points into the caller's text, which must outlive the rows.
struct TcxTextRow {
  const char* Text = nullptr;
  Integer TextLength = 0;  // bytes
  TSize TextExtents;
  Integer BreakCount = 0;  // break characters that justification stretches
  Integer TextOriginX = 0;
  Integer TextOriginY = 0;
  Integer StartOffset = 0;  // of the first byte from the start of the whole text
};
using TcxTextRows = std::vector<TcxTextRow>;

TcxTextParams cxCalcTextParams(HDC ADC, DWORD AFormat);
TcxTextParams cxCalcTextParams(TcxCanvas* ACanvas, DWORD AFormat);
TSize cxCalcTextExtents(HDC ADC, const char* AText, Integer ATextLength, bool AExpandTabs);
void cxCalcTextRowExtents(HDC ADC, TcxTextRow& ARow, const TcxTextParams& ATextParams);

// False exactly when the maximum line count (above 0) cut the text short (outside single-line and
// calculate-only modes).
bool cxMakeTextRows(HDC ADC, const char* AText, Integer ATextLength, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount = 0);
bool cxMakeTextRows(HDC ADC, const String& AText, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount = 0);
bool cxMakeTextRows(HDC ADC, String&& AText, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount = 0) = delete;
bool cxMakeTextRows(TcxCanvas* ACanvas, const String& AText, const TRect& R, const TcxTextParams& ATextParams,
                    TcxTextRows& ATextRows, Integer& ARowCount, Integer AMaxLineCount = 0);
// Sets the rows' origins; distributed text may change the parameters' full row height.
Integer cxPlaceTextRows(HDC ADC, const TRect& R, TcxTextParams& ATextParams, TcxTextRows& ATextRows,
                        Integer ARowCount);
TRect cxPrepareRect(const TRect& R, const TcxTextParams& ATextParams, Integer ALeftIndent, Integer ARightIndent);
void cxTextRowsOutHighlight(HDC ADC, const TRect& R, const TcxTextParams& ATextParams, const TcxTextRows& ATextRows,
                            Integer ARowCount, Integer ASelStart, Integer ASelLength, TColor ASelBkColor,
                            TColor ASelTextColor, bool AForceEndEllipsis);
Integer cxGetLongestTextRowWidth(const TcxTextRows& ATextRows, Integer ARowCount);

// Draws (or, with cxtoCalculate, measures into R) the text; answers its height, or the row count.
Integer cxTextOut(HDC ADC, const String& AText, TRect& R, DWORD AFormat, Integer ASelStart, Integer ASelLength,
                  TColor ASelBkColor, TColor ASelTextColor, Integer AMaxLineCount = 0, Integer ALeftIndent = 0,
                  Integer ARightIndent = 0);
Integer cxTextOut(HDC ADC, const String& AText, TRect& R, DWORD AFormat = 0, Integer AMaxLineCount = 0,
                  Integer ALeftIndent = 0, Integer ARightIndent = 0);
Integer cxTextOut(TcxCanvas* ACanvas, const String& AText, TRect& R, DWORD AFormat, Integer ASelStart,
                  Integer ASelLength, TColor ASelBkColor, TColor ASelTextColor, Integer AMaxLineCount = 0,
                  Integer ALeftIndent = 0, Integer ARightIndent = 0);
Integer cxTextOut(TcxCanvas* ACanvas, const String& AText, TRect& R, DWORD AFormat = 0, Integer AMaxLineCount = 0,
                  Integer ALeftIndent = 0, Integer ARightIndent = 0);

}  // namespace cxDrawTextUtils

using namespace cxDrawTextUtils;
