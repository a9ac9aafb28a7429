// The item link: its item, overrides, group marks, visibility, recent-list state, accelerator and
// form-stream entry.
#include "dxBarItemLinks.h"

#include <algorithm>

#include "Filer.h"
#include "dxBarButton.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "Strings.h"
#include "WinUser.h"
#include "dxBarItemActionLink.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarItemLinksInternal.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarItemLink) {
  d.Property("BeginGroup", &TdxBarItemLink::GetOwnBeginGroup, &TdxBarItemLink::SetBeginGroup).Default(false);
  d.Property("ButtonGroup", &TdxBarItemLink::GetButtonGroup, &TdxBarItemLink::SetButtonGroup).Default(bgpNone);
  d.Property("MostRecentlyUsed", &TdxBarItemLink::GetMostRecentlyUsed, &TdxBarItemLink::SetMostRecentlyUsed)
      .Default(true);
  d.Property("Position", &TdxBarItemLink::GetPosition, &TdxBarItemLink::SetPosition).Default(ipBeginsNewRow);
  d.Property("UserCaption", &TdxBarItemLink::GetUserCaption, &TdxBarItemLink::SetUserCaption);
  d.Property("UserDefine", &TdxBarItemLink::GetUserDefine, &TdxBarItemLink::SetUserDefine)
      .Default(TdxBarUserDefines());
  d.Property("UserGlyph", &TdxBarItemLink::GetUserGlyph, &TdxBarItemLink::SetUserGlyph)
      .Stored(&TdxBarItemLink::IsUserGlyphStored);
  d.Property("UserPaintStyle", &TdxBarItemLink::GetUserPaintStyle, &TdxBarItemLink::SetUserPaintStyle)
      .Default(psStandard);
  d.Property("UserWidth", &TdxBarItemLink::GetUserWidth, &TdxBarItemLink::SetUserWidth).Default(0);
  d.Property("ViewLevels", &TdxBarItemLink::GetViewLevels, &TdxBarItemLink::SetViewLevels)
      .Default(dxBarItemAllViewLevels);
  d.Property("Visible", &TdxBarItemLink::GetVisible, &TdxBarItemLink::SetVisible).Default(true);
}

Integer dxBarMostRecentlyUsedUseCount(Integer APercents) {
  if (APercents >= 100) return 0;
  Integer result = 1;
  while (result * (100 - APercents) / 100 <= 0) ++result;
  return result;
}

namespace dxBarItemLinksInternal {

TdxBarItem* FindItemByName(TdxBarManager* AManager, const String& AName) {
  if (!AManager) return nullptr;
  for (Integer i = 0; i < AManager->GetItemCount(); ++i)
    if (SameText(AManager->GetItem(i)->GetName(), AName)) return AManager->GetItem(i);
  return nullptr;
}

bool ManagerCanShowRecentItems(TdxBarManager* AManager) { return AManager && AManager->GetStyle() != bmsStandard; }

bool IsSeparatorItem(TdxBarItem* AItem) { return Is<TdxBarSeparator>(AItem); }

}  // namespace dxBarItemLinksInternal

using namespace dxBarItemLinksInternal;

// ---- Life cycle ---------------------------------------------------------------------------------------------
void TdxBarItemLink::Construct() {
  inherited::Construct();
  TdxBarManager* manager = GetBarManager();
  FUseCount = manager ? dxBarMostRecentlyUsedUseCount(manager->GetMostRecentItemsPercents()) : 0;
  FUserGlyph = New<TBitmap>();
  FUserGlyph->OnChange = TNotifyEvent(this, &TdxBarItemLink::UserGlyphBitmapChanged);
  if (FLinks && FLinks->RecentIndexOf(this) < 0) FLinks->AddToRecentList(this);
  if (manager && !manager->GetIsLoading() && manager->OnItemLinkAdd) manager->OnItemLinkAdd(manager, this);
}

void TdxBarItemLink::Destroy() {
  TdxBarManager* manager = GetBarManager();
  if (manager && !manager->GetIsDestroying() && manager->OnItemLinkDelete) manager->OnItemLinkDelete(manager, this);
  DestroyControl();
  if (FItem) {
    FItem->RemoveLink(this);
    FItem = nullptr;
  }
  FreeAndNil(FUserGlyph);
  if (FLinks) FLinks->RemoveFromRecentList(this);
  inherited::Destroy();
}

HRESULT TdxBarItemLink::QueryInterface(const TGUID& iid, void** obj) {
  return Supports(static_cast<TObject*>(this), iid, obj) ? S_OK : E_NOINTERFACE;
}

