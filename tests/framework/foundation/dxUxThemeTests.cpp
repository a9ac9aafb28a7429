// The theme layer: bound to the visual-styles services at start, and answering failures when the
// library is absent.
#include <gtest/gtest.h>

#include <functional>

#include "UxTheme.h"
#include "cxDWMApi.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

// Runs its tests as on a system without the visual-styles library, and puts the library back after.
class dxUxThemeWithoutLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    dxOffice11Finalization();
    dxThemeManagerFinalization();
    dxUxThemeFinalization();
    RemoveUxThemeLibrary();
    dxUxThemeInitialization();
    dxThemeManagerInitialization();
  }
  void TearDown() override {
    dxThemeManagerFinalization();
    dxUxThemeFinalization();
    InstallUxThemeLibrary();
    dxUxThemeInitialization();
    dxThemeManagerInitialization();
    dxOffice11Initialization();
  }
};

}  // namespace

TEST(dxUxTheme, BindsTheServicesAtStart) {
  EXPECT_TRUE(IsWindowsXPOrLater());
  ASSERT_TRUE(IsThemeLibraryLoaded());
  EXPECT_TRUE(dxUxTheme::IsThemeActive());
  HTHEME theme = dxUxTheme::OpenThemeData(nullptr, u"Button");
  ASSERT_NE(theme, nullptr);
  SIZE size;
  EXPECT_EQ(dxUxTheme::GetThemePartSize(theme, nullptr, BP_CHECKBOX, CBS_CHECKEDNORMAL, TS_TRUE, size), S_OK);
  EXPECT_EQ(size, (SIZE{13, 13}));
  EXPECT_EQ(dxUxTheme::CloseThemeData(theme), S_OK);
}

// Desktop composition belongs to later systems: on this one the window manager's library is never
// bound, and composition answers off, so no glass paths run.
TEST(cxDWMApi, CompositionIsOffOnThisSystem) {
  EXPECT_FALSE(IsDwmPresent());
  EXPECT_FALSE(IsCompositionEnabled());
}

