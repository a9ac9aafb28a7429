// The grid control's registration routine: the layers below, the unit's glyphs and cursor
// pictures, and the grid unit with its start-up work.
#include "Resources.h"
#include "TSGridResources.h"
#include "Units.h"

DECLARE_RESOURCE_TABLE(grid_control, BITMAP)
DECLARE_RESOURCE_TABLE(grid_control, GRIDCURSOR)

namespace Units {

void RegisterUnits_grid_foundation();

void RegisterUnits_grid_control() {
  RegisterUnits_grid_foundation();
  RegisterResourceTable(ResourceTable_grid_control_BITMAP());
  RegisterResourceTable(ResourceTable_grid_control_GRIDCURSOR());
  RegisterUnit("TSGrid", &TSGrid::TSGridInitialization, &TSGrid::TSGridFinalization);
}

}  // namespace Units
