#include "Agenda.h"

#include <algorithm>

void Agenda::setOccurrences(const QString& source, QList<Occurrence> occurrences)
{
    if (m_bySource.value(source) == occurrences) return;
    m_bySource.insert(source, std::move(occurrences));
    m_all.clear();
    for (const QList<Occurrence>& some : std::as_const(m_bySource))
        m_all.append(some);
    std::stable_sort(m_all.begin(), m_all.end(), startsBefore);
    emit changed();
}

void Agenda::removeSource(const QString& source)
{
    if (!m_bySource.contains(source)) return;
    setOccurrences(source, {});
    m_bySource.remove(source);
}

std::optional<Occurrence> Agenda::next(const QDateTime& after, bool withAllDay) const
{
    const auto found = std::find_if(m_all.begin(), m_all.end(),
                                    [&](const Occurrence& o) { return o.start >= after && (withAllDay || !o.allDay); });
    if (found == m_all.end()) return std::nullopt;
    return *found;
}

QList<Occurrence> Agenda::restOfDay(const QDateTime& at, const QTimeZone& zone) const
{
    const QDate day = at.toTimeZone(zone).date();
    QList<Occurrence> days;
    QList<Occurrence> timed;
    for (const Occurrence& o : m_all) {
        if (o.allDay) {
            if (o.firstDay <= day && day <= o.lastDay) days.append(o);
        } else if (o.end > at || (o.end == o.start && o.start >= at)) {
            if (o.start.toTimeZone(zone).date() == day || (o.start < at && o.end > at)) timed.append(o);
        }
    }
    return days + timed;
}

QList<Occurrence> Agenda::between(const QDateTime& from, const QDateTime& to) const
{
    QList<Occurrence> out;
    for (const Occurrence& o : m_all)
        if (!o.allDay && o.start < to && (o.end > from || (o.end == o.start && o.start >= from))) out.append(o);
    return out;
}