void TdxBarItemLink::SetCollection(TCollection* Value) { SetCollection(As<TdxBarItemLinks>(Value)); }

void TdxBarItemLink::SetCollection(TdxBarItemLinks* Value) {
  if (FLinks && FLinks != Value) FLinks->RemoveFromRecentList(this);
  inherited::SetCollection(Value);
  FLinks = Value;
  // A link that joins a collection takes a place in its recent order too.
  if (FLinks && FLinks->RecentIndexOf(this) < 0) FLinks->AddToRecentList(this);
}

TdxBarManager* TdxBarItemLink::GetBarManager() { return FLinks ? FLinks->GetBarManager() : nullptr; }

TCustomdxBarControl* TdxBarItemLink::GetBarControl() { return FLinks ? FLinks->GetBarControl() : nullptr; }

// ---- Item ---------------------------------------------------------------------------------------------------
TdxBarItem* TdxBarItemLink::GetItem() {
  if (!FLoadedItemName.empty() && FLinks)
    if (TComponent* owner = FLinks->GetOwnerComponent())
      if (IsAncestorComponentDifferencesDetection(owner)) return FindItemByName(GetBarManager(), FLoadedItemName);
  return FItem;
}

bool TdxBarItemLink::HasItem(TdxBarItem* AItem) { return FItem == AItem; }

void TdxBarItemLink::SetItem(TdxBarItem* Value) {
  if (Value == FItem) return;
  TdxBarItemLinks* links = FLinks;
  if (links) links->BeginUpdate();
  auto endUpdate = [links] {
    if (links) links->EndUpdate();
  };
  try {
    DestroyControl();
    if (FItem) {
      FItem->RemoveLink(this);
      FItem = nullptr;
    }
    if (!Value) {
      Free();
      endUpdate();
      return;
    }
    String errorText;
    if (links && !links->CanContainItem(Value, errorText)) throw Exception(errorText);
    FItem = Value;
    Value->AddLink(this);
    if (links) {
      links->RefreshVisibilityLists();
      TComponent* owner = links->GetOwnerComponent();
      if (owner && !owner->ComponentState().Contains(csLoading)) CheckMostRecentlyUsed();
      if (links->UpdateCount() == 1 && GetBarManager()) GetBarManager()->DoItemLinkChange(this);
    }
  } catch (...) {
    endUpdate();
    throw;
  }
  endUpdate();
}

// ---- Effective values and overrides ------------------------------------------------------------------------
String TdxBarItemLink::GetCaption() {
  return FUserDefine.Contains(udCaption) || !FItem ? FUserCaption : FItem->GetCaption();
}

TBitmap* TdxBarItemLink::GetGlyph() { return FUserDefine.Contains(udGlyph) || !FItem ? FUserGlyph : FItem->GetGlyph(); }

TdxBarPaintStyle TdxBarItemLink::GetPaintStyle() {
  return FUserDefine.Contains(udPaintStyle) || !FItem ? FUserPaintStyle : FItem->GetPaintStyle();
}

// Only edit items have a width of their own; none is among the unit's kinds yet.
Integer TdxBarItemLink::GetWidth() { return FUserDefine.Contains(udWidth) ? FUserWidth : 0; }

bool TdxBarItemLink::CanChangePaintStyle() { return FItem && FItem->CanChangePaintStyle(); }

void TdxBarItemLink::SetUserCaption(const String& Value) {
  if (Value == FUserCaption) return;
  SetUserDefine(FUserDefine - TdxBarUserDefines{udCaption});
  FUserCaption = Value;
  SetUserDefine(FUserDefine + TdxBarUserDefines{udCaption});
}

void TdxBarItemLink::SetUserGlyph(TBitmap* Value) {
  if (Value == FUserGlyph) return;
  SetUserDefine(FUserDefine - TdxBarUserDefines{udGlyph});
  FUserGlyph->Assign(Value);
  SetUserDefine(FUserDefine + TdxBarUserDefines{udGlyph});
}

void TdxBarItemLink::SetUserPaintStyle(TdxBarPaintStyle Value) {
  if (Value == GetPaintStyle()) return;
  SetUserDefine(FUserDefine - TdxBarUserDefines{udPaintStyle});
  FUserPaintStyle = Value;
  SetUserDefine(FUserDefine + TdxBarUserDefines{udPaintStyle});
}

void TdxBarItemLink::SetUserWidth(Integer Value) {
  if (Value == GetWidth()) return;
  SetUserDefine(FUserDefine - TdxBarUserDefines{udWidth});
  FUserWidth = Value;
  SetUserDefine(FUserDefine + TdxBarUserDefines{udWidth});
}

