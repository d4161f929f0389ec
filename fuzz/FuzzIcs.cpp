// A calendar file or a subscription's answer: any bytes are refused or read,
// and expanding what was read over a fortnight in any zone ends, within the
// bounds, with occurrences that lie in the span and end after they start.
#include "calendar/IcsCalendar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    // The first byte picks the viewer's zone.
    static const QByteArray zones[] = {
        "UTC",           "America/New_York",    "Pacific/Kiritimati", "Pacific/Honolulu",
        "Europe/Berlin", "Australia/Lord_Howe", "Asia/Kolkata",       "America/St_Johns"};
    const QTimeZone home(zones[data[0] % std::size(zones)]);
    IcsLimits limits;
    limits.stepsPerSeries = 2000;
    limits.occurrences = 2000;
    const auto calendar =
        IcsCalendar::read(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)), nullptr, limits);
    if (!calendar) return 0;
    const QDateTime from(QDate(2026, 3, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to = from.addDays(15);
    const QList<Occurrence> found = calendar->expand(from, to, home);
    if (found.size() > limits.occurrences) __builtin_trap();
    for (const Occurrence& o : found) {
        if (!o.start.isValid() || o.end < o.start || o.start >= to) __builtin_trap();
        if (o.allDay && o.lastDay < o.firstDay) __builtin_trap();
    }
    return 0;
}
