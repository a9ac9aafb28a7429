// The panel: children align inside its border width and bevels, the bevels are drawn raised,
// lowered or as space, and the caption sits in the middle or at the side its alignment says.
#include "ClasslibTestSupport.h"

#include "ExtCtrls.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "TypInfo.h"
#include "WinGdi.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class PanelTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TPanel* Panel = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 320, 200);
    Form->SetColor(clWhite);
    Panel = CreateComponent<TPanel>(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(10, 10, 200, 60);
    Form->Show();
    Application->ProcessMessages();
  }
  // A pixel of the panel as shown, as a COLORREF (of the picture given, else of a new one).
  COLORREF Pixel(int x, int y, TGdiSurface* shown = nullptr) {
    TGdiSurface picture;
    if (!shown) {
      Application->ProcessMessages();
      EXPECT_TRUE(CaptureWindow(Form->GetHandle(), picture));
      shown = &picture;
    }
    RECT w;
    GetWindowRect(Form->GetHandle(), &w);
    TPoint p = Panel->ClientToScreen(TPoint(x, y));
    uint32_t v = shown->Pixel(p.x - w.left, p.y - w.top);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  }
  // The columns of the middle rows where the caption left dark pixels: first and last.
  std::pair<int, int> CaptionColumns() {
    Application->ProcessMessages();
    TGdiSurface picture;
    EXPECT_TRUE(CaptureWindow(Form->GetHandle(), picture));
    int first = -1, last = -1;
    for (int x = 0; x < Panel->GetWidth(); ++x)
      for (int y = Panel->GetHeight() / 2 - 5; y <= Panel->GetHeight() / 2 + 5; ++y)
        if (Pixel(x, y, &picture) == 0) {
          if (first < 0) first = x;
          last = x;
        }
    return {first, last};
  }
};

TEST_F(PanelTest, ChildrenAlignInsideTheBorderWidthAndTheBevels) {
  auto* child = CreateComponent<TTestPanel>(Form);
  child->SetParent(Panel);
  child->SetAlign(alClient);
  struct TCase {
    TPanelBevel Outer, Inner;
    Integer BevelWidth, BorderWidth, Inset;
  };
  for (const TCase& c : {TCase{bvRaised, bvNone, 1, 0, 1}, TCase{bvNone, bvNone, 1, 0, 0},
                         TCase{bvRaised, bvLowered, 3, 2, 8}, TCase{bvNone, bvSpace, 2, 5, 7}}) {
    Panel->SetBevelOuter(c.Outer);
    Panel->SetBevelInner(c.Inner);
    Panel->SetBevelWidth(c.BevelWidth);
    Panel->SetPanelBorderWidth(c.BorderWidth);
    EXPECT_EQ(child->GetBoundsRect(), TRect(c.Inset, c.Inset, 200 - c.Inset, 60 - c.Inset)) << c.Inset;
  }
}

TEST_F(PanelTest, DrawsItsBevelsRaisedLoweredOrAsSpace) {
  struct TCase {
    TPanelBevel Outer;
    COLORREF TopLeft, BottomRight;
  };
  COLORREF face = ColorToRGB(clBtnFace), light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  for (const TCase& c : {TCase{bvRaised, light, dark}, TCase{bvLowered, dark, light}, TCase{bvSpace, face, face},
                         TCase{bvNone, face, face}}) {
    Panel->SetBevelOuter(c.Outer);
    EXPECT_EQ(Pixel(0, 0), c.TopLeft) << c.Outer;
    EXPECT_EQ(Pixel(0, 30), c.TopLeft) << c.Outer;
    EXPECT_EQ(Pixel(199, 59), c.BottomRight) << c.Outer;
    EXPECT_EQ(Pixel(100, 59), c.BottomRight) << c.Outer;
    EXPECT_EQ(Pixel(5, 5), face) << c.Outer;
  }
  // A wider bevel with the border band inside it, then the inner bevel.
  Panel->SetBevelOuter(bvRaised);
  Panel->SetBevelInner(bvLowered);
  Panel->SetBevelWidth(2);
  Panel->SetPanelBorderWidth(3);
  EXPECT_EQ(Pixel(1, 1), light);
  EXPECT_EQ(Pixel(2, 2), face);
  EXPECT_EQ(Pixel(4, 4), face);
  EXPECT_EQ(Pixel(5, 5), dark);
  EXPECT_EQ(Pixel(6, 6), dark);
  EXPECT_EQ(Pixel(7, 7), face);
  EXPECT_EQ(Pixel(194, 54), light);
}

TEST_F(PanelTest, TheCaptionSitsWhereItsAlignmentSays) {
  Panel->SetCaption("拍卖 Panel");
  auto [left, right] = CaptionColumns();
  ASSERT_GE(left, 0) << "the caption is drawn";
  EXPECT_NEAR((left + right) / 2, 100, 3) << "centred";
  Panel->SetAlignment(taLeftJustify);
  EXPECT_LT(CaptionColumns().first, 5);
  Panel->SetAlignment(taRightJustify);
  EXPECT_GT(CaptionColumns().second, 193);
  Panel->SetCaption("");
  EXPECT_EQ(CaptionColumns().first, -1);
}

TEST_F(PanelTest, IsPublishedForFormResources) {
  EXPECT_EQ(Panel->GetWidth(), 200);
  auto* fresh = CreateComponent<TPanel>(Form);
  EXPECT_EQ(fresh->GetBoundsRect(), TRect(0, 0, 185, 41));
  SetEnumProp(fresh, "BevelOuter", "bvLowered");
  SetEnumProp(fresh, "Alignment", "taLeftJustify");
  SetOrdProp(fresh, "BorderWidth", 4);
  SetOrdProp(fresh, "FullRepaint", 0);
  EXPECT_EQ(fresh->GetBevelOuter(), bvLowered);
  EXPECT_EQ(fresh->GetAlignment(), taLeftJustify);
  EXPECT_EQ(fresh->GetBorderWidth(), 4);
  EXPECT_FALSE(fresh->GetFullRepaint());
  EXPECT_EQ(fresh->GetColor(), clBtnFace);
}

}  // namespace
