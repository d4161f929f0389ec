#include "NetworkDownload.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace NetworkDownload {

using Download::Limits;
using Download::Result;

namespace {

constexpr int transferTimeoutMs = 60'000;

void get(QNetworkAccessManager& network, const QString& address, const Limits& limits, const QObject* context,
         const std::function<void(int, Result)>& done)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!isAcceptableAddress(url)) {
        done(0, UpdaterError::of(UpdaterError::Kind::badAddress));
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // The bytes as sent, so that Content-Length can be checked against them;
    // Qt would otherwise decompress, and pass a cut compressed body as whole.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = network.get(request);
    auto abandoned = std::make_shared<std::optional<UpdaterError::Kind>>();
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, reply,
        [reply, sizeLimit = limits.size, abandoned, kind = limits.tooLargeKind](qint64 received, qint64 total) {
            if (received > sizeLimit || total > sizeLimit) {
                *abandoned = kind;
                reply->abort();
            }
        });
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, abandoned] {
        *abandoned = UpdaterError::Kind::timedOut;
        reply->abort();
    });
    deadline->start(std::chrono::milliseconds(limits.deadlineMs));
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done, abandoned] {
        reply->deleteLater();
        if (*abandoned) {
            done(0, UpdaterError::of(**abandoned));
            return;
        }
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        // Any other status is judged by its number; its body is never used.
        if (status.isValid() && status.toInt() != 200) {
            done(status.toInt(), QByteArray());
            return;
        }
        const QByteArray body = reply->readAll();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        if (status.isValid() && !(encoding.isEmpty() || encoding == "identity")) {
            done(0, UpdaterError::of(UpdaterError::Kind::badResponse));
            return;
        }
        // Only a length, chunks or HTTP/2's own frames say where the body
        // ends; without them the close does, and a cut connection (or a TLS
        // peer gone without close_notify) looks just the same.
        const bool framed = length.isValid() || reply->rawHeader("Transfer-Encoding").toLower().contains("chunked") ||
                            reply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
        if (status.isValid() && (!framed || (length.isValid() && length.toLongLong() != body.size()))) {
            done(0, UpdaterError::of(UpdaterError::Kind::incomplete));
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            done(0, UpdaterError::platform(reply->errorString()));
            return;
        }
        if (!status.isValid()) {
            done(0, UpdaterError::of(UpdaterError::Kind::badResponse));
            return;
        }
        done(200, body);
    });
}

} // namespace

Download::Function through(QNetworkAccessManager& network)
{
    return [&network](const QString& address, const Limits& limits, const QObject* context,
                      std::function<void(int, Result)> done) { get(network, address, limits, context, done); };
}

bool isAcceptableAddress(const QUrl& url)
{
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    // Plain http only where nothing leaves the machine: the tests' own servers.
    const QHostAddress host(url.host());
    return url.scheme() == QLatin1String("http") &&
           (host.isLoopback() || url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0);
}

} // namespace NetworkDownload
