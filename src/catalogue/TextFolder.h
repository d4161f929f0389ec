#pragma once

#include <QString>

#include <unicode/locid.h>

#include <cstdint>

// Case- and diacritic-insensitive folding: full Unicode case folding (Turkic
// rules for Turkish and Azerbaijani, where "I" folds to a dotless i), then
// canonical decomposition with every non-spacing mark removed, then
// recomposition. "Zürich" and "ZURICH" both fold to "zurich".
class TextFolder {
public:
    // The root locale: folding that does not depend on the user's language.
    TextFolder();
    explicit TextFolder(const icu::Locale& locale);

    QString fold(const QString& text) const;
    // Whether the Turkic rules for I apply.
    bool isTurkic() const { return m_turkic; }

private:
    QString foldSlowly(const QString& text) const;

    uint32_t m_caseOptions = 0;
    bool m_turkic = false;
};
