#include <gtest/gtest.h>

#include <map>
#include <string>

#include "GdiTestCanvas.h"

namespace {

// The picture with one letter per system colour: H highlight, L 3D light, S shadow, D dark shadow,
// F face, W window, K window frame, '.' anything else.
std::string Letters(const TTestCanvas& c) {
  const std::map<COLORREF, char> names = {
      {GetSysColor(COLOR_BTNHIGHLIGHT), 'H'}, {GetSysColor(COLOR_3DLIGHT), 'L'}, {GetSysColor(COLOR_BTNSHADOW), 'S'},
      {GetSysColor(COLOR_3DDKSHADOW), 'D'},   {GetSysColor(COLOR_BTNFACE), 'F'}, {GetSysColor(COLOR_WINDOWFRAME), 'K'}};
  std::string s;
  for (int y = 0; y < c.Height; ++y) {
    for (int x = 0; x < c.Width; ++x) {
      auto it = names.find(c.At(x, y));
      s += it == names.end() ? '.' : it->second;
    }
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(Edges, RaisedSunkenAndMonoEdgesPaintTheirRings) {
  struct Case {
    UINT Edge, Flags;
    const char* Picture;
    RECT Adjusted;
  } cases[] = {
      {EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST, "LLLLD\nLHHSD\nLHFSD\nLSSSD\nDDDDD\n", {2, 2, 3, 3}},
      {EDGE_SUNKEN, BF_RECT, "SSSSH\nSDDLH\nSD.LH\nSLLLH\nHHHHH\n", {0, 0, 5, 5}},
      {BDR_RAISEDOUTER, BF_TOPLEFT | BF_ADJUST, "LLLLL\nL....\nL....\nL....\nL....\n", {1, 1, 5, 5}},
      {EDGE_SUNKEN, BF_BOTTOMRIGHT | BF_MONO, "...HK\n...HK\n...HK\nHHHHK\nKKKKK\n", {0, 0, 5, 5}},
  };
  for (const Case& k : cases) {
    TTestCanvas c(5, 5, RGB(1, 1, 1));
    RECT r{0, 0, 5, 5};
    ASSERT_TRUE(DrawEdge(c.DC, &r, k.Edge, k.Flags));
    std::string pic = Letters(c);
    // Mono inner rings use the window colour, which is the highlight's white here.
    EXPECT_EQ(pic, k.Picture) << k.Edge << " " << k.Flags;
    EXPECT_EQ(r, k.Adjusted);
  }
}

TEST(Edges, FrameControlsAreDeterministicAndRadioMasksCoverTheImage) {
  TTestCanvas a(13, 13), b(13, 13), mask(13, 13);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(a.DC, &r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED);
  DrawFrameControl(b.DC, &r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED);
  EXPECT_EQ(a.Art(), b.Art());
  DrawFrameControl(mask.DC, &r, DFC_BUTTON, DFCS_BUTTONRADIOMASK);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x) {
      bool drawn = a.At(x, y) != RGB(255, 255, 255) || (x > 2 && x < 10 && y > 2 && y < 10);
      bool inMask = mask.At(x, y) == 0;
      if (drawn) {
        EXPECT_TRUE(inMask) << x << "," << y;
      }
      EXPECT_TRUE(mask.At(x, y) == 0 || mask.At(x, y) == RGB(255, 255, 255));
    }
  EXPECT_EQ(mask.At(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(mask.At(6, 6), 0u);
}

TEST(Edges, CheckBoxesShowTheirStateAndTheStripHoldsTwelveCells) {
  TTestCanvas plain(13, 13), checked(13, 13);
  RECT r{0, 0, 13, 13};
  DrawFrameControl(plain.DC, &r, DFC_BUTTON, DFCS_BUTTONCHECK);
  DrawFrameControl(checked.DC, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(plain.Count(GetSysColor(COLOR_WINDOWTEXT)), 0);
  EXPECT_EQ(checked.Count(GetSysColor(COLOR_WINDOWTEXT)), 21);  // the seven-column check mark
  HBITMAP strip = LoadSystemBitmap(OBM_CHECKBOXES);
  BITMAP bm;
  ASSERT_EQ(GetObject(strip, sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth / 4, 13);
  EXPECT_EQ(bm.bmHeight / 3, 13);
  DeleteObject(strip);
}

TEST(Edges, ScrollArrowsPointTheirWay) {
  struct Case {
    UINT Kind;
  } cases[] = {{DFCS_SCROLLUP}, {DFCS_SCROLLDOWN}, {DFCS_SCROLLLEFT}, {DFCS_SCROLLRIGHT}};
  for (const Case& k : cases) {
    TTestCanvas c(17, 17);
    RECT r{0, 0, 17, 17};
    DrawFrameControl(c.DC, &r, DFC_SCROLL, k.Kind);
    // Arrow pixels in the halves of the face on either side of its middle row and column.
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int y = 3; y < 14; ++y)
      for (int x = 3; x < 14; ++x) {
        if (c.At(x, y) != GetSysColor(COLOR_BTNTEXT)) continue;
        top += y < 8, bottom += y > 8, left += x < 8, right += x > 8;
      }
    switch (k.Kind) {
      case DFCS_SCROLLUP: EXPECT_LT(top, bottom); break;
      case DFCS_SCROLLDOWN: EXPECT_GT(top, bottom); break;
      case DFCS_SCROLLLEFT: EXPECT_LT(left, right); break;
      default: EXPECT_GT(left, right); break;
    }
  }
}
