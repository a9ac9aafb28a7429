// Fonts: creating font objects, matching a face name to an installed face through fontconfig,
// sizing by the system's height rule, text metrics, character widths and the glyph cache.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>

#include "GdiText.h"

namespace GdiText {

struct TFaceHandle {
  FT_Face Face = nullptr;
  ~TFaceHandle() {
    if (Face) FT_Done_Face(Face);
  }
};

namespace {

constexpr const char* kCjkFamily = "AR PL UMing CN";

FT_Library Library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// The installed family that stands for a face name of the forms.
std::string FamilyFor(const std::string& face, BYTE pitchAndFamily) {
  static const std::map<std::string, std::string> table = {
      {"\xE5\xAE\x8B\xE4\xBD\x93", kCjkFamily},          // 宋体
      {"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", kCjkFamily},  // 新宋体
      {"simsun", kCjkFamily},
      {"nsimsun", kCjkFamily},
      {"ms song", kCjkFamily},
      {"ms sans serif", "Liberation Sans"},
      {"microsoft sans serif", "Liberation Sans"},
      {"ms shell dlg", "Liberation Sans"},
      {"ms shell dlg 2", "Liberation Sans"},
      {"tahoma", "Liberation Sans"},
      {"arial", "Liberation Sans"},
      {"verdana", "Liberation Sans"},
      {"segoe ui", "Liberation Sans"},
      {"system", "Liberation Sans"},
      {"small fonts", "Liberation Sans"},
      {"times new roman", "Liberation Serif"},
      {"ms serif", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
      {"courier", "Liberation Mono"},
      {"fixedsys", "Liberation Mono"},
      {"terminal", "Liberation Mono"},
      {"lucida console", "Liberation Mono"},
  };
  auto it = table.find(Lower(face));
  if (it != table.end()) return it->second;
  if (!face.empty()) return face;
  switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN: return "Liberation Serif";
    case FF_MODERN: return "Liberation Mono";
    default: return (pitchAndFamily & 3) == FIXED_PITCH ? "Liberation Mono" : "Liberation Sans";
  }
}

struct TMatch {
  std::string File;
  int Index = 0;
  std::string Family;
  bool Bold = false;
  bool Italic = false;
};

bool MatchFamily(const std::string& family, bool bold, bool italic, TMatch& out) {
  static bool ready = FcInit() == FcTrue;
  if (!ready) return false;
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  if (!match) return false;
  FcChar8* file = nullptr;
  FcChar8* fam = nullptr;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
  if (ok) {
    out.File = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    out.Index = index;
    // A face without a bold design answers a bold request with its regular outlines and asks for
    // them to be emboldened: that bold is the layer's to make.
    FcBool embolden = FcFalse;
    FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
    out.Bold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
    out.Italic = slant != FC_SLANT_ROMAN;
    if (FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch) out.Family = reinterpret_cast<const char*>(fam);
  }
  FcPatternDestroy(match);
  return ok;
}

std::unique_ptr<TFaceHandle> OpenFace(const TMatch& m) {
  auto h = std::make_unique<TFaceHandle>();
  if (!Library() || FT_New_Face(Library(), m.File.c_str(), m.Index, &h->Face) != 0) return nullptr;
  return h;
}

int Scale(long units, int ppem, int upem) {
  return static_cast<int>(std::lround(static_cast<double>(units) * ppem / (upem ? upem : 1000)));
}

// The cache holds realized fonts weakly, so a font nobody holds is gone. A program switching between
// a few fonts (a grid's heading and cell fonts, say) would then open and measure their faces again at
// every switch: the fonts realized last are kept alive.
void KeepRecent(const std::shared_ptr<TFontInstance>& f) {
  constexpr size_t kRecentFontsKept = 16;
  static std::deque<std::shared_ptr<TFontInstance>> recent;
  auto it = std::find(recent.begin(), recent.end(), f);
  if (it == recent.begin() && it != recent.end()) return;
  if (it != recent.end()) recent.erase(it);
  recent.push_front(f);
  if (recent.size() > kRecentFontsKept) recent.pop_back();
}

std::string KeyOf(const LOGFONTA& lf) {
  LOGFONTA k = lf;
  size_t n = strnlen(k.lfFaceName, LF_FACESIZE - 1);
  std::memset(k.lfFaceName + n, 0, LF_FACESIZE - n);
  return std::string(reinterpret_cast<const char*>(&k), sizeof k);
}

}  // namespace

std::recursive_mutex& TextLock() {
  static std::recursive_mutex m;
  return m;
}

TFontInstance::~TFontInstance() = default;

double TFontInstance::Angle() const { return FLog.lfEscapement / 10.0 * M_PI / 180.0; }

std::shared_ptr<TFontInstance> TFontInstance::Realize(const LOGFONTA& lf) {
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  static std::map<std::string, std::weak_ptr<TFontInstance>> cache;
  std::string key = KeyOf(lf);
  if (auto it = cache.find(key); it != cache.end())
    if (auto live = it->second.lock()) {
      KeepRecent(live);
      return live;
    }

  std::shared_ptr<TFontInstance> f(new TFontInstance());
  f->FLog = lf;
  std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  bool bold = lf.lfWeight >= FW_SEMIBOLD;
  bool italic = lf.lfItalic != 0;
  TMatch m;
  if (MatchFamily(FamilyFor(face, lf.lfPitchAndFamily), bold, italic, m)) {
    f->FFace = OpenFace(m);
    f->FFaceName = m.Family;
    f->FSynthBold = bold && !m.Bold;
    f->FSynthItalic = italic && !m.Italic;
  }
  TEXTMETRICA& tm = f->FMetrics;
  tm.tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
  tm.tmItalic = italic;
  tm.tmUnderlined = lf.lfUnderline != 0;
  tm.tmStruckOut = lf.lfStrikeOut != 0;
  tm.tmFirstChar = 0x1E;
  tm.tmLastChar = 0xFF;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
  bool cjk = f->FFaceName == kCjkFamily;
  tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? (cjk ? GB2312_CHARSET : ANSI_CHARSET) : lf.lfCharSet;

  FT_Face ft = f->FFace ? f->FFace->Face : nullptr;
  if (!ft) {  // no face at all: metrics of a plain 8 x 16 cell so that layouts still work
    tm.tmHeight = 16, tm.tmAscent = 13, tm.tmDescent = 3, tm.tmAveCharWidth = 7, tm.tmMaxCharWidth = 14;
    tm.tmPitchAndFamily = TMPF_FIXED_PITCH;
    cache[key] = f;
    KeepRecent(f);
    return f;
  }
  int upem = ft->units_per_EM ? ft->units_per_EM : 1000;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
  auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA));
  long winAscent = os2 && os2->usWinAscent ? os2->usWinAscent : ft->ascender;
  long winDescent = os2 && os2->usWinAscent ? os2->usWinDescent : -ft->descender;
  // The system's height rule: negative heights give the character (em) height, positive ones the cell.
  int height = lf.lfHeight == 0 ? -12 : lf.lfHeight;
  int ppem = height < 0 ? -height
                        : std::max(1, static_cast<int>(std::lround(double(height) * upem / std::max(1L, winAscent + winDescent))));
  ppem = std::min(ppem, 2000);
  f->FPixelSize = ppem;
  int avgUnits = os2 && os2->xAvgCharWidth > 0 && os2->xAvgCharWidth <= upem * 3 / 5 ? os2->xAvgCharWidth : upem / 2;
  int widthPx = lf.lfWidth > 0 ? static_cast<int>(std::lround(double(ppem) * lf.lfWidth / std::max(1, Scale(avgUnits, ppem, upem))))
                               : 0;
  FT_Set_Pixel_Sizes(ft, static_cast<FT_UInt>(std::max(0, widthPx)), static_cast<FT_UInt>(ppem));
  if (f->Rotated() || f->FSynthItalic) {
    double a = f->Angle(), c = std::cos(a), s = std::sin(a);
    double shear = f->FSynthItalic ? 0.2 : 0.0;
    FT_Matrix mx;
    mx.xx = static_cast<FT_Fixed>(c * 0x10000);
    mx.xy = static_cast<FT_Fixed>((c * shear - s) * 0x10000);
    mx.yx = static_cast<FT_Fixed>(s * 0x10000);
    mx.yy = static_cast<FT_Fixed>((s * shear + c) * 0x10000);
    FT_Set_Transform(ft, &mx, nullptr);
  }

  tm.tmDescent = Scale(winDescent, ppem, upem);
  // A cell height asked for is the height answered; the ascent takes the rounding.
  tm.tmAscent = height > 0 ? std::max(1, height - static_cast<int>(tm.tmDescent)) : Scale(winAscent, ppem, upem);
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, static_cast<int>(tm.tmHeight) - ppem);
  long gap = hhea ? hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender)) : 0;
  tm.tmExternalLeading = std::max(0, Scale(gap, ppem, upem));
  tm.tmAveCharWidth = std::max(1, widthPx ? lf.lfWidth : Scale(avgUnits, ppem, upem));
  tm.tmMaxCharWidth = std::max<LONG>(tm.tmAveCharWidth, Scale(ft->max_advance_width, ppem, upem));
  bool fixed = FT_IS_FIXED_WIDTH(ft);
  BYTE family = cjk || fixed ? FF_MODERN : (f->FFaceName.find("Serif") != std::string::npos ? FF_ROMAN : FF_SWISS);
  tm.tmPitchAndFamily = static_cast<BYTE>(family | TMPF_TRUETYPE | TMPF_VECTOR | (fixed ? 0 : TMPF_FIXED_PITCH));
  if (f->FSynthBold) tm.tmOverhang = 0;
  f->FUnderlinePos = std::max(1, Scale(-ft->underline_position, ppem, upem));
  f->FUnderlineSize = std::max(1, Scale(ft->underline_thickness, ppem, upem));
  f->FStrikePos = os2 && os2->yStrikeoutPosition > 0 ? Scale(os2->yStrikeoutPosition, ppem, upem) : tm.tmAscent / 3;
  cache[key] = f;
  KeepRecent(f);
  return f;
}

