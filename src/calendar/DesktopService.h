#pragma once

#include "agenda/CalendarList.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <functional>

class DesktopFeed;

// The desktop's calendars, read by Horavia's helper beside the executable
// (horavia-desktop-calendars): Evolution Data Server's client library and
// all it brings stay out of the clock's process. The helper runs while a
// desktop calendar is open or listed, is started again when it ends on its
// own, and is given up on, said in each calendar's trouble, when it keeps
// ending at once. Everything it says is checked as a stranger's would be.
class DesktopService : public QObject {
    Q_OBJECT

public:
    static constexpr int protocol = 1;
    // Twenty thousand events fit several times over.
    static constexpr qsizetype longestLine = 32 * 1024 * 1024;
    static constexpr int quickEndsGivenUpAfter = 3;

    explicit DesktopService(QString program);
    ~DesktopService() override;
    // The helper beside the running executable.
    static DesktopService& instance();

    void watch(QObject* context, std::function<void(const QList<CalendarSource>&)> listed);
    void open(DesktopFeed* feed);
    void close(DesktopFeed* feed);

    bool isRunning() const { return m_process != nullptr; }

private:
    struct Watcher {
        QPointer<QObject> context;
        std::function<void(const QList<CalendarSource>&)> listed;
    };

    bool wanted() const;
    void stopIfUnwanted();
    void start();
    void send(const QJsonObject& command);
    void readOutput();
    void handle(const QJsonObject& message);
    void ended(const QString& why);
    void failAll(const QString& why);

    QString m_program;
    QProcess* m_process = nullptr;
    QByteArray m_buffer;
    bool m_skipping = false;
    bool m_greeted = false;
    bool m_givenUp = false;
    QString m_whyGivenUp;
    int m_quickEnds = 0;
    QElapsedTimer m_started;
    QTimer m_restart;
    QList<DesktopFeed*> m_feeds;
    QList<Watcher> m_watchers;
};
