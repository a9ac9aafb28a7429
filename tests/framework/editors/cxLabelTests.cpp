// The label: its settings, its measured size with depth, style offsets and turned text, the depth
// copies and styles it draws (pictures written), the caption as edit value, and the accelerator that
// moves the focus to its focus control.
#include "GdiPng.h"
#include "GdiSurface.h"
#include "StdCtrls.h"
#include "WinUser.h"
#include "cxEditTestSupport.h"
#include "cxLabel.h"

namespace {

using cxControlsTest::TControlsFixture;

const String LabelItemCaption = "\xE7\x89\xA9\xE5\x93\x81\xE5\x90\x8D\xE7\xA7\xB0";  // 物品名称
const String LabelSongTi = "\xE5\xAE\x8B\xE4\xBD\x93";                                  // 宋体

class cxLabelFixture : public TControlsFixture {
 protected:
  TcxLabel* AddLabel(const String& ACaption, int x, int y, int ASize = 12) {
    auto* label = Add<TcxLabel>(x, y, 10, 10);
    label->GetStyle()->GetFont()->SetName(LabelSongTi);
    label->GetStyle()->GetFont()->SetSize(ASize);
    label->GetStyle()->GetFont()->SetColor(clBlack);
    label->GetStyle()->SetColor(clWhite);
    label->SetCaption(ACaption);
    return label;
  }
  // The box of the pixels of one colour in the control's window.
  static TRect ColorBox(TWinControl* c, COLORREF AColor) {
    c->Invalidate();
    c->Update();
    GdiSurface::TGdiSurface picture;
    EXPECT_TRUE(CaptureWindow(c->GetHandle(), picture));
    TRect box(picture.Width(), picture.Height(), 0, 0);
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x)
        if ((GdiSurface::PixelToColor(picture.Pixel(x, y)) & 0xFFFFFF) == AColor) {
          box.left = std::min<int>(box.left, x), box.top = std::min<int>(box.top, y);
          box.right = std::max<int>(box.right, x + 1), box.bottom = std::max<int>(box.bottom, y + 1);
        }
    return box.left < box.right ? box : TRect(0, 0, 0, 0);
  }
  void SavePng(const char* AName) { EXPECT_TRUE(cxEditTest::SaveWindowPngScaled(Form->GetHandle(), AName)); }
};

TEST(cxLabelProperties, SettersAssignAndDepth) {
  TOwnedPtr<TcxLabelProperties> properties = NewOwned<TcxLabelProperties>();
  int changes = 0;
  properties->OnPropertiesChanged = [&](TObject*) { ++changes; };
  properties->SetDepth(0);
  properties->SetAngle(0);
  EXPECT_EQ(changes, 0) << "an equal value changes nothing";
  properties->SetDepth(4);
  properties->SetLabelEffect(cxleExtrude);
  properties->SetShowEndEllipsis(true);
  EXPECT_EQ(changes, 2);

  struct TCase {
    TcxLabelOrientation Orientation;
    TPoint Delta;
  };
  const TCase cases[] = {{cxoLeft, {4, 0}}, {cxoRight, {4, 0}}, {cxoTop, {0, 4}}, {cxoBottom, {0, 4}},
                         {cxoLeftTop, {4, 4}}, {cxoRightBottom, {4, 4}}};
  for (const TCase& c : cases) {
    properties->SetOrientation(c.Orientation);
    EXPECT_EQ(properties->CalculateDepthDelta(), c.Delta) << c.Orientation;
  }
  properties->SetLabelEffect(cxleNormal);
  EXPECT_EQ(properties->CalculateDepthDelta(), TPoint(0, 0)) << "no depth without an effect";

  TOwnedPtr<TcxLabelProperties> copy = NewOwned<TcxLabelProperties>();
  auto glyph = NewOwned<TBitmap>();
  glyph->SetSize(4, 4);
  properties->SetGlyph(glyph.get());
  properties->SetAngle(45);
  copy->Assign(properties.get());
  EXPECT_EQ(copy->GetDepth(), 4);
  EXPECT_EQ(copy->GetAngle(), 45);
  EXPECT_EQ(copy->GetGlyph()->GetWidth(), 4);
  EXPECT_FALSE(copy->GetShowEndEllipsis()) << "ShowEndEllipsis is not copied";
  properties->SetGlyph(nullptr);
  EXPECT_FALSE(properties->IsGlyphStored());
  EXPECT_TRUE(copy->IsGlyphStored());
}