void TdxBarItemLink::SetUserDefine(TdxBarUserDefines Value) {
  const TdxBarUserDefines old = FUserDefine;
  for (TdxBarUserDefine member : {udCaption, udGlyph, udPaintStyle, udWidth}) {
    const bool had = old.Contains(member), has = Value.Contains(member);
    if (had == has) continue;
    if (has) {
      FUserDefine.Include(member);
    } else {
      FUserDefine.Exclude(member);
      switch (member) {
        case udCaption: FUserCaption.clear(); break;
        case udGlyph: {
          // Emptying the glyph must not come back here as a glyph change.
          TNotifyEvent handler = FUserGlyph->OnChange;
          FUserGlyph->OnChange = TNotifyEvent();
          FUserGlyph->Assign(nullptr);
          FUserGlyph->OnChange = handler;
          break;
        }
        case udPaintStyle: FUserPaintStyle = psStandard; break;
        case udWidth: FUserWidth = 0; break;
      }
    }
    if (FControl) {
      switch (member) {
        case udCaption: FControl->CaptionChanged(); break;
        case udGlyph: FControl->GlyphChanged(); break;
        case udPaintStyle: FControl->PaintStyleChanged(); break;
        case udWidth: FControl->WidthChanged(); break;
      }
    }
  }
  Changed(false);
}

void TdxBarItemLink::UserGlyphChanged() {
  if (FControl) FControl->GlyphChanged();
}

// ---- Group marks and layout settings ------------------------------------------------------------------------
bool TdxBarItemLink::GetBeginGroup() {
  const Integer v = GetVisibleIndex();
  if (FBeginGroup && v != 0) return true;
  if (v <= 0 || !FLinks) return false;
  // The mark of a hidden link passes to the next shown link.
  const Integer from = FLinks->GetVisibleItem(v - 1)->GetIndex();
  for (Integer i = from + 1; i < GetIndex(); ++i)
    if (FLinks->GetItem(i)->FBeginGroup) return true;
  return false;
}

void TdxBarItemLink::SetBeginGroup(bool Value) {
  if (FBeginGroup == Value) return;
  FBeginGroup = Value;
  if (FControl) FControl->BeginGroupChanged();
  Changed(false);
}

void TdxBarItemLink::MoveBeginGroupItemIfNeeded() {
  if (!FItem || !FLinks) return;
  const Integer index = FLinks->CanVisibleIndexOf(this);
  if (index < 0 || index == FLinks->GetCanVisibleItemCount() - 1) return;
  TdxBarItemLink* next = FLinks->GetCanVisibleItem(index + 1);
  if (index == 0 && next->FBeginGroup)
    next->SetBeginGroup(false);
  else if (FBeginGroup && !next->FBeginGroup)
    next->SetBeginGroup(true);
}

void TdxBarItemLink::SetButtonGroup(TdxBarButtonGroupPosition Value) {
  if (FButtonGroup == Value) return;
  FButtonGroup = Value;
  Changed(true);
}

void TdxBarItemLink::SetPosition(TdxBarItemPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  Changed(true);
}

void TdxBarItemLink::SetViewLevels(TdxBarItemViewLevels Value) {
  if (FViewLevels == Value) return;
  FViewLevels = Value;
  Changed(true);
}

void TdxBarItemLink::SetItemRect(const TRect& Value) {
  FItemRect = Value;
  if (FControl) FControl->DoCalculateParts();
}

// ---- Visibility ---------------------------------------------------------------------------------------------
bool TdxBarItemLink::CanVisible() { return FItem && FItem->GetActuallyVisible() && FVisible; }

