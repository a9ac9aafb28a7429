// Puts a locale in place for one test (the user's, the thread's and the global format settings) and
// restores the previous ones after, so that tests do not depend on the AT_LOCALE they run under.
#pragma once

#include "FormatSettings.h"
#include "Locale.h"

struct TLocaleScope {
  LCID PreviousUser = GetUserDefaultLCID();
  LCID PreviousThread = GetThreadLocale();
  explicit TLocaleScope(LCID locale) {
    SelectUserLocale(locale);
    GetFormatSettings();
  }
  ~TLocaleScope() {
    SelectUserLocale(PreviousUser);
    SetThreadLocale(PreviousThread);
    GetFormatSettings();
  }
  TLocaleScope(const TLocaleScope&) = delete;
  TLocaleScope& operator=(const TLocaleScope&) = delete;
};
