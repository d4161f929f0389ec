#include "platform/SiblingModule.h"
#include "services/Services.h"

void Services::reserve()
{
#if defined(HORAVIA_SERVICES_MODULE)
    SiblingModule::reserve(HORAVIA_SERVICES_MODULE);
#endif
}

const Services* Services::load()
{
    // Linked in (where there are no modules, and in the tests' programs),
    // else the module beside the executable.
    static const Services* const services = [] {
        const Services* found = SiblingModule::linkedIn<Services>();
#if defined(HORAVIA_SERVICES_MODULE)
        if (!found) found = SiblingModule::load<Services>(HORAVIA_SERVICES_MODULE);
#endif
        return found;
    }();
    return services;
}
