// One run of the style-sheet ini reader over arbitrary text: the text is read as an ini file, its
// sections are loaded as style sheets with three slots, and what was loaded is written back to an
// ini store of its own. A colour or bitmap text that does not read must end in EConvertError, a
// damaged bitmap in EInvalidGraphic; any other exception, or a crash, is a fault. Shared by the
// libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"
#include "Graphics.h"
#include "IniFiles.h"
#include "Lists.h"
#include "StringLists.h"
#include "TypInfo.h"
#include "cxStyles.h"

namespace cxStyleSheetIniFuzz {

class TFuzzStyles : public TcxStyles {
  DECLARE_CLASS(TFuzzStyles, TcxStyles)
 public:
  using TcxStyles::TcxStyles;
};

class TFuzzStyleSheet : public TcxCustomStyleSheet {
  DECLARE_CLASS(TFuzzStyleSheet, TcxCustomStyleSheet)
 public:
  using TcxCustomStyleSheet::TcxCustomStyleSheet;
  TClass GetStylesClass() const override { return TFuzzStyles::StaticClass(); }
};

IMPLEMENT_CLASS_PUBLISHED(TFuzzStyles) {
  d.IndexedProperty("Background", 0, &TcxStyles::GetValues, &TcxStyles::SetValues);
  d.IndexedProperty("Content", 1, &TcxStyles::GetValues, &TcxStyles::SetValues);
  d.IndexedProperty("Header", 2, &TcxStyles::GetValues, &TcxStyles::SetValues);
}
IMPLEMENT_CLASS(TFuzzStyleSheet)

// The sheets of an ini text written back as ini text; false when the reader refused the text.
inline bool FuzzStyleSheetIni(const uint8_t* data, size_t size, String* AWritten = nullptr) {
  auto lines = NewOwned<TStringList>();
  lines->SetText(String(reinterpret_cast<const char*>(data), size));
  auto source = NewOwned<TMemIniFile>();
  source->SetStrings(lines.get());
  auto repository = NewOwned<TcxStyleRepository>(nullptr);
  auto sheets = NewOwned<TList>();
  try {
    LoadStyleSheetsFromIni(source.get(), repository.get(), TFuzzStyleSheet::StaticClass(), nullptr, nullptr,
                           sheets.get(), TcxGetStyleNameProc());
  } catch (const EConvertError&) {
    return false;
  } catch (const Graphics::EInvalidGraphic&) {
    return false;
  }
  auto written = NewOwned<TMemIniFile>();
  SaveStyleSheetsToIni(written.get(), sheets.get());
  if (AWritten) {
    written->GetStrings(lines.get());
    *AWritten = lines->GetText();
  }
  return true;
}

}  // namespace cxStyleSheetIniFuzz
