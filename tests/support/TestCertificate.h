#pragma once

#include "TestValues.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>

// A self-signed certificate for 127.0.0.1, valid until 2126, and its key.
inline QSslCertificate testCertificate()
{
    return QSslCertificate(readFile(QStringLiteral(HORAVIA_TEST_DATA "/tls-certificate.pem")));
}

inline QSslKey testCertificateKey()
{
    return QSslKey(readFile(QStringLiteral(HORAVIA_TEST_DATA "/tls-key.pem")), QSsl::Ec);
}

// A network manager that trusts one extra certificate, for its own requests only.
class TrustingNetworkAccessManager : public QNetworkAccessManager {
public:
    explicit TrustingNetworkAccessManager(const QSslCertificate& trusted)
        : m_trusted(trusted)
    {
    }

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request, QIODevice* data) override
    {
        QNetworkRequest trusting(request);
        QSslConfiguration configuration = trusting.sslConfiguration();
        configuration.addCaCertificate(m_trusted);
        trusting.setSslConfiguration(configuration);
        return QNetworkAccessManager::createRequest(operation, trusting, data);
    }

private:
    QSslCertificate m_trusted;
};
