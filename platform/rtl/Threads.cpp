#include "Threads.h"

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "Exceptions.h"

namespace Threads {

DWORD GetCurrentThreadId() {
  thread_local const DWORD id = static_cast<DWORD>(gettid());
  return id;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

// The process's first thread has the process's own id.
DWORD MainThreadID() { return GetCurrentProcessId(); }

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

bool IsLibrary = false;
TNotifyEvent WakeMainThread;

// ---- Methods handed to the main thread ---------------------------------------------------------------
namespace {

struct TSyncEntry {
  TThreadMethod Method;
  bool Waiting = false;  // Synchronize: the worker waits for Done
  bool Done = false;
  std::exception_ptr Error;
};

// One lock and one condition for the hand-over queue and for "a thread has finished", so that the
// main thread waiting for a thread wakes for either.
struct TSyncQueue {
  std::mutex Lock;
  std::condition_variable Changed;
  std::deque<std::shared_ptr<TSyncEntry>> Entries;
};
TSyncQueue& SyncQueue() {
  static TSyncQueue queue;
  return queue;
}

bool OnMainThread() { return GetCurrentThreadId() == MainThreadID(); }

void HandOver(TThread* thread, const std::shared_ptr<TSyncEntry>& entry) {
  auto& q = SyncQueue();
  {
    std::lock_guard guard(q.Lock);
    q.Entries.push_back(entry);
  }
  q.Changed.notify_all();
  if (TNotifyEvent wake = WakeMainThread) wake(thread);
}

}  // namespace

bool CheckSynchronize(DWORD timeout) {
  if (!OnMainThread())
    throw EThread("CheckSynchronize called from thread $" + std::to_string(GetCurrentThreadId()) +
                  ", which is NOT the main thread");
  auto& q = SyncQueue();
  std::deque<std::shared_ptr<TSyncEntry>> work;
  {
    std::unique_lock lock(q.Lock);
    if (q.Entries.empty() && timeout > 0)
      q.Changed.wait_for(lock, std::chrono::milliseconds(timeout), [&] { return !q.Entries.empty(); });
    work.swap(q.Entries);
  }
  bool ran = !work.empty();
  while (!work.empty()) {
    std::shared_ptr<TSyncEntry> entry = work.front();
    work.pop_front();
    if (!entry->Waiting) {
      try {
        entry->Method();
      } catch (...) {
        // What was not run yet keeps its place, ahead of what arrived meanwhile.
        std::lock_guard guard(q.Lock);
        q.Entries.insert(q.Entries.begin(), work.begin(), work.end());
        throw;
      }
      continue;
    }
    try {
      entry->Method();
    } catch (...) {
      entry->Error = std::current_exception();
    }
    {
      std::lock_guard guard(q.Lock);
      entry->Done = true;
    }
    q.Changed.notify_all();
  }
  return ran;
}

// ---- TThread ----------------------------------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TThread)

struct TThread::TState {
  std::thread Thread;
  std::mutex Lock;  // the start hand-shake
  std::condition_variable Changed;
  bool StartDone = false;
  bool Done = false;  // Execute and OnTerminate are over (guarded by the hand-over queue's lock)
};

TThread::~TThread() {
  // An object freed by its own Execute cannot wait for its thread; the thread runs out on its own.
  if (FState && FState->Thread.joinable()) FState->Thread.detach();
  delete FState;
}

void TThread::AfterConstruction() {
  inherited::AfterConstruction();
  if (!FCreateSuspended) Resume();
}

void TThread::Start() {
  if (FStarted) throw EThread("Cannot call Start on a running or suspended thread");
  Resume();
}

void TThread::Resume() {
  if (FStarted) return;
  FState = new TState;
  std::unique_lock lock(FState->Lock);
  try {
    FState->Thread = std::thread(&TThread::ThreadProc, this);
  } catch (const std::system_error& e) {
    delete FState;
    FState = nullptr;
    throw EThread(String("Thread creation error: ") + e.what());
  }
  FStarted = true;
  // The thread waits for this before it runs anything, so it cannot free itself (FreeOnTerminate)
  // while Resume still uses the object, and ThreadID is known when Resume returns.
  FState->Changed.wait(lock, [&] { return FThreadID != 0; });
  FState->StartDone = true;
  FState->Changed.notify_all();
}

void TThread::ThreadProc(TThread* thread) {
  {
    std::unique_lock lock(thread->FState->Lock);
    thread->FThreadID = GetCurrentThreadId();
    thread->FState->Changed.notify_all();
    thread->FState->Changed.wait(lock, [&] { return thread->FState->StartDone; });
  }
  try {
    if (!thread->FTerminated) thread->Execute();
  } catch (...) {
    thread->FFatalException = std::current_exception();
  }
  bool freeThread = thread->FFreeOnTerminate;
  thread->FFinished = true;
  try {
    thread->DoTerminate();
  } catch (...) {
    if (!thread->FFatalException) thread->FFatalException = std::current_exception();
  }
  if (freeThread) {
    thread->FState->Thread.detach();
    thread->Free();
    return;
  }
  auto& q = SyncQueue();
  {
    std::lock_guard guard(q.Lock);
    thread->FState->Done = true;
  }
  q.Changed.notify_all();
}

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

void TThread::WaitUntilDone() {
  auto& q = SyncQueue();
  bool serve = OnMainThread();
  for (;;) {
    {
      std::unique_lock lock(q.Lock);
      q.Changed.wait(lock, [&] { return FState->Done || (serve && !q.Entries.empty()); });
      if (FState->Done) break;
    }
    CheckSynchronize(0);
  }
  if (FState->Thread.joinable()) FState->Thread.join();
}

DWORD TThread::WaitFor() {
  if (FFreeOnTerminate) throw EThread("Cannot call WaitFor on a FreeOnTerminate thread");
  if (FStarted && FThreadID == GetCurrentThreadId()) throw EThread("Cannot call WaitFor on the thread itself");
  if (FStarted) WaitUntilDone();
  return static_cast<DWORD>(FReturnValue);
}

void TThread::Destroy() {
  // A thread that frees itself is past Execute here; any other that runs is stopped and waited for.
  if (FStarted && FThreadID != GetCurrentThreadId()) {
    Terminate();
    WaitUntilDone();
  }
  inherited::Destroy();
}

// ---- Hand-over entry points ----------------------------------------------------------------------------
void TThread::Synchronize(TThread* thread, const TThreadMethod& method) {
  if (OnMainThread()) {
    method();
    return;
  }
  auto entry = std::make_shared<TSyncEntry>();
  entry->Method = method;
  entry->Waiting = true;
  HandOver(thread, entry);
  auto& q = SyncQueue();
  std::exception_ptr error;
  {
    std::unique_lock lock(q.Lock);
    q.Changed.wait(lock, [&] { return entry->Done; });
    error = std::move(entry->Error);  // so that the exception lives and dies on this thread
  }
  if (error) std::rethrow_exception(error);
}

void TThread::Queue(TThread* thread, const TThreadMethod& method) {
  if (OnMainThread()) {
    method();
    return;
  }
  auto entry = std::make_shared<TSyncEntry>();
  entry->Method = method;
  HandOver(thread, entry);
}

}  // namespace Threads
