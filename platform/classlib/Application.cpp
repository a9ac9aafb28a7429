// TApplication: the program's forms, its message loop with key preprocessing for the dialog keys,
// idle handling (pointer tracking, the status hint, action updates, methods handed over by other
// threads), and the display of exceptions that escape a handler; the application and screen
// objects themselves.
#include <unistd.h>

#include "Clipbrd.h"
#include "Exceptions.h"
#include "FileNames.h"
#include "Multibyte.h"
#include "Forms.h"
#include "Strings.h"
#include "Threads.h"
#include "WinUser.h"

namespace Forms {

namespace {
TApplication* TheApplication = nullptr;
TScreen* TheScreen = nullptr;
bool Finishing = false;

std::vector<TApplication::TInitHook>& InitHooks() {
  static std::vector<TApplication::TInitHook> hooks;
  return hooks;
}
}  // namespace

template <>
TApplication* TGlobalObject<TApplication>::Get() const {
  if (!TheApplication && !Finishing) TheApplication = CreateComponent<TApplication>(nullptr);
  return TheApplication;
}
template <>
TScreen* TGlobalObject<TScreen>::Get() const {
  if (!TheScreen && !Finishing) TheScreen = CreateComponent<TScreen>(nullptr);
  return TheScreen;
}
TGlobalObject<TApplication> Application;
TGlobalObject<TScreen> Screen;

bool ApplicationAssigned() { return TheApplication != nullptr; }

namespace {
// The screen's forms by name for the reader: a second instance of a form class is named apart
// from the first, and one form's resource can refer to a component of another. Inline roots
// (frames) are not global. The screen is not made for the question.
TComponent* FindGlobalForm(const String& Name) {
  if (!TheScreen) return nullptr;
  for (Integer i = 0; i < TheScreen->FormCount(); ++i) {
    TCustomForm* form = TheScreen->Forms(i);
    if (!form->ComponentState().Contains(csInline) && SameText(form->GetName(), Name)) return form;
  }
  return nullptr;
}
}  // namespace

void InitForms() { RegisterFindGlobalComponentProc(&FindGlobalForm); }
void DoneForms() { UnregisterFindGlobalComponentProc(&FindGlobalForm); }

void DoneApplication() {
  Finishing = true;
  if (TheApplication) {
    TApplication* app = TheApplication;
    app->Free();  // frees the forms it owns
    TheApplication = nullptr;
  }
  if (TheScreen) {
    // Forms owned by no one are freed with the screen that lists them.
    while (TheScreen->FormCount() > 0) TheScreen->Forms(TheScreen->FormCount() - 1)->Free();
    TheScreen->Free();
    TheScreen = nullptr;
  }
  SetMouseControl(nullptr);
  if (TClipboard* clipboard = SetClipboard(nullptr)) clipboard->Free();
  Finishing = false;
}

// ---- TApplication -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TApplication)

void TApplication::Construct() {
  inherited::Construct();
  FTitle = ChangeFileExt(ExtractFileName(ExeName()), "");
  Threads::WakeMainThread = TNotifyEvent(this, &TApplication::WakeMainThread);
}

void TApplication::Destroy() {
  Destroying();
  if (Threads::WakeMainThread.Data() == this) Threads::WakeMainThread = nullptr;
  CancelHint();
  FHintWindow = nullptr;  // owned: freed with the other components
  FMainForm = nullptr;
  DestroyComponents();
  if (FHandle && IsWindow(FHandle)) DestroyWindow(FHandle);
  FHandle = nullptr;
  if (FObjectInstance) FreeObjectInstance(FObjectInstance);
  FObjectInstance = nullptr;
  inherited::Destroy();
}

void TApplication::AddInitializeHook(TInitHook Hook) { InitHooks().push_back(Hook); }

void TApplication::Initialize() {
  auto hooks = InitHooks();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) (*it)();
}

String TApplication::ExeName() const {
  char buffer[4096];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? String(buffer, static_cast<size_t>(n)) : String();
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  if (FHandle) SetWindowTextA(FHandle, Value.c_str());
}

