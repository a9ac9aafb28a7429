// The painters' shared geometry and routines: margins and points turned for the tab position, the
// standard sizes, the navigator region, slanted outlines and their overlap, tab colours from pages,
// the placement of a tab's caption, and the image list with its cache of turned images.
#include "ImgList.h"
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabPainters : public TPCFixture {
 protected:
  // A list of ACount images of 16 x 16, each filled with its own colour.
  TCustomImageList* Images(Integer ACount) {
    TCustomImageList* images = TCustomImageList::CreateSize(16, 16);
    FImages.push_back(images);
    for (Integer i = 0; i < ACount; ++i) {
      TOwnedPtr<TBitmap> bitmap = NewOwned<TBitmap>();
      bitmap->SetSize(16, 16);
      bitmap->GetCanvas()->GetBrush()->SetColor(i == 0 ? clRed : clGreen);
      bitmap->GetCanvas()->FillRect(TRect(0, 0, 16, 16));
      images->Add(bitmap.get(), nullptr);
    }
    return images;
  }
  void TearDown() override {
    TPCFixture::TearDown();
    for (TCustomImageList* images : FImages) images->Free();
  }
  TcxTabControl* Styled(TcxPCStyleID AStyle, std::initializer_list<const char*> ACaptions) {
    auto* control = Add<TcxTabControl>(0, 0, 300, 150);
    control->SetStyle(AStyle);
    for (const char* caption : ACaptions) control->GetTabs()->Add(caption);
    return control;
  }

 private:
  std::vector<TCustomImageList*> FImages;
};

TEST(cxPCRoutines, MarginsAndPointsTurnForTheTabPosition) {
  const TRect margins(1, 2, 3, 4);
  const struct {
    TcxTabPosition Position;
    TRect Turned;
  } cases[] = {{tpTop, TRect(1, 2, 3, 4)}, {tpBottom, TRect(3, 4, 1, 2)}, {tpLeft, TRect(2, 3, 4, 1)},
               {tpRight, TRect(4, 1, 2, 3)}};
  for (const auto& c : cases) {
    EXPECT_TRUE(cxRectIsEqual(RotateRect(margins, c.Position), c.Turned)) << c.Position;
    EXPECT_TRUE(cxRectIsEqual(RotateRectBack(RotateRect(margins, c.Position), c.Position), margins)) << c.Position;
  }
  // A point near the tab side of a 20 x 10 tab: for tabs on top, (2, 1) in (0, 0, 20, 10).
  const TRect tab(0, 0, 20, 10);
  EXPECT_EQ(TcxPCCustomPainter::RotatePoint(tab, TPoint(2, 1), tpBottom).y, 8);
  const TPoint left = TcxPCCustomPainter::RotatePoint(TRect(0, 0, 10, 20), TPoint(2, 11), tpLeft);
  EXPECT_EQ(left.x, 1);
  EXPECT_EQ(left.y, 17);
}

TEST(cxPCRoutines, BrightnessRisesInHueSaturationAndBrightness) {
  EXPECT_EQ(IncreaseColorBrightness(clBlack, 50), clBlack);
  EXPECT_EQ(IncreaseColorBrightness(0x808080, 20), TColor(0x9A9A9A));
  EXPECT_EQ(IncreaseColorBrightness(0x0000FF, 20), TColor(0x0000FF)) << "capped at full brightness";
  EXPECT_EQ(IncreaseColorBrightness(0x000080, 100), TColor(0x0000FF));
}

TEST_F(TabPainters, StandardTabsTakeTheirWidthFromTheCaptionOrTabWidth) {
  TcxTabControl* control = Styled(1, {"", "Long caption"});
  TcxTab* empty = control->GetTabs()->GetTab(0);
  EXPECT_EQ(empty->Position().NormalWidth, 42) << "an empty caption gets the default width";
  EXPECT_GT(control->GetTabs()->GetTab(1)->Position().NormalWidth, 42);
  control->SetTabWidth(30);
  EXPECT_EQ(empty->Position().NormalWidth, 30) << "TabWidth goes below the minimum";
  control->SetImages(Images(2));
  control->SetRotate(true);
  control->SetTabHeight(0);
  // A rotated control with a 16-pixel image centres it on whole pixels.
  const Integer height = control->GetTabs()->GetNormalHeight();
  EXPECT_EQ((height - 16) % 2, 0) << height;
}

