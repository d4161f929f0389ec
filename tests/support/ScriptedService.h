#pragma once

#include <QProcess>

// A desktop service the tests fake with one of the end-to-end runs' scripts,
// on the session bus: each line it prints ("ready" once it holds its name,
// then one per call it is made) is kept in `lines`.
class ScriptedService : public QProcess {
public:
    explicit ScriptedService(const QString& script)
    {
        connect(this, &QProcess::readyReadStandardOutput, this, [this] {
            while (canReadLine())
                lines.append(QString::fromUtf8(readLine()).trimmed());
        });
        start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(HORAVIA_SOURCE_DIR "/tests/e2e/") + script});
    }
    ~ScriptedService() override
    {
        kill();
        waitForFinished();
    }

    QStringList lines;
};
