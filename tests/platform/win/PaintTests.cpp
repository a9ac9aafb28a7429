// Update regions, WM_PAINT with erasing, clipping of children, window scrolling and pictures.
#include <cstdio>

#include "GdiPng.h"
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class Painting : public TWinFixture {};

uint32_t PixelAt(HWND hwnd, int x, int y) {
  TGdiSurface picture;
  EXPECT_TRUE(CaptureWindow(hwnd, picture));
  return picture.Pixel(x, y) & 0xFFFFFF;
}

constexpr uint32_t Red = 0xFF0000, Blue = 0x0000FF, White = 0xFFFFFF;

// Paints the client area in one colour through BeginPaint.
bool PaintIn(HWND h, UINT msg, COLORREF color, HWND target) {
  if (msg != WM_PAINT || h != target) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(h, &ps);
  HBRUSH b = CreateSolidBrush(color);
  RECT r;
  GetClientRect(h, &r);
  FillRect(dc, &r, b);
  DeleteObject(b);
  EndPaint(h, &ps);
  return true;
}

TEST_F(Painting, InvalidationBringsEraseAndPaintForTheUpdateArea) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT};
  RECT paintRect{};
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(h, &ps);
    paintRect = ps.rcPaint;
    EndPaint(h, &ps);
    return true;
  };
  RECT r{10, 10, 20, 20};
  InvalidateRect(w, &r, TRUE);
  RECT r2{30, 30, 40, 40};
  InvalidateRect(w, &r2, FALSE);
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:PAINT", "w:ERASEBKGND"}));
  EXPECT_EQ(paintRect, (RECT{10, 10, 40, 40}));
  Recorder().Clear();
  InvalidateRect(w, nullptr, FALSE);
  ValidateRect(w, nullptr);
  EXPECT_EQ(ProcessMessages(), 0);
}

TEST_F(Painting, ChildrenPaintAfterTheirParentAndClipTheirArea) {
  HWND top = MakeWindow("top", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100);
  HWND child = MakeWindow("child", WS_CHILD | WS_VISIBLE, 20, 20, 30, 30, top);
  Recorder().Clear();
  Recorder().Watched = {WM_PAINT};
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    return PaintIn(h, msg, RGB(255, 0, 0), top) || PaintIn(h, msg, RGB(0, 0, 255), child);
  };
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"top:PAINT", "child:PAINT"}));
  EXPECT_EQ(PixelAt(top, 5, 5), Red);
  EXPECT_EQ(PixelAt(top, 25, 25), Blue);
  // The parent repaints alone: the child's pixels stay.
  InvalidateRect(top, nullptr, TRUE);
  Recorder().Clear();
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), std::vector<std::string>{"top:PAINT"});
  EXPECT_EQ(PixelAt(top, 25, 25), Blue);
  ShowWindow(child, SW_HIDE);
  ProcessMessages();
  EXPECT_EQ(PixelAt(top, 25, 25), Red) << "the area a hidden child leaves is repainted";
}

TEST_F(Painting, AHandlerThatNeverValidatesDoesNotPaintForever) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  int paints = 0;
  Recorder().OnMessage = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_PAINT) ++paints;
    return msg == WM_PAINT;
  };
  ProcessMessages();
  EXPECT_EQ(paints, 1);
  InvalidateRect(w, nullptr, TRUE);
  ProcessMessages();
  EXPECT_EQ(paints, 2);
}

TEST_F(Painting, RedrawSuspensionHoldsPaintUntilResumed) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  ProcessMessages();
  SendMessage(w, WM_SETREDRAW, FALSE, 0);
  InvalidateRect(w, nullptr, TRUE);
  Recorder().Clear();
  Recorder().Watched = {WM_PAINT};
  EXPECT_EQ(ProcessMessages(), 0);
  SendMessage(w, WM_SETREDRAW, TRUE, 0);
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), std::vector<std::string>{"w:PAINT"});
}

