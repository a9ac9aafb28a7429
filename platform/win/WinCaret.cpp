// The caret of the user-interface thread.
#include "WinCaret.h"

#include "WinGdi.h"
#include "WinInternals.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinTimers.h"
#include "WinUserDraw.h"

namespace WinCaret {

namespace {

struct TCaret {
  HWND Owner = nullptr;
  int Width = 0;
  int Height = 0;
  POINT Pos;
  int HideCount = 1;
  bool Drawn = false;  // inverted on the screen now
  UINT_PTR Timer = 0;
  UINT BlinkTime = 530;
};

TCaret& Caret() {
  static TCaret c;
  return c;
}

// Inverts the caret's pixels: drawing twice restores them.
void Invert() {
  TCaret& c = Caret();
  HDC dc = GetDC(c.Owner);
  if (!dc) return;
  RECT r{c.Pos.x, c.Pos.y, c.Pos.x + c.Width, c.Pos.y + c.Height};
  InvertRect(dc, &r);
  ReleaseDC(c.Owner, dc);
  c.Drawn = !c.Drawn;
}

void Undraw() {
  if (Caret().Drawn && FindWindowRec(Caret().Owner)) Invert();
  Caret().Drawn = false;
}

void Blink(HWND, UINT, UINT_PTR, DWORD) {
  TCaret& c = Caret();
  if (!FindWindowRec(c.Owner)) return;
  if (c.HideCount == 0) Invert();
}

void StopBlinking() {
  TCaret& c = Caret();
  if (c.Timer) KillTimer(nullptr, c.Timer);
  c.Timer = 0;
}

void StartBlinking() {
  TCaret& c = Caret();
  StopBlinking();
  c.Timer = SetTimer(nullptr, 0, c.BlinkTime, Blink);
}

}  // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height) {
  if (!FindWindowRec(hwnd)) return FALSE;
  DestroyCaret();
  TCaret& c = Caret();
  c.Owner = hwnd;
  c.Width = width > 0 ? width : GetSystemMetrics(SM_CXBORDER);
  c.Height = height > 0 ? height : GetSystemMetrics(SM_CYBORDER);
  if (bitmap && bitmap != reinterpret_cast<HBITMAP>(1)) {
    BITMAP bm;
    if (GetObjectA(bitmap, sizeof bm, &bm)) {
      c.Width = bm.bmWidth;
      c.Height = bm.bmHeight;
    }
  }
  c.Pos = POINT{0, 0};
  c.HideCount = 1;
  c.Drawn = false;
  return TRUE;
}

BOOL DestroyCaret() {
  TCaret& c = Caret();
  if (!c.Owner) return FALSE;
  Undraw();
  StopBlinking();
  c.Owner = nullptr;
  c.HideCount = 1;
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  TCaret& c = Caret();
  if (!c.Owner || (hwnd && hwnd != c.Owner) || c.HideCount == 0) return FALSE;
  if (--c.HideCount == 0) {
    if (!c.Drawn) Invert();
    StartBlinking();
  }
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  TCaret& c = Caret();
  if (!c.Owner || (hwnd && hwnd != c.Owner)) return FALSE;
  if (c.HideCount++ == 0) {
    Undraw();
    StopBlinking();
  }
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  TCaret& c = Caret();
  if (!c.Owner) return FALSE;
  if (c.Pos.x == x && c.Pos.y == y) return TRUE;
  Undraw();
  c.Pos = POINT{x, y};
  if (c.HideCount == 0) {
    Invert();  // a moved caret shows at once and blinks from there
    StartBlinking();
  }
  return TRUE;
}

BOOL GetCaretPos(POINT* point) {
  if (!point) return FALSE;
  *point = Caret().Pos;
  return TRUE;
}

UINT GetCaretBlinkTime() { return Caret().BlinkTime; }

BOOL SetCaretBlinkTime(UINT ms) {
  Caret().BlinkTime = ms ? ms : 530;
  return TRUE;
}

}  // namespace WinCaret

namespace WinInternals {

bool CaretHiddenForPaint(HWND hwnd) {
  WinCaret::TCaret& c = WinCaret::Caret();
  if (c.Owner != hwnd || !c.Drawn) return false;
  WinCaret::Undraw();
  return true;
}

void CaretShownAfterPaint(HWND hwnd) {
  WinCaret::TCaret& c = WinCaret::Caret();
  if (c.Owner == hwnd && c.HideCount == 0 && !c.Drawn) WinCaret::Invert();
}

void CaretOwnerDestroyed(HWND hwnd) {
  if (WinCaret::Caret().Owner == hwnd) {
    WinCaret::Caret().Drawn = false;
    WinCaret::DestroyCaret();
  }
}

void ResetCaret() {
  WinCaret::StopBlinking();
  WinCaret::Caret() = WinCaret::TCaret{};
}

}  // namespace WinInternals
