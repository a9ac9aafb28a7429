// The manager's collection of toolbars: the four main docks along the form that it keeps, naming new
// toolbars, and registering toolbar windows with their docks.
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBars)

namespace {

constexpr TdxBarDockingStyle MainDockStyles[4] = {dsLeft, dsTop, dsRight, dsBottom};

Integer MainDockSlot(TdxBarDockingStyle AStyle) {
  for (Integer i = 0; i < 4; ++i)
    if (MainDockStyles[i] == AStyle) return i;
  return -1;
}

}  // namespace

TdxBars::TdxBars(TdxBarManager* ABarManager)
    : TcxComponentCollection(ABarManager, TdxBar::StaticClass()), FBarManager(ABarManager) {}

void TdxBars::Construct() {
  inherited::Construct();
  if (!FBarManager) return;
  auto* parent = dynamic_cast<TWinControl*>(FBarManager->GetParentedOwner());
  for (Integer i = 0; i < 4; ++i) {
    FDockControls[i] = New<TdxDockControl>(nullptr, FBarManager, MainDockStyles[i]);
    if (parent && !FDockControls[i]->GetParent()) FDockControls[i]->SetParent(parent);
  }
}

void TdxBars::Destroy() {
  for (TdxDockControl*& dock : FDockControls) FreeAndNil(dock);
  inherited::Destroy();
}

TdxBar* TdxBars::Add() { return static_cast<TdxBar*>(inherited::Add()); }

TdxBar* TdxBars::Insert(Integer AIndex) { return static_cast<TdxBar*>(inherited::Insert(AIndex)); }

TdxBar* TdxBars::GetItem(Integer AIndex) const { return static_cast<TdxBar*>(inherited::GetItem(AIndex)); }

void TdxBars::SetItem(Integer AIndex, TdxBar* Value) { inherited::SetItem(AIndex, Value); }

TdxDockControl* TdxBars::GetDockControl(TdxBarDockingStyle AStyle) const {
  const Integer slot = MainDockSlot(AStyle);
  return slot >= 0 ? FDockControls[slot] : nullptr;
}

void TdxBars::ForgetDockControl(TdxDockControl* ADockControl) {
  for (TdxDockControl*& dock : FDockControls)
    if (dock == ADockControl) dock = nullptr;
}

void TdxBars::RegInDock(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl, TCustomdxBarControl* ABarControl,
                        const TPoint& APoint) {
  if (!ADockControl) ADockControl = GetDockControl(AStyle);
  if (auto* control = dynamic_cast<TdxBarControl*>(ABarControl); control && ADockControl)
    ADockControl->AddBarControl(control, APoint, true);
}

void TdxBars::UnregFromDock(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl,
                            TCustomdxBarControl* ABarControl) {
  if (!ADockControl) ADockControl = GetDockControl(AStyle);
  if (auto* control = dynamic_cast<TdxBarControl*>(ABarControl); control && ADockControl)
    ADockControl->DeleteBarControl(control, nullptr, true);
}

void TdxBars::Repaint() {
  for (Integer i = 0; i < GetCount(); ++i)
    if (TCustomdxBarControl* control = GetItem(i)->GetControl()) control->RepaintBar();
}

String TdxBars::GetUniqueToolbarName(const String& ABaseName) {
  String name;
  if (FBarManager) FBarManager->GetUniqueToolbarName(ABaseName, name);
  return name;
}

void TdxBars::SetItemName(TcxComponentCollectionItem* AItem) {
  if (FBarManager) AItem->SetName(GetUniqueToolbarName(FBarManager->GetName() + "Bar"));
}

void TdxBars::Update(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {
  inherited::Update(AItem, AAction);
  if (AAction == ccnChanged && FBarManager) FBarManager->DesignerModified();
}

}  // namespace dxBar
