// The bar item: life cycle, change notices, visibility, caption and hint, category, shortcut and
// the click road.
#include "dxBarItem.h"

#include "Forms.h"
#include "ImgList.h"
#include "dxBarItemActionLink.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarCategories.h"
#include "dxBarConsts.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"
#include "Filer.h"
#include "cxClassesResStrings.h"
#include "cxClassesLinks.h"
#include "cxGraphicsFunctions.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarItem) {
  d.Property("Action", &TdxBarItem::GetAction, &TdxBarItem::SetAction);
  d.Property("Align", &TdxBarItem::GetAlign, &TdxBarItem::SetAlign).Default(iaLeft);
  d.Property("Caption", &TdxBarItem::GetCaption, &TdxBarItem::SetCaption).Stored(&TdxBarItem::IsCaptionStored);
  d.Property("Category", &TdxBarItem::GetCategory, &TdxBarItem::SetCategory);
  d.Property("Description", &TdxBarItem::GetDescription, &TdxBarItem::SetDescription);
  d.Property("Enabled", &TdxBarItem::GetEnabled, &TdxBarItem::SetEnabled)
      .Default(true)
      .Stored(&TdxBarItem::IsEnabledStored);
  d.Property("HelpContext", &TdxBarItem::GetHelpContext, &TdxBarItem::SetHelpContext)
      .Default(0)
      .Stored(&TdxBarItem::IsHelpContextStored);
  d.Property("Hint", &TdxBarItem::GetHint, &TdxBarItem::SetHint).Stored(&TdxBarItem::IsHintStored);
  d.Property("KeyTip", &TdxBarItem::GetKeyTip, &TdxBarItem::SetKeyTip);
  d.Property("MergeKind", &TdxBarItem::GetMergeKind, &TdxBarItem::SetMergeKind).Default(mkAdd);
  d.Property("MergeOrder", &TdxBarItem::GetMergeOrder, &TdxBarItem::SetMergeOrder).Default(0);
  d.Property("Style", &TdxBarItem::GetStyle, &TdxBarItem::SetStyle);
  d.Property("Visible", &TdxBarItem::GetVisible, &TdxBarItem::SetVisible)
      .Default(ivAlways)
      .Stored(&TdxBarItem::IsVisibleStored);
  d.Property("OnDestroy", &TdxBarItem::GetOnDestroy, &TdxBarItem::SetOnDestroy);
}

TdxBarItemVisible VisibleTodxBarVisible(bool AVisible) { return AVisible ? ivAlways : ivNever; }

// ---- Life cycle ---------------------------------------------------------------------------------------------
void TdxBarItem::Construct() {
  inherited::Construct();
  TdxBarManager* manager = GetBarManagerByComponent(Owner());
  if (!manager && dxBarManagerList && dxBarManagerList->GetCount() > 0) manager = dxBarManagerList->GetBarManager(0);
  if (manager) manager->AddItem(this);
  FStylesData = New<TdxBarItemStylesData>(GetStyleCount());
  FStylesData->OnChange = TdxBarItemStyleChangeEvent(this, &TdxBarItem::InternalStyleChanged);
  FGlyph = New<TBitmap>();
  FGlyph->OnChange = TNotifyEvent(this, &TdxBarItem::GlyphBitmapChanged);
  FLargeGlyph = New<TBitmap>();
  FLargeGlyph->OnChange = TNotifyEvent(this, &TdxBarItem::LargeGlyphBitmapChanged);
}

void TdxBarItem::BeforeDestruction() {
  if (FOnDestroy) FOnDestroy(this);
  DestroyLinks();
  inherited::BeforeDestruction();
}

void TdxBarItem::Destroy() {
  FreeAndNil(FStylesData);
  FLinks.clear();
  FreeAndNil(FActionLink);
  FreeAndNil(FGlyph);
  FreeAndNil(FLargeGlyph);
  // A click in progress holds a link on the item: it learns here that the item is gone.
  cxClearObjectLinks(this);
  inherited::Destroy();
}

