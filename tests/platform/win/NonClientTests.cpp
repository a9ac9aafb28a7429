// The default non-client area: standard scroll bars, their tracking, moving and sizing by the mouse,
// caption buttons, the caption's bold font, and a picture of a whole captioned window.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "GdiPng.h"
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class NonClient : public TWinFixture {};

TEST_F(NonClient, ScrollInfoClampsThePositionAndShowsTheBarOnlyWhenNeeded) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 99;
  si.nPage = 10;
  si.nPos = 95;
  EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 90) << "the last page starts at max - page + 1";
  EXPECT_TRUE(GetWindowLongPtr(w, GWL_STYLE) & WS_VSCROLL);
  RECT c;
  GetClientRect(w, &c);
  EXPECT_EQ(c.right, 200 - 17);
  si.fMask = SIF_PAGE;
  si.nPage = 100;
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  EXPECT_FALSE(GetWindowLongPtr(w, GWL_STYLE) & WS_VSCROLL) << "a page that covers the range hides the bar";
  si.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &sbi));
  EXPECT_FALSE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(sbi.rcScrollBar, (RECT{183, 0, 200, 200}));
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_HSCROLL, &sbi));
  EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

TEST_F(NonClient, PressingTheBarSendsScrollCodesEndingWithEndScroll) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMax = 99;
  si.nPage = 10;
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  ProcessMessages();
  // The bar covers x 283..300; arrows 17 high at each end; the thumb starts right below the top arrow.
  struct TCase {
    int Y;
    std::vector<WORD> Codes;
  };
  const TCase cases[] = {
      {105, {SB_LINEUP, SB_ENDSCROLL}},
      {295, {SB_LINEDOWN, SB_ENDSCROLL}},
      {250, {SB_PAGEDOWN, SB_ENDSCROLL}},
  };
  for (const TCase& c : cases) {
    Recorder().Clear();
    Recorder().Watched = {WM_VSCROLL};
    InjectClick(290, c.Y);
    ProcessMessages();
    std::vector<WORD> codes;
    for (const TRecord& r : Recorder().Log) codes.push_back(LOWORD(r.WParam));
    EXPECT_EQ(codes, c.Codes) << c.Y;
  }
  // Dragging the thumb tracks, then says where it ended.
  Recorder().Clear();
  InjectMouseMove(290, 125);
  InjectMouseButton(0, true);
  InjectMouseMove(290, 200);
  InjectMouseButton(0, false);
  ProcessMessages();
  ASSERT_GE(Recorder().Log.size(), 3u);
  EXPECT_EQ(LOWORD(Recorder().Log[0].WParam), SB_THUMBTRACK);
  const TRecord& last = Recorder().Log[Recorder().Log.size() - 2];
  EXPECT_EQ(LOWORD(last.WParam), SB_THUMBPOSITION);
  EXPECT_GT(HIWORD(last.WParam), 0);
  EXPECT_EQ(LOWORD(Recorder().Log.back().WParam), SB_ENDSCROLL);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClient, HeldArrowRepeatsAfterAPause) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMax = 99;
  si.nPage = 10;
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_VSCROLL};
  // Time passes as the tracking loop looks at the clock; the release comes from a timer that the loop
  // runs while the arrow is held.
  struct TSteppingClock : TManualClock {
    UInt64 Ticks = 5000000;
    UInt64 TickCount64() override { return Ticks += 10; }
  } clock;
  TClockOverride stepping(clock);
  SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    InjectMouseButton(0, false);
  });
  InjectMouseMove(290, 295);
  InjectMouseButton(0, true);
  ProcessMessages();
  size_t lines = 0;
  for (const TRecord& r : Recorder().Log) lines += LOWORD(r.WParam) == SB_LINEDOWN;
  EXPECT_GE(lines, 2u);
  EXPECT_LE(lines, 4u) << "one at once, then every 50 ms after 400 ms";
}

TEST_F(NonClient, DraggingTheCaptionMovesAndTheFrameSizes) {
  HWND w = MakeWindow("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_SYSCOMMAND};
  InjectMouseMove(200, 115);
  InjectMouseButton(0, true);
  InjectMouseMove(250, 165);
  InjectMouseButton(0, false);
  ProcessMessages();
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{150, 150, 450, 350}));
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:SYSCOMMAND", "w:ENTERSIZEMOVE", "w:EXITSIZEMOVE"}));
  EXPECT_EQ(Recorder().Log[0].WParam, SC_MOVE | HTCAPTION);

  InjectMouseMove(448, 348);  // the bottom-right corner
  InjectMouseButton(0, true);
  InjectMouseMove(500, 300);
  InjectMouseButton(0, false);
  ProcessMessages();
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{150, 150, 502, 302}));
  InjectMouseMove(300, 300);
  InjectMouseButton(0, true);
  InjectMouseMove(10, 10);
  InjectMouseButton(0, false);
  ProcessMessages();
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 352) << "clicks in the client area move nothing";
}

