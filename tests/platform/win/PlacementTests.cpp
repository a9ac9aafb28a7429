// Placement, showing, the frame's metrics, coordinates and the window at a point.
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class Placement : public TWinFixture {};

TEST_F(Placement, FrameMetricsOfTheDesignedOnDesktop) {
  struct TCase {
    DWORD Style, ExStyle;
    int Width, Height, ClientWidth, ClientHeight;
  };
  const TCase cases[] = {
      {WS_OVERLAPPEDWINDOW, 0, 441, 500, 433, 466},                    // caption 26, sizing frame 4
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 200, 100, 194, 68},  // fixed frame 3
      {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, 200, 100, 194, 76},    // small caption 18
      {WS_POPUP | WS_BORDER, 0, 100, 100, 98, 98},
      {WS_POPUP, WS_EX_CLIENTEDGE, 100, 100, 96, 96},
      {WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, 100, 100, 83, 83},
  };
  for (const TCase& c : cases) {
    HWND w = MakeWindow("w", c.Style, 0, 0, c.Width, c.Height, nullptr, c.ExStyle);
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(r.right, c.ClientWidth) << std::hex << c.Style;
    EXPECT_EQ(r.bottom, c.ClientHeight) << std::hex << c.Style;
    RECT adjusted{0, 0, c.ClientWidth, c.ClientHeight};
    if (!(c.Style & (WS_VSCROLL | WS_HSCROLL))) {
      AdjustWindowRectEx(&adjusted, c.Style, FALSE, c.ExStyle);
      EXPECT_EQ(adjusted.right - adjusted.left, c.Width);
      EXPECT_EQ(adjusted.bottom - adjusted.top, c.Height);
    }
    DestroyWindow(w);
  }
}

TEST_F(Placement, SetWindowPosSendsChangingCalcChangedThenMoveAndSize) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Recorder().Clear();
  Recorder().Watched = {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE};
  SetWindowPos(w, nullptr, 10, 20, 110, 120, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:POSCHANGING", "w:NCCALCSIZE", "w:POSCHANGED", "w:MOVE",
                                                          "w:SIZE"}));
  EXPECT_EQ(Recorder().Log[3].LParam, MAKELPARAM(10, 20));
  EXPECT_EQ(Recorder().Log[4].LParam, MAKELPARAM(110, 120));
  Recorder().Clear();
  SetWindowPos(w, nullptr, 30, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:POSCHANGING", "w:POSCHANGED", "w:MOVE"}))
      << "a move alone neither recomputes the frame nor resizes";
  Recorder().Clear();
  // A handler may change the request.
  Recorder().OnMessage = [](HWND, UINT msg, WPARAM, LPARAM l, LRESULT&) {
    if (msg == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cx = 50;
    return false;
  };
  MoveWindow(w, 30, 20, 300, 120, TRUE);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 50);
}

TEST_F(Placement, ShowWindowAnnouncesVisibilityChangesOnly) {
  HWND w = MakeWindow("w", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
  Recorder().Clear();
  Recorder().Watched = {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATE};
  EXPECT_FALSE(ShowWindow(w, SW_SHOWNA));
  EXPECT_TRUE(ShowWindow(w, SW_SHOWNA));
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:SHOWWINDOW", "w:POSCHANGING"}));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  Recorder().Clear();
  ShowWindow(w, SW_HIDE);
  EXPECT_FALSE(ShowWindow(w, SW_HIDE));
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:SHOWWINDOW", "w:POSCHANGING"}));
  EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(Placement, MaximiseMinimiseAndRestore) {
  HWND w = MakeWindow("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
  Recorder().Clear();
  Recorder().Watched = {WM_SIZE};
  ShowWindow(w, SW_SHOWMAXIMIZED);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, -4);
  EXPECT_EQ(r.right - r.left, 1288) << "the side frames lie outside the work area";
  EXPECT_EQ(r.bottom - r.top, 1002);
  EXPECT_TRUE(IsZoomed(w));
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  ShowWindow(w, SW_RESTORE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{10, 10, 310, 210}));
  ASSERT_EQ(Recorder().Log.size(), 3u);
  EXPECT_EQ(Recorder().Log[0].WParam, SIZE_MAXIMIZED);
  EXPECT_EQ(Recorder().Log[1].WParam, SIZE_MINIMIZED);
  EXPECT_EQ(Recorder().Log[2].WParam, SIZE_RESTORED);
}

TEST_F(Placement, CoordinatesMapThroughTheTree) {
  HWND top = MakeWindow("top", WS_OVERLAPPEDWINDOW, 100, 50, 300, 200);
  HWND child = MakeWindow("child", WS_CHILD | WS_BORDER, 10, 20, 50, 50, top);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{100 + 4 + 10 + 1, 50 + 30 + 20 + 1}));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, (POINT{11, 21}));
  POINT q{0, 0};
  int packed = MapWindowPoints(child, top, &q, 1);
  EXPECT_EQ(q, (POINT{11, 21}));
  EXPECT_EQ(packed, MAKELONG(11, 21));
}