TEST(cxLabelProperties, AnglesAreNormalised) {
  struct TCase {
    Integer Angle, Drawn;
  };
  const TCase cases[] = {{0, 0}, {360, 0}, {-360, 0}, {720, 0}, {-90, 270}, {450, 90}};
  for (const TCase& c : cases) EXPECT_EQ(cxLabelNormalizedAngle(c.Angle, true), c.Drawn) << c.Angle;
  EXPECT_EQ(cxLabelNormalizedAngle(90, false), 0) << "a font that cannot turn is drawn unturned";
}

TEST_F(cxLabelFixture, SizeFollowsDepthStyleAndAngle) {
  TcxLabel* label = AddLabel(LabelItemCaption, 10, 10);
  ShowForm();
  const TSize plain(label->GetWidth(), label->GetHeight());
  ASSERT_GT(plain.cx, plain.cy);

  label->GetProperties()->SetDepth(5);
  EXPECT_EQ(label->GetWidth(), plain.cx) << "depth without an effect adds nothing";
  label->GetProperties()->SetLabelEffect(cxleExtrude);
  label->GetProperties()->SetOrientation(cxoRightBottom);
  EXPECT_EQ(TSize(label->GetWidth(), label->GetHeight()), TSize(plain.cx + 5, plain.cy + 5));
  label->GetProperties()->SetOrientation(cxoTop);
  EXPECT_EQ(TSize(label->GetWidth(), label->GetHeight()), TSize(plain.cx, plain.cy + 5));
  label->GetProperties()->SetLabelEffect(cxleNormal);
  label->GetProperties()->SetLabelStyle(cxlsRaised);
  EXPECT_EQ(TSize(label->GetWidth(), label->GetHeight()), TSize(plain.cx + 2, plain.cy + 2)) << "12 points: 2";
  label->GetProperties()->SetLabelStyle(cxlsNormal);

  for (Integer angle : {360, -360, 720}) {
    label->GetProperties()->SetAngle(angle);
    EXPECT_EQ(TSize(label->GetWidth(), label->GetHeight()), plain) << angle;
  }
  label->GetProperties()->SetAngle(-90);
  const Integer frame = 4;  // the editor's constant part around the content
  EXPECT_NEAR(label->GetWidth() - frame, plain.cy - frame, 2) << "a quarter turn swaps the sides";
  EXPECT_NEAR(label->GetHeight() - frame, plain.cx - frame, 2);

  label->GetProperties()->SetAngle(0);
  label->SetCaption("");
  EXPECT_GT(label->GetWidth(), 0) << "an empty caption is measured as a blank";
  EXPECT_LT(label->GetWidth(), plain.cx);
}

TEST_F(cxLabelFixture, DepthCopiesLieAlongTheOrientation) {
  constexpr COLORREF Text = 0x000000, Shadow = 0x0000FF;
  struct TCase {
    TcxLabelEffect Effect;
    TcxLabelOrientation Orientation;
    TPoint ShadowShift;  // of the shadow's box against the text's box, on each edge
  };
  const TCase cases[] = {{cxleExtrude, cxoRightBottom, {3, 3}}, {cxleExtrude, cxoLeftTop, {-3, -3}},
                         {cxleCool, cxoRight, {3, 0}}, {cxleCool, cxoBottom, {0, 3}}};
  for (const TCase& c : cases) {
    TcxLabel* label = AddLabel("I", 10, 10, 20);
    label->GetProperties()->SetShadowedColor(clRed);
    label->GetProperties()->SetDepth(3);
    label->GetProperties()->SetLabelEffect(c.Effect);
    label->GetProperties()->SetOrientation(c.Orientation);
    ShowForm();
    const TRect text = ColorBox(label, Text), shadow = ColorBox(label, Shadow);
    ASSERT_GT(text.Width(), 0) << c.Effect;
    ASSERT_GT(shadow.Width(), 0) << c.Effect;
    if (c.Effect == cxleCool) {
      // One copy, the full depth away: the shadow reaches that far beyond the text, on that side only.
      if (c.ShadowShift.x) EXPECT_EQ(shadow.right - text.right, c.ShadowShift.x) << c.Orientation;
      else EXPECT_EQ(shadow.bottom - text.bottom, c.ShadowShift.y) << c.Orientation;
      if (c.ShadowShift.x) EXPECT_LE(shadow.bottom, text.bottom) << c.Orientation;
      else EXPECT_LE(shadow.right, text.right) << c.Orientation;
    } else if (c.ShadowShift.x > 0) {
      // Copies at 3, 2 and 1 pixels: the shadow reaches 3 pixels beyond the text.
      EXPECT_EQ(shadow.right, text.right + 3);
      EXPECT_EQ(shadow.bottom, text.bottom + 3);
    } else {
      EXPECT_EQ(shadow.left, text.left - 3);
      EXPECT_EQ(shadow.top, text.top - 3);
    }
    label->Free();
  }
}

