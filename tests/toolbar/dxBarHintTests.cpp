// The managers' hints under the test clock, the hint window's plain hints and the screen-tip layout.
#include <gtest/gtest.h>

#include "DateTime.h"
#include "Forms.h"
#include "GdiPng.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "cxClassesUtils.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarHint.h"
#include "dxBarManager.h"
#include "dxBarScreenTip.h"
#include "dxBarTestSupport.h"

namespace {

// An object under the mouse that answers the manager's hint questions and records what it was given.
class TTestHintKeeper : public TObject, public TNoRefCountObject, public IdxBarHintKeeper {
 public:
  String Hint = "Open";
  String ShortCut = " (Ctrl+O)";
  bool Enabled = true;
  bool HasHint = true;
  String ShownText;

  bool DoHint(bool& ANeedDeactivate, String& AHintText, String& AShortCut) override {
    ANeedDeactivate = false;
    AHintText = Hint;
    AShortCut = ShortCut;
    return HasHint;
  }
  TdxBarCustomHintViewInfo* CreateHintViewInfo(const String& AHintText, const String& AShortCut) override {
    auto* info = New<TdxBarHintViewInfo>(nullptr, AHintText, AShortCut, TPoint(10, 10));
    ShownText = info->GetText();
    return info;
  }
  bool GetEnabled() override { return Enabled; }
  TPoint GetHintPosition(const TPoint& ACursorPos, Integer) override { return ACursorPos; }
};

class dxBarHints : public testing::Test {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TTestHintKeeper First, Second;

  void Step(UInt64 AMsecs) {
    Clock.Advance(AMsecs);
    Application->ProcessMessages();
  }
  bool Shown() {
    TdxBarHintWindow* window = BarHintWindow();
    return window && window->HandleAllocated() && IsWindowVisible(window->GetHandle());
  }
  void TearDown() override { Manager->HideHint(); }
};

TEST_F(dxBarHints, ShowAfterTheDelayAndHideAfterTheHideTime) {
  Manager->ActivateHint(true, String(), &First);
  Step(999);
  EXPECT_FALSE(Shown());
  Step(1);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(First.ShownText, "Open (Ctrl+O)");
  Step(9999);
  EXPECT_TRUE(Shown());
  Step(1);
  EXPECT_FALSE(Shown());
}

TEST_F(dxBarHints, TheNextHintWithinTheGraceTimeShowsAtOnce) {
  Manager->ActivateHint(true, String(), &First);
  Step(1000);
  ASSERT_TRUE(Shown());
  // The mouse leaves the first button for empty bar space, then reaches the second in time.
  Manager->ActivateHint(true, String(), nullptr);
  EXPECT_FALSE(Shown());
  Step(399);
  Manager->ActivateHint(true, String(), &Second);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Second.ShownText, "Open (Ctrl+O)");
  // After the grace time the delay applies again.
  Manager->ActivateHint(true, String(), nullptr);
  Step(400);
  Manager->ActivateHint(true, String(), &First);
  EXPECT_FALSE(Shown());
  Step(1000);
  EXPECT_TRUE(Shown());
}

TEST_F(dxBarHints, DisabledItemsAndShortcutsFollowTheManagersSettings) {
  struct {
    bool Enabled, ShowForDisabled, ShowShortCut, AppShortCuts;
    bool ExpectShown;
    const char* Text;
  } const cases[] = {
      {true, false, false, true, true, "Open (Ctrl+O)"},
      {false, true, false, true, true, "Open (Ctrl+O)"},
      {false, false, false, true, false, ""},
      {true, true, false, false, true, "Open"},
      {true, true, true, false, true, "Open (Ctrl+O)"},
  };
  const bool appShortCuts = Application->HintShortCuts;
  for (const auto& c : cases) {
    First.Enabled = c.Enabled;
    First.ShownText.clear();
    Manager->SetShowHintForDisabledItems(c.ShowForDisabled);
    Manager->SetShowShortCutInHint(c.ShowShortCut);
    Application->HintShortCuts = c.AppShortCuts;
    Manager->ActivateHint(true, String(), &First);
    Step(1000);
    EXPECT_EQ(Shown(), c.ExpectShown) << c.Enabled << c.ShowForDisabled << c.ShowShortCut << c.AppShortCuts;
    EXPECT_EQ(First.ShownText, c.Text) << c.Enabled << c.ShowForDisabled << c.ShowShortCut << c.AppShortCuts;
    Manager->ActivateHint(false, String(), nullptr);
    Step(1000);
  }
  Application->HintShortCuts = appShortCuts;
}

