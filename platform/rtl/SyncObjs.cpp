#include "SyncObjs.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#include "SysInfo.h"
#include "Threads.h"

namespace SyncObjs {

namespace {

// A waitable system object. Waiting, owning and signalling all go through its one lock.
struct TKernelObject {
  enum TKind { kMutex, kEvent } Kind;
  std::mutex Lock;
  std::condition_variable Changed;
  // Mutex: the owning thread (0 = free) and how often it acquired the mutex.
  DWORD Owner = 0;
  Integer Recursion = 0;
  // Event.
  bool ManualReset = false;
  bool Signalled = false;

  explicit TKernelObject(TKind kind) : Kind(kind) {}

  // Called with Lock held: whether the calling thread may take the object now, and takes it.
  bool TryTake(DWORD me) {
    if (Kind == kMutex) {
      if (Owner != 0 && Owner != me) return false;
      Owner = me;
      ++Recursion;
      return true;
    }
    if (!Signalled) return false;
    if (!ManualReset) Signalled = false;
    return true;
  }
};

// Live handles; a handle is the address of its object, checked here before any use. Shared
// ownership keeps an object alive for a wait in progress while another thread closes the handle.
struct THandleTable {
  std::mutex Lock;
  std::map<HANDLE, std::shared_ptr<TKernelObject>> Objects;
};
THandleTable& Handles() {
  static THandleTable table;
  return table;
}

HANDLE AddHandle(std::shared_ptr<TKernelObject> obj) {
  auto& t = Handles();
  std::lock_guard guard(t.Lock);
  HANDLE h = obj.get();
  t.Objects.emplace(h, std::move(obj));
  return h;
}

std::shared_ptr<TKernelObject> Lookup(HANDLE h, int kind = -1) {
  auto& t = Handles();
  std::lock_guard guard(t.Lock);
  auto it = t.Objects.find(h);
  if (it == t.Objects.end() || (kind >= 0 && it->second->Kind != kind)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return it->second;
}

bool NameRefused(const char* name) {
  if (name && *name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return true;
  }
  return false;
}

}  // namespace

HANDLE CreateMutex(SECURITY_ATTRIBUTES*, BOOL initialOwner, const char* name) {
  if (NameRefused(name)) return nullptr;
  auto obj = std::make_shared<TKernelObject>(TKernelObject::kMutex);
  if (initialOwner) {
    obj->Owner = GetCurrentThreadId();
    obj->Recursion = 1;
  }
  return AddHandle(std::move(obj));
}

BOOL ReleaseMutex(HANDLE mutex) {
  auto obj = Lookup(mutex, TKernelObject::kMutex);
  if (!obj) return FALSE;
  std::lock_guard guard(obj->Lock);
  if (obj->Owner != GetCurrentThreadId()) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  if (--obj->Recursion == 0) {
    obj->Owner = 0;
    obj->Changed.notify_all();
  }
  return TRUE;
}

HANDLE CreateEvent(SECURITY_ATTRIBUTES*, BOOL manualReset, BOOL initialState, const char* name) {
  if (NameRefused(name)) return nullptr;
  auto obj = std::make_shared<TKernelObject>(TKernelObject::kEvent);
  obj->ManualReset = manualReset != FALSE;
  obj->Signalled = initialState != FALSE;
  return AddHandle(std::move(obj));
}

BOOL SetEvent(HANDLE event) {
  auto obj = Lookup(event, TKernelObject::kEvent);
  if (!obj) return FALSE;
  std::lock_guard guard(obj->Lock);
  obj->Signalled = true;
  obj->Changed.notify_all();
  return TRUE;
}

BOOL ResetEvent(HANDLE event) {
  auto obj = Lookup(event, TKernelObject::kEvent);
  if (!obj) return FALSE;
  std::lock_guard guard(obj->Lock);
  obj->Signalled = false;
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  auto obj = Lookup(handle);
  if (!obj) return WAIT_FAILED;
  DWORD me = GetCurrentThreadId();
  std::unique_lock lock(obj->Lock);
  auto ready = [&] { return obj->TryTake(me); };
  if (milliseconds == INFINITE) {
    obj->Changed.wait(lock, ready);
    return WAIT_OBJECT_0;
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  return obj->Changed.wait_until(lock, deadline, ready) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

BOOL CloseHandle(HANDLE handle) {
  auto& t = Handles();
  std::lock_guard guard(t.Lock);
  if (t.Objects.erase(handle) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

// ---- Class-library objects ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TSynchroObject)
IMPLEMENT_CLASS(TCriticalSection)
IMPLEMENT_ABSTRACT_CLASS(THandleObject)
IMPLEMENT_CLASS(TEvent)
IMPLEMENT_CLASS(TSimpleEvent)

struct TCriticalSection::TSection {
  std::recursive_mutex Mutex;
};

void TCriticalSection::Construct() {
  inherited::Construct();
  FSection = new TSection;
}

void TCriticalSection::Destroy() {
  delete FSection;
  FSection = nullptr;
  inherited::Destroy();
}

void TCriticalSection::Acquire() { FSection->Mutex.lock(); }
void TCriticalSection::Release() { FSection->Mutex.unlock(); }
bool TCriticalSection::TryEnter() { return FSection->Mutex.try_lock(); }

TWaitResult THandleObject::WaitFor(DWORD timeout) {
  switch (WaitForSingleObject(FHandle, timeout)) {
    case WAIT_OBJECT_0: return wrSignaled;
    case WAIT_TIMEOUT: return wrTimeout;
    case WAIT_ABANDONED: return wrAbandoned;
    default: return wrError;
  }
}

void THandleObject::Destroy() {
  if (FHandle) CloseHandle(FHandle);
  FHandle = nullptr;
  inherited::Destroy();
}

void TEvent::Construct() {
  inherited::Construct();
  FHandle = CreateEvent(nullptr, FManualReset, FInitialState, nullptr);
}

void TEvent::SetEvent() { SyncObjs::SetEvent(FHandle); }
void TEvent::ResetEvent() { SyncObjs::ResetEvent(FHandle); }

}  // namespace SyncObjs