void TdxBarItemLink::SetVisible(bool Value) {
  TdxBarManager* manager = GetBarManager();
  if ((manager && manager->GetIsLoading()) || (FLinks && FLinks->GetAssigning())) {
    FLoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FVisible = Value;
  if (!(manager && manager->GetDesigning())) {
    if (FLinks) FLinks->RefreshVisibilityLists();
    if (Value) {
      BringToTopInRecentList(false);
      if (FLinks && FLinks->GetBarControl()) {
        CreateControl();
        if (FControl) FControl->VisibleChanged();
      }
    } else {
      SendToBottomInRecentList();
      if (FControl) {
        FControl->VisibleChanged();
        DestroyControl();
      }
    }
  }
  Changed(false);
}

Integer TdxBarItemLink::GetVisibleIndex() { return FLinks ? FLinks->VisibleIndexOf(this) : -1; }
Integer TdxBarItemLink::GetCanVisibleIndex() { return FLinks ? FLinks->CanVisibleIndexOf(this) : -1; }
Integer TdxBarItemLink::GetAvailableIndex() { return FLinks ? FLinks->AvailableIndexOf(this) : -1; }

TdxBarItemLink* TdxBarItemLink::GetNext() {
  if (!FLinks) return nullptr;
  TdxBarItemLink* next = FLinks->Next(this, true);
  return next == this ? nullptr : next;
}

// ---- The most-recently-used model ---------------------------------------------------------------------------
Integer TdxBarItemLink::GetRecentIndex() { return FLinks ? FLinks->RecentIndexOf(this) : FPrevRecentIndex; }

void TdxBarItemLink::SetRecentIndex(Integer Value) {
  if (!FLinks) {
    FPrevRecentIndex = Value;
    return;
  }
  // Clamped at both ends: the loaded default -1 would address outside the list.
  const Integer last = FLinks->GetRecentListCount() - 1;
  FLinks->MoveInRecentList(this, std::clamp(Value, 0, std::max(last, 0)));
  FLinks->RefreshVisibilityLists();
}

void TdxBarItemLink::InternalBringToTopInRecentList(bool ACountUse) {
  if (FLinks && !FLinks->CanUseRecentItems()) return;
  if (FLinks) FLinks->MoveInRecentList(this, 0);
  if (ACountUse) ++FUseCount;
}

void TdxBarItemLink::BringToTopInRecentList(bool ACountUse) {
  if (!CanVisible()) return;
  InternalBringToTopInRecentList(ACountUse);
  if (!FLinks || FLinks->CanVisibleIndexOf(this) < 0) return;
  // The use counts for the item that opened the menu as well.
  if (auto* parentItem = dynamic_cast<TdxBarItem*>(FLinks->GetOwnerComponent()))
    if (parentItem->GetItemLinks() == FLinks)
      if (TdxBarItemLink* opener = parentItem->GetCurItemLink()) opener->GetRealItemLink()->BringToTopInRecentList(ACountUse);
}

void TdxBarItemLink::SendToBottomInRecentList() {
  if (FLinks) FLinks->MoveInRecentList(this, FLinks->GetRecentListCount() - 1);
}

void TdxBarItemLink::CheckMostRecentlyUsed() {
  if (FMostRecentlyUsed) {
    TdxBarManager* manager = GetBarManager();
    FUseCount = manager ? dxBarMostRecentlyUsedUseCount(manager->GetMostRecentItemsPercents()) : 0;
    BringToTopInRecentList(false);
  } else {
    FUseCount = 0;
    SendToBottomInRecentList();
  }
}

void TdxBarItemLink::SetMostRecentlyUsed(bool Value) {
  if (FMostRecentlyUsed == Value) return;
  FMostRecentlyUsed = Value;
  CheckMostRecentlyUsed();
  Changed(false);
}

void TdxBarItemLink::Synchronize(TdxBarItemLink* ALink) {
  FUseCount = ALink->FUseCount;
  SetRecentIndex(ALink->GetRecentIndex());
}

// ---- Accelerator --------------------------------------------------------------------------------------------
bool TdxBarItemLink::IsAccel(Word AKey, TShiftState AShift) {
  const char accel = GetAccelChar(GetCaption());
  if (!accel) return false;
  const String lowered = AnsiLowerCase(String(1, accel));
  const char c = lowered.size() == 1 ? lowered[0] : accel;
  if (c != accel) AShift.Exclude(ssShift);
  if (c >= '0' && c <= '9' && AKey == static_cast<Word>(c) && AShift == TShiftState()) return true;
  const SHORT scan = VkKeyScan(c);
  if (scan == -1 || (scan & 0xFF) != AKey) return false;
  TShiftState needed;
  if (scan & 0x100) needed.Include(ssShift);
  if (scan & 0x200) needed.Include(ssCtrl);
  return AShift == needed;
}

// ---- Controls -----------------------------------------------------------------------------------------------
void TdxBarItemLink::CreateControl() {
  TCustomdxBarControl* bar = GetBarControl();
  if (FControl || !FItem || !bar) return;
  TClass controlClass = FItem->GetControlClass(bar->IsVertical());
  if (controlClass) FControl = TdxBarItemControl::Create(controlClass, this);
}

void TdxBarItemLink::DestroyControl() {
  TdxBarItemControl* control = FControl;
  FControl = nullptr;
  if (control) control->Free();
}

void TdxBarItemLink::RecreateControl() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->IsUpdateLocked()) return;
  DestroyControl();
  CreateControl();
}

