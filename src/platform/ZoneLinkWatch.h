#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// Tells when the system's zone link (/etc/localtime) may point elsewhere:
// created, replaced, removed or renamed onto. Only events that name the
// link count, so the rest of its busy folder (a package manager writing a
// thousand files) costs a read of the events, never a look at the link;
// and a burst of them is one signal, a moment after it.
class ZoneLinkWatch : public QObject {
    Q_OBJECT

public:
    explicit ZoneLinkWatch(const QString& linkPath, QObject* parent = nullptr);
    ~ZoneLinkWatch() override;

    bool isWatching() const { return m_fd >= 0; }

signals:
    void changed();

private:
    void readEvents();

    QByteArray m_name; // the link's own name in its folder
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_settle = nullptr;
};
