#include "SystemLocale.h"

#include <cstdlib>
#include <string>

namespace SystemLocale {

icu::Locale fromPosixName(const char* name)
{
    std::string id = name ? name : "";
    id = id.substr(0, id.find_first_of(".@"));
    if (id.empty() || id == "C" || id == "POSIX") return icu::Locale("en_US_POSIX");
    icu::Locale locale(id.c_str());
    if (locale.isBogus()) return icu::Locale("en_US_POSIX");
    return locale;
}

icu::Locale current()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return fromPosixName(value);
    }
    return fromPosixName(nullptr);
}

} // namespace SystemLocale
