// The page control: its pages and their tabs, activation with its veto event and focus handling, and
// its window messages.
#include "cxPCInternal.h"
#include "cxPCPageControl.h"

#include <algorithm>

#include "Forms.h"
#include "WinUser.h"
#include "cxPCPainter.h"
#include "cxPCPublished.h"

namespace cxPC {

IMPLEMENT_CLASS_PUBLISHED(TcxPageControl) {
  d.Property("ActivePage", &TcxPageControl::GetActivePage, &TcxPageControl::SetActivePage);
  DescribeTabControlProperties<TcxPageControl>(d);
  d.Property("OnPageChanging", &TcxPageControl::GetOnPageChanging, &TcxPageControl::SetOnPageChanging);
}

void TcxPageControl::Destroy() {
  // The pages are freed with the control's children; they must not call back into it.
  for (TcxTabSheet* page : FPages) {
    page->FPageControl = nullptr;
    page->FTab = nullptr;
  }
  FPages.clear();
  FActivePage = nullptr;
  inherited::Destroy();
}

// ---- Pages -----------------------------------------------------------------------------------------------
TcxTabSheet* TcxPageControl::GetPage(Integer ATabIndex) {
  return ATabIndex >= 0 && ATabIndex < GetPageCount() ? FPages[static_cast<size_t>(ATabIndex)] : nullptr;
}

Integer TcxPageControl::GetActivePageIndex() const { return FActivePage ? FActivePage->GetPageIndex() : -1; }

void TcxPageControl::SetActivePageIndex(Integer Value) {
  SetActivePage(Value >= 0 && Value < GetPageCount() ? FPages[static_cast<size_t>(Value)] : nullptr);
}

Integer TcxPageControl::GetTabCount() const { return GetVisibleTabList()->GetCount(); }

void TcxPageControl::InsertPage(TcxTabSheet* APage) {
  if (CanAllocateHandle(this)) HandleNeeded();
  {
    FPageInserting = true;
    TFinally done([this] { FPageInserting = false; });
    FPages.push_back(APage);
    APage->SetParentPageControl(this);
    FTabs->Add(APage->GetCaption());
  }
  APage->FTab = FTabs->GetTab(FTabs->GetCount() - 1);
  UpdateTab(APage);
}

void TcxPageControl::RemovePage(TcxTabSheet* APage) {
  const bool checkTabs = !IsDesigning();
  TcxTabSheet* next = FindNextPageEx(APage, true, checkTabs, false);
  if (!next) next = FindNextPageEx(APage, false, checkTabs, false);
  const auto position = std::find(FPages.begin(), FPages.end(), APage);
  if (position != FPages.end()) {
    const auto index = static_cast<Integer>(position - FPages.begin());
    FPages.erase(position);
    APage->FTab = nullptr;
    FTabs->Delete(index);
  }
  InternalResetTabIndex();
  SetActivePage(next == APage ? nullptr : next);
  if (FActivePage == APage) {
    // OnPageChanging refused the next page: the leaving page cannot stay active all the same.
    FActivePage = nullptr;
  } else if (FActivePage && FActivePage->GetTabVisible() && GetTabIndex() == -1) {
    // A refused change keeps the active page; its tab is selected again.
    LockChangeEvent(true);
    TFinally unlock([this] { LockChangeEvent(false); });
    SetTabIndex(FActivePage->FTab->GetIndex());
  }
  APage->SetParentPageControl(nullptr);
}

void TcxPageControl::UpdateTab(TcxTabSheet* APage) {
  if (IsLoading() || !APage->FTab) return;
  TcxTab* tab = APage->FTab;
  tab->SetCaption(APage->GetCaption());
  tab->SetEnabled(APage->GetEnabled());
  tab->SetImageIndex(APage->GetImageIndex());
  tab->SetHighlighted(APage->GetHighlighted());
  tab->SetVisible(APage->GetTabVisible());
  if (APage == FActivePage) SetTabIndex(APage->GetTabVisible() ? tab->GetIndex() : -1);
}

void TcxPageControl::UpdateTabs() {
  for (TcxTabSheet* page : std::vector<TcxTabSheet*>(FPages)) UpdateTab(page);
}

TcxTabSheet* TcxPageControl::FindNextPage(TcxTabSheet* ACurrentPage, bool AGoForward, bool ACheckTabVisible) {
  return FindNextPageEx(ACurrentPage, AGoForward, ACheckTabVisible, true);
}

TcxTabSheet* TcxPageControl::FindNextPageEx(TcxTabSheet* ACurrentPage, bool AGoForward, bool ACheckTabVisible,
                                            bool AWrapAround) {
  const Integer count = GetPageCount();
  if (count == 0) return nullptr;
  auto step = [&](Integer& AIndex) {
    AIndex += AGoForward ? 1 : -1;
    if (AIndex >= 0 && AIndex < count) return true;
    if (!AWrapAround) return false;
    AIndex = AGoForward ? 0 : count - 1;
    return true;
  };
  const auto position = std::find(FPages.begin(), FPages.end(), ACurrentPage);
  Integer index, tries;
  if (position == FPages.end()) {
    index = AGoForward ? 0 : count - 1;
    tries = count;
  } else {
    index = static_cast<Integer>(position - FPages.begin());
    if (!step(index)) return nullptr;
    tries = count - 1;
  }
  for (; tries > 0; --tries) {
    TcxTabSheet* page = FPages[static_cast<size_t>(index)];
    if (!ACheckTabVisible || (page->GetTabVisible() && page->GetEnabled())) return page;
    if (!step(index)) return nullptr;
  }
  return nullptr;
}

void TcxPageControl::SelectNextPage(bool AGoForward, bool ACheckTabVisible) {
  TcxTabSheet* page = FindNextPage(FActivePage, AGoForward, ACheckTabVisible);
  if (page && page != FActivePage) SetActivePage(page);
}

void TcxPageControl::ShowControl(TControl* AControl) {
  if (auto* page = dynamic_cast<TcxTabSheet*>(AControl); page && page->FPageControl == this) SetActivePage(page);
}

// ---- Activation ----------------------------------------------------------------------------------------
void TcxPageControl::SetActivePage(TcxTabSheet* Value) {
  if (FActivePageSetting || (Value && Value->FPageControl != this)) return;
  ChangeActivePage(Value);
  if (Value != FActivePage) return;
  // The tab selection follows silently.
  LockChangeEvent(true);
  FActivePageSetting = true;
  TFinally done([this] {
    FActivePageSetting = false;
    LockChangeEvent(false);
  });
  SetTabIndex(Value && Value->GetTabVisible() ? Value->FTab->GetIndex() : -1);
}

void TcxPageControl::ChangeActivePage(TcxTabSheet* APage) {
  if (FActivePage == APage || !CanChangeActivePage(APage)) return;
  TCustomForm* form = GetParentForm(this);
  TcxTabSheet* old = FActivePage;
  if (form && old && form->GetActiveControl() && old->ContainsControl(form->GetActiveControl())) {
    form->SetActiveControl(old);
    if (form->GetActiveControl() != old) {
      // The focus could not leave the old page (an exit validation refused): its tab comes back.
      SetTabIndex(old->FTab ? old->FTab->GetIndex() : -1);
      return;
    }
  }
  TWinControl* focusTarget = nullptr;
  if (APage && form && old && form->GetActiveControl() == old) {
    TWinControl* parent = GetParent();
    focusTarget = APage->GetEnabled() && GetVisible() && GetEnabled() && parent && parent->CanFocus()
                      ? static_cast<TWinControl*>(APage)
                      : this;
  }
  {
    FChangingPages = true;
    TFinally done([this] { FChangingPages = false; });
    if (old) old->SetVisible(false);
    if (APage) {
      APage->BringToFront();
      APage->SetVisible(true);
      APage->Invalidate();
    }
  }
  if (focusTarget) form->SetActiveControl(focusTarget);
  FActivePage = APage;
  PageChange();
  if (form && APage && form->GetActiveControl() == APage) APage->SelectFirst();
  SetModified();
}

bool TcxPageControl::CanChangeActivePage(TcxTabSheet* ANewPage) {
  bool allow = true;
  PageChanging(ANewPage, allow);
  return allow;
}

void TcxPageControl::PageChanging(TcxTabSheet* ANewPage, bool& AllowChange) {
  if (OnPageChanging && !IsChangeEventLocked()) OnPageChanging(this, ANewPage, AllowChange);
}

bool TcxPageControl::CanChange(Integer ANewTabIndex) {
  if (!inherited::CanChange(ANewTabIndex)) return false;
  return ANewTabIndex == -1 || CanChangeActivePage(GetPage(ANewTabIndex));
}

void TcxPageControl::Change() {
  {
    LockChangeEvent(true);
    TFinally unlock([this] { LockChangeEvent(false); });
    UpdateActivePage();
  }
  inherited::Change();
}

void TcxPageControl::UpdateActivePage() { SetActivePage(GetPage(GetTabIndex())); }

void TcxPageControl::DoClose() {
  if (FActivePage) FActivePage->Free();
}

void TcxPageControl::RequestLayout() {
  inherited::RequestLayout();
  if (FActivePage) FActivePage->Invalidate();
}

void TcxPageControl::ImageListChange(TObject* Sender) {
  if (!FPageInserting)
    for (TcxTabSheet* page : FPages)
      if (page->FTab) page->FTab->SetImageIndex(page->GetImageIndex());
  inherited::ImageListChange(Sender);
}

void TcxPageControl::Loaded() {
  inherited::Loaded();
  UpdateTabs();
  if (!IsDesigning() && FActivePage && !FActivePage->GetEnabled()) SetActivePage(nullptr);
}

// ---- Children and alignment ---------------------------------------------------------------------------------
void TcxPageControl::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TcxTabSheet* page : FPages) Proc(page);
}

