#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <unicode/locid.h>

#include <optional>

// The words a typed time may use in one language, English's always among
// them: "morgen 15 Uhr Tokyo", "demain 9h Paris", "明日 9時 東京". Day,
// month and day-period names and today/tomorrow/yesterday come from ICU's
// locale data; what ICU has no data for (hour words such as "Uhr" or "時",
// the small words that join a time to its place) from a table of our own,
// written from each language's grammar. Words are matched folded: case,
// accents and a closing period do not count ("Mañana", "manana", "Fr.").
class PhraseWords {
public:
    // The words of `language` (an ICU or BCP 47 name) and English's; cached.
    static const PhraseWords& of(const QString& language);

    // Folded for lookup: case folded, without accents, marks or a final period.
    static QString fold(const QString& word);
    // Digits of any script as ASCII, full-width colons and commas as ASCII,
    // so that "٩:٣٠" and "９：３０" read as 9:30.
    static QString normalized(const QString& text);

    int weekday(const QString& folded) const { return m_weekdays.value(folded); } // 1 Monday … 7; 0 none
    int month(const QString& folded) const { return m_months.value(folded); }     // 1 … 12; 0 none
    std::optional<int> relativeDay(const QString& folded) const;                  // -1, 0, 1
    std::optional<bool> dayPeriod(const QString& folded) const;                   // true for after noon
    bool isHourWord(const QString& folded) const { return m_hourWords.contains(folded); }
    bool isMinuteWord(const QString& folded) const { return m_minuteWords.contains(folded); }
    bool isLink(const QString& folded) const { return m_links.contains(folded); }
    // A link before a place: a preposition, never an article a name may begin with.
    bool isPlaceLink(const QString& folded) const { return m_placeLinks.contains(folded); }
    // Day-period words written before the number in the same word ("午前9時").
    const QStringList& dayPeriodPrefixes() const { return m_periodPrefixes; }
    // Hour words written after the number in the same word ("9時", "15h30").
    const QStringList& hourSuffixes() const { return m_hourWords; }
    // A link written onto the next word ("ב־9:00", Hebrew).
    const QStringList& linkPrefixes() const { return m_linkPrefixes; }

private:
    explicit PhraseWords(const icu::Locale& language);
    void addLanguage(const icu::Locale& language);

    QHash<QString, int> m_weekdays;
    QHash<QString, int> m_months;
    QHash<QString, int> m_relativeDays;
    QHash<QString, bool> m_dayPeriods;
    QStringList m_periodPrefixes;
    QStringList m_hourWords;
    QStringList m_minuteWords;
    QStringList m_links;
    QStringList m_placeLinks;
    QStringList m_linkPrefixes;
};