void TdxBarItem::DestroyLinks() {
  TdxBarManager* manager = GetBarManager();
  bool bracket = false;
  if (manager && !manager->GetIsDestroying() && !manager->IsUpdateLocked())
    for (TdxBarItemLink* link : FLinks)
      if (link->GetBarControl()) bracket = true;
  if (bracket) manager->BeginUpdate();
  try {
    while (!FLinks.empty()) FLinks.back()->Free();
  } catch (...) {
    if (bracket) manager->EndUpdate(true);
    throw;
  }
  if (bracket) manager->EndUpdate(true);
}

void TdxBarItem::RemoveLink(TdxBarItemLink* ALink) {
  auto it = std::find(FLinks.begin(), FLinks.end(), ALink);
  if (it != FLinks.end()) FLinks.erase(it);
}

TdxBarItemLink* TdxBarItem::GetLinks(Integer AIndex) const {
  return AIndex >= 0 && AIndex < GetLinkCount() ? FLinks[static_cast<size_t>(AIndex)] : nullptr;
}

template <class F>
void TdxBarItem::ForEachControl(F AProc) {
  for (size_t i = 0; i < FLinks.size(); ++i)
    if (TdxBarItemControl* control = FLinks[i]->GetControl()) AProc(FLinks[i], control);
}

// ---- Overridable basics -------------------------------------------------------------------------------------
Integer TdxBarItem::GetWidth() { return FWidth; }

void TdxBarItem::SetWidth(Integer Value) {
  if (Value == FWidth || Value < 0) return;
  FWidth = Value;
  WidthChanged();
}

bool TdxBarItem::CanBePlacedOn(TdxBarItemControlParentKind, TdxBar*, String& AErrorText) {
  AErrorText.clear();
  return true;
}

void TdxBarItem::DrawCustomizingImage(TcxCanvas* ACanvas, const TRect& ARect, Integer AState) {
  // The entry of the customizing dialog's command list is drawn by that dialog's painter, which
  // comes with the dialog.
}

void TdxBarItem::DrawCustomizingImageContent(TcxCanvas* ACanvas, const TRect& ARect, bool) {
  ACanvas->FillRect(ARect, clWindow);
}

TClass TdxBarItem::GetControlClass(bool) {
  TdxBarItemList* registry = RegdxItemList();
  if (!registry) return nullptr;
  // Registered for exactly this class: a kind without a registration of its own has no control.
  for (Integer i = 0; i < registry->GetCount(); ++i)
    if (registry->GetRecord(i)->ItemClass == ClassType()) return registry->GetRecord(i)->ItemControlClass;
  return nullptr;
}

void TdxBarItem::Recalculate() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->PartsChanged(); });
}

void TdxBarItem::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  GlyphChanged();
}

void TdxBarItem::SetLargeImageIndex(Integer Value) {
  if (FLargeImageIndex == Value) return;
  FLargeImageIndex = Value;
  LargeGlyphChanged();
}

void TdxBarItem::Update() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->Repaint(); });
}

void TdxBarItem::UpdateEx(TdxBarKinds AKinds) {
  // Repainting whole bar windows of the given kinds waits for the bar windows themselves.
}

String TdxBarItem::GetNewCaption() { return cxGetResourceString(&dxSBAR_NEWITEMCAPTION); }

ImgList::TCustomImageList* TdxBarItem::GetCurImages() {
  return GetBarManager() ? GetBarManager()->GetImages() : nullptr;
}

// ---- Change notices -----------------------------------------------------------------------------------------
void TdxBarItem::CaptionChanged() {
  ForEachControl([](TdxBarItemLink* ALink, TdxBarItemControl* AControl) {
    if (!ALink->GetUserDefine().Contains(udCaption)) AControl->CaptionChanged();
  });
  Changed(false);
}

