#pragma once

#include <QString>

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>

// Orders names the way people expect in their language: case-insensitive and
// comparing runs of digits by value ("Zone 9" before "Zone 10").
class NameCollator {
public:
    explicit NameCollator(const icu::Locale& locale);
    ~NameCollator();

    // One per thread and locale, kept: building a collator loads its rules.
    static const NameCollator& forLocale(const icu::Locale& locale);

    // Negative, zero or positive as a sorts before, with, or after b.
    int compare(const QString& a, const QString& b) const;

private:
    std::unique_ptr<icu::Collator> m_collator;
};
