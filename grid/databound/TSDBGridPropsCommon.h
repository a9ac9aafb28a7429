// The Variant forms in which per-record overrides reach their sets: those the elements give back
// for each kind, so that a value is compared with the element's own.
#pragma once

#include "TSGridTypes.h"

namespace TSDBGrid {

inline Variant Ordinal(Integer Value) { return static_cast<Byte>(Value); }
inline Variant IntegerValue(Integer Value) { return Value; }
inline Variant BooleanValue(bool Value) { return Value; }
inline Variant DoubleValue(double Value) { return Value; }
inline Variant SpinBits(TSGrid::TtsSpinOptions Value) { return Ordinal(static_cast<Integer>(Value.ToBits())); }

}  // namespace TSDBGrid
