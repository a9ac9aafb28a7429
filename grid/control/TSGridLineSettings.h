// The plain cell settings that a column and a row object both keep, with their defaults: one record,
// so that what counts as unset and what an assignment copies is said once.
#pragma once

#include "TSGridTypes.h"

namespace TSGrid {

struct TtsLineSettings {
  TColor Color = Graphics::clNone;
  TAlignment Alignment = taLeftJustify;
  bool Align = false;
  TSCommon::TtsHorzAlignment HorzAlignment = TSCommon::htaDefault;
  TSCommon::TtsVertAlignment VertAlignment = TSCommon::vtaDefault;
  TtsWordWrap WordWrap = wwDefault;
  bool ReadOnly = false;
  bool Is3D = false;
  String MaskName;
  TtsDropDownStyle KeptDropDownStyle = ddDropDown;
  TtsControlType ControlType = ctDefault;
  TtsDrawOption StretchPicture = dopDefault, ShrinkPicture = dopDefault, CenterPicture = dopDefault,
                KeepAspectRatio = dopDefault;
  bool ParentCombo = true;
  TtsSpinOptions SpinOptions = AllSpinOptions;
  double SpinIncrement = 1.0;

  bool operator==(const TtsLineSettings&) const = default;
  // Every setting unset, as in a new column or row.
  bool IsDefault() const { return *this == TtsLineSettings(); }
};

}  // namespace TSGrid
