// Horavia's reader of the desktop's calendars, in a process of its own:
// Evolution Data Server's client library brings GLib's network, keyring and
// mail stacks (some 12 MB) that stay out of the clock's process, and a fault
// in them ends this process, not the clock. It takes commands on standard
// input and answers on standard output, one JSON object a line:
//   in:  {"list": true}, {"open": UID}, {"close": UID}
//   out: {"version": 1} first, then {"calendars": [{"uid", "name", "colour"}]},
//        {"uid", "ics"}, {"uid", "addresses": [...]}, {"uid", "problem", "detail"}
// It ends when its input does, that is when Horavia does.
#include "DesktopCalendars.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <csignal>
#include <map>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

class Bridge : public QObject {
public:
    // A command is a short line: anything longer is not Horavia talking.
    static constexpr qsizetype longestCommand = 64 * 1024;

    Bridge()
    {
        m_output.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
        connect(&m_input, &QSocketNotifier::activated, this, &Bridge::readInput);
        send({{QStringLiteral("version"), 1}});
    }

private:
    void readInput()
    {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            QCoreApplication::quit();
            return;
        }
        m_pending.append(chunk, got);
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            handle(QJsonDocument::fromJson(m_pending.left(end)).object());
            m_pending.remove(0, end + 1);
        }
        if (m_pending.size() > longestCommand) QCoreApplication::quit();
    }

    void handle(const QJsonObject& command)
    {
        if (command.value(QStringLiteral("list")).toBool() && !m_listing) {
            m_listing = true;
            DesktopCalendars::watch(this, [this](const QList<DesktopCalendars::Listed>& calendars) {
                QJsonArray listed;
                for (const auto& each : calendars)
                    listed.append(QJsonObject{{QStringLiteral("uid"), each.uid},
                                              {QStringLiteral("name"), each.name},
                                              {QStringLiteral("colour"), each.colour}});
                send({{QStringLiteral("calendars"), listed}});
            });
        }
        if (const QString uid = command.value(QStringLiteral("open")).toString();
            !uid.isEmpty() && !m_readers.count(uid))
            m_readers.emplace(uid, std::make_unique<DesktopReader>(uid, sink(uid)));
        if (const QString uid = command.value(QStringLiteral("close")).toString(); !uid.isEmpty()) m_readers.erase(uid);
    }

    DesktopReader::Sink sink(const QString& uid)
    {
        return {
            .read =
                [this, uid](const QByteArray& ics) {
                    send({{QStringLiteral("uid"), uid}, {QStringLiteral("ics"), QString::fromUtf8(ics)}});
                },
            .addresses =
                [this, uid](const QStringList& own) {
                    send(
                        {{QStringLiteral("uid"), uid}, {QStringLiteral("addresses"), QJsonArray::fromStringList(own)}});
                },
            .failed =
                [this, uid](DesktopReader::Problem problem, const QString& detail) {
                    static const char* const names[] = {"gone", "unopened", "unread"};
                    send({{QStringLiteral("uid"), uid},
                          {QStringLiteral("problem"), QString::fromLatin1(names[int(problem)])},
                          {QStringLiteral("detail"), detail}});
                },
        };
    }

    void send(const QJsonObject& message)
    {
        // Horavia gone: nothing left to answer.
        if (m_output.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n') < 0) QCoreApplication::quit();
    }

    QSocketNotifier m_input{STDIN_FILENO, QSocketNotifier::Read};
    QFile m_output;
    QByteArray m_pending;
    bool m_listing = false;
    std::map<QString, std::unique_ptr<DesktopReader>> m_readers;
};

} // namespace

int main(int argc, char** argv)
{
    // Never outlive Horavia, even one killed before it could close our input.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() == 1) return 0;
    QCoreApplication app(argc, argv);
    Bridge bridge;
    return app.exec();
}
