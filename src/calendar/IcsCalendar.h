#pragma once

#include "agenda/Occurrence.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <memory>
#include <optional>

// An iCalendar file's events (RFC 5545), read with libical and expanded
// into occurrences over a span of time. Zones come from the system's tz
// database through QTimeZone, as the clocks' do: a TZID that names a zone
// of it, or a Windows zone's name, is read with the system's rules; only
// an unknown TZID uses the file's own VTIMEZONE. A floating time is the
// home zone's wall time; a date is a date.
//
// libical's iterator gives the wall times a rule makes; the rest is done
// here, on top of it: each UID's overrides (RECURRENCE-ID) replace the
// occurrence they name, EXDATEs remove an occurrence by its instant, RDATEs
// add some, and cancelled events and declined invitations are left out.
// Bounds for hostile or broken files: the whole is refused past the first
// three, a series or the file stops yielding past the others.
struct IcsLimits {
    qsizetype bytes = 20 * 1024 * 1024;
    int components = 200000;
    int depth = 8;
    int stepsPerSeries = 20000;
    int occurrences = 20000;
};

class IcsCalendar {
public:
    // The calendar in `text`, or none with the reason in `error`.
    static std::optional<IcsCalendar> read(const QByteArray& text, QString* error = nullptr,
                                           const IcsLimits& limits = IcsLimits());

    // Every occurrence that overlaps [from, to), earliest first; `home` is
    // the zone of floating times and of the days of all-day events.
    QList<Occurrence> expand(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const;

    // The calendar's own name (X-WR-CALNAME), if it has one.
    QString name() const;
    // The user's addresses ("someone@example.org"): an invitation one of them
    // declined is left out. A calendar named by an address is that address's.
    void setOwnAddresses(const QStringList& addresses);
    int eventCount() const;

    struct Data;

private:
    explicit IcsCalendar(std::shared_ptr<const Data> data);
    std::shared_ptr<const Data> m_data;
    QStringList m_ownAddresses;
};