void TdxBarItem::EnabledChanged() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->EnabledChanged(); });
}

void TdxBarItem::GlyphChanged() {
  ForEachControl([](TdxBarItemLink* ALink, TdxBarItemControl* AControl) {
    if (!ALink->GetUserDefine().Contains(udGlyph)) AControl->GlyphChanged();
  });
  Changed(false);
}

void TdxBarItem::HotGlyphChanged() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->HotGlyphChanged(); });
}

void TdxBarItem::LargeGlyphChanged() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->LargeGlyphChanged(); });
  Changed(false);
}

void TdxBarItem::ShortCutChanged() {
  UpdateEx(TdxBarKinds{bkSubMenu});
  Changed(false);
}

void TdxBarItem::WidthChanged() {
  ForEachControl([](TdxBarItemLink* ALink, TdxBarItemControl* AControl) {
    if (!ALink->GetUserDefine().Contains(udWidth)) AControl->WidthChanged();
  });
}

void TdxBarItem::VisibleChanged() {
  if (GetIsDesigning()) return;
  TdxBarManager* manager = GetBarManager();
  if (manager) manager->BeginUpdate();
  try {
    const bool visible = GetActuallyVisible();
    for (size_t i = 0; i < FLinks.size(); ++i) {
      TdxBarItemLink* link = FLinks[i];
      if (TdxBarItemLinks* links = link->GetCollection()) links->RefreshVisibilityLists();
      if (visible) {
        link->BringToTopInRecentList(false);
        link->CreateControl();
        if (link->GetControl()) link->GetControl()->VisibleChanged();
      } else {
        link->SendToBottomInRecentList();
        if (link->GetControl()) {
          link->GetControl()->VisibleChanged();
          link->DestroyControl();
        }
      }
    }
  } catch (...) {
    if (manager) manager->EndUpdate(true);
    throw;
  }
  if (manager) manager->EndUpdate(true);
  Changed(false);
}

void TdxBarItem::InternalStyleChanged(TObject*, TdxBarItemStyleChangeKind AKind) {
  if (GetIsDestroying()) return;
  ForEachControl([AKind](TdxBarItemLink* ALink, TdxBarItemControl* AControl) {
    if (AKind == sckDrawing)
      AControl->CalcDrawingConsts();
    else
      ALink->RecreateControl();
  });
  if (AKind == sckDrawing)
    Update();
  else
    UpdateEx(dxBarAllKinds);
}

// ---- Property setters ---------------------------------------------------------------------------------------
void TdxBarItem::SetAlign(TdxBarItemAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  UpdateEx(dxBarAllKinds);
}

void TdxBarItem::SetGlyphLayout(TdxBarGlyphLayout Value) {
  if (FGlyphLayout == Value) return;
  FGlyphLayout = Value;
  UpdateEx(dxBarAllKinds);
}

void TdxBarItem::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  if (!GetIsLoading()) UpdateEx(dxBarAllKinds);
}

void TdxBarItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!GetIsLoading()) EnabledChanged();
}

void TdxBarItem::SetPaintStyle(TdxBarPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  if (!GetIsLoading()) PaintStyleChanged();
}

void TdxBarItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  if (!GetIsLoading()) ShortCutChanged();
}

void TdxBarItem::SetDescription(const String& Value) {
  if (FDescription == Value) return;
  FDescription = Value;
  Changed(false);
}

void TdxBarItem::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
void TdxBarItem::SetLargeGlyph(TBitmap* Value) { FLargeGlyph->Assign(Value); }

void TdxBarItem::SetName(const String& NewName) {
  inherited::SetName(NewName);
  if (!(GetIsDesigning() && NewName.empty())) Changed(false);
}

TcxStyle* TdxBarItem::GetStyleValue(Integer AIndex) const { return FStylesData->GetStyle(AIndex); }
void TdxBarItem::SetStyleValue(Integer AIndex, TcxStyle* AStyle) { FStylesData->SetStyle(AIndex, AStyle); }