TEST_F(TabPainters, FlatRowTabsKeepTheirHeightUnlessTabHeightIsClearlyTaller) {
  TcxTabControl* control = Styled(5, {"One", "Two"});
  const Integer normal = control->GetTabs()->GetNormalHeight();
  control->SetTabHeight(20);
  EXPECT_EQ(control->GetTabs()->GetNormalHeight(), normal) << "20 - 4 is below 17";
  control->SetTabHeight(30);
  EXPECT_EQ(control->GetTabs()->GetNormalHeight(), 26);
  control->SetTabWidth(10);
  EXPECT_EQ(control->GetTabs()->GetTab(0)->Position().NormalWidth, 10);
  control->SetImages(Images(2));
  control->SetImageBorder(2);
  EXPECT_EQ(control->GetTabs()->GetTab(0)->Position().NormalWidth, 24) << "16 + 2 x 2 + 4 at the least";
}

TEST_F(TabPainters, TheNavigatorButtonsLineUpAtTheirEndOfTheStrip) {
  TcxTabControl* control = Styled(1, {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"});
  control->SetOptions(control->GetOptions() + TcxPCOptions{pcoGoDialog});
  auto order = [&] {
    std::vector<TcxPCNavigatorButton> buttons;
    for (const auto& e : static_cast<TcxPCStandardPainter*>(control->GetPainter())->GetNavigatorButtonList())
      buttons.push_back(e.Button);
    return buttons;
  };
  EXPECT_EQ(order(), (std::vector<TcxPCNavigatorButton>{nbGoDialog, nbTopLeft, nbBottomRight}));
  const auto& list = static_cast<TcxPCStandardPainter*>(control->GetPainter())->GetNavigatorButtonList();
  EXPECT_EQ(list.back().Bounds.right, 300) << "right-aligned";
  control->SetNavigatorPosition(npLeftTop);
  EXPECT_EQ(order(), (std::vector<TcxPCNavigatorButton>{nbTopLeft, nbBottomRight, nbGoDialog}));
  EXPECT_EQ(list.front().Bounds.left, 0);
  EXPECT_EQ(control->GetTabsPosition().OuterTabsRect.left, list.back().Bounds.right);
  // Tabs at the bottom: the go dialog opens above its button.
  control->SetTabPosition(tpBottom);
  const TRect button = control->GetPainter()->GetGoDialogButtonBounds();
  TPoint p;
  control->GetPainter()->GetGoDialogPosition(TSize(80, 60), p);
  EXPECT_EQ(p.x, button.left);
  EXPECT_EQ(p.y, button.top - 60);
}

TEST_F(TabPainters, SlantsSetTheCutTheOverlapAndTheMinimalWidth) {
  struct TCase {
    TcxPCStyleID Style;
    TcxTabSlantKind Kind;
    TcxTabSlantPositions Positions;
    Integer Cut, TabGap, MinWidth;
  };
  for (const TCase& c : {TCase{9, skSlant, {spLeft}, 19, -9, 25}, TCase{9, skCutCorner, {spLeft, spRight}, 6, 1, 16},
                         TCase{9, skCutCorner, {}, 6, 1, 8}, TCase{10, skSlant, {spRight}, 22, -17, 26}}) {
    TcxTabControl* control = Styled(c.Style, {"One", "Two"});
    control->SetTabHeight(20);
    control->GetTabSlants()->SetKind(c.Kind);
    control->GetTabSlants()->SetPositions(c.Positions);
    auto* painter = static_cast<TcxPCSlantedPainter*>(control->GetPainter());
    EXPECT_EQ(painter->GetCutValue(), c.Cut) << c.Style << " " << c.Kind;
    EXPECT_EQ(painter->GetTabsNormalDistance().TabGap, c.TabGap) << c.Style << " " << c.Kind;
    EXPECT_EQ(painter->GetGeometricalMinTabWidth(), c.MinWidth) << c.Style << " " << c.Kind;
    control->Free();
  }
}

TEST_F(TabPainters, AnOverlappingPointBelongsToTheSelectedSlantedTab) {
  TcxTabControl* control = Styled(9, {"One", "Two", "Three"});
  control->SetTabIndex(1);
  const TRect first = FullRect(control, 0), second = FullRect(control, 1);
  ASSERT_LT(second.left, first.right) << "slanted neighbours overlap";
  // Low down in the overlap both outlines contain the point; the selected tab lies on top.
  const TPoint p(second.left + 2, second.bottom - 2);
  EXPECT_EQ(control->IndexOfTabAt(p.x, p.y), 1);
  control->SetTabIndex(0);
  EXPECT_EQ(control->IndexOfTabAt(p.x, p.y), 0) << "now the other way round";
}

TEST_F(TabPainters, APageColoursItsTabOnlyWhenAskedAndNotParentColoured) {
  TcxPageControl* control = AddPageControl(2);
  control->SetStyle(1);
  TcxTabSheet* page = control->GetPages(1);
  page->SetColor(clYellow);
  TcxPCPainterParentInfo* info = control->GetPainter()->GetParentInfo();
  EXPECT_EQ(info->GetTabColor(1), clDefault);
  control->SetOptions(control->GetOptions() + TcxPCOptions{pcoUsePageColorForTab});
  EXPECT_EQ(info->GetTabColor(1), clYellow);
  page->SetParentColor(true);
  EXPECT_EQ(info->GetTabColor(1), clDefault);
  page->SetColor(clYellow);
  control->SetOptions(control->GetOptions() - TcxPCOptions{pcoUsePageColorForTab});
  control->SetStyle(9);
  EXPECT_EQ(control->GetPainter()->GetParentInfo()->GetTabColor(1), clYellow) << "slanted tabs are always coloured";
  control->GetTabs()->GetTab(1)->SetColor(clAqua);
  EXPECT_EQ(control->GetPainter()->GetParentInfo()->GetTabColor(1), clAqua) << "a tab's own colour wins";
}

TEST_F(TabPainters, HiddenTabsLeaveThePageTheWholeControl) {
  TcxTabControl* control = Styled(8, {"One", "Two"});
  control->SetHideTabs(true);
  EXPECT_TRUE(cxRectIsEqual(control->GetPainter()->GetDisplayRectOffset(), TRect(0, 0, 0, 0)));
  EXPECT_TRUE(cxRectIsEqual(control->GetPainter()->GetDisplayRect(), TRect(0, 0, 300, 150)));
}

// ---- Content placement ------------------------------------------------------------------------------------
TEST_F(TabPainters, ACaptionIsShortenedToWhatFitsAndDroppedWhenNothingDoes) {
  TcxTabControl* control = Styled(1, {"A caption that is rather long", "Two"});
  ShowForm();
  TcxPCCustomPainter* painter = control->GetPainter();
  control->SetTabWidth(60);
  painter->DrawTabImageAndText(0);
  const TRect shortened = painter->GetOutData().TextRect;
  EXPECT_GT(shortened.Width(), 0);
  EXPECT_LE(shortened.right, FullRect(control, 0).right);
  control->SetTabWidth(0);
  painter->DrawTabImageAndText(1);
  EXPECT_EQ(painter->GetOutData().TextRect.Width(), control->GetCanvas()->TextWidth("Two")) << "a fitting caption";
  control->GetTabs()->GetTab(0)->SetCaption("&Xyz");
  control->SetTabWidth(20);
  painter->DrawTabImageAndText(0);
  EXPECT_TRUE(cxRectIsEmpty(painter->GetOutData().TextRect)) << "cut down to nothing but the accelerator";
}

TEST_F(TabPainters, AnImageWithoutCaptionIsCentredAlongTheTab) {
  TcxTabControl* control = Styled(1, {"", "Two"});
  control->SetImages(Images(2));
  ShowForm();
  TcxPCCustomPainter* painter = control->GetPainter();
  painter->DrawTabImageAndText(0);
  const TRect image = painter->GetOutData().ImageRect, full = FullRect(control, 0);
  EXPECT_TRUE(cxRectIsEmpty(painter->GetOutData().TextRect));
  EXPECT_EQ(image.Width(), 16);
  EXPECT_LE(std::abs((image.left - full.left) - (full.right - image.right)), 1) << "centred";
}

// ---- The image list -----------------------------------------------------------------------------------------
TEST_F(TabPainters, TheImageListChecksWhatItIsAskedToDraw) {
  TcxTabControl* control = Styled(1, {"One"});
  TcxPCImageList* list = New<TcxPCImageList>(control);
  TOwnedPtr<TcxPCImageList> owned(list);
  TOwnedPtr<TBitmap> target = NewOwned<TBitmap>();
  target->SetSize(20, 20);
  try {
    list->Draw(target->GetCanvas(), 0, 0, 0, clWhite, true);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "TcxPCImageList.Draw: BaseImages is not assigned");
  }
  list->SetBaseImages(Images(2));
  try {
    list->Draw(target->GetCanvas(), 0, 0, 2, clWhite, true);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "TcxPCImageList.Draw: Index (2) must be between 0 and 1");
  }
}

