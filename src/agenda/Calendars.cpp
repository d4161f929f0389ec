#include "Calendars.h"

#include "clock/DisplayedTime.h"

#include <QCoreApplication>

namespace {

constexpr int windowDays = 8; // the cursor's week, and a day for what started before it

} // namespace

Calendars::Calendars(CalendarList& list, DisplayedTime& time, ModuleLoader loader, bool fetch, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_time(time)
    , m_loader(std::move(loader))
    , m_fetch(fetch)
{

    // A new day moves the window; a new home zone moves floating times and days.
    connect(&m_time, &DisplayedTime::ticked, this, [this] {
        if (!m_feeds.empty() && m_time.now().toTimeZone(m_time.homeZone()).date() != m_windowDay) expandAll();
    });
}

void Calendars::load()
{
    if (m_loaded) return;
    m_loaded = true;
    connect(&m_list, &CalendarList::changed, this, &Calendars::follow);
    follow();
}

Calendars::~Calendars() = default;

void Calendars::follow()
{
    QStringList wanted;
    for (const CalendarSource& source : m_list.sources())
        if (source.enabled) wanted.append(source.id);
    for (auto it = m_feeds.begin(); it != m_feeds.end();) {
        if (wanted.contains(it->first)) {
            ++it;
            continue;
        }
        m_agenda.removeSource(it->first);
        it = m_feeds.erase(it);
    }
    const CalendarModule* module = wanted.isEmpty() ? nullptr : m_loader();
    for (const CalendarSource& source : m_list.sources()) {
        if (!source.enabled || m_feeds.count(source.id) || !module) continue;
        const QString id = source.id;
        // The feed calls back on this thread; the agenda follows at once.
        auto feed = module->open(
            source,
            [this, id] {
                expand(id);
                emit sourcesChanged();
            },
            m_fetch);
        if (!feed) continue;
        m_feeds.emplace(id, std::move(feed));
        expand(id);
    }
    emit sourcesChanged();
}

void Calendars::expand(const QString& sourceId)
{
    const auto found = m_feeds.find(sourceId);
    if (found == m_feeds.end()) return;
    const QTimeZone home = m_time.homeZone();
    m_windowDay = m_time.now().toTimeZone(home).date();
    const QDateTime from(m_windowDay.addDays(-windowDays), QTime(0, 0), home);
    const QDateTime to(m_windowDay.addDays(windowDays + 1), QTime(0, 0), home);
    QList<Occurrence> occurrences = found->second->occurrences(from, to, home);
    for (Occurrence& occurrence : occurrences)
        occurrence.calendar = sourceId;
    for (const CalendarSource& source : m_list.sources())
        if (source.id == sourceId)
            for (Occurrence& occurrence : occurrences)
                occurrence.colour = source.colour;
    m_agenda.setOccurrences(sourceId, std::move(occurrences));
}

void Calendars::expandAll()
{
    for (const auto& [id, feed] : m_feeds)
        expand(id);
}

void Calendars::listDesktopCalendars()
{
    if (m_listing) return;
    m_listing = true;
    if (const CalendarModule* module = m_loader())
        module->watchDesktopCalendars(
            this, [this](const QList<CalendarSource>& listed) { m_list.setDesktopCalendars(listed); });
}

QString Calendars::problem(const QString& sourceId) const
{
    const auto found = m_feeds.find(sourceId);
    return found == m_feeds.end() ? QString() : found->second->problem();
}

QString Calendars::nameOf(const CalendarSource& source) const
{
    if (!source.name.isEmpty()) return source.name;
    const auto found = m_feeds.find(source.id);
    if (found != m_feeds.end() && !found->second->name().isEmpty()) return found->second->name();
    return source.address.section(u'/', -1, -1, QString::SectionSkipEmpty);
}

std::optional<Occurrence> Calendars::nextEvent() const
{
    return m_agenda.next(m_time.now(), m_list.showsAllDay());
}

bool Calendars::moveToNextEvent()
{
    const QDateTime shown = m_time.instant();
    // Past the one shown: pressed again, it goes on to the one after.
    const auto next = m_agenda.next(shown.addSecs(1), m_list.showsAllDay());
    if (!next || next->start > m_time.now().addSecs(DisplayedTime::rangeSeconds)) return false;
    m_time.setInstant(next->start, next->title);
    return true;
}
