// The drop-down popup window: border widths, the system panel's grip and close button, where the
// grip sits for the side the popup opens to, sizing by the grip in whole list rows, and pictures
// of an open combo box and popup edit.
#include "ExtCtrls.h"
#include "GdiPng.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "cxDropDownEdit.h"
#include "cxEditTestSupport.h"

namespace {

using cxEditTest::TEditFixture;

TOwnedPtr<TcxCustomEditPopupWindowViewInfo> MakeViewInfo(TcxEditPopupBorderStyle AStyle, bool AClientEdge = false) {
  TOwnedPtr<TcxCustomEditPopupWindowViewInfo> info(static_cast<TcxCustomEditPopupWindowViewInfo*>(
      TcxContainerViewInfo::Create(TcxCustomEditPopupWindowViewInfo::StaticClass())));
  info->PopupBorderStyle = AStyle;
  info->ClientEdge = AClientEdge;
  return info;
}

TEST(cxEditPopupWindowViewInfo, BorderWidthsFollowTheStyle) {
  const struct {
    TcxEditPopupBorderStyle Style;
    bool ClientEdge;
    Integer Extent;
  } cases[] = {{epbsDefault, false, 0}, {epbsSingle, false, 1}, {epbsFrame3D, false, 4}, {epbsFlat, false, 2},
               {epbsSingle, true, 3},   {epbsFrame3D, true, 6}, {epbsFlat, true, 3}};
  for (const auto& c : cases) {
    auto info = MakeViewInfo(c.Style, c.ClientEdge);
    EXPECT_EQ(info->GetBorderExtent(), TRect(c.Extent, c.Extent, c.Extent, c.Extent)) << c.Style << c.ClientEdge;
    info->Shadow = true;
    EXPECT_EQ(info->GetBorderExtent(), TRect(c.Extent, c.Extent, c.Extent + 3, c.Extent + 3)) << c.Style;
  }
}

TEST(cxEditPopupWindowViewInfo, TheSizingPlacesAreTheStripsBesideTheGripAndTheGripItself) {
  auto info = MakeViewInfo(epbsSingle);
  info->Sizeable = true;
  info->SysPanelStyle = true;
  info->Bounds = TRect(0, 0, 200, 150);
  const Integer strip = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
  const struct {
    TcxEditCorner Corner;
    TPoint P;
    bool Place;
    Integer Horz, Vert;
  } cases[] = {
      {ecoBottomRight, {100, 60}, false, 0, 0},           // the middle moves nothing
      {ecoBottomRight, {199, 60}, true, 1, 0},            // the right strip
      {ecoBottomRight, {2, 60}, false, 0, 0},             // the left edge is not free
      {ecoBottomRight, {197, 147}, true, 1, 1},           // the grip
      {ecoBottomRight, {60, 147}, false, 0, 0},           // the panel away from the grip
      {ecoTopLeft, {2, 2}, true, -1, -1},                 // a grip at the top left
      {ecoTopLeft, {2, 60}, true, -1, 0},                 // the left strip
      {ecoTopLeft, {100, strip - 2}, false, 0, 0},        // the top strip lies in the panel
      {ecoTopLeft, {100, 149}, false, 0, 0},              // the bottom edge is not free
      {ecoBottomRight, {300, 60}, false, 0, 0},           // outside
  };
  for (const auto& c : cases) {
    info->SizeGripCorner = c.Corner;
    info->Calculate();
    Integer horz = 9, vert = 9;
    EXPECT_EQ(info->IsSizingPlace(c.P.x, c.P.y, horz, vert), c.Place) << c.P.x << "," << c.P.y;
    EXPECT_EQ(horz, c.Horz) << c.P.x << "," << c.P.y;
    EXPECT_EQ(vert, c.Vert) << c.P.x << "," << c.P.y;
  }
  info->Sizeable = false;
  info->Calculate();
  EXPECT_FALSE(info->IsSizingPlace(199, 60));
}

TEST(cxEditPopupWindowViewInfo, ThePanelWithoutACloseButtonLeavesItsRectangleEmpty) {
  auto info = MakeViewInfo(epbsSingle);
  info->SysPanelStyle = true;
  info->Sizeable = true;
  info->Bounds = TRect(0, 0, 200, 150);
  info->Calculate();
  EXPECT_TRUE(cxRectIsEmpty(info->CloseButtonRect));
  EXPECT_FALSE(cxRectIsEmpty(info->SizeGripRect));
  info->CloseButton = true;
  info->Calculate();
  EXPECT_FALSE(cxRectIsEmpty(info->CloseButtonRect));
  // The close button sits at the end away from the grip, inside the panel.
  EXPECT_LT(info->CloseButtonRect.right, info->SizeGripSizingRect.left);
  EXPECT_TRUE(cxRectContain(info->SysPanelRect, info->CloseButtonRect));
}

class cxDropDownPopupWindow : public TEditFixture {
 protected:
  TcxComboBox* Combo = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Combo = Add<TcxComboBox>(10, 10, 150, 21);
  }
  void Open(TcxCustomDropDownEdit* AEdit) {
    ShowForm();
    AEdit->SetFocus();
    Application->ProcessMessages();
    AEdit->SetDroppedDown(true);
    Application->ProcessMessages();
  }
  TcxCustomEditPopupWindow* Popup() const { return Combo->GetPopupWindow(); }
  // The form with the open popup drawn over it where it stands on the screen, each pixel doubled.
  void SavePicture(TWinControl* APopup, const char* AName) {
    GdiSurface::TGdiSurface form, popup;
    ASSERT_TRUE(CaptureWindow(Form->GetHandle(), form));
    ASSERT_TRUE(CaptureWindow(APopup->GetHandle(), popup));
    RECT formRect, popupRect;
    GetWindowRect(Form->GetHandle(), &formRect);
    GetWindowRect(APopup->GetHandle(), &popupRect);
    const int dx = popupRect.left - formRect.left, dy = popupRect.top - formRect.top;
    GdiSurface::TGdiSurface scaled(form.Width() * 2, form.Height() * 2);
    for (int y = 0; y < scaled.Height(); ++y)
      for (int x = 0; x < scaled.Width(); ++x) {
        const int px = x / 2 - dx, py = y / 2 - dy;
        const bool inPopup = px >= 0 && py >= 0 && px < popup.Width() && py < popup.Height();
        scaled.SetPixel(x, y, inPopup ? popup.Pixel(px, py) : form.Pixel(x / 2, y / 2));
      }
    EXPECT_TRUE(SaveSurfaceToPng(scaled, testing::TempDir() + AName));
  }
};

