#include "Updater.h"

#include "base/Preferences.h"
#include "platform/ContinuousTimer.h"
#include "platform/Relauncher.h"
#include "update/BundleInfo.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace {

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
        //: Looking for an update
        return QCoreApplication::translate("Updater", "Checking…");
    case Kind::downloading:
        //: Downloading an update
        return QCoreApplication::translate("Updater", "Downloading…");
    case Kind::installing:
        //: Installing an update
        return QCoreApplication::translate("Updater", "Installing…");
    default:
        return {};
    }
}

UpdateHost UpdateHost::forApplication(std::function<void()> terminate)
{
    UpdateHost host;
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
    if (const QString reason = unavailableReason(); !reason.isEmpty()) {
        m_phase = Phase::failed(reason);
        return;
    }
    m_automaticChecks->start(firstCheckDelay);
}

QString Updater::unavailableReason() const
{
    if (!m_host.selfUpdating) return {};
    if (!m_host.ownedByUser) return UpdaterError::of(UpdaterError::Kind::notOwned).message();
    if (m_notesAddress.isEmpty()) return UpdaterError::of(UpdaterError::Kind::noAddress).message();
    return {};
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

void Updater::get(const QString& address, std::function<void(int, Fetched)> done, qint64 sizeLimit,
                  UpdaterError::Kind tooLargeKind, qint64 deadlineMs)
{
    if (!m_host.download) {
        done(0, UpdaterError::of(UpdaterError::Kind::badAddress));
        return;
    }
    m_host.download(address, Download::Limits{sizeLimit, tooLargeKind, deadlineMs}, this, std::move(done));
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
            if (!m_host.installPayload) {
                finishInstall(
                    notes, UpdaterError::platform(QCoreApplication::translate("Updater", "No installer is available.")),
                    bundle);
                return;
            }
            watcher->setFuture(QtConcurrent::run(m_host.installPayload, payload, bundle, m_host.pinnedTeam));
        },
        UpdaterError::payloadLimit, UpdaterError::Kind::payloadTooLarge, m_host.payloadDeadlineMs);
}

void Updater::finishInstall(const QString& notes, const std::optional<UpdaterError>& failure, const QString& bundle)
{
    if (failure && failure->kind == UpdaterError::Kind::alreadyInstalled) {
        // A copy installed by hand is offered its own release once; seen
        // now, it is not offered again at every launch.
        m_store.setObject(notes, UpdaterKeys::lastSeenNotes);
        m_store.synchronize();
        setPhase(Phase::upToDate());
        return;
    }
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
