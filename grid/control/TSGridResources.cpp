// The grid unit's start and end: its cursors, glyph bitmaps, off-screen canvases, the picture
// mask's pattern, the list of grids with an open drop-down and the grid's class for form streams.
//
// The cursors are pictures in text (resources/cursors): a "hotspot x y" line and 32 rows of 32
// characters, '#' black, 'o' white, '.' transparent; the unit turns each into the platform's cursor
// resource of its name and loads it from there.
#include "TSGridResources.h"

#include <cstdio>
#include <cstring>

#include "Exceptions.h"
#include "Format.h"
#include "Graphics.h"
#include "Lists.h"
#include "Resources.h"
#include "Strings.h"
#include "TSCommonCanvas.h"
#include "TSGridCustom.h"
#include "TSGridDropDownForm.h"
#include "WinCursor.h"

namespace TSGrid {

HCURSOR ArrowRevCursor = nullptr;
HCURSOR HorzArrowRightCursor = nullptr;
HCURSOR VertArrowDownCursor = nullptr;
TBitmap* CurrentRowBitmap = nullptr;
TBitmap* InsertRowBitmap = nullptr;
TBitmap* ChangedRowBitmap = nullptr;
TBitmap* ComboArrowBitmap = nullptr;
TBitmap* ButtonDetailBitmap = nullptr;
TBitmap* SortUpBitmap = nullptr;
TBitmap* SortDownBitmap = nullptr;
TBitmap* SortBulletBitmap = nullptr;
TBitmap* SpinUpBitmap = nullptr;
TBitmap* SpinDownBitmap = nullptr;
TBitmap* SpinLeftBitmap = nullptr;
TBitmap* SpinRightBitmap = nullptr;
TSCommon::TtsMemoryCanvas* MemoryCanvas = nullptr;
TSCommon::TtsMemoryCanvas* ControlMemoryCanvas = nullptr;
TBitmap* MaskPattern = nullptr;
Lists::TList* DropDownGrids = nullptr;
TBitmap* CheckBoxBitmaps = nullptr;

namespace {

bool Initialized = false;

// The glyphs in their load order, with the unit variable each is kept in.
struct TGlyph {
  const char* Name;
  TBitmap** Bitmap;
};
const TGlyph Glyphs[] = {
    {"TSDOTARROWRIGHT", &CurrentRowBitmap}, {"TSINSERTROW", &InsertRowBitmap},
    {"TSCHANGEDROW", &ChangedRowBitmap},    {"TSARROWCOMBO", &ComboArrowBitmap},
    {"TSBUTDETAIL", &ButtonDetailBitmap},   {"TSSORTUP", &SortUpBitmap},
    {"TSSORTDOWN", &SortDownBitmap},        {"TSSORTBULLET", &SortBulletBitmap},
    {"TSSPINUP", &SpinUpBitmap},            {"TSSPINDOWN", &SpinDownBitmap},
    {"TSSPINLEFT", &SpinLeftBitmap},        {"TSSPINRIGHT", &SpinRightBitmap},
};

constexpr int CursorSize = 32;
const char* const CursorPictureType = "GRIDCURSOR";

// Makes the cursor picture of that name the program's cursor resource and loads it.
HCURSOR LoadCursorPicture(const char* Name) {
  TOwnedPtr<Resources::TResourceStream> stream(New<Resources::TResourceStream>(HInstance, Name, CursorPictureType));
  String text(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  BYTE andMask[CursorSize * CursorSize / 8], xorMask[CursorSize * CursorSize / 8];
  std::memset(andMask, 0xFF, sizeof andMask);
  std::memset(xorMask, 0, sizeof xorMask);
  int hotX = -1, hotY = -1, row = 0;
  auto bad = [Name](const char* Why) { return Exception(Format("Cursor picture %s: %s", {Name, Why})); };
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == String::npos) end = text.size();
    String line = TrimRight(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.compare(0, 8, "hotspot ") == 0) {
      if (std::sscanf(line.c_str() + 8, "%d %d", &hotX, &hotY) != 2) throw bad("unreadable hot spot");
      continue;
    }
    if (row >= CursorSize || line.size() != CursorSize) throw bad("a picture of 32 rows of 32 pixels expected");
    for (int x = 0; x < CursorSize; ++x) {
      const char c = line[x];
      if (c == '.') continue;
      if (c != '#' && c != 'o') throw bad("unknown pixel");
      const int index = row * CursorSize / 8 + x / 8;
      const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
      andMask[index] &= static_cast<BYTE>(~bit);
      if (c == 'o') xorMask[index] |= bit;
    }
    ++row;
  }
  if (row != CursorSize) throw bad("a picture of 32 rows of 32 pixels expected");
  if (hotX < 0 || hotX >= CursorSize || hotY < 0 || hotY >= CursorSize) throw bad("no hot spot inside the picture");
  RegisterCursorResource(Name, hotX, hotY, andMask, xorMask);
  return LoadCursor(HInstance, Name);
}

TBitmap* MakeMaskPattern() {
  TBitmap* pattern = New<TBitmap>();
  pattern->SetWidth(8);
  pattern->SetHeight(pattern->GetWidth());
  for (Integer y = 0; y < 8; ++y)
    for (Integer x = 0; x < 8; ++x)
      pattern->GetCanvas()->SetPixel(x, y, (x + y) % 2 ? Graphics::clWhite : Graphics::clBlack);
  return pattern;
}

}  // namespace

void TSGridInitialization() {
  if (Initialized) return;
  Initialized = true;
  ArrowRevCursor = LoadCursorPicture("TSARROWREV");
  HorzArrowRightCursor = LoadCursorPicture("TSHORARROWRIGHT");
  VertArrowDownCursor = LoadCursorPicture("TSVERTARROWDOWN");
  for (const TGlyph& glyph : Glyphs) {
    *glyph.Bitmap = New<TBitmap>();
    (*glyph.Bitmap)->LoadFromResourceName(HInstance, glyph.Name);
  }
  MemoryCanvas = New<TSCommon::TtsMemoryCanvas>();
  ControlMemoryCanvas = New<TSCommon::TtsMemoryCanvas>();
  MaskPattern = MakeMaskPattern();
  DropDownGrids = New<Lists::TList>();
  // Form streams name the grid by its class.
  RegisterClass(TtsGrid::StaticClass());
}

void TSGridFinalization() {
  if (!Initialized) return;
  Initialized = false;
  UnRegisterClass(TtsGrid::StaticClass());
  // Grids still listed take their hooks with them.
  while (DropDownGrids->GetCount() > 0) UnregisterDropDownGrid(static_cast<TtsBaseGrid*>(DropDownGrids->GetItems(0)));
  FreeAndNil(DropDownGrids);
  FreeAndNil(CheckBoxBitmaps);
  for (const TGlyph& glyph : Glyphs) FreeAndNil(*glyph.Bitmap);
  FreeAndNil(MemoryCanvas);
  FreeAndNil(ControlMemoryCanvas);
  FreeAndNil(MaskPattern);
}

}  // namespace TSGrid
