// The toolbar unit's start and stop, its process-wide objects and the thread hooks that the first bar
// manager installs and the last one removes.
#include "dxBarUnit.h"

#include "Forms.h"
#include "Resources.h"
#include "SysInfo.h"
#include "Threads.h"
#include "WinCursor.h"
#include "WinHooks.h"
#include "dxBarButton.h"
#include "dxBarButtonControl.h"
#include "dxBarComponents.h"
#include "dxBarGroups.h"
#include "dxBarHelpers.h"
#include "dxBarHint.h"
#include "dxBarScreenTip.h"
#include "dxBarPainter.h"

namespace dxBar {

TClass dxBarHintWindowClass = TdxBarHintWindow::StaticClass();
TComponent* FHintWindow = nullptr;
TObject* dxBarHintKeeper = nullptr;
HBRUSH PatternBrush = nullptr;
TObject* (*dxBarGetRootAccessibleObject)(HWND AWindow) = nullptr;
const Word MDIButtonCommands[3] = {0xF020, 0xF120, 0xF060};
bool dxBarMakeInactiveImagesDingy = true;
bool dxBarPlaySound = true;
TClass dxBarSkinPainterClass = TdxBarStandardPainter::StaticClass();
Integer dxBarNonrecentlyUsedItemsColorDelta = 20;
Integer dxBarFlatToolbarsColorDelta = 20;
Integer dxBarWaitForSubMenuTime = 400;
TColor dxBarScreenTipFontColor = 0x4C4C4C;
bool IsWin95 = false;
bool IsWin95Minor0 = false;
bool UseLargeMenuItemInfo = false;
TList* BarControls = nullptr;
TUpdateLayeredWindow UpdateLayeredWindowProc = nullptr;
TAnimateWindow AnimateWindowProc = nullptr;
TSetLayeredWindowAttributes SetLayeredWindowAttributesProc = nullptr;

namespace {

bool Started = false;
bool Finalizing = false;
TdxBarItemList* ItemRegistry = nullptr;
HMODULE User32Library = nullptr;
HHOOK KeyboardHook = nullptr;
HHOOK MouseHook = nullptr;
HHOOK CallWndProcHook = nullptr;
TInitProc PreviousInitProc = nullptr;

const char* const CursorPictureType = "DXBARCURSOR";
struct TCursorEntry {
  Integer Index;
  const char* Name;
};
const TCursorEntry Cursors[] = {{crdxBarDrag, "DXBARDRAGCURSOR"},
                                {crdxBarDragCopy, "DXBARDRAGCOPYCURSOR"},
                                {crdxBarDragNoDrop, "DXBARDRAGNODROPCURSOR"},
                                {crdxBarEditSizing, "DXBAREDITSIZINGCURSOR"}};

// The hooks see the thread's keys, mouse messages and window-procedure calls before the windows do;
// what reaches them is passed on along the chain.
LRESULT KeyboardHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  return CallNextHookEx(KeyboardHook, Code, WParam, LParam);
}
LRESULT MouseHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  return CallNextHookEx(MouseHook, Code, WParam, LParam);
}
LRESULT CallWndProcHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  return CallNextHookEx(CallWndProcHook, Code, WParam, LParam);
}

// The application's initialisation: the previous hook first, then silence for any menu sound still
// playing.
void dxBarInitProc() {
  if (PreviousInitProc) PreviousInitProc();
  PlaySystemSound(dxbsStop);
}

// An entry point of USER32 under its own type, or nil where the library lacks it.
template <typename TProc>
TProc User32Proc(const char* Name) {
  return reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProcAddress(User32Library, Name)));
}

void LoadUser32Procs() {
  User32Library = LoadLibrary("USER32.DLL");
  if (!User32Library) return;
  UpdateLayeredWindowProc = User32Proc<TUpdateLayeredWindow>("UpdateLayeredWindow");
  AnimateWindowProc = User32Proc<TAnimateWindow>("AnimateWindow");
  SetLayeredWindowAttributesProc = User32Proc<TSetLayeredWindowAttributes>("SetLayeredWindowAttributes");
}

void UnloadUser32Procs() {
  UpdateLayeredWindowProc = nullptr;
  AnimateWindowProc = nullptr;
  SetLayeredWindowAttributesProc = nullptr;
  if (User32Library) FreeLibrary(User32Library);
  User32Library = nullptr;
}

}  // namespace

bool IsFinalizing() { return Finalizing; }

TdxBarItemList* RegdxItemList() {
  if (!ItemRegistry && !Finalizing) ItemRegistry = New<TdxBarItemList>();
  return ItemRegistry;
}

// ---- Hooks and the shared hint window ---------------------------------------------------------------------
void InstallBarHooks() {
  const DWORD thread = GetCurrentThreadId();
  if (!KeyboardHook) KeyboardHook = SetWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, nullptr, thread);
  if (!MouseHook) MouseHook = SetWindowsHookEx(WH_MOUSE, &MouseHookProc, nullptr, thread);
  if (!CallWndProcHook) CallWndProcHook = SetWindowsHookEx(WH_CALLWNDPROC, &CallWndProcHookProc, nullptr, thread);
}

void RemoveBarHooks() {
  for (HHOOK* hook : {&CallWndProcHook, &MouseHook, &KeyboardHook})
    if (*hook) {
      UnhookWindowsHookEx(*hook);
      *hook = nullptr;
    }
}

bool BarHooksInstalled() { return KeyboardHook && MouseHook && CallWndProcHook; }

void CreateSharedHintWindow() {
  if (!FHintWindow && dxBarHintWindowClass) FHintWindow = CreateComponent(dxBarHintWindowClass, nullptr);
}

void FreeSharedHintWindow() { FreeAndNil(FHintWindow); }

// ---- Start and stop ---------------------------------------------------------------------------------------
void InitdxBar() {
  if (Started) return;
  Started = true;
  Finalizing = false;
  RegisterClasses({TdxBarGroup::StaticClass(), TdxBarScreenTipRepository::StaticClass(), TdxBarScreenTip::StaticClass(),
                   TdxBarLabel::StaticClass(), TdxBarSeparator::StaticClass()});
  LoadUser32Procs();
  dxBarManagerList = New<TdxBarManagerList>();
  RefreshScreenBitsPerPixel();
  StartBarCanvas();
  BarControls = New<TList>();
  dxBarRegisterItem(TdxBarButton::StaticClass(), TdxBarButtonControl::StaticClass(), true);
  for (const TCursorEntry& cursor : Cursors)
    Screen->SetCursors(cursor.Index, LoadCursorPicture(HInstance, cursor.Name, CursorPictureType));
  if (!IsLibrary) {
    PreviousInitProc = InitProc;
    InitProc = &dxBarInitProc;
  }
}

void DonedxBar() {
  if (!Started) return;
  Finalizing = true;
  if (InitProc == &dxBarInitProc) InitProc = PreviousInitProc;
  PreviousInitProc = nullptr;
  for (const TCursorEntry& cursor : Cursors) Screen->SetCursors(cursor.Index, nullptr);
  FreeAndNil(BarControls);
  dxBarUnregisterItem(TdxBarButton::StaticClass());
  FreeAndNil(ItemRegistry);
  FreeBarCanvas();
  FreePatternBrush();
  FreeAndNil(dxBarManagerList);
  UnloadUser32Procs();
  UnRegisterClass(TdxBarSeparator::StaticClass());
  UnRegisterClass(TdxBarLabel::StaticClass());
  UnRegisterClass(TdxBarGroup::StaticClass());
  Started = false;
}

}  // namespace dxBar
