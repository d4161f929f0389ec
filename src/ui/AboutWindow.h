#pragma once

#include "update/BundleInfo.h"

#include <QDialog>
#include <QList>
#include <QUrl>

#include <functional>
#include <optional>

class QLabel;

// "About Horavia": icon, name and version, where the data comes from and
// under which licences, the sources as rows that open their web pages, and
// the bundle's notice line. It keeps its title bar: a window without one
// cannot be moved or closed on most Linux desktops.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    struct Entry {
        QString name;
        QString tagline;
        QString address;
        QString icon; // a resource in :/about
    };

    explicit AboutWindow(const std::optional<BundleInfo>& info, QWidget* parent = nullptr);

    // "Version 1.2 (34)", or "Version 1.2" when the build number is the same;
    // "1.0" and "1" stand in for missing values.
    static QString versionLine(const std::optional<BundleInfo>& info);
    // The rows, as the build supplies them.
    static QList<Entry> entries();

    QLabel* version() const { return m_version; }
    QLabel* notice() const { return m_notice; }
    // How a row opens its page; the desktop's browser unless replaced.
    std::function<void(const QUrl&)> openUrl;

    // What a row does: its page, when the address is a web address.
    void open(const Entry& entry) const;

private:
    QLabel* m_version = nullptr;
    QLabel* m_notice = nullptr;
};
