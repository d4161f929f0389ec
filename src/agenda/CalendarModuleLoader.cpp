#include "CalendarFeed.h"
#include "platform/SiblingModule.h"

void CalendarModule::reserve()
{
#if defined(HORAVIA_CALENDAR_MODULE)
    SiblingModule::reserve(HORAVIA_CALENDAR_MODULE);
#endif
}

const CalendarModule* CalendarModule::load()
{
    static const CalendarModule* const module = [] {
        const CalendarModule* found = SiblingModule::linkedIn<CalendarModule>();
#if defined(HORAVIA_CALENDAR_MODULE)
        if (!found) found = SiblingModule::load<CalendarModule>(HORAVIA_CALENDAR_MODULE);
#endif
        return found;
    }();
    return module;
}
