// The toolbar unit's start and stop and its process-wide objects.
#include "dxBarUnit.h"

#include "dxBarComponents.h"

namespace dxBar {

TClass dxBarHintWindowClass = nullptr;
TdxBarHintWindow* FHintWindow = nullptr;
TObject* dxBarHintKeeper = nullptr;
HBRUSH PatternBrush = nullptr;
TObject* (*dxBarGetRootAccessibleObject)(HWND AWindow) = nullptr;
const Word MDIButtonCommands[3] = {0xF020, 0xF120, 0xF060};
bool dxBarMakeInactiveImagesDingy = true;
bool dxBarPlaySound = true;
TClass dxBarSkinPainterClass = nullptr;
Integer dxBarNonrecentlyUsedItemsColorDelta = 20;
Integer dxBarFlatToolbarsColorDelta = 20;
Integer dxBarWaitForSubMenuTime = 400;
TColor dxBarScreenTipFontColor = 0x4C4C4C;
bool IsWin95 = false;
bool IsWin95Minor0 = false;
bool UseLargeMenuItemInfo = false;
TList* BarControls = nullptr;

namespace {
bool Finalizing = false;
TdxBarItemList* ItemRegistry = nullptr;
}  // namespace

bool IsFinalizing() { return Finalizing; }

TdxBarItemList* RegdxItemList() {
  if (!ItemRegistry && !Finalizing) ItemRegistry = New<TdxBarItemList>();
  return ItemRegistry;
}

void InstallBarHooks() {}
void RemoveBarHooks() {}
bool BarHooksInstalled() { return false; }
void CreateSharedHintWindow() {}
void FreeSharedHintWindow() {}

void InitdxBar() {}
void DonedxBar() { FreeAndNil(ItemRegistry); }

}  // namespace dxBar
