// The page control as a dock site: a docked control (a form, typically) gets a page of its own, named
// after the form, and leaves with it.
#include "Forms.h"
#include "WinUser.h"
#include "cxPCPageControl.h"

namespace cxPC {

bool TcxPageControl::IsDockedClient(TControl* AControl) { return AControl && AControl->GetHostDockSite() == this; }

TcxTabSheet* TcxPageControl::GetPageFromDockClient(TControl* AClient) {
  if (!IsDockedClient(AClient)) return nullptr;
  for (TcxTabSheet* page : FPages)
    if (AClient->GetParent() == page) return page;
  return nullptr;
}

TControl* TcxPageControl::GetDockClientFromPoint(const TPoint& P) {
  if (!GetDockSite()) return nullptr;
  const Integer index = IndexOfTabAt(P.x, P.y);
  if (index == -1) return nullptr;
  TcxTabSheet* page = GetPage(GetVisibleTabList()->TabIndexAt(index));
  if (!page || page->ControlCount() == 0) return nullptr;
  TControl* client = page->GetControl(0);
  return IsDockedClient(client) ? client : nullptr;
}

void TcxPageControl::GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock) {
  CanDock = GetPageFromDockClient(Client) == nullptr;
  if (CanDock) inherited::GetSiteInfo(Client, InfluenceRect, MousePos, CanDock);
}

void TcxPageControl::DockOver(TDragDockObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  Source->DockRect = TRect(ClientToScreen(TPoint(0, 0)), ClientToScreen(TPoint(GetWidth(), GetHeight())));
  inherited::DockOver(Source, X, Y, State, Accept);
}

void TcxPageControl::DockDrop(TDragDockObject* Source, Integer X, Integer Y) {
  if (DockClient(Source, TPoint(X, Y)) >= 0 && OnDockDrop) OnDockDrop(this, Source, X, Y);
}

Integer TcxPageControl::DockClient(TDragDockObject* DockSource, const TPoint&) {
  TControl* control = DockSource->GetControl();
  if (TcxTabSheet* page = GetPageFromDockClient(control)) {
    page->SetPageIndex(GetPageCount() - 1);
    return 0;
  }
  FNewDockSheet = New<TcxTabSheet>(this);
  try {
    if (auto* form = dynamic_cast<TCustomForm*>(control)) FNewDockSheet->SetCaption(form->GetCaption());
    FNewDockSheet->SetPageControl(this);
    const TRect r = DockSource->DockRect;
    const TPoint topLeft = ScreenToClient(r.TopLeft());
    control->Dock(this, TRect(topLeft.x, topLeft.y, topLeft.x + r.Width(), topLeft.y + r.Height()));
  } catch (...) {
    FreeAndNil(FNewDockSheet);
    throw;
  }
  TcxTabSheet* sheet = FNewDockSheet;
  FNewDockSheet = nullptr;
  sheet->SetTabVisible(control->GetVisible());
  if (control->GetVisible()) SetActivePage(sheet);
  control->SetAlign(alClient);
  return 0;
}

void TcxPageControl::DoAddDockClient(TControl* Client, const TRect& ARect) {
  if (FNewDockSheet) Client->SetParent(FNewDockSheet);
}

bool TcxPageControl::UndockClient(TWinControl*, TControl* Client) {
  FUndockingPage = GetPageFromDockClient(Client);
  if (Client) Client->SetAlign(alNone);
  return true;
}

bool TcxPageControl::DoUnDock(TWinControl* NewTarget, TControl* Client) {
  bool allow = true;
  if (OnUnDock) OnUnDock(this, Client, NewTarget, allow);
  return allow && UndockClient(NewTarget, Client);
}

void TcxPageControl::DoRemoveDockClient(TControl* Client) {
  if (!FUndockingPage || IsDestroying()) return;
  TcxTabSheet* page = FUndockingPage;
  SelectNextPage(true);
  FUndockingPage = nullptr;
  page->Free();
}

}  // namespace cxPC