TEST_F(dxBarHints, NothingWhileCustomizingOrWithoutShowHint) {
  Manager->SetShowHint(false);
  Manager->ActivateHint(true, String(), &First);
  Step(1000);
  EXPECT_FALSE(Shown());
}

TEST_F(dxBarHints, ATimerOutlivingItsManagerDoesNothing) {
  Manager->ActivateHint(true, String(), &First);
  Manager->Free();
  Manager = New<TdxBarManager>(Form.get());  // the shared window lives on with another manager
  Step(1000);
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(First.ShownText.empty());
}

TEST_F(dxBarHints, PlainHintWithoutTextShowsNothingAndADirectTextShows) {
  TdxBarHintWindow* window = BarHintWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->ActivateHint(Manager, String(), " (Ctrl+S)"));
  EXPECT_FALSE(Shown());
  EXPECT_EQ(window->GetShowHintTime(), 1000);
  EXPECT_EQ(window->GetHideHintTime(), 10000);
  Manager->ActivateHint(true, "Direct text", nullptr);
  Step(1000);
  ASSERT_TRUE(Shown());
  auto* info = dynamic_cast<TdxBarHintViewInfo*>(window->GetViewInfo());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->GetText(), "Direct text");
  // The raised frame around the text, 3 pixels of margin on each side.
  EXPECT_EQ(window->GetWidth(), info->GetBounds().Width());
  EXPECT_GT(info->GetBounds().Height(), 6);
}

// ---- Screen tips ---------------------------------------------------------------------------------------------
class dxBarScreenTips : public testing::Test {
 protected:
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarScreenTipRepository* Repository = New<TdxBarScreenTipRepository>(Form.get());
  TdxBarScreenTip* Tip = Repository->GetItems()->Add();
  TdxBarPainter* Painter = TClassRef<TdxBarPainter>::Of<TdxBarPainter>().operator->();

  static void SetGlyph(TdxBarCustomScreenTipBand* ABand, Integer AWidth, Integer AHeight) {
    auto bitmap = NewOwned<TBitmap>();
    bitmap->SetWidth(AWidth);
    bitmap->SetHeight(AHeight);
    ABand->SetGlyph(bitmap.get());
  }
  TOwnedPtr<TdxBarScreenTipViewInfo> Calculated(const String& AHint = String()) {
    auto info = NewOwned<TdxBarScreenTipViewInfo>(nullptr, Tip, Painter, AHint, String());
    auto bitmap = NewOwned<TBitmap>();
    bitmap->SetWidth(10);
    bitmap->SetHeight(10);
    auto canvas = NewOwned<cxGraphics::TcxCanvas>(bitmap->GetCanvas());
    info->Calculate(canvas.get());
    return info;
  }
};

