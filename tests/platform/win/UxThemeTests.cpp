// The visual-styles services: theme data by class list, switching the look with WM_THEMECHANGED, the
// drawing of parts and the metrics that must agree with it, and the services as a run-time library.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "GdiPng.h"
#include "SysInfo.h"
#include "UxTheme.h"
#include "WinTestSupport.h"
#include "WinUser.h"

using namespace WinTest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct TCanvas {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  int W, H;
  TCanvas(int w, int h) : W(w), H(h) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    Old = SelectObject(DC, Bitmap);
    RECT r{0, 0, w, h};
    FillRect(DC, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~TCanvas() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  COLORREF At(int x, int y) const { return GetPixel(DC, x, y) & 0xFFFFFF; }
  // The bounding box of the pixels that are not white.
  RECT Inked() const {
    RECT box{W, H, 0, 0};
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if (At(x, y) != kWhite) box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                       std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    return box;
  }
  void Save(const std::string& name) const { SaveDCToPng(DC, testing::TempDir() + name); }
};

struct TTheme {
  HTHEME Handle;
  explicit TTheme(const char16_t* list) : Handle(OpenThemeData(nullptr, list)) {}
  ~TTheme() {
    if (Handle) CloseThemeData(Handle);
  }
};

class UxThemeTest : public TWinFixture {
 protected:
  void TearDown() override {
    ResetVisualStyles();
    TWinFixture::TearDown();
  }
};

}  // namespace

TEST_F(UxThemeTest, OpensTheFirstKnownClassOfTheListCaseInsensitively) {
  struct {
    const char16_t* List;
    bool Opens;
  } cases[] = {{u"Button", true},   {u"BUTTON", true},         {u"Foo;ScrollBar", true}, {u"Explorer::Tab", true},
               {u"Foo", false},     {u"", false},              {nullptr, false},         {u"Window; ToolTip", true}};
  for (const auto& c : cases) {
    HTHEME theme = OpenThemeData(nullptr, c.List);
    EXPECT_EQ(theme != nullptr, c.Opens) << (c.List ? std::string(c.List, c.List + std::char_traits<char16_t>::length(c.List)) : "null");
    if (theme) EXPECT_EQ(CloseThemeData(theme), S_OK);
  }
  HTHEME theme = OpenThemeData(nullptr, u"Button");
  ASSERT_EQ(CloseThemeData(theme), S_OK);
  EXPECT_EQ(CloseThemeData(theme), E_HANDLE);
  RECT r{0, 0, 10, 10};
  TCanvas canvas(10, 10);
  EXPECT_EQ(DrawThemeBackground(theme, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), E_HANDLE);
}

TEST_F(UxThemeTest, SwitchingTheLookBroadcastsThemeChangedAndClassicNeedsNoHandles) {
  Recorder().Watched = {WM_THEMECHANGED};
  MakeWindow("top", WS_POPUP, 0, 0, 50, 50);
  TTheme button(u"Button");
  ASSERT_NE(button.Handle, nullptr);

  SetThemeActive(false);
  ASSERT_EQ(Recorder().Log.size(), 1u);
  EXPECT_EQ(Recorder().Log[0].Msg, static_cast<UINT>(WM_THEMECHANGED));
  EXPECT_FALSE(IsThemeActive());
  EXPECT_FALSE(IsAppThemed());
  EXPECT_EQ(OpenThemeData(nullptr, u"Button"), nullptr);
  EXPECT_EQ(GetCurrentThemeName(nullptr, 0, nullptr, 0, nullptr, 0), E_FAIL);
  TCanvas canvas(10, 10);
  RECT r{0, 0, 10, 10};
  EXPECT_EQ(DrawThemeBackground(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), E_HANDLE);
  SetThemeActive(false);  // no change, no message
  EXPECT_EQ(Recorder().Log.size(), 1u);

  SetThemeActive(true);
  EXPECT_EQ(DrawThemeBackground(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), S_OK);
  SetThemeColorScheme(tcsMetallic);
  EXPECT_EQ(Recorder().Log.size(), 3u);
  char16_t file[260], color[64], size[64];
  ASSERT_EQ(GetCurrentThemeName(file, 260, color, 64, size, 64), S_OK);
  EXPECT_EQ(std::u16string(color), u"Metallic");
  EXPECT_TRUE(std::u16string(file).ends_with(u"\\Luna.msstyles"));
  EXPECT_EQ(GetCurrentThemeName(file, 5, nullptr, 0, nullptr, 0), E_INSUFFICIENT_BUFFER);
}

