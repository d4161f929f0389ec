#pragma once

#include "Agenda.h"
#include "CalendarFeed.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

class DisplayedTime;

// The switched-on calendars, read through the calendar module: a feed per
// source, its occurrences in the agenda over the days the time cursor can
// reach (a week either side of today, and a day's margin). Nothing is
// loaded or read while no calendar is on.
class Calendars : public QObject {
    Q_OBJECT

public:
    using ModuleLoader = std::function<const CalendarModule*()>;

    // `fetch`: subscriptions ask their servers; else they show the copies kept.
    Calendars(CalendarList& list, DisplayedTime& time, ModuleLoader loader = &CalendarModule::load, bool fetch = true,
              QObject* parent = nullptr);
    ~Calendars() override;

    // Opens the switched-on sources, and follows the list from then on.
    void load();

    // Lists the desktop's calendars in the list (each switched off until
    // the user turns it on), from now on; loads the calendar module.
    void listDesktopCalendars();

    CalendarList& list() { return m_list; }
    const Agenda& agenda() const { return m_agenda; }
    // Why a source shows nothing (empty when it reads), and the name it gives itself.
    QString problem(const QString& sourceId) const;
    QString nameOf(const CalendarSource& source) const;

    // The next event from now, as the panel shows it.
    std::optional<Occurrence> nextEvent() const;
    // Sets the time cursor to the next event's start after the one shown; false when there is none in reach.
    bool moveToNextEvent();

Q_SIGNALS:
    // A source's problem or name changed (Settings shows them).
    void sourcesChanged();

private:
    void follow();
    void expand(const QString& sourceId);
    void expandAll();

    CalendarList& m_list;
    DisplayedTime& m_time;
    ModuleLoader m_loader;
    Agenda m_agenda;
    std::map<QString, std::unique_ptr<CalendarFeed>> m_feeds;
    QDate m_windowDay; // the day the window was laid around
    bool m_loaded = false;
    bool m_fetch = true;
    bool m_listing = false;
};
