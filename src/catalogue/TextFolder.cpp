#include "TextFolder.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstring>

TextFolder::TextFolder()
    : TextFolder(icu::Locale::getRoot())
{
}

TextFolder::TextFolder(const icu::Locale& locale)
{
    const char* language = locale.getLanguage();
    m_turkic = std::strcmp(language, "tr") == 0 || std::strcmp(language, "az") == 0;
    m_caseOptions = m_turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT;
}

QString TextFolder::fold(const QString& text) const
{
    // Most catalogue texts are plain ASCII; for those folding is lower-casing,
    // except for the capital I under Turkic rules. This keeps loading the
    // catalogue fast without changing any result.
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || (m_turkic && u == u'I')) return foldSlowly(text);
        *out++ = (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
    }
    return folded;
}

QString TextFolder::foldSlowly(const QString& text) const
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return text;

    icu::UnicodeString source(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    source.foldCase(m_caseOptions);
    const icu::UnicodeString decomposed = nfd->normalize(source, status);

    icu::UnicodeString stripped;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        if (u_charType(c) != U_NON_SPACING_MARK) stripped.append(c);
        i += U16_LENGTH(c);
    }
    const icu::UnicodeString composed = nfc->normalize(stripped, status);
    if (U_FAILURE(status)) return text;
    return QString(reinterpret_cast<const QChar*>(composed.getBuffer()), composed.length());
}
