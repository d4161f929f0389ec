#include "NameCollator.h"

NameCollator::NameCollator(const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator.reset(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status)) {
        m_collator.reset();
        return;
    }
    m_collator->setStrength(icu::Collator::SECONDARY);
    m_collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
}

NameCollator::~NameCollator() = default;

int NameCollator::compare(const QString& a, const QString& b) const
{
    if (!m_collator) return QString::compare(a, b, Qt::CaseInsensitive);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        m_collator->compare(reinterpret_cast<const UChar*>(a.utf16()), int32_t(a.size()),
                            reinterpret_cast<const UChar*>(b.utf16()), int32_t(b.size()), status);
    return int(result);
}
