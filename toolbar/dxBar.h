// The toolbar unit: the bar manager and its command model, the bars, their windows and item
// controls, and the bar painters.
#pragma once

#include "dxBarCategories.h"
#include "dxBarComponents.h"
#include "dxBarGroups.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarSelectable.h"
#include "dxBarTypes.h"
#include "dxBarUnit.h"
