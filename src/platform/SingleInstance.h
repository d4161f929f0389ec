#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One running copy per user: the first launch listens on a socket in a
// folder only the user can enter; a later launch finds it, asks it to show
// itself, and should then exit.
//
// The socket is outside input: another local user may plant files where we
// look, and any process of the user's may connect and hold a connection. So
// the folder and the socket must be the user's own, a peer must run as the
// user, a socket file is replaced only when the kernel says no one listens
// (ECONNREFUSED), and the running copy holds at most a few connections, each
// for at most one line or two seconds.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // socketPath: empty for the default, $XDG_RUNTIME_DIR/horavia.socket, or,
    // without a runtime folder, horavia.socket in a private folder made with
    // mkdtemp in the temporary folder (found again by its name and owner).
    explicit SingleInstance(const QString& socketPath = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // What a later launch asks of the running copy.
    // open: an address (a shared time) for the running copy to open.
    enum class Request { reopen, toggle, open };

    // True when this process is now the running copy; false when another
    // copy answered (and was given `request`, with the launch's activation
    // token and, for open, the address) or is there but busy.
    bool claim(Request request = Request::reopen, const QString& activationToken = QString(),
               const QString& address = QString());
    // Gives a running copy `request` and says whether one took it, without
    // ever becoming the running copy: for a launch that only asks.
    bool ask(Request request, const QString& activationToken = QString(), const QString& address = QString());

    // The first of a launch's arguments that is an address for Horavia
    // ("horavia:…", as the desktop entry passes one), else empty.
    static QString addressIn(const QStringList& arguments);

    // Empty until claim() chose one when the default was asked for.
    QString socketPath() const { return m_socketPath; }

    static constexpr int maxConnections = 8;
    static constexpr int connectionTimeoutMs = 2000;

signals:
    // Another launch asked the running copy to show its main window.
    void reopenRequested();
    // Another launch (horavia --toggle) asked to open or close the panel;
    // the token is usable (ActivationToken) or empty.
    void toggleRequested(const QString& activationToken);
    // Another launch was given an address to open. It comes as the peer
    // wrote it, printable ASCII without spaces, and is not read here: it
    // may be anything, and the receiver decides what it means.
    void openRequested(const QString& address, const QString& activationToken);

private:
    enum class Answer { none, reopened, busy };
    Answer askRunningCopy(const QString& path, const QByteArray& line);
    bool askRunningCopies(Request request, const QString& activationToken, const QString& address);
    void listen(const QString& path);
    void accept(int fd);
    void take(const QByteArray& line);

    QString m_socketPath;
    QString m_privateFolder; // made by this copy; removed when it ends
    int m_listening = -1;    // the socket this copy listens on
    int m_connections = 0;
    bool m_inPrivateFolder = false; // no runtime folder: one made in the temporary folder
};
