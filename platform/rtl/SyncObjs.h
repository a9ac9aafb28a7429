// Synchronisation: the class library's critical section and event objects, and the system's
// mutex and event handles with WaitForSingleObject.
//
// Handles (HANDLE, an opaque pointer) are checked on every call: an unknown or closed handle makes
// the call fail with ERROR_INVALID_HANDLE instead of touching memory. Mutexes are recursive for the
// thread that owns them, as the system's are (a mutex whose owner thread ends without releasing
// it stays owned: there is no abandoned state); only unnamed objects exist (a name makes the creation
// fail with ERROR_INVALID_PARAMETER): nothing here is shared with other processes.
#pragma once

#include "System.h"
#include "WinDef.h"

namespace SyncObjs {

constexpr DWORD INFINITE = 0xFFFFFFFFu;
constexpr DWORD WAIT_OBJECT_0 = 0x00000000u;
constexpr DWORD WAIT_ABANDONED = 0x00000080u;
constexpr DWORD WAIT_TIMEOUT = 0x00000102u;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFFu;

// The security attributes the creation calls take; only null is meaningful here.
struct SECURITY_ATTRIBUTES;

// A mutex, owned by the calling thread at once when `initialOwner`.
HANDLE CreateMutex(SECURITY_ATTRIBUTES* attributes, BOOL initialOwner, const char* name);
// False with ERROR_NOT_OWNER when the calling thread does not own the mutex.
BOOL ReleaseMutex(HANDLE mutex);
// An event: a manual-reset event stays signalled until reset; an automatic one releases one waiter
// and resets itself.
HANDLE CreateEvent(SECURITY_ATTRIBUTES* attributes, BOOL manualReset, BOOL initialState, const char* name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);
// Waits until the object is signalled (a mutex: free or already owned by the caller, which then
// owns it once more) or `milliseconds` pass (INFINITE: no limit; 0: just test).
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
BOOL CloseHandle(HANDLE handle);

// ---- Class-library objects ------------------------------------------------------------------------------
enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

class TSynchroObject : public TObject {
  DECLARE_CLASS(TSynchroObject, TObject)
 public:
  virtual void Acquire() {}
  virtual void Release() {}
};

// Recursive for the owning thread; Leave must pair with Enter (or a successful TryEnter).
class TCriticalSection : public TSynchroObject {
  DECLARE_CLASS(TCriticalSection, TSynchroObject)
 public:
  void Acquire() override;
  void Release() override;
  void Enter() { Acquire(); }
  void Leave() { Release(); }
  bool TryEnter();

 protected:
  TCriticalSection() = default;
  void Construct() override;
  void Destroy() override;

 private:
  struct TSection;
  TSection* FSection = nullptr;
};

// An event object over an event handle. New<TEvent>(manualReset, initialState).
class THandleObject : public TSynchroObject {
  DECLARE_CLASS(THandleObject, TSynchroObject)
 public:
  HANDLE GetHandle() const { return FHandle; }
  TWaitResult WaitFor(DWORD timeout);

 protected:
  THandleObject() = default;
  void Destroy() override;
  HANDLE FHandle = nullptr;
};

class TEvent : public THandleObject {
  DECLARE_CLASS(TEvent, THandleObject)
 public:
  void SetEvent();
  void ResetEvent();

 protected:
  explicit TEvent(bool manualReset = true, bool initialState = false)
      : FManualReset(manualReset), FInitialState(initialState) {}
  void Construct() override;

 private:
  bool FManualReset;
  bool FInitialState;
};

// A manual-reset event, initially reset.
class TSimpleEvent : public TEvent {
  DECLARE_CLASS(TSimpleEvent, TEvent)
 protected:
  TSimpleEvent() : TEvent(true, false) {}
};

// Enters a critical section for the life of the guard (the design's try ... finally Leave).
class TCriticalSectionGuard {
 public:
  explicit TCriticalSectionGuard(TCriticalSection* section) : FSection(section) { FSection->Enter(); }
  ~TCriticalSectionGuard() { FSection->Leave(); }
  TCriticalSectionGuard(const TCriticalSectionGuard&) = delete;
  TCriticalSectionGuard& operator=(const TCriticalSectionGuard&) = delete;

 private:
  TCriticalSection* FSection;
};

}  // namespace SyncObjs

using namespace SyncObjs;
