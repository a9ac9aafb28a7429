// The editor utilities that work on an editor's settings, view data and view info: the background
// with its border and shadow (written as a picture), button widths, offsets and shapes.
#include "PixelSurface.h"
#include "WinMetrics.h"
#include "cxContainerUtils.h"
#include "cxEditTestSupport.h"
#include "cxEditUtils.h"
#include "cxEditUtilsTestSupport.h"

namespace {

using cxEditTest::TEditTestLayout;
using PixelSurface::RGBOf;

constexpr COLORREF EditBackgroundPixel = 0x00FFFF, EditBorderPixel = 0x0000FF;

// A stand-alone editor of one 12-pixel button, yellow with a red border, laid out at ABounds of the
// canvas (origin 0, 0); the button is not drawn unless ADrawButtons.
struct TEditUtilsBackground {
  TEditTestLayout Layout{{12}};
  TEditUtilsBackground(TcxEditBorderStyle ABorderStyle, bool AInplace = false, bool AShadow = false) {
    TcxEditStyle* style = Layout.Controller->GetStyle();
    style->SetBorderStyle(ABorderStyle);
    style->SetBorderColor(clRed);
    style->SetColor(clYellow);
    style->SetShadow(AShadow);
    Layout.MakeViewData(AInplace);
    Layout.ViewInfo->OnDrawButton =
        TcxEditDrawButtonEvent([](TObject*, TcxCanvas*, Integer, bool& AHandled) { AHandled = true; });
  }
  void Draw(PixelSurface::TSurface& ASurface, const TRect& ABounds, bool ADrawBackground = true) {
    Layout.ViewData->Calculate(ASurface.Cx, ABounds, TPoint(-1, -1), cxmbNone, {}, Layout.ViewInfo.get(), false);
    DrawCustomEdit(ASurface.Cx, Layout.ViewInfo.get(), ADrawBackground, bpsSolid);
  }
};

TEST(cxEditUtilsEditor, EditBackgroundInEveryBorderStyle) {
  const TcxEditBorderStyle styles[] = {ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11};
  PixelSurface::TSurface s(8 + 7 * 56, 30);
  for (size_t i = 0; i < std::size(styles); ++i) {
    TEditUtilsBackground editor(styles[i]);
    const TRect bounds(4 + static_cast<Integer>(i) * 56, 4, 4 + static_cast<Integer>(i) * 56 + 50, 24);
    editor.Draw(s, bounds);
    TcxCustomEditViewInfo* info = editor.Layout.ViewInfo.get();
    const TRect button = editor.Layout.Button(0)->VisibleBounds;
    // The background fills the border rectangle, less the button, which is kept out of it.
    EXPECT_EQ(s.Count(info->BorderRect, EditBackgroundPixel),
              info->BorderRect.Width() * info->BorderRect.Height() - button.Width() * button.Height())
        << styles[i];
    EXPECT_TRUE(s.InkBox(button, PixelSurface::kWhite).Width() == 0) << styles[i];
    const bool framed = styles[i] == ebsSingle || styles[i] == ebsThick;
    EXPECT_EQ(s.RingIs(bounds, EditBorderPixel), framed) << styles[i];
  }
  // The thick frame is two pixels wide; the flat one sunken outside and button-face inside; the
  // three-dimensional one dark inside; the ultra-flat ones leave the frame to a painter.
  EXPECT_TRUE(s.RingIs(TRect(2 * 56 + 5, 5, 2 * 56 + 53, 23), EditBorderPixel));
  EXPECT_TRUE(s.RingIs(TRect(3 * 56 + 5, 5, 3 * 56 + 53, 23), RGBOf(clBtnFace)));
  EXPECT_EQ(s.At(3 * 56 + 4, 4), RGBOf(clBtnShadow));
  EXPECT_EQ(s.At(4 * 56 + 5, 5), RGBOf(cl3DDkShadow));
  EXPECT_EQ(s.Count(TRect(5 * 56 + 4, 4, 7 * 56 + 4, 24), EditBorderPixel), 0);
  cxEditUtilsTest::SaveEditUtilsPng(s, "edit-utils-edit-backgrounds.png", 3);
}

TEST(cxEditUtilsEditor, ShadowAndButtonsShowingTheBackground) {
  PixelSurface::TSurface s(80, 56);
  TEditUtilsBackground shadowed(ebsSingle, false, true);
  shadowed.Draw(s, TRect(4, 4, 54, 24));
  const TRect frame = cxRectOffset(shadowed.Layout.ViewInfo->BorderRect, 0, 0);
  EXPECT_TRUE(s.RingIs(cxRectInflate(frame, 1, 1), EditBorderPixel));
  // Three pixels of shadow below and right of the frame.
  EXPECT_GT(s.Count(TRect(frame.right + 1, 4, frame.right + 4, 30), RGBOf(clBtnShadow)), 0);
  EXPECT_GT(s.Count(TRect(4, frame.bottom + 1, 60, frame.bottom + 4), RGBOf(clBtnShadow)), 0);
  EXPECT_EQ(s.At(frame.right + 2, 4), PixelSurface::kWhite);  // the shadow starts lower down

  // A first button whose background shows through leaves the clip region alone.
  TEditUtilsBackground seeThrough(ebsSingle);
  seeThrough.Layout.ViewData->Calculate(s.Cx, TRect(4, 32, 54, 52), TPoint(-1, -1), cxmbNone, {},
                                        seeThrough.Layout.ViewInfo.get(), false);
  seeThrough.Layout.Button(0)->BackgroundPartiallyTransparent = true;
  DrawCustomEdit(s.Cx, seeThrough.Layout.ViewInfo.get(), true, bpsSolid);
  const TRect button = seeThrough.Layout.Button(0)->VisibleBounds;
  EXPECT_EQ(s.Count(button, EditBackgroundPixel), button.Width() * button.Height());
  cxEditUtilsTest::SaveEditUtilsPng(s, "edit-utils-edit-shadow.png", 3);
}

TEST(cxEditUtilsEditor, InplaceBackgrounds) {
  PixelSurface::TSurface s(60, 24);
  const TRect bounds(0, 0, 50, 20);
  TEditUtilsBackground full(ebsNone, true);
  full.Draw(s, bounds);
  const TRect button = full.Layout.Button(0)->VisibleBounds;
  EXPECT_EQ(s.Count(bounds, EditBackgroundPixel), 50 * 20 - button.Width() * button.Height());

  // Without the draw-background flag only an editor with a background fills, and only around the
  // border rectangle.
  s.Clear();
  TEditUtilsBackground margins(ebsNone, true);
  margins.Draw(s, bounds, false);
  EXPECT_TRUE(s.AllWhite());
  margins.Layout.ViewInfo->HasBackground = true;
  margins.Layout.ViewInfo->BorderRect = TRect(2, 2, 30, 18);
  DrawCustomEdit(s.Cx, margins.Layout.ViewInfo.get(), false, bpsSolid);
  EXPECT_EQ(s.Count(TRect(2, 2, 30, 18), EditBackgroundPixel), 0);
  EXPECT_EQ(s.Count(TRect(0, 0, 2, 20), EditBackgroundPixel), 40);

  // A transparent one fills nothing; one whose host draws the background leaves it to the host.
  s.Clear();
  margins.Layout.ViewInfo->Transparent = true;
  DrawCustomEdit(s.Cx, margins.Layout.ViewInfo.get(), true, bpsSolid);
  EXPECT_TRUE(s.AllWhite());
  margins.Layout.ViewInfo->Transparent = false;
  int hostDrawings = 0;
  margins.Layout.ViewInfo->OnDrawBackground =
      TcxEditDrawBackgroundEvent([&](TObject*, TcxCanvas*, bool& AHandled) { AHandled = (++hostDrawings, true); });
  DrawCustomEdit(s.Cx, margins.Layout.ViewInfo.get(), true, bpsSolid);
  EXPECT_TRUE(s.AllWhite());
  EXPECT_EQ(hostDrawings, 1);
}

TEST(cxEditUtilsEditor, DefaultButtonWidths) {
  TEditTestLayout layout{{0}};
  layout.Calculate(TRect(0, 0, 60, 20));
  TcxEditButtonViewInfo* button = layout.Button(0);
  TcxCanvas* canvas = cxScreenCanvas();
  const Integer scrollBar = GetSystemMetrics(SM_CYHSCROLL);
  button->NativeStyle = false;
  button->Kind = bkEllipsis;
  button->Width = 0;
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), scrollBar);
  button->Width = 2;
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), 4);  // never below the margin
  button->Width = 30;
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), 30);
  button->Width = 0;
  button->Kind = bkText;
  button->Caption = "Browse";
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), std::max(4 + canvas->TextWidth("Browse") + 3, scrollBar));
  auto glyph = NewOwned<TBitmap>();
  glyph->SetSize(40, 8);
  button->Kind = bkGlyph;
  button->Glyph = glyph.get();
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), 44);
  glyph->SetSize(0, 0);
  EXPECT_EQ(CalculateEditDefaultButtonWidth(canvas, button), scrollBar);
  // A natively styled button first learns whether the theme can draw it.
  button->NativeStyle = true;
  button->ComboBoxStyle = false;
  button->Width = 1;
  const Integer width = CalculateEditDefaultButtonWidth(canvas, button);
  EXPECT_EQ(button->NativeStyle, AreVisualStylesMustBeUsed(true, totButton));
  if (button->NativeStyle) {
    const TRect margins = GetEditThemeContentMargins(totButton, button->NativePart, button->NativeState, canvas);
    EXPECT_EQ(width, std::max(1, static_cast<Integer>(margins.left + margins.right)));
  } else {
    EXPECT_EQ(width, 4);
  }
}

