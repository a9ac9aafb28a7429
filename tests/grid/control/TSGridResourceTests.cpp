// The grid unit's shared resources: the glyph bitmaps with their sizes and pictures, the cursors
// with their hot spots, the picture mask's pattern, the two off-screen canvases, and the unit's
// start and end each doing their work once.
#include "GridControlTestSupport.h"
#include "Graphics.h"
#include "Lists.h"
#include "Resources.h"
#include "TSCommonCanvas.h"
#include "WinCursor.h"

using namespace GridControlTest;

namespace {

// A glyph row as text: '#' for black, '.' for white, 'g' gray, 's' silver, 'k' other.
String GlyphRow(TBitmap* Bitmap, Integer Y) {
  String row;
  for (Integer x = 0; x < Bitmap->GetWidth(); ++x) {
    switch (ColorToRGB(Bitmap->GetCanvas()->GetPixel(x, Y)) & 0xFFFFFF) {
      case 0x000000: row += '#'; break;
      case 0xFFFFFF: row += '.'; break;
      case 0x808080: row += 'g'; break;
      case 0xC0C0C0: row += 's'; break;
      default: row += 'k';
    }
  }
  return row;
}

TEST(GridUnitResources, GlyphsHaveTheirSizesAndPictures) {
  struct Case {
    TBitmap* Bitmap;
    Integer Width, Height;
    Integer Row;
    const char* Expected;  // that row of the picture
  };
  const Case cases[] = {
      {CurrentRowBitmap, 6, 11, 5, "######"},   {CurrentRowBitmap, 6, 11, 0, "#....."},
      {InsertRowBitmap, 9, 11, 5, "#########"}, {InsertRowBitmap, 9, 11, 1, "#...#...#"},
      {ChangedRowBitmap, 11, 11, 10, "##........."}, {ComboArrowBitmap, 5, 5, 1, "#####"},
      {ComboArrowBitmap, 5, 5, 3, "..#.."},     {ButtonDetailBitmap, 7, 5, 3, "#..#..#"},
      {SortUpBitmap, 12, 13, 7, "#.g#####g.##"},   {SortDownBitmap, 12, 13, 8, "#####g######"},
      {SortBulletBitmap, 12, 13, 4, "###..ssg####"}, {SpinUpBitmap, 7, 4, 0, "...#..."},
      {SpinUpBitmap, 7, 4, 3, "#######"},       {SpinDownBitmap, 7, 4, 0, "#######"},
      {SpinLeftBitmap, 4, 7, 3, "####"},        {SpinLeftBitmap, 4, 7, 0, "...#"},
      {SpinRightBitmap, 4, 7, 0, "#..."},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.Bitmap, nullptr);
    EXPECT_EQ(c.Bitmap->GetWidth(), c.Width);
    EXPECT_EQ(c.Bitmap->GetHeight(), c.Height);
    EXPECT_EQ(GlyphRow(c.Bitmap, c.Row), c.Expected) << "row " << c.Row << " of a " << c.Width << "x" << c.Height;
  }
}

TEST(GridUnitResources, CursorsHaveTheirHotSpots) {
  struct Case {
    HCURSOR Cursor;
    LONG X, Y;
  };
  for (const Case& c : {Case{ArrowRevCursor, 13, 4}, Case{HorzArrowRightCursor, 26, 16},
                        Case{VertArrowDownCursor, 13, 26}}) {
    POINT hot{};
    SIZE size{};
    const BYTE* andMask = nullptr;
    ASSERT_TRUE(GetCursorShape(c.Cursor, &hot, &size, &andMask, nullptr));
    EXPECT_EQ(hot.x, c.X);
    EXPECT_EQ(hot.y, c.Y);
    EXPECT_EQ(size.cx, 32);
    // The hot spot is a drawn pixel of the picture (the AND bit cleared).
    EXPECT_FALSE(andMask[c.Y * 4 + c.X / 8] & (0x80 >> (c.X % 8)));
  }
  EXPECT_EQ(LoadCursor(HInstance, "TSARROWREV"), ArrowRevCursor);
}

TEST(GridUnitResources, MaskPatternIsACheckerboardBlackOnEvenPixels) {
  ASSERT_EQ(MaskPattern->GetWidth(), 8);
  ASSERT_EQ(MaskPattern->GetHeight(), 8);
  for (Integer y = 0; y < 8; ++y)
    for (Integer x = 0; x < 8; ++x)
      EXPECT_EQ(ColorToRGB(MaskPattern->GetCanvas()->GetPixel(x, y)) & 0xFFFFFF, (x + y) % 2 ? 0xFFFFFFu : 0u);
}

TEST(GridUnitResources, TheUnitMakesItsObjectsOnceAndFreesThemOnce) {
  ASSERT_NE(MemoryCanvas, nullptr);
  ASSERT_NE(ControlMemoryCanvas, nullptr);
  EXPECT_NE(MemoryCanvas, ControlMemoryCanvas);
  TSCommon::TtsMemoryCanvas* canvas = MemoryCanvas;
  TBitmap* arrow = CurrentRowBitmap;
  TSGridInitialization();  // asked again: nothing is made twice
  EXPECT_EQ(MemoryCanvas, canvas);
  EXPECT_EQ(CurrentRowBitmap, arrow);

  // Made by the first check box (every grid has one) or, before any, as it would be made.
  if (!CheckBoxBitmaps) CheckBoxBitmaps = New<TBitmap>();
  TSGridFinalization();
  for (TBitmap* freed : {CurrentRowBitmap, SpinRightBitmap, MaskPattern, CheckBoxBitmaps}) EXPECT_EQ(freed, nullptr);
  EXPECT_EQ(MemoryCanvas, nullptr);
  EXPECT_EQ(ControlMemoryCanvas, nullptr);
  EXPECT_EQ(DropDownGrids, nullptr);
  TSGridFinalization();  // a second end frees nothing again
  TSGridInitialization();
  EXPECT_NE(MemoryCanvas, nullptr);
  EXPECT_NE(SpinRightBitmap, nullptr);
  EXPECT_EQ(DropDownGrids->GetCount(), 0);
}

}  // namespace
