#pragma once

#include "IcsCalendar.h"
#include "agenda/CalendarFeed.h"

#include <optional>

class DesktopService;

// One of the desktop's calendars, as the helper reads it from the desktop's
// service: its events whole, expanded as a file's are.
class DesktopFeed : public CalendarFeed {
public:
    DesktopFeed(DesktopService& service, const CalendarSource& source, std::function<void()> changed);
    ~DesktopFeed() override;

    QList<Occurrence> occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const override;
    QString problem() const override { return m_problem; }
    QString name() const override { return m_source.name; }

    const QString& uid() const { return m_source.address; }
    void read(const QByteArray& ics);
    void setOwnAddresses(const QStringList& addresses);
    // What the helper said went wrong (a reason code and the service's words), or that it is gone.
    void fail(const QString& reason, const QString& detail);

private:
    DesktopService& m_service;
    CalendarSource m_source;
    std::function<void()> m_changed;
    std::optional<IcsCalendar> m_calendar;
    QStringList m_ownAddresses;
    QString m_problem;
};
