// The toolbar unit's start and stop, its exported variables and its process-wide objects.
#pragma once

#include "Graphics.h"
#include "dxBarTypes.h"

namespace dxBar {

// The screen cursors of the unit, loaded by its start.
constexpr Integer crdxBarDrag = 1041;
constexpr Integer crdxBarDragCopy = 1042;
constexpr Integer crdxBarDragNoDrop = 1043;
constexpr Integer crdxBarEditSizing = 1044;

// Variables an application may change.
extern TClass dxBarHintWindowClass;
extern TComponent* FHintWindow;
extern TObject* dxBarHintKeeper;
extern HBRUSH PatternBrush;
extern TObject* (*dxBarGetRootAccessibleObject)(HWND AWindow);
extern const Word MDIButtonCommands[3];
extern bool dxBarMakeInactiveImagesDingy;
extern bool dxBarPlaySound;
extern TClass dxBarSkinPainterClass;
extern Integer dxBarNonrecentlyUsedItemsColorDelta;
extern Integer dxBarFlatToolbarsColorDelta;
extern Integer dxBarWaitForSubMenuTime;
extern TColor dxBarScreenTipFontColor;

// The USER32 calls looked up by the unit's start; each may be missing (nil).
using TUpdateLayeredWindow = BOOL (*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, void*, DWORD);
using TAnimateWindow = BOOL (*)(HWND, DWORD, DWORD);
using TSetLayeredWindowAttributes = BOOL (*)(HWND, COLORREF, BYTE, DWORD);
extern TUpdateLayeredWindow UpdateLayeredWindowProc;
extern TAnimateWindow AnimateWindowProc;
extern TSetLayeredWindowAttributes SetLayeredWindowAttributesProc;

// The platform as recorded by the unit's start.
extern bool IsWin95;
extern bool IsWin95Minor0;
extern bool UseLargeMenuItemInfo;

// The list of live bar controls.
extern TList* BarControls;

// Whether the unit has begun to stop: the objects made on first use are no longer made then.
bool IsFinalizing();

// The thread hooks, installed with the first manager and removed with the last.
void InstallBarHooks();
void RemoveBarHooks();
bool BarHooksInstalled();
// The shared hint window, made for the first manager that is not designing.
void CreateSharedHintWindow();
void FreeSharedHintWindow();

void InitdxBar();
void DonedxBar();

}  // namespace dxBar

using namespace dxBar;
