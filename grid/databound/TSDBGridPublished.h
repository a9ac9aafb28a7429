// The data-bound grid as the application places it on a form (TtsDBGrid: it only publishes); the
// data-bound drop-down list grid is in TSDBGridCombo.h.
#pragma once

#include "TSDBGridBase.h"
#include "TSDBGridCombo.h"
#include "TSGridCustom.h"

namespace TSDBGrid {

class TtsDBGrid : public TtsCustomDBGrid {
  DECLARE_CLASS(TtsDBGrid, TtsCustomDBGrid)
 public:
  explicit TtsDBGrid(TComponent* AOwner = nullptr) : TtsCustomDBGrid(AOwner) {}

  // Accessors through which the class table publishes the grid-level events of the base grid.
#define TS_DECLARE_BASE_EVENT_ACCESSORS(Type, Name) \
  Type Get##Name() const { return Name; }           \
  void Set##Name(const Type& Value) { Name = Value; }
  TS_BASE_GRID_EVENTS(TS_DECLARE_BASE_EVENT_ACCESSORS)
#undef TS_DECLARE_BASE_EVENT_ACCESSORS
};

}  // namespace TSDBGrid
