#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QByteArray reopenMessage = QByteArrayLiteral("reopen\n");
constexpr int answerTimeoutMs = 1000;

QString defaultSocketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return QDir::tempPath() + QStringLiteral("/horavia-%1.socket").arg(::getuid());
    return folder + QStringLiteral("/horavia.socket");
}

} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPath.isEmpty() ? defaultSocketPath() : socketPath)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    {
        QLocalSocket other;
        other.connectToServer(m_socketPath);
        if (other.waitForConnected(answerTimeoutMs)) {
            other.write(reopenMessage);
            other.waitForBytesWritten(answerTimeoutMs);
            other.disconnectFromServer();
            return false;
        }
    }
    // Nobody answered: a socket file left by a copy that crashed is stale.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) return true; // run anyway; only the reopen request is lost
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(reopenMessage.trimmed())) emit reopenRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}
