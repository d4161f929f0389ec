#include "UiLanguage.h"

#include <QLocale>
#include <QRegularExpression>

namespace UiLanguage {

QStringList namesOf(const QStringList& tags)
{
    // A name becomes part of a file's name: nothing but letters.
    static const QRegularExpression pattern(QStringLiteral("^([a-z]{2,3})(?:-([A-Z]{2}))?$"));
    QStringList out;
    for (const QString& tag : tags) {
        const QRegularExpressionMatch match = pattern.match(tag);
        if (!match.hasMatch() || match.captured(1) == QLatin1String("und")) continue; // "und": no language
        const QString name =
            match.captured(2).isEmpty() ? match.captured(1) : match.captured(1) + QLatin1Char('_') + match.captured(2);
        if (!out.contains(name)) out.append(name);
    }
    return out;
}

QStringList wanted()
{
    // gettext's rule, which Qt's list does not keep: the first of these
    // that is set is the locale of messages, and "C" there turns
    // translations off, whatever LANGUAGE says.
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = qgetenv(variable); !locale.isEmpty()) break;
    if (locale.isEmpty() || locale == "C" || locale.startsWith("C.") || locale == "POSIX") return {};
    return namesOf(QLocale::system().uiLanguages());
}

} // namespace UiLanguage