TPoint TdxBarItemLink::ScreenToClient(const TPoint& P) { return TPoint(P.x - FItemRect.left, P.y - FItemRect.top); }

void TdxBarItemLink::InitiateAction() {
  if (FItem && FItem->GetActionLink()) FItem->GetActionLink()->Update();
}

// ---- Assignment and form stream -----------------------------------------------------------------------------
void TdxBarItemLink::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItemLink*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FData = source->FData;
  SetUserCaption(source->FUserCaption);
  SetUserGlyph(source->FUserGlyph);
  SetUserPaintStyle(source->FUserPaintStyle);
  SetUserWidth(source->FUserWidth);
  TdxBarItem* item = source->FItem;
  TdxBarManager* manager = GetBarManager();
  TComponent* owner = FLinks ? FLinks->GetOwnerComponent() : nullptr;
  const bool updating = (manager && manager->ComponentState().Contains(csUpdating)) ||
                        (owner && owner->ComponentState().Contains(csUpdating));
  if (item && updating) item = FindItemByName(manager, item->GetName());
  SetItem(item);
  if (!item) return;  // the link is gone with its item
  SetUserDefine(source->FUserDefine);
  SetBeginGroup(source->GetBeginGroup());
  SetButtonGroup(source->FButtonGroup);
  SetPosition(source->FPosition);
  SetViewLevels(source->FViewLevels);
  SetVisible(source->FVisible);
  FMergingBar = TdxBarItemLinks::MergingBar();
}

bool TdxBarItemLink::IsItemNameStored(TdxBarItemLink* AAncestor) {
  if (!AAncestor) return FItem != nullptr;
  TdxBarItem* mine = FItem;
  TdxBarItem* theirs = AAncestor->FItem;
  if (!mine || !theirs) return mine != theirs;
  return mine->GetName() != theirs->GetName();
}

void TdxBarItemLink::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("ItemName", Filer::TReaderProc(this, &TdxBarItemLink::ReadItemName),
                        Filer::TWriterProc(this, &TdxBarItemLink::WriteItemName),
                        IsItemNameStored(dynamic_cast<TdxBarItemLink*>(Filer->GetAncestor())));
}

void TdxBarItemLink::ReadItemName(Filer::TReader* Reader) { FLoadedItemName = Reader->ReadString(); }

void TdxBarItemLink::WriteItemName(Filer::TWriter* Writer) { Writer->WriteString(FItem ? FItem->GetName() : String()); }

// ---- Selection protocol -------------------------------------------------------------------------------------
void TdxBarItemLink::DeleteSelection(IdxBarSelectableItem*& AReference, bool) {
  AReference = nullptr;
  Free();
}

void TdxBarItemLink::ExecuteCustomizationAction(TdxBarCustomizationAction AAction) {
  // The actions copy from the design controller's customizing link; only the reset needs none.
  if (AAction == caReset) SetUserDefine(TdxBarUserDefines());
}

void TdxBarItemLink::GetMasterObjects(TdxObjectList* AList) {
  if (FItem) AList->Add(FItem);
}

IdxBarSelectableItem* TdxBarItemLink::GetNextSelectableItem() { return GetNext(); }

IdxBarSelectableItem* TdxBarItemLink::GetSelectableParent() { return nullptr; }

TdxBarSelectionStatus TdxBarItemLink::GetSelectionStatus() {
  return GetBarManager() ? GetBarManager()->GetSelectionStatus(this) : ssUnselected;
}

TdxBarCustomizationActions TdxBarItemLink::GetSupportedActions() {
  return FItem ? FItem->GetSupportedActions() : TdxBarCustomizationActions();
}

void TdxBarItemLink::Invalidate() {
  if (FControl) FControl->Repaint();
}

bool TdxBarItemLink::IsComponentSelected() {
  TdxBarManager* manager = GetBarManager();
  return manager && (manager->IsComponentSelected(this) || (FItem && manager->IsComponentSelected(FItem)));
}

void TdxBarItemLink::SelectComponent(TdxBarSelectionOperation AOperation) {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return;
  if (AOperation == soExclude) manager->SelectComponent(this, AOperation);
  if (FItem) manager->SelectComponent(FItem, AOperation);
}

bool TdxBarItemLink::SelectParentComponent() { return false; }

void TdxBarItemLink::SelectionChanged() {
  if (FItem) FItem->SelectionChanged();
}

}  // namespace dxBar
