#include "Bundle.h"

#include <QCoreApplication>

namespace Bundle {

QString resourcesDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Resources");
}

QString resourcePath(const QString& name, const QString& extension)
{
    return resourcesDirectory() + QLatin1Char('/') + name + QLatin1Char('.') + extension;
}

} // namespace Bundle
