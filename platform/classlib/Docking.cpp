// Docking: a control docks into a dock site (a window with DockSite set) by a dock drag or by
// ManualDock, leaves it for another site or to float, and the site hears of each client that comes
// and goes; the floating host form.
#include "Controls.h"
#include "DockForms.h"
#include "Exceptions.h"
#include "Forms.h"
#include "WinUser.h"

namespace Controls {

namespace {
// The control's bounds in screen coordinates.
TRect ScreenBounds(TControl* Control) {
  TRect r = Control->GetBoundsRect();
  if (TWinControl* p = Control->GetParent()) {
    TPoint o = p->ClientToScreen(TPoint(0, 0));
    r = TRect(r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y);
  }
  return r;
}
}  // namespace

// ---- TControl ---------------------------------------------------------------------------------------
// A form floats on its own, so its floating class is its own class; other controls float in a dock
// form unless they name another host.
TClass TControl::GetFloatingDockSiteClass() const {
  return FFloatingDockSiteClass ? FFloatingDockSiteClass : Forms::TCustomDockForm::StaticClass();
}

bool TControl::Floating() const {
  TClass cls = GetFloatingDockSiteClass();
  if (FHostDockSite) return FHostDockSite->ClassType() == cls;
  return cls == ClassType() && !FParent;
}

void TControl::DoStartDock(TDragObject*& DragObject) {
  if (OnStartDock) {
    TDragDockObject* dock = dynamic_cast<TDragDockObject*>(DragObject);
    OnStartDock(this, dock);
    DragObject = dock;
  }
}

void TControl::DoEndDock(TObject* Target, Integer X, Integer Y) {
  if (OnEndDock) OnEndDock(this, Target, X, Y);
}

TWinControl* TControl::CreateFloatingDockSite(const TRect& Bounds) {
  TClass cls = GetFloatingDockSiteClass();
  if (!cls || cls == ClassType()) return nullptr;
  TWinControl* host;
  if (cls->InheritsFrom(Forms::TCustomForm::StaticClass()))
    host = Forms::TCustomForm::CreateNew(cls, Forms::Application);
  else
    host = As<TWinControl>(CreateComponent(cls, Forms::Application));
  host->SetBounds(Bounds.left, Bounds.top, Bounds.Width(), Bounds.Height());
  host->SetClientWidth(Bounds.Width());
  host->SetClientHeight(Bounds.Height());
  return host;
}

// A control docked into a site it is not yet a child of only takes the rectangle now; the site's
// DoAddDockClient makes it a child. Docked to nothing, it becomes a window of its own there.
void TControl::DoDock(TWinControl* NewDockSite, TRect& ARect) {
  if (!NewDockSite) {
    SetParent(nullptr);
    SetBounds(ARect.left, ARect.top, ARect.Width(), ARect.Height());
  } else if (FParent != NewDockSite) {
    if (!dynamic_cast<TWinControl*>(this)) InvalidateControl(FVisible, false);
    FLeft = ARect.left;
    FTop = ARect.top;
    FWidth = ARect.Width();
    FHeight = ARect.Height();
  } else {
    SetBoundsRect(ARect);
  }
}

// The site left behind hears of it last, once the control sits in its new place, so that it may
// free what held the control.
void TControl::Dock(TWinControl* NewDockSite, const TRect& ARect) {
  TWinControl* old = FHostDockSite;
  if (old != NewDockSite) {
    if (old) old->FDockClients.erase(std::remove(old->FDockClients.begin(), old->FDockClients.end(), this),
                                     old->FDockClients.end());
    if (NewDockSite) NewDockSite->FDockClients.push_back(this);
  }
  TRect r = ARect;
  ControlState.Include(csDocking);
  try {
    DoDock(NewDockSite, r);
  } catch (...) {
    ControlState.Exclude(csDocking);
    throw;
  }
  ControlState.Exclude(csDocking);
  FHostDockSite = NewDockSite;
  if (NewDockSite) NewDockSite->DoAddDockClient(this, r);
  if (old && old != NewDockSite && !old->ComponentState().Contains(csDestroying)) old->DoRemoveDockClient(this);
}

bool TControl::ManualFloat(const TRect& ScreenPos) {
  if (FHostDockSite && !FHostDockSite->DoUnDock(nullptr, this)) return false;
  if (TWinControl* host = CreateFloatingDockSite(ScreenPos)) {
    Dock(host, TRect(0, 0, host->GetClientWidth(), host->GetClientHeight()));
  } else {
    Dock(nullptr, ScreenPos);
  }
  return true;
}

bool TControl::ManualDock(TWinControl* NewDockSite, TControl* DropControl, TAlign ControlSide) {
  if (!NewDockSite) {
    TRect r = ScreenBounds(this);
    return ManualFloat(r);
  }
  if (NewDockSite == this || (dynamic_cast<TWinControl*>(this) && static_cast<TWinControl*>(this)->ContainsControl(NewDockSite)))
    throw EInvalidOperation("A control cannot dock into itself");
  if (FHostDockSite && !FHostDockSite->DoUnDock(NewDockSite, this)) return false;
  TRect r = ScreenBounds(this);
  TDragDockObject* dock = New<TDragDockObject>(this);
  try {
    dock->DragTarget = NewDockSite;
    dock->DropAlign = ControlSide;
    dock->DropOnControl = DropControl;
    dock->DockRect = r;
    TPoint at = NewDockSite->ScreenToClient(TPoint(r.left, r.top));
    NewDockSite->DockDrop(dock, at.x, at.y);
  } catch (...) {
    dock->Free();
    throw;
  }
  dock->Free();
  return true;
}

// CM_FLOAT: a dock drag dropped where no site takes it; a control already floating moves its host.
void TControl::CMFloat(TMessage& Message) {
  auto* dock = reinterpret_cast<TDragDockObject*>(Message.LParam);
  if (!dock) return;
  TRect r = dock->DockRect;
  if (Floating() && FHostDockSite && FHostDockSite->ClassType() != ClassType()) {
    TWinControl* host = FHostDockSite;
    host->SetBounds(r.left, r.top, host->GetWidth() - host->GetClientWidth() + r.Width(),
                    host->GetHeight() - host->GetClientHeight() + r.Height());
  } else if (Floating() && !FHostDockSite) {
    SetBounds(r.left, r.top, r.Width(), r.Height());
  } else {
    ManualFloat(r);
  }
}

// ---- TWinControl ------------------------------------------------------------------------------------
void TWinControl::GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock) {
  if (OnGetSiteInfo) OnGetSiteInfo(this, Client, InfluenceRect, MousePos, CanDock);
}

