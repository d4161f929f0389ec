#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user: the first launch listens on a socket in the
// user's runtime folder; a later launch finds it, asks it to show itself,
// and should then exit.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // socketPath: empty for the default ($XDG_RUNTIME_DIR/horavia.socket, or
    // the temporary folder when there is no runtime folder).
    explicit SingleInstance(const QString& socketPath = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running copy; false when another
    // copy answered (and was asked to show itself).
    bool claim();

    QString socketPath() const { return m_socketPath; }

signals:
    // Another launch asked the running copy to show its main window.
    void reopenRequested();

private:
    QString m_socketPath;
    QLocalServer* m_server = nullptr;
};