HWND TApplication::GetHandle() {
  if (FHandle && IsWindow(FHandle)) return FHandle;
  static const char* const ClassName = "TApplication";
  WNDCLASSA wc;
  if (!GetClassInfoA(nullptr, ClassName, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.lpszClassName = ClassName;
    RegisterClassA(&wc);
  }
  if (!FObjectInstance) FObjectInstance = MakeObjectInstance(TWndMethod(this, &TApplication::WndProc));
  // The hidden window that stands for the program (task-bar entry, activation messages).
  FHandle = CreateWindowExA(WS_EX_TOOLWINDOW, ClassName, FTitle.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, nullptr, nullptr);
  if (FHandle) SetWindowLongPtr(FHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
  return FHandle;
}

void TApplication::WndProc(TMessage& Message) {
  try {
    switch (Message.Msg) {
      case WM_CLOSE:
        if (FMainForm) FMainForm->Close();
        return;
      case WM_NULL:
        Threads::CheckSynchronize();
        return;
      case WM_TIMER:
        if (Message.WParam == HintTimerId) {
          HintTimerExpired();
          return;
        }
        break;
      case CM_ACTIONEXECUTE:
      case CM_ACTIONUPDATE:
        Message.Result = DispatchAction(Message.Msg, reinterpret_cast<TBasicAction*>(Message.LParam)) ? 1 : 0;
        return;
      case WM_ACTIVATEAPP:
        FActive = Message.WParam != 0;
        if (!FActive) CancelHint();
        if (FActive && OnActivate) OnActivate(this);
        if (!FActive && OnDeactivate) OnDeactivate(this);
        break;
      default: break;
    }
    Message.Result = DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
  } catch (...) {
    HandleException(this);
  }
}

TCustomForm* TApplication::CreateForm(TClass Cls) {
  auto* form = As<TCustomForm>(CreateComponent(Cls, this));
  if (!FMainForm) {
    form->HandleNeeded();
    FMainForm = form;
  }
  return form;
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (FMainForm == Control) FMainForm = nullptr;
  if (FHintControl == Control) CancelHint();
  if (FHintWindow == Control) FHintWindow = nullptr;
  Control->SetAction(nullptr);
}

// Called on the worker that hands a method over: the posted message wakes whichever loop runs,
// modal loops of the window layer included, and the application window runs the method.
void TApplication::WakeMainThread(TObject*) {
  if (HWND wnd = FHandle) PostMessage(wnd, WM_NULL, 0, 0);
  else PostThreadMessage(Threads::MainThreadID(), WM_NULL, 0, 0);
}

// ---- The loop ---------------------------------------------------------------------------------------
void TApplication::Run() {
  if (FMainForm && ShowMainForm) FMainForm->Show();
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  } while (!FTerminate);
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminate = true;
    return true;
  }
  if (Msg.message == WM_NULL && !Msg.hwnd) {
    // A worker's wake-up sent before the application window existed.
    try {
      Threads::CheckSynchronize();
    } catch (...) {
      HandleException(this);
    }
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  if (!handled) {
    IsHintMsg(Msg);
    if ((Msg.message >= WM_MOUSEFIRST && Msg.message <= WM_MOUSELAST) || Msg.message == WM_NCMOUSEMOVE)
      HintMouseMessage(nullptr, Msg.pt);
  }
  if (!handled && !IsKeyMsg(Msg)) {
    TranslateMessage(&Msg);
    DispatchMessage(&Msg);
  }
  return true;
}

// A key message is first offered to the library control it is for (or to the library window that
// contains the foreign window it is for) as a CN_ notification, which answers non-zero when the key
// was used as a dialog key and must not be dispatched.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  HWND wnd = Msg.hwnd;
  while (wnd && !FindControl(wnd)) wnd = ::GetParent(wnd);
  if (!wnd) return false;
  return SendMessage(wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::Idle(const MSG&) {
  POINT p;
  if (!GetCapture() && GetCursorPos(&p)) {
    TControl* c = FindDragTarget(p, false);
    if (c != MouseControl()) SetMouseControl(c);
  }
  TControl* control = MouseControl();
  if (FShowHint && !control) CancelHint();
  SetHint(GetLongHint(Forms::GetHint(control)));
  bool done = true;
  try {
    if (OnIdle) OnIdle(this, done);
    if (done) DoActionIdle();
    if (Threads::GetCurrentThreadId() == Threads::MainThreadID() && Threads::CheckSynchronize()) done = false;
  } catch (...) {
    done = false;  // the loop looks again before it sleeps
    HandleException(this);
  }
  if (done) WaitMessage();
}

// Every visible form lets its actions update themselves.
void TApplication::DoActionIdle() {
  for (Integer i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && IsWindowVisible(form->GetHandle()) && IsWindowEnabled(form->GetHandle()))
      form->UpdateActions();
  }
}

bool TApplication::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionExecute) OnActionExecute(Action, handled);
  return handled;
}

