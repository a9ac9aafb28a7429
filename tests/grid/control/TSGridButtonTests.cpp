// The cell button objects: their full sizes, which of them show the shared pictures, and the
// pictures they own.
#include "GridControlTestSupport.h"
#include "Graphics.h"
#include "TSImageList.h"

using namespace GridControlTest;

namespace {

class CellButtonObjects : public GridTest {};

TEST_F(CellButtonObjects, FullSizesFollowTheEdgeWidthExceptForSpinButtons) {
  struct Case {
    TtsButtonType Type;
    Integer FullWidth, FullHeight;
  };
  // Edge width 2, default buttons 11 x 9, spin buttons 11 wide and 9 high.
  for (const Case& c : {Case{btCombo, 15, 13}, Case{btNormal, 15, 13}, Case{btVertSpin, 15, 19},
                        Case{btHorzSpin, 19, 15}, Case{btDateTimeDropDown, 15, 13},
                        Case{btDateTimePopup, 15, 13}}) {
    TtsCustomButton* button = Grid->GridCellButton(1, c.Type);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->FullWidth(), c.FullWidth) << c.Type;
    EXPECT_EQ(button->FullHeight(), c.FullHeight) << c.Type;
    EXPECT_EQ(Grid->GridCellButton(1, c.Type), button) << "one object per kind";
  }
  Grid->SetButtonEdgeWidth(4);
  EXPECT_EQ(Grid->GridCellButton(1, btVertSpin)->FullHeight(), 19) << "independent of the edge width";
  EXPECT_EQ(Grid->GridCellButton(1, btCombo)->FullWidth(), 19);
  EXPECT_EQ(Grid->GridCellButton(1, btNone), nullptr);
}

TEST_F(CellButtonObjects, DefaultButtonsShowTheSharedPicturesWithoutHoldingThem) {
  struct Case {
    TtsButtonType Type;
    TBitmap* Shared;
  };
  for (const Case& c : {Case{btCombo, ComboArrowBitmap}, Case{btNormal, ButtonDetailBitmap},
                        Case{btDateTimeDropDown, ComboArrowBitmap}, Case{btDateTimePopup, ButtonDetailBitmap}}) {
    TtsCustomButton* button = Grid->GridCellButton(1, c.Type);
    EXPECT_EQ(button->GetBitmap(), c.Shared) << c.Type;
    EXPECT_TRUE(button->IsDefault()) << c.Type;
    EXPECT_FALSE(button->OwnsBitmap()) << c.Type;
  }
  EXPECT_TRUE(Grid->GridCellButton(1, btVertSpin)->IsDefault());
  EXPECT_EQ(Grid->GridCellButton(1, btVertSpin)->GetBitmap(), nullptr);
}

TEST_F(CellButtonObjects, AButtonOwnsACopyOfAnApplicationPicture) {
  TBitmap* picture = New<TBitmap>();
  picture->SetWidth(6);
  picture->SetHeight(4);
  picture->GetCanvas()->SetPixel(0, 0, Graphics::clRed);
  TtsNormalButton* button = New<TtsNormalButton>(Grid, picture, Graphics::clNone, 11, 9);
  ASSERT_NE(button->GetBitmap(), picture);
  EXPECT_TRUE(button->OwnsBitmap());
  EXPECT_FALSE(button->IsDefault());
  picture->GetCanvas()->SetPixel(0, 0, Graphics::clBlue);
  EXPECT_EQ(ColorToRGB(button->GetBitmap()->GetCanvas()->GetPixel(0, 0)) & 0xFFFFFF, 0x0000FFu);

  // A picture set later is copied too; the copy it replaces goes, the caller's stays.
  button->SetBitmap(picture);
  EXPECT_NE(button->GetBitmap(), picture);
  EXPECT_EQ(ColorToRGB(button->GetBitmap()->GetCanvas()->GetPixel(0, 0)) & 0xFFFFFF, 0xFF0000u);
  picture->Free();
  EXPECT_EQ(button->GetBitmap()->GetWidth(), 6);

  // Setting the shared picture back makes it a default button again.
  button->SetBitmap(ButtonDetailBitmap);
  EXPECT_TRUE(button->IsDefault());
  EXPECT_FALSE(button->OwnsBitmap());
  button->Free();
  EXPECT_NE(ButtonDetailBitmap->GetHandle(), nullptr) << "the shared picture survives the button";
}

TEST_F(CellButtonObjects, DateTimeButtonsTellPopupFromDropDownByTheirPicture) {
  TtsDateTimeButton* popup = New<TtsDateTimeButton>(Grid, ButtonDetailBitmap, Graphics::clNone, 11, 9);
  TtsDateTimeButton* dropDown = New<TtsDateTimeButton>(Grid, ComboArrowBitmap, Graphics::clNone, 11, 9);
  EXPECT_TRUE(popup->GetPopup());
  EXPECT_EQ(popup->GetBitmap(), ButtonDetailBitmap);
  EXPECT_FALSE(dropDown->GetPopup());
  EXPECT_EQ(dropDown->GetBitmap(), ComboArrowBitmap);
  popup->SetBitmap(ComboArrowBitmap);
  EXPECT_FALSE(popup->GetPopup());
  EXPECT_EQ(popup->GetBitmap(), ComboArrowBitmap);
  popup->Free();
  dropDown->Free();
}

TEST_F(CellButtonObjects, ResizingTheDefaultsRebuildsOnlyButtonsWithSharedPictures) {
  TtsCustomButton* combo = Grid->GridCellButton(1, btCombo);
  EXPECT_EQ(combo->GetWidth(), 11);
  Grid->SetDefaultButtonWidth(13);
  TtsCustomButton* rebuilt = Grid->GridCellButton(1, btCombo);
  EXPECT_EQ(rebuilt->GetWidth(), 13);
  Grid->SetSpinButtonHeight(7);
  EXPECT_EQ(Grid->GridCellButton(1, btVertSpin)->FullHeight(), 15);
}

}  // namespace

namespace {

class ComponentLinks : public GridTest {};

TEST_F(ComponentLinks, AFreedImageListLeavesTheGridWithoutOne) {
  TtsImageList* images = New<TtsImageList>();
  Grid->SetImageList(images);
  TTestGrid* other = NewGrid();
  other->SetImageList(images);
  EXPECT_EQ(Grid->GetImageList(), images);
  images->Free();
  EXPECT_EQ(Grid->GetImageList(), nullptr);
  EXPECT_EQ(other->GetImageList(), nullptr);
}

}  // namespace
