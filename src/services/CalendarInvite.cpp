#include "CalendarInvite.h"

#include <QUuid>

#include <libical/ical.h>
#include <memory>

namespace CalendarInvite {

QByteArray make(const QString& description, const QDateTime& at, const QDateTime& created, int minutes)
{
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    const auto utcTime = [utc](const QDateTime& when) {
        return icaltime_from_timet_with_zone(time_t(when.toSecsSinceEpoch()), 0, utc);
    };
    const QByteArray uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8() + "@horavia";
    const QByteArray text = description.toUtf8();

    icalcomponent* event = icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.constData()), icalproperty_new_dtstamp(utcTime(created)),
        icalproperty_new_dtstart(utcTime(at)), icalproperty_new_dtend(utcTime(at.addSecs(qint64(minutes) * 60))),
        icalproperty_new_summary("Meeting"), icalproperty_new_description(text.constData()), nullptr);
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Horavia//Horavia//EN"), event, nullptr),
        icalcomponent_free);
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray file(written);
    icalmemory_free_buffer(written);
    return file;
}

} // namespace CalendarInvite