TEST_F(cxDropDownPopupWindow, BelowAndRightOfTheEditorTheGripIsAtTheBottomRight) {
  for (Integer i = 0; i < 4; ++i) Combo->GetProperties()->GetItems()->Add("item");
  Combo->GetProperties()->SetDropDownSizeable(true);
  Open(Combo);
  ASSERT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Popup()->GetViewInfo()->SizeGripCorner, ecoBottomRight);
  EXPECT_EQ(Popup()->GetTop(), Popup()->GetOwnerScreenBounds().bottom);
}

TEST_F(cxDropDownPopupWindow, WithoutRoomBelowItOpensAboveWithTheGripAtTheTop) {
  for (Integer i = 0; i < 4; ++i) Combo->GetProperties()->GetItems()->Add("item");
  Combo->GetProperties()->SetDropDownSizeable(true);
  Combo->SetTop(260);
  ShowForm();
  const TPoint editorBottom = Combo->ClientToScreen(TPoint(0, Combo->GetHeight()));
  cxControlsTest::TWorkAreaOverride area({0, 0, 800, editorBottom.y + 20});
  Open(Combo);
  ASSERT_TRUE(Combo->GetDroppedDown());
  TcxCustomEditPopupWindowViewInfo* info = Popup()->GetViewInfo();
  EXPECT_EQ(info->SizeGripCorner, ecoTopRight);
  const Integer top = Popup()->GetOwnerScreenBounds().top;
  // With the shadow the window comes 3 pixels lower, so the shadow overlaps the editor.
  EXPECT_EQ(Popup()->GetTop() + Popup()->GetHeight(), top + (info->Shadow ? 3 : 0));
}

