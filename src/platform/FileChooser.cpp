#include "FileChooser.h"

#include "PortalRequest.h"

#include <QUrl>

namespace FileChooser {

void ask(Mode mode, const QString& title, const QString& suggestedName, const QString& parentWindow, QObject* context,
         std::function<void(const QString&)> done, std::function<void()> unavailable)
{
    QVariantMap options{{QStringLiteral("modal"), true}};
    if (mode == Mode::save) options.insert(QStringLiteral("current_name"), suggestedName);
    PortalRequest::send(
        QStringLiteral("org.freedesktop.portal.FileChooser"),
        mode == Mode::save ? QStringLiteral("SaveFile") : QStringLiteral("OpenFile"), {parentWindow, title}, options,
        context, [done = std::move(done), unavailable = std::move(unavailable)](uint code, const QVariantMap& results) {
            if (code == 2) return unavailable();
            const QStringList uris = results.value(QStringLiteral("uris")).toStringList();
            // Only a file here: the portal may offer other places.
            const QUrl chosen = uris.isEmpty() ? QUrl() : QUrl(uris.first());
            done(code == 0 && chosen.isLocalFile() ? chosen.toLocalFile() : QString());
        });
}

} // namespace FileChooser
