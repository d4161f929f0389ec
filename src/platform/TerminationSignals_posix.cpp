#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace TerminationSignals {

namespace {

int writeEnd = -1;

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // Full or not, one byte waiting is enough to quit.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

void quitOnTermination(QCoreApplication& application)
{
    if (writeEnd >= 0) return;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    writeEnd = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [readEnd = ends[0], notifier] {
        char bytes[16];
        while (::read(readEnd, bytes, sizeof bytes) > 0) {
        }
        notifier->setEnabled(false); // a second signal while quitting changes nothing
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        // One that whoever started us chose to ignore (nohup, a background
        // job's SIGINT) stays ignored.
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace TerminationSignals
