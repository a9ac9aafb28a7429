// Fonts as the text calls use them: a LOGFONT realised as a FreeType face at a pixel size (matched by
// face name through fontconfig, with a CJK face behind it for characters the face lacks), its text
// metrics, a glyph cache (one per realised font, so keyed by face, size and character), and the one
// layout routine that both measuring and drawing go through.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "GdiObjects.h"

namespace GdiText {

// A rendered glyph: coverage 0..255 in a W x H box whose top-left lies (Left, -Top) from the pen
// position on the baseline. Rows are Stride bytes apart, W rounded up to four with no coverage, so
// that drawing takes whole rows four pixels at a time.
struct TGlyph {
  int Advance = 0;
  int Left = 0;
  int Top = 0;
  int W = 0;
  int H = 0;
  int Stride = 0;
  std::vector<uint8_t> Coverage;
};

struct TFaceHandle;

class TFontInstance {
 public:
  ~TFontInstance();
  // The realised font of a LOGFONT (shared between equal LOGFONTs).
  static std::shared_ptr<TFontInstance> Realize(const LOGFONTA& lf);

  const TGlyph& Glyph(char32_t ch);
  const TEXTMETRICA& Metrics() const { return FMetrics; }
  const std::string& FaceName() const { return FFaceName; }
  const LOGFONTA& Log() const { return FLog; }
  int UnderlinePos() const { return FUnderlinePos; }     // pixels below the baseline
  int UnderlineSize() const { return FUnderlineSize; }
  int StrikePos() const { return FStrikePos; }           // pixels above the baseline
  bool Rotated() const { return FLog.lfEscapement % 3600 != 0; }
  double Angle() const;                                  // radians, counter-clockwise
  // Glyph outlines (device units relative to the pen position, y down) for text in paths.
  bool Outline(char32_t ch, std::vector<std::vector<POINT>>& figures);

 private:
  TFontInstance() = default;
  TGlyph Render(char32_t ch);
  LOGFONTA FLog;
  std::unique_ptr<TFaceHandle> FFace;
  std::unique_ptr<TFaceHandle> FFallback;
  bool FFallbackTried = false;
  TEXTMETRICA FMetrics;
  std::string FFaceName;
  int FPixelSize = 12;
  int FUnderlinePos = 1;
  int FUnderlineSize = 1;
  int FStrikePos = 3;
  bool FSynthBold = false;
  bool FSynthItalic = false;
  std::unordered_map<char32_t, TGlyph> FCache;
  // The glyphs asked last, by character code modulo the size: found without hashing.
  struct TRecentGlyph {
    char32_t Code = 0;
    const TGlyph* Glyph = nullptr;
  };
  TRecentGlyph FRecent[256];
};

// Every text call holds this lock: the font library is not safe across threads.
std::recursive_mutex& TextLock();

// The realised font selected into a DC.
TFontInstance& FontOf(TDCObj* dc);

// Characters of UTF-8 text (an invalid byte counts as one character of its own).
struct TChars {
  std::vector<char32_t> Code;
  std::vector<int> Byte;     // first byte of each character
  std::vector<int> Bytes;    // its length in bytes
};
TChars DecodeUtf8(const char* text, int count);
void DecodeUtf8(TChars& chars, const char* text, int count);  // reuses the lists' room
std::string EncodeUtf8(const char16_t* text, int count);

// Pen offsets along the baseline: X[i] is where character i starts, X[n] the total extent. Spacing
// adds the DC's character extra and justification; dx (per byte, optional) replaces the advances.
struct TTextLayout {
  TChars Chars;
  std::vector<int> X;
  std::vector<const TGlyph*> Glyphs;
  int Width() const { return X.empty() ? 0 : X.back(); }
};
TTextLayout LayoutText(TDCObj* dc, const char* text, int count, const INT* dx = nullptr);
void LayoutText(TTextLayout& layout, TDCObj* dc, const char* text, int count, const INT* dx = nullptr);  // reuses its room

// Draws a laid-out line with its reference point (left end of the baseline) at device point `at`,
// clipped to the paint context's clip (and `clip` when given, device coordinates). Opaque background
// when the DC's mode is OPAQUE or opaqueRect is given.
void DrawLayout(TDCObj* dc, const TTextLayout& layout, POINT at, const RECT* clip, const RECT* opaqueRect,
                bool background);
// Underlines one character of a laid-out line (the '&' prefix of DrawText).
void UnderlineChar(TDCObj* dc, const TTextLayout& layout, int index, POINT at, const RECT* clip);

}  // namespace GdiText

using namespace GdiText;
