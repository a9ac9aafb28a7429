// The contents of a cell as the drawing steps paint them: the colours of selected, focused and
// edited cells, the private copy of a font that the draw-info event changes, check-box glyphs and
// their placement, and the hatching over selected pictures.
#include "GridDrawTestSupport.h"
#include "Variants.h"

using namespace GridDrawTest;

namespace {

class CellContents : public GridSurfaceTest {
 protected:
  // Draw data of a data cell lying at Cell on the surface (its lines excluded).
  TtsDrawData CellAt(Integer Col, Integer Row, const TRect& Cell) {
    TtsDrawData data;
    Grid->GetDrawData(Col, Row, data, true);
    data.CellRect = Cell;
    Grid->SetDrawRect(data);
    return data;
  }
};

TEST_F(CellContents, SelectedTextTakesTheSelectionColourOnlyWhenItIsEnabled) {
  struct Case {
    TtsSelectionType Type;
    TColor SelectionColor;
    TColor Background;
  };
  for (const Case& c : {Case{sltColor, clNavy, clNavy}, Case{sltInvert, clNavy, clWindow},
                        Case{sltColor, clNone, clWindow}, Case{sltDefault, clNavy, clWindow}}) {
    Surface->Clear();
    Grid->SetSelectionType(c.Type);
    Grid->SetSelectionColor(c.SelectionColor);
    TtsDrawData data = CellAt(2, 2, TRect(10, 10, 80, 30));
    Grid->DrawText("abc", data, true);
    EXPECT_EQ(At(70, 25), RGBOf(c.Background)) << c.Type << " " << std::hex << c.SelectionColor;
    EXPECT_EQ(Grid->GetLastDrawnCol(), 2);
  }
}

TEST_F(CellContents, ACellNarrowerThanThreePixelsShowsOnlyItsStripAndButton) {
  Grid->GetCols()->GetItem(2)->SetButtonType(btNormal);
  Grid->SetSelectionType(sltColor);
  Grid->SetSelectionColor(clNavy);
  // 18 wide: the button takes 15, leaving a content of 3 pixels.
  TtsDrawData data = CellAt(2, 2, TRect(10, 10, 28, 30));
  ASSERT_EQ(data.ContentRect.right - data.ContentRect.left, 3);
  Grid->DrawText("some text", data, true);
  EXPECT_EQ(Surface->Count(TRect(10, 10, 13, 30), RGBOf(clNavy)), 3 * 20) << "the selection strip";
  EXPECT_EQ(Surface->Count(TRect(10, 10, 28, 30), RGBOf(clBlack)), 3) << "no text, only the ellipsis' three dots";
  EXPECT_GT(Surface->Count(TRect(13, 10, 28, 30), RGBOf(clBtnFace)), 0) << "the button";
}

TEST_F(CellContents, EditColoursGoOnAPrivateFontCopy) {
  Grid->SetEditColor(clYellow);
  Grid->SetEditFontColor(clRed);
  TFont* columnFont = Grid->GiveCellFont(1, 1);
  TColor columnColor = columnFont->GetColor();
  TtsDrawData data = CellAt(1, 1, TRect(10, 10, 80, 30));  // the current cell
  ASSERT_EQ(data.ControlType, ctText);
  Grid->GetEditColor(data, true);
  EXPECT_EQ(data.Color, clYellow);
  EXPECT_EQ(data.Font->GetColor(), clRed);
  EXPECT_NE(data.Font, columnFont);
  EXPECT_EQ(columnFont->GetColor(), columnColor);
  // Another cell, or the current one not painted as the editor, keeps its own colours.
  TtsDrawData other = CellAt(2, 1, TRect(10, 10, 80, 30));
  Grid->GetEditColor(other, true);
  EXPECT_NE(other.Color, clYellow);
}

TEST_F(CellContents, TheDrawInfoEventChangesOneCellsFontOnly) {
  Grid->OnDrawInfo = [](Integer, Integer DataRow, TtsDrawInfo& Info) {
    if (DataRow == 2) Info.Font->SetStyle(TFontStyles{fsBold});
    if (DataRow == 2) Info.Alignment = TSCommon::htaRight;
  };
  TtsDrawData changed = CellAt(1, 2, TRect(10, 10, 80, 30));
  Grid->UpdateDrawData(changed, false);
  EXPECT_TRUE(changed.Font->GetStyle().Contains(fsBold));
  EXPECT_EQ(changed.Alignment, taRightJustify);
  TtsDrawData next = CellAt(1, 3, TRect(10, 10, 80, 30));
  Grid->UpdateDrawData(next, false);
  EXPECT_FALSE(next.Font->GetStyle().Contains(fsBold));
  EXPECT_FALSE(Grid->GiveCellFont(1, 2)->GetStyle().Contains(fsBold)) << "the column's font is untouched";
}

// ---- Check boxes ------------------------------------------------------------------------------------------
TEST(CheckBoxPlacement, TheGlyphIsCentredInTheContentAfterItsMargin) {
  struct Case {
    TRect Content;
    bool Is3D;
    TRect Expected;
  };
  const TRect glyph(0, 13, 13, 26);
  TOwnedPtr<GridDrawTest::TCellDrawGrid> grid(New<GridDrawTest::TCellDrawGrid>());
  for (const Case& c : {Case{TRect(0, 0, 40, 20), false, TRect(14, 3, 27, 16)},
                        Case{TRect(0, 0, 40, 20), true, TRect(14, 4, 27, 17)},
                        Case{TRect(0, 0, 10, 20), false, TRect(3, 3, 10, 16)},
                        Case{TRect(0, 0, 40, 8), false, TRect(14, 0, 27, 8)},
                        Case{TRect(100, 50, 160, 70), false, TRect(124, 53, 137, 66)}})
    EXPECT_EQ(grid->CalcCheckRect(c.Is3D, nullptr, c.Content, glyph, 3), c.Expected);
}

TEST_F(CellContents, CheckBoxesShowTheGlyphOfTheirStateAndAnyOtherValueGrayed) {
  Grid->UseCheckControl(New<TGlyphCheckControl>(Grid));
  Grid->GetCols()->GetItem(3)->SetControlType(ctCheck);
  struct Case {
    Variant Value;
    TColor Shown;
  };
  for (const Case& c : {Case{Variant(Integer{0}), clRed}, Case{Variant(Integer{1}), clGreen},
                        Case{Variant(Integer{2}), clBlue}, Case{Variant(Integer{5}), clBlue},
                        Case{Variant(Byte{1}), clGreen}, Case{Variant(-1), clBlue}, Case{Variant(), clBlue}}) {
    Surface->Clear();
    TtsDrawData data = CellAt(3, 2, TRect(0, 0, 40, 20));
    Grid->DrawCheck(c.Value, data, false);
    EXPECT_EQ(Surface->InkBox(TRect(0, 0, 40, 20), RGBOf(data.Color)), TRect(14, 3, 27, 16)) << VarToStr(c.Value);
    EXPECT_EQ(At(20, 9), RGBOf(c.Shown)) << VarToStr(c.Value);
  }
  Grid->SetCheckBoxValues("Yes|No");
  Surface->Clear();
  TtsDrawData data = CellAt(3, 2, TRect(0, 0, 40, 20));
  Grid->DrawCheck(Variant(String("Yes")), data, false);
  EXPECT_EQ(At(20, 9), RGBOf(clGreen)) << "a text from the check-box values";
}

// ---- Pictures ------------------------------------------------------------------------------------------------
TEST_F(CellContents, TheHatchingColoursEveryOtherPixel) {
  Surface->Canvas->GetBrush()->SetColor(clRed);
  Surface->Canvas->FillRect(TRect(0, 0, 40, 20));
  Grid->DrawPictureMask(TRect(5, 5, 25, 15), clNavy);
  for (int y = 5; y < 15; ++y)
    for (int x = 5; x < 25; ++x)
      ASSERT_EQ(At(x, y), (x + y) % 2 ? RGBOf(clRed) : RGBOf(clNavy)) << x << "," << y;
  EXPECT_EQ(At(4, 6), RGBOf(clRed)) << "nothing outside";
  Grid->DrawPictureMask(TRect(5, 5, 25, 15), clYellow);
  EXPECT_EQ(At(6, 6), RGBOf(clYellow)) << "the mask is rebuilt for another colour";
}

TEST_F(CellContents, ATransparentBitmapSetsTheGridsTransparentColour) {
  TOwnedPtr<TBitmap> picture(New<TBitmap>());
  picture->SetWidth(8);
  picture->SetHeight(8);
  picture->GetCanvas()->GetBrush()->SetColor(clLime);
  picture->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  picture->SetTransparentColor(clLime);
  picture->SetTransparent(true);
  Grid->GetCols()->GetItem(2)->SetControlType(ctPicture);
  TtsDrawData data = CellAt(2, 2, TRect(0, 0, 40, 20));
  Grid->DrawPicture(picture.get(), nullptr, data, false);
  EXPECT_EQ(Grid->GetTransparentColor(), clLime);
  EXPECT_EQ(Surface->Count(TRect(0, 0, 40, 20), RGBOf(clLime)), 0) << "drawn transparent";
  // Without a bitmap the cell is empty: only its background.
  Surface->Clear();
  Grid->DrawPicture(nullptr, nullptr, data, false);
  EXPECT_EQ(Grid->GetLastDrawnCol(), 2);
  EXPECT_EQ(Surface->Count(TRect(0, 0, 40, 20), RGBOf(data.Color)), 40 * 20);
}

TEST_F(CellContents, APictureCellsSelectionHatchingLinesUpWhateverPartIsFilled) {
  Grid->SetSelectionType(sltColor);
  Grid->SetSelectionColor(clNavy);
  TtsDrawData data;
  data.ControlType = ctPicture;
  data.Color = clWhite;
  data.DisplayCol = data.DisplayRow = 2;
  data.CellRect = TRect(3, 0, 60, 20);
  Grid->FillCellRect(data, data.CellRect, true);
  PixelSurface::TSurface whole(200, 100);
  BitBlt(whole.DC, 0, 0, 200, 100, Surface->DC, 0, 0, SRCCOPY);
  // The same cell filled in two parts, the second starting at an odd offset from the cell.
  Surface->Clear();
  Grid->FillCellRect(data, TRect(3, 0, 30, 20), true);
  Grid->FillCellRect(data, TRect(30, 0, 60, 20), true);
  EXPECT_EQ(Surface->Differences(whole), 0);
  EXPECT_EQ(Surface->Count(TRect(3, 0, 60, 20), RGBOf(clNavy)), 57 * 20 / 2 + (57 * 20) % 2);
  SavePng("grid-picture-hatching.png");
}

}  // namespace
