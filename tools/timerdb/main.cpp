// timerdb: creates the auction timer's database file.
//
//   timerdb create [--force] [--password TEXT] FILE
//
// Exit status: 0 done, 1 the file could not be created (it exists and --force was not given, or
// writing failed), 2 a usage error.
#include <cstdio>
#include <cstring>

#include "Exceptions.h"
#include "TimerDatabase.h"
#include "Units.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: timerdb create [--force] [--password TEXT] FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "create") != 0) return Usage();
  bool force = false;
  String password = TimerDatabase::DatabasePassword, file;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--force") == 0)
      force = true;
    else if (std::strcmp(argv[i], "--password") == 0 && i + 1 < argc)
      password = argv[++i];
    else if (argv[i][0] == '-' || !file.empty())
      return Usage();
    else
      file = argv[i];
  }
  if (file.empty()) return Usage();

  Units::RegisterUnits_platform_rtl();
  Units::InitializeUnits();
  int status = 0;
  try {
    TimerDatabase::CreateTimerDatabase(file, force, password);
    std::printf("created %s\n", file.c_str());
  } catch (const Exception& e) {
    std::fprintf(stderr, "timerdb: %s\n", e.Message().c_str());
    status = 1;
  }
  Units::FinalizeUnits();
  return status;
}
