// The keyboard hook's entry into the manager: shortcut keys first, then the accelerators of the links.
#include "dxBarControl.h"
#include "dxBarDispatch.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBar {

bool ProcessShortCutKey(TdxBarManager* ABarManager, Word AKey, LPARAM AKeyData) {
  const TShiftState shift = dxBarKeyboardShiftState();
  if (const TShortCut shortCut = KeyDataToShortCut(AKey, shift, AKeyData))
    if (ABarManager->HandleShortCut(shortCut)) return true;
  if (!shift.Contains(ssAlt)) return false;
  TdxBarItemLink* link = ABarManager->GetItemLinkWithAccel(AKey, shift - TShiftState{ssAlt});
  if (!link || !link->GetItem()) return false;
  TdxBarItemLink* next = link->GetOwnerValue()->FindItemWithAccel(AKey, shift - TShiftState{ssAlt}, link);
  TdxBarItemControl* control = link->GetControl();
  const bool shared = next && next != link;
  const TdxBarAccelActions actions =
      GetAccelActions(link->GetItem()->GetEnabled(), shared, control && control->IsDestroyOnClick());
  if (actions.Empty() || !control) return !actions.Empty();
  TCustomdxBarControl* barControl = control->GetParent();
  if (actions.Contains(aaFocus)) barControl->BarGetFocus(control);
  if (actions.Contains(aaClick)) control->Click(false, '\0');
  return true;
}

}  // namespace dxBar
