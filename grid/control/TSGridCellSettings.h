// The published cell settings that a row object, a row facade and a cell facade share, listed once.
// Included by their sources only.
#pragma once

#include <functional>
#include <string_view>

#include "Graphics.h"
#include "TSCommon.h"
#include "TSGridTypes.h"
#include "TypInfo.h"

namespace TSGrid {

// Publishes T's cell settings in the order they are streamed. A row's own properties (display place,
// height, visibility) stand among them: LineProperties, when given, is called with the name of the
// setting that comes next ("DropDownStyle", "HorzAlignment", "WordWrap") to publish them there.
// ReadOnlyDefault is the default of T's ReadOnly (a row's switch, a cell's three states).
template <class T, class ReadOnly>
void PublishCellSettings(TClassDescriber& d, ReadOnly ReadOnlyDefault,
                         const std::function<void(std::string_view Next)>& LineProperties = nullptr) {
  auto lineProperties = [&](std::string_view Next) {
    if (LineProperties) LineProperties(Next);
  };
  d.Property("ButtonType", &T::GetButtonType, &T::SetButtonType).Default(btDefault);
  d.Property("DateTimeDef", &T::GetDateTimeDef, &T::SetDateTimeDef);
  d.Property("CenterPicture", &T::GetCenterPicture, &T::SetCenterPicture).Default(dopDefault);
  d.Property("Color", &T::GetColor, &T::SetColor).Default(Graphics::clNone).Type(Graphics::ColorTypeInfo());
  d.Property("ControlType", &T::GetControlType, &T::SetControlType).Default(ctDefault);
  lineProperties("DropDownStyle");
  d.Property("DropDownStyle", &T::GetDropDownStyle, &T::SetDropDownStyle).Default(ddDropDown);
  d.Property("Font", &T::GetFont, &T::SetFont);
  lineProperties("HorzAlignment");
  d.Property("HorzAlignment", &T::GetHorzAlignment, &T::SetHorzAlignment).Default(TSCommon::htaDefault);
  d.Property("Is3D", &T::GetIs3D, &T::SetIs3D).Default(false);
  d.Property("KeepAspectRatio", &T::GetKeepAspectRatio, &T::SetKeepAspectRatio).Default(dopDefault);
  d.Property("MaskName", &T::GetMaskName, &T::SetMaskName);
  d.Property("ParentCombo", &T::GetParentCombo, &T::SetParentCombo).Default(true);
  d.Property("ParentFont", &T::GetParentFont, &T::SetParentFont).Default(true);
  d.Property("ReadOnly", &T::GetReadOnly, &T::SetReadOnly).Default(ReadOnlyDefault);
  d.Property("ShrinkPicture", &T::GetShrinkPicture, &T::SetShrinkPicture).Default(dopDefault);
  d.Property("SpinIncrement", &T::GetSpinIncrement, &T::SetSpinIncrement).Stored(&T::StoreSpinIncrement);
  d.Property("SpinOptions", &T::GetSpinOptions, &T::SetSpinOptions).Default(AllSpinOptions);
  d.Property("StretchPicture", &T::GetStretchPicture, &T::SetStretchPicture).Default(dopDefault);
  d.Property("VertAlignment", &T::GetVertAlignment, &T::SetVertAlignment).Default(TSCommon::vtaDefault);
  lineProperties("WordWrap");
  d.Property("WordWrap", &T::GetWordWrap, &T::SetWordWrap).Default(wwDefault);
}

// Copies the cell settings of another facade of T's class: all but the fonts through the published
// table, then the combo and the font switch, and the own font only where the switch is off (so the
// target never keeps a copy of a font it follows).
template <class T>
void AssignCellSettings(T* Target, T* Source) {
  AssignObject(Target, Source, "Font;ParentFont");
  Target->SetCombo(Source->GetCombo());
  Target->SetParentFont(Source->GetParentFont());
  if (!Target->GetParentFont()) Target->SetFont(Source->GetFont());
}

}  // namespace TSGrid