// ---- Visibility and enabled state ---------------------------------------------------------------------------
void TdxBarItem::SetVisible(TdxBarItemVisible Value) {
  if (GetIsLoading()) {
    FLoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FVisible = Value;
  VisibleChanged();
}

bool TdxBarItem::GetActuallyVisible() {
  const bool customizing = GetBarManager() && GetBarManager()->GetIsCustomizing();
  switch (FVisible) {
    case ivAlways: return InternalActuallyVisible() || customizing;
    case ivInCustomizing: return customizing;
    default: return false;
  }
}

bool TdxBarItem::GetVisibleForUser() {
  for (TdxBarItemLink* link : FLinks)
    if (link->GetCollection() && link->GetCollection()->CanVisibleIndexOf(link) >= 0) return true;
  return false;
}

bool TdxBarItem::GetEnabled() {
  if (!GetIsDesigning() && GetBarManager() && GetBarManager()->GetIsCustomizing() && FCategory >= 0) return true;
  return FEnabled;
}

// ---- Caption and hint ---------------------------------------------------------------------------------------
String TdxBarItem::GetHintFromCaption() {
  String result = GetCaption();
  const size_t amp = result.find('&');
  if (amp != String::npos) result.erase(amp, 1);
  const size_t dots = result.find("...");
  if (dots != String::npos) result.erase(dots, 3);
  return result;
}

bool TdxBarItem::IsHintFromCaption() { return FHint.substr(0, FHint.find('|')) == GetHintFromCaption(); }

void TdxBarItem::SetCaption(const String& Value) {
  if (Value == GetCaption()) return;
  bool hintFollows = false;
  if (!FCheckDefaults && !GetItemLinks()) hintFollows = FHint.empty() || IsHintFromCaption();
  FCaption = Value;
  if (GetIsLoading()) return;
  if (hintFollows) {
    const String shortHint = GetHintFromCaption();
    const size_t bar = FHint.find('|');
    FHint = bar == String::npos ? shortHint : shortHint + FHint.substr(bar);
  }
  CaptionChanged();
}

bool TdxBarItem::IsCaptionStored() { return !(FActionLink && FActionLink->IsCaptionLinked()); }

// ---- Category and position ----------------------------------------------------------------------------------
Integer TdxBarItem::GetIndex() {
  return GetBarManager() ? GetBarManager()->GetItems()->IndexOf(this) : -1;
}

void TdxBarItem::SetIndex(Integer Value) {
  const Integer current = GetIndex();
  if (current < 0 || current == Value) return;
  GetBarManager()->GetItems()->Move(current, Value);
}

void TdxBarItem::SetCategory(Integer Value) {
  if (GetIsLoading()) {
    FCategory = Value;
    return;
  }
  TdxBarManager* manager = GetBarManager();
  if (!manager || Value < 0 || Value >= manager->GetCategories()->GetCount()) return;
  TList* sameCategory = New<TList>();
  try {
    manager->GetAllItemsByCategory(Value, sameCategory);
    if (sameCategory->GetCount() > 0) {
      auto* last = static_cast<TdxBarItem*>(sameCategory->Last());
      const Integer lastIndex = last->GetIndex();
      // Either way the item ends right behind the last item of the category.
      SetIndex(lastIndex < GetIndex() ? lastIndex + 1 : lastIndex);
    }
  } catch (...) {
    sameCategory->Free();
    throw;
  }
  sameCategory->Free();
  FCategory = Value;
  Changed(true);
}

// ---- Shortcut and click -------------------------------------------------------------------------------------
bool TdxBarItem::IsShortCut(TShortCut AShortCut) {
  if (!GetEnabled()) return false;
  if (CanClicked() && AShortCut == FShortCut) {
    Click();
    return true;
  }
  if (TdxBarItemLinks* links = GetItemLinks()) return links->IsShortCut(AShortCut);
  return false;
}

void TdxBarItem::Click() {
  if (CanClicked()) DirectClick();
}

void TdxBarItem::DirectClick() {
  if (!GetEnabled()) return;
  // The manager's handler may free the item: its own click runs only while it still exists.
  TcxObjectLinkHolder self(this);
  try {
    if (TdxBarManager* manager = GetBarManager()) manager->DoClickItem(this);
    if (self.Alive()) DoClick();
  } catch (...) {
    Forms::Application->HandleException(self.Alive() ? this : nullptr);
  }
}

void TdxBarItem::DoClick() {
  TBasicAction* action = GetAction();
  if (FOnClick && (!action || FOnClick.Code() != action->GetOnExecute().Code())) {
    // A handler that frees the item frees the stored event with it: call a copy.
    const TNotifyEvent handler = FOnClick;
    handler(this);
    return;
  }
  if (!GetIsDesigning() && FActionLink) FActionLink->Execute(this);
}

// ---- Actions ------------------------------------------------------------------------------------------------
TBasicAction* TdxBarItem::GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }

