// Help requests, which only OnHelp can answer (the program has no help system), and what the screen
// reports of the input method and keyboard layout it started with.
#include "ClasslibTestSupport.h"

#include "Multibyte.h"

using namespace ClasslibTest;

namespace {

class ApplicationHelp : public TClasslibFixture {};

TEST_F(ApplicationHelp, OnlyAHandlerThatTakesTheRequestCanAnswerIt) {
  EXPECT_FALSE(Application->HelpContext(12)) << "no handler, no help system";
  EXPECT_FALSE(Application->HelpCommand(HELP_CONTEXT, 12));

  const struct {
    bool takesIt;  // the handler clears CallHelp
    bool answer;
    bool expected;
  } cases[] = {{false, true, false}, {false, false, false}, {true, true, true}, {true, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "takes it " << c.takesIt << ", answers " << c.answer);
    Word command = 0;
    NativeInt data = 0;
    Application->OnHelp = [&](Word Command, NativeInt Data, bool& CallHelp) {
      command = Command;
      data = Data;
      if (c.takesIt) CallHelp = false;
      return c.answer;
    };
    EXPECT_EQ(Application->HelpContext(77), c.expected);
    EXPECT_EQ(command, HELP_CONTEXT);
    EXPECT_EQ(data, 77);
  }
  Application->OnHelp = {};
}

TEST_F(ApplicationHelp, TheScreenReportsTheLocalesKeyboardLayoutAndNoInputMethodOfItsOwn) {
  // The locale's language in both words: its standard layout (0x08040804 for Chinese (PRC)).
  const auto layout = reinterpret_cast<uintptr_t>(Screen->DefaultKbLayout());
  const auto language = static_cast<uintptr_t>(SysLocale.DefaultLCID & 0xFFFF);
  EXPECT_NE(language, 0u);
  EXPECT_EQ(layout & 0xFFFF, language);
  EXPECT_EQ(layout >> 16, language);
  EXPECT_EQ(Screen->DefaultIme(), "");
}

}  // namespace
