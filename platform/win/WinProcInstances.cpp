// Window procedures that stand for methods. A method instance is a record of ours whose address
// serves as the procedure value; CallWindowProc recognises it and calls the method with a TMessage.
#include <unordered_set>

#include "WinInternals.h"
#include "WinQueue.h"

namespace WinQueue {

namespace {

struct TObjectInstance {
  TWndMethod Method;
};

std::unordered_set<const void*>& LiveInstances() {
  static std::unordered_set<const void*> s;
  return s;
}

TObjectInstance* AsInstance(WNDPROC proc) {
  auto* p = reinterpret_cast<TObjectInstance*>(proc);
  return LiveInstances().count(p) ? p : nullptr;
}

}  // namespace

WNDPROC MakeObjectInstance(const TWndMethod& method) {
  auto* inst = new TObjectInstance{method};
  LiveInstances().insert(inst);
  return reinterpret_cast<WNDPROC>(inst);
}

void FreeObjectInstance(WNDPROC instance) {
  TObjectInstance* inst = AsInstance(instance);
  if (!inst) return;
  LiveInstances().erase(inst);
  delete inst;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  if (TObjectInstance* inst = AsInstance(proc)) {
    // The method may free its own instance while it runs: call a copy.
    TWndMethod method = inst->Method;
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    method(m);
    return m.Result;
  }
  return proc(hwnd, msg, wParam, lParam);
}

}  // namespace WinQueue
