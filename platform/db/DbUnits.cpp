// The database layer's units, after those of the class library.
namespace Units {

void RegisterUnits_platform_classlib();

void RegisterUnits_platform_db() { RegisterUnits_platform_classlib(); }

}  // namespace Units
