// Measuring, breaking and drawing the text of grid cells and of the grid's edit box, by whole
// characters (Tsmbcs.h). Word wrap breaks after blanks and shows as many whole characters as fit;
// lines align left, right or centred and the block of lines top, bottom or centred; in far-east
// mode lines get one pixel of leading when the font has external leading.
//
// Text is a zero-terminated UTF-8 byte string; positions and lengths are bytes. A blank is a space
// or a tab, a line break CR or LF, a text character anything else but the terminator.
#pragma once

#include "ClassTypes.h"
#include "System.h"
#include "TSCommon.h"
#include "Types.h"
#include "WinDef.h"

namespace WinGdi {
struct TEXTMETRICA;
}
namespace Graphics {
class TCanvas;
}
namespace TSSetLib {
class TtsIntegerList;
}

namespace Tsglib {

using Graphics::TCanvas;
using TSSetLib::TtsIntegerList;
using WinGdi::TEXTMETRICA;

// Set at unit start: the platform's measurement of an italic text leaves out its overhang, which
// MeasureText then takes off every width it measures, so that callers add it back once.
extern bool MeasureExcludesOverhang;

// ---- Characters and scans ----------------------------------------------------------------------
bool IsLeadByte(Byte B);
bool IsSpaceChar(const char* Text, Integer Pos);
bool IsTextChar(const char* Text, Integer Pos);
// The first CR or LF among the first Count bytes, or nil.
const char* StrNScanEol(const char* Text, Integer Count);
// The last blank among the first Count bytes, or nil.
const char* StrRNSpaceScan(const char* Text, Integer Count);
// The last text character before Count, or nil.
const char* StrRNTextScan(const char* Text, Integer Count);
// The first position from Text on that is not a blank, at most Count bytes on.
const char* StrNSkipSpace(const char* Text, Integer Count);
// The caret's jump over the rest of a word and what follows it (Ctrl+Right), and back (Ctrl+Left).
Integer NextWordCount(const char* Text, Integer Pos);
Integer PrevWordCount(const char* Text, Integer Pos);

// ---- Counting -----------------------------------------------------------------------------------
// Count characters walked over at most Size bytes (from the end with FromEnd): their characters
// and bytes.
void PCountChars(const char* Text, Integer Count, Integer Size, Integer& Chars, Integer& Bytes, bool FromEnd);
// The bytes of Chars characters (at most Size).
Integer PCharToByteLen(const char* Text, Integer Chars, Integer Size, bool FromEnd);
// The characters in Bytes bytes (at most Size).
Integer PByteToCharLen(const char* Text, Integer Bytes, Integer Size);

// ---- Measuring and breaking ---------------------------------------------------------------------------
bool MeasureText(HDC DC, const TEXTMETRICA& TM, const char* Text, Integer Count, SIZE& Size);
bool LastCharIsEofLine(const char* Text, Integer Len);
// A cell shows several lines when a second line would be at least a third visible.
bool IsMultiLineText(Integer Height, Integer LineHeight);
// The leading added to every line: 1 in far-east mode for a font with external leading, else 0.
Integer TextLineSpacing(const TEXTMETRICA& TM);
// The byte length of the next line of Text that fits Width; false only for an empty text.
bool GetNextLine(HDC DC, const TEXTMETRICA& TM, const char* Text, Integer Width, TAlignment Alignment, Integer& Len);
// The start offsets of the lines of a cell (at least one, the first 0).
void GetTextLines(HDC DC, const char* Text, Integer Height, Integer Width, TAlignment Alignment, bool WordWrap,
                  TtsIntegerList* Lines, Integer MaxLines);
void GetTextHeight(HDC DC, const char* Text, Integer Width, TAlignment Alignment, bool WordWrap, Integer& LineCount,
                   Integer& Height);
// The printed width of the text's lines side by side, each line break one blank unless
// BreaksTakeNoRoom.
void GetPrintCharWidth(TCanvas* Canvas, const TEXTMETRICA& TM, const char* Text, Integer Len, bool BreaksTakeNoRoom,
                       bool AddOverhang, Integer& Width);
// The y of the first of the lines placed in Rect from Top.
Integer GetVertTopOffset(Integer Top, const TRect& Rect, TtsIntegerList* Lines, Integer Spacing,
                         TtsVertAlignment VertAlign, const TEXTMETRICA& TM);

// ---- Drawing --------------------------------------------------------------------------------------------
// A cell's text in Rect (filled with the canvas brush), from (X, Y), wrapped and aligned; AccelPos
// (1-based, 0 for none) names the character to underline.
void DisplayText(TCanvas* Canvas, const char* Text, Integer Height, const TRect& Rect, Integer X, Integer Y,
                 TAlignment Alignment, TtsVertAlignment VertAlign, bool WordWrap, Integer AccelPos);
// The edit box's text from its TopLine (wrapped) or from ScrollPos (one line), with the selection
// SelStart..SelStart+SelLength (bytes) drawn in SelTextColor on SelBackColor.
void DisplayTextLines(TCanvas* Canvas, const char* Text, Integer Height, const TRect& Rect, Integer X, Integer Y,
                      Integer ScrollPos, Integer TopLine, TtsIntegerList* Lines, Integer SelStart, Integer SelLength,
                      Integer SelBackColor, Integer SelTextColor, TAlignment Alignment, TtsVertAlignment VertAlign,
                      bool WordWrap);

void TsglibInitialization();

}  // namespace Tsglib

using namespace Tsglib;
