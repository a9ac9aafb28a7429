// The queue of the user-interface thread: posted messages (from any thread), sent messages from
// other threads, WM_QUIT, and the retrieval order posted, input, quit, paint, timers.
#include "WinQueue.h"

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <unistd.h>

#include "DateTime.h"
#include "WinBackend.h"
#include "WinHooks.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinPaint.h"

namespace WinQueue {

namespace {

struct TCrossSend {
  MSG Msg;
  std::promise<LRESULT>* Reply = nullptr;  // null: nobody waits
};

struct TQueue {
  std::mutex Lock;
  std::deque<MSG> Posted;
  std::deque<TCrossSend> Sent;
  bool QuitPending = false;
  int QuitCode = 0;
  UINT NewSinceStatus = 0;  // QS_ kinds that arrived since the last GetQueueStatus
  MSG Last;                 // the message last retrieved (GetMessageTime/Pos)
  int SendDepth = 0;
};

TQueue& Queue() {
  static TQueue q;
  return q;
}

const HWND ThreadOnly = reinterpret_cast<HWND>(-1);

bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = QueueTickCount();
  m.pt = OnUiThread() ? CursorPosition() : POINT{};
  {
    TQueue& q = Queue();
    std::lock_guard<std::mutex> guard(q.Lock);
    q.Posted.push_back(m);
    q.NewSinceStatus |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
  }
  if (!OnUiThread()) Backend().Wake();
  return true;
}

// Runs the messages other threads sent; their senders wait for the answers.
void DeliverCrossThreadSends() {
  for (;;) {
    TCrossSend s;
    {
      TQueue& q = Queue();
      std::lock_guard<std::mutex> guard(q.Lock);
      if (q.Sent.empty()) return;
      s = q.Sent.front();
      q.Sent.pop_front();
    }
    LRESULT r = 0;
    try {
      r = SendMessageA(s.Msg.hwnd, s.Msg.message, s.Msg.wParam, s.Msg.lParam);
    } catch (...) {
      if (s.Reply) s.Reply->set_value(0);
      throw;
    }
    if (s.Reply) s.Reply->set_value(r);
  }
}

bool TakePosted(MSG* msg, HWND filter, UINT min, UINT max, bool remove) {
  TQueue& q = Queue();
  std::lock_guard<std::mutex> guard(q.Lock);
  for (auto it = q.Posted.begin(); it != q.Posted.end(); ++it) {
    if (!PassesFilter(it->hwnd, it->message, filter, min, max)) continue;
    *msg = *it;
    if (remove) q.Posted.erase(it);
    return true;
  }
  return false;
}

bool QuitInRange(UINT min, UINT max) { return (min == 0 && max == 0) || (WM_QUIT >= min && WM_QUIT <= max); }

bool Retrieve(MSG* msg, HWND filter, UINT min, UINT max, UINT flags) {
  bool remove = (flags & PM_REMOVE) != 0;
  TQueue& q = Queue();
  if (TakePosted(msg, filter, min, max, remove)) return true;
  if (PeekInput(msg, filter, min, max, remove)) return true;
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    if (q.QuitPending && QuitInRange(min, max)) {
      *msg = MSG{};
      msg->message = WM_QUIT;
      msg->wParam = static_cast<WPARAM>(q.QuitCode);
      msg->time = QueueTickCount();
      if (remove) q.QuitPending = false;
      return true;
    }
  }
  if (PeekPaint(msg, filter, min, max)) return true;
  return PeekTimer(msg, filter, min, max, remove);
}

}  // namespace

DWORD QueueTickCount() { return static_cast<DWORD>(Ticks64()); }

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!OnUiThread()) {
    if (!FindWindowRec(hwnd)) return 0;
    std::promise<LRESULT> reply;
    std::future<LRESULT> answer = reply.get_future();
    {
      TQueue& q = Queue();
      std::lock_guard<std::mutex> guard(q.Lock);
      MSG m;
      m.hwnd = hwnd;
      m.message = msg;
      m.wParam = wParam;
      m.lParam = lParam;
      q.Sent.push_back(TCrossSend{m, &reply});
      q.NewSinceStatus |= QS_SENDMESSAGE;
    }
    Backend().Wake();
    return answer.get();
  }
  if (hwnd == HWND_BROADCAST) {
    std::vector<HWND> tops;
    for (TWindow* c : DesktopRec()->Children) tops.push_back(c->Handle);
    for (HWND h : tops)
      if (TWindow* w = FindWindowRec(h)) CallProc(w, msg, wParam, lParam);
    return 0;
  }
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  TQueue& q = Queue();
  ++q.SendDepth;
  struct TLeave {
    TQueue& Q;
    ~TLeave() { --Q.SendDepth; }
  } leave{q};
  return CallProc(w, msg, wParam, lParam);
}

