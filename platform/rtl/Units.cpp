#include "Units.h"

#include <algorithm>

#include "Exceptions.h"

namespace Units {

namespace {

struct TUnit {
  String Name;
  TUnitProc Initialization;
  TUnitProc Finalization;
};

std::vector<TUnit>& Registered() {
  static std::vector<TUnit> units;
  return units;
}
// The units whose initialisation ran, in the order it ran.
std::vector<const TUnit*>& Started() {
  static std::vector<const TUnit*> started;
  return started;
}
bool initialized = false;

}  // namespace

void RegisterUnit(const char* name, TUnitProc initialization, TUnitProc finalization) {
  auto& units = Registered();
  if (std::any_of(units.begin(), units.end(), [&](const TUnit& u) { return u.Name == name; })) return;
  units.push_back(TUnit{name, initialization, finalization});
}

void InitializeUnits() {
  if (initialized) return;
  const auto& order = StartupOrder();
  std::vector<std::pair<size_t, const TUnit*>> ranked;
  for (const TUnit& u : Registered()) {
    auto at = std::find(order.begin(), order.end(), u.Name);
    if (at == order.end()) throw Exception("Unit " + u.Name + " is missing from the start-up order");
    ranked.emplace_back(static_cast<size_t>(at - order.begin()), &u);
  }
  std::sort(ranked.begin(), ranked.end());
  initialized = true;
  for (auto& [rank, unit] : ranked) {
    Started().push_back(unit);
    if (unit->Initialization) unit->Initialization();
  }
}

void FinalizeUnits() {
  if (!initialized) return;
  auto& started = Started();
  while (!started.empty()) {
    const TUnit* unit = started.back();
    started.pop_back();
    if (unit->Finalization) unit->Finalization();
  }
  initialized = false;
}

bool UnitsInitialized() { return initialized; }

}  // namespace Units