void TcxPageControl::SetChildOrder(TComponent* Child, Integer Order) {
  if (auto* page = dynamic_cast<TcxTabSheet*>(Child)) page->SetPageIndex(Order);
}

void TcxPageControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  if (FActivePage && FActivePage->HandleAllocated() && FActivePage->GetBorderWidth() > 0 && GetPainter() &&
      GetPainter()->IsNativePainting())
    FActivePage->PaintNativeBorder();
}

// A click on another tab activates its page without taking the focus to the page control.
bool TcxPageControl::CanFocusOnClick(Integer X, Integer Y) {
  if (!inherited::CanFocusOnClick(X, Y)) return false;
  const Integer activeTab = FActivePage ? FActivePage->GetTabIndex() : -1;
  return IndexOfTabAt(X, Y) == activeTab;
}

// At design time a control dropped onto the page control itself goes to its parent, where it was.
void TcxPageControl::ControlChange(bool Inserting, TControl* Child) {
  if (!Inserting || !IsDesigning() || !Child || dynamic_cast<TcxTabSheet*>(Child) || IsInternalControl(Child) ||
      Child->GetParent() != this || !GetParent())
    return;
  const TRect bounds = Child->GetBoundsRect();
  const TPoint p = GetParent()->ScreenToClient(ClientToScreen(bounds.TopLeft()));
  Child->SetParent(GetParent());
  Child->SetBounds(p.x, p.y, bounds.Width(), bounds.Height());
}

void TcxPageControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_CONTROLCHANGE:
      inherited::Dispatch(Message);
      ControlChange(Message.LParam != 0, reinterpret_cast<TControl*>(Message.WParam));
      return;
    case CM_UNDOCKCLIENT:
      Message.Result = UndockClient(reinterpret_cast<TWinControl*>(Message.WParam),
                                    reinterpret_cast<TControl*>(Message.LParam))
                           ? 1
                           : 0;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      inherited::Dispatch(Message);
      const TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
      if (TControl* client = GetDockClientFromPoint(p)) {
        if (Message.Msg == WM_LBUTTONDOWN)
          client->BeginDrag(false);
        else
          client->ManualFloat(TRect(client->ClientToScreen(TPoint(0, 0)),
                                    client->ClientToScreen(TPoint(client->GetWidth(), client->GetHeight()))));
      }
      return;
    }
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxPC
