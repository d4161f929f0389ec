#pragma once

#include <QObject>
#include <QString>

class AppSettings;
class CityDatabase;
class QWidget;

// "Export Cities…" and "Import Cities…": the tracked list to a file and
// back, through the desktop's file chooser (Qt's dialog without one). An
// import adds what is missing, asks before replacing what differs, and says
// what it added and what it skipped. Every message is a sheet over the
// window, never a nested event loop.
class CityListTransfer : public QObject {
    Q_OBJECT

public:
    CityListTransfer(AppSettings& settings, const CityDatabase& database, QWidget* window);

    void exportCities();
    void importCities();
    // Without a chooser: for a file dropped on the window, and for tests.
    void exportTo(const QString& path);
    void importFrom(const QString& path);

private:
    void tell(const QString& text, const QString& details = {}, bool warning = false);

    AppSettings& m_settings;
    const CityDatabase& m_database;
    QWidget* m_window;
};