TEST_F(NonClient, CloseButtonClosesWhenReleasedOverIt) {
  HWND w = MakeWindow("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  ProcessMessages();
  InjectMouseMove(385, 115);
  InjectMouseButton(0, true);
  InjectMouseMove(300, 115);
  InjectMouseButton(0, false);
  ProcessMessages();
  EXPECT_TRUE(IsWindow(w)) << "released elsewhere: nothing happens";
  InjectClick(385, 115);
  ProcessMessages();
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(NonClient, APictureOfACaptionedWindowWithChildrenAndScrollBars) {
  HWND form = MakeWindow("\xE7\xAB\x9E\xE6\x8B\x8D\xE8\xAE\xA1\xE6\x97\xB6", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                         441, 500);
  HWND panel = MakeWindow("panel", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 10, 10, 200, 150, form,
                          WS_EX_CLIENTEDGE);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMax = 99;
  si.nPage = 20;
  SetScrollInfo(panel, SB_VERT, &si, TRUE);
  SetScrollInfo(panel, SB_HORZ, &si, TRUE);
  InjectClick(100, 100);
  ProcessMessages();
  TGdiSurface picture;
  ASSERT_TRUE(CaptureWindow(form, picture));
  EXPECT_EQ(picture.Width(), 441);
  uint32_t caption = picture.Pixel(200, 15) & 0xFFFFFF;
  EXPECT_GT(caption & 0xFF, 0xC0u) << "the caption is blue";
  EXPECT_LT((caption >> 16) & 0xFF, 0x40u);
  EXPECT_EQ(picture.Pixel(50, 450) & 0xFFFFFF, 0xFFFFFFu) << "the client area has the class background";
  uint32_t bar = picture.Pixel(4 + 10 + 200 - 10, 30 + 10 + 50) & 0xFFFFFF;
  EXPECT_NE(bar, 0xFFFFFFu) << "the panel's vertical bar is drawn";
  std::string file = (std::filesystem::temp_directory_path() / "win-window.png").string();
  ASSERT_TRUE(SaveWindowPng(form, file));
  TGdiSurface loaded;
  ASSERT_TRUE(LoadPngToSurface(file, loaded));
  EXPECT_EQ(loaded.Height(), 500);
  EXPECT_TRUE(SaveScreenPng((std::filesystem::temp_directory_path() / "win-screen.png").string()));
  std::remove(file.c_str());
}

namespace {
// Pure white pixels of Text drawn in white on black with Font: the full-coverage ink, the same on
// any background.
int WhiteInk(const LOGFONTA& font, const char* text) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(200, 30, 1, 32, nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all{0, 0, 200, 30};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HFONT f = CreateFontIndirectA(&font);
  HGDIOBJ oldFont = SelectObject(dc, f);
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 4, 4, text, static_cast<int>(std::strlen(text)));
  int ink = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x) ink += (GetPixel(dc, x, y) & 0xFFFFFF) == 0xFFFFFF;
  SelectObject(dc, oldFont);
  DeleteObject(f);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ink;
}
}  // namespace

TEST_F(NonClient, TheCaptionIsDrawnInTheBoldCaptionFont) {
  NONCLIENTMETRICSA ncm;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
  EXPECT_EQ(ncm.lfCaptionFont.lfWeight, FW_BOLD);
  EXPECT_EQ(ncm.lfCaptionFont.lfHeight, -12);
  EXPECT_EQ(ncm.lfSmCaptionFont.lfWeight, FW_BOLD);

  const char* title = "\xE7\xAB\x9E\xE6\x8B\x8D\xE8\xAE\xA1\xE6\x97\xB6 Timer";  // "竞拍计时 Timer"
  LOGFONTA regular = ncm.lfCaptionFont;
  regular.lfWeight = FW_NORMAL;
  const int boldInk = WhiteInk(ncm.lfCaptionFont, title);
  EXPECT_GT(boldInk, WhiteInk(regular, title) * 5 / 4) << "bold strokes are drawn heavier";

  HWND form = MakeWindow(title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 441, 500);
  ProcessMessages();
  TGdiSurface picture;
  ASSERT_TRUE(CaptureWindow(form, picture));
  // The caption text, between the window glyph and the caption buttons, is the only white there.
  int captionInk = 0;
  for (int y = 4; y < 30; ++y)
    for (int x = 22; x < 340; ++x) captionInk += (picture.Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
  EXPECT_EQ(captionInk, boldInk);
  RECT band{0, 0, 441, 34};
  EXPECT_TRUE(SaveSurfaceToPng(picture, (std::filesystem::temp_directory_path() / "win-caption.png").string(), &band));
}

}  // namespace