TGlyph TFontInstance::Render(char32_t ch) {
  TGlyph g;
  FT_Face face = FFace ? FFace->Face : nullptr;
  if (!face) {
    g.Advance = FMetrics.tmAveCharWidth;
    return g;
  }
  FT_UInt index = FT_Get_Char_Index(face, ch);
  if (index == 0 && ch >= 0x80) {
    // Characters the face lacks come from the CJK face at the same size, as the system links fonts.
    if (!FFallbackTried) {
      FFallbackTried = true;
      TMatch m;
      if (FFaceName != kCjkFamily && MatchFamily(kCjkFamily, false, false, m) && (FFallback = OpenFace(m))) {
        FT_Set_Pixel_Sizes(FFallback->Face, 0, static_cast<FT_UInt>(FPixelSize));
        if (Rotated()) {
          double a = Angle(), c = std::cos(a), s = std::sin(a);
          FT_Matrix mx{static_cast<FT_Fixed>(c * 0x10000), static_cast<FT_Fixed>(-s * 0x10000),
                       static_cast<FT_Fixed>(s * 0x10000), static_cast<FT_Fixed>(c * 0x10000)};
          FT_Set_Transform(FFallback->Face, &mx, nullptr);
        }
      }
    }
    if (FFallback) {
      FT_UInt alt = FT_Get_Char_Index(FFallback->Face, ch);
      if (alt) {
        face = FFallback->Face;
        index = alt;
      }
    }
  }
  bool mono = FLog.lfQuality == NONANTIALIASED_QUALITY;
  FT_Int32 flags = FT_LOAD_DEFAULT | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  if (Rotated() || FSynthItalic) flags |= FT_LOAD_NO_BITMAP;
  if (FT_Load_Glyph(face, index, flags) != 0) {
    g.Advance = FMetrics.tmAveCharWidth;
    return g;
  }
  FT_GlyphSlot slot = face->glyph;
  if (FSynthBold) FT_GlyphSlot_Embolden(slot);
  g.Advance = static_cast<int>((slot->metrics.horiAdvance + 32) >> 6);
  if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return g;
  const FT_Bitmap& bm = slot->bitmap;
  g.Left = slot->bitmap_left;
  g.Top = slot->bitmap_top;
  g.W = static_cast<int>(bm.width);
  g.H = static_cast<int>(bm.rows);
  g.Stride = (g.W + 3) & ~3;
  g.Coverage.assign(static_cast<size_t>(g.Stride) * g.H, 0);
  for (int y = 0; y < g.H; ++y) {
    const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
    for (int x = 0; x < g.W; ++x) {
      uint8_t v = bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255
                  : bm.pixel_mode == FT_PIXEL_MODE_GRAY ? row[x]
                                                        : 0;
      g.Coverage[static_cast<size_t>(y) * g.Stride + x] = v;
    }
  }
  return g;
}

