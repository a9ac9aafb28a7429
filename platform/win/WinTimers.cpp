// Timers. WM_TIMER is not queued: when the queue has nothing else, the first due timer makes one,
// and removing it schedules the timer's next period from that moment.
#include "WinTimers.h"

#include <algorithm>

#include "Messages.h"
#include "WinInternals.h"

namespace WinTimers {

namespace {

struct TTimer {
  HWND Hwnd = nullptr;
  UINT_PTR Id = 0;
  UINT Interval = 0;
  TIMERPROC Proc = nullptr;
  uint64_t Due = 0;
};

struct TTimers {
  std::vector<TTimer> List;
  UINT_PTR NextThreadId = 0x7FF0;
};

TTimers& Timers() {
  static TTimers t;
  return t;
}

TTimer* Find(HWND hwnd, UINT_PTR id) {
  for (TTimer& t : Timers().List)
    if (t.Hwnd == hwnd && t.Id == id) return &t;
  return nullptr;
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !FindWindowRec(hwnd)) return 0;
  elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  TTimers& all = Timers();
  if (!hwnd && !Find(nullptr, id)) {
    do {
      id = ++all.NextThreadId;
    } while (id == 0 || Find(nullptr, id));
  }
  TTimer* t = Find(hwnd, id);
  if (!t) {
    all.List.push_back(TTimer{hwnd, id});
    t = &all.List.back();
  }
  t->Interval = elapse;
  t->Proc = proc;
  t->Due = Ticks64() + elapse;
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& list = Timers().List;
  auto n = std::erase_if(list, [&](const TTimer& t) { return t.Hwnd == hwnd && t.Id == id; });
  return n ? TRUE : FALSE;
}

}  // namespace WinTimers

namespace WinInternals {

bool PeekTimer(MSG* msg, HWND filter, UINT min, UINT max, bool remove) {
  if (!PassesFilter(nullptr, WM_TIMER, nullptr, min, max)) return false;
  uint64_t now = Ticks64();
  WinTimers::TTimer* best = nullptr;
  for (WinTimers::TTimer& t : WinTimers::Timers().List) {
    if (t.Due > now || !PassesFilter(t.Hwnd, WM_TIMER, filter, min, max)) continue;
    if (!best || t.Due < best->Due) best = &t;
  }
  if (!best) return false;
  *msg = MSG{};
  msg->hwnd = best->Hwnd;
  msg->message = WM_TIMER;
  msg->wParam = best->Id;
  msg->lParam = reinterpret_cast<LPARAM>(best->Proc);
  msg->time = static_cast<DWORD>(now);
  msg->pt = CursorPosition();
  if (remove) best->Due = now + best->Interval;
  return true;
}

bool TimerStillSet(HWND hwnd, UINT_PTR id, TIMERPROC proc) {
  WinTimers::TTimer* t = WinTimers::Find(hwnd, id);
  return t && t->Proc == proc;
}

DWORD TicksToNextTimer() {
  uint64_t now = Ticks64();
  uint64_t best = UINT64_MAX;
  for (const WinTimers::TTimer& t : WinTimers::Timers().List) best = std::min(best, t.Due);
  if (best == UINT64_MAX) return 0xFFFFFFFF;
  if (best <= now) return 0;
  return static_cast<DWORD>(std::min<uint64_t>(best - now, 0xFFFFFFFE));
}

void KillWindowTimers(HWND hwnd) {
  std::erase_if(WinTimers::Timers().List, [hwnd](const WinTimers::TTimer& t) { return t.Hwnd == hwnd; });
}

void ResetTimers() { WinTimers::Timers().List.clear(); }

}  // namespace WinInternals
