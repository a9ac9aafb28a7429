// The window records and the handle table. Handles are never reused, so a stale handle is simply
// invalid; a destroyed window's record (marked Destroyed) lives on until the outermost message loop
// asks for the next message, so that code holding it across a call into a window procedure may
// check it, and a window may be destroyed inside its own handlers.
#include "WinInternals.h"

#include <mutex>
#include <unordered_map>

#include "WinHooks.h"
#include "WinManage.h"
#include "WinQueue.h"

namespace WinInternals {

namespace {

struct TTable {
  std::mutex Lock;  // PostMessage checks handles from other threads
  std::unordered_map<uintptr_t, std::unique_ptr<TWindow>> Live;
  std::vector<std::unique_ptr<TWindow>> Graveyard;
  uintptr_t NextHandle = 0x10000;
  std::vector<TWindow*> CreationOrder;
};

TTable& Table() {
  static TTable t;
  return t;
}

}  // namespace

void CollectDestroyedWindows() {
  if (State().CalloutDepth == 0) Table().Graveyard.clear();
}

TWinState& State() {
  static TWinState s;
  return s;
}

TWindow* FindWindowRec(HWND hwnd) {
  if (!hwnd) return nullptr;
  TTable& t = Table();
  std::lock_guard<std::mutex> guard(t.Lock);
  auto it = t.Live.find(reinterpret_cast<uintptr_t>(hwnd));
  if (it == t.Live.end() || it->second->Destroyed) return nullptr;
  return it->second.get();
}

TWindow* NewWindowRec() {
  TTable& t = Table();
  auto rec = std::make_unique<TWindow>();
  TWindow* w = rec.get();
  std::lock_guard<std::mutex> guard(t.Lock);
  t.NextHandle += 4;
  w->Handle = reinterpret_cast<HWND>(t.NextHandle);
  t.Live.emplace(t.NextHandle, std::move(rec));
  t.CreationOrder.push_back(w);
  return w;
}

TWindow* DesktopRec() {
  TWinState& s = State();
  if (!s.Desktop) {
    TWindow* d = NewWindowRec();
    d->Style = 0x10000000u | 0x02000000u | 0x04000000u;  // visible, clipping children and siblings
    d->Rect = RECT{0, 0, 1280, 1024};
    d->Client = d->Rect;
    s.Desktop = d;
  }
  return s.Desktop;
}

void ReleaseWindowRec(TWindow* w) {
  TTable& t = Table();
  {
    std::lock_guard<std::mutex> guard(t.Lock);
    auto it = t.Live.find(reinterpret_cast<uintptr_t>(w->Handle));
    if (it == t.Live.end()) return;
    t.Graveyard.push_back(std::move(it->second));
    t.Live.erase(it);
    std::erase(t.CreationOrder, w);
  }
}

std::vector<TWindow*> AllWindows() {
  TTable& t = Table();
  std::vector<TWindow*> r;
  std::lock_guard<std::mutex> guard(t.Lock);
  for (TWindow* w : t.CreationOrder)
    if (w != State().Desktop && !w->Destroyed) r.push_back(w);
  return r;
}

bool IsTopLevel(const TWindow* w) { return w && w->Parent == State().Desktop; }

bool TakesActivation(const TWindow* top) {
  return !(top->ExStyle & WinManage::WS_EX_NOACTIVATE) && !top->IsChildStyle();
}

TWindow* TopLevelOf(TWindow* w) {
  while (w && w->Parent && w->Parent != State().Desktop) w = w->Parent;
  return w;
}

POINT WindowOrigin(const TWindow* w) {
  if (!w->Parent) return POINT{w->Rect.left, w->Rect.top};
  POINT p = ClientOrigin(w->Parent);
  return POINT{p.x + w->Rect.left, p.y + w->Rect.top};
}

POINT ClientOrigin(const TWindow* w) {
  POINT p = WindowOrigin(w);
  return POINT{p.x + w->Client.left, p.y + w->Client.top};
}

bool IsVisibleChain(const TWindow* w) {
  for (; w; w = w->Parent)
    if (!(w->Style & 0x10000000u)) return false;
  return true;
}

bool IsAncestor(const TWindow* ancestor, const TWindow* w) {
  for (w = w ? w->Parent : nullptr; w; w = w->Parent)
    if (w == ancestor) return true;
  return false;
}

LRESULT CallProc(TWindow* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = w->Handle;
  WNDPROC proc = w->Proc;
  TWinState& s = State();
  if (HasHooks(WH_CALLWNDPROC)) {
    CWPSTRUCT cwp{lParam, wParam, msg, hwnd};
    CallHooks(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
    if (!FindWindowRec(hwnd)) return 0;
    proc = w->Proc;
  }
  struct TDepth {
    TWinState& S;
    explicit TDepth(TWinState& s) : S(s) { ++S.CalloutDepth; }
    ~TDepth() { --S.CalloutDepth; }
  } depth(s);
  LRESULT result = CallWindowProcA(proc, hwnd, msg, wParam, lParam);
  if (HasHooks(WH_CALLWNDPROCRET)) {
    CWPRETSTRUCT ret{result, lParam, wParam, msg, hwnd};
    CallHooks(WH_CALLWNDPROCRET, HC_ACTION, 1, reinterpret_cast<LPARAM>(&ret));
  }
  return result;
}

void ResetWindowRecords() {
  TTable& t = Table();
  std::lock_guard<std::mutex> guard(t.Lock);
  t.Live.clear();
  t.CreationOrder.clear();
  if (State().CalloutDepth == 0) t.Graveyard.clear();
  TWinState& s = State();
  s = TWinState{};
}

}  // namespace WinInternals
