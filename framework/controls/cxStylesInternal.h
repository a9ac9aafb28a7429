// What the style-sheet sources share: the slot properties of a style collection class.
#pragma once

#include <vector>

#include "System.h"

namespace TypInfo {
struct TPropInfo;
}

namespace cxStyles {

// The published, readable and writable TcxStyle properties of AStylesClass, in the alphabetical
// order of their names.
std::vector<const TypInfo::TPropInfo*> GetStyleProperties(TClass AStylesClass);

}  // namespace cxStyles
