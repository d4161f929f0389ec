#include "Updater.h"

#include "InstallPipeline.h"
#include "platform/BundleInfo.h"
#include "platform/ContinuousTimer.h"
#include "platform/Preferences.h"
#include "platform/Relauncher.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QtConcurrent>

namespace {

constexpr int transferTimeoutMs = 60'000;

QString decodeNotes(const QByteArray& body)
{
    // Invalid UTF-8 becomes U+FFFD; the text is never rejected.
    return QString::fromUtf8(body).trimmed();
}

} // namespace

QString Updater::Phase::progressText() const
{
    switch (kind) {
    case Kind::checking:
        return QStringLiteral("Checking…");
    case Kind::downloading:
        return QStringLiteral("Downloading…");
    case Kind::installing:
        return QStringLiteral("Installing…");
    default:
        return {};
    }
}

UpdateHost UpdateHost::forApplication(QNetworkAccessManager* network, std::function<void()> terminate)
{
    UpdateHost host;
    host.network = network;
    host.bundlePath = &BundleInfo::runningBundlePath;
    host.processId = &QCoreApplication::applicationPid;
    host.terminate = std::move(terminate);
    host.startDetached = &Relauncher::startDetached;
    host.makeTimer = [] { return ContinuousTimer::create(); };
    host.ownedByUser = BundleInfo::isOwnedByUser(host.bundlePath());
    return host;
}

Updater::Updater(Preferences& store, const QString& notesAddress, const QString& payloadAddress, UpdateHost host,
                 QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_notesAddress(notesAddress)
    , m_payloadAddress(payloadAddress)
    , m_host(std::move(host))
{
    m_checksAutomatically = m_store.boolean(UpdaterKeys::checksAutomatically).value_or(true);
    m_automaticChecks = m_host.makeTimer();
    connect(m_automaticChecks.get(), &ContinuousTimer::fired, this, &Updater::runAutomaticCycle);
    if (!m_host.selfUpdating) return;
    if (!m_host.ownedByUser) {
        m_phase = Phase::failed(UpdaterError::of(UpdaterError::Kind::notOwned).message());
        return;
    }
    m_automaticChecks->start(firstCheckDelay);
}

// The schedule's timer goes with the updater; a reply still in flight is
// owned by the network manager and finds no receiver.
Updater::~Updater() = default;

void Updater::setPhase(const Phase& phase)
{
    if (phase == m_phase) return;
    m_phase = phase;
    emit phaseChanged();
}

void Updater::setChecksAutomatically(bool checks)
{
    const bool changed = checks != m_checksAutomatically;
    m_checksAutomatically = checks;
    m_store.setObject(checks, UpdaterKeys::checksAutomatically);
    m_store.synchronize();
    if (changed) emit checksAutomaticallyChanged();
}

bool Updater::isAcceptableAddress(const QUrl& url)
{
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    // Plain http only where nothing leaves the machine: the tests' own servers.
    const QHostAddress host(url.host());
    return url.scheme() == QLatin1String("http") &&
           (host.isLoopback() || url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0);
}

void Updater::get(const QString& address, std::function<void(int, Fetched)> done, qint64 sizeLimit,
                  UpdaterError::Kind tooLargeKind, qint64 deadlineMs)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!isAcceptableAddress(url) || !m_host.network) {
        done(0, UpdaterError::of(UpdaterError::Kind::badAddress));
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // The bytes as sent, so that Content-Length can be checked against them;
    // Qt would otherwise decompress, and pass a cut compressed body as whole.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = m_host.network->get(request);
    auto abandoned = std::make_shared<std::optional<UpdaterError::Kind>>();
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, sizeLimit, abandoned, tooLargeKind](qint64 received, qint64 total) {
                if (received > sizeLimit || total > sizeLimit) {
                    *abandoned = tooLargeKind;
                    reply->abort();
                }
            });
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, abandoned] {
        *abandoned = UpdaterError::Kind::timedOut;
        reply->abort();
    });
    deadline->start(std::chrono::milliseconds(deadlineMs));
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done), abandoned] {
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
        if (status.isValid() && length.isValid() && length.toLongLong() != body.size()) {
            done(0, UpdaterError::of(UpdaterError::Kind::incomplete));
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            done(0, UpdaterError::platform(reply->errorString()));
            return;
        }
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        if (!status.isValid() || !(encoding.isEmpty() || encoding == "identity")) {
            done(0, UpdaterError::of(UpdaterError::Kind::badResponse));
            return;
        }
        done(200, body);
    });
}

