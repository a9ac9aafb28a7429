// The application's toolbar end to end: its form resource read (the manager in the Office 2003 look, the
// toolbar "工具栏" docked at the top with its own font, the buttons "新建" and "关闭"), shown on the
// headless screen, hot-tracked, pressed and clicked; written as PNGs of the top dock for a person to
// look at, with its geometry and a few pixels checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Forms.h"
#include "GdiPng.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "IniFiles.h"
#include "WindowPictures.h"
#include "cxClassesUtils.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarTestSupport.h"
#include "dxBarToolbarControl.h"

namespace {

class TMainRoadForm : public TForm {
  DECLARE_CLASS(TMainRoadForm, TForm)
 public:
  explicit TMainRoadForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  std::vector<String> Journal;
  void dxbrbtnCapClick(TObject* Sender) { Journal.push_back("OnClick " + As<TComponent>(Sender)->GetName()); }
  void dxbrbtnCloseClick(TObject* Sender) { Journal.push_back("OnClick " + As<TComponent>(Sender)->GetName()); }
  void ClickItem(TdxBarManager*, TdxBarItem* AItem) { Journal.push_back("OnClickItem " + AItem->GetName()); }
};
IMPLEMENT_CLASS_PUBLISHED(TMainRoadForm) {
  d.Method("dxbrbtnCapClick", &TMainRoadForm::dxbrbtnCapClick);
  d.Method("dxbrbtnCloseClick", &TMainRoadForm::dxbrbtnCloseClick);
}

// The toolbar part of the main form's resource, as the application's form lists it.
const char* const MainFormText = R"(object frmZembra: TMainRoadForm
  Left = 375
  Top = 193
  Width = 441
  Height = 500
  Caption = 'Vaskel拍卖定时器'
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = '宋体'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  object dxbrmngrDcxxcx: TdxBarManager
    AlwaysSaveText = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
    CanCustomize = False
    Categories.Strings = (
      'Default')
    Categories.ItemsVisibles = (
      2)
    Categories.Visibles = (
      True)
    StoreInIniFile = True
    Style = bmsOffice11
    UseSystemFont = True
    DockControlHeights = (
      0
      0
      26
      0)
    object dxbrmngrDcxxcxBar1: TdxBar
      AllowClose = False
      AllowCustomizing = False
      AllowQuickCustomizing = False
      AllowReset = False
      Caption = '工具栏'
      CaptionButtons = <>
      DockedDockingStyle = dsTop
      DockedLeft = 0
      DockedTop = 0
      DockingStyle = dsTop
      FloatLeft = 404
      FloatTop = 229
      FloatClientWidth = 23
      FloatClientHeight = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -14
      Font.Name = '宋体'
      Font.Style = []
      ItemLinks = <
        item
          Visible = True
          ItemName = 'dxbrbtnCap'
        end
        item
          Visible = True
          ItemName = 'dxbrbtnClose'
        end>
      MultiLine = True
      OldName = '工具栏'
      OneOnRow = True
      Row = 0
      SizeGrip = False
      UseOwnFont = True
      UseRestSpace = True
      Visible = True
      WholeRow = False
    end
    object dxbrbtnCap: TdxBarButton
      Caption = '新建'
      Category = 0
      Hint = '新建'
      Visible = ivAlways
      OnClick = dxbrbtnCapClick
    end
    object dxbrbtnClose: TdxBarButton
      Caption = '关闭'
      Category = 0
      Hint = '关闭'
      Visible = ivAlways
      OnClick = dxbrbtnCloseClick
    end
  end
end
)";

std::set<std::string> FilesHere() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path()))
    names.insert(entry.path().filename().string());
  return names;
}

struct MainRoadFixture : testing::Test {
  TMainRoadForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
  TdxBar* Bar = nullptr;
  TdxBarControl* Window = nullptr;
  TdxDockControl* TopDock = nullptr;

