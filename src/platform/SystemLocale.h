#pragma once

#include <unicode/locid.h>

// The user's current locale as ICU sees it, taken from the POSIX environment
// at the moment of the call: LC_ALL, else LC_TIME, else LANG. "C" and "POSIX"
// (and an empty environment) mean en_US_POSIX. Codeset and modifier
// ("de_DE.UTF-8@euro") are dropped.
namespace SystemLocale {

icu::Locale current();

// The locale for a POSIX locale name such as "tr_TR.UTF-8".
icu::Locale fromPosixName(const char* name);

} // namespace SystemLocale
