// The thread hook chains. A filter removed while a chain runs stays in the list, marked, until no
// chain runs, so that CallNextHookEx from a running filter still finds its place.
#include "WinHooks.h"

#include <algorithm>
#include <memory>

#include "WinInternals.h"
#include "WinManage.h"
#include "Threads.h"

namespace WinHooks {

namespace {

struct THook {
  int Id = 0;
  HOOKPROC Proc = nullptr;
  bool Removed = false;
};

struct THooks {
  std::vector<std::unique_ptr<THook>> List;  // newest first
  int Running = 0;
};

THooks& Hooks() {
  static THooks h;
  return h;
}

bool KnownKind(int id) {
  switch (id) {
    case WH_KEYBOARD: case WH_GETMESSAGE: case WH_CALLWNDPROC: case WH_CBT: case WH_MOUSE:
    case WH_CALLWNDPROCRET: case WH_MSGFILTER: case WH_FOREGROUNDIDLE:
      return true;
    default:
      return false;
  }
}

void Compact() {
  THooks& h = Hooks();
  if (h.Running == 0) std::erase_if(h.List, [](const std::unique_ptr<THook>& p) { return p->Removed; });
}

// Calls the first live filter of `id` after position `from` in the list.
LRESULT CallFrom(size_t from, int id, int code, WPARAM wParam, LPARAM lParam) {
  THooks& h = Hooks();
  for (size_t i = from; i < h.List.size(); ++i) {
    THook* hook = h.List[i].get();
    if (hook->Id != id || hook->Removed) continue;
    ++h.Running;
    struct TLeave {
      ~TLeave() {
        --Hooks().Running;
        Compact();
      }
    } leave;
    return hook->Proc(code, wParam, lParam);
  }
  return 0;
}

}  // namespace

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  if (!proc || !KnownKind(idHook)) return nullptr;
  if (threadId != 0 && threadId != GetCurrentThreadId()) return nullptr;
  auto hook = std::make_unique<THook>();
  hook->Id = idHook;
  hook->Proc = proc;
  HHOOK handle = reinterpret_cast<HHOOK>(hook.get());
  Hooks().List.insert(Hooks().List.begin(), std::move(hook));
  return handle;
}

BOOL UnhookWindowsHookEx(HHOOK handle) {
  for (auto& p : Hooks().List)
    if (reinterpret_cast<HHOOK>(p.get()) == handle && !p->Removed) {
      p->Removed = true;
      Compact();
      return TRUE;
    }
  return FALSE;
}

LRESULT CallNextHookEx(HHOOK handle, int code, WPARAM wParam, LPARAM lParam) {
  THooks& h = Hooks();
  for (size_t i = 0; i < h.List.size(); ++i)
    if (reinterpret_cast<HHOOK>(h.List[i].get()) == handle)
      return CallFrom(i + 1, h.List[i]->Id, code, wParam, lParam);
  return 0;
}

}  // namespace WinHooks

namespace WinInternals {

bool HasHooks(int idHook) {
  for (auto& p : WinHooks::Hooks().List)
    if (p->Id == idHook && !p->Removed) return true;
  return false;
}

LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam) {
  return WinHooks::CallFrom(0, idHook, code, wParam, lParam);
}

void ResetHooks() {
  for (auto& p : WinHooks::Hooks().List) p->Removed = true;
  WinHooks::Compact();
}

}  // namespace WinInternals