TEST_F(dxBarScreenTips, NamesWidthsAndTheStandardFooter) {
  // A new tip is named after its repository and shows its name as header until it is given a text.
  Repository->SetName("Tips");
  TdxBarScreenTip* named = Repository->GetItems()->Add();
  EXPECT_EQ(named->GetName(), "TipsScreenTip1");
  EXPECT_EQ(named->GetHeader()->GetText(), "TipsScreenTip1");
  Tip->SetName("OpenTip");
  EXPECT_EQ(Tip->GetHeader()->GetText(), "OpenTip");  // a header showing the name follows it
  EXPECT_EQ(Tip->GetDisplayName(), "OpenTip - 'OpenTip'");

  EXPECT_EQ(Tip->GetWidth(), 210);
  SetGlyph(Tip->GetDescription(), 32, 32);
  EXPECT_EQ(Tip->GetWidth(), 318);
  Tip->SetWidth(250);
  EXPECT_EQ(Tip->GetWidth(), 250);

  EXPECT_EQ(Tip->GetBandForCalculation(stbFooter), Tip->GetFooter());
  Tip->SetUseStandardFooter(true);
  EXPECT_EQ(Tip->GetBandForCalculation(stbFooter), Repository->GetStandardFooter());
}

TEST_F(dxBarScreenTips, TheHintBecomesTheHeaderOnlyWhenAsked) {
  Tip->GetHeader()->SetText(String());
  Tip->GetDescription()->SetText("Opens a document.");
  EXPECT_EQ(Calculated("Open")->GetBandViewInfoCount(), 1);
  Tip->SetUseHintAsHeader(true);
  auto info = Calculated("Open");
  ASSERT_EQ(info->GetBandViewInfoCount(), 2);
  EXPECT_EQ(info->GetBandViewInfo(0)->GetText(), "Open");
  EXPECT_EQ(Calculated()->GetBandViewInfoCount(), 1);
}

TEST_F(dxBarScreenTips, GlyphsShrinkToTheirColumnAndBandsStack) {
  Tip->GetHeader()->SetText("Open");
  Tip->GetDescription()->SetText("Opens a document.");
  Tip->GetFooter()->SetText("Press F1 for help.");
  SetGlyph(Tip->GetDescription(), 200, 100);  // wider than the 108 − 14 column: shrunk in proportion
  SetGlyph(Tip->GetHeader(), 8, 8);           // smaller than its 16-pixel column: kept
  auto info = Calculated();
  ASSERT_EQ(info->GetBandViewInfoCount(), 3);
  TdxBarScreenTipBandViewInfo* header = info->GetBandViewInfo(0);
  TdxBarScreenTipBandViewInfo* description = info->GetBandViewInfo(1);
  TdxBarScreenTipBandViewInfo* footer = info->GetBandViewInfo(2);
  EXPECT_EQ(description->GetGlyphSize(), TSize(94, 47));
  EXPECT_EQ(header->GetGlyphSize(), TSize(8, 8));
  // Right-aligned text: the glyph column at the left (centred in it), the text after it.
  EXPECT_EQ(description->GetGlyphBounds().left, 14);
  EXPECT_EQ(description->GetGlyphBounds().top, description->GetTop() + 6);
  EXPECT_EQ(description->GetTextBounds().left, 14 + 94 + 14);
  EXPECT_EQ(description->GetTextBounds().right, 318 - 14);
  EXPECT_EQ(header->GetGlyphBounds().left, 6 + 4);
  // The description is as high as its picture plus its margins; the footer's margin holds its line.
  EXPECT_EQ(footer->GetTop() - description->GetTop(), 47 + 12);
  EXPECT_EQ(footer->GetTextBounds().top - footer->GetTop(), 6 + 3);
  EXPECT_EQ(info->GetBounds().Width(), 318);

  // Left-aligned text: the picture moves to the right, mirrored.
  Tip->GetDescription()->SetTextAlign(stbtaLeft);
  info = Calculated();
  description = info->GetBandViewInfo(1);
  EXPECT_EQ(description->GetGlyphBounds().right, 318 - 14);
  EXPECT_EQ(description->GetTextBounds().left, 14);
}