TEST_F(Painting, ScrollWindowExMovesPixelsAndInvalidatesTheUncoveredStrip) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT top{0, 0, 100, 10};
    HBRUSH b = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &top, b);
    DeleteObject(b);
    EndPaint(h, &ps);
    return true;
  };
  ProcessMessages();
  Recorder().OnMessage = nullptr;
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  RECT box;
  EXPECT_EQ(ScrollWindowEx(w, 0, 20, nullptr, nullptr, update, &box, SW_INVALIDATE), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 100, 20}));
  EXPECT_EQ(PixelAt(w, 50, 25), Red) << "the red band moved down by 20";
  RECT pending;
  EXPECT_TRUE(GetUpdateRect(w, &pending, FALSE));
  EXPECT_EQ(pending, (RECT{0, 0, 100, 20}));
  DeleteObject(update);
}

TEST_F(Painting, WindowRegionShapesTheWindowOnTheScreen) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) { return PaintIn(h, msg, RGB(255, 0, 0), w); };
  SetWindowRgn(w, CreateRectRgn(0, 0, 50, 100), TRUE);
  ProcessMessages();
  TGdiSurface screen;
  ComposeScreen(screen);
  EXPECT_EQ(screen.Pixel(10, 10) & 0xFFFFFF, Red);
  EXPECT_NE(screen.Pixel(80, 10) & 0xFFFFFF, Red);
  EXPECT_EQ(WindowFromPoint(POINT{80, 10}), nullptr) << "outside the region the window takes no hits";
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, copy), SIMPLEREGION);
  DeleteObject(copy);
}

TEST_F(Painting, LayeredWindowsBlendOverWhatIsBelow) {
  HWND below = MakeWindow("below", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND above = MakeWindow("above", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, WS_EX_LAYERED);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    return PaintIn(h, msg, RGB(255, 255, 255), below) || PaintIn(h, msg, RGB(0, 0, 0), above);
  };
  ProcessMessages();
  SetLayeredWindowAttributes(above, 0, 128, LWA_ALPHA);
  TGdiSurface screen;
  ComposeScreen(screen);
  uint32_t p = screen.Pixel(50, 50) & 0xFF;
  EXPECT_NEAR(static_cast<int>(p), 127, 2);
  SetLayeredWindowAttributes(above, RGB(0, 0, 0), 255, LWA_COLORKEY);
  ComposeScreen(screen);
  EXPECT_EQ(screen.Pixel(50, 50) & 0xFFFFFF, White) << "the key colour is see-through";
}

}  // namespace

namespace {

TEST_F(Painting, CaretInvertsWhileShownBlinksAndNestsHiding) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  ProcessMessages();
  ASSERT_EQ(PixelAt(w, 11, 12), White);
  ASSERT_TRUE(CreateCaret(w, nullptr, 2, 10));
  SetCaretPos(10, 10);
  EXPECT_EQ(PixelAt(w, 11, 12), White) << "a new caret is hidden";
  ShowCaret(w);
  EXPECT_EQ(PixelAt(w, 11, 12), 0u);
  HideCaret(w);
  HideCaret(w);
  ShowCaret(w);
  EXPECT_EQ(PixelAt(w, 11, 12), White) << "hidden twice, shown once";
  ShowCaret(w);
  EXPECT_EQ(PixelAt(w, 11, 12), 0u);
  InvalidateRect(w, nullptr, TRUE);
  ProcessMessages();
  EXPECT_EQ(PixelAt(w, 11, 12), 0u) << "painting under the caret keeps it drawn";
  Advance(GetCaretBlinkTime());
  ProcessMessages();
  EXPECT_EQ(PixelAt(w, 11, 12), White) << "blinked off";
  Advance(GetCaretBlinkTime());
  ProcessMessages();
  EXPECT_EQ(PixelAt(w, 11, 12), 0u);
  DestroyCaret();
  EXPECT_EQ(PixelAt(w, 11, 12), White);
}

}  // namespace
