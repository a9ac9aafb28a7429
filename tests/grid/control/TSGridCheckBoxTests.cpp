// The in-place check box: its toggle order with and without grayed and value texts, values that
// are no state, the strip of images pixel by pixel, user bitmaps, the mouse and the space bar.
#include <gtest/gtest.h>

#include "GdiPng.h"
#include "InplaceTestSupport.h"
#include "TSCommon.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"

using namespace InplaceTest;

namespace {

class CheckBoxTest : public InplaceFixture {
 protected:
  TtsGridCheckBox* Box = nullptr;
  std::vector<String> Hooks;

  TtsGridCheckBox* MakeBox() {
    Box = Make<TtsGridCheckBox>(10, 10, 40, 20);
    Box->SetColor(clWhite);
    Box->OnChanged = TtsChangedEvent([this](TObject*, bool Edit, bool ByUser, bool) {
      Hooks.push_back(String("changed") + (Edit ? " edit" : "") + (ByUser ? " user" : ""));
    });
    Box->OnClick = TNotifyEvent([this](TObject*) { Hooks.push_back("click"); });
    return Box;
  }
  String StateAndValue() { return std::to_string(Box->GetState()) + " " + VarToStr(Box->GetValue()); }
};

TEST_F(CheckBoxTest, ToggleOrderWithAndWithoutGrayedAndValueTexts) {
  struct Case {
    bool AllowGrayed;
    const char* Values;
    Variant Start;
    std::vector<const char*> Steps;  // state and value after each toggle
  } cases[] = {
      {false, "", Variant(Byte(0)), {"1 1", "0 0", "1 1"}},
      {true, "", Variant(Byte(0)), {"1 1", "2 2", "0 0", "1 1"}},
      {false, "", Variant(Byte(2)), {"0 0", "1 1"}},
      {false, "Y|N", Variant("Y"), {"0 N", "1 Y"}},
      {true, "Y|N", Variant("Y"), {"2 ", "0 N", "1 Y"}},  // no grayed text: an empty value reads grayed
      {true, "Y|N|?", Variant("N"), {"1 Y", "2 ?", "0 N"}},
  };
  MakeBox();
  for (const Case& c : cases) {
    SCOPED_TRACE(String(c.Values) + (c.AllowGrayed ? " grayed" : ""));
    Box->SetAllowGrayed(c.AllowGrayed);
    Box->SetCheckBoxValues(c.Values);
    Box->SetValue(c.Start);
    for (const char* step : c.Steps) {
      Box->ToggleCheckBoxState();
      EXPECT_EQ(StateAndValue(), step);
    }
    Word key = VK_ESCAPE;
    EXPECT_TRUE(Box->UndoEdit(key)) << "one undo goes back to before the first toggle";
    EXPECT_EQ(key, 0);
    EXPECT_EQ(VarToStr(Box->GetValue()), VarToStr(c.Start));
    key = VK_ESCAPE;
    EXPECT_FALSE(Box->UndoEdit(key));
    EXPECT_EQ(key, VK_ESCAPE);
  }
}

TEST_F(CheckBoxTest, ANumberThatIsNoStateReadsGrayed) {
  MakeBox();
  Form->Show();
  for (const Variant& v : {Variant(true), Variant(Integer(5)), Variant(Integer(-2))}) {
    Box->SetValue(v);
    EXPECT_EQ(Box->GetState(), cbGrayed);
    EXPECT_EQ(Box->GetImageIndex(Box->GetState()), 5);
    Box->Repaint();
  }
  Box->SetCheckBoxValues("Y|N");
  Box->SetValue(Integer(7));
  EXPECT_EQ(Box->GetState(), cbGrayed);
  EXPECT_EQ(VarToStr(Box->GetValue()), "");
  Box->SetValue(Variant("N"));
  EXPECT_EQ(Box->GetState(), cbUnchecked);
  Box->SetValue(Variant());
  EXPECT_EQ(Box->GetState(), cbGrayed) << "an empty value is neither text";
}

// The strip as it must be: each image's frame drawn by DrawEdge, and inside it the pixels below
// ('.' white, '#' black, 's' silver, 'g' grey). Pressed forms turn white silver inside a 1-pixel
// border, or get a second flat frame.
struct TStripImage {
  UINT Edge, Flags;
  bool WhiteInside;
  Integer Inset;  // where the pattern's first row and column lie
  std::vector<const char*> Pattern;
};

const TStripImage kStripImages[9] = {
    {EDGE_SUNKEN, BF_RECT, true, 2,
     {".........", ".##...##.", ".###.###.", "..#####..", "...###...", "..#####..", ".###.###.", ".##...##.",
      "........."}},
    {EDGE_SUNKEN, BF_RECT, true, 2, {}},
    {EDGE_SUNKEN, BF_RECT, true, 2,
     {".........", ".#.#.#.#.", "..#.#.#..", ".#.#.#.#.", "..#.#.#..", ".#.#.#.#.", "..#.#.#..", ".#.#.#.#.",
      "........."}},
    {EDGE_SUNKEN, BF_RECT, true, 2,
     {".........", ".......#.", "......##.", ".#...###.", ".##.###..", ".#####...", "..###....", "...#.....",
      "........."}},
    {EDGE_SUNKEN, BF_RECT, true, 2, {}},
    {EDGE_SUNKEN, BF_RECT, true, 2,
     {".s.s.s.s.", "s.s.s.sgs", ".s.s.sgg.", "sgs.sgggs", ".ggsgggs.", "sgggggs.s", ".sgggs.s.", "s.sgs.s.s",
      ".s.s.s.s."}},
    {BDR_RAISEDOUTER, BF_MONO | BF_RECT, false, 1,
     {"#.........#", ".#.......#.", "..#.....#..", "...#...#...", "....#.#....", ".....#.....", "....#.#....",
      "...#...#...", "..#.....#..", ".#.......#.", "#.........#"}},
    {EDGE_SUNKEN, BF_MONO | BF_RECT, false, 1, {}},
    {EDGE_SUNKEN, BF_MONO | BF_RECT, false, 1,
     {".#.#.#.#.#.", "#.#.#.#.#.#", ".#.#.#.#.#.", "#.#.#.#.#.#", ".#.#.#.#.#.", "#.#.#.#.#.#", ".#.#.#.#.#.",
      "#.#.#.#.#.#", ".#.#.#.#.#.", "#.#.#.#.#.#", ".#.#.#.#.#."}},
};

COLORREF PatternColor(char C) {
  switch (C) {
    case '#': return 0x000000;
    case 's': return 0xC0C0C0;
    case 'g': return 0x808080;
    default: return 0xFFFFFF;
  }
}

// The expected 13 x 13 picture of strip image N (0 to 17).
void DrawExpectedImage(HDC DC, Integer N) {
  const TStripImage& image = kStripImages[N % 9];
  const bool pressed = N >= 9;
  RECT all{0, 0, 13, 13};
  FillRect(DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawEdge(DC, &all, image.Edge, image.Flags);
  for (size_t row = 0; row < image.Pattern.size(); ++row)
    for (size_t col = 0; image.Pattern[row][col]; ++col)
      if (image.Pattern[row][col] != '.' || image.WhiteInside)
        SetPixel(DC, image.Inset + Integer(col), image.Inset + Integer(row), PatternColor(image.Pattern[row][col]));
  if (!pressed) return;
  if (!image.WhiteInside) {
    RECT inner{1, 1, 12, 12};
    DrawEdge(DC, &inner, BDR_RAISEDOUTER, BF_MONO | BF_RECT);
    return;
  }
  for (Integer y = 1; y < 12; ++y)
    for (Integer x = 1; x < 12; ++x)
      if ((GetPixel(DC, x, y) & 0xFFFFFF) == 0xFFFFFF) SetPixel(DC, x, y, 0xC0C0C0);
}

TEST_F(CheckBoxTest, TheStripHoldsNineImagesAndTheirPressedFormsPixelByPixel) {
  MakeBox();
  TBitmap* strip = CheckBoxStrip();
  ASSERT_EQ(strip->GetWidth(), 13);
  ASSERT_EQ(strip->GetHeight(), 234);
  HDC actual = strip->GetCanvas()->GetHandle();
  TOwnedPtr<TBitmap> expected(New<TBitmap>());
  expected->SetPixelFormat(pf32bit);
  expected->SetSize(13, 13);
  HDC want = expected->GetCanvas()->GetHandle();
  for (Integer n = 0; n < 18; ++n) {
    DrawExpectedImage(want, n);
    Integer wrong = 0;
    for (Integer y = 0; y < 13; ++y)
      for (Integer x = 0; x < 13; ++x)
        wrong += (GetPixel(actual, x, 13 * n + y) & 0xFFFFFF) != (GetPixel(want, x, y) & 0xFFFFFF);
    EXPECT_EQ(wrong, 0) << "image " << n;
  }
  // Enlarged for a look: normal forms on the left, pressed forms on the right.
  TOwnedPtr<TBitmap> look(New<TBitmap>());
  look->SetPixelFormat(pf32bit);
  look->SetSize(2 * 13 * 8 + 8, 9 * 13 * 8);
  HDC dc = look->GetCanvas()->GetHandle();
  RECT all{0, 0, look->GetWidth(), look->GetHeight()};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  StretchBlt(dc, 0, 0, 13 * 8, 9 * 13 * 8, actual, 0, 0, 13, 117, SRCCOPY);
  StretchBlt(dc, 13 * 8 + 8, 0, 13 * 8, 9 * 13 * 8, actual, 0, 117, 13, 117, SRCCOPY);
  EXPECT_TRUE(SaveBitmapToPng(look->GetHandle(), testing::TempDir() + "check-box-strip.png"));
  // A second box draws from the same strip.
  auto* second = Make<TtsGridCheckBox>(60, 10, 20, 20);
  EXPECT_EQ(CheckBoxStrip(), strip);
  EXPECT_EQ(second->GetImageIndex(cbChecked), 3);
}

TEST_F(CheckBoxTest, StylesAndUserBitmapsChooseTheImages) {
  MakeBox();
  Integer mode;
  TRect source;
  Box->SetCheckBoxStyle(cbWinNT);
  EXPECT_EQ(Box->GetCheckBoxBitmap(cbGrayed, mode, true, source), CheckBoxStrip());
  EXPECT_EQ(source, TRect(0, 26, 13, 39));
  EXPECT_EQ(mode, Integer(SRCCOPY));
  Box->SetCheckBoxStyle(cbFlat);
  Box->GetCheckBoxBitmap(cbUnchecked, mode, true, source);
  EXPECT_EQ(source, TRect(0, 91, 13, 104));
  EXPECT_EQ(mode, Integer(MERGECOPY)) << "flat images take the background where they are white";
  // A user bitmap for checked, with its pressed form beneath.
  TOwnedPtr<TBitmap> own(New<TBitmap>());
  own->SetPixelFormat(pf32bit);
  own->SetSize(8, 6);
  own->GetCanvas()->GetBrush()->SetColor(clWhite);
  own->GetCanvas()->FillRect(TRect(0, 0, 8, 6));
  own->GetCanvas()->SetPixel(0, 0, clRed);
  Box->SetCheckBoxBitmap(cbChecked, own.get());
  TBitmap* user = Box->GetCheckBoxBitmap(cbChecked, mode, true, source);
  EXPECT_NE(user, CheckBoxStrip());
  EXPECT_EQ(source, TRect(0, 0, 8, 6)) << "not pressed: the top half";
  HDC dc = user->GetCanvas()->GetHandle();
  EXPECT_EQ(GetPixel(dc, 0, 6) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(GetPixel(dc, 0, 7) & 0xFFFFFF, 0xFFFFFFu) << "the border keeps its white";
  EXPECT_EQ(GetPixel(dc, 3, 9) & 0xFFFFFF, 0xC0C0C0u) << "inside, white becomes silver";
  Box->SetCheckBoxBitmap(cbChecked, nullptr);
  EXPECT_EQ(Box->GetCheckBoxBitmap(cbChecked, mode, false, source), CheckBoxStrip());
  EXPECT_EQ(Box->GetImageIndex(cbChecked), 6) << "the style's image again";
}

TEST_F(CheckBoxTest, AClickTogglesButAPressDraggedOffDoesNot) {
  MakeBox();
  ShowFocused(Box);
  Click(Box, 20, 10);
  EXPECT_EQ(Box->GetState(), cbChecked);
  EXPECT_EQ(Hooks, (std::vector<String>{"changed edit user", "click"}));
  Hooks.clear();
  Press(Box, 20, 10);
  EXPECT_TRUE(Box->CheckBoxMasked());
  MoveTo(Box, 45, 10);
  EXPECT_FALSE(Box->CheckBoxMasked());
  MoveTo(Box, -2, 10);
  EXPECT_TRUE(Box->CheckBoxMasked()) << "just left of the box still counts";
  MoveTo(Box, 20, 25);
  Release(Box, 20, 25);
  EXPECT_EQ(Box->GetState(), cbChecked);
  EXPECT_FALSE(Box->CheckBoxMasked());
  EXPECT_EQ(Hooks, std::vector<String>{"click"}) << "no change to report";
}

TEST_F(CheckBoxTest, SpaceTogglesOnReleaseUnlessTheGridRefusesTheEdit) {
  MakeBox();
  ShowFocused(Box);
  bool refuse = true;
  Box->OnEdit = TtsEditEvent([&](TObject*, bool& Cancel) { Cancel = refuse; });
  Down(VK_SPACE);
  EXPECT_FALSE(Box->CheckBoxMasked());
  Up(VK_SPACE);
  EXPECT_EQ(Box->GetState(), cbUnchecked);
  EXPECT_TRUE(Hooks.empty());
  refuse = false;
  Down(VK_SPACE);
  EXPECT_TRUE(Box->CheckBoxMasked()) << "drawn pressed while the bar is down";
  Down(VK_SPACE);
  Up(VK_SPACE);
  EXPECT_EQ(Box->GetState(), cbChecked) << "one toggle however long the bar was held";
  EXPECT_EQ(Hooks, (std::vector<String>{"click", "changed edit user"}));
  Key(VK_ESCAPE);
  EXPECT_EQ(Box->GetState(), cbUnchecked);
}

TEST_F(CheckBoxTest, PaintCentresTheImageAndFlatImagesTakeTheBackground) {
  MakeBox();
  Box->SetCtl3D(false);
  Box->SetCheckBoxStyle(cbFlat);
  Box->SetColor(clYellow);
  Form->Show();
  Pump();
  // The 13 x 13 image centred in 40 x 20: from (13, 3).
  EXPECT_EQ(Pixel(Box, 13 + 3, 3 + 1), ColorToRGB(clYellow)) << "white inside the flat box";
  EXPECT_EQ(Pixel(Box, 13, 3 + 6), 0x000000u) << "its frame";
  EXPECT_EQ(Pixel(Box, 5, 5), ColorToRGB(clYellow));
  Box->SetCheckBoxStyle(cbWin95);
  Box->SetCheckBoxState(cbChecked);
  Pump();
  EXPECT_EQ(Pixel(Box, 13 + 2, 3 + 2), 0xFFFFFFu) << "the tick's box is white";
  EXPECT_EQ(Pixel(Box, 13 + 3, 3 + 5), 0x000000u);
  SavePng("check-box-cell.png");
}

}  // namespace
