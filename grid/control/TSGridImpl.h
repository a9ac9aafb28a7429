// The headers that the grid control's sources share: the whole unit and the platform and grid
// foundation units its bodies use. Included by the unit's .cpp files only.
#pragma once

#include "Bits.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Lists.h"
#include "StringLists.h"
#include "Strings.h"
#include "Streams.h"
#include "SysConst.h"
#include "TSCommon.h"
#include "TSCommonStorage.h"
#include "TSDateTimeDef.h"
#include "TSGrid.h"
#include "TSImageList.h"
#include "TSMask.h"
#include "TSSetLib.h"
#include "TypInfo.h"
#include "Variants.h"
#include "WinGdi.h"

namespace TSGrid {

// Painting disabled for a scope, enabled again however it ends.
class TPaintSuspension {
 public:
  explicit TPaintSuspension(TtsBaseGrid* Grid) : FGrid(Grid) { FGrid->SetEnablePaint(false); }
  ~TPaintSuspension() { FGrid->SetEnablePaint(true); }
  TPaintSuspension(const TPaintSuspension&) = delete;
  TPaintSuspension& operator=(const TPaintSuspension&) = delete;

 private:
  TtsBaseGrid* FGrid;
};

}  // namespace TSGrid
