// A page of a page control: its tab settings, its place among the pages, its show and hide events, and
// its background, painted through the page control's painter.
#include "Exceptions.h"
#include "Format.h"
#include "Forms.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "cxPCInternal.h"
#include "cxClassesResStrings.h"
#include "cxPCConsts.h"
#include "cxPCPageControl.h"
#include "cxPCPainter.h"

namespace cxPC {

IMPLEMENT_CLASS_PUBLISHED(TcxTabSheet) {
  d.Property("Left", &TcxTabSheet::GetLeft, &TcxTabSheet::SetLeft).Stored(false);
  d.Property("Top", &TcxTabSheet::GetTop, &TcxTabSheet::SetTop).Stored(false);
  d.Property("Width", &TcxTabSheet::GetWidth, &TcxTabSheet::SetWidth).Stored(false);
  d.Property("Height", &TcxTabSheet::GetHeight, &TcxTabSheet::SetHeight).Stored(false);
  d.Property("BorderWidth", &TcxTabSheet::GetBorderWidth, &TcxTabSheet::SetBorderWidth).Default(0);
  d.Property("Caption", &TcxTabSheet::GetCaption, &TcxTabSheet::SetCaption);
  d.Property("Color", &TcxTabSheet::GetColor, &TcxTabSheet::SetColor).Type(ColorTypeInfo()).Stored(
      &TcxTabSheet::IsColorStored);
  d.Property("Constraints", &TcxTabSheet::GetConstraints, &TcxTabSheet::SetConstraints);
  d.Property("DragMode", &TcxTabSheet::GetDragMode, &TcxTabSheet::SetDragMode).Default(dmManual);
  d.Property("Enabled", &TcxTabSheet::GetEnabled, &TcxTabSheet::SetEnabled).Default(true);
  d.Property("Font", &TcxTabSheet::GetFont, &TcxTabSheet::SetFont).Stored(&TcxTabSheet::IsFontStored);
  d.Property("Highlighted", &TcxTabSheet::GetHighlighted, &TcxTabSheet::SetHighlighted).Default(false);
  d.Property("ImageIndex", &TcxTabSheet::GetImageIndex, &TcxTabSheet::SetImageIndex).Default(-1);
  d.Property("PageIndex", &TcxTabSheet::GetPageIndex, &TcxTabSheet::SetPageIndex).Stored(false);
  d.Property("ParentColor", &TcxTabSheet::GetParentColor, &TcxTabSheet::SetParentColor).Default(true);
  d.Property("ParentFont", &TcxTabSheet::GetParentFont, &TcxTabSheet::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TcxTabSheet::GetParentShowHint, &TcxTabSheet::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &TcxTabSheet::GetPopupMenu, &TcxTabSheet::SetPopupMenu);
  d.Property("ShowHint", &TcxTabSheet::GetShowHint, &TcxTabSheet::SetShowHint).Default(false);
  d.Property("TabVisible", &TcxTabSheet::GetTabVisible, &TcxTabSheet::SetTabVisible).Default(true);
  d.Property("Visible", &TcxTabSheet::GetVisible, &TcxTabSheet::SetVisible).Stored(false);
  d.Property("OnClick", &TcxTabSheet::GetOnClick, &TcxTabSheet::SetOnClick);
  d.Property("OnContextPopup", &TcxTabSheet::GetOnContextPopup, &TcxTabSheet::SetOnContextPopup);
  d.Property("OnDragDrop", &TcxTabSheet::GetOnDragDrop, &TcxTabSheet::SetOnDragDrop);
  d.Property("OnDragOver", &TcxTabSheet::GetOnDragOver, &TcxTabSheet::SetOnDragOver);
  d.Property("OnEndDrag", &TcxTabSheet::GetOnEndDrag, &TcxTabSheet::SetOnEndDrag);
  d.Property("OnEnter", &TcxTabSheet::GetOnEnter, &TcxTabSheet::SetOnEnter);
  d.Property("OnExit", &TcxTabSheet::GetOnExit, &TcxTabSheet::SetOnExit);
  d.Property("OnHide", &TcxTabSheet::GetOnHide, &TcxTabSheet::SetOnHide);
  d.Property("OnMouseDown", &TcxTabSheet::GetOnMouseDown, &TcxTabSheet::SetOnMouseDown);
  d.Property("OnMouseMove", &TcxTabSheet::GetOnMouseMove, &TcxTabSheet::SetOnMouseMove);
  d.Property("OnMouseUp", &TcxTabSheet::GetOnMouseUp, &TcxTabSheet::SetOnMouseUp);
  d.Property("OnResize", &TcxTabSheet::GetOnResize, &TcxTabSheet::SetOnResize);
  d.Property("OnShow", &TcxTabSheet::GetOnShow, &TcxTabSheet::SetOnShow);
  d.Property("OnStartDrag", &TcxTabSheet::GetOnStartDrag, &TcxTabSheet::SetOnStartDrag);
}

// ---- Life ---------------------------------------------------------------------------------------------
void TcxTabSheet::Construct() {
  inherited::Construct();
  SetAlign(alClient);
  ControlStyle.Include(csAcceptsControls).Include(csNoDesignVisible);
  SetVisible(false);
}

void TcxTabSheet::Destroy() {
  if (FPageControl) {
    if (FPageControl->FUndockingPage == this) FPageControl->FUndockingPage = nullptr;
    FPageControl->RemovePage(this);
  }
  inherited::Destroy();
}

void TcxTabSheet::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// ---- The page control --------------------------------------------------------------------------------------
void TcxTabSheet::SetParent(TWinControl* AParent) {
  if (AParent && !dynamic_cast<TcxPageControl*>(AParent)) Abort();
  if (AParent == FPageControl)
    inherited::SetParent(AParent);
  else
    SetPageControl(static_cast<TcxPageControl*>(AParent));
}

void TcxTabSheet::SetParentPageControl(TcxPageControl* APageControl) {
  FPageControl = APageControl;
  inherited::SetParent(APageControl);
}

void TcxTabSheet::SetPageControl(TcxPageControl* Value) {
  if (FPageControl == Value) return;
  if (FPageControl) FPageControl->RemovePage(this);
  if (!Value) return;
  Value->InsertPage(this);
  if (!Value->IsLoading() && !Value->GetActivePage()) Value->SetActivePage(this);
}

Integer TcxTabSheet::GetPageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  const auto position = std::find(pages.begin(), pages.end(), this);
  return position == pages.end() ? -1 : static_cast<Integer>(position - pages.begin());
}