void TWinControl::DockOver(TDragDockObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (OnDockOver) OnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::DockDrop(TDragDockObject* Source, Integer X, Integer Y) {
  if (Perform(CM_DOCKCLIENT, reinterpret_cast<WPARAM>(Source), MAKELPARAM(static_cast<WORD>(X), static_cast<WORD>(Y))) >= 0 &&
      OnDockDrop)
    OnDockDrop(this, Source, X, Y);
}

void TWinControl::DoAddDockClient(TControl* Client, const TRect& ARect) { Client->SetParent(this); }

bool TWinControl::DoUnDock(TWinControl* NewTarget, TControl* Client) {
  bool allow = true;
  if (OnUnDock) OnUnDock(this, Client, NewTarget, allow);
  if (allow) Perform(CM_UNDOCKCLIENT, reinterpret_cast<WPARAM>(NewTarget), reinterpret_cast<LPARAM>(Client));
  return allow;
}

// CM_DOCKCLIENT: the dragged control docks at the drop rectangle, in client coordinates.
void TWinControl::CMDockClient(TMessage& Message) {
  auto* source = reinterpret_cast<TDragDockObject*>(Message.WParam);
  Message.Result = 0;
  if (!source || !source->GetControl()) return;
  TRect r = source->DockRect;
  TPoint tl = ScreenToClient(TPoint(r.left, r.top));
  TRect dest(tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height());
  DisableAlign();
  try {
    source->GetControl()->Dock(this, dest);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  Message.Result = 1;
}

// A dock site being freed lets its clients go: they stay its children (and go with it) but no
// longer name it as their host.
void TWinControl::ReleaseDockClients() {
  for (TControl* c : FDockClients)
    if (c->FHostDockSite == this) c->FHostDockSite = nullptr;
  FDockClients.clear();
}

}  // namespace Controls

namespace Forms {

IMPLEMENT_CLASS(TCustomDockForm)

void TCustomDockForm::Construct() {
  inherited::Construct();
  SetDockSite(true);
  SetBorderStyle(bsSizeToolWin);
  SetFormStyle(fsStayOnTop);
}

void TCustomDockForm::DoAddDockClient(TControl* Client, const TRect& ARect) {
  inherited::DoAddDockClient(Client, ARect);
  Client->SetAlign(alClient);
  if (!ComponentState().Contains(csLoading)) SetVisible(true);
}

void TCustomDockForm::DoRemoveDockClient(TControl* Client) {
  inherited::DoRemoveDockClient(Client);
  if (DockClientCount() == 0) {
    Hide();
    Release();
  }
}

}  // namespace Forms
