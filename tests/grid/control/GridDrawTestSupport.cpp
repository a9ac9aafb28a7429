#include "GridDrawTestSupport.h"

#include "GdiPng.h"

namespace GridDrawTest {

IMPLEMENT_CLASS(TCellDrawGrid)
IMPLEMENT_CLASS(TGlyphCheckControl)

void TGlyphCheckControl::Construct() {
  inherited::Construct();
  FStrip = New<TBitmap>();
  FStrip->SetWidth(13);
  FStrip->SetHeight(39);
  for (Integer state = 0; state < 3; ++state) {
    FStrip->GetCanvas()->GetBrush()->SetColor(StateColors[state]);
    FStrip->GetCanvas()->FillRect(TRect(0, 13 * state, 13, 13 * state + 13));
  }
}

void TGlyphCheckControl::Destroy() {
  FreeAndNil(FStrip);
  inherited::Destroy();
}

TBitmap* TGlyphCheckControl::GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool, TRect& Source) {
  CopyMode = SRCCOPY;
  Source = TRect(0, 13 * State, 13, 13 * State + 13);
  return FStrip;
}

void TCellDrawGrid::UseCheckControl(TtsCustomGridControl* Control) {
  if (FActiveControl == FCheckControl) FActiveControl = nullptr;
  FreeAndNil(FCheckControl);
  FCheckControl = Control;
}

void GridSurfaceTest::SetUp() {
  Grid = New<TCellDrawGrid>();
  Grid->SetGridColCount(4);
  Grid->SetGridRowCount(4);
  Surface = new PixelSurface::TSurface(200, 100);
  Grid->GetCanvas()->SetHandle(Surface->DC);
}

void GridSurfaceTest::TearDown() {
  Grid->GetCanvas()->SetHandle(nullptr);
  Grid->Free();
  delete Surface;
}

void GridSurfaceTest::SavePng(const String& Name) {
  EXPECT_TRUE(GdiPng::SaveBitmapToPng(Surface->Bitmap, testing::TempDir() + Name));
}

COLORREF RGBOf(TColor Color) { return PixelSurface::RGBOf(Color); }

}  // namespace GridDrawTest
