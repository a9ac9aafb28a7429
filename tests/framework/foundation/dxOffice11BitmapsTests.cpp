// The Office 2003 glyph bitmaps: loaded with the colours, the sub-menu mark recoloured to the toolbar
// gradient of the current scheme, freed with the last reference.
#include <gtest/gtest.h>

#include "Graphics.h"
#include "UxTheme.h"
#include "dxOffice11.h"

namespace {

class dxOffice11Bitmaps : public ::testing::Test {
 protected:
  void SetUp() override { CreateOffice11Colors(); }
  void TearDown() override {
    ReleaseOffice11Colors();
    SetThemeColorScheme(tcsNormalColor);
  }
};

TEST_F(dxOffice11Bitmaps, LoadWithTheColoursAndGoWithTheLastReference) {
  ASSERT_NE(dxOffice11ExpandButtonBitmap1, nullptr);
  for (TBitmap* b : {dxOffice11ExpandButtonBitmap1, dxOffice11ExpandButtonBitmap2}) {
    EXPECT_EQ(b->GetWidth(), 11);
    EXPECT_EQ(b->GetHeight(), 11);
  }
  // The plus sign has a vertical bar the minus sign lacks.
  EXPECT_NE(dxOffice11ExpandButtonBitmap1->GetCanvas()->GetPixel(5, 3),
            dxOffice11ExpandButtonBitmap2->GetCanvas()->GetPixel(5, 3));
  ReleaseOffice11Colors();
  EXPECT_EQ(dxOffice11SubMenuExpandBitmap, nullptr);
  CreateOffice11Colors();
}

TEST_F(dxOffice11Bitmaps, TheSubMenuMarkTakesTheToolbarGradientOfEachScheme) {
  for (TThemeColorScheme scheme : {tcsNormalColor, tcsHomeStead, tcsMetallic}) {
    SetThemeColorScheme(scheme);
    RefreshOffice11Colors();
    TBitmap* mark = dxOffice11SubMenuExpandBitmap;
    ASSERT_FALSE(mark->GetEmpty());
    TCanvas* c = mark->GetCanvas();
    const int last = mark->GetHeight() - 1, middle = mark->GetWidth() / 2;
    EXPECT_EQ(c->GetPixel(0, 0), c->GetPixel(last, last));  // the transparent corners stay
    EXPECT_EQ(c->GetPixel(middle, 0), static_cast<TColor>(dxOffice11ToolbarsColor1));    // lightest shade
    EXPECT_EQ(c->GetPixel(middle, last), static_cast<TColor>(dxOffice11ToolbarsColor2));  // darkest shade
    EXPECT_EQ(c->GetPixel(middle, 4), clBlack);  // the chevrons stay black
  }
}

}  // namespace
