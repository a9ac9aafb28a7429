// Forms, the application and the screen: top-level windows read from the form resource of their
// class, shown modelessly or in their own modal loop; the application's message loop with its
// exception display, hints, action updates and the methods threads hand to it; the hint window;
// and the screen's forms, cursors and metrics.
#pragma once

#include <vector>

#include "ActnList.h"
#include "Controls.h"
#include "Exceptions.h"
#include "ScrollingWinControl.h"

namespace Forms {

PUBLISHED_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
               poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
PUBLISHED_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
PUBLISHED_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
PUBLISHED_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
PUBLISHED_ENUM(TDefaultMonitor, dmDesktop, dmPrimary, dmMainForm, dmActiveForm)
using TBorderIcons = TSet<TBorderIcon, 8>;
using TFormBorderStyle = TBorderStyle;
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem, 8>;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

using TCloseEvent = TClosure<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TClosure<void(TObject* Sender, bool& CanClose)>;
using TIdleEvent = TClosure<void(TObject* Sender, bool& Done)>;
using TMessageEvent = TClosure<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = TClosure<void(TObject* Sender, Exception& E)>;
// A handler that sets CallHelp false has answered the request itself (its result stands).
using THelpEvent = TClosure<bool(Word Command, NativeInt Data, bool& CallHelp)>;
using THelpContext = Integer;
constexpr Word HELP_CONTEXT = 0x0001;  // a help command: show the topic numbered Data

// A keyboard layout: the input language in the low word, the layout's device in the high word.
struct HKL__;
using HKL = HKL__*;

// ---- Hints ------------------------------------------------------------------------------------------
// The part of a hint before "|" (the tooltip), and the part after it (the status line); a hint
// without "|" is both.
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);
// The hint of the control or, when it has none, of its nearest parent that has one.
String GetHint(TControl* Control);

// What the application is about to show as a control's hint; CM_HINTSHOW hands it to the control
// (lParam) to change, and a non-zero result shows nothing. CursorRect (client coordinates of the
// control) is where the pointer may move without the hint being shown anew; ReshowTimeout, when
// non-zero, shows it anew (asking again) after that time instead of hiding it after HideTimeout.
struct THintInfo {
  TControl* HintControl = nullptr;
  TClass HintWindowClass = nullptr;
  TPoint HintPos;  // screen coordinates of the hint window's top left
  Integer HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;
  TPoint CursorPos;  // client coordinates of the control
  Integer ReshowTimeout = 0;
  Integer HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};
using TShowHintEvent = TClosure<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// The small window a hint is shown in: a borderless-looking popup with a drop shadow that never
// takes the focus or the mouse, sized to its text.
class THintWindow : public TCustomControl {
  DECLARE_CLASS(THintWindow, TCustomControl)
 public:
  explicit THintWindow(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  // Shows Hint in a window of Rect (screen coordinates), kept on the screen, above every window and
  // without activating it.
  virtual void ActivateHint(TRect Rect, const String& AHint);
  virtual void ActivateHintData(const TRect& Rect, const String& AHint, void* AData);
  // The window rectangle (at 0, 0) that shows AHint wrapped at MaxWidth.
  virtual TRect CalcHintRect(Integer MaxWidth, const String& AHint, void* AData);
  // Whether Msg is one that ends a hint shown now (keys, clicks, activation changes).
  virtual bool IsHintMsg(const MSG& Msg);
  void ReleaseHandle() { DestroyHandle(); }
  bool IsShowing();  // the window is on the screen
  void Dispatch(TMessage& Message) override;

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  bool FActivating = false;
};
using THintWindowClass = TClass;
// The class of the application's hint window (THintWindow unless the program puts its own).
extern THintWindowClass HintWindowClass;

// ---- Form designers ---------------------------------------------------------------------------------
// The designer of a form laid out in a design environment, told when a component of the form was
// changed there. The program brings none; an environment that designs forms sets one on each form.
class IDesignerNotify {
 public:
  virtual void Modified() = 0;

