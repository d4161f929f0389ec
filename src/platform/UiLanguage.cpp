#include "UiLanguage.h"

#include <QRegularExpression>

#include <cstdlib>

namespace UiLanguage {
namespace {

// "de_DE.UTF-8@euro" → "de_DE"; none for "C", "POSIX" and anything that is
// no language name.
QString nameOf(const QByteArray& posix)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z]{2,3})(_[A-Z]{2})?(?:[.@].*)?$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(posix));
    return match.hasMatch() ? match.captured(1) + match.captured(2) : QString();
}

} // namespace

QStringList wanted(const Environment& environment)
{
    // gettext: the first of these that is set is the locale of messages; "C"
    // there turns translations off, whatever LANGUAGE says.
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = environment(variable); !locale.isEmpty()) break;
    if (locale.isEmpty() || locale == "C" || locale.startsWith("C.") || locale == "POSIX") return {};
    QList<QByteArray> names = environment("LANGUAGE").split(':');
    names.append(locale);
    QStringList out;
    for (const QByteArray& posix : std::as_const(names)) {
        const QString name = nameOf(posix);
        if (name.isEmpty()) continue;
        for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)})
            if (!out.contains(candidate)) out.append(candidate);
    }
    return out;
}

QStringList wanted()
{
    return wanted([](const char* name) { return qgetenv(name); });
}

} // namespace UiLanguage
