// The headless backend and the test-facing calls around it: injection, pumping, pictures and reset.
#include "HeadlessBackend.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "GdiPng.h"
#include "GdiSurface.h"
#include "Messages.h"
#include "WinBackend.h"
#include "WinCursor.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinBackend {

namespace {

class THeadless : public TWinBackend {
 public:
  const char* Name() const override { return "headless"; }
  SIZE ScreenSize() const override { return SIZE{1280, 1024}; }
  void Wait(DWORD ms) override {
    std::unique_lock<std::mutex> lock(FLock);
    if (!FWoken) {
      if (ms == 0xFFFFFFFF) FWake.wait(lock, [this] { return FWoken; });
      else FWake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return FWoken; });
    }
    FWoken = false;
  }
  void Wake() override {
    {
      std::lock_guard<std::mutex> guard(FLock);
      FWoken = true;
    }
    FWake.notify_all();
  }
  void Beep() override { ++Beeps; }
  bool GetClipboardText(String& text) override {
    if (!FHasClip) return false;
    text = FClip;
    return true;
  }
  bool SetClipboardText(const String& text) override {
    FClip = text;
    FHasClip = true;
    return true;
  }
  int Beeps = 0;

 private:
  std::mutex FLock;
  std::condition_variable FWake;
  bool FWoken = false;
  String FClip;
  bool FHasClip = false;
};

std::unique_ptr<TWinBackend>& Current() {
  static std::unique_ptr<TWinBackend> b = std::make_unique<THeadless>();
  return b;
}

}  // namespace

TWinBackend& Backend() { return *Current(); }

void SetBackend(std::unique_ptr<TWinBackend> backend) {
  if (!backend) backend = std::make_unique<THeadless>();
  SIZE s = backend->ScreenSize();
  Current() = std::move(backend);
  SetScreenSize(s.cx, s.cy);
}

}  // namespace WinBackend

namespace HeadlessBackend {

void InjectMouseMove(int x, int y) { QueueMouseMove(POINT{x, y}); }
void InjectMouseButton(int button, bool down) { QueueMouseButton(button, down); }

void InjectClick(int x, int y, int button) {
  QueueMouseMove(POINT{x, y});
  QueueMouseButton(button, true);
  QueueMouseButton(button, false);
}

void InjectWheel(int delta) { QueueMouseWheel(delta); }
void InjectKey(int vk, bool down) { QueueKey(vk, down); }

void InjectKeyPress(int vk) {
  QueueKey(vk, true);
  QueueKey(vk, false);
}

void InjectText(const String& text) {
  for (unsigned char c : text) {
    SHORT scan = c < 0x80 ? VkKeyScanA(static_cast<char>(c)) : -1;
    if (scan == -1 || (scan & 0x600)) {
      QueueChar(c);
      continue;
    }
    bool shift = (scan & 0x100) != 0;
    if (shift) QueueKey(VK_SHIFT, true);
    InjectKeyPress(scan & 0xFF);
    if (shift) QueueKey(VK_SHIFT, false);
  }
}

void SetKeyState(int vk, bool down) { SetKeyStateForTests(vk, down); }

int ProcessMessages() {
  int n = 0;
  MSG m;
  // A window that invalidates itself in every paint would keep this busy for ever: stop somewhere.
  for (int guard = 0; guard < 100000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
    ++n;
  }
  return n;
}

namespace {

uint32_t Opaque(uint32_t p) { return p | 0xFF000000u; }

uint32_t Blend(uint32_t dst, uint32_t src, unsigned srcAlpha, bool premultiplied) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
    unsigned v = premultiplied ? s + d * (255 - srcAlpha) / 255 : (s * srcAlpha + d * (255 - srcAlpha)) / 255;
    out |= std::min(255u, v) << shift;
  }
  return out;
}

void ComposeWindow(TGdiSurface& screen, const TWindow* w) {
  if (!w->Surface || !(w->Style & WinManage::WS_VISIBLE)) return;
  const TGdiSurface& s = *w->Surface;
  bool layered = (w->ExStyle & WinManage::WS_EX_LAYERED) != 0;
  bool keyed = layered && (w->LayerFlags & LWA_COLORKEY) && !w->LayerPerPixel;
  uint32_t key = ColorToPixel(w->LayerKey) & 0xFFFFFF;
  unsigned constant = layered ? w->LayerAlpha : 255;
  for (int y = 0; y < s.Height(); ++y) {
    int sy = w->Rect.top + y;
    if (sy < 0 || sy >= screen.Height()) continue;
    for (int x = 0; x < s.Width(); ++x) {
      int sx = w->Rect.left + x;
      if (sx < 0 || sx >= screen.Width()) continue;
      if (w->WindowRgn && !PtInRegion(w->WindowRgn, x, y)) continue;
      uint32_t p = s.Pixel(x, y);
      if (keyed && (p & 0xFFFFFF) == key) continue;
      uint32_t& d = screen.Scanline(sy)[sx];
      if (w->LayerPerPixel && layered) {
        unsigned a = ((p >> 24) & 0xFF) * constant / 255;
        uint32_t scaled = 0;
        for (int shift = 0; shift < 24; shift += 8) scaled |= (((p >> shift) & 0xFF) * constant / 255) << shift;
        d = Blend(d, scaled, a, true);
      } else if (constant < 255) {
        d = Blend(d, p, constant, false);
      } else {
        d = Opaque(p);
      }
    }
  }
}

}  // namespace

void ComposeScreen(TGdiSurface& screen) {
  SIZE size = Backend().ScreenSize();
  screen.Resize(size.cx, size.cy);
  screen.Fill(Opaque(ColorToPixel(GetSysColor(COLOR_BACKGROUND))));
  const auto& tops = DesktopRec()->Children;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) ComposeWindow(screen, *it);
}

bool CaptureWindow(HWND hwnd, TGdiSurface& picture) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return false;
  TWindow* top = TopLevelOf(w);
  if (!top->Surface) return false;
  POINT a = WindowOrigin(w), b = WindowOrigin(top);
  int ox = a.x - b.x, oy = a.y - b.y;
  int width = w->Rect.right - w->Rect.left, height = w->Rect.bottom - w->Rect.top;
  picture.Resize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (top->Surface->Contains(ox + x, oy + y)) picture.SetPixel(x, y, Opaque(top->Surface->Pixel(ox + x, oy + y)));
  return true;
}

bool SaveScreenPng(const String& fileName) {
  TGdiSurface screen;
  ComposeScreen(screen);
  return SaveSurfaceToPng(screen, fileName);
}

bool SaveWindowPng(HWND hwnd, const String& fileName) {
  TGdiSurface picture;
  return CaptureWindow(hwnd, picture) && SaveSurfaceToPng(picture, fileName);
}

int BeepCount() {
  auto* h = dynamic_cast<WinBackend::THeadless*>(&Backend());
  return h ? h->Beeps : 0;
}

void ResetWindowManager() {
  std::vector<HWND> tops;
  for (TWindow* c : DesktopRec()->Children) tops.push_back(c->Handle);
  for (HWND h : tops) DestroyWindow(h);
  ResetQueue();
  ResetTimers();
  ResetHooks();
  ResetFocusState();
  ResetInputState();
  ResetPaintState();
  ResetCaret();
  ResetClasses();
  ResetSystemParameters();
  SetCursor(nullptr);
  if (auto* h = dynamic_cast<WinBackend::THeadless*>(&Backend())) h->Beeps = 0;
  CollectDestroyedWindows();
}

}  // namespace HeadlessBackend
