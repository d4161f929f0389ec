#include "support/TestValues.h"

#include <QDirIterator>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The source folders form layers: a folder includes only from itself and
// from lower layers (siblings on one layer stay apart), and no folder below
// the widgets includes a Qt Widgets header, which the include paths alone
// would not stop.
namespace {

const QHash<QString, int> layers{{"platform", 0}, {"catalogue", 1}, {"settings", 2}, {"clock", 3}, {"map", 3},
                                 {"update", 3},   {"chooser", 4},   {"ui", 5},       {"app", 6}};
constexpr int widgetsLayer = 5;

QString folderOf(const QString& relativePath)
{
    return relativePath.section(QLatin1Char('/'), 0, 0);
}

bool offends(const QDir& sources, const QString& file, bool angled, const QString& target)
{
    const int layer = layers.value(folderOf(sources.relativeFilePath(file)));
    if (angled) {
        static const QDir widgets(QLibraryInfo::path(QLibraryInfo::HeadersPath) + "/QtWidgets");
        const QString header = target.startsWith("QtWidgets/") ? target.mid(10) : target;
        return layer < widgetsLayer && (target.startsWith("QtWidgets/") || widgets.exists(header));
    }
    // Beside the including file first, then from the source root.
    QString resolved = QFileInfo(file).dir().filePath(target);
    if (!QFileInfo::exists(resolved)) resolved = sources.filePath(target);
    const QString folder = folderOf(sources.relativeFilePath(QDir::cleanPath(resolved)));
    return folder != folderOf(sources.relativeFilePath(file)) && layers.contains(folder) &&
           layers.value(folder) >= layer;
}

// Every offending include under `root` (the src folder), as "file: include".
QStringList violations(const QString& root)
{
    static const QRegularExpression include("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]",
                                            QRegularExpression::MultilineOption);
    const QDir sources(root);
    QStringList found;
    QDirIterator files(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!layers.contains(folderOf(sources.relativeFilePath(path)))) continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {"unreadable: " + path};
        for (auto it = include.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
            const auto match = it.next();
            if (offends(sources, path, match.captured(1) == "<", match.captured(2)))
                found.append(sources.relativeFilePath(path) + ": " + match.captured(2));
        }
    }
    return found;
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT

private slots:
    void theSourcesKeepTheirLayers()
    {
        QVERIFY(QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::HeadersPath) + "/QtWidgets/QWidget"));
        const QStringList found = violations(HORAVIA_SOURCE_DIR "/src");
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    void offendersAreFound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("offends");
        const auto row = [](const char* name, const char* file, const char* line, bool offends) {
            QTest::newRow(name) << file << line << offends;
        };
        row("widget header below the widgets", "clock/A.cpp", "#include <QWidget>", true);
        row("module-qualified widget header", "map/A.h", "#include <QtWidgets/QLabel>", true);
        row("gui header in the core", "map/A.cpp", "#include <QPainterPath>", false);
        row("upward into the widgets", "settings/A.cpp", "#include \"ui/ClockRow.h\"", true);
        row("upward by a relative path", "clock/A.cpp", "#include \"../ui/ClockRow.h\"", true);
        row("catalogue reading settings", "catalogue/A.cpp", "#include \"settings/AppSettings.h\"", true);
        row("siblings stay apart", "map/A.cpp", "#include \"update/Updater.h\"", true);
        row("widgets into the shell", "ui/A.cpp", "#include \"app/HoraviaApp.h\"", true);
        row("downward is fine", "clock/A.cpp", "#include \"settings/AppSettings.h\"", false);
        row("the shell uses widgets", "app/A.cpp", "#include <QSystemTrayIcon>", false);
        row("widget-side platform file", "ui/platform/A.cpp", "#include \"platform/ActivationPolicy.h\"", false);
    }

    void offendersAreFound()
    {
        QFETCH(QString, file);
        QFETCH(QString, line);
        QFETCH(bool, offends);
        QTemporaryDir root;
        const QStringList files{"ui/ClockRow.h",    "settings/AppSettings.h",      "update/Updater.h",
                                "app/HoraviaApp.h", "platform/ActivationPolicy.h", file};
        for (const QString& name : files) {
            writeFile(root.filePath(name), name == file ? line.toUtf8() + "\n" : "#pragma once\n"_ba);
        }
        QCOMPARE(violations(root.path()).size(), offends ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "TestLayering.moc"