 protected:
  ~IDesignerNotify() = default;
};

// ---- TCustomForm ------------------------------------------------------------------------------------
class TCustomForm : public TScrollingWinControl {
  DECLARE_CLASS(TCustomForm, TScrollingWinControl)
 public:
  explicit TCustomForm(TComponent* AOwner = nullptr) : TScrollingWinControl(AOwner) {}
  // A form of class Cls without reading its form resource.
  static TCustomForm* CreateNew(TClass Cls, TComponent* AOwner);
  template <class T>
  static T* CreateNew(TComponent* AOwner) {
    return static_cast<T*>(CreateNew(T::StaticClass(), AOwner));
  }

  void Dispatch(TMessage& Message) override;
  TRect GetClientRect() override;
  void Show();
  void Hide();
  // Shows the form and runs its own message loop until ModalResult is set (or the application
  // ends); answers ModalResult. EInvalidOperation when the form is visible or disabled already.
  virtual TModalResult ShowModal();
  void Close();
  virtual bool CloseQuery();
  void Release();  // freed once the messages now queued are handled
  // Lets the actions of the form and of its visible controls update themselves (at idle).
  virtual void UpdateActions();
  // Runs (updates) an action nobody else handled on the first target it handles: the active
  // control, the form, then each visible control in turn (CM_ACTIONEXECUTE / CM_ACTIONUPDATE).
  bool OfferAction(TBasicAction* Action, bool Execute);
  TModalResult ModalResult = mrNone;
  TFormState FormState;

  bool GetActive() const { return FActive; }
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Moves the form's focus bookkeeping to Control (CM_EXIT to the old chain, CM_ENTER to the new);
  // false when a handler moved the focus elsewhere meanwhile.
  virtual bool SetFocusedControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);
  void SendCancelMode(TControl* Sender);
  virtual bool IsShortCut(TMessage& Message) { return false; }
  bool CanFocus() override { return GetVisible() && GetEnabled(); }
  void SetFocus() override;
  // The controls, then (when the form is the root being written) the components it owns that have
  // no parent: menus, timers, action lists, data sets.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  // The form's designer; null outside a design environment.
  IDesignerNotify* GetDesigner() const { return FDesigner; }
  void SetDesigner(IDesignerNotify* Value) { FDesigner = Value; }
  bool GetKeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle GetFormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  // The monitor a form that places itself is placed on; the desktop has one monitor.
  TDefaultMonitor GetDefaultMonitor() const { return FDefaultMonitor; }
  void SetDefaultMonitor(TDefaultMonitor Value) { FDefaultMonitor = Value; }
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TWindowState GetWindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  bool GetOldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  Integer GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(Integer Value) { FPixelsPerInch = Value; }
  Integer GetTextHeight() const { return FTextHeight; }
  void SetTextHeight(Integer Value) { FTextHeight = Value; }
  bool GetAlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  Integer GetAlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Integer Value);
  bool GetTransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(bool Value);
  TColor GetTransparentColorValue() const { return FTransparentColorValue; }
  void SetTransparentColorValue(TColor Value);
  Integer GetClientWidthProp() { return GetClientWidth(); }
  void SetClientWidthProp(Integer Value);
  Integer GetClientHeightProp() { return GetClientHeight(); }
  void SetClientHeightProp(Integer Value);

  TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void Construct() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;
  void Destroy() override;
  void Loaded() override;
  // A form laid out at another PixelsPerInch than the screen's is scaled to it once read.
  void ReadState(Filer::TReader* Reader) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // Whether creating the form reads the form resource of its class: every class but TForm itself
  // has one, unless it builds its content in code and says so here (as CreateNew does for one form).
  virtual bool HasFormResource() const;
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  void CloseModal();

 private:
  void UpdateLayered();
  void PlaceOnScreen();

  bool FActive = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  IDesignerNotify* FDesigner = nullptr;
  bool FKeyPreview = false;
  bool FOldCreateOrder = false;
  bool FCreatedNew = false;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TDefaultMonitor FDefaultMonitor = dmActiveForm;
  TWindowState FWindowState = wsNormal;
  Integer FPixelsPerInch = 96;
  Integer FDesignedPixelsPerInch = 0;  // what the last stream read was laid out at
  Integer FTextHeight = 0;
  bool FAlphaBlend = false;
  Integer FAlphaBlendValue = 255;
  bool FTransparentColor = false;
  TColor FTransparentColorValue = clBlack;
  Integer FStoredClientWidth = -1;
  Integer FStoredClientHeight = -1;
};

