#include "Translations.h"

#include "Bundle.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {
namespace {

// The first of `wanted` with a catalogue `prefix`_NAME.qm in `folder`,
// installed; none when English comes first (the source texts) or nothing
// is there.
QString installFirst(const QStringList& wanted, const QString& prefix, const QString& folder)
{
    for (const QString& name : wanted) {
        if (name == QLatin1String("en") || name.startsWith(QLatin1String("en_"))) return {};
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!translator->load(prefix + name, folder)) continue;
        QCoreApplication::installTranslator(translator.release());
        return name;
    }
    return {};
}

} // namespace

QString install(const QStringList& wanted)
{
    if (wanted.isEmpty()) return {};
    // Qt's Arabic and Hebrew catalogues turn the layout right to left; the
    // rows, the strip and the panel draw themselves left to right still, so
    // the layout stays so until they mirror too.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    installFirst(wanted, QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installFirst(wanted, QStringLiteral("horavia_"),
                        Bundle::resourcesDirectory() + QStringLiteral("/translations"));
}

} // namespace Translations
