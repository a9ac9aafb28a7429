// What the tests of the grid's cell drawing share: a grid whose canvas draws onto a white pixel
// surface (no window needed for the drawing steps that are given their rectangles), with the
// drawing state opened for the tests, and a colour name for failure messages.
#pragma once

#include "GridControlTestSupport.h"
#include "PixelSurface.h"

namespace GridDrawTest {

class TCellDrawGrid : public GridControlTest::TTestGrid {
  DECLARE_CLASS(TCellDrawGrid, GridControlTest::TTestGrid)
 public:
  explicit TCellDrawGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}
  using TtsBaseGrid::FCurrentButton;
  using TtsBaseGrid::FMouseStatus;
  // Replaces the check-box control (the grid frees it).
  void UseCheckControl(TtsCustomGridControl* Control);
  // The cells are the grid's to paint: no application painting.
  bool PaintCell(TtsDrawData&, const TRect&, bool) override { return false; }
  // The application's draw-info handler, when set.
  std::function<void(Integer DataCol, Integer DataRow, TtsDrawInfo& Info)> OnDrawInfo;
  bool ActivateDoGetDrawInfo() override { return static_cast<bool>(OnDrawInfo); }
  void GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& Info) override {
    if (OnDrawInfo) OnDrawInfo(DataCol, DataRow, Info);
  }
};

// A check-box control whose glyphs are 13 x 13 squares in one colour per state.
class TGlyphCheckControl : public TtsDefaultGridControl {
  DECLARE_CLASS(TGlyphCheckControl, TtsDefaultGridControl)
 public:
  static constexpr TColor StateColors[3] = {clRed, clGreen, clBlue};  // unchecked, checked, grayed
  TBitmap* GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool Pressed, TRect& Source) override;

 protected:
  using TtsDefaultGridControl::TtsDefaultGridControl;
  void Construct() override;
  void Destroy() override;

 private:
  TBitmap* FStrip = nullptr;
};

// A fixture with one grid of 4 x 4 data cells drawing on a 200 x 100 surface.
class GridSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TCellDrawGrid* Grid = nullptr;
  PixelSurface::TSurface* Surface = nullptr;
  COLORREF At(int X, int Y) const { return Surface->At(X, Y); }
  // Writes the surface into the test temp folder for a person to look at.
  void SavePng(const String& Name);
};

COLORREF RGBOf(TColor Color);

}  // namespace GridDrawTest
