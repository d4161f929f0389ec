#pragma once

#include <QString>
#include <QStringList>

#include <unicode/locid.h>
#include <unicode/reldatefmt.h>

// Amounts, distances in time and lists in a locale's own words and plural
// forms, from ICU's formatters: nothing here is put together by hand.
namespace LocaleText {

// "1 hour", "2 hours", "30 minutes", "1 hour, 30 minutes".
QString duration(int minutes, const icu::Locale& locale);
// A difference of offsets: "+5h", "-3h 30m", "+45m"; empty for none.
QString offset(int seconds, const icu::Locale& locale);
// "in 2 days", "2 hours ago"; `amount` negative for the past.
QString relative(double amount, URelativeDateTimeUnit unit, const icu::Locale& locale);
// "tomorrow", "yesterday", "today" (-1, 0, 1; ICU has no other) in the
// capitalization of where it stands: "Morgen" heading a column, "morgen"
// after a time, where the capital would read "morning".
QString relativeDay(int days, UDisplayContext capitalization, const icu::Locale& locale);
// "Tokyo", "Tokyo and Paris", "Tokyo, Sydney, and Paris".
QString list(const QStringList& items, const icu::Locale& locale);

// The locale of the interface's words, which may differ from the formats'
// (LC_TIME): the language the catalogues came in, set once at start; ICU's
// default until then.
const icu::Locale& interfaceLocale();
void setInterfaceLocale(const icu::Locale& locale);

// `text` (a name, a time) set apart from the sentence it is put into, so
// that a right-to-left sentence keeps a left-to-right name whole and in
// place (and the other way round). Isolates only in a right-to-left
// interface: elsewhere the marks have nothing to do, and stored or copied
// text stays as it was.
QString isolated(const QString& text);

// `text` with each unpaired surrogate (which JSON's "\ud800" and other
// outside text can carry, and which no font, file or bus can hold as a
// character) replaced by U+FFFD, the replacement character.
QString wellFormed(const QString& text);

} // namespace LocaleText
