// The toolbar unit's start and stop and its process-wide objects.
#include "dxBarUnit.h"

#include "Forms.h"
#include "Resources.h"
#include "SysInfo.h"
#include "Threads.h"
#include "WinCursor.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarButtonControl.h"
#include "dxBarComponents.h"
#include "dxBarDock.h"
#include "dxBarGroups.h"
#include "dxBarHelpers.h"
#include "dxBarHint.h"
#include "dxBarScreenTip.h"
#include "dxBarSystemController.h"
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

// ---- The shared hint window -------------------------------------------------------------------------------
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
                   TdxBarLabel::StaticClass(), TdxBarSeparator::StaticClass(), TdxBar::StaticClass(),
                   TdxBarDockControl::StaticClass()});
  LoadUser32Procs();
  dxBarManagerList = New<TdxBarManagerList>();
  RefreshScreenBitsPerPixel();
  StartBarCanvas();
  BarControls = New<TList>();
  CreateBarSystemController();
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
  FreeBarSystemController();
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
  UnRegisterClass(TdxBarDockControl::StaticClass());
  UnRegisterClass(TdxBar::StaticClass());
  UnRegisterClass(TdxBarSeparator::StaticClass());
  UnRegisterClass(TdxBarLabel::StaticClass());
  UnRegisterClass(TdxBarGroup::StaticClass());
  Started = false;
}

}  // namespace dxBar