BOOL SendNotifyMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (OnUiThread()) {
    if (hwnd != HWND_BROADCAST && !FindWindowRec(hwnd)) return FALSE;
    SendMessageA(hwnd, msg, wParam, lParam);
    return TRUE;
  }
  if (hwnd != HWND_BROADCAST && !FindWindowRec(hwnd)) return FALSE;
  {
    TQueue& q = Queue();
    std::lock_guard<std::mutex> guard(q.Lock);
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    q.Sent.push_back(TCrossSend{m, nullptr});
    q.NewSinceStatus |= QS_SENDMESSAGE;
  }
  Backend().Wake();
  return TRUE;
}

BOOL InSendMessage() { return Queue().SendDepth > 0; }

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    if (!OnUiThread()) return FALSE;
    for (TWindow* c : DesktopRec()->Children) Post(c->Handle, msg, wParam, lParam);
    return TRUE;
  }
  if (hwnd && !FindWindowRec(hwnd)) return FALSE;
  return Post(hwnd, msg, wParam, lParam);
}

BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (threadId != static_cast<DWORD>(getpid())) return FALSE;
  return Post(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  TQueue& q = Queue();
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    q.QuitPending = true;
    q.QuitCode = exitCode;
  }
  if (!OnUiThread()) Backend().Wake();
}

UINT RegisterWindowMessageA(const char* name) {
  static std::vector<String> names;
  if (!name || !*name) return 0;
  String key(name);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == key) return static_cast<UINT>(0xC000 + i);
  if (names.size() >= 0x3FFF) return 0;
  names.push_back(key);
  return static_cast<UINT>(0xC000 + names.size() - 1);
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT min, UINT max, UINT flags) {
  if (!msg) return FALSE;
  CollectDestroyedWindows();
  if (hwnd && hwnd != ThreadOnly && !FindWindowRec(hwnd)) return FALSE;
  DeliverCrossThreadSends();
  Backend().PollInput();
  if (!Retrieve(msg, hwnd, min, max, flags)) return FALSE;
  if (flags & PM_REMOVE) {
    if (HasHooks(WH_GETMESSAGE)) CallHooks(WH_GETMESSAGE, HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(msg));
    Queue().Last = *msg;
  }
  return TRUE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT min, UINT max) {
  if (!msg) return -1;
  for (;;) {
    if (hwnd && hwnd != ThreadOnly && !FindWindowRec(hwnd)) return -1;
    if (PeekMessageA(msg, hwnd, min, max, PM_REMOVE)) return msg->message == WM_QUIT ? FALSE : TRUE;
    WaitMessage();
  }
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  bool sys = msg->message == WM_SYSKEYDOWN;
  if (msg->message != WM_KEYDOWN && !sys) return FALSE;
  BYTE state[256];
  GetKeyboardState(state);
  WORD ch = 0;
  if (ToAscii(static_cast<UINT>(msg->wParam), 0, state, &ch, 0) != 1) return FALSE;
  MSG c = *msg;
  c.message = sys ? WM_SYSCHAR : WM_CHAR;
  c.wParam = ch;
  PostInternal(c);
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    // A timer stopped after its message was retrieved does not call into its (perhaps freed) owner.
    if (!TimerStillSet(msg->hwnd, msg->wParam, proc)) return 0;
    proc(msg->hwnd, WM_TIMER, msg->wParam, QueueTickCount());
    return 0;
  }
  TWindow* w = FindWindowRec(msg->hwnd);
  if (!w) return 0;
  if (msg->message != WM_PAINT) return CallProc(w, msg->message, msg->wParam, msg->lParam);
  unsigned serial = w->UpdateSerial;
  LRESULT r = CallProc(w, WM_PAINT, msg->wParam, msg->lParam);
  // A paint handler that neither validated nor invalidated anew would get WM_PAINT forever.
  // Its frame still gets drawn; then the whole window counts as painted.
  if ((w = FindWindowRec(msg->hwnd)) && w->UpdateSerial == serial && (w->Update || w->InternalPaint)) {
    if (w->NcPaintNeeded) {
      w->NcPaintNeeded = false;
      CallProc(w, WM_NCPAINT, 1, 0);
    }
    if ((w = FindWindowRec(msg->hwnd)) && w->UpdateSerial == serial)
      RedrawRec(w, nullptr, nullptr, RDW_VALIDATE | RDW_FRAME | RDW_NOCHILDREN | RDW_NOINTERNALPAINT);
  }
  return r;
}

