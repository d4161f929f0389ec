#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A server on 127.0.0.1 that answers each path with exactly the bytes given,
// for responses no well-behaved server sends: a body shorter than announced,
// a compressed body that was not asked for, one byte every few seconds.
class RawHttpServer : public QObject {
public:
    struct Answer {
        QByteArray bytes;        // sent at once, then the connection is closed
        QByteArray trickle = {}; // or, when not empty, sent one byte per interval after `bytes`
        int intervalMs = 100;
    };

    RawHttpServer()
    {
        if (!m_server.listen(QHostAddress::LocalHost)) qFatal("test server cannot listen");
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    void route(const QByteArray& path, const Answer& answer) { m_answers.insert(path, answer); }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    QByteArray lastRequest;

private:
    void serve(QTcpSocket* socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            request->append(socket->readAll());
            if (!request->contains("\r\n\r\n")) return;
            lastRequest = *request;
            const Answer answer = m_answers.value(request->split(' ').value(1));
            socket->write(answer.bytes);
            if (answer.trickle.isEmpty()) {
                socket->disconnectFromHost();
                return;
            }
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket, rest = answer.trickle]() mutable {
                socket->write(rest.left(1));
                rest.remove(0, 1);
                if (rest.isEmpty()) socket->disconnectFromHost();
            });
            timer->start(answer.intervalMs);
        });
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
};
