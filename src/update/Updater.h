#pragma once

#include "Download.h"
#include "UpdaterError.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

class ContinuousTimer;
class Preferences;

// Preference keys of the updater; part of the on-disk format.
namespace UpdaterKeys {
inline const QString checksAutomatically = QStringLiteral("checksForUpdatesAutomatically");
inline const QString hasLaunchedBefore = QStringLiteral("hasLaunchedBeforeForUpdates");
inline const QString lastSeenNotes = QStringLiteral("lastSeenUpdateNotes");
} // namespace UpdaterKeys

// What the updater needs from the running application, injectable for tests.
struct UpdateHost {
    Download::Function download; // none: every request fails
    // Unpacks, verifies and swaps in a payload, off the main thread (see InstallPipeline).
    std::function<std::optional<UpdaterError>(const QByteArray& payload, const QString& bundlePath,
                                              const QString& pinnedTeam)>
        installPayload;
    std::function<QString()> bundlePath;                                   // the running bundle
    std::function<qint64()> processId;                                     // this process
    std::function<void()> terminate;                                       // quit the application
    std::function<bool(const QString&, const QStringList&)> startDetached; // the reopen command
    std::function<std::unique_ptr<ContinuousTimer>()> makeTimer;           // the automatic schedule
    QString pinnedTeam; // the team releases must be signed by; empty: the running copy's
    // Each request is aborted after its deadline, however slowly bytes still
    // arrive: the notes' own, and the payload's, long enough for the largest
    // payload at a slow but working rate.
    int notesDeadlineMs = 60'000;
    qint64 payloadDeadlineMs = 60'000 + UpdaterError::payloadLimit / (256 << 10) * 1000;
    // False when the running copy belongs to another user: replacing it is
    // not this user's to do, so no request is ever made.
    bool ownedByUser = true;
    // False in a copy a package manager installed and replaces: no check is
    // ever scheduled or made.
    bool selfUpdating = true;

    // The real thing, for the running application.
    // Its transfers and installs come from where the application keeps them.
    static UpdateHost forApplication(std::function<void()> terminate);
};

// Finds out whether a newer release exists (its notes text differs from the
// notes of the last release installed here) and installs it. Checks run 3 s
// after launch and then 6 hours after each finished check, on a timer that
// counts through suspend. Lives on the main thread.
class Updater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool checksAutomatically READ checksAutomatically WRITE setChecksAutomatically NOTIFY
                   checksAutomaticallyChanged)

public:
    struct Phase {
        enum class Kind { idle, checking, upToDate, available, downloading, installing, failed };
        Kind kind = Kind::idle;
        QString text; // the notes when available, the message when failed

        static Phase idle() { return {Kind::idle, {}}; }
        static Phase checking() { return {Kind::checking, {}}; }
        static Phase upToDate() { return {Kind::upToDate, {}}; }
        static Phase available(const QString& notes) { return {Kind::available, notes}; }
        static Phase downloading() { return {Kind::downloading, {}}; }
        static Phase installing() { return {Kind::installing, {}}; }
        static Phase failed(const QString& message) { return {Kind::failed, message}; }

        bool isBusy() const { return kind == Kind::checking || kind == Kind::downloading || kind == Kind::installing; }
        // "Checking…", "Downloading…" or "Installing…" while busy; empty otherwise.
        QString progressText() const;
        friend bool operator==(const Phase&, const Phase&) = default;
    };

    static constexpr double firstCheckDelay = 3;   // seconds after launch
    static constexpr double checkInterval = 21600; // seconds after each finished check

    // Addresses must be https (or http on a loopback address); anything else
    // makes every check fail with "The update address isn't valid.".
    Updater(Preferences& store, const QString& notesAddress, const QString& payloadAddress, UpdateHost host,
            QObject* parent = nullptr);
    ~Updater() override;

    Phase phase() const { return m_phase; }
    // The "Later" of the update window: an offered update goes back to idle.
    void setPhase(const Phase& phase);

    bool checksAutomatically() const { return m_checksAutomatically; }
    bool selfUpdating() const { return m_host.selfUpdating; }
    // Why this copy can't update itself, for the controls to say: it belongs
    // to another user, or was built with no address to update from. Empty
    // when it can, and for a packaged copy, whose controls are hidden.
    QString unavailableReason() const;
    // False for such a copy: it never checks.
    bool canReplaceItself() const { return m_host.selfUpdating && unavailableReason().isEmpty(); }
    void setChecksAutomatically(bool checks);

    // Fetches the notes; the outcome is the new phase. Does nothing while a
    // check or an install runs.
    void check(bool userInitiated);
    // Downloads, verifies and swaps in the offered release, then relaunches
    // and quits. Does nothing unless an update is available.
    void install();

signals:
    void phaseChanged();
    void checksAutomaticallyChanged();
    // Every check ends with this, whatever its outcome.
    void checkFinished();

private:
    using Fetched = Download::Result;
    // Fetches `address`; a body over `sizeLimit` bytes is abandoned and fails
    // as `tooLargeKind`, a transfer past `deadlineMs` fails as timed out.
    void get(const QString& address, std::function<void(int status, Fetched)> done, qint64 sizeLimit,
             UpdaterError::Kind tooLargeKind, qint64 deadlineMs);
    void finishCheck(bool userInitiated, const Fetched& result, int status);
    void finishInstall(const QString& notes, const std::optional<UpdaterError>& failure, const QString& bundle);
    void runAutomaticCycle();

    Preferences& m_store;
    QString m_notesAddress;
    QString m_payloadAddress;
    UpdateHost m_host;
    Phase m_phase;
    bool m_checksAutomatically = true;
    std::unique_ptr<ContinuousTimer> m_automaticChecks;
};
