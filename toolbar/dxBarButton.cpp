// The button, label, separator and window items: their styles, the down state shared by a radio
// group, the drop-down menu of a split button, and the text of a window item.
#include "dxBarButton.h"

#include "ActnList.h"
#include "WinUser.h"
#include "dxBarItemActionLink.h"
#include "dxBarButtonControl.h"
#include "dxBarComponents.h"
#include "dxBarControl.h"
#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarLabel)
IMPLEMENT_CLASS(TdxBarSeparator)
IMPLEMENT_ABSTRACT_CLASS(TdxBarWindowItem)

// ButtonStyle comes before GroupIndex and Down: both refuse a checked button's stored values while
// the button is still bsDefault, and GroupIndex before Down, which a group change releases.
IMPLEMENT_CLASS_PUBLISHED(TdxBarButton) {
  d.Property("ButtonStyle", &TdxBarButton::GetButtonStyle, &TdxBarButton::SetButtonStyle).Default(bsDefault);
  d.Property("AllowAllUp", &TdxBarButton::GetAllowAllUp, &TdxBarButton::SetAllowAllUp).Default(false);
  d.Property("CloseSubMenuOnClick", &TdxBarButton::GetCloseSubMenuOnClick, &TdxBarButton::SetCloseSubMenuOnClick)
      .Default(true);
  d.Property("GroupIndex", &TdxBarButton::GetGroupIndex, &TdxBarButton::SetGroupIndex).Default(0);
  d.Property("Down", &TdxBarButton::GetDown, &TdxBarButton::SetDown).Default(false).Stored(&TdxBarButton::IsDownStored);
  d.Property("DropDownEnabled", &TdxBarButton::GetDropDownEnabled, &TdxBarButton::SetDropDownEnabled).Default(true);
  d.Property("DropDownMenu", &TdxBarButton::GetDropDownMenu, &TdxBarButton::SetDropDownMenu);
  d.Property("Lowered", &TdxBarButton::GetLowered, &TdxBarButton::SetLowered).Default(false);
  d.Property("Caption", &TdxBarButton::GetCaption, &TdxBarButton::SetCaption).Stored(&TdxBarButton::IsCaptionStored);
  d.Property("Glyph", &TdxBarButton::GetGlyph, &TdxBarButton::SetGlyph);
  d.Property("ImageIndex", &TdxBarButton::GetImageIndex, &TdxBarButton::SetImageIndex)
      .Default(-1)
      .Stored(&TdxBarButton::IsImageIndexStored);
  d.Property("LargeGlyph", &TdxBarButton::GetLargeGlyph, &TdxBarButton::SetLargeGlyph);
  d.Property("LargeImageIndex", &TdxBarButton::GetLargeImageIndex, &TdxBarButton::SetLargeImageIndex).Default(-1);
  d.Property("PaintStyle", &TdxBarButton::GetPaintStyle, &TdxBarButton::SetPaintStyle).Default(psStandard);
  d.Property("ShortCut", &TdxBarButton::GetShortCut, &TdxBarButton::SetShortCut)
      .Default(0)
      .Stored(&TdxBarButton::IsShortCutStored);
  d.Property("UnclickAfterDoing", &TdxBarButton::GetUnclickAfterDoing, &TdxBarButton::SetUnclickAfterDoing)
      .Default(true);
  d.Property("OnClick", &TdxBarButton::GetOnClick, &TdxBarButton::SetOnClick).Stored(&TdxBarButton::IsOnClickStored);
}

// ---- Label and separator ------------------------------------------------------------------------------------
void TdxBarLabel::Construct() {
  inherited::Construct();
  SetShowCaption(true);
}

TdxBarCustomizationActions TdxBarSeparator::GetSupportedActions() {
  TdxBarCustomizationActions actions = inherited::GetSupportedActions();
  actions.Exclude(caChangeRecentList);
  return actions;
}

bool TdxBarSeparator::CanBePlacedOn(TdxBarItemControlParentKind AParentKind, TdxBar*, String& AErrorText) {
  if (AParentKind == pkSubItemOrPopupMenu) {
    AErrorText.clear();
    return true;
  }
  AErrorText = "A separator item cannot be placed on the specified toolbar";
  return false;
}

