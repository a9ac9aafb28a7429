#include <gtest/gtest.h>

#include <thread>

#include "SyncObjs.h"
#include "SysInfo.h"

namespace {

// What another thread gets from a wait on the handle.
DWORD WaitElsewhere(HANDLE h, DWORD timeout) {
  DWORD result = 0;
  std::thread([&] { result = WaitForSingleObject(h, timeout); }).join();
  return result;
}

TEST(SyncObjs, MutexIsRecursiveForItsOwnerAndExclusiveForOthers) {
  HANDLE m = CreateMutex(nullptr, FALSE, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(WaitForSingleObject(m, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);  // the owner again: no block
  EXPECT_EQ(WaitElsewhere(m, 20), WAIT_TIMEOUT);

  // Another thread cannot release it.
  BOOL released = TRUE;
  DWORD error = 0;
  std::thread([&] {
    released = ReleaseMutex(m);
    error = GetLastError();
  }).join();
  EXPECT_EQ(released, FALSE);
  EXPECT_EQ(error, ERROR_NOT_OWNER);

  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_EQ(WaitElsewhere(m, 0), WAIT_TIMEOUT);  // still held once
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_FALSE(ReleaseMutex(m));
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
  EXPECT_EQ(WaitElsewhere(m, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(CloseHandle(m));
}

TEST(SyncObjs, MutexCreatedOwnedAndWaitedForAcrossThreads) {
  HANDLE m = CreateMutex(nullptr, TRUE, nullptr);
  DWORD result = 0;
  std::thread waiter([&] { result = WaitForSingleObject(m, INFINITE); ReleaseMutex(m); });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(ReleaseMutex(m));
  waiter.join();
  EXPECT_EQ(result, WAIT_OBJECT_0);
  CloseHandle(m);
}

TEST(SyncObjs, EventsResetManuallyOrByReleasingAWaiter) {
  struct Case {
    BOOL manual, initial;
    DWORD first, second;
  } cases[] = {
      {TRUE, FALSE, WAIT_TIMEOUT, WAIT_TIMEOUT},
      {TRUE, TRUE, WAIT_OBJECT_0, WAIT_OBJECT_0},    // stays signalled
      {FALSE, TRUE, WAIT_OBJECT_0, WAIT_TIMEOUT},    // one waiter takes it
  };
  for (const Case& c : cases) {
    HANDLE e = CreateEvent(nullptr, c.manual, c.initial, nullptr);
    EXPECT_EQ(WaitForSingleObject(e, 0), c.first);
    EXPECT_EQ(WaitForSingleObject(e, 0), c.second);
    EXPECT_TRUE(SetEvent(e));
    EXPECT_EQ(WaitElsewhere(e, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(ResetEvent(e));
    EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_TIMEOUT);
    CloseHandle(e);
  }
}

TEST(SyncObjs, BadHandlesFailInsteadOfCrashing) {
  HANDLE e = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  HANDLE m = CreateMutex(nullptr, FALSE, nullptr);
  int local = 0;
  SetLastError(0);
  EXPECT_EQ(WaitForSingleObject(&local, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(ReleaseMutex(e));  // the wrong kind
  EXPECT_FALSE(SetEvent(m));
  EXPECT_FALSE(CloseHandle(nullptr));
  EXPECT_TRUE(CloseHandle(e));
  EXPECT_FALSE(CloseHandle(e));
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_FAILED);
  CloseHandle(m);

  // Only unnamed objects exist.
  EXPECT_EQ(CreateMutex(nullptr, FALSE, "Global\\Timer"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(SyncObjs, ClosingAHandleDoesNotPullTheObjectFromUnderAWaiter) {
  HANDLE e = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  DWORD result = 0;
  std::thread waiter([&] { result = WaitForSingleObject(e, 200); });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  CloseHandle(e);
  waiter.join();
  EXPECT_EQ(result, WAIT_TIMEOUT);
}

TEST(SyncObjs, CriticalSectionIsRecursiveAndExcludesOtherThreads) {
  TCriticalSection* cs = New<TCriticalSection>();
  cs->Enter();
  EXPECT_TRUE(cs->TryEnter());
  bool otherGot = true;
  std::thread([&] { otherGot = cs->TryEnter(); }).join();
  EXPECT_FALSE(otherGot);
  cs->Leave();
  cs->Leave();
  std::thread([&] {
    TCriticalSectionGuard guard(cs);
    otherGot = true;
  }).join();
  EXPECT_TRUE(otherGot);
  cs->Free();
}

TEST(SyncObjs, EventObjectWaitsWithTimeout) {
  TEvent* manual = New<TEvent>(true, false);
  TSimpleEvent* simple = New<TSimpleEvent>();
  EXPECT_EQ(manual->WaitFor(10), wrTimeout);
  std::thread setter([&] { manual->SetEvent(); });
  EXPECT_EQ(manual->WaitFor(INFINITE), wrSignaled);
  setter.join();
  EXPECT_EQ(manual->WaitFor(0), wrSignaled);
  manual->ResetEvent();
  EXPECT_EQ(manual->WaitFor(0), wrTimeout);
  EXPECT_EQ(simple->WaitFor(0), wrTimeout);
  simple->SetEvent();
  EXPECT_EQ(simple->WaitFor(0), wrSignaled);
  EXPECT_EQ(WaitForSingleObject(simple->GetHandle(), 0), WAIT_OBJECT_0);
  manual->Free();
  simple->Free();
}

}  // namespace
