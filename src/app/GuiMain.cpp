#include "GuiMain.h"

#include "HoraviaApp.h"
#include "StartUp.h"
#include "base/Translations.h"
#include "platform/ActivationToken.h"
#include "platform/DesktopColorScheme.h"
#include "platform/LoginItem.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/UiLanguage.h"
#include "services/Services.h"
#include "text/LocaleText.h"
#include "ui/Accessibility.h"
#include "ui/Appearance.h"
#include "ui/platform/WindowClass.h"

#include <QApplication>
#include <QTimer>

int horaviaGuiMain(int argc, char** argv)
{
    StartUp::prepareBeforeApplication();
    QApplication application(argc, argv);
    // The tray item's title and id. No display name is set: Qt would append
    // it to every window's title ("Settings — Horavia").
    application.setApplicationName(QStringLiteral("Horavia"));
    // One id names the desktop entry, the icon, the X11 window class and the Wayland app id.
    application.setDesktopFileName(QStringLiteral("org.horavia.Horavia"));
    WindowClass::applyToAllWindows(application, QByteArrayLiteral("org.horavia.Horavia"));
    Accessibility::install();
    // The tray icon keeps the application alive; windows come and go.
    application.setQuitOnLastWindowClosed(false);

    // A logout or Ctrl+C quits as "Quit Horavia" does, saving what is pending.
    TerminationSignals::quitOnTermination(application);
    // horavia --toggle opens or closes the running copy's panel, or starts
    // with it open; the launch's token lets the panel take the focus.
    const bool toggle = application.arguments().contains(QStringLiteral("--toggle"));
    // An address to open ("horavia:?at=…") opens the panel at its time.
    const QString address = SingleInstance::addressIn(application.arguments());
    SingleInstance instance;
    if (!instance.claim(!address.isEmpty() ? SingleInstance::Request::open
                        : toggle           ? SingleInstance::Request::toggle
                                           : SingleInstance::Request::reopen,
                        ActivationToken::ofLaunch(), address))
        return 0; // the running copy was asked
    StartUp::prepareInBackground();
    Services::reserve();
    // The session's language for the words, Qt's own among them; the formats
    // of times and dates follow LC_TIME through ICU, apart from this.
    Translations::install(UiLanguage::wanted());
    // Arabic and Hebrew read right to left: the windows mirror with the
    // catalogue's language, not with Qt's own catalogue being there or not.
    application.setLayoutDirection(LocaleText::interfaceLocale().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);

    HoraviaApp horavia;
    // The windows follow the desktop's colours (the icon does not): the
    // scheme is asked for before the icon is made, so that its answer is in
    // before the first window paints. The bus's connection, begun beside
    // the main thread, is made or nearly so by then.
    DesktopColorScheme colorScheme;
    QObject::connect(&instance, &SingleInstance::reopenRequested, &horavia,
                     [&horavia] { horavia.presentMainWindow(); });
    QObject::connect(&instance, &SingleInstance::toggleRequested, &horavia, [&horavia](const QString& token) {
        ActivationToken::use(token);
        horavia.toggleClocks();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, &horavia,
                     [&horavia](const QString& opened, const QString& token) {
                         ActivationToken::use(token);
                         horavia.openLink(opened);
                     });
    // Only the autostart entry passes this; a user's own launch shows the window.
    const bool atLogin = application.arguments().contains(LoginItem::atLoginArgument);
    horavia.start(!address.isEmpty() ? HoraviaApp::StartReason::linked
                  : toggle           ? HoraviaApp::StartReason::toggled
                  : atLogin          ? HoraviaApp::StartReason::atLogin
                                     : HoraviaApp::StartReason::launched,
                  address);
    Appearance::follow(application, colorScheme);
    // Queued after the first window's making, which start() has queued.
    QTimer::singleShot(0, &colorScheme, [&colorScheme] { colorScheme.follow(); });
    return application.exec();
}
