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
// "in 2 days", "2 hours ago"; `amount` negative for the past.
QString relative(double amount, URelativeDateTimeUnit unit, const icu::Locale& locale);
// "Tokyo", "Tokyo and Paris", "Tokyo, Sydney, and Paris".
QString list(const QStringList& items, const icu::Locale& locale);

} // namespace LocaleText
