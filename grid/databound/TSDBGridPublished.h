// The data-bound grid as the application places it on a form (TtsDBGrid: it only publishes), and
// the data-bound drop-down list grid's class.
#pragma once

#include "TSDBGridBase.h"
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

// The drop-down list of a data-bound combo.
class TtsDBComboGrid : public TtsCustomDBGrid {
  DECLARE_CLASS(TtsDBComboGrid, TtsCustomDBGrid)
 public:
  explicit TtsDBComboGrid(TComponent* AOwner = nullptr) : TtsCustomDBGrid(AOwner) {}
};

}  // namespace TSDBGrid
