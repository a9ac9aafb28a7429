// The theme manager: one cached handle per object type, reopened with its class list, closed on a
// theme change, which its subscribers hear of.
#include <gtest/gtest.h>

#include "UxTheme.h"
#include "dxThemeManager.h"

namespace {

class dxThemeManagerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetThemeActive(true);
    SetThemeColorScheme(tcsNormalColor);
    CloseTheme(totButton);
    CloseTheme(totHeader);
  }
};

}  // namespace

TEST_F(dxThemeManagerTest, CachesOneHandlePerTypeAndKeepsAGivenClassList) {
  ASSERT_TRUE(AreVisualStylesAvailable());
  TdxTheme button = OpenTheme(totButton);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(OpenTheme(totButton), button);
  EXPECT_EQ(OpenTheme(totButton, u"BUTTON"), button);
  EXPECT_EQ(GetThemeData(totButton).ClassList, u"Button");

  TdxTheme rebar = OpenTheme(totButton, u"Rebar");
  ASSERT_NE(rebar, nullptr);
  EXPECT_EQ(GetThemeData(totButton).ClassList, u"Rebar");
  EXPECT_EQ(OpenTheme(totButton), rebar);
  EXPECT_TRUE(dxUxTheme::IsThemePartDefined(rebar, RP_BAND, 0));

  EXPECT_EQ(OpenTheme(totHeader, u"NoSuchClass"), nullptr);
  EXPECT_TRUE(GetThemeData(totHeader).ClassList.empty());
  // A failed list is forgotten: the next call falls back to the default name.
  EXPECT_NE(OpenTheme(totHeader), nullptr);
  EXPECT_EQ(GetThemeData(totHeader).ClassList, u"Header");
  EXPECT_TRUE(AreVisualStylesAvailable(TdxThemedObjectTypes{totButton, totTab}));

  EXPECT_EQ(CloseTheme(totButton), S_OK);
  EXPECT_EQ(GetThemeData(totButton).Theme, nullptr);
  EXPECT_TRUE(GetThemeData(totButton).ClassList.empty());
  EXPECT_EQ(CloseTheme(totButton), 0);
  EXPECT_TRUE(IsStandardTheme());
}

TEST_F(dxThemeManagerTest, AThemeChangeClosesEveryHandleAndTellsTheSubscribers) {
  int heard = 0;
  auto* listener = New<TdxThemeChangedNotificator>();
  listener->OnThemeChanged = [&] { ++heard; };
  auto* silent = New<TdxThemeChangedNotificator>();  // no handler: skipped
  ASSERT_NE(OpenTheme(totButton, u"Rebar"), nullptr);
  ASSERT_NE(OpenTheme(totTab), nullptr);

  SetThemeActive(false);
  EXPECT_EQ(heard, 1);
  for (int t = totButton; t <= totWindow; ++t)
    EXPECT_EQ(GetThemeData(static_cast<TdxThemedObjectType>(t)).Theme, nullptr) << t;
  EXPECT_FALSE(AreVisualStylesAvailable());
  EXPECT_FALSE(AreVisualStylesAvailable(totTab));
  EXPECT_EQ(OpenTheme(totButton), nullptr);
  EXPECT_EQ(CloseTheme(totButton), 1);

  SetThemeActive(true);
  EXPECT_EQ(heard, 2);
  TdxTheme reopened = OpenTheme(totButton);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(GetThemeData(totButton).ClassList, u"Rebar");
  EXPECT_TRUE(dxUxTheme::IsThemePartDefined(reopened, RP_CHEVRON, 0));

  listener->Free();
  SetThemeColorScheme(tcsHomeStead);
  EXPECT_EQ(heard, 2);
  silent->Free();
}