TEST(cxEditUtilsEditor, ButtonOffsetsShapesAndCorrections) {
  TcxCanvas* canvas = cxScreenCanvas();
  const Integer offsets[] = {0, 4, 2, 2, 2, 2, 2};
  for (Integer style = btsDefault; style <= btsOffice11; ++style)
    EXPECT_EQ(GetEditButtonsContentVerticalOffset(canvas, static_cast<TcxEditButtonStyle>(style), false),
              offsets[style]);
  const TRect margins = GetEditThemeContentMargins(totButton, 1, 1, canvas);
  EXPECT_EQ(GetEditButtonsContentVerticalOffset(canvas, bts3D, true), margins.top + margins.bottom);

  TEditTestLayout layout{{12}};
  layout.Calculate(TRect(0, 0, 60, 20));
  TcxEditButtonViewInfo* button = layout.Button(0);
  button->Bounds = TRect(10, 2, 26, 20);
  button->NativeStyle = false;
  TOwnedPtr<TcxRegion> region(GetEditButtonRegion(canvas, button));
  EXPECT_EQ(region->GetBoundsRect(), button->Bounds);
  button->NativeStyle = true;
  button->NativePart = 1;
  button->NativeState = 1;
  region.reset(GetEditButtonRegion(canvas, button));
  EXPECT_FALSE(region->GetIsEmpty());
  TRect common;
  cxRectIntersect(common, region->GetBoundsRect(), button->Bounds);
  EXPECT_EQ(common, region->GetBoundsRect());

  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(layout.Properties.get(), true), 1);
  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(layout.Properties.get(), false), 0);
  TEditTestLayout noButtons{std::initializer_list<Integer>{}};
  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(noButtons.Properties.get(), true), 0);
}

TEST(cxEditUtilsEditor, ShadowIsDrawnOnlyWithoutNativeStyle) {
  TEditTestLayout layout{std::initializer_list<Integer>{}};
  TcxEditStyle* style = layout.Controller->GetStyle();
  EXPECT_FALSE(IsShadowDrawingNeeded(layout.ViewData.get()));
  style->SetShadow(true);
  EXPECT_TRUE(IsShadowDrawingNeeded(layout.ViewData.get()));
  style->GetLookAndFeel()->SetNativeStyle(true);
  EXPECT_EQ(IsShadowDrawingNeeded(layout.ViewData.get()), !AreVisualStylesMustBeUsed(true, totEdit));
}

}  // namespace
