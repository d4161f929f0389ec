#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Reopens the application after this process has gone: a detached shell
// waits until the process id no longer exists, then starts the executable.
namespace Relauncher {

// Single-quotes a text for /bin/sh, so any character, the quote included, survives.
QString shellQuoted(const QString& text);

// "while kill -0 <pid> 2>/dev/null; do sleep 0.2; done; exec '<executable>'"
QString reopenCommand(qint64 processId, const QString& executablePath);

// Starts a program detached from this process (in its own session), so it
// outlives it. True when it started.
using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
bool startDetached(const QString& program, const QStringList& arguments);

// Runs /bin/sh -c with the reopen command through the launcher; a launch
// failure is ignored, since the application quits either way.
void relaunch(qint64 processId, const QString& executablePath, const Launcher& launcher = startDetached);

} // namespace Relauncher
