// Methods that worker threads hand to the main thread run in the application's loop, in a form's
// modal loop too, and an exception of a queued method is shown like any handler's.
#include "ClasslibTestSupport.h"

#include <atomic>
#include <chrono>

#include "Threads.h"

using namespace ClasslibTest;

namespace {

class ThreadTest : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Application.Get();  // the program's application exists before its threads: it hears their calls
  }
};

// Runs a list of steps on its own thread, each either synchronised or queued.
class TWorker : public TThread {
  DECLARE_CLASS(TWorker, TThread)
 public:
  explicit TWorker(bool queue, TThreadMethod method) : TThread(false), FQueue(queue), FMethod(method) {}
  std::atomic<bool> Returned{false};

 protected:
  void Execute() override {
    if (FQueue) Queue(FMethod);
    else Synchronize(FMethod);
    Returned = true;
  }

 private:
  bool FQueue;
  TThreadMethod FMethod;
};
IMPLEMENT_ABSTRACT_CLASS(TWorker)

// Handles messages until the condition holds or five seconds pass.
template <class F>
bool LoopUntil(F done) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done() && std::chrono::steady_clock::now() < deadline) Application->HandleMessage();
  return done();
}

TEST_F(ThreadTest, SynchronizeAndQueueRunOnTheMainThreadDuringHandleMessage) {
  for (bool queue : {false, true}) {
    std::atomic<DWORD> ranOn{0};
    auto* worker = New<TWorker>(queue, TThreadMethod([&] { ranOn = GetCurrentThreadId(); }));
    EXPECT_TRUE(LoopUntil([&] { return ranOn != 0; })) << queue;
    EXPECT_EQ(ranOn, MainThreadID()) << queue;
    worker->WaitFor();
    EXPECT_TRUE(worker->Returned) << queue;
    worker->Free();
  }
}

TEST_F(ThreadTest, SynchronizeIsServedInsideAModalLoop) {
  auto* dialog = TCustomForm::CreateNew<TForm>(Application);
  dialog->SetBounds(50, 50, 200, 100);
  TWorker* worker = nullptr;
  dialog->OnShow = [&](TObject*) {
    worker = New<TWorker>(false, TThreadMethod([&] { dialog->ModalResult = mrOk; }));
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  ASSERT_NE(worker, nullptr);
  worker->WaitFor();
  EXPECT_TRUE(worker->Returned);
  worker->Free();
}

TEST_F(ThreadTest, AnExceptionOfAQueuedMethodIsShownAndTheLoopGoesOn) {
  std::vector<String> shown;
  Application->OnException = [&](TObject*, Exception& e) { shown.push_back(e.Message()); };
  auto* worker = New<TWorker>(true, TThreadMethod([] { throw Exception("queued failure"); }));
  EXPECT_TRUE(LoopUntil([&] { return !shown.empty(); }));
  EXPECT_EQ(shown, std::vector<String>{"queued failure"});
  worker->WaitFor();
  worker->Free();
}

}  // namespace