TEST_F(TabPainters, FreeingTheImagesClearsThemAndLaysOutAgain) {
  TcxTabControl* control = Styled(1, {"One"});
  TCustomImageList* images = TCustomImageList::CreateSize(16, 16);
  TOwnedPtr<TBitmap> picture = NewOwned<TBitmap>();
  picture->SetSize(16, 16);
  images->Add(picture.get(), nullptr);
  control->SetImages(images);
  const Integer withImages = control->GetTabs()->GetTab(0)->Position().NormalWidth;
  images->Free();
  EXPECT_EQ(control->GetImages(), nullptr);
  EXPECT_LT(control->GetTabs()->GetTab(0)->Position().NormalWidth, withImages);
}

// Vertical tabs draw their images turned like their captions, from a cache keyed by what the image
// was drawn on and whether it was enabled.
TEST_F(TabPainters, TurnedImagesAreCachedByBackgroundAndEnabledState) {
  TcxTabControl* control = Styled(1, {"One", "Two"});
  control->SetTabPosition(tpLeft);
  control->SetImages(Images(2));
  ShowForm();
  TcxPCImageList* list = New<TcxPCImageList>(control);
  TOwnedPtr<TcxPCImageList> owned(list);
  list->SetBaseImages(control->GetImages());
  list->SetImageRotationAngle(raPlus90);
  TOwnedPtr<TBitmap> target = NewOwned<TBitmap>();
  target->SetSize(20, 20);
  list->Draw(target->GetCanvas(), 0, 0, 0, clWhite, true);
  const auto* element = list->GetRotatedImage(0);
  ASSERT_TRUE(element && element->Valid);
  EXPECT_TRUE(element->Enabled);
  const TColor enabledPixel = element->Bitmap->GetCanvas()->GetPixel(8, 8);
  list->Draw(target->GetCanvas(), 0, 0, 0, clWhite, false);
  EXPECT_FALSE(element->Enabled) << "the disabled image is made again, not taken from the enabled one";
  EXPECT_NE(element->Bitmap->GetCanvas()->GetPixel(8, 8), enabledPixel);
  list->Draw(target->GetCanvas(), 0, 0, 0, clYellow, false);
  EXPECT_EQ(element->BackgroundColor, clYellow);
}

TEST_F(TabPainters, TabSlantsChangeTheLayoutAndCopyBothValues) {
  TcxTabControl* control = Styled(9, {"One", "Two"});
  const Integer before = control->GetTabs()->GetTab(0)->Position().NormalWidth;
  control->GetTabSlants()->SetKind(skCutCorner);
  control->GetTabSlants()->SetPositions({spLeft, spRight});
  EXPECT_NE(control->GetTabs()->GetTab(0)->Position().NormalWidth, before);
  TOwnedPtr<TcxTabSlants> other = NewOwned<TcxTabSlants>(nullptr);
  other->Assign(control->GetTabSlants());
  EXPECT_EQ(other->GetKind(), skCutCorner);
  EXPECT_TRUE((other->GetPositions() == TcxTabSlantPositions{spLeft, spRight}));
}

}  // namespace
