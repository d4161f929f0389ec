#include "Services.h"

#if defined(HORAVIA_GUI_MODULE)
#include "platform/SiblingModule.h"
#endif

const Services* Services::load()
{
#if defined(HORAVIA_GUI_MODULE)
    static const Services* const services = [] {
        const auto entry =
            reinterpret_cast<const Services* (*)()>(SiblingModule::symbol("libhoravia-services.so", "horaviaServices"));
        return entry ? entry() : nullptr;
    }();
    return services;
#else
    return horaviaServices();
#endif
}