BOOL WaitMessage() {
  MSG m;
  if (PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
  DWORD wait = TicksToNextTimer();
  // A test clock only moves when the test moves it: look again soon instead of sleeping its time.
  if (dynamic_cast<TManualClock*>(&GetClock())) wait = std::min<DWORD>(wait, 10);
  Backend().Wait(wait);
  return TRUE;
}

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE*, BOOL, DWORD milliseconds, DWORD wakeMask) {
  if (count != 0) return 0xFFFFFFFF;  // only the queue itself can be waited for
  uint64_t start = Ticks64();
  for (;;) {
    if (HIWORD(GetQueueStatus(wakeMask)) & wakeMask) return WAIT_OBJECT_0;
    uint64_t spent = Ticks64() - start;
    if (milliseconds != INFINITE && spent >= milliseconds) return WAIT_TIMEOUT;
    DWORD wait = TicksToNextTimer();
    if (milliseconds != INFINITE) wait = std::min<DWORD>(wait, static_cast<DWORD>(milliseconds - spent));
    if (dynamic_cast<TManualClock*>(&GetClock())) wait = std::min<DWORD>(wait, 10);
    Backend().Wait(wait);
  }
}

DWORD GetQueueStatus(UINT flags) {
  DeliverCrossThreadSends();
  Backend().PollInput();
  UINT now = 0;
  MSG m;
  TQueue& q = Queue();
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    if (!q.Posted.empty()) now |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    if (!q.Sent.empty()) now |= QS_SENDMESSAGE;
  }
  if (HasInput()) now |= QS_INPUT;
  if (PeekPaint(&m, nullptr, 0, 0)) now |= QS_PAINT;
  if (TicksToNextTimer() == 0) now |= QS_TIMER;
  UINT fresh;
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    fresh = q.NewSinceStatus;
    q.NewSinceStatus = 0;
  }
  return MAKELONG(static_cast<WORD>(fresh & flags), static_cast<WORD>(now & flags));
}

BOOL GetInputState() { return HasInput(); }
DWORD GetMessageTime() { return Queue().Last.time; }
DWORD GetMessagePos() {
  POINT p = Queue().Last.pt;
  return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}
LPARAM GetMessageExtraInfo() { return 0; }

}  // namespace WinQueue

namespace WinInternals {

bool OnUiThread() { return gettid() == getpid(); }

uint64_t Ticks64() { return GetClock().TickCount64(); }

bool PassesFilter(HWND msgHwnd, UINT message, HWND filter, UINT min, UINT max) {
  if (filter == WinQueue::ThreadOnly) {
    if (msgHwnd) return false;
  } else if (filter && msgHwnd != filter) {
    return false;
  }
  if (min == 0 && max == 0) return true;
  if (min > max) return message >= min || message <= max;  // a range that wraps
  return message >= min && message <= max;
}

void PostInternal(const MSG& msg) {
  WinQueue::TQueue& q = WinQueue::Queue();
  std::lock_guard<std::mutex> guard(q.Lock);
  q.Posted.push_back(msg);
}

void PurgeWindowMessages(HWND hwnd) {
  WinQueue::TQueue& q = WinQueue::Queue();
  std::lock_guard<std::mutex> guard(q.Lock);
  std::erase_if(q.Posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void ResetQueue() {
  WinQueue::TQueue& q = WinQueue::Queue();
  std::lock_guard<std::mutex> guard(q.Lock);
  q.Posted.clear();
  for (auto& s : q.Sent)
    if (s.Reply) s.Reply->set_value(0);
  q.Sent.clear();
  q.QuitPending = false;
  q.NewSinceStatus = 0;
  q.Last = MSG{};
}

}  // namespace WinInternals
