#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

// The language of the interface, as the session asks for it, apart from the
// formats of dates and times (LC_TIME, SystemLocale): LANGUAGE's list, then
// LC_ALL, LC_MESSAGES and LANG, as gettext reads them.
namespace UiLanguage {

using Environment = std::function<QByteArray(const char*)>;

// The languages wanted, best first, each followed by its language alone
// ("pt_BR", "pt"); empty for the source texts (no variable, "C" or "POSIX").
// Codesets and modifiers go ("de_DE.UTF-8@euro" is "de_DE").
QStringList wanted(const Environment& environment);
QStringList wanted(); // from the process's own environment

} // namespace UiLanguage
