#include "../support/DataTable.h"
#include "../support/ManualTimer.h"
#include "../support/TestValues.h"
#include "clock/Clock.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestClock : public QObject {
    Q_OBJECT

private slots:
    void delay_data()
    {
        addColumns<double, double>({"t", "expected"});
        const double noon = 1'767'268'800; // 2026-01-01 12:00:00 UTC
        QTest::newRow("mid-minute") << noon + 30 << 30.05;
        QTest::newRow("just before a boundary: raised") << noon + 59.9 << 0.2;
        QTest::newRow("exactly on a boundary: capped") << noon << 60.0;
        QTest::newRow("before 1970: capped") << -30.5 << 60.0;
    }

    void delay()
    {
        auto [t, expected] = fetchRow<double, double>({"t", "expected"});
        QVERIFY2(std::abs(Clock::delayUntilNextTick(t) - expected) < 1e-6,
                 qPrintable(QString::number(Clock::delayUntilNextTick(t), 'f', 6)));
    }

    void advancesAfterEachMinute()
    {
        QDateTime wall = instant("2026-01-01T12:00:30.000Z");
        auto owned = std::make_unique<ManualTimer>();
        ManualTimer* timer = owned.get();
        Clock clock(
            wall, [&] { return wall; }, std::move(owned));
        QSignalSpy changed(&clock, &Clock::nowChanged);

        QCOMPARE(timer->requestedDelays.size(), 1);
        QVERIFY(std::abs(timer->requestedDelays.last() - 30.05) < 1e-6);
        QCOMPARE(clock.now(), wall);

        wall = instant("2026-01-01T12:01:00.050Z");
        timer->fire();
        QCOMPARE(clock.now(), wall);
        QCOMPARE(changed.count(), 1);
        QVERIFY(timer->isActive());
        QVERIFY(std::abs(timer->requestedDelays.last() - 60.0) < 1e-6);

        // A wake that finds the wall clock where it was changes nothing.
        timer->fire();
        QCOMPARE(changed.count(), 1);

        // Back from a long sleep: the clock catches up in one step.
        wall = instant("2026-01-01T15:42:17.500Z");
        timer->fire();
        QCOMPARE(clock.now(), wall);
        QCOMPARE(changed.count(), 2);
        QVERIFY(std::abs(timer->requestedDelays.last() - 42.55) < 1e-6);

        // The wall clock set back by hours: the change notice ticks at once,
        // before any deadline, and the next tick is planned from the new time.
        wall = instant("2026-01-01T09:00:00.000Z");
        emit timer->clockChanged();
        QCOMPARE(clock.now(), wall);
        QCOMPARE(changed.count(), 3);
        QVERIFY(std::abs(timer->requestedDelays.last() - 60.0) < 1e-6);
        // A new system zone at the same instant: the views redraw all the same.
        emit timer->clockChanged();
        QCOMPARE(changed.count(), 4);
    }

    // A clock destroyed while its real timer waits never calls back (the
    // timer firing at each minute is the end-to-end --follow run's).
    void destroyedWhileWaiting()
    {
        // 0.2 s before a boundary, so the suspend-aware timer would fire within a test's patience.
        {
            QDateTime other = instant("2026-01-01T12:00:59.800Z");
            Clock shortLived(
                other, [&] { return other; }, ContinuousTimer::create());
        }
        QTest::qWait(400);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "TestClock.moc"