TEST_F(cxDropDownPopupWindow, SizingByTheGripKeepsWholeRowsAndIsRemembered) {
  for (Integer i = 0; i < 20; ++i) Combo->GetProperties()->GetItems()->Add("item " + std::to_string(i));
  Combo->GetProperties()->SetDropDownSizeable(true);
  Open(Combo);
  ASSERT_TRUE(Combo->GetDroppedDown());
  TcxCustomEditPopupWindow* popup = Popup();
  const Integer rowHeight = Combo->GetListBox()->GetItemHeight(0);
  const TRect grip = popup->GetViewInfo()->SizeGripSizingRect;
  const TPoint start(cxRectCenter(grip).x, cxRectCenter(grip).y);
  const Integer height = popup->GetHeight();
  Press(popup, start.x, start.y);
  ASSERT_TRUE(popup->IsSizing());
  MoveTo(popup, start.x + 30, start.y + rowHeight * 2 + rowHeight / 3);
  Release(popup, start.x + 30, start.y + rowHeight * 2 + rowHeight / 3);
  EXPECT_FALSE(popup->IsSizing());
  EXPECT_EQ(popup->GetHeight(), height + rowHeight * 2);
  EXPECT_EQ(Combo->GetListBox()->GetClientHeight() % rowHeight, 0);
  Combo->CloseUp(crClose);
  EXPECT_EQ(Combo->GetProperties()->GetPopupHeight(), height + rowHeight * 2);
  EXPECT_GT(Combo->GetProperties()->GetPopupWidth(), 0);
  // The next popup opens at the size the user gave it.
  Combo->SetDroppedDown(true);
  Application->ProcessMessages();
  EXPECT_EQ(popup->GetHeight(), height + rowHeight * 2);
}

TEST_F(cxDropDownPopupWindow, ASizeablePopupIsNeverNarrowerThanItsPanel) {
  Combo->GetProperties()->GetItems()->Add("x");
  Combo->GetProperties()->SetDropDownSizeable(true);
  Combo->SetWidth(30);
  Combo->GetStyle()->SetPopupCloseButton(true);
  Open(Combo);
  ASSERT_TRUE(Combo->GetDroppedDown());
  TcxCustomEditPopupWindowViewInfo* info = Popup()->GetViewInfo();
  const TRect e = info->GetClientExtent();
  EXPECT_GE(Popup()->GetWidth(),
            e.left + e.right + cxRectWidth(info->CloseButtonRect) + cxRectWidth(info->SizeGripSizingRect) + 10);
}

TEST_F(cxDropDownPopupWindow, PicturesOfAnOpenComboBoxAndPopupEdit) {
  for (const char* item : {"拍卖开始", "拍卖结束", "提醒", "Auction A", "Auction B"})
    Combo->GetProperties()->GetItems()->Add(item);
  Combo->GetProperties()->SetDropDownSizeable(true);
  Combo->GetStyle()->SetPopupCloseButton(true);
  Open(Combo);
  ASSERT_TRUE(Combo->GetDroppedDown());
  Combo->GetListBox()->SetItemIndex(1);
  Application->ProcessMessages();
  SavePicture(Popup(), "dropdown-combo-open.png");
  Combo->CloseUp(crCancel);

  auto* edit = Add<TcxPopupEdit>(200, 10, 150, 21);
  edit->GetPopupWindow()->SetModalMode(false);
  edit->GetStyle()->SetPopupBorderStyle(epbsFrame3D);
  edit->GetProperties()->SetPopupSysPanelStyle(true);
  auto* panel = Add<TPanel>(0, 200, 160, 90);
  panel->SetCaption("面板");
  edit->GetProperties()->SetPopupControl(panel);
  Open(edit);
  ASSERT_TRUE(edit->GetDroppedDown());
  SavePicture(edit->GetPopupWindow(), "dropdown-popupedit-open.png");
}

}  // namespace
