#include "FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace FontConfiguration {

void load()
{
    // Qt's font database starts from fontconfig's current configuration;
    // fontconfig installs the first one made and drops a concurrent twin.
    FcInit();
}

} // namespace FontConfiguration
