// One run of the date-text readers over arbitrary bytes: TextToDateEx and cxStrToDateTime either
// give a date of the calendar or refuse with the null date; an exception that escapes, a crash or a
// date outside the calendar is a fault. Shared by the libFuzzer target and the plain test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "DateTime.h"
#include "cxDateUtils.h"

// Answers whether the bytes were read as a date.
inline bool cxFuzzDateText(const uint8_t* data, size_t size) {
  String text(reinterpret_cast<const char*>(data), size);
  TDateTime date = 0;
  bool result = TextToDateEx(text, date);
  if (result ? (date < EncodeDate(1, 1, 1) || date > MaxDateTime + 1) : date != NullDate) std::abort();
  TDateTime other = 0;
  if (!cxStrToDateTime(text, size % 2 == 0, other) && other != NullDate) std::abort();
  return result;
}