void Updater::check(bool userInitiated)
{
    if (m_phase.isBusy() || !canReplaceItself()) return;
    const bool launchedBefore = m_store.boolean(UpdaterKeys::hasLaunchedBefore).value_or(false);
    m_store.setObject(true, UpdaterKeys::hasLaunchedBefore);
    if (!launchedBefore && !userInitiated) {
        // The first automatic check of a fresh installation stays quiet.
        setPhase(Phase::idle());
        emit checkFinished();
        return;
    }
    setPhase(Phase::checking());
    get(
        m_notesAddress,
        [this, userInitiated](int status, const Fetched& result) { finishCheck(userInitiated, result, status); },
        UpdaterError::notesLimit, UpdaterError::Kind::notesTooLarge, m_host.notesDeadlineMs);
}

void Updater::finishCheck(bool userInitiated, const Fetched& result, int status)
{
    const Phase quiet = userInitiated ? Phase::upToDate() : Phase::idle();
    std::optional<UpdaterError> failure;
    QString notes;
    if (const auto* error = std::get_if<UpdaterError>(&result))
        failure = *error;
    else if (status == 200)
        notes = decodeNotes(std::get<QByteArray>(result));
    else if (status != 404) // nothing published is not a failure
        failure = UpdaterError::http(status);

    if (failure)
        setPhase(userInitiated ? Phase::failed(failure->message()) : Phase::idle());
    else if (notes.isEmpty())
        setPhase(quiet);
    else {
        const std::optional<QString> lastSeen = m_store.string(UpdaterKeys::lastSeenNotes);
        // Canonically equivalent texts (composed or decomposed accents) are the same notes.
        const bool seen = lastSeen && lastSeen->normalized(QString::NormalizationForm_C) ==
                                          notes.normalized(QString::NormalizationForm_C);
        setPhase(seen ? quiet : Phase::available(notes));
    }
    emit checkFinished();
}

void Updater::install()
{
    if (m_phase.kind != Phase::Kind::available || !canReplaceItself()) return;
    const QString notes = m_phase.text;
    setPhase(Phase::downloading());
    get(
        m_payloadAddress,
        [this, notes](int status, const Fetched& result) {
            if (const auto* error = std::get_if<UpdaterError>(&result)) {
                setPhase(Phase::failed(error->message()));
                return;
            }
            if (status != 200) {
                setPhase(Phase::failed(UpdaterError::http(status).message()));
                return;
            }
            const QByteArray payload = std::get<QByteArray>(result);
            if (payload.isEmpty()) {
                setPhase(Phase::failed(UpdaterError::of(UpdaterError::Kind::emptyPayload).message()));
                return;
            }
            setPhase(Phase::installing());
            const QString bundle = m_host.bundlePath();
            auto* watcher = new QFutureWatcher<std::optional<UpdaterError>>(this);
            connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, notes, bundle] {
                watcher->deleteLater();
                finishInstall(notes, watcher->result(), bundle);
            });
            watcher->setFuture(QtConcurrent::run(&InstallPipeline::installPayload, payload, bundle, m_host.pinnedTeam));
        },
        UpdaterError::payloadLimit, UpdaterError::Kind::payloadTooLarge, m_host.payloadDeadlineMs);
}

void Updater::finishInstall(const QString& notes, const std::optional<UpdaterError>& failure, const QString& bundle)
{
    if (failure) {
        setPhase(Phase::failed(failure->message()));
        return;
    }
    // Past the swap nothing can fail: record, reopen, quit.
    m_store.setObject(notes, UpdaterKeys::lastSeenNotes);
    m_store.synchronize();
    const std::optional<BundleInfo> info = BundleInfo::read(bundle);
    const QString executable = info && !info->executable.isEmpty() ? info->executablePath(bundle)
                                                                   : bundle + QStringLiteral("/Contents/Horavia");
    Relauncher::relaunch(m_host.processId(), executable, m_host.startDetached);
    if (m_host.terminate) m_host.terminate();
}

void Updater::runAutomaticCycle()
{
    // Switched off: the cycle is skipped, and the schedule goes on.
    if (!m_checksAutomatically || m_phase.isBusy()) {
        m_automaticChecks->start(checkInterval);
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(this, &Updater::checkFinished, this, [this, connection] {
        disconnect(*connection);
        m_automaticChecks->start(checkInterval);
    });
    check(false);
}

#include "moc_Updater.cpp"
