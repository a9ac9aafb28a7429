// The backend the environment asks for: x11 where a display is set (or asked for), headless otherwise.
#include "X11TestSupport.h"

#include <cstdlib>

namespace X11Test {
namespace {

class TEnvironment {
 public:
  explicit TEnvironment(const char* name) : FName(name) {
    const char* now = getenv(name);
    FHad = now != nullptr;
    if (FHad) FSaved = now;
  }
  ~TEnvironment() {
    if (FHad) setenv(FName, FSaved.c_str(), 1);
    else unsetenv(FName);
  }
  void Set(const char* value) {
    if (value) setenv(FName, value, 1);
    else unsetenv(FName);
  }

 private:
  const char* FName;
  bool FHad = false;
  std::string FSaved;
};

TEST(X11BackendChoice, DisplayAndOverrideChooseTheBackend) {
  std::string error;
  std::string display = TestDisplay(error);
  ASSERT_FALSE(display.empty()) << error;
  TEnvironment displayVar("DISPLAY"), choiceVar("WIN_BACKEND");
  struct TCase {
    const char* Display;
    const char* Choice;
    const char* Expected;  // null: headless
  };
  const TCase cases[] = {
      {nullptr, nullptr, nullptr},
      {display.c_str(), nullptr, "x11"},
      {display.c_str(), "headless", nullptr},
      {nullptr, "x11", nullptr},           // asked for, but there is no display to open
      {":999", nullptr, nullptr},          // a display that does not answer
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Display ? c.Display : "-") + " / " + (c.Choice ? c.Choice : "-"));
    displayVar.Set(c.Display);
    choiceVar.Set(c.Choice);
    auto backend = CreateBackendForEnvironment();
    EXPECT_EQ(backend ? std::string(backend->Name()) : std::string("headless"),
              c.Expected ? c.Expected : "headless");
  }
}

}  // namespace
}  // namespace X11Test
