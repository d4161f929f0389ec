#pragma once

#include "agenda/CalendarFeed.h"
#include "calendar/IcsCalendar.h"

#include <QObject>
#include <QTimer>

#include <optional>

// The desktop's calendars, as Evolution Data Server keeps them (local ones,
// and those GNOME Online Accounts adds: Google, Microsoft, CalDAV). Only
// read, never written; no credential prompt is ever answered.
namespace DesktopCalendars {

// Lists the enabled calendars (name, colour, EDS's id) through `listed`,
// now and at each change, for as long as `context` lives. While the
// service is not there yet (at login) nothing is listed, and the list comes
// once it appears.
void watch(QObject* context, std::function<void(const QList<CalendarSource>&)> listed);

} // namespace DesktopCalendars

// One of the desktop's calendars: its events read whole from the service
// (each series with its moved occurrences, which its own range-wide
// expansion can miss) and expanded as a file's are; read again when its
// view reports a change.
class DesktopFeed : public QObject, public CalendarFeed {
    Q_OBJECT

public:
    static constexpr int mostEvents = 20000;

    DesktopFeed(const CalendarSource& source, std::function<void()> changed);
    ~DesktopFeed() override;

    QList<Occurrence> occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const override;
    QString problem() const override { return m_problem; }
    QString name() const override { return m_source.name; }

    struct Service;

private:
    void open();
    void readAll();
    void fail(const QString& problem);

    CalendarSource m_source;
    std::function<void()> m_changed;
    std::unique_ptr<Service> m_service;
    std::optional<IcsCalendar> m_calendar;
    QStringList m_ownAddresses;
    QString m_problem;
    QTimer m_settle;
};
