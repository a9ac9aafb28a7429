// The dock control component: a dock an application places on a form, with its own alignment,
// colour and border settings.
#include "WinUser.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarDockControl) {
  using T = TdxBarDockControl;
  d.Property("Align", &T::GetAlign, &T::SetAlign).Default(dalTop);
  d.Property("AllowDocking", &T::GetAllowDocking, &T::SetAllowDocking).Default(true);
  d.Property("AllowZeroSizeInDesignTime", &T::GetAllowZeroSizeInDesignTime, &T::SetAllowZeroSizeInDesignTime)
      .Default(false);
  d.Property("BarManager", &T::GetBarManager, &T::SetBarManager);
  d.Property("Color", &T::GetDockColor, &T::SetDockColor).Type(ColorTypeInfo()).Stored(&T::IsColorStored);
  d.Property("ParentColor", &T::GetDockParentColor, &T::SetDockParentColor).Default(true);
  d.Property("SunkenBorder", &T::GetSunkenBorderValue, &T::SetSunkenBorder).Stored(&T::IsSunkenBorderStored);
  d.Property("UseOwnColor", &T::GetUseOwnColor, &T::SetUseOwnColor).Default(false);
  d.Property("UseOwnSunkenBorder", &T::GetUseOwnSunkenBorder, &T::SetUseOwnSunkenBorder).Default(false);
  d.Property("Visible", &T::GetVisible, &T::SetVisible).Default(true);
  d.Property("Anchors", &T::GetAnchors, &T::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("BackgroundBitmap", &T::GetBackgroundBitmap, &T::SetBackgroundBitmap);
}

void TdxBarDockControl::Construct() {
  inherited::Construct();
  TControl::SetAlign(alTop);
}

void TdxBarDockControl::BarManagerChanged() {
  inherited::BarManagerChanged();
  ColorChanged();
  NCChanged();
}

bool TdxBarDockControl::CanDocking(TdxBar* ABar) {
  if (!inherited::CanDocking(ABar)) return false;
  // A dock inside the toolbar's own window would move with it.
  auto* window = ABar ? dynamic_cast<TdxBarControl*>(ABar->GetControl()) : nullptr;
  for (TWinControl* parent = GetParent(); window && parent; parent = parent->GetParent())
    if (parent == window) return false;
  return true;
}

void TdxBarDockControl::ColorChanged() {
  if (!FUseOwnColor) inherited::ColorChanged();
}

bool TdxBarDockControl::GetSunkenBorder() { return FUseOwnSunkenBorder ? FSunkenBorder : inherited::GetSunkenBorder(); }

Integer TdxBarDockControl::GetMinSize() {
  return ComponentState().Contains(csDesigning) && !FAllowZeroSizeInDesignTime ? 3 : 0;
}

bool TdxBarDockControl::GetIsLoading() {
  return inherited::GetIsLoading() || (GetBarManager() && GetBarManager()->GetBarsLoading());
}

void TdxBarDockControl::SetAlign(TdxBarDockAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  static const TAlign aligns[] = {alNone, alTop, alBottom, alLeft, alRight};
  TdxBarManager* manager = GetBarManager();
  if (manager) manager->BeginUpdate();
  try {
    const TdxBarDockingStyle style = dxBarDockingStyleOfDockAlign(Value);
    for (Integer i = 0; i < GetRowCount(); ++i)
      for (Integer j = 0; j < GetRow(i)->GetColCount(); ++j) GetRow(i)->GetCol(j)->GetBarControl()->SetDockingStyle(style);
    TControl::SetAlign(aligns[Value]);
  } catch (...) {
    if (manager) manager->EndUpdate();
    throw;
  }
  if (manager) manager->EndUpdate();
  for (Integer i = 0; i < GetRowCount(); ++i)
    for (Integer j = 0; j < GetRow(i)->GetColCount(); ++j) GetRow(i)->GetCol(j)->GetBarControl()->RepaintBar();
  if (GetParent()) GetParent()->Invalidate();
}

void TdxBarDockControl::SetAllowZeroSizeInDesignTime(bool Value) {
  if (FAllowZeroSizeInDesignTime == Value) return;
  FAllowZeroSizeInDesignTime = Value;
  UpdateDock();
}

// A colour set outside loading is the dock's own from then on.
void TdxBarDockControl::SetDockColor(TColor Value) {
  SetColor(Value);
  if (!GetIsLoading()) FUseOwnColor = true;
}

void TdxBarDockControl::SetDockParentColor(bool Value) {
  SetParentColor(Value);
  if (!GetIsLoading()) FUseOwnColor = true;
}

void TdxBarDockControl::SetUseOwnColor(bool Value) {
  if (FUseOwnColor == Value) return;
  FUseOwnColor = Value;
  if (!Value) ColorChanged();
}

void TdxBarDockControl::SetSunkenBorder(bool Value) {
  FSunkenBorder = Value;
  FUseOwnSunkenBorder = true;
  NCChanged();
}

void TdxBarDockControl::SetUseOwnSunkenBorder(bool Value) {
  if (FUseOwnSunkenBorder == Value) return;
  FUseOwnSunkenBorder = Value;
  NCChanged();
}

void TdxBarDockControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (ComponentState().Contains(csDesigning)) Params.WindowClass.style |= CS_VREDRAW | CS_HREDRAW;
}

void TdxBarDockControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      inherited::WndProc(Message);
      // An empty dock keeps its minimum size across its edge.
      if (GetRowCount() == 0 && !GetIsLoading()) {
        if (GetHorizontal() && GetHeight() != GetMinSize()) SetHeight(GetMinSize());
        if (GetVertical() && GetWidth() != GetMinSize()) SetWidth(GetMinSize());
      }
      return;
    case WM_CREATE:
      inherited::WndProc(Message);
      if (GetBarManager()) GetBarManager()->ShowBarsFromRestoringList(this);
      return;
    default:
      inherited::WndProc(Message);
  }
}

TdxBarDockingStyle dxBarDockingStyleOfAlign(TAlign AAlign) {
  switch (AAlign) {
    case alBottom: return dsBottom;
    case alLeft: return dsLeft;
    case alRight: return dsRight;
    default: return dsTop;
  }
}

TdxBarDockingStyle dxBarDockingStyleOfDockAlign(TdxBarDockAlign AAlign) {
  switch (AAlign) {
    case dalBottom: return dsBottom;
    case dalLeft: return dsLeft;
    case dalRight: return dsRight;
    default: return dsTop;
  }
}

}  // namespace dxBar
