// Threads of the class library: TThread with Synchronize and Queue, served by the main thread's
// message loop through CheckSynchronize, and the thread identity services.
//
// The main thread is the process's first thread, the one that starts the units and runs the
// message loop. A worker hands a method to it with Synchronize (and waits for it to run; an
// exception it raises is raised again in the worker) or Queue (and goes on). The message loop
// sets WakeMainThread to a handler that wakes it (posting itself a message), and calls
// CheckSynchronize to run what was handed over.
#pragma once

#include <atomic>
#include <exception>

#include "Closures.h"
#include "System.h"
#include "WinDef.h"

namespace Threads {

DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
DWORD MainThreadID();
void Sleep(DWORD milliseconds);

// Whether the program is a library loaded into another; a program here, but the framework's
// library-mode branches read it, and tests may set it.
extern bool IsLibrary;

using TThreadMethod = TClosure<void()>;

// Called (from the worker, with the thread or null as Sender) each time a method is handed to
// the main thread; the message loop sets it so that it wakes up and calls CheckSynchronize.
extern TNotifyEvent WakeMainThread;

// Runs, on the main thread, every method handed over so far, in order; waits up to `timeout` ms
// for the first when there is none. True when something ran. Raises EThread when called on
// another thread. An exception of a queued method (Queue) comes out of here; one of a
// synchronised method goes back to the worker that waits for it.
bool CheckSynchronize(DWORD timeout = 0);

// A thread of the program: override Execute; create it with New<TMyThread>(createSuspended, ...).
// An unsuspended thread starts once the object is fully constructed; a suspended one on Start or
// Resume (freed before that, it never runs). Suspending a running thread is not offered.
class TThread : public TObject {
  DECLARE_CLASS(TThread, TObject)
 public:
  void Start();   // EThread when the thread is already started
  void Resume();  // starts a thread that has not started yet; nothing otherwise
  void Terminate() { FTerminated = true; }
  // Waits until Execute and OnTerminate are over and answers ReturnValue. On the main thread it
  // serves Synchronize calls meanwhile. EThread on a FreeOnTerminate thread or on the thread itself.
  DWORD WaitFor();

  bool Suspended() const { return !FStarted; }
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  DWORD ThreadID() const { return FThreadID; }
  bool GetFreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  Integer GetReturnValue() const { return FReturnValue; }
  // The exception that ended Execute, if any.
  std::exception_ptr FatalException() const { return FFatalException; }

  TNotifyEvent OnTerminate;

  // Runs the method on the main thread and waits (at once when called there).
  static void Synchronize(TThread* thread, const TThreadMethod& method);
  // Hands the method to the main thread without waiting (runs it at once when called there).
  static void Queue(TThread* thread, const TThreadMethod& method);

 protected:
  explicit TThread(bool createSuspended = false) : FCreateSuspended(createSuspended) {}
  ~TThread() override;
  void AfterConstruction() override;
  void Destroy() override;

  virtual void Execute() = 0;
  // Runs OnTerminate on the main thread (through Synchronize); called on the thread after Execute.
  virtual void DoTerminate();
  void Synchronize(const TThreadMethod& method) { Synchronize(this, method); }
  void Queue(const TThreadMethod& method) { Queue(this, method); }
  void SetReturnValue(Integer value) { FReturnValue = value; }

 private:
  struct TState;
  static void ThreadProc(TThread* thread);
  void WaitUntilDone();

  bool FCreateSuspended;
  bool FFreeOnTerminate = false;
  bool FStarted = false;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::atomic<DWORD> FThreadID{0};
  Integer FReturnValue = 0;
  std::exception_ptr FFatalException;
  TState* FState = nullptr;  // the system thread, made on start
};

}  // namespace Threads

using namespace Threads;