// Every part the framework draws: it draws something inside its rectangle, and a part of fixed size
// draws exactly that size, centred.
TEST_F(UxThemeTest, PartsDrawInsideTheirRectangleAndFixedSizesMatchTheInk) {
  struct {
    const char16_t* Class;
    int Part, State;
    bool Glyph = false;  // drawn at its fixed size, centred
  } cases[] = {{u"Button", BP_PUSHBUTTON, PBS_HOT},        {u"Button", BP_CHECKBOX, CBS_CHECKEDNORMAL, true},
               {u"Button", BP_RADIOBUTTON, RBS_CHECKEDHOT, true}, {u"Button", BP_GROUPBOX, GBS_NORMAL},
               {u"ScrollBar", SBP_ARROWBTN, ABS_DOWNHOT},  {u"ScrollBar", SBP_THUMBBTNVERT, SCRBS_NORMAL},
               {u"ScrollBar", SBP_UPPERTRACKVERT, SCRBS_NORMAL}, {u"ScrollBar", SBP_SIZEBOX, SZB_RIGHTALIGN},
               {u"Tab", TABP_TABITEM, TIS_SELECTED},       {u"Tab", TABP_PANE, 1},
               {u"Header", HP_HEADERITEM, HIS_HOT},        {u"Edit", EP_EDITTEXT, ETS_NORMAL},
               {u"ComboBox", CP_DROPDOWNBUTTON, CBXS_PRESSED}, {u"Spin", SPNP_UP, UPS_NORMAL},
               {u"ToolBar", TP_BUTTON, TS_HOT},            {u"Window", WP_CLOSEBUTTON, CBS_NORMAL},
               {u"Window", WP_CAPTION, CS_ACTIVE},         {u"ToolTip", TTP_STANDARD, TTSS_NORMAL},
               {u"Progress", PP_CHUNK, 1},                 {u"TrackBar", TKP_THUMB, TUS_NORMAL, true},
               {u"TreeView", TVP_GLYPH, GLPS_CLOSED, true}, {u"ToolTip", TTP_CLOSE, TTCS_HOT, true},      {u"Rebar", RP_GRIPPER, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Class, c.Class + std::char_traits<char16_t>::length(c.Class)) + " part " +
                 std::to_string(c.Part));
    TTheme theme(c.Class);
    ASSERT_NE(theme.Handle, nullptr);
    TCanvas canvas(40, 40);
    RECT r{5, 5, 35, 35};
    ASSERT_EQ(DrawThemeBackground(theme.Handle, canvas.DC, c.Part, c.State, &r, nullptr), S_OK);
    RECT ink = canvas.Inked();
    ASSERT_LT(ink.left, ink.right) << "nothing drawn";
    EXPECT_TRUE(ink.left >= r.left && ink.top >= r.top && ink.right <= r.right && ink.bottom <= r.bottom);
    SIZE size;
    ASSERT_EQ(GetThemePartSize(theme.Handle, canvas.DC, c.Part, c.State, &r, TS_TRUE, &size), S_OK);
    if (c.Glyph) {
      EXPECT_EQ(ink.right - ink.left, size.cx);
      EXPECT_EQ(ink.bottom - ink.top, size.cy);
      EXPECT_LE(std::abs((ink.left - r.left) - (r.right - ink.right)), 1);
    }
    EXPECT_TRUE(IsThemePartDefined(theme.Handle, c.Part, 0));
  }
  TTheme button(u"Button");
  TCanvas canvas(10, 10);
  RECT r{0, 0, 10, 10};
  EXPECT_EQ(DrawThemeBackground(button.Handle, canvas.DC, 77, 1, &r, nullptr), E_INVALIDARG);
  EXPECT_FALSE(IsThemePartDefined(button.Handle, 77, 0));
  SIZE size;
  EXPECT_EQ(GetThemePartSize(button.Handle, canvas.DC, 77, 1, &r, TS_TRUE, &size), E_INVALIDARG);
}

