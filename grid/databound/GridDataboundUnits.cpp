// The data-bound grid's registration routine: the layers below and the data-bound grid unit.
#include "TSDBGrid.h"
#include "Units.h"

namespace Units {

void RegisterUnits_grid_control();

void RegisterUnits_grid_databound() {
  RegisterUnits_grid_control();
  RegisterUnit("TSDBGrid", &TSDBGrid::TSDBGridInitialization, &TSDBGrid::TSDBGridFinalization);
}

}  // namespace Units