  void SetUp() override {
    RegisterClasses({TMainRoadForm::StaticClass()});
    Form = TCustomForm::CreateNew<TMainRoadForm>(nullptr);
    dxBarTests::ReadFormText(Form, MainFormText);
    Form->Show();
    Application->ProcessMessages();
    Manager = As<TdxBarManager>(Form->FindComponent("dxbrmngrDcxxcx"));
    Bar = Manager->GetBars()->GetCount() > 0 ? Manager->GetBars()->GetItem(0) : nullptr;
    Window = Bar ? dynamic_cast<TdxBarControl*>(Bar->GetControl()) : nullptr;
    TopDock = Manager->GetInternalDockControl(dsTop);
    Manager->SetOnClickItem(TdxBarClickItemEvent(Form, &TMainRoadForm::ClickItem));
  }
  void TearDown() override {
    InjectMouseMove(0, 0);
    Application->ProcessMessages();
    if (Form) Form->Free();
  }
  TPoint ScreenCentre(Integer ALinkIndex) {
    const TRect r = Bar->GetItemLinks()->GetItem(ALinkIndex)->GetItemRect();
    return Window->ClientToScreen(TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }
  void MoveTo(const TPoint& P) {
    InjectMouseMove(P.x, P.y);
    Application->ProcessMessages();
  }
  void Button(bool ADown) {
    InjectMouseButton(0, ADown);
    Application->ProcessMessages();
  }
  void SaveDock(const char* AName) {
    GdiSurface::TGdiSurface picture;
    ASSERT_TRUE(WindowPictures::CaptureClient(TopDock, picture));
    EXPECT_TRUE(GdiPng::SaveSurfaceToPng(picture, testing::TempDir() + AName));
  }
};

TEST_F(MainRoadFixture, TheToolbarIsReadDockedAtTheTopAndTwentySixPixelsHigh) {
  ASSERT_NE(Manager, nullptr);
  EXPECT_EQ(Manager->GetStyle(), bmsOffice11);
  ASSERT_NE(Bar, nullptr);
  EXPECT_EQ(Bar->GetCaption(), "工具栏");
  EXPECT_EQ(Bar->GetFont()->GetName(), "宋体");
  EXPECT_EQ(Bar->GetDockingStyle(), dsTop);
  ASSERT_NE(Window, nullptr);
  ASSERT_NE(TopDock, nullptr);
  EXPECT_EQ(Window->GetDockControl(), TopDock);
  EXPECT_EQ(TopDock->GetRowCount(), 1);
  EXPECT_EQ(TopDock->GetHeight(), 26);
  EXPECT_EQ(TopDock->GetWidth(), Form->GetClientWidth());
  // The toolbar takes the rest of its row: the whole width of the dock.
  EXPECT_EQ(Window->GetBoundsRect(), TRect(0, 0, TopDock->GetClientWidth(), 26));
  ASSERT_EQ(Bar->GetItemLinks()->Count(), 2);
  const TRect first = Bar->GetItemLinks()->GetItem(0)->GetItemRect();
  const TRect second = Bar->GetItemLinks()->GetItem(1)->GetItemRect();
  EXPECT_GT(first.Width(), 0);
  EXPECT_LE(first.right, second.left);
  EXPECT_EQ(first.top, second.top);
  EXPECT_EQ(Manager->GetInternalDockControl(dsLeft)->GetWidth(), 0);
  EXPECT_EQ(Manager->GetInternalDockControl(dsBottom)->GetHeight(), 0);
}

TEST_F(MainRoadFixture, PlainHotAndPressedLooksOfTheTopDock) {
  ASSERT_NE(Window, nullptr);
  SaveDock("toolbar-main-road-plain.png");
  GdiSurface::TGdiSurface plain, hot, pressed;
  ASSERT_TRUE(WindowPictures::CaptureClient(TopDock, plain));

  MoveTo(ScreenCentre(0));
  SaveDock("toolbar-main-road-hot.png");
  ASSERT_TRUE(WindowPictures::CaptureClient(TopDock, hot));
  Button(true);
  SaveDock("toolbar-main-road-pressed.png");
  ASSERT_TRUE(WindowPictures::CaptureClient(TopDock, pressed));
  // Leave without a click: away from the button, then release.
  MoveTo(Window->ClientToScreen(TPoint(Window->GetClientWidth() - 2, 2)));
  Button(false);

  EXPECT_GT(WindowPictures::Differences(plain, hot), 0);
  EXPECT_GT(WindowPictures::Differences(hot, pressed), 0);
  // The hot and pressed looks stay inside the button's rectangle.
  const TRect r = Bar->GetItemLinks()->GetItem(0)->GetItemRect();
  const TPoint origin = Window->ClientToScreen(TPoint(0, 0));
  const TPoint dockOrigin = TopDock->ClientToScreen(TPoint(0, 0));
  const Integer dx = origin.x - dockOrigin.x, dy = origin.y - dockOrigin.y;
  for (Integer y = 0; y < hot.Height(); ++y)
    for (Integer x = 0; x < hot.Width(); ++x)
      if (plain.Pixel(x, y) != hot.Pixel(x, y))
        EXPECT_TRUE(x >= r.left + dx && x < r.right + dx && y >= r.top + dy && y < r.bottom + dy) << x << "," << y;
}

TEST_F(MainRoadFixture, APressAndReleaseOnNewRunsTheManagersEventThenTheButtonsOnce) {
  ASSERT_NE(Window, nullptr);
  MoveTo(ScreenCentre(0));
  Button(true);
  Button(false);
  EXPECT_EQ(Form->Journal, (std::vector<String>{"OnClickItem dxbrbtnCap", "OnClick dxbrbtnCap"}));

  // A release away from the button runs nothing.
  Form->Journal.clear();
  MoveTo(ScreenCentre(0));
  Button(true);
  MoveTo(Window->ClientToScreen(TPoint(Window->GetClientWidth() - 2, 2)));
  Button(false);
  EXPECT_TRUE(Form->Journal.empty());
}

// StoreInIniFile without a file name: the layout goes nowhere, neither read at start nor written when
// the form's window goes.
TEST(dxBarToolbarMainRoad, StoringInAnIniFileWithoutANameTouchesNoFile) {
  RegisterClasses({TMainRoadForm::StaticClass()});
  const auto before = FilesHere();
  auto* form = TCustomForm::CreateNew<TMainRoadForm>(nullptr);
  dxBarTests::ReadFormText(form, MainFormText);
  form->Show();
  Application->ProcessMessages();
  auto* manager = As<TdxBarManager>(form->FindComponent("dxbrmngrDcxxcx"));
  // The form's own layout is kept for resetting.
  ASSERT_NE(manager->GetSavedState(), nullptr);
  EXPECT_EQ(manager->GetSavedState()->ReadString("frmZembra.dxbrmngrDcxxcx.Bar0", "Caption", ""), "工具栏");
  Integer writes = 0;
  manager->GetIniFileWriteHandlers()->Add(TcxEventHandler([&](TObject*, const void*) { ++writes; }));
  form->Free();
  EXPECT_EQ(writes, 0);
  EXPECT_EQ(FilesHere(), before);
}

}  // namespace
