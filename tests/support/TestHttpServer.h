#pragma once

#include <QHash>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

// A tiny HTTP/1.1 server on 127.0.0.1 for the tests: each path answers with
// a fixed status and body; every request is counted. With a certificate and
// key it speaks TLS instead.
class TestHttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
    };

    TestHttpServer()
        : TestHttpServer(QSslCertificate(), QSslKey())
    {
    }
    TestHttpServer(const QSslCertificate& certificate, const QSslKey& key)
    {
        if (!certificate.isNull()) {
            auto* tls = new QSslServer(this);
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.setLocalCertificate(certificate);
            configuration.setPrivateKey(key);
            tls->setSslConfiguration(configuration);
            m_server = tls;
            m_scheme = QStringLiteral("https");
        } else {
            m_server = new QTcpServer(this);
        }
        connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection())
                serve(socket);
        });
        if (!m_server->listen(QHostAddress::LocalHost)) qFatal("test server cannot listen");
    }

    void route(const QString& path, int status, const QByteArray& body = {}) { m_routes.insert(path, {status, body}); }
    QString url(const QString& path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(m_server->serverPort()).arg(path);
    }
    int requests(const QString& path) const { return m_counts.value(path); }

private:
    void serve(QTcpSocket* socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (!buffer->contains("\r\n\r\n")) return;
            const QList<QByteArray> requestLine = buffer->left(buffer->indexOf("\r\n")).split(' ');
            const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
            m_counts[path] += 1;
            const Response response = m_routes.value(path, {404, QByteArray("not found")});
            socket->write("HTTP/1.1 " + QByteArray::number(response.status) +
                          " Status\r\nContent-Type: "
                          "application/octet-stream\r\nContent-Length: " +
                          QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n" + response.body);
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer* m_server = nullptr;
    QString m_scheme = QStringLiteral("http");
    QHash<QString, Response> m_routes;
    QHash<QString, int> m_counts;
};