bool TApplication::DispatchAction(UINT Msg, TBasicAction* Action) {
  if (!Action) return false;
  TCustomForm* form = Screen->ActiveForm();
  LPARAM param = reinterpret_cast<LPARAM>(Action);
  if (form && form->Perform(Msg, 0, param) == 1) return true;
  return FMainForm && FMainForm != form && FMainForm->Perform(Msg, 0, param) == 1;
}

bool TApplication::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionUpdate) OnActionUpdate(Action, handled);
  return handled;
}

// ---- Help -------------------------------------------------------------------------------------------
bool TApplication::HelpCommand(Integer Command, NativeInt Data) {
  bool callHelp = true;
  bool result = false;
  if (OnHelp) result = OnHelp(static_cast<Word>(Command), Data, callHelp);
  // What is left to the help system finds none: nothing is shown.
  return callHelp ? false : result;
}

// ---- Exceptions -------------------------------------------------------------------------------------
void TApplication::HandleException(TObject* Sender) {
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (EAbort&) {
    // The silent exception: nothing to show.
  } catch (Exception& e) {
    if (OnException) OnException(Sender, e);
    else ShowException(e);
  } catch (std::exception& e) {
    Exception wrapped(e.what());
    if (OnException) OnException(Sender, wrapped);
    else ShowException(wrapped);
  }
}

String ExceptionDisplayText(const String& Message) {
  if (Message.empty()) return Message;
  const char* end = Message.data() + Message.size();
  const char* last = CharPrev(Message.data(), end);
  if (Utf8Decode(last, Utf8CharLen(last, end)) > U'.') return Message + '.';
  return Message;
}

void TApplication::ShowException(Exception& E) {
  MessageBox(ExceptionDisplayText(E.Message()), FTitle, MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, UINT Flags) {
  HWND owner = nullptr;
  if (TCustomForm* active = Screen->ActiveForm(); active && active->HandleAllocated()) owner = active->GetHandle();
  else if (FMainForm && FMainForm->HandleAllocated()) owner = FMainForm->GetHandle();
  return MessageBoxA(owner, Text.c_str(), Caption.c_str(), Flags);
}

void TApplication::ModalStarted() {
  ++FModalLevel;
  if (FModalLevel == 1 && OnModalBegin) OnModalBegin(this);
}

void TApplication::ModalFinished() {
  --FModalLevel;
  if (FModalLevel == 0 && OnModalEnd) OnModalEnd(this);
}

void TApplication::Minimize() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->GetHandle(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->GetHandle(), SW_RESTORE);
  if (OnRestore) OnRestore(this);
}

// ---- TScreen ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TScreen)

void TScreen::Construct() {
  inherited::Construct();
  FHintFont = New<TFont>();
  FMenuFont = New<TFont>();
  FIconFont = New<TFont>();
  // Hints and menus are written in the desktop's own fonts.
  NONCLIENTMETRICSA metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    FHintFont->AssignLogFont(metrics.lfStatusFont);
    FHintFont->SetColor(clInfoText);
    FMenuFont->AssignLogFont(metrics.lfMenuFont);
  }
  // Keys reach the program through the desktop's input method, which chooses layouts on its own
  // and tells the program nothing of them: the layout is the standard one of the system locale's
  // language, and no input method of the program's is named.
  const auto language = static_cast<uintptr_t>(SysLocale.DefaultLCID & 0xFFFF);
  FDefaultKbLayout = reinterpret_cast<HKL>(language << 16 | language);
}

void TScreen::Destroy() {
  FreeAndNil(FHintFont);
  FreeAndNil(FMenuFont);
  FreeAndNil(FIconFont);
  inherited::Destroy();
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
  if (FActiveControl && GetParentForm(FActiveControl) == Form) FActiveControl = nullptr;
}

Integer TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
Integer TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT r{0, 0, Width(), Height()};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

HCURSOR TScreen::GetCursors(Integer Index) const {
  for (const auto& [index, handle] : FCursors)
    if (index == Index) return handle;
  const char* id = nullptr;
  switch (Index) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS:
    case crVSplit: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE:
    case crHSplit: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass:
    case crSQLWait: id = IDC_WAIT; break;
    case crNo:
    case crNoDrop: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: id = IDC_ARROW;
  }
  return LoadCursor(nullptr, id);
}

void TScreen::SetCursors(Integer Index, HCURSOR Handle) {
  for (auto& entry : FCursors)
    if (entry.first == Index) {
      entry.second = Handle;
      return;
    }
  FCursors.emplace_back(Index, Handle);
}

void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  if (Value != crDefault) ::SetCursor(GetCursors(Value));
}

}  // namespace Forms