TClass TdxBarItem::GetActionLinkClass() { return TdxBarItemActionLink::StaticClass(); }

void TdxBarItem::SetAction(TBasicAction* Value) {
  if (Value == GetAction()) return;
  if (!Value) {
    FreeAndNil(FActionLink);
    return;
  }
  const bool loading = Value->ComponentState().Contains(csLoading);
  TdxBarManager* manager = GetBarManager();
  const bool locked = loading && manager;
  if (locked) manager->LockDesignerModified(true);
  struct TUnlock {
    TdxBarManager* Manager;
    bool Locked;
    ~TUnlock() {
      if (Locked) Manager->LockDesignerModified(false);
    }
  } unlock{manager, locked};
  if (!FActionLink) FActionLink = static_cast<TdxBarItemActionLink*>(CreateActionLink(GetActionLinkClass(), this));
  FActionLink->SetAction(Value);
  FActionLink->OnChange = TNotifyEvent(this, &TdxBarItem::DoActionChange);
  ActionChange(Value, loading);
  Value->FreeNotification(this);
}

void TdxBarItem::DoActionChange(TObject* Sender) {
  if (Sender == GetAction()) ActionChange(Sender, false);
}

void TdxBarItem::ActionChange(TObject* Sender, bool ACheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!ACheckDefaults || GetCaption().empty()) {
    FCheckDefaults = ACheckDefaults;
    struct TReset {
      bool& Flag;
      ~TReset() { Flag = false; }
    } reset{FCheckDefaults};
    SetCaption(action->GetCaption());
  }
  if (!ACheckDefaults || GetEnabled()) SetEnabled(action->GetEnabled());
  if (!ACheckDefaults || FHelpContext == 0) FHelpContext = action->GetHelpContext();
  if (!ACheckDefaults || FHint.empty()) FHint = action->GetHint();
  if (!ACheckDefaults || GetActionImageIndex() == -1) SetActionImageIndex(action->GetImageIndex());
  if (!ACheckDefaults || FShortCut == 0) SetShortCut(action->GetShortCut());
  if (!ACheckDefaults || FVisible == ivAlways) SetVisible(VisibleTodxBarVisible(action->GetVisible()));
  if (!ACheckDefaults || !FOnClick) FOnClick = action->GetOnExecute();
}

bool TdxBarItem::IsEnabledStored() { return !(FActionLink && FActionLink->IsEnabledLinked()); }
bool TdxBarItem::IsHelpContextStored() { return !(FActionLink && FActionLink->IsHelpContextLinked()); }
bool TdxBarItem::IsHintStored() { return !(FActionLink && FActionLink->IsHintLinked()); }
bool TdxBarItem::IsImageIndexStored() { return !(FActionLink && FActionLink->IsImageIndexLinked()); }
bool TdxBarItem::IsShortCutStored() { return !(FActionLink && FActionLink->IsShortCutLinked()); }
bool TdxBarItem::IsVisibleStored() { return !(FActionLink && FActionLink->IsVisibleLinked()); }
bool TdxBarItem::IsOnClickStored() { return !(FActionLink && FActionLink->IsOnExecuteLinked()); }

