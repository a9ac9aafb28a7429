// The text the application shows for an exception: a full stop after a last character above ".",
// judged by the whole last character, so that a message ending in Chinese gets one too.
#include <gtest/gtest.h>

#include "Forms.h"

namespace {

TEST(ExceptionDisplayText, AddsAFullStopAfterALastCharacterAboveTheStop) {
  struct TCase {
    const char* Message;
    const char* Shown;
  };
  const TCase cases[] = {
      {"File not found", "File not found."},
      {"Value 42", "Value 42."},
      {"数据库文件不存在", "数据库文件不存在."},
      {"数据库文件不存在。", "数据库文件不存在。."},  // a Chinese full stop is a character like any other
      {"Already done.", "Already done."},
      {"Stop!", "Stop!"},
      {"(none)", "(none)"},
      {"A, B, C -", "A, B, C -"},
      {"", ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(ExceptionDisplayText(c.Message), c.Shown) << c.Message;
}

}  // namespace
