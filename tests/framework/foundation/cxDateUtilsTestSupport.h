// Shared by the date and format tests: a locale put in place for one test with the format
// controller's formats read again, and a fixed clock.
#pragma once

#include "../../platform/rtl/LocaleTestSupport.h"
#include "DateTime.h"
#include "cxFormats.h"

// Reads the controller's formats again when it goes, after the locale it follows was restored.
struct TFormatsRefresh {
  ~TFormatsRefresh() { cxFormatController()->GetFormats(); }
};

// The locale of one test (the user's, the thread's, the format settings and the controller's
// formats), the previous one restored after.
struct TFormatsLocaleScope {
  TFormatsRefresh Refresh;  // declared first: runs after Locale has restored the previous locale
  TLocaleScope Locale;
  explicit TFormatsLocaleScope(LCID ALocale) : Locale(ALocale) { cxFormatController()->GetFormats(); }
};

// The program's clock stopped at a moment for one test.
struct TFixedClock {
  TManualClock Clock;
  TClockOverride Override{Clock};
  explicit TFixedClock(TDateTime ANow) : Clock(ANow) {}
};
