#pragma once

#include <QStringList>

// The language of the interface, as the session asks for it, apart from the
// formats of dates and times (LC_TIME, SystemLocale): Qt's list of the
// system's interface languages (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG),
// with gettext's rule that a locale of messages of "C" or "POSIX" turns
// translations off.
namespace UiLanguage {

// The languages wanted, best first, as catalogues are named ("pt_BR", "pt");
// empty for the source texts. Qt reads the environment once per process.
QStringList wanted();

// Qt's language tags as catalogue names: "pt-BR" is "pt_BR"; a tag with a
// script ("pt-Latn-BR") or anything that is no language name goes, and
// each name comes once.
QStringList namesOf(const QStringList& tags);

} // namespace UiLanguage