TEST_F(dxUxThemeWithoutLibrary, EveryForwarderAnswersAFailure) {
  EXPECT_FALSE(IsThemeLibraryLoaded());
  HTHEME t = reinterpret_cast<HTHEME>(1);
  HDC dc = nullptr;
  RECT r{0, 0, 10, 10}, out;
  SIZE size;
  int i;
  BOOL b;
  COLORREF c;
  POINT p;
  LOGFONT f;
  TEXTMETRIC tm;
  TdxMargins m;
  TdxIntList l;
  TdxPropertyOrigin o;
  TdxDTTOpts opts;
  HRGN rgn;
  WORD code;
  char16_t s[8];
  HDC paintDC;
  const std::pair<const char*, std::function<bool()>> cases[] = {
      {"OpenThemeData", [&] { return dxUxTheme::OpenThemeData(nullptr, u"Button") == nullptr; }},
      {"CloseThemeData", [&] { return dxUxTheme::CloseThemeData(t) == E_FAIL; }},
      {"DrawThemeBackground*", [&] { return dxUxTheme::DrawThemeBackground(t, dc, 1, 1, &r, nullptr) == E_FAIL; }},
      {"DrawThemeBackground&", [&] { return dxUxTheme::DrawThemeBackground(t, dc, 1, 1, r) == E_FAIL; }},
      {"DrawThemeBackground&&", [&] { return dxUxTheme::DrawThemeBackground(t, dc, 1, 1, r, r) == E_FAIL; }},
      {"DrawThemeText", [&] { return dxUxTheme::DrawThemeText(t, dc, 1, 1, u"a", 1, 0, 0, &r) == E_FAIL; }},
      {"DrawThemeText ANSI", [&] { return dxUxTheme::DrawThemeText(t, dc, 1, 1, String("a"), -1, 0, 0, &r) == E_FAIL; }},
      {"DrawThemeTextEx", [&] { return dxUxTheme::DrawThemeTextEx(t, dc, 1, 1, u"a", 1, 0, &r, opts) == E_FAIL; }},
      {"DrawThemeEdge*", [&] { return dxUxTheme::DrawThemeEdge(t, dc, 1, 1, &r, 0, 0, nullptr) == E_FAIL; }},
      {"DrawThemeEdge&", [&] { return dxUxTheme::DrawThemeEdge(t, dc, 1, 1, r, 0, 0) == E_FAIL; }},
      {"DrawThemeEdge&out", [&] { return dxUxTheme::DrawThemeEdge(t, dc, 1, 1, r, 0, 0, out) == E_FAIL; }},
      {"GetThemePartSize*", [&] { return dxUxTheme::GetThemePartSize(t, dc, 1, 1, &r, TS_TRUE, &size) == E_FAIL; }},
      {"GetThemePartSize&", [&] { return dxUxTheme::GetThemePartSize(t, dc, 1, 1, r, TS_TRUE, size) == E_FAIL; }},
      {"GetThemePartSize", [&] { return dxUxTheme::GetThemePartSize(t, dc, 1, 1, TS_TRUE, size) == E_FAIL; }},
      {"GetThemeBackgroundContentRect", [&] { return dxUxTheme::GetThemeBackgroundContentRect(t, dc, 1, 1, &r, &out) == E_FAIL; }},
      {"GetThemeBackgroundExtent", [&] { return dxUxTheme::GetThemeBackgroundExtent(t, dc, 1, 1, &r, &out) == E_FAIL; }},
      {"GetThemeBackgroundRegion", [&] { return dxUxTheme::GetThemeBackgroundRegion(t, dc, 1, 1, &r, &rgn) == E_FAIL; }},
      {"GetThemeTextExtent", [&] { return dxUxTheme::GetThemeTextExtent(t, dc, 1, 1, u"a", 1, 0, &r, &out) == E_FAIL; }},
      {"GetThemeTextMetrics", [&] { return dxUxTheme::GetThemeTextMetrics(t, dc, 1, 1, &tm) == E_FAIL; }},
      {"HitTestThemeBackground", [&] { return dxUxTheme::HitTestThemeBackground(t, dc, 1, 1, 0, &r, nullptr, p, &code) == E_FAIL; }},
      {"DrawThemeIcon", [&] { return dxUxTheme::DrawThemeIcon(t, dc, 1, 1, &r, nullptr, 0) == E_FAIL; }},
      {"IsThemePartDefined", [&] { return !dxUxTheme::IsThemePartDefined(t, 1, 1); }},
      {"IsThemeBackgroundPartiallyTransparent", [&] { return !dxUxTheme::IsThemeBackgroundPartiallyTransparent(t, 1, 1); }},
      {"DrawThemeParentBackground", [&] { return dxUxTheme::DrawThemeParentBackground(nullptr, dc, &r) == E_FAIL; }},
      {"GetThemeColor", [&] { return dxUxTheme::GetThemeColor(t, 1, 1, TMT_TEXTCOLOR, &c) == E_FAIL; }},
      {"GetThemeMetric", [&] { return dxUxTheme::GetThemeMetric(t, dc, 1, 1, TMT_WIDTH, &i) == E_FAIL; }},
      {"GetThemeString", [&] { return dxUxTheme::GetThemeString(t, 1, 1, TMT_TEXT, s, 8) == E_FAIL; }},
      {"GetThemeBool", [&] { return dxUxTheme::GetThemeBool(t, 1, 1, TMT_TRANSPARENT, &b) == E_FAIL; }},
      {"GetThemeInt", [&] { return dxUxTheme::GetThemeInt(t, 1, 1, TMT_WIDTH, &i) == E_FAIL; }},
      {"GetThemeEnumValue", [&] { return dxUxTheme::GetThemeEnumValue(t, 1, 1, TMT_BGTYPE, &i) == E_FAIL; }},
      {"GetThemePosition", [&] { return dxUxTheme::GetThemePosition(t, 1, 1, TMT_OFFSET, &p) == E_FAIL; }},
      {"GetThemeFont", [&] { return dxUxTheme::GetThemeFont(t, dc, 1, 1, TMT_CAPTIONFONT, &f) == E_FAIL; }},
      {"GetThemeRect", [&] { return dxUxTheme::GetThemeRect(t, 1, 1, 0, &out) == E_FAIL; }},
      {"GetThemeMargins", [&] { return dxUxTheme::GetThemeMargins(t, dc, 1, 1, TMT_CONTENTMARGINS, &r, &m) == E_FAIL; }},
      {"GetThemeIntList", [&] { return dxUxTheme::GetThemeIntList(t, 1, 1, 0, &l) == E_FAIL; }},
      {"GetThemePropertyOrigin", [&] { return dxUxTheme::GetThemePropertyOrigin(t, 1, 1, 0, &o) == E_FAIL; }},
      {"GetThemeFilename", [&] { return dxUxTheme::GetThemeFilename(t, 1, 1, 0, s, 8) == E_FAIL; }},
      {"SetWindowTheme", [&] { return dxUxTheme::SetWindowTheme(nullptr, nullptr, nullptr) == E_FAIL; }},
      {"GetWindowTheme", [&] { return dxUxTheme::GetWindowTheme(nullptr) == nullptr; }},
      {"EnableThemeDialogTexture", [&] { return dxUxTheme::EnableThemeDialogTexture(nullptr, 0) == E_FAIL; }},
      {"IsThemeDialogTextureEnabled", [&] { return !dxUxTheme::IsThemeDialogTextureEnabled(nullptr); }},
      {"GetThemeAppProperties", [&] { return dxUxTheme::GetThemeAppProperties() == 0; }},
      {"SetThemeAppProperties", [&] { dxUxTheme::SetThemeAppProperties(0); return UxTheme::GetThemeAppProperties() != 0; }},
      {"GetCurrentThemeName", [&] { return dxUxTheme::GetCurrentThemeName(s, 8, s, 8, s, 8) == E_FAIL; }},
      {"GetThemeDocumentationProperty", [&] { return dxUxTheme::GetThemeDocumentationProperty(u"x", u"Author", s, 8) == E_FAIL; }},
      {"IsAppThemed", [&] { return !dxUxTheme::IsAppThemed(); }},
      {"IsThemeActive", [&] { return !dxUxTheme::IsThemeActive(); }},
      {"GetThemeSysColor", [&] { return dxUxTheme::GetThemeSysColor(t, 5) == 0; }},
      {"GetThemeSysColorBrush", [&] { return dxUxTheme::GetThemeSysColorBrush(t, 5) == nullptr; }},
      {"GetThemeSysBool", [&] { return !dxUxTheme::GetThemeSysBool(t, TMT_FLATMENUS); }},
      {"GetThemeSysSize", [&] { return dxUxTheme::GetThemeSysSize(t, TMT_SCROLLBARWIDTH) == 0; }},
      {"GetThemeSysFont", [&] { return dxUxTheme::GetThemeSysFont(t, TMT_CAPTIONFONT, &f) == E_FAIL; }},
      {"GetThemeSysString", [&] { return dxUxTheme::GetThemeSysString(t, TMT_CSSNAME, s, 8) == E_FAIL; }},
      {"GetThemeSysInt", [&] { return dxUxTheme::GetThemeSysInt(t, TMT_MINCOLORDEPTH, &i) == E_FAIL; }},
      {"BufferedPaintInit", [&] { return dxUxTheme::BufferedPaintInit() == E_FAIL; }},
      {"BufferedPaintUnInit", [&] { return dxUxTheme::BufferedPaintUnInit() == E_FAIL; }},
      {"BeginBufferedPaint", [&] { return dxUxTheme::BeginBufferedPaint(dc, &r, BPBF_DIB, nullptr, &paintDC) == nullptr; }},
      {"EndBufferedPaint", [&] { return dxUxTheme::EndBufferedPaint(nullptr, TRUE) == E_FAIL; }},
      {"BufferedPaintSetAlpha", [&] { return dxUxTheme::BufferedPaintSetAlpha(nullptr, &r, 255) == E_FAIL; }},
  };
  for (const auto& [name, check] : cases) EXPECT_TRUE(check()) << name;
  // Nothing themed is available then, and nothing fails.
  EXPECT_FALSE(AreVisualStylesAvailable());
  EXPECT_EQ(OpenTheme(totButton), nullptr);
  EXPECT_FALSE(IsStandardTheme());
}