String TdxBarSeparator::GetNewCaption() { return "New Separator"; }

// ---- Window item --------------------------------------------------------------------------------------------
TClass TdxBarWindowItem::GetControlClass(bool AIsVertical) {
  if (AIsVertical) return TdxBarButtonControl::StaticClass();
  return inherited::GetControlClass(AIsVertical);
}

void TdxBarWindowItem::SetText(const String& Value) {
  if (Value == FText) return;
  FText = Value;
  Update();
  Change();
  Update();
}

// The text being edited lives in the active link's window control until it is committed; window
// controls come with the edit items.
String TdxBarWindowItem::GetCurText() { return GetText(); }
void TdxBarWindowItem::SetCurText(const String& Value) { SetText(Value); }
TdxBarItemLink* TdxBarWindowItem::GetFocusedItemLink() { return nullptr; }

void TdxBarWindowItem::SetFocus(bool AOnlyVisible) {
  // Only a toolbar window focuses an in-place editor; links in menus are passed over.
  for (Integer i = 0; i < GetLinkCount(); ++i) {
    TdxBarItemLink* link = GetLinks(i);
    TdxBarItemControl* control = link->GetControl();
    TCustomdxBarControl* bar = link->GetBarControl();
    if (!control || !control->HasWindow() || !bar || bar->Kind() != bkBarControl) continue;
    if (AOnlyVisible && !(bar->HandleAllocated() && IsWindowVisible(bar->GetHandle()))) continue;
    bar->BarGetFocus(control);
    control->Click(false, '\0');
    return;
  }
}

void TdxBarWindowItem::Change() {
  if (!GetIsLoading() && OnChange) OnChange(this);
}
void TdxBarWindowItem::CurChange() {
  if (OnCurChange) OnCurChange(this);
}
void TdxBarWindowItem::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TdxBarWindowItem::DoExit() {
  if (OnExit) OnExit(this);
}
void TdxBarWindowItem::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TdxBarWindowItem::KeyPress(Char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
void TdxBarWindowItem::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// ---- Button -------------------------------------------------------------------------------------------------
void TdxBarButton::Construct() {
  inherited::Construct();
  SetUnclickAfterDoing(true);
}

template <class F>
void TdxBarButton::ForEachGroupMember(F AProc) {
  TdxBarManager* manager = GetBarManager();
  if (!manager || FGroupIndex == 0) return;
  for (Integer i = 0; i < manager->GetItemCount(); ++i) {
    auto* button = dynamic_cast<TdxBarButton*>(manager->GetItems()->GetBarComponent(i));
    if (button && button != this && button->IsChecked() && button->FGroupIndex == FGroupIndex) AProc(button);
  }
}

void TdxBarButton::SetButtonStyle(TdxBarButtonStyle Value) {
  if (GetButtonStyle() == Value) return;
  FStyleBits = static_cast<Byte>(Value);
  FDown = false;
  if (!GetIsLoading()) UpdateEx(TdxBarKinds{bkBarControl, bkBarQuickControl, bkSubMenu});
  Changed(false);
}

void TdxBarButton::SetDown(bool Value) {
  if (Value == FDown || (Value && !IsChecked())) return;
  TdxBarButton* previous = nullptr;
  if (!GetIsLoading() && IsChecked() && FGroupIndex != 0) {
    bool otherDown = false;
    ForEachGroupMember([&](TdxBarButton* AButton) {
      if (AButton->FDown) {
        otherDown = true;
        if (!previous) previous = AButton;
      }
    });
    // The last down button of a group stays down unless the group allows all up.
    if (!Value && !FAllowAllUp && !otherDown) return;
  }
  FDown = Value;
  if (GetIsLoading()) return;
  Update();
  if (Value && previous) previous->SetDown(false);
}

bool TdxBarButton::IsDownStored() {
  return !(GetActionLink() && GetActionLink()->IsCheckedLinked());
}

void TdxBarButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
  if (FGroupIndex == 0) return;
  TdxBarManager* manager = GetBarManager();
  if (!manager) return;
  for (Integer i = 0; i < manager->GetItemCount(); ++i)
    if (auto* button = dynamic_cast<TdxBarButton*>(manager->GetItems()->GetBarComponent(i)))
      if (button->FGroupIndex == FGroupIndex) button->FAllowAllUp = Value;
}

