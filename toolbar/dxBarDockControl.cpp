// The dock control component: a dock an application places on a form, with its own alignment,
// colour and border settings.
#include "dxBarDock.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarDockControl) {
  using T = TdxBarDockControl;
  d.Property("Align", &T::GetAlign, &T::SetAlign).Default(dalTop);
  d.Property("AllowDocking", &T::GetAllowDocking, &T::SetAllowDocking).Default(true);
  d.Property("AllowZeroSizeInDesignTime", &T::GetAllowZeroSizeInDesignTime, &T::SetAllowZeroSizeInDesignTime)
      .Default(false);
  d.Property("Color", &T::GetDockColor, &T::SetDockColor).Type(ColorTypeInfo()).Stored(&T::IsColorStored);
  d.Property("ParentColor", &T::GetDockParentColor, &T::SetDockParentColor).Default(true);
  d.Property("SunkenBorder", &T::GetSunkenBorderValue, &T::SetSunkenBorder).Stored(&T::IsSunkenBorderStored);
  d.Property("UseOwnColor", &T::GetUseOwnColor, &T::SetUseOwnColor).Default(false);
  d.Property("UseOwnSunkenBorder", &T::GetUseOwnSunkenBorder, &T::SetUseOwnSunkenBorder).Default(false);
  d.Property("BackgroundBitmap", &T::GetBackgroundBitmap, &T::SetBackgroundBitmap);
}

void TdxBarDockControl::Construct() { inherited::Construct(); }
void TdxBarDockControl::BarManagerChanged() { inherited::BarManagerChanged(); }
bool TdxBarDockControl::CanDocking(TdxBar* ABar) { return inherited::CanDocking(ABar); }
void TdxBarDockControl::ColorChanged() {}
bool TdxBarDockControl::GetSunkenBorder() { return FUseOwnSunkenBorder ? FSunkenBorder : inherited::GetSunkenBorder(); }
Integer TdxBarDockControl::GetMinSize() { return 0; }
bool TdxBarDockControl::GetIsLoading() { return inherited::GetIsLoading(); }
void TdxBarDockControl::SetAlign(TdxBarDockAlign Value) { FAlign = Value; }
void TdxBarDockControl::SetAllowZeroSizeInDesignTime(bool Value) { FAllowZeroSizeInDesignTime = Value; }
void TdxBarDockControl::SetDockColor(TColor Value) { SetColor(Value); }
void TdxBarDockControl::SetDockParentColor(bool Value) { SetParentColor(Value); }
void TdxBarDockControl::SetSunkenBorder(bool Value) { FSunkenBorder = Value; }
void TdxBarDockControl::SetUseOwnColor(bool Value) { FUseOwnColor = Value; }
void TdxBarDockControl::SetUseOwnSunkenBorder(bool Value) { FUseOwnSunkenBorder = Value; }
void TdxBarDockControl::CreateParams(TCreateParams& Params) { inherited::CreateParams(Params); }
void TdxBarDockControl::WndProc(TMessage& Message) { inherited::WndProc(Message); }

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
