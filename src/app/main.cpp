#include "HoraviaApp.h"
#include "platform/SingleInstance.h"
#include "ui/Appearance.h"
#include "ui/Symbols.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Horavia"));
    application.setApplicationDisplayName(QStringLiteral("Horavia"));
    application.setDesktopFileName(QStringLiteral("horavia"));
    application.setWindowIcon(Symbols::applicationIcon());
    // The tray icon keeps the application alive; windows come and go.
    application.setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.claim()) return 0; // the running copy was asked to show itself

    Appearance::apply(application);
    HoraviaApp horavia;
    QObject::connect(&instance, &SingleInstance::reopenRequested, &horavia,
                     [&horavia] { horavia.presentMainWindow(); });
    horavia.start();
    return application.exec();
}
