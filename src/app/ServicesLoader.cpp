#include "Services.h"

#include <cstdio>

#if defined(HORAVIA_GUI_MODULE)
#include "platform/SiblingModule.h"
#endif

void Services::reserve()
{
#if defined(HORAVIA_GUI_MODULE)
    SiblingModule::reserve("libhoravia-services.so");
#endif
}

const Services* Services::load()
{
#if defined(HORAVIA_GUI_MODULE)
    static const Services* const services = [] {
        const auto entry =
            reinterpret_cast<const Services* (*)()>(SiblingModule::symbol("libhoravia-services.so", "horaviaServices"));
        const Services* found = entry ? entry() : nullptr;
        if (found && found->version != currentVersion) {
            std::fprintf(stderr, "horavia: libhoravia-services.so is of another version (%d, not %d)\n", found->version,
                         currentVersion);
            return static_cast<const Services*>(nullptr);
        }
        return found;
    }();
    return services;
#else
    return horaviaServices();
#endif
}
