#pragma once

class QCoreApplication;

// SIGTERM, SIGINT and SIGHUP (a logout, `systemctl --user stop`, Ctrl+C in a
// terminal) end the application as its Quit command does: the event loop
// returns normally, so pending settings are written and background work is
// joined, and the exit status is 0. The signal handler only writes a byte
// to a pipe that the event loop reads; the mask of blocked signals stays as
// it is, so programs the application starts inherit none.
namespace TerminationSignals {

// Installs the handlers; call once, on the main thread, after the
// application object exists.
void quitOnTermination(QCoreApplication& application);

} // namespace TerminationSignals