const TGlyph& TFontInstance::Glyph(char32_t ch) {
  TRecentGlyph& recent = FRecent[ch % std::size(FRecent)];
  if (recent.Glyph && recent.Code == ch) return *recent.Glyph;
  auto it = FCache.find(ch);
  if (it == FCache.end()) it = FCache.emplace(ch, Render(ch)).first;
  recent = TRecentGlyph{ch, &it->second};  // the cache's entries never move
  return it->second;
}

bool TFontInstance::Outline(char32_t ch, std::vector<std::vector<POINT>>& figures) {
  FT_Face face = FFace ? FFace->Face : nullptr;
  if (!face) return false;
  FT_UInt index = FT_Get_Char_Index(face, ch);
  if (index == 0 && FFallback) {
    face = FFallback->Face;
    index = FT_Get_Char_Index(face, ch);
  }
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) != 0 || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  struct TSink {
    std::vector<std::vector<POINT>>* Out;
    FT_Vector Last{0, 0};
    static POINT P(double x, double y) { return POINT{LONG(std::lround(x / 64.0)), LONG(std::lround(-y / 64.0))}; }
    void Curve(const FT_Vector& c1, const FT_Vector* c2, const FT_Vector& to) {
      const int steps = 4;
      for (int i = 1; i <= steps; ++i) {
        double t = double(i) / steps, u = 1 - t, x, y;
        if (c2) {
          x = u * u * u * Last.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2->x + t * t * t * to.x;
          y = u * u * u * Last.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2->y + t * t * t * to.y;
        } else {
          x = u * u * Last.x + 2 * u * t * c1.x + t * t * to.x;
          y = u * u * Last.y + 2 * u * t * c1.y + t * t * to.y;
        }
        Out->back().push_back(P(x, y));
      }
      Last = to;
    }
  } sink{&figures};
  FT_Outline_Funcs funcs{};
  funcs.move_to = [](const FT_Vector* to, void* u) {
    auto* s = static_cast<TSink*>(u);
    s->Out->push_back({TSink::P(to->x, to->y)});
    s->Last = *to;
    return 0;
  };
  funcs.line_to = [](const FT_Vector* to, void* u) {
    auto* s = static_cast<TSink*>(u);
    s->Out->back().push_back(TSink::P(to->x, to->y));
    s->Last = *to;
    return 0;
  };
  funcs.conic_to = [](const FT_Vector* c, const FT_Vector* to, void* u) {
    static_cast<TSink*>(u)->Curve(*c, nullptr, *to);
    return 0;
  };
  funcs.cubic_to = [](const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* u) {
    static_cast<TSink*>(u)->Curve(*c1, c2, *to);
    return 0;
  };
  return FT_Outline_Decompose(&face->glyph->outline, &funcs, &sink) == 0;
}