TEST_F(dxBarScreenTips, RepositoryFontsCountAsAssignedOnlyOutsideLoading) {
  EXPECT_TRUE(Repository->GetAssignedFonts().Empty());
  EXPECT_TRUE(Repository->GetBandFont(stbHeader)->GetStyle().Contains(fsBold));
  EXPECT_FALSE(Repository->GetBandFont(stbDescription)->GetStyle().Contains(fsBold));
  EXPECT_EQ(Repository->GetBandFont(stbFooter)->GetColor(), TColor(0x4C4C4C));
  Repository->GetDescriptionFont()->SetSize(14);
  EXPECT_TRUE(Repository->GetAssignedFonts().Contains(stbDescription));
  EXPECT_EQ(Repository->GetBandFont(stbDescription), Repository->GetDescriptionFont());

  // A font read from a form stream is the stream's, not a change: only the stream's AssignedFonts count.
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  dxBarTests::ReadFormText(form.get(), R"(object Form1: TForm
  object Tips: TdxBarScreenTipRepository
    HeaderFont.Height = -20
  end
end
)");
  auto* read = dynamic_cast<TdxBarScreenTipRepository*>(form->FindComponent("Tips"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetHeaderFont()->GetHeight(), -20);
  EXPECT_TRUE(read->GetAssignedFonts().Empty());
}

}  // namespace

namespace {

// ---- Fonts ---------------------------------------------------------------------------------------------------
LOGFONTA SystemFont(UINT AAction, LOGFONTA NONCLIENTMETRICS::*AMember = nullptr) {
  if (AMember) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.*AMember;
  }
  LOGFONTA font{};
  SystemParametersInfo(AAction, sizeof(font), &font, 0);
  return font;
}

TEST(dxBarManagerFonts, SystemFontScalingAndTheDerivedFonts) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  const LOGFONTA menu = SystemFont(SPI_GETNONCLIENTMETRICS, &NONCLIENTMETRICS::lfMenuFont);
  const LOGFONTA iconTitle = SystemFont(SPI_GETICONTITLELOGFONT);
  ASSERT_TRUE(manager->GetUseSystemFont());
  EXPECT_EQ(manager->GetFont()->GetHeight(), menu.lfHeight);
  EXPECT_EQ(manager->GetFont()->GetName(), String(menu.lfFaceName));
  // The edit font: Font's face at the icon-title height, never below 11 pixels.
  EXPECT_EQ(manager->GetEditFont()->GetName(), manager->GetFont()->GetName());
  EXPECT_EQ(manager->GetEditFont()->GetHeight(), iconTitle.lfHeight >= -10 ? -11 : iconTitle.lfHeight);
  EXPECT_EQ(manager->GetBarCaptionFont()->GetHeight(),
            SystemFont(SPI_GETNONCLIENTMETRICS, &NONCLIENTMETRICS::lfSmCaptionFont).lfHeight);

  Integer notices = 0;
  manager->GetSystemFontChangedHandlers()->Add([&](TObject*, const void*) { ++notices; });
  // A change from outside ends the system font; with Scaled the height stays the menu font's.
  manager->GetFont()->SetName("Liberation Serif");
  EXPECT_FALSE(manager->GetUseSystemFont());
  EXPECT_EQ(manager->GetFont()->GetName(), "Liberation Serif");
  manager->GetFont()->SetHeight(-30);
  EXPECT_EQ(manager->GetFont()->GetHeight(), menu.lfHeight);
  EXPECT_EQ(manager->GetBarCaptionFont()->GetName(), "Liberation Serif");
  EXPECT_EQ(notices, 2);
  // Without Scaled the font is the user's, and the edit font a copy of it.
  manager->SetScaled(false);
  manager->GetFont()->SetHeight(-30);
  EXPECT_EQ(manager->GetFont()->GetHeight(), -30);
  EXPECT_EQ(manager->GetEditFont()->GetHeight(), -30);
  // Turning the system font on reads it again and keeps it on.
  manager->SetUseSystemFont(true);
  EXPECT_TRUE(manager->GetUseSystemFont());
  EXPECT_EQ(manager->GetFont()->GetName(), String(menu.lfFaceName));
}

}  // namespace
