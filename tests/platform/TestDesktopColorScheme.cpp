#include "../support/DataTable.h"
#include "platform/DesktopColorScheme.h"

#include <QDBusVariant>
#include <QTest>

using namespace Qt::StringLiterals;
using Preference = DesktopColorScheme::Preference;

// What the portal may send, and what the application makes of it beside the
// GTK theme's name. (The portal itself, over D-Bus and live, is exercised by
// the dark-mode end-to-end run.)
class TestDesktopColorScheme : public QObject {
    Q_OBJECT

private slots:
    void decide_data()
    {
        // sent: invalid: no portal answered
        addColumns<QVariant, QString, bool>({"sent", "gtkTheme", "dark"});
        const auto wrapped = [](const QVariant& value) { return QVariant::fromValue(QDBusVariant(value)); };
        QTest::newRow("no portal, light GTK theme") << QVariant() << "Adwaita" << false;
        QTest::newRow("no portal, dark GTK theme") << QVariant() << "Adwaita:DARK" << true;
        QTest::newRow("dark, in two variants as Read sends it") << wrapped(wrapped(QVariant(1u))) << "Adwaita" << true;
        QTest::newRow("light over a dark theme") << wrapped(QVariant(2u)) << "Adwaita:dark" << false;
        QTest::newRow("no preference: the theme decides") << wrapped(QVariant(0u)) << "Adwaita:dark" << true;
        QTest::newRow("an unknown number: the theme decides") << wrapped(QVariant(7u)) << "Adwaita" << false;
        QTest::newRow("another type says nothing") << wrapped(QVariant(u"dark"_s)) << "Adwaita" << false;
        QTest::newRow("a signed number says nothing") << wrapped(QVariant(1)) << "Adwaita" << false;
    }

    void decide()
    {
        auto [sent, gtkTheme, dark] = fetchRow<QVariant, QString, bool>({"sent", "gtkTheme", "dark"});
        const std::optional<Preference> portal = sent.isValid() ? DesktopColorScheme::preferenceIn(sent) : std::nullopt;
        QCOMPARE(DesktopColorScheme::decide(portal, gtkTheme), dark);
    }
};

QTEST_GUILESS_MAIN(TestDesktopColorScheme)
#include "TestDesktopColorScheme.moc"
