#include "CalendarFeed.h"
#include "platform/SiblingModule.h"

void CalendarModule::reserve()
{
#if defined(HORAVIA_CALENDAR_MODULE)
    SiblingModule::reserve(HORAVIA_CALENDAR_MODULE);
#endif
}

// Where there are no modules, only what is linked in.
#if !defined(HORAVIA_CALENDAR_MODULE)
#define HORAVIA_CALENDAR_MODULE nullptr
#endif

const CalendarModule* CalendarModule::load()
{
    static const CalendarModule* const module = SiblingModule::linkedInOrLoad<CalendarModule>(HORAVIA_CALENDAR_MODULE);
    return module;
}