void TdxBarButton::SetGroupIndex(Integer Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = IsChecked() ? Value : 0;
  // Leaving or joining a group releases the button, also the last one down of its old group.
  if (!FDown || GetIsLoading()) return;
  FDown = false;
  Update();
}

void TdxBarButton::SetDropDownEnabled(bool Value) {
  if (FDropDownEnabled == Value) return;
  FDropDownEnabled = Value;
  if (!GetIsLoading()) Update();
}

void TdxBarButton::SetLowered(bool Value) {
  if (FLowered == Value) return;
  FLowered = Value;
  if (!GetIsLoading()) UpdateEx(dxBarAllKinds);
}

IdxBarLinksOwner* TdxBarButton::GetDropDownLinksOwner() const { return dynamic_cast<IdxBarLinksOwner*>(FDropDownMenu); }

void TdxBarButton::SetDropDownMenu(TdxBarComponent* Value) {
  if (FDropDownMenu == Value) return;
  auto* owner = dynamic_cast<IdxBarLinksOwner*>(Value);
  TdxBarItemLinks* links = owner ? owner->GetItemLinks() : nullptr;
  if (links && links->IsReferencedBy(this)) throw Exception("You cannot create recursive menus");
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = Value;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TdxBarButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

TdxBarItemLinks* TdxBarButton::GetItemLinks() {
  IdxBarLinksOwner* owner = GetDropDownLinksOwner();
  return owner ? owner->GetItemLinks() : nullptr;
}

TCustomdxBarControl* TdxBarButton::CreateBarControl() {
  IdxBarLinksOwner* owner = GetDropDownLinksOwner();
  return owner ? owner->CreateBarControl() : nullptr;
}

bool TdxBarButton::CanContainItem(TdxBarItem* AItem, String& AErrorText) {
  AErrorText.clear();
  IdxBarLinksOwner* owner = GetDropDownLinksOwner();
  return owner && owner->CanContainItem(AItem, AErrorText);
}

TdxBarCustomizationActions TdxBarButton::GetSupportedActions() {
  TdxBarCustomizationActions actions = inherited::GetSupportedActions();
  actions.Include(caChangeButtonPaintStyle);
  if (GetIsDesigning()) actions.Include(caChangeButtonGroup);
  return actions;
}

bool TdxBarButton::HasAccel(TdxBarItemLink* AItemLink) {
  if (!inherited::HasAccel(AItemLink)) return false;
  TCustomdxBarControl* bar = AItemLink ? AItemLink->GetBarControl() : nullptr;
  if (!bar || bar->Kind() != bkBarControl) return true;
  auto showsCaption = [](TdxBarPaintStyle AStyle) { return AStyle == psCaption || AStyle == psCaptionGlyph; };
  if (showsCaption(AItemLink->GetPaintStyle())) return true;
  auto* control = dynamic_cast<TdxBarButtonControl*>(AItemLink->GetControl());
  return control && showsCaption(control->GetPaintStyle());
}

void TdxBarButton::PaintStyleChanged() {
  for (Integer i = 0; i < GetLinkCount(); ++i) {
    TdxBarItemLink* link = GetLinks(i);
    if (!link->GetUserDefine().Contains(udPaintStyle) && link->GetControl()) link->GetControl()->PaintStyleChanged();
  }
}

String TdxBarButton::GetNewCaption() { return "New Button"; }

void TdxBarButton::Click() {
  if (GetEnabled() && IsChecked()) SetDown(!FDown);
  inherited::Click();
}

void TdxBarButton::ActionChange(TObject* Sender, bool ACheckDefaults) {
  inherited::ActionChange(Sender, ACheckDefaults);
  if (auto* action = dynamic_cast<TCustomAction*>(Sender))
    if (!ACheckDefaults || !FDown) SetDown(action->GetChecked());
}

void TdxBarButton::DoDropDown(TdxBarItemControl* AControl, Integer X, Integer Y, bool AByMouse) {
  // The popup itself is the popup menu's (PopupEx); until popup menus exist a split button's menu has
  // nothing to show.
  if (!FDropDownMenu || !AControl) return;
}

}  // namespace dxBar
