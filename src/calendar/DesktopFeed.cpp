#include "DesktopFeed.h"

#include "DesktopService.h"

#include <QCoreApplication>

DesktopFeed::DesktopFeed(DesktopService& service, const CalendarSource& source, std::function<void()> changed)
    : m_service(service)
    , m_source(source)
    , m_changed(std::move(changed))
{
    m_service.open(this);
}

DesktopFeed::~DesktopFeed()
{
    m_service.close(this);
}

QList<Occurrence> DesktopFeed::occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const
{
    return m_calendar ? m_calendar->expand(from, to, home) : QList<Occurrence>();
}

void DesktopFeed::read(const QByteArray& ics)
{
    QString error;
    m_calendar = IcsCalendar::read(ics, &error);
    if (m_calendar) m_calendar->setOwnAddresses(m_ownAddresses);
    m_problem = m_calendar ? QString() : error;
    m_changed();
}

void DesktopFeed::setOwnAddresses(const QStringList& addresses)
{
    m_ownAddresses = addresses;
    if (!m_calendar) return;
    m_calendar->setOwnAddresses(addresses);
    m_changed();
}

void DesktopFeed::fail(const QString& reason, const QString& detail)
{
    if (reason == QLatin1String("gone"))
        //: One of the desktop's calendars that has since been removed
        m_problem = QCoreApplication::translate("Calendars", "The calendar isn't on this desktop any more.");
    else if (reason == QLatin1String("unread"))
        //: One of the desktop's calendars whose events could not be read; %1 is the service's reason
        m_problem = QCoreApplication::translate("Calendars", "The calendar's events can't be read: %1").arg(detail);
    else
        //: One of the desktop's calendars could not be opened; %1 is the service's reason
        m_problem = QCoreApplication::translate("Calendars", "The calendar can't be opened: %1").arg(detail);
    m_changed();
}
