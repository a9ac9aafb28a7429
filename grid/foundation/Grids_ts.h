// Grids_ts: the base grid engine of the grid family, its in-place editors, the draw grid and the
// string grid with the sparse lists that store its cells.
#pragma once

#include "Grids_tsDrawGrid.h"
#include "Grids_tsEngine.h"
#include "Grids_tsInplace.h"
#include "Grids_tsSparse.h"
