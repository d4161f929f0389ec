#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// The desktop's calendars, as Evolution Data Server keeps them (local ones,
// and those GNOME Online Accounts adds: Google, Microsoft, CalDAV). Only
// read, never written; no credential prompt is ever answered.
namespace DesktopCalendars {

struct Listed {
    QString uid;
    QString name;
    QString colour;
};

// Lists the enabled calendars through `listed`, now and at each change, for
// as long as `context` lives. While the service is not there yet (at login)
// nothing is listed, and the list comes once it appears.
void watch(QObject* context, std::function<void(const QList<Listed>&)> listed);

} // namespace DesktopCalendars

// One of the desktop's calendars: its events read whole from the service
// (each series with its moved occurrences, which its own range-wide
// expansion can miss), handed on as one calendar file, and read again when
// its view reports a change.
class DesktopReader : public QObject {
    Q_OBJECT

public:
    static constexpr int mostEvents = 20000;
    enum class Problem { gone, unopened, unread };
    struct Sink {
        std::function<void(const QByteArray& ics)> read;
        std::function<void(const QStringList& ownAddresses)> addresses;
        std::function<void(Problem, const QString& detail)> failed;
    };

    DesktopReader(const QString& uid, Sink sink);
    ~DesktopReader() override;

    struct Service;

private:
    void open();
    void readAll();

    QString m_uid;
    Sink m_sink;
    std::unique_ptr<Service> m_service;
    QTimer m_settle;
};
