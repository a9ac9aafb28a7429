// The grid unit's start and end: its cursors, glyph bitmaps, off-screen canvases, the picture
// mask's pattern, the list of grids with an open drop-down and the grid's class for form streams.
//
// The cursors are pictures in text (resources/cursors), loaded with LoadCursorPicture.
#include "TSGridResources.h"

#include "Graphics.h"
#include "Lists.h"
#include "Resources.h"
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

const char* const CursorPictureType = "GRIDCURSOR";

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
  ArrowRevCursor = LoadCursorPicture(HInstance, "TSARROWREV", CursorPictureType);
  HorzArrowRightCursor = LoadCursorPicture(HInstance, "TSHORARROWRIGHT", CursorPictureType);
  VertArrowDownCursor = LoadCursorPicture(HInstance, "TSVERTARROWDOWN", CursorPictureType);
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
