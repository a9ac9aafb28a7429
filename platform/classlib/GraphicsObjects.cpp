// Colours and their names; fonts, pens and brushes with their handles shared through a cache keyed
// by what the handle draws.
#include <cstring>
#include <unordered_map>

#include "Exceptions.h"
#include "RtlMath.h"
#include "Graphics.h"
#include "Strings.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

namespace Graphics {

// ---- Colours ----------------------------------------------------------------------------------------
namespace {
struct TNamedValue {
  const char* Name;
  Integer Value;
};
constexpr TNamedValue ColorNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clActiveBorder", clActiveBorder}, {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace}, {"clBackground", clBackground}, {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight}, {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText}, {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clGrayText", clGrayText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder}, {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText},
    {"clMenu", clMenu}, {"clMenuBar", clMenuBar}, {"clMenuHighlight", clMenuHighlight},
    {"clMenuText", clMenuText}, {"clNone", clNone}, {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clWindowText", clWindowText}};

constexpr TNamedValue CharsetNames[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134}, {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162}, {"VIETNAMESE_CHARSET", 163}, {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178}, {"BALTIC_CHARSET", 186}, {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255}};

template <size_t N>
bool NameToValue(const TNamedValue (&table)[N], const String& name, Integer& value) {
  for (const TNamedValue& e : table)
    if (SameText(e.Name, name)) {
      value = e.Value;
      return true;
    }
  return false;
}
template <size_t N>
bool ValueToName(const TNamedValue (&table)[N], Integer value, String& name) {
  for (const TNamedValue& e : table)
    if (e.Value == value) {
      name = e.Name;
      return true;
    }
  return false;
}

bool ColorIdentToInt(const String& ident, Int64& value) {
  Integer v;
  if (!IdentToColor(ident, v)) return false;
  value = v;
  return true;
}
bool ColorIntToIdent(Int64 value, String& ident) { return ColorToIdent(static_cast<Integer>(value), ident); }
bool CharsetIdentToInt(const String& ident, Int64& value) {
  Integer v;
  if (!NameToValue(CharsetNames, ident, v)) return false;
  value = v;
  return true;
}
bool CharsetIntToIdent(Int64 value, String& ident) {
  return ValueToName(CharsetNames, static_cast<Integer>(value), ident);
}
}  // namespace

COLORREF ColorToRGB(TColor Color) {
  if (Color < 0) return GetSysColor(Color & 0xFF);
  return static_cast<COLORREF>(Color);
}

bool ColorToIdent(Integer Color, String& Ident) { return ValueToName(ColorNames, Color, Ident); }
bool IdentToColor(const String& Ident, Integer& Color) { return NameToValue(ColorNames, Ident, Color); }

String ColorToString(TColor Color) {
  String name;
  if (ColorToIdent(Color, name)) return name;
  return "$" + IntToHex(Color, 8);
}

TColor StringToColor(const String& S) {
  Integer value;
  if (IdentToColor(S, value)) return value;
  if (TryStrToInt(S, value)) return value;
  throw EConvertError("'" + S + "' is not a valid colour");
}

const TTypeInfo* ColorTypeInfo() {
  static const TTypeInfo* info = MakeIdentIntTypeInfo("TColor", ColorIdentToInt, ColorIntToIdent);
  return info;
}
const TTypeInfo* CharsetTypeInfo() {
  static const TTypeInfo* info = MakeIdentIntTypeInfo("TFontCharset", CharsetIdentToInt, CharsetIntToIdent);
  return info;
}

// ---- The resource cache -----------------------------------------------------------------------------
// One device handle per distinct description, counted by the objects that use it; a handle whose
// count drops to zero is deleted at once, so a canvas never holds a handle nobody owns.
namespace {
struct TCacheEntry {
  HGDIOBJ Handle = nullptr;
  Integer Uses = 0;
};
std::unordered_map<std::string, TCacheEntry>& Cache() {
  static std::unordered_map<std::string, TCacheEntry> cache;
  return cache;
}

template <class T>
std::string KeyOf(char kind, const T& data) {
  std::string key(1, kind);
  key.append(reinterpret_cast<const char*>(&data), sizeof(T));
  return key;
}

HGDIOBJ Acquire(const std::string& key, HGDIOBJ (*make)(const std::string&)) {
  TCacheEntry& e = Cache()[key];
  if (!e.Handle) e.Handle = make(key);
  ++e.Uses;
  return e.Handle;
}

void Release(HGDIOBJ handle) {
  if (!handle) return;
  auto& cache = Cache();
  for (auto it = cache.begin(); it != cache.end(); ++it)
    if (it->second.Handle == handle) {
      if (--it->second.Uses <= 0) {
        DeleteObject(it->second.Handle);
        cache.erase(it);
      }
      return;
    }
}

// The handle an object holds while its description stays the same; dropped on every change.
struct THandleSlot {
  HGDIOBJ Handle = nullptr;
  void Drop() {
    Release(Handle);
    Handle = nullptr;
  }
};
std::unordered_map<const TGraphicsObject*, THandleSlot>& Slots() {
  static std::unordered_map<const TGraphicsObject*, THandleSlot> slots;
  return slots;
}
void DropHandle(const TGraphicsObject* obj) {
  auto& slots = Slots();
  auto it = slots.find(obj);
  if (it == slots.end()) return;
  it->second.Drop();
  slots.erase(it);
}
}  // namespace

void ClearGraphicsCache() {
  auto& cache = Cache();
  for (auto it = cache.begin(); it != cache.end();) {
    if (it->second.Uses <= 0) {
      DeleteObject(it->second.Handle);
      it = cache.erase(it);
    } else {
      ++it;
    }
  }
}

Integer GraphicsCacheCount() { return static_cast<Integer>(Cache().size()); }

// ---- TGraphicsObject --------------------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TGraphicsObject)

void TGraphicsObject::Destroy() {
  DropHandle(this);
  inherited::Destroy();
}

// The handle is renewed before anyone hears, so that a listener asking for it (a control measuring
// text on CM_FONTCHANGED) gets the new description's. The old handle stays alive until every listener
// has heard, so that a canvas deselects it before the cache may delete it.
void TGraphicsObject::Changed() {
  struct TReleaseOld {
    HGDIOBJ Handle = nullptr;
    ~TReleaseOld() { Release(Handle); }
  } old;
  auto& slots = Slots();
  auto it = slots.find(this);
  if (it != slots.end()) {
    old.Handle = it->second.Handle;
    slots.erase(it);
  }
  if (OnChange) OnChange(this);
}

// ---- TFont ------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TFont) {
  d.Property("Charset", &TFont::GetCharset, &TFont::SetCharset).Type(CharsetTypeInfo());
  d.Property("Color", &TFont::GetColor, &TFont::SetColor).Type(ColorTypeInfo());
  d.Property("Height", &TFont::GetHeight, &TFont::SetHeight);
  d.Property("Name", &TFont::GetName, &TFont::SetName);
  d.Property("Pitch", &TFont::GetPitch, &TFont::SetPitch).Default(fpDefault);
  d.Property("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
  d.Property("Style", &TFont::GetStyle, &TFont::SetStyle);
}

void TFont::DefaultFontData(String& Name, Integer& Height) {
  Name = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体
  Height = -12;
}

void TFont::Construct() {
  inherited::Construct();
  DefaultFontData(FName, FHeight);
}

void TFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFont*>(Source)) {
    if (f == this) return;
    FName = f->FName;
    FHeight = MulDiv(f->FHeight, PixelsPerInch, f->PixelsPerInch);
    FLogFont = f->FLogFont;
    FLogFont.Width = MulDiv(f->FLogFont.Width, PixelsPerInch, f->PixelsPerInch);
    FStyle = f->FStyle;
    FPitch = f->FPitch;
    FCharset = f->FCharset;
    FColor = f->FColor;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

void TFont::AssignLogFont(const LOGFONTA& Font) {
  FName = String(Font.lfFaceName, strnlen(Font.lfFaceName, LF_FACESIZE));
  FHeight = Font.lfHeight;
  FStyle = {};
  if (Font.lfWeight >= FW_BOLD) FStyle.Include(fsBold);
  if (Font.lfItalic) FStyle.Include(fsItalic);
  if (Font.lfUnderline) FStyle.Include(fsUnderline);
  if (Font.lfStrikeOut) FStyle.Include(fsStrikeOut);
  FCharset = Font.lfCharSet;
  switch (Font.lfPitchAndFamily & 0x3) {
    case FIXED_PITCH: FPitch = fpFixed; break;
    case VARIABLE_PITCH: FPitch = fpVariable; break;
    default: FPitch = fpDefault;
  }
  FLogFont.Width = Font.lfWidth;
  FLogFont.Escapement = Font.lfEscapement;
  FLogFont.Orientation = Font.lfOrientation;
  FLogFont.Weight = Font.lfWeight;
  FLogFont.OutPrecision = Font.lfOutPrecision;
  FLogFont.ClipPrecision = Font.lfClipPrecision;
  FLogFont.Quality = Font.lfQuality;
  FLogFont.Family = Font.lfPitchAndFamily & 0xF0;
  Changed();
}

HFONT TFont::GetHandle() {
  THandleSlot& slot = Slots()[this];
  if (!slot.Handle) {
    LOGFONTA lf;
    lf.lfHeight = FHeight;
    lf.lfWidth = FLogFont.Width;
    lf.lfEscapement = FLogFont.Escapement;
    lf.lfOrientation = FLogFont.Orientation;
    // A weight given with the font (light, semibold, heavy) stays as long as the style agrees with it.
    const Integer weight = FLogFont.Weight;
    if (FStyle.Contains(fsBold))
      lf.lfWeight = weight >= FW_BOLD ? weight : FW_BOLD;
    else
      lf.lfWeight = weight > FW_DONTCARE && weight < FW_BOLD ? weight : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(FCharset);
    lf.lfOutPrecision = FLogFont.OutPrecision;
    lf.lfClipPrecision = FLogFont.ClipPrecision;
    lf.lfQuality = FLogFont.Quality;
    lf.lfPitchAndFamily = FLogFont.Family | (FPitch == fpFixed      ? FIXED_PITCH
                                              : FPitch == fpVariable ? VARIABLE_PITCH
                                                                     : DEFAULT_PITCH);
    std::strncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    slot.Handle = Acquire(KeyOf('F', lf), [](const std::string& key) -> HGDIOBJ {
      LOGFONTA l;
      std::memcpy(&l, key.data() + 1, sizeof l);
      return CreateFontIndirectA(&l);
    });
  }
  return static_cast<HFONT>(slot.Handle);
}

void TFont::SetHandle(HFONT Value) {
  LOGFONTA lf;
  if (!Value || GetObjectA(Value, sizeof lf, &lf) == 0) return;
  AssignLogFont(lf);
}

void TFont::SetName(const String& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Changed();
}

Integer TFont::GetSize() const { return -MulDiv(FHeight, 72, PixelsPerInch); }

void TFont::SetSize(Integer Value) { SetHeight(-MulDiv(Value, PixelsPerInch, 72)); }

void TFont::SetHeight(Integer Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  // The colour is the canvas's text colour, not part of the font handle.
  if (OnChange) OnChange(this);
}

// ---- TPen -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TPen) {
  d.Property("Color", &TPen::GetColor, &TPen::SetColor).Default(clBlack).Type(ColorTypeInfo());
  d.Property("Mode", &TPen::GetMode, &TPen::SetMode).Default(pmCopy);
  d.Property("Style", &TPen::GetStyle, &TPen::SetStyle).Default(psSolid);
  d.Property("Width", &TPen::GetWidth, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TPen*>(Source)) {
    if (p == this) return;
    FColor = p->FColor;
    FStyle = p->FStyle;
    FWidth = p->FWidth;
    FMode = p->FMode;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

HPEN TPen::GetHandle() {
  THandleSlot& slot = Slots()[this];
  if (!slot.Handle) {
    LOGPEN lp;
    static constexpr UINT Styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    lp.lopnStyle = Styles[FStyle];
    lp.lopnWidth.x = FWidth;
    lp.lopnColor = ColorToRGB(FColor);
    slot.Handle = Acquire(KeyOf('P', lp), [](const std::string& key) -> HGDIOBJ {
      LOGPEN l;
      std::memcpy(&l, key.data() + 1, sizeof l);
      return CreatePenIndirect(&l);
    });
  }
  return static_cast<HPEN>(slot.Handle);
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TPen::SetWidth(Integer Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  // The mix mode is the canvas's, not part of the pen handle.
  if (OnChange) OnChange(this);
}

// ---- TBrush -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TBrush) {
  d.Property("Color", &TBrush::GetColor, &TBrush::SetColor).Default(clWhite).Type(ColorTypeInfo());
  d.Property("Style", &TBrush::GetStyle, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* Source) {
  if (auto* b = dynamic_cast<TBrush*>(Source)) {
    if (b == this) return;
    FColor = b->FColor;
    FStyle = b->FStyle;
    FBitmap = b->FBitmap;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

HBRUSH TBrush::GetHandle() {
  THandleSlot& slot = Slots()[this];
  if (!slot.Handle) {
    LOGBRUSH lb;
    if (FBitmap && !FBitmap->GetEmpty()) {
      lb.lbStyle = BS_PATTERN;
      lb.lbHatch = reinterpret_cast<ULONG_PTR>(FBitmap->GetHandle());
    } else if (FStyle == bsClear) {
      lb.lbStyle = BS_NULL;
    } else if (FStyle == bsSolid) {
      lb.lbStyle = BS_SOLID;
    } else {
      lb.lbStyle = BS_HATCHED;
      lb.lbHatch = static_cast<ULONG_PTR>(FStyle - bsHorizontal);
    }
    lb.lbColor = ColorToRGB(FColor);
    slot.Handle = Acquire(KeyOf('B', lb), [](const std::string& key) -> HGDIOBJ {
      LOGBRUSH l;
      std::memcpy(&l, key.data() + 1, sizeof l);
      if (l.lbStyle == BS_PATTERN) return CreatePatternBrush(reinterpret_cast<HBITMAP>(l.lbHatch));
      return CreateBrushIndirect(&l);
    });
  }
  return static_cast<HBRUSH>(slot.Handle);
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle && !FBitmap) return;
  FStyle = Value;
  FBitmap = nullptr;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (Value == FBitmap) return;
  FBitmap = Value;
  Changed();
}

}  // namespace Graphics