void TdxBarItem::Loaded() {
  inherited::Loaded();
  if (GetAction()) ActionChange(GetAction(), true);
  if (FOnCreate) FOnCreate(this);
}

void TdxBarItem::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent && AComponent == GetAction()) SetAction(nullptr);
}

void TdxBarItem::AssignTo(TPersistent* Dest) {
  auto* action = dynamic_cast<TCustomAction*>(Dest);
  if (!action) {
    inherited::AssignTo(Dest);
    return;
  }
  action->SetCaption(GetCaption());
  action->SetEnabled(GetEnabled());
  action->SetHelpContext(FHelpContext);
  action->SetHint(FHint);
  action->SetImageIndex(FImageIndex);
  action->SetShortCut(FShortCut);
  if (FVisible != ivInCustomizing) action->SetVisible(FVisible == ivAlways);
  action->SetOnExecute(FOnClick);
}

void TdxBarItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItem*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetAction(source->GetAction());
  SetAlign(source->GetAlign());
  SetCaption(source->GetCaption());
  SetCategory(source->GetCategory());
  SetDescription(source->GetDescription());
  SetEnabled(source->GetEnabled());
  SetHelpContext(source->GetHelpContext());
  SetHint(source->GetHint());
  SetKeyTip(source->GetKeyTip());
  SetMergeKind(source->GetMergeKind());
  SetMergeOrder(source->GetMergeOrder());
  SetStyle(source->GetStyle());
  FScreenTip = source->GetScreenTip();
  SetVisible(source->GetVisible());
  SetData(source->GetData());
  SetGlyph(source->GetGlyph());
  SetImageIndex(source->GetImageIndex());
  SetLargeGlyph(source->GetLargeGlyph());
  SetLargeImageIndex(source->GetLargeImageIndex());
  SetShortCut(source->GetShortCut());
  SetOnClick(source->GetOnClick());
}

bool TdxBarItem::CanMergeWith(TdxBarItem* AItem) {
  return InternalCanMergeWith(AItem) && AItem->InternalCanMergeWith(this);
}

// ---- Images and styles --------------------------------------------------------------------------------------
bool TdxBarItem::CurImageIndexLinked() { return IsImageIndexLinked(GetCurImages(), FImageIndex); }

bool TdxBarItem::IsImageIndexLinked(ImgList::TCustomImageList* AImages, Integer AIndex) {
  return IsImageAssigned(AImages, AIndex);
}

void TdxBarItem::GetViewParams(TcxStyle* AStyle, TcxViewParams& AParams) {
  AParams.Bitmap = nullptr;
  AParams.Color = clDefault;
  AParams.Font = nullptr;
  AParams.TextColor = clDefault;
  if (!AStyle) return;
  const TcxStyleValues assigned = AStyle->GetAssignedValues();
  if (assigned.Contains(svBitmap)) AParams.Bitmap = AStyle->GetBitmap();
  if (assigned.Contains(svColor)) AParams.Color = AStyle->GetColor();
  if (assigned.Contains(svFont)) AParams.Font = AStyle->GetFont();
  if (assigned.Contains(svTextColor)) AParams.TextColor = AStyle->GetTextColor();
}

void TdxBarItem::GetTextViewParams(TcxViewParams& AParams) { GetViewParams(GetStyleValue(0), AParams); }

TClass TdxBarItem::GetPainterClass() { return GetBarManager() ? GetBarManager()->GetPainterClass() : nullptr; }

