#include "Bundle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Bundle {

namespace {

QString executableDirectory()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
#if defined(Q_OS_LINUX)
    // What Qt reads too, before there is an application object to ask.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#else
    return QString();
#endif
}

} // namespace

QString resourcesDirectory()
{
    return executableDirectory() + QStringLiteral("/Resources");
}

QString resourcePath(const QString& name, const QString& extension)
{
    return resourcesDirectory() + QLatin1Char('/') + name + QLatin1Char('.') + extension;
}

} // namespace Bundle