// The form class whose published properties and events the form resources use.
class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm)
 public:
  explicit TForm(TComponent* AOwner = nullptr) : TCustomForm(AOwner) {}
  TNotifyEvent GetOnCreate() const { return OnCreate; }
  void SetOnCreate(TNotifyEvent V) { OnCreate = V; }
  TNotifyEvent GetOnDestroy() const { return OnDestroy; }
  void SetOnDestroy(TNotifyEvent V) { OnDestroy = V; }
  TNotifyEvent GetOnShow() const { return OnShow; }
  void SetOnShow(TNotifyEvent V) { OnShow = V; }
  TNotifyEvent GetOnHide() const { return OnHide; }
  void SetOnHide(TNotifyEvent V) { OnHide = V; }
  TNotifyEvent GetOnActivate() const { return OnActivate; }
  void SetOnActivate(TNotifyEvent V) { OnActivate = V; }
  TNotifyEvent GetOnDeactivate() const { return OnDeactivate; }
  void SetOnDeactivate(TNotifyEvent V) { OnDeactivate = V; }
  TCloseEvent GetOnClose() const { return OnClose; }
  void SetOnClose(TCloseEvent V) { OnClose = V; }
  TCloseQueryEvent GetOnCloseQuery() const { return OnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent V) { OnCloseQuery = V; }
};

// The designer of the topmost form among the component and its owners; null when there is no form or
// it has no designer.
IDesignerNotify* FindRootDesigner(TComponent* AComponent);

// ---- TScreen ----------------------------------------------------------------------------------------
class TScreen : public TComponent {
  DECLARE_CLASS(TScreen, TComponent)
 public:
  Integer FormCount() const { return static_cast<Integer>(FForms.size()); }
  TCustomForm* Forms(Integer Index) const { return FForms.at(static_cast<size_t>(Index)); }
  TCustomForm* ActiveCustomForm() const { return FActiveForm; }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The cursor handle of a cursor number: the built-in ones and those the program registered.
  HCURSOR GetCursors(Integer Index) const;
  void SetCursors(Integer Index, HCURSOR Handle);
  Integer Width() const;
  Integer Height() const;
  Integer PixelsPerInch() const { return 96; }
  TRect WorkAreaRect() const;
  TRect DesktopRect() const { return TRect(0, 0, Width(), Height()); }
  Integer MonitorCount() const { return 1; }
  TMonitor* Monitors(Integer Index) const { return DesktopMonitor(); }
  TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault = mdNearest) const {
    return Forms::MonitorFromPoint(Point, MonitorDefault);
  }
  TFont* HintFont() const { return FHintFont; }
  TFont* MenuFont() const { return FMenuFont; }
  TFont* IconFont() const { return FIconFont; }
  // The input method and keyboard layout in force when the program started.
  String DefaultIme() const { return FDefaultIme; }
  HKL DefaultKbLayout() const { return FDefaultKbLayout; }

 protected:
  friend class TCustomForm;
  void Construct() override;
  void Destroy() override;

 private:
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TCursor FCursor = crDefault;
  std::vector<std::pair<Integer, HCURSOR>> FCursors;
  TFont* FHintFont = nullptr;
  TFont* FMenuFont = nullptr;
  TFont* FIconFont = nullptr;
  String FDefaultIme;
  HKL FDefaultKbLayout = nullptr;
};

// What ShowException shows for an exception's message: a message whose last character is above
// "." (a letter, a digit, any Chinese character) gets a full stop; one ending in ".", "!", ")" or
// other punctuation below it is shown as it is.
String ExceptionDisplayText(const String& Message);

