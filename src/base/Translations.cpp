#include "Translations.h"

#include "platform/Bundle.h"
#include "text/LocaleText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {
namespace {

bool installCatalogue(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(name, folder)) return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

// The first of `wanted` with a catalogue `prefix`NAME.qm in `folder`,
// installed; none when English comes first (the source texts) or nothing
// is there.
QString installFirst(const QStringList& wanted, const QString& prefix, const QString& folder)
{
    for (const QString& name : wanted) {
        if (name == QLatin1String("en") || name.startsWith(QLatin1String("en_"))) return {};
        if (installCatalogue(prefix + name, folder)) return name;
    }
    return {};
}

} // namespace

QString install(const QStringList& wanted)
{
    return install(wanted, Bundle::resourcesDirectory() + QStringLiteral("/translations"));
}

QString install(const QStringList& wanted, const QString& folder)
{
    installFirst(wanted, QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString language = installFirst(wanted, QStringLiteral("horavia_"), folder);
    // English is the source, but its plural forms ("1 city", "2 cities") come
    // from a catalogue too.
    if (language.isEmpty()) installCatalogue(QStringLiteral("horavia_en"), QStringLiteral(":/i18n"));
    LocaleText::setInterfaceLocale(icu::Locale(language.isEmpty() ? "en" : language.toLatin1().constData()));
    return language;
}

} // namespace Translations