void TcxTabSheet::SetPageIndex(Integer Value) {
  if (!FPageControl) return;
  const Integer count = FPageControl->GetPageCount();
  if (Value < 0 || Value >= count)
    throw EListError(Format(cxGetResourceString(&scxPCPageIndexError), {Value, count - 1}));
  const Integer current = GetPageIndex();
  auto& pages = FPageControl->FPages;
  pages.erase(pages.begin() + current);
  pages.insert(pages.begin() + Value, this);
  FPageControl->FTabs->Move(current, Value);
  FTab = FPageControl->FTabs->GetTab(Value);
  FPageControl->UpdateTab(this);
  FPageControl->LockChangeEvent(true);
  TFinally unlock([this] { FPageControl->LockChangeEvent(false); });
  FPageControl->SetTabIndex(FPageControl->GetActivePageIndex());
}

Integer TcxTabSheet::GetTabIndex() const {
  if (!FTab || !FTab->GetVisible()) return -1;
  return FTab->GetVisibleIndex();
}

void TcxTabSheet::SetTabVisible(bool Value) {
  if (FTabVisible == Value) return;
  FTabVisible = Value;
  PagePropertyChanged();
  if (Value && FPageControl && FPageControl->GetPageCount() == 1 && !FPageControl->GetActivePage())
    FPageControl->SetActivePage(this);
}

void TcxTabSheet::SetHighlighted(bool Value) {
  if (FHighlighted == Value) return;
  FHighlighted = Value;
  PagePropertyChanged();
}

void TcxTabSheet::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  PagePropertyChanged();
}

void TcxTabSheet::PagePropertyChanged() {
  if (FPageControl) FPageControl->UpdateTab(this);
}

// Showing a page that is not active activates it (the page control's own swap is left alone).
void TcxTabSheet::VisibleChanging() {
  inherited::VisibleChanging();
  if (!GetVisible() && FPageControl && !FPageControl->FChangingPages && !FPageControl->IsLoading() &&
      FPageControl->GetActivePage() != this)
    FPageControl->ShowControl(this);
}

void TcxTabSheet::DoHide() {
  if (OnHide) OnHide(this);
}

void TcxTabSheet::DoShow() {
  if (OnShow) OnShow(this);
}

void TcxTabSheet::ShowingChanged() {
  try {
    if (Showing())
      DoShow();
    else
      DoHide();
  } catch (Exception&) {
    Application->HandleException(this);
  }
}

void TcxTabSheet::InternalColorChanged() {
  if (FTab) FTab->Changed(tpcLayout);
  if (GetBorderWidth() > 0 && HandleAllocated()) SendMessage(GetHandle(), WM_NCPAINT, 1, 0);
  Invalidate();
}

// ---- Painting ----------------------------------------------------------------------------------------------
// The sheet shows exactly the page area that the page control would paint under it.
void TcxTabSheet::EraseBackground(HDC DC) {
  TcxPCCustomPainter* painter = FPageControl->GetPainter();
  if (painter->IsNativePainting()) return painter->DrawNativeTabBackground(DC, this);
  const int saved = SaveDC(DC);
  SetWindowOrgEx(DC, GetLeft(), GetTop(), nullptr);
  TCanvas* canvas = static_cast<TCustomControl*>(FPageControl)->GetCanvas();
  canvas->Lock();
  canvas->SetHandle(DC);
  TFinally unbind([&] {
    canvas->SetHandle(nullptr);
    canvas->Unlock();
    RestoreDC(DC, saved);
  });
  painter->FillTabPaneContent();
}

void TcxTabSheet::PaintNativeBorder() { SendMessage(GetHandle(), WM_NCPAINT, 1, 0); }

void TcxTabSheet::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_COLORCHANGED:
    case CM_PARENTCOLORCHANGED:
      inherited::Dispatch(Message);
      InternalColorChanged();
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      EnabledChanged();
      return;
    case CM_TEXTCHANGED:
      inherited::Dispatch(Message);
      TextChanged();
      return;
    case CM_SHOWINGCHANGED:
      inherited::Dispatch(Message);
      ShowingChanged();
      return;
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    case WM_ERASEBKGND:
      if (!FPageControl || !FPageControl->GetPainter()) return inherited::Dispatch(Message);
      EraseBackground(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_NCPAINT: {
      TcxPCCustomPainter* painter = FPageControl ? FPageControl->GetPainter() : nullptr;
      if (!painter || !painter->IsNativePainting() || !HandleAllocated()) return inherited::Dispatch(Message);
      // Only the border ring: the sheet's rectangle less its border width on each side.
      HDC dc = GetWindowDC(GetHandle());
      const Integer border = GetBorderWidth();
      ExcludeClipRect(dc, border, border, GetWidth() - border, GetHeight() - border);
      painter->DrawNativeTabBackground(dc, this);
      ReleaseDC(GetHandle(), dc);
      return;
    }
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxPC
