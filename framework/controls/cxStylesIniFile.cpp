// Style sheets in ini files: a section per sheet, a key per slot with the style's colours and font,
// and the slot's bitmap in the platform bitmap format as hexadecimal text split over numbered keys.
#include <set>

#include "Exceptions.h"
#include "FileNames.h"
#include "Format.h"
#include "Graphics.h"
#include "IniFiles.h"
#include "Lists.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"
#include "cxStyles.h"
#include "cxStylesInternal.h"

namespace cxStyles {

namespace {

// The hexadecimal text of a bitmap is written in chunks of this many characters.
constexpr size_t BitmapChunkLength = 2047;
const char* const DefaultColorText = "default";
const char* const BitmapKeyInfix = "Bitmap";
const char FontStyleLetters[] = {'B', 'I', 'U', 'S'};  // in the order of TFontStyle

String BitmapKey(const String& APropertyName, Integer AChunk) {
  return APropertyName + BitmapKeyInfix + IntToStr(AChunk);
}

// ---- Values ----------------------------------------------------------------------------------------------

String ColorText(TcxStyle* AStyle, TcxStyleValue AValue, TColor AColor) {
  return AStyle->GetAssignedValues().Contains(AValue) ? IntToStr(AColor) : String(DefaultColorText);
}

String FontText(TFont* AFont) {
  String styles;
  for (Integer i = 0; i < 4; ++i)
    if (AFont->GetStyle().Contains(static_cast<TFontStyle>(i))) styles += FontStyleLetters[i];
  return AFont->GetName() + "," + IntToStr(AFont->GetSize()) + ",[" + styles + "]";
}

String StyleText(TcxStyle* AStyle) {
  String text = ColorText(AStyle, svColor, AStyle->GetColor()) + "," +
                ColorText(AStyle, svTextColor, AStyle->GetTextColor());
  if (AStyle->GetAssignedValues().Contains(svFont)) text += "," + FontText(AStyle->GetFont());
  return text;
}

// What one style key holds: two colours, and a font when the value has a third part.
struct TStyleEntry {
  TColor Color = clDefault;
  TColor TextColor = clDefault;
  bool HasFont = false;
  String FontName;
  bool HasFontSize = false;
  Integer FontSize = 0;
  TFontStyles FontStyle;
};

// The text up to the first comma, the rest after it going to ARest; the whole text without one.
String CutAtComma(const String& AText, String* ARest, bool* AFound = nullptr) {
  const size_t comma = AText.find(',');
  if (AFound) *AFound = comma != String::npos;
  if (comma == String::npos) {
    if (ARest) ARest->clear();
    return AText;
  }
  if (ARest) *ARest = AText.substr(comma + 1);
  return AText.substr(0, comma);
}

TColor ParseColor(const String& AText) {
  return SameText(AText, DefaultColorText) ? clDefault : StrToInt(AText);
}

// A size that is not a number is ignored; the style letters count wherever they stand after it.
void ParseFont(const String& AText, TStyleEntry& AEntry) {
  String rest, letters;
  AEntry.HasFont = true;
  AEntry.FontName = CutAtComma(AText, &rest);
  AEntry.HasFontSize = TryStrToInt(CutAtComma(rest, &letters), AEntry.FontSize);
  for (Integer i = 0; i < 4; ++i)
    if (letters.find(FontStyleLetters[i]) != String::npos) AEntry.FontStyle.Include(static_cast<TFontStyle>(i));
}

TStyleEntry ParseStyleEntry(const String& AValue) {
  TStyleEntry entry;
  String rest, font;
  bool hasTextColor = false, hasFont = false;
  entry.Color = ParseColor(CutAtComma(AValue, &rest, &hasTextColor));
  if (!hasTextColor) return entry;
  entry.TextColor = ParseColor(CutAtComma(rest, &font, &hasFont));
  if (hasFont) ParseFont(font, entry);
  return entry;
}

// The colours and the font go through the style's setters, which keep its assigned values.
void ApplyStyleEntry(TcxStyle* AStyle, const TStyleEntry& AEntry) {
  AStyle->SetColor(AEntry.Color);
  AStyle->SetTextColor(AEntry.TextColor);
  if (!AEntry.HasFont) return;
  auto font = NewOwned<TFont>();
  font->Assign(AStyle->GetFont());
  font->SetName(AEntry.FontName);
  if (AEntry.HasFontSize) font->SetSize(AEntry.FontSize);
  font->SetStyle(AEntry.FontStyle);
  AStyle->SetFont(font.get());
}

// ---- Bitmaps ----------------------------------------------------------------------------------------------

String BitmapHexText(TBitmap* ABitmap) {
  static const char digits[] = "0123456789ABCDEF";
  auto stream = NewOwned<TMemoryStream>();
  ABitmap->SaveToStream(stream.get());
  const auto* bytes = static_cast<const Byte*>(stream->GetMemory());
  String text;
  text.reserve(static_cast<size_t>(stream->GetSize()) * 2);
  for (Int64 i = 0; i < stream->GetSize(); ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

Integer HexDigitValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

// The bytes of pairs of hexadecimal digits; anything else is refused before a byte is used.
void LoadBitmapFromHexText(TcxStyle* AStyle, const String& AText, const String& ASection, const String& AName) {
  auto stream = NewOwned<TMemoryStream>();
  auto fail = [&]() {
    throw EConvertError(Format("The bitmap of %s in section [%s] is not hexadecimal text", {AName, ASection}));
  };
  if (AText.size() % 2 != 0) fail();
  stream->SetSize(static_cast<Int64>(AText.size() / 2));
  auto* bytes = static_cast<Byte*>(stream->GetMemory());
  for (size_t i = 0; i < AText.size(); i += 2) {
    const Integer high = HexDigitValue(AText[i]), low = HexDigitValue(AText[i + 1]);
    if (high < 0 || low < 0) fail();
    bytes[i / 2] = static_cast<Byte>(high * 16 + low);
  }
  stream->SetPosition(0);
  AStyle->GetBitmap()->LoadFromStream(stream.get());
}

void WriteBitmap(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, TBitmap* ABitmap) {
  const String text = BitmapHexText(ABitmap);
  for (size_t start = 0, chunk = 0; start < text.size(); start += BitmapChunkLength, ++chunk)
    AIniFile->WriteString(ASection, BitmapKey(AName, static_cast<Integer>(chunk)),
                          text.substr(start, BitmapChunkLength));
}

// ---- Loading one sheet -------------------------------------------------------------------------------------

const TPropInfo* FindStyleProperty(const std::vector<const TPropInfo*>& AProperties, const String& AName) {
  for (const TPropInfo* prop : AProperties)
    if (SameText(prop->Name, AName)) return prop;
  return nullptr;
}

// A bitmap's keys are consumed as a whole; a bitmap key met again later, or one whose property has
// no style yet, or whose chunk 0 is missing, loads nothing and the walk goes on.
void LoadSheetKeys(IniFiles::TCustomIniFile* AIniFile, const String& ASection, StringLists::TStrings* AKeys,
                   TcxCustomStyleSheet* ASheet, TcxStyleRepository* ARepository, TComponent* AOwner,
                   const TcxGetStyleNameProc& AGetStyleNameProc) {
  TcxCustomStyles* styles = ASheet->GetStyles();
  const std::vector<const TPropInfo*> properties = GetStyleProperties(styles->ClassType());
  std::set<String> consumed;  // bitmap keys already read, in upper case
  for (Integer i = 0; i < AKeys->GetCount(); ++i) {
    const String key = AKeys->GetStrings(i);
    if (key.empty() || consumed.count(UpperCase(key))) continue;
    const size_t infix = key.find(BitmapKeyInfix);
    const String name = infix == String::npos ? key : key.substr(0, infix);
    const TPropInfo* prop = FindStyleProperty(properties, name);
    if (!prop) continue;
    if (infix != String::npos) {
      String text;
      bool found = false;
      for (Integer chunk = 0; AIniFile->ValueExists(ASection, BitmapKey(name, chunk)); ++chunk) {
        text += AIniFile->ReadString(ASection, BitmapKey(name, chunk), String());
        consumed.insert(UpperCase(BitmapKey(name, chunk)));
        found = true;
      }
      if (auto* style = dynamic_cast<TcxStyle*>(prop->GetObj(styles)); style && found)
        LoadBitmapFromHexText(style, text, ASection, prop->Name);
      continue;
    }
    const TStyleEntry entry = ParseStyleEntry(AIniFile->ReadString(ASection, key, String()));
    auto* style = As<TcxStyle>(AOwner ? ARepository->CreateItemEx(TcxStyle::StaticClass(), AOwner)
                                      : ARepository->CreateItem(TcxStyle::StaticClass()));
    if (AGetStyleNameProc) style->SetName(AGetStyleNameProc(style));
    ApplyStyleEntry(style, entry);
    prop->SetObj(styles, style);
  }
}

}  // namespace

// ---- Saving and loading ------------------------------------------------------------------------------------------

bool SaveStyleSheetsToIni(IniFiles::TCustomIniFile* AIniFile, Lists::TList* AStyleSheets) {
  bool written = false;
  for (Integer i = 0; AStyleSheets && i < AStyleSheets->GetCount(); ++i) {
    auto* sheet = static_cast<TcxCustomStyleSheet*>(AStyleSheets->GetItems(i));
    const String section = sheet->GetCaption();
    TcxCustomStyles* styles = sheet->GetStyles();
    for (const TPropInfo* prop : GetStyleProperties(styles->ClassType())) {
      auto* style = dynamic_cast<TcxStyle*>(prop->GetObj(styles));
      if (!style) continue;
      AIniFile->WriteString(section, prop->Name, StyleText(style));
      written = true;
      TBitmap* bitmap = style->GetBitmap();
      if (style->GetAssignedValues().Contains(svBitmap) && bitmap->GetWidth() >= 1 && bitmap->GetHeight() >= 1)
        WriteBitmap(AIniFile, section, prop->Name, bitmap);
    }
  }
  return written;
}

// Nothing written leaves an existing file as it was: its other sections are not the sheets' to drop.
void SaveStyleSheetsToIniFile(const String& AFileName, Lists::TList* AStyleSheets) {
  auto iniFile = NewOwned<TMemIniFile>(AFileName);
  if (SaveStyleSheetsToIni(iniFile.get(), AStyleSheets))
    iniFile->UpdateFile();
  else if (!FileExists(AFileName) && !ReplaceFileContents(AFileName, String()))
    throw EIniFileException(Format(SysConst::SIniFileWriteError, {AFileName}));
}

void LoadStyleSheetsFromIni(IniFiles::TCustomIniFile* AIniFile, TcxStyleRepository* ARepository,
                            TClass ASheetClass, StringLists::TStrings* ASheetNames, TComponent* AOwner,
                            Lists::TList* AStyleSheets, const TcxGetStyleNameProc& AGetStyleNameProc) {
  if (!ARepository) throw EInvalidOperation("Style sheets are loaded into a style repository; none was given");
  auto sections = NewOwned<TStringList>();
  if (ASheetNames && ASheetNames->GetCount() > 0)
    sections->Assign(ASheetNames);
  else
    AIniFile->ReadSections(sections.get());
  auto keys = NewOwned<TStringList>();
  for (Integer i = 0; i < sections->GetCount(); ++i) {
    const String section = sections->GetStrings(i);
    AIniFile->ReadSection(section, keys.get());
    if (keys->GetCount() == 0) continue;
    TcxCustomStyleSheet* sheet =
        AOwner ? ARepository->CreateStyleSheetEx(ASheetClass, AOwner) : ARepository->CreateStyleSheet(ASheetClass);
    if (AStyleSheets) AStyleSheets->Add(sheet);
    sheet->SetCaption(section);
    LoadSheetKeys(AIniFile, section, keys.get(), sheet, ARepository, AOwner, AGetStyleNameProc);
  }
}

void LoadStyleSheetsFromIniFile(const String& AFileName, TcxStyleRepository* ARepository, TClass ASheetClass,
                                StringLists::TStrings* ASheetNames, TComponent* AOwner, Lists::TList* AStyleSheets,
                                const TcxGetStyleNameProc& AGetStyleNameProc) {
  auto iniFile = NewOwned<TMemIniFile>(AFileName);
  LoadStyleSheetsFromIni(iniFile.get(), ARepository, ASheetClass, ASheetNames, AOwner, AStyleSheets,
                         AGetStyleNameProc);
}

}  // namespace cxStyles
