#include "NetworkDownload.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>
#include <QtConcurrent>

#include <atomic>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace NetworkDownload {

using Download::Limits;
using Download::Result;

namespace {

struct Outcome {
    int status = 0;
    Result result;
};

// What one transfer gathers on its thread.
struct Transfer {
    qint64 sizeLimit = 0;
    QByteArray body;
    QList<QByteArray> headers; // the last response's, after any redirect
    bool tooLarge = false;
    std::shared_ptr<std::atomic_bool> abandoned;
};

size_t takeBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const auto bytes = qsizetype(size * count);
    if (transfer->body.size() + bytes > transfer->sizeLimit) {
        transfer->tooLarge = true;
        return 0; // ends the transfer
    }
    transfer->body.append(data, bytes);
    return size_t(bytes);
}

size_t takeHeader(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const QByteArray line = QByteArray(data, qsizetype(size * count)).trimmed();
    if (line.startsWith("HTTP/"))
        transfer->headers.clear(); // a new response: a redirect's, or after 100 Continue
    else if (!line.isEmpty())
        transfer->headers.append(line);
    return size * count;
}

int stillWanted(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer*>(user)->abandoned->load() ? 1 : 0;
}

QByteArray header(const Transfer& transfer, const QByteArray& name)
{
    for (const QByteArray& line : transfer.headers) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

// The certificates Qt's configuration names (a test's, say), as PEM; none
// where it names none and leaves them to the system's store, as it does by
// default on Linux, which libcurl reads then too.
QByteArray trustedCertificates()
{
    QByteArray pem;
    for (const QSslCertificate& certificate : QSslConfiguration::defaultConfiguration().caCertificates())
        pem += certificate.toPem();
    return pem;
}

// The proxy Qt would take for `url` (the desktop's settings or the
// environment's); empty for none.
QByteArray proxyFor(const QUrl& url)
{
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : proxies) {
        const char* scheme = proxy.type() == QNetworkProxy::HttpProxy     ? "http"
                             : proxy.type() == QNetworkProxy::Socks5Proxy ? "socks5h"
                                                                          : nullptr;
        if (!scheme) continue;
        QUrl address;
        address.setScheme(QLatin1String(scheme));
        address.setHost(proxy.hostName());
        address.setPort(proxy.port());
        address.setUserName(proxy.user());
        address.setPassword(proxy.password());
        return address.toEncoded();
    }
    return {};
}

Outcome perform(const QUrl& url, const Limits& limits, const QByteArray& certificates, const QByteArray& proxy,
                const std::shared_ptr<std::atomic_bool>& abandoned)
{
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) return {0, UpdaterError::platform(QStringLiteral("libcurl"))};
    Transfer transfer;
    transfer.sizeLimit = limits.size;
    transfer.abandoned = abandoned;
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        // The bytes as sent, so that the length can be checked against them.
        curl_slist_append(nullptr, "Accept-Encoding: identity"), &curl_slist_free_all);
    const QByteArray address = url.toEncoded();
    const QByteArray agent =
        QCoreApplication::applicationName().toUtf8() + '/' + QCoreApplication::applicationVersion().toUtf8();
    char error[CURL_ERROR_SIZE] = {};
    curl_blob trusted{const_cast<char*>(certificates.constData()), size_t(certificates.size()), CURL_BLOB_NOCOPY};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirects as Qt's default allows them: never from https to http.
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR,
                     url.scheme() == QLatin1String("https") ? "https" : "http,https");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(limits.deadlineMs));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.size));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.constData());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &takeBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &takeHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &stillWanted);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    if (!certificates.isEmpty()) curl_easy_setopt(handle, CURLOPT_CAINFO_BLOB, &trusted);
    curl_easy_setopt(handle, CURLOPT_PROXY, proxy.constData()); // empty: none, whatever the environment says

    const CURLcode code = curl_easy_perform(handle);
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    char* landed = nullptr;
    curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &landed);
    if (landed && !isAcceptableAddress(QUrl(QString::fromUtf8(landed), QUrl::StrictMode)))
        return {0, UpdaterError::of(UpdaterError::Kind::badAddress)};
    if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) return {0, UpdaterError::of(limits.tooLargeKind)};
    if (code == CURLE_OPERATION_TIMEDOUT) return {0, UpdaterError::of(UpdaterError::Kind::timedOut)};
    // Fewer bytes than the length said, or chunks that never reached their end.
    if (code == CURLE_PARTIAL_FILE || (code == CURLE_RECV_ERROR && status == 200))
        return {0, UpdaterError::of(UpdaterError::Kind::incomplete)};
    if (code != CURLE_OK)
        return {0, UpdaterError::platform(QString::fromUtf8(*error ? error : curl_easy_strerror(code)))};
    // Any other status is judged by its number; its body is never used.
    if (status != 200) return {int(status), QByteArray()};
    const QByteArray encoding = header(transfer, "Content-Encoding").toLower();
    if (!(encoding.isEmpty() || encoding == "identity")) return {0, UpdaterError::of(UpdaterError::Kind::badResponse)};
    // Only a length, chunks or HTTP/2's own frames say where the body ends;
    // without them the close does, and a cut connection looks just the same.
    long version = 0;
    curl_easy_getinfo(handle, CURLINFO_HTTP_VERSION, &version);
    const bool framed = !header(transfer, "Content-Length").isEmpty() ||
                        header(transfer, "Transfer-Encoding").toLower().contains("chunked") ||
                        version == CURL_HTTP_VERSION_2_0 || version == CURL_HTTP_VERSION_3;
    if (!framed) return {0, UpdaterError::of(UpdaterError::Kind::incomplete)};
    return {200, transfer.body};
}

void get(const QString& address, const Limits& limits, const QObject* context,
         const std::function<void(int, Result)>& done)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!isAcceptableAddress(url)) {
        done(0, UpdaterError::of(UpdaterError::Kind::badAddress));
        return;
    }
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    // Its asker gone, the transfer stops at its next progress.
    auto abandoned = std::make_shared<std::atomic_bool>(false);
    auto* watcher = new QFutureWatcher<Outcome>();
    QObject::connect(context, &QObject::destroyed, watcher, [abandoned] { *abandoned = true; });
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done] {
        const Outcome outcome = watcher->result();
        done(outcome.status, outcome.result);
    });
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    watcher->setFuture(QtConcurrent::run(perform, url, limits, trustedCertificates(), proxyFor(url), abandoned));
}

} // namespace

Download::Function function()
{
    return &get;
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
