#include "CityListTransfer.h"

#include "catalogue/CityDatabase.h"
#include "platform/FileChooser.h"
#include "settings/AppSettings.h"
#include "settings/CityListFile.h"
#include "text/LocaleText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QWidget>
#include <QWindow>

namespace {

// In the dialogs' own filter box.
QString fileFilter()
{
    //: A file type in the Open and Save dialogs; keep (*.json)
    return CityListTransfer::tr("Horavia city lists (*.json)");
}

QString parentWindowOf(QWidget* window)
{
    // The portal places its dialog over ours where it can name it (X11).
    return QGuiApplication::platformName() == QLatin1String("xcb")
               ? QStringLiteral("x11:%1").arg(window->winId(), 0, 16)
               : QString();
}

// "Paris, Tokyo and 3 more", in the interface's words.
QString named(const QStringList& names, qsizetype shown = 8)
{
    QStringList items;
    for (const QString& name : names.mid(0, shown))
        items << LocaleText::isolated(name);
    if (names.size() > shown)
        //: The end of a list of names cut short: the number left out
        items << QCoreApplication::translate("CityListTransfer", "%n more", nullptr, int(names.size() - shown));
    return LocaleText::list(items, LocaleText::interfaceLocale());
}

} // namespace

CityListTransfer::CityListTransfer(AppSettings& settings, const CityDatabase& database, QWidget* window)
    : QObject(window)
    , m_settings(settings)
    , m_database(database)
    , m_window(window)
{
}

void CityListTransfer::exportCities()
{
    // In the user's words; a translation's slash would name a folder.
    const QString suggested =
        //: The default file name of an exported city list
        tr("Horavia Cities").replace(QLatin1Char('/'), QLatin1Char('-')) + QStringLiteral(".json");
    FileChooser::ask(
        FileChooser::Mode::save, tr("Export Cities"), suggested, parentWindowOf(m_window), this,
        [this](const QString& path) {
            if (!path.isEmpty()) exportTo(path);
        },
        [this, suggested] {
            const QString path = QFileDialog::getSaveFileName(m_window, tr("Export Cities"),
                                                              QDir::home().filePath(suggested), fileFilter());
            if (!path.isEmpty()) exportTo(path);
        });
}

void CityListTransfer::importCities()
{
    FileChooser::ask(
        FileChooser::Mode::open, tr("Import Cities"), {}, parentWindowOf(m_window), this,
        [this](const QString& path) {
            if (!path.isEmpty()) importFrom(path);
        },
        [this] {
            const QString path =
                QFileDialog::getOpenFileName(m_window, tr("Import Cities"), QDir::homePath(), fileFilter());
            if (!path.isEmpty()) importFrom(path);
        });
}

void CityListTransfer::exportTo(const QString& path)
{
    const QList<City> order = m_settings.trackedCities(QDateTime::currentDateTimeUtc(), m_database);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CityListFile::write(m_settings, order)) < 0 || !file.commit())
        tell(tr("The cities could not be exported."),
             QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), file.errorString()), true);
}

void CityListTransfer::importFrom(const QString& path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    // No more than a list can be is read: the file may be anything.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        tell(tr("“%1” could not be read.").arg(LocaleText::isolated(name)), file.errorString(), true);
        return;
    }
    const CityListFile::Read read = CityListFile::read(file.read(CityListFile::largestFile + 1), m_database);
    if (!read.error.isEmpty()) {
        tell(tr("“%1” could not be imported.").arg(LocaleText::isolated(name)), read.error, true);
        return;
    }
    const CityListFile::Changes changes = CityListFile::compare(read, m_settings);
    const auto finish = [this, read, changes, name](bool replace) {
        CityListFile::apply(read, m_settings, replace);
        QString text =
            //: %1 a file name
            tr("Added %n cities from “%1”.", nullptr, int(changes.added.size())).arg(LocaleText::isolated(name));
        if (changes.added.isEmpty())
            //: %1 a file name
            text = tr("Every city in “%1” is already in your list.").arg(LocaleText::isolated(name));
        tell(text, read.skipped.isEmpty()
                       ? QString()
                       //: %1 lists what was skipped and why
                       : tr("Skipped %n entries: %1.", nullptr, int(read.skipped.size())).arg(named(read.skipped)));
    };
    if (changes.differing.isEmpty()) return finish(false);
    QStringList names;
    for (const QString& id : changes.differing)
        if (const auto city = m_database.find(id)) names << city->name;
    auto* ask = new QMessageBox(QMessageBox::Question, tr("Import Cities"),
                                tr("Replace your labels, emoji and working hours with the file’s?"),
                                QMessageBox::NoButton, m_window);
    //: %1 lists the cities whose labels, emoji or hours differ
    ask->setInformativeText(tr("They differ for %1.").arg(named(names)));
    //: Button: take the imported file's labels, emoji and hours
    QPushButton* replace = ask->addButton(tr("Replace"), QMessageBox::AcceptRole);
    //: Button: keep the user's own labels, emoji and hours
    ask->addButton(tr("Keep Mine"), QMessageBox::RejectRole);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    connect(ask, &QMessageBox::finished, this, [ask, replace, finish] { finish(ask->clickedButton() == replace); });
    ask->open();
}

void CityListTransfer::tell(const QString& text, const QString& details, bool warning)
{
    auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                                //: Title of a message about the list of cities
                                warning ? tr("Cities") : tr("Import Cities"), text, QMessageBox::Ok, m_window);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
