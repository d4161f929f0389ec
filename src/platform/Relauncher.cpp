#include "Relauncher.h"

#include <QProcess>

namespace Relauncher {

QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString reopenCommand(qint64 processId, const QString& executablePath)
{
    return QStringLiteral("while kill -0 %1 2>/dev/null; do sleep 0.2; done; exec %2")
        .arg(processId)
        .arg(shellQuoted(executablePath));
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void relaunch(qint64 processId, const QString& executablePath, const Launcher& launcher)
{
    launcher(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), reopenCommand(processId, executablePath)});
}

} // namespace Relauncher
