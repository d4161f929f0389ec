#include "NameCollator.h"

#include <map>
#include <string>

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

const NameCollator& NameCollator::forLocale(const icu::Locale& locale)
{
    thread_local std::map<std::string, std::unique_ptr<NameCollator>> collators;
    std::unique_ptr<NameCollator>& collator = collators[locale.getName()];
    if (!collator) collator = std::make_unique<NameCollator>(locale);
    return *collator;
}

int NameCollator::compare(const QString& a, const QString& b) const
{
    if (!m_collator) return QString::compare(a, b, Qt::CaseInsensitive);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        m_collator->compare(reinterpret_cast<const UChar*>(a.utf16()), int32_t(a.size()),
                            reinterpret_cast<const UChar*>(b.utf16()), int32_t(b.size()), status);
    return int(result);
}
