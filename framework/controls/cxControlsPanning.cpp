// Middle-button panning of the base control: an anchor shows where the press was; the farther the
// pointer goes from it, the faster the content scrolls that way. Press-drag-release pans while held;
// a press and release without leaving the anchor's neutral zone pans until another button, a wheel
// turn or Escape.
#include <algorithm>
#include <cstdlib>

#include "Forms.h"
#include "Resources.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "cxControlsBase.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxControls {

namespace {

constexpr UINT PanningTimerInterval = 20;
constexpr Integer MaxPanningSpeed = 12;
// At speed s a scroll happens every (13 - s) ticks: every tick at the top speed.
constexpr Integer PanningTicksBase = MaxPanningSpeed + 1;

// The round window that marks where panning started, showing which ways it can go.
class TPanningAnchor {
 public:
  TPanningAnchor(HWND AOwner, const TPoint& ACenter, bool AHorizontal, bool AVertical) {
    const char* name = AHorizontal && AVertical ? "CX_FULLSCROLLBITMAP"
                       : AHorizontal            ? "CX_HORSCROLLBITMAP"
                                                : "CX_VERSCROLLBITMAP";
    FBitmap = New<TBitmap>();
    try {
      FBitmap->LoadFromResourceName(HInstance, name);
    } catch (const Exception&) {
      FBitmap->SetSize(29, 29);
    }
    FWidth = FBitmap->GetWidth();
    const Integer height = FBitmap->GetHeight();
    FWindow = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, ACenter.x - FWidth / 2,
                             ACenter.y - height / 2, FWidth, height, AOwner, nullptr, nullptr, nullptr);
    SetWindowRgn(FWindow, CreateEllipticRgn(0, 0, FWidth + 1, height + 1), FALSE);
    ShowWindow(FWindow, SW_SHOWNOACTIVATE);
    Paint();
  }
  TPanningAnchor(const TPanningAnchor&) = delete;
  TPanningAnchor& operator=(const TPanningAnchor&) = delete;
  ~TPanningAnchor() {
    DestroyWindow(FWindow);
    FBitmap->Free();
  }

  HWND Window() const { return FWindow; }
  Integer Width() const { return FWidth; }

 private:
  void Paint() {
    HDC dc = GetDC(FWindow);
    BitBlt(dc, 0, 0, FWidth, FBitmap->GetHeight(), FBitmap->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
    HRGN outline = CreateEllipticRgn(0, 0, FWidth + 1, FBitmap->GetHeight() + 1);
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
    FrameRgn(dc, outline, brush, 1, 1);
    DeleteObject(brush);
    DeleteObject(outline);
    ReleaseDC(FWindow, dc);
    ValidateRect(FWindow, nullptr);
  }

  TBitmap* FBitmap = nullptr;
  HWND FWindow = nullptr;
  Integer FWidth = 0;
};

TCursor DirectionCursor(TcxDirection ADirection, bool AHorizontal, bool AVertical) {
  switch (ADirection) {
    case dirLeft: return crcxLeftScroll;
    case dirRight: return crcxRightScroll;
    case dirUp: return crcxUpScroll;
    case dirDown: return crcxDownScroll;
    default: return AHorizontal && AVertical ? crcxFullScroll : AHorizontal ? crcxHorScroll : crcxVerScroll;
  }
}

bool IsMouseMessage(UINT AMsg) { return AMsg >= WM_MOUSEFIRST && AMsg <= WM_MOUSELAST; }

}  // namespace

void TcxControl::DoScrolling() {
  const bool horizontal = GetHScrollBarVisible(), vertical = GetVScrollBarVisible();
  if (!horizontal && !vertical) return;
  FScrollingContent = true;
  const TPoint start = GetMouseCursorPos();
  TPanningAnchor anchor(GetHandle(), start, horizontal, vertical);
  const Integer w = anchor.Width();
  TcxDirection direction = dirNone;
  Integer speed = 1, ticks = 0;
  bool moved = false;
  TPoint last = start;
  ::SetCursor(Screen->GetCursors(DirectionCursor(direction, horizontal, vertical)));
  const UINT_PTR timer = WinTimers::SetTimer(nullptr, 0, PanningTimerInterval, nullptr);
  SetCapture(GetHandle());
  const HWND handle = GetHandle();
  TFinally finish([&] {
    if (GetCapture() == handle) ReleaseCapture();
    WinTimers::KillTimer(nullptr, timer);
    FScrollingContent = false;
  });

  // The pointer at P: inside the neutral zone around the anchor nothing scrolls; outside, the way is
  // the farther of the directions the visible bars allow and the speed grows with the distance.
  auto follow = [&](const TPoint& P) {
    TRect zone(start.x - w / 2, start.y - w / 2, start.x - w / 2 + w, start.y - w / 2 + w);
    if (!horizontal) zone.left = 0, zone.right = GetSystemMetrics(SM_CXSCREEN);
    if (!vertical) zone.top = 0, zone.bottom = GetSystemMetrics(SM_CYSCREEN);
    if (cxRectPtIn(zone, P)) {
      direction = dirNone;
      speed = 0;
      return;
    }
    moved = true;
    const Integer dx = P.x - start.x, dy = P.y - start.y;
    Integer distance;
    if (horizontal && (!vertical || std::abs(dx) > std::abs(dy))) {
      direction = dx < 0 ? dirLeft : dirRight;
      distance = std::abs(dx);
    } else {
      direction = dy < 0 ? dirUp : dirDown;
      distance = std::abs(dy);
    }
    speed = std::clamp<Integer>((distance - w / 2) / 5 + 1, 1, MaxPanningSpeed);
  };

  while (GetCapture() == handle) {
    MSG msg;
    const BOOL got = GetMessage(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (!got) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_PAINT && msg.hwnd == anchor.Window()) {
      ValidateRect(anchor.Window(), nullptr);
      continue;
    }
    if (IsMouseMessage(msg.message) && msg.message != WM_MOUSEMOVE && msg.message != WM_MBUTTONUP) break;
    bool done = false;
    switch (msg.message) {
      case WM_KEYDOWN:
      case WM_KEYUP: done = msg.wParam == VK_ESCAPE; break;
      case WM_MOUSEMOVE: {
        POINT p{static_cast<int16_t>(LOWORD(msg.lParam)), static_cast<int16_t>(HIWORD(msg.lParam))};
        ::ClientToScreen(msg.hwnd, &p);
        if (TPoint(p) != last) {
          follow(TPoint(p));
          ::SetCursor(Screen->GetCursors(DirectionCursor(direction, horizontal, vertical)));
          last = TPoint(p);
        }
        break;
      }
      case WM_MBUTTONUP: done = moved; break;
      case WM_TIMER:
        if (!msg.hwnd && msg.wParam == timer && ++ticks % (PanningTicksBase - speed) == 0) ScrollContent(direction);
        break;
      default: break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    if (done) break;
  }
}

}  // namespace cxControls
