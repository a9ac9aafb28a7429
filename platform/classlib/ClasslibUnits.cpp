// The class library's units, after those of the window layer.
namespace Units {

void RegisterUnits_platform_win();

void RegisterUnits_platform_classlib() { RegisterUnits_platform_win(); }

}  // namespace Units