TEST_F(cxLabelFixture, PictureOfEffectsStylesAndAngles) {
  Form->SetBounds(100, 100, 480, 300);
  Form->SetColor(clWhite);
  struct TCase {
    TcxLabelEffect Effect;
    TcxLabelStyle Style;
    TcxLabelOrientation Orientation;
    Integer Angle;
    int x, y;
  };
  const TCase cases[] = {
      {cxleNormal, cxlsNormal, cxoRightBottom, 0, 10, 10},      {cxleFun, cxlsNormal, cxoRightBottom, 0, 160, 10},
      {cxleExtrude, cxlsNormal, cxoLeftTop, 0, 310, 10},        {cxleCool, cxlsNormal, cxoRightBottom, 0, 10, 60},
      {cxleNormal, cxlsRaised, cxoRightBottom, 0, 160, 60},     {cxleNormal, cxlsLowered, cxoRightBottom, 0, 310, 60},
      {cxleNormal, cxlsOutLine, cxoRightBottom, 0, 10, 110},    {cxleNormal, cxlsNormal, cxoRightBottom, 90, 160, 110},
      {cxleExtrude, cxlsNormal, cxoRightBottom, 45, 230, 110},
  };
  for (const TCase& c : cases) {
    TcxLabel* label = AddLabel(LabelItemCaption, c.x, c.y, 16);
    label->GetStyle()->SetColor(clBtnFace);
    label->GetProperties()->SetShadowedColor(clGray);
    label->GetProperties()->SetDepth(c.Effect == cxleNormal ? 0 : 4);
    label->GetProperties()->SetLabelEffect(c.Effect);
    label->GetProperties()->SetLabelStyle(c.Style);
    label->GetProperties()->SetOrientation(c.Orientation);
    label->GetProperties()->SetAngle(c.Angle);
    label->GetProperties()->SetPenWidth(1);
  }
  // Large Latin letters show the outline hollow.
  TcxLabel* outline = AddLabel("Vaskel", 10, 200, 28);
  outline->GetProperties()->SetLabelStyle(cxlsOutLine);
  ShowForm();
  EXPECT_GT(ColorBox(outline, 0x000000).Width(), 0);
  SavePng("label-effects-styles-angles.png");
}

TEST_F(cxLabelFixture, CaptionAndEditValueFollowEachOther) {
  TcxLabel* label = AddLabel("A", 10, 10);
  EXPECT_EQ(VarToStr(label->GetEditValue()), "A");
  label->SetEditValue(Variant(LabelItemCaption));
  EXPECT_EQ(label->GetCaption(), LabelItemCaption);
  label->SetCaption("B");
  EXPECT_EQ(VarToStr(label->GetEditValue()), "B");
  EXPECT_EQ(label->GetLabelViewInfo()->Text, "B");
}

TEST_F(cxLabelFixture, AcceleratorMovesTheFocusAndAFreedFocusControlIsForgotten) {
  TcxLabel* label = AddLabel("&Name", 10, 10);
  auto* edit = Add<TEdit>(10, 40, 80, 20);
  ShowForm();
  EXPECT_FALSE(label->CanFocus()) << "a stand-alone label never takes the focus";
  label->SetFocusControl(label);
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  label->SetFocusControl(edit);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'N', 0), 1);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'X', 0), 0);
  label->GetProperties()->SetShowAccelChar(false);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'N', 0), 0);

  // A focus control owned elsewhere tells the label when it goes.
  auto* stranger = New<TEdit>(nullptr);
  stranger->SetParent(Form);
  label->SetFocusControl(stranger);
  stranger->Free();
  EXPECT_EQ(label->GetFocusControl(), nullptr);
}

}  // namespace