// A list view's own background is framed as the edits are; its items are plain fills.
TEST_F(UxThemeTest, ListViewBackgroundsAreFramedAndItemsAreNot) {
  TTheme listView(u"ListView"), edit(u"Edit");
  TCanvas canvas(40, 40), editCanvas(40, 40);
  RECT r{5, 5, 35, 35};
  ASSERT_EQ(DrawThemeBackground(edit.Handle, editCanvas.DC, EP_EDITTEXT, ETS_NORMAL, &r, nullptr), S_OK);
  for (int part : {LVP_LISTDETAIL, LVP_LISTSORTEDDETAIL, LVP_EMPTYTEXT}) {
    ASSERT_EQ(DrawThemeBackground(listView.Handle, canvas.DC, part, 0, &r, nullptr), S_OK);
    EXPECT_EQ(canvas.At(5, 20), editCanvas.At(5, 20)) << part;
    EXPECT_EQ(canvas.At(20, 20), kWhite) << part;
  }
  ASSERT_EQ(DrawThemeBackground(listView.Handle, canvas.DC, LVP_LISTITEM, LIS_NORMAL, &r, nullptr), S_OK);
  EXPECT_EQ(canvas.At(5, 20), kWhite);
}

// The radio button is round in every state: its outline, and the hot highlight inside it, are
// met at the same distance from the centre in the eight directions (a square reaches further along
// the diagonals), and the face fills the outline without holes.
TEST_F(UxThemeTest, TheRadioButtonIsRingShapedInEveryState) {
  TTheme theme(u"Button");
  auto draw = [&](int state, TCanvas& canvas) {
    RECT r{0, 0, 13, 13};
    ASSERT_EQ(DrawThemeBackground(theme.Handle, canvas.DC, BP_RADIOBUTTON, state, &r, nullptr), S_OK);
  };
  const int directions[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
  // The spread of the distances, over the eight directions, of the first (or the last) pixel met
  // walking out from the centre that the test picks.
  auto spread = [&](auto picked, bool outermost) {
    double lo = 100, hi = 0;
    for (const auto& d : directions) {
      double found = -1;
      for (int k = 1; k <= 6; ++k)
        if (picked(6 + k * d[0], 6 + k * d[1])) {
          found = k * std::sqrt(double(d[0] * d[0] + d[1] * d[1]));
          if (!outermost) break;
        }
      if (found < 0) return 100.0;
      lo = std::min(lo, found), hi = std::max(hi, found);
    }
    return hi - lo;
  };
  for (int state = RBS_UNCHECKEDNORMAL; state <= RBS_CHECKEDDISABLED; ++state) {
    SCOPED_TRACE("state " + std::to_string(state));
    TCanvas canvas(13, 13);
    draw(state, canvas);
    EXPECT_LE(spread([&](int x, int y) { return canvas.At(x, y) != kWhite; }, true), 1.0) << "the outline";
    for (int y = 0; y < 13; ++y) {  // no background shows inside the outline
      int first = 13, last = -1;
      for (int x = 0; x < 13; ++x)
        if (canvas.At(x, y) != kWhite) first = std::min(first, x), last = x;
      for (int x = first; x <= last; ++x) EXPECT_NE(canvas.At(x, y), kWhite) << x << "," << y;
    }
    const bool hot = state == RBS_UNCHECKEDHOT || state == RBS_CHECKEDHOT;
    if (!hot) continue;
    TCanvas normal(13, 13);
    draw(state - 1, normal);
    EXPECT_LE(spread([&](int x, int y) { return canvas.At(x, y) != normal.At(x, y); }, false), 1.0)
        << "the hot highlight";
  }
}

// The content rectangle lies inside the drawn frame, the extent gives the rectangle back, and the
// shape (region, hit test, transparency) leaves out the corners the rounded frame does not draw.
TEST_F(UxThemeTest, ContentRegionAndHitTestAgreeWithTheDrawnButton) {
  TTheme button(u"Button");
  TCanvas canvas(60, 30);
  RECT r{0, 0, 60, 30};
  ASSERT_EQ(DrawThemeBackground(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_DEFAULTED, &r, nullptr), S_OK);
  RECT content, extent;
  ASSERT_EQ(GetThemeBackgroundContentRect(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &r, &content), S_OK);
  EXPECT_EQ(content, (RECT{3, 3, 57, 27}));
  ASSERT_EQ(GetThemeBackgroundExtent(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &content, &extent), S_OK);
  EXPECT_EQ(extent, r);
  // The face inside the content is plain, the ring and frame lie in the margins.
  COLORREF frame;
  ASSERT_EQ(GetThemeColor(button.Handle, BP_PUSHBUTTON, PBS_NORMAL, TMT_BORDERCOLOR, &frame), S_OK);
  EXPECT_EQ(canvas.At(30, 0), frame);
  EXPECT_EQ(canvas.At(0, 0), kWhite);
  EXPECT_TRUE(IsThemeBackgroundPartiallyTransparent(button.Handle, BP_PUSHBUTTON, PBS_NORMAL));

  HRGN region = nullptr;
  ASSERT_EQ(GetThemeBackgroundRegion(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, &r, &region), S_OK);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  DeleteObject(region);
  struct {
    POINT At;
    DWORD Options;
    WORD Code;
  } hits[] = {{{0, 0}, 0, HTNOWHERE}, {{30, 15}, 0, HTCLIENT}, {{1, 15}, HTTB_FIXEDBORDER, HTBORDER},
              {{30, 15}, HTTB_FIXEDBORDER, HTCLIENT}, {{70, 15}, 0, HTNOWHERE}};
  for (const auto& h : hits) {
    WORD code = 99;
    ASSERT_EQ(HitTestThemeBackground(button.Handle, canvas.DC, BP_PUSHBUTTON, PBS_NORMAL, h.Options, &r, nullptr,
                                     h.At, &code), S_OK);
    EXPECT_EQ(code, h.Code) << h.At.x << "," << h.At.y;
  }
  TTheme header(u"Header");
  EXPECT_FALSE(IsThemeBackgroundPartiallyTransparent(header.Handle, HP_HEADERITEM, HIS_NORMAL));
}

TEST_F(UxThemeTest, PropertiesAnswerOrReportTheMissingProperty) {
  TTheme button(u"Button");
  COLORREF color = 0;
  EXPECT_EQ(GetThemeColor(button.Handle, BP_PUSHBUTTON, PBS_DISABLED, TMT_TEXTCOLOR, &color), S_OK);
  EXPECT_NE(color, 0u);
  EXPECT_EQ(GetThemeColor(button.Handle, BP_PUSHBUTTON, PBS_NORMAL, 12345, &color), E_PROP_ID_UNSUPPORTED);
  EXPECT_EQ(GetThemeColor(button.Handle, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR, nullptr), E_POINTER);
  int value = 0;
  EXPECT_EQ(GetThemeInt(button.Handle, BP_CHECKBOX, 1, TMT_WIDTH, &value), S_OK);
  EXPECT_EQ(value, 13);
  MARGINS margins;
  EXPECT_EQ(GetThemeMargins(button.Handle, nullptr, BP_PUSHBUTTON, 1, TMT_CONTENTMARGINS, nullptr, &margins), S_OK);
  EXPECT_EQ(margins.cxLeftWidth, 3);
  EXPECT_EQ(GetThemeSysSize(nullptr, TMT_SCROLLBARWIDTH), 17);
  TTheme scroll(u"ScrollBar");
  SIZE size;
  EXPECT_EQ(GetThemePartSize(scroll.Handle, nullptr, SBP_ARROWBTN, ABS_UPNORMAL, nullptr, TS_TRUE, &size), S_OK);
  EXPECT_EQ(size, (SIZE{17, 17}));
  HDC paintDC = reinterpret_cast<HDC>(1);
  EXPECT_EQ(BeginBufferedPaint(nullptr, nullptr, BPBF_DIB, nullptr, &paintDC), nullptr);
  EXPECT_EQ(paintDC, nullptr);
}

TEST_F(UxThemeTest, InstalledAsARunTimeLibraryTheEntriesAreFoundByName) {
  InstallUxThemeLibrary();
  HMODULE library = LoadLibrary("uxtheme.dll");
  ASSERT_NE(library, nullptr);
  using TIsThemeActive = BOOL (*)();
  auto isActive = reinterpret_cast<TIsThemeActive>(reinterpret_cast<void*>(GetProcAddress(library, "IsThemeActive")));
  ASSERT_NE(isActive, nullptr);
  EXPECT_TRUE(isActive());
  EXPECT_EQ(GetProcAddress(library, "DrawThemeBackgroundEx"), nullptr);
  FreeLibrary(library);
  RemoveUxThemeLibrary();
  EXPECT_EQ(LoadLibrary("UxTheme"), nullptr);
}

// Pictures of the themed parts for a person to look at (the test's temporary folder).
TEST_F(UxThemeTest, PicturesOfThemedParts) {
  TCanvas canvas(400, 200);
  auto draw = [&](const char16_t* cls, int part, int state, RECT r) {
    TTheme theme(cls);
    EXPECT_EQ(DrawThemeBackground(theme.Handle, canvas.DC, part, state, &r, nullptr), S_OK);
  };
  for (int s = PBS_NORMAL; s <= PBS_DEFAULTED; ++s) draw(u"Button", BP_PUSHBUTTON, s, {10 + (s - 1) * 78, 10, 80 + (s - 1) * 78, 33});
  for (int s = 1; s <= 12; ++s) draw(u"Button", BP_CHECKBOX, s, {10 + (s - 1) * 18, 40, 23 + (s - 1) * 18, 53});
  for (int s = 1; s <= 8; ++s) draw(u"Button", BP_RADIOBUTTON, s, {230 + (s - 1) * 18, 40, 243 + (s - 1) * 18, 53});
  draw(u"Tab", TABP_PANE, 1, {10, 80, 200, 130});
  draw(u"Tab", TABP_TABITEM, TIS_NORMAL, {12, 62, 60, 80});
  draw(u"Tab", TABP_TABITEM, TIS_SELECTED, {60, 60, 110, 80});
  draw(u"Tab", TABP_TABITEM, TIS_HOT, {110, 62, 160, 80});
  draw(u"ScrollBar", SBP_ARROWBTN, ABS_UPNORMAL, {210, 60, 227, 77});
  draw(u"ScrollBar", SBP_UPPERTRACKVERT, SCRBS_NORMAL, {210, 77, 227, 160});
  draw(u"ScrollBar", SBP_THUMBBTNVERT, SCRBS_HOT, {210, 90, 227, 130});
  draw(u"ScrollBar", SBP_GRIPPERVERT, SCRBS_HOT, {210, 90, 227, 130});
  draw(u"ScrollBar", SBP_ARROWBTN, ABS_DOWNPRESSED, {210, 160, 227, 177});
  for (int i = 0; i < 3; ++i) draw(u"Header", i == 2 ? HP_HEADERITEMRIGHT : HP_HEADERITEM, i + 1, {240 + i * 50, 60, 290 + i * 50, 80});
  draw(u"Edit", EP_EDITTEXT, ETS_NORMAL, {240, 90, 370, 111});
  draw(u"ComboBox", CP_DROPDOWNBUTTON, CBXS_HOT, {352, 92, 369, 110});
  draw(u"Window", WP_CAPTION, CS_ACTIVE, {240, 120, 390, 146});
  draw(u"Window", WP_MINBUTTON, CBS_NORMAL, {318, 122, 339, 143});
  draw(u"Window", WP_MAXBUTTON, CBS_HOT, {341, 122, 362, 143});
  draw(u"Window", WP_CLOSEBUTTON, CBS_NORMAL, {364, 122, 385, 143});
  draw(u"ToolTip", TTP_STANDARD, TTSS_NORMAL, {10, 140, 120, 160});
  draw(u"Progress", PP_BAR, 1, {10, 170, 200, 185});
  draw(u"Progress", PP_CHUNK, 1, {13, 173, 100, 182});
  draw(u"ToolBar", TP_BUTTON, TS_HOT, {130, 140, 153, 162});
  draw(u"Spin", SPNP_UP, UPS_NORMAL, {240, 160, 255, 170});
  draw(u"Spin", SPNP_DOWN, UPS_NORMAL, {240, 170, 255, 180});
  draw(u"TrackBar", TKP_THUMB, TUS_NORMAL, {270, 160, 281, 181});
  canvas.Save("uxtheme_parts.png");
}
