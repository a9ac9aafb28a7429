#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Exceptions.h"
#include "SyncObjs.h"
#include "Threads.h"

namespace {

std::vector<std::string> journal;  // touched on the main thread only

// A worker whose body the test gives.
class TWorker : public TThread {
  DECLARE_CLASS(TWorker, TThread)
 public:
  TProcedure Body;              // without one, Execute answers 1
  std::atomic<bool>* Freed = nullptr;
  using TThread::Synchronize;
  using TThread::Queue;
  using TThread::SetReturnValue;

 protected:
  explicit TWorker(bool suspended) : TThread(suspended) {}
  void Execute() override {
    if (Body)
      Body();
    else
      SetReturnValue(1);
  }
  void Destroy() override {
    inherited::Destroy();
    if (Freed) *Freed = true;
  }
};
IMPLEMENT_ABSTRACT_CLASS(TWorker)

class Threads : public ::testing::Test {
 protected:
  void SetUp() override { journal.clear(); }
  void TearDown() override {
    WakeMainThread = nullptr;
    for (;;) try {
        if (!CheckSynchronize()) break;
      } catch (...) {
      }
  }
};

TEST_F(Threads, IdentityOfTheMainThread) {
  EXPECT_EQ(GetCurrentThreadId(), MainThreadID());
  DWORD other = 0;
  std::thread([&] { other = GetCurrentThreadId(); }).join();
  EXPECT_NE(other, 0u);
  EXPECT_NE(other, MainThreadID());
  EXPECT_FALSE(IsLibrary);
}

TEST_F(Threads, ASuspendedThreadRunsOnlyWhenStarted) {
  std::atomic<int> runs{0};
  TWorker* w = New<TWorker>(true);
  w->Body = [&] {
    ++runs;
    w->SetReturnValue(7);
  };
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(w->Suspended());
  EXPECT_EQ(runs, 0);
  w->Start();
  EXPECT_NE(w->ThreadID(), 0u);
  EXPECT_THROW(w->Start(), EThread);
  w->Resume();  // nothing: already running
  EXPECT_EQ(w->WaitFor(), 7u);
  EXPECT_EQ(w->WaitFor(), 7u);
  EXPECT_TRUE(w->Finished());
  EXPECT_EQ(runs, 1);
  w->Free();

  // Freed before it was started, it never runs.
  TWorker* never = New<TWorker>(true);
  never->Body = [&] { ++runs; };
  never->Free();
  EXPECT_EQ(runs, 1);
}

TEST_F(Threads, SynchronizeRunsOnTheMainThreadWhileItWaits) {
  TWorker* w = New<TWorker>(true);
  std::string caught;
  w->Body = [&] {
    DWORD ranOn = 0;
    w->Synchronize([&] {
      ranOn = GetCurrentThreadId();
      journal.push_back("synchronised");
    });
    if (ranOn != MainThreadID()) return;
    try {
      w->Synchronize([] { throw EConvertError("bad value"); });
    } catch (const EConvertError& e) {
      caught = e.Message();  // the main thread's exception reaches the worker
    }
  };
  w->OnTerminate = [&](TObject* sender) {
    journal.push_back(GetCurrentThreadId() == MainThreadID() && sender == w ? "terminated on main" : "wrong");
  };
  w->Start();
  w->WaitFor();
  EXPECT_EQ(journal, (std::vector<std::string>{"synchronised", "terminated on main"}));
  EXPECT_EQ(caught, "bad value");
  EXPECT_FALSE(w->FatalException());
  w->Free();
}

TEST_F(Threads, QueuedMethodsRunInOrderWhenTheMainLoopChecks) {
  std::atomic<int> wakes{0};
  TObject* wokenBy = nullptr;
  WakeMainThread = [&](TObject* sender) {
    ++wakes;
    wokenBy = sender;
  };
  TWorker* w = New<TWorker>(true);
  std::atomic<bool> queued{false};
  w->Body = [&] {
    w->Queue([] { journal.push_back("first"); });
    w->Queue([] { throw EConvertError("queued failure"); });
    w->Queue([] { journal.push_back("second"); });
    queued = true;
  };
  w->Start();
  while (!queued) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(wakes, 3);
  EXPECT_EQ(wokenBy, w);
  EXPECT_TRUE(journal.empty());  // nothing runs before the main loop asks
  EXPECT_THROW(CheckSynchronize(), EConvertError);
  EXPECT_EQ(journal, std::vector<std::string>{"first"});
  EXPECT_TRUE(CheckSynchronize());  // what was left keeps its order
  EXPECT_EQ(journal, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(w->WaitFor(), 0u);
  EXPECT_FALSE(CheckSynchronize());
  w->Free();
}

TEST_F(Threads, CheckSynchronizeWaitsForWorkAndRefusesOtherThreads) {
  std::thread worker([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    TThread::Queue(nullptr, [] { journal.push_back("late"); });
  });
  EXPECT_TRUE(CheckSynchronize(5000));
  worker.join();
  EXPECT_EQ(journal, std::vector<std::string>{"late"});

  bool refused = false;
  std::thread([&] {
    try {
      CheckSynchronize();
    } catch (const EThread&) {
      refused = true;
    }
  }).join();
  EXPECT_TRUE(refused);

  // On the main thread both hand-over forms run at once.
  TThread::Synchronize(nullptr, [] { journal.push_back("now"); });
  TThread::Queue(nullptr, [] { journal.push_back("now too"); });
  EXPECT_EQ(journal.size(), 3u);
}

TEST_F(Threads, AFreeOnTerminateThreadFreesItself) {
  std::atomic<bool> freed{false};
  bool terminated = false;
  TWorker* w = New<TWorker>(true);
  w->Freed = &freed;
  w->SetFreeOnTerminate(true);
  EXPECT_THROW(w->WaitFor(), EThread);
  w->OnTerminate = [&](TObject*) { terminated = true; };
  w->Start();
  // OnTerminate is synchronised; the object is freed right after it, on the worker.
  for (int i = 0; i < 5000 && !freed; ++i) CheckSynchronize(1);
  EXPECT_TRUE(terminated);
  EXPECT_TRUE(freed);
}

TEST_F(Threads, AnUnsuspendedThreadStartsAndAnExceptionEndingExecuteIsKept) {
  TWorker* w = New<TWorker>(false);  // runs as soon as it is constructed
  EXPECT_EQ(w->WaitFor(), 1u);
  EXPECT_FALSE(w->FatalException());
  w->Free();
  TWorker* failing = New<TWorker>(true);
  failing->Body = [] { throw EConvertError("in execute"); };
  failing->Start();
  failing->WaitFor();
  ASSERT_TRUE(failing->FatalException());
  EXPECT_THROW(std::rethrow_exception(failing->FatalException()), EConvertError);
  failing->Free();
}

TEST_F(Threads, FreeingARunningThreadTerminatesAndWaits) {
  TWorker* w = New<TWorker>(true);
  std::atomic<bool> sawTerminate{false}, running{false};
  w->Body = [&] {
    running = true;
    while (!w->Terminated()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    w->Synchronize([&] { sawTerminate = true; });  // served while Free waits
  };
  w->Start();
  while (!running) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  w->Free();
  EXPECT_TRUE(sawTerminate);
}

TEST_F(Threads, WaitForOnTheThreadItselfRaises) {
  TWorker* w = New<TWorker>(true);
  bool refused = false;
  w->Body = [&] {
    try {
      w->WaitFor();
    } catch (const EThread&) {
      refused = true;
    }
  };
  w->Start();
  w->WaitFor();
  EXPECT_TRUE(refused);
  w->Free();
}

}  // namespace