TEST_F(Placement, WindowFromPointFindsTheDeepestVisibleWindowThatTakesTheHit) {
  HWND top = MakeWindow("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  HWND child = MakeWindow("child", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top);
  HWND inner = MakeWindow("inner", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, child);
  HWND hidden = MakeWindow("hidden", WS_CHILD, 50, 50, 20, 20, child);
  EXPECT_EQ(WindowFromPoint(POINT{25, 25}), inner);
  EXPECT_EQ(WindowFromPoint(POINT{65, 65}), child) << "hidden windows are passed over";
  EXPECT_EQ(WindowFromPoint(POINT{150, 150}), top);
  EXPECT_EQ(WindowFromPoint(POINT{500, 500}), nullptr);
  EnableWindow(inner, FALSE);
  EXPECT_EQ(WindowFromPoint(POINT{25, 25}), child) << "a disabled child belongs to its parent";
  EnableWindow(inner, TRUE);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT& r) {
    if (msg != WM_NCHITTEST || h != inner) return false;
    r = HTTRANSPARENT;
    return true;
  };
  EXPECT_EQ(WindowFromPoint(POINT{25, 25}), child) << "HTTRANSPARENT lets the point through";
  EXPECT_EQ(ChildWindowFromPointEx(child, POINT{55, 55}, CWP_ALL), hidden);
  EXPECT_EQ(ChildWindowFromPointEx(child, POINT{55, 55}, CWP_SKIPINVISIBLE), child);
  EXPECT_EQ(ChildWindowFromPoint(child, POINT{500, 5}), nullptr);
}

TEST_F(Placement, HitTestCodesOfACaptionedSizableWindow) {
  HWND w = MakeWindow("w", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 100, 100, 400, 300);
  struct TCase {
    int X, Y;
    LRESULT Code;
  };
  // The window covers 100..500 x 100..400; frame 4, caption 26, buttons 21 wide at the right.
  const TCase cases[] = {
      {101, 250, HTLEFT},        {498, 250, HTRIGHT},        {300, 101, HTTOP},     {300, 398, HTBOTTOM},
      {101, 101, HTTOPLEFT},     {498, 398, HTBOTTOMRIGHT},  {101, 398, HTBOTTOMLEFT}, {498, 101, HTTOPRIGHT},
      {300, 115, HTCAPTION},     {485, 115, HTCLOSE},        {462, 115, HTMAXBUTTON}, {440, 115, HTMINBUTTON},
      {112, 115, HTSYSMENU},     {300, 250, HTCLIENT},       {490, 250, HTVSCROLL}, {300, 390, HTHSCROLL},
      {600, 600, HTNOWHERE},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(c.X, c.Y)), c.Code) << c.X << "," << c.Y;
}

}  // namespace

namespace {

TEST_F(Placement, SettingChangesReachHiddenTopLevelWindows) {
  HWND hidden = MakeWindow("hidden", WS_POPUP, 0, 0, 0, 0);
  Recorder().Clear();
  Recorder().Watched = {WM_SETTINGCHANGE};
  RECT work{0, 0, 1280, 900};
  EXPECT_TRUE(SystemParametersInfo(SPI_SETWORKAREA, 0, &work, SPIF_SENDCHANGE));
  ASSERT_EQ(Recorder().Log.size(), 1u);
  EXPECT_EQ(Recorder().Log[0].WParam, SPI_SETWORKAREA);
  RECT got;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &got, 0);
  EXPECT_EQ(got, work);
  MONITORINFO mi;
  ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(hidden, MONITOR_DEFAULTTONEAREST), &mi));
  EXPECT_EQ(mi.rcWork, work);
  EXPECT_EQ(mi.rcMonitor, (RECT{0, 0, 1280, 1024}));
  OSVERSIONINFO vi;
  ASSERT_TRUE(GetVersionEx(&vi));
  EXPECT_EQ(vi.dwMajorVersion * 10 + vi.dwMinorVersion, 51u);
}

TEST_F(Placement, SystemColourChangesReachHiddenTopLevelWindows) {
  MakeWindow("hidden", WS_POPUP, 0, 0, 0, 0);
  Recorder().Clear();
  Recorder().Watched = {WM_SYSCOLORCHANGE};
  INT index = COLOR_BTNFACE;
  COLORREF colour = 0x123456;
  EXPECT_TRUE(SetSysColors(1, &index, &colour));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), colour);
  ResetSysColors();
  EXPECT_EQ(Recorder().Log.size(), 2u);  // the change and the restoration
}

}  // namespace
