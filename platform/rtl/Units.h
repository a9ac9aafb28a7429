// The program's unit start-up table. A unit with initialisation or finalisation code registers its
// two routines; InitializeUnits runs the initialisations in the system's fixed start-up order (a
// unit after the units it builds on) and FinalizeUnits runs the finalisations in exactly the reverse
// order. Nothing relies on the order of C++ static initialisation.
//
// Every library has one registration routine, RegisterUnits_<folder>() (RegisterUnits_platform_rtl,
// RegisterUnits_framework_foundation, ...), which registers the units of the layers below it first
// and then its own; the program and each test program call the one of the highest layer they link.
#pragma once

#include <vector>

#include "System.h"

namespace Units {

using TUnitProc = void (*)();

// Adds a unit of the linked program (a second registration of the same unit is ignored). The
// unit's place comes from the start-up order; a unit missing from it raises at InitializeUnits.
void RegisterUnit(const char* name, TUnitProc initialization, TUnitProc finalization);

void InitializeUnits();
void FinalizeUnits();
bool UnitsInitialized();

// The fixed start-up order of every unit of the program, lowest first.
const std::vector<String>& StartupOrder();

void RegisterUnits_platform_rtl();

}  // namespace Units

using namespace Units;
