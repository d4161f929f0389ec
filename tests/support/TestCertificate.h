#pragma once

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

// A self-signed certificate for 127.0.0.1, made fresh by the test.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;

    static TestCertificate make()
    {
        EVP_PKEY* pkey = EVP_EC_gen("P-256");
        X509* x509 = X509_new();
        X509_set_version(x509, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(x509), 1);
        X509_gmtime_adj(X509_getm_notBefore(x509), -60);
        X509_gmtime_adj(X509_getm_notAfter(x509), 3600);
        X509_set_pubkey(x509, pkey);
        X509_NAME* name = X509_get_subject_name(x509);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1,
                                   -1, 0);
        X509_set_issuer_name(x509, name);
        X509V3_CTX context;
        X509V3_set_ctx_nodb(&context);
        X509V3_set_ctx(&context, x509, x509, nullptr, nullptr, 0);
        for (const auto& [nid, value] :
             {std::pair{NID_subject_alt_name, "IP:127.0.0.1"}, std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
            X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
            X509_add_ext(x509, extension, -1);
            X509_EXTENSION_free(extension);
        }
        X509_sign(x509, pkey, EVP_sha256());

        BIO* certificateBio = BIO_new(BIO_s_mem());
        PEM_write_bio_X509(certificateBio, x509);
        BIO* keyBio = BIO_new(BIO_s_mem());
        PEM_write_bio_PrivateKey(keyBio, pkey, nullptr, nullptr, 0, nullptr, nullptr);
        char* data = nullptr;
        const long certificateLength = BIO_get_mem_data(certificateBio, &data);
        TestCertificate made;
        made.certificate = QSslCertificate(QByteArray(data, certificateLength));
        const long keyLength = BIO_get_mem_data(keyBio, &data);
        made.key = QSslKey(QByteArray(data, keyLength), QSsl::Ec);
        BIO_free(certificateBio);
        BIO_free(keyBio);
        X509_free(x509);
        EVP_PKEY_free(pkey);
        return made;
    }
};

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