TFontInstance& FontOf(TDCObj* dc) {
  TFontObj* f = dc->S.Font ? dc->S.Font : static_cast<TFontObj*>(Stock(SYSTEM_FONT));
  if (!f->Instance) f->Instance = TFontInstance::Realize(f->Log);
  return *f->Instance;
}

}  // namespace GdiText

namespace WinGdi {

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (!font) return nullptr;
  auto* f = new TFontObj();
  f->Log = *font;
  f->Log.lfFaceName[LF_FACESIZE - 1] = 0;
  return static_cast<HFONT>(Register(f));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR face) {
  LOGFONTA lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = static_cast<BYTE>(italic);
  lf.lfUnderline = static_cast<BYTE>(underline);
  lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
  lf.lfCharSet = static_cast<BYTE>(charSet);
  lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  lf.lfQuality = static_cast<BYTE>(quality);
  lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
  TDCObj* d = DCOf(dc);
  if (!d || !metrics) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  *metrics = FontOf(d).Metrics();
  return TRUE;
}

int GetTextFaceA(HDC dc, int size, LPSTR face) {
  TDCObj* d = DCOf(dc);
  if (!d) return 0;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  const std::string& name = FontOf(d).FaceName();
  if (!face) return static_cast<int>(name.size()) + 1;
  if (size <= 0) return 0;
  size_t n = std::min(name.size(), static_cast<size_t>(size - 1));
  std::memcpy(face, name.data(), n);
  face[n] = 0;
  return static_cast<int>(n);
}

BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, INT* widths) {
  TDCObj* d = DCOf(dc);
  if (!d || !widths || last < first || last - first > 0x10FFFF) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TFontInstance& f = FontOf(d);
  for (UINT c = first; c <= last; ++c) widths[c - first] = f.Glyph(c).Advance;
  return TRUE;
}

BOOL GetCharABCWidthsA(HDC dc, UINT first, UINT last, ABC* widths) {
  TDCObj* d = DCOf(dc);
  if (!d || !widths || last < first || last - first > 0x10FFFF) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TFontInstance& f = FontOf(d);
  for (UINT c = first; c <= last; ++c) {
    const TGlyph& g = f.Glyph(c);
    ABC& abc = widths[c - first];
    abc.abcA = g.W ? g.Left : 0;
    abc.abcB = static_cast<UINT>(g.W ? g.W : 0);
    abc.abcC = g.Advance - abc.abcA - static_cast<int>(abc.abcB);
  }
  return TRUE;
}

DWORD GetFontLanguageInfo(HDC dc) { return DCOf(dc) ? 0 : 0x80000000; }

int AddFontResourceExA(LPCSTR file, DWORD flags, void* reserved) {
  if (!file) return 0;
  return FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file)) == FcTrue ? 1 : 0;
}

}  // namespace WinGdi

// The font configuration library keeps blocks of its parsed configuration unreferenced for the rest
// of the process; the leak checker of sanitizer builds is told so, not the fonts of this layer.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
