#pragma once

#include <QHash>
#include <QHttpServer>
#include <QSslCertificate>
#include <QSslKey>

// An HTTP server on 127.0.0.1 for the tests: each path answers with a fixed
// status and body, any other with 404; every request is counted. With a
// certificate and key it speaks TLS instead.
class TestHttpServer {
public:
    explicit TestHttpServer(const QSslCertificate& certificate = QSslCertificate(), const QSslKey& key = QSslKey())
    {
        if (!certificate.isNull()) m_server.sslSetup(certificate, key);
        m_scheme = certificate.isNull() ? QStringLiteral("http") : QStringLiteral("https");
        m_server.route(QStringLiteral("/<arg>"), [this](const QString& name) {
            const QString path = QLatin1Char('/') + name;
            m_counts[path] += 1;
            const auto [status, body] = m_routes.value(path, {404, QByteArray()});
            return QHttpServerResponse("application/octet-stream", body, QHttpServerResponse::StatusCode(status));
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
        if (m_port == 0) qFatal("test server cannot listen");
    }

    void route(const QString& path, int status, const QByteArray& body = {}) { m_routes.insert(path, {status, body}); }
    QString url(const QString& path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(m_port).arg(path);
    }
    int requests(const QString& path) const { return m_counts.value(path); }

private:
    QHttpServer m_server;
    QString m_scheme;
    quint16 m_port = 0;
    QHash<QString, std::pair<int, QByteArray>> m_routes;
    QHash<QString, int> m_counts;
};
