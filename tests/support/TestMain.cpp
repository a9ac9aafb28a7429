// The main of every test program: starts the units of the library under test (and of the layers
// below it), runs the tests in a private configuration folder so that settings written by one run
// (registry store, ini files) never reach another or the user's own, and stops the units again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Units.h"

namespace Units {
void TEST_UNITS_OF();
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);

  char dirTemplate[] = "/tmp/at-test-XXXXXX";
  const char* sandbox = mkdtemp(dirTemplate);
  if (!sandbox) return 2;
  setenv("XDG_CONFIG_HOME", sandbox, 1);
  setenv("HOME", sandbox, 1);

  Units::TEST_UNITS_OF();
  Units::InitializeUnits();
  int result = RUN_ALL_TESTS();
  Units::FinalizeUnits();

  std::error_code ignored;
  std::filesystem::remove_all(sandbox, ignored);
  return result;
}