bool TdxBarItem::HasControls() {
  for (TdxBarItemLink* link : FLinks)
    if (link->GetControl()) return true;
  return false;
}

void TdxBarItem::ShowDefaultEventHandler() {
  if (GetBarManager()) GetBarManager()->ShowDefaultEventHandler(this);
}

// ---- Links and activity -------------------------------------------------------------------------------------
TdxBarItemLink* TdxBarItem::GetCurItemLink() {
  for (TdxBarItemLink* link : FLinks)
    if (link->GetControl() && link->GetControl()->GetActive()) return link;
  return nullptr;
}

TdxBarItemLink* TdxBarItem::GetActiveLink() {
  if (GetBarManager())
    if (TdxBarItemLink* last = GetBarManager()->GetLastSelectedLinkAtDesign())
      if (last->GetItem() == this) return last;
  return GetLinks(0);
}

// ---- Form-stream parentage ----------------------------------------------------------------------------------
bool TdxBarItem::HasParent() { return FCategory >= 0; }

TComponent* TdxBarItem::GetParentComponent() { return HasParent() ? GetBarManager() : nullptr; }

void TdxBarItem::SetManager(TdxBarManager* AManager) {
  if (AManager != GetBarManager()) {
    if (GetBarManager()) GetBarManager()->RemoveItem(this);
    if (AManager) AManager->AddItem(this);
  }
  BarManagerChanged();
}

void TdxBarItem::SetParentComponent(TComponent* Value) {
  if (GetIsLoading()) return;
  SetManager(As<TdxBarManager>(Value));
}

void TdxBarItem::ReadState(Filer::TReader* Reader) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Reader->GetParent())) SetManager(manager);
  inherited::ReadState(Reader);
}

// ---- Selection protocol -------------------------------------------------------------------------------------
bool TdxBarItem::CanDelete(bool AExtended) {
  if (GetLinkCount() > 0 && !AExtended) return true;
  return GetBarManager() && GetBarManager()->CanDeleteComponent(this);
}

void TdxBarItem::DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) {
  if (AExtended || GetLinkCount() == 0)
    inherited::DeleteSelection(AReference, AExtended);
  else
    DestroyLinks();
}

void TdxBarItem::ExecuteCustomizationAction(TdxBarCustomizationAction AAction) {
  // The design controller's last selected item is still to come; the single link takes the action.
  if (GetLinkCount() == 1) GetLinks(0)->ExecuteCustomizationAction(AAction);
}

void TdxBarItem::GetMasterObjects(TdxObjectList* AList) {
  if (GetBarManager()) AList->Add(GetBarManager()->GetParentedOwner());
}

IdxBarSelectableItem* TdxBarItem::GetNextSelectableItem() {
  TdxBarItemLink* link = GetActiveLink();
  if (!link || !link->GetCollection()) return nullptr;
  TdxBarItemLinks* links = link->GetCollection();
  for (Integer i = link->GetIndex() + 1; i < links->Count(); ++i)
    if (links->GetItem(i)->GetItem() != this) return links->GetItem(i);
  return nullptr;
}

IdxBarSelectableItem* TdxBarItem::GetSelectableParent() {
  TdxBarItemLink* link = GetActiveLink();
  return link ? link->GetSelectableParent() : nullptr;
}

bool TdxBarItem::SelectParentComponent() {
  TdxBarItemLink* link = GetActiveLink();
  return link && link->SelectParentComponent();
}

void TdxBarItem::SelectionChanged() {
  ForEachControl([](TdxBarItemLink*, TdxBarItemControl* AControl) { AControl->Repaint(); });
}

TdxBarCustomizationActions TdxBarItem::GetSupportedActions() {
  if (GetIsDesigning())
    return TdxBarCustomizationActions{caDelete};
  return TdxBarCustomizationActions{caReset, caDeleteLink, caChangeCaption, caChangeBeginGroup};
}

}  // namespace dxBar