// ---- TApplication -----------------------------------------------------------------------------------
class TApplication : public TComponent {
  DECLARE_CLASS(TApplication, TComponent)
 public:
  // Runs the initialisation hooks registered with AddInitializeHook, newest first.
  void Initialize();
  // Makes a form of class Cls owned by the application; the first one becomes MainForm.
  TCustomForm* CreateForm(TClass Cls);
  template <class T>
  T* CreateForm() {
    return static_cast<T*>(CreateForm(T::StaticClass()));
  }
  // Shows the main form and handles messages until Terminate (closing the main form does it).
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminate; }
  // Handles every waiting message; returns when none is left.
  void ProcessMessages();
  // Handles one message, or idles (status hint, action updates, methods handed over by threads)
  // and waits when there is none.
  void HandleMessage();
  void HandleException(TObject* Sender);
  void ShowException(Exception& E);
  Integer MessageBox(const String& Text, const String& Caption, UINT Flags = 0);
  void Minimize();
  void Restore();
  void ModalStarted();
  void ModalFinished();
  void ControlDestroyed(TControl* Control);

  // ---- Hints
  // Hides the hint shown now and forgets the control it was for.
  void CancelHint();
  // Shows the hint of the hint control under CursorPos (screen coordinates) now.
  void ActivateHint(const TPoint& CursorPos);
  // What a mouse message at Pos (screen coordinates) means to the hint: another control, or the
  // pointer leaving the area of the hint shown, starts the pause until the next one.
  void HintMouseMessage(TControl* Control, const TPoint& Pos);
  bool IsHintMsg(const MSG& Msg);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value);
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TColor GetHintColor() const { return FHintColor; }
  void SetHintColor(TColor Value);
  THintWindow* HintWindow() const { return FHintWindow; }
  TControl* HintControl() const { return FHintControl; }

  // ---- Actions
  // Offers an action to the application's OnActionExecute / OnActionUpdate; true when handled.
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);

  HWND GetHandle();  // the hidden application window
  TCustomForm* MainForm() const { return FMainForm; }
  bool Active() const { return FActive; }
  bool ShowMainForm = true;
  String GetTitle() const { return FTitle; }
  void SetTitle(const String& Value);
  String ExeName() const;
  Integer HintPause = 500;
  Integer HintShortPause = 50;
  Integer HintHidePause = 2500;
  bool HintShortCuts = true;
  bool UpdateFormatSettings = true;
  // Asks for help: OnHelp may answer; there is no help system behind it, so a request OnHelp
  // leaves to the help system answers False.
  bool HelpCommand(Integer Command, NativeInt Data);
  bool HelpContext(THelpContext Context) { return HelpCommand(HELP_CONTEXT, Context); }
  Integer ModalLevel() const { return FModalLevel; }

  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  THelpEvent OnHelp;
  TNotifyEvent OnModalBegin, OnModalEnd, OnActivate, OnDeactivate, OnMinimize, OnRestore, OnHint;
  TShowHintEvent OnShowHint;
  TActionEvent OnActionExecute, OnActionUpdate;

  using TInitHook = void (*)();
  static void AddInitializeHook(TInitHook Hook);

 protected:
  friend class TCustomForm;
  void Construct() override;
  void Destroy() override;

 private:
  bool ProcessMessage(MSG& Msg);
  bool IsKeyMsg(MSG& Msg);
  void Idle(const MSG& Msg);
  void DoActionIdle();
  // An action nobody handled goes to the active form, then to the main form.
  bool DispatchAction(UINT Msg, TBasicAction* Action);
  void WndProc(TMessage& Message);
  void WakeMainThread(TObject* Sender);
  void ValidateHintWindow(TClass HintClass);
  void StartHintTimer(Integer Value, bool ToShow);
  void StopHintTimer();
  void HintTimerExpired();
  void HideHint();
  static constexpr UINT_PTR HintTimerId = 1;  // the application window's timer for hints

  HWND FHandle = nullptr;
  WNDPROC FObjectInstance = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminate = false;
  bool FActive = true;
  bool FHandleCreated = false;
  String FTitle;
  Integer FModalLevel = 0;
  String FHint;
  bool FShowHint = true;
  TColor FHintColor = clInfoBk;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  bool FHintActive = false;
  TRect FHintCursorRect;
  bool FHintTimerShows = false;  // what the running hint timer does when it fires
  bool FHintTimerRunning = false;
};

// The program's application and screen objects, made on first use and freed by DoneApplication.
template <class T>
class TGlobalObject {
 public:
  T* operator->() const { return Get(); }
  operator T*() const { return Get(); }
  T* Get() const;
};
extern TGlobalObject<TApplication> Application;
extern TGlobalObject<TScreen> Screen;
bool ApplicationAssigned();
// Frees every form, the application and the screen (end of the program, or between tests).
void DoneApplication();
// The unit's start and end: the screen's forms are found by name by the component reader.
void InitForms();
void DoneForms();

}  // namespace Forms

using namespace Forms;
