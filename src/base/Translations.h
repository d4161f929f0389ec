#pragma once

#include <QStringList>

// The interface's texts in the session's language (UiLanguage): Qt's own
// (standard buttons, a text field's menu) from Qt's shipped catalogues, and
// Horavia's from the bundle's Resources/translations. English is the source;
// its catalogue, built in, holds only the plural forms. The interface's locale
// (LocaleText::interfaceLocale) follows the language loaded.
namespace Translations {

// Installs the catalogues of the first wanted language that has one, Qt's
// and Horavia's each on its own; says which language Horavia's came in
// (empty: the source texts). Needs the application object.
QString install(const QStringList& wanted);
// The same from another folder of Horavia's catalogues (a build's bundle).
QString install(const QStringList& wanted, const QString& folder);

} // namespace Translations
