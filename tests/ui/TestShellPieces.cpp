#include "app/WindowRegistry.h"
#include "platform/ActivationPolicy.h"
#include "platform/SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

class RecordingPolicy final : public ActivationPolicy {
public:
    Policy policy = Policy::regular;
    QStringList calls;
    Policy current() const override { return policy; }
    void set(Policy p) override
    {
        policy = p;
        calls.append(p == Policy::regular ? QStringLiteral("regular") : QStringLiteral("accessory"));
    }
    void activate() override { calls.append(QStringLiteral("activate")); }
    void adopt(QWidget*) override {}
};

} // namespace

class TestShellPieces : public QObject {
    Q_OBJECT

private slots:
    void activationPolicyAppliesOnlyChanges_data();
    void activationPolicyAppliesOnlyChanges();
    void windowRegistry();
    void secondLaunchHandsOver();
};

void TestShellPieces::activationPolicyAppliesOnlyChanges_data()
{
    QTest::addColumn<bool>("startsRegular");
    QTest::addColumn<bool>("showsDockIcon");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("already regular: nothing, no activation") << true << true << QStringList();
    QTest::newRow("to accessory, not brought forward") << true << false << QStringList{"accessory"};
    QTest::newRow("to regular, brought forward") << false << true << QStringList{"regular", "activate"};
    QTest::newRow("already accessory") << false << false << QStringList();
}

void TestShellPieces::activationPolicyAppliesOnlyChanges()
{
    QFETCH(bool, startsRegular);
    QFETCH(bool, showsDockIcon);
    QFETCH(QStringList, calls);
    RecordingPolicy policy;
    policy.policy = startsRegular ? ActivationPolicy::Policy::regular : ActivationPolicy::Policy::accessory;
    policy.apply(showsDockIcon);
    QCOMPARE(policy.calls, calls);
}

void TestShellPieces::windowRegistry()
{
    WindowRegistry registry;
    int made = 0;
    int announced = 0;
    registry.add(QStringLiteral("about"), [&] {
        ++made;
        return new QWidget;
    });
    registry.onCreated = [&](QWidget*) { ++announced; };
    QVERIFY(!registry.open(QStringLiteral("main"))); // nothing registered: nothing opens
    QWidget* first = registry.open(QStringLiteral("about"));
    QVERIFY(first && first->isVisible());
    first->close();
    QCOMPARE(registry.open(QStringLiteral("about")), first); // brought back, not made again
    QCOMPARE(made, 1);
    QCOMPARE(announced, 1);
    delete first;
    QVERIFY(registry.open(QStringLiteral("about")) != nullptr); // made anew once gone
    QCOMPARE(made, 2);
    delete registry.open(QStringLiteral("about"));
}

void TestShellPieces::secondLaunchHandsOver()
{
    QTemporaryDir dir;
    const QString socket = dir.filePath(QStringLiteral("horavia.socket"));
    SingleInstance first(socket);
    QVERIFY(first.claim());
    QSignalSpy reopen(&first, &SingleInstance::reopenRequested);
    SingleInstance second(socket);
    QVERIFY(!second.claim());
    QVERIFY(reopen.wait(3000));

    // A socket file left behind by a copy that died is taken over.
    const QString stalePath = dir.filePath(QStringLiteral("stale.socket"));
    QFile stale(stalePath);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance third(stalePath);
    QVERIFY(third.claim());
    SingleInstance fourth(stalePath);
    QVERIFY(!fourth.claim());
}

QTEST_MAIN(TestShellPieces)
#include "TestShellPieces.moc"
