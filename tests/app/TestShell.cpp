#include "../support/DataTable.h"
#include "app/StartUp.h"
#include "platform/ActivationPolicy.h"
#include "ui/WindowRegistry.h"
#include "ui/platform/ActivationPolicies.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

class RecordingPolicy final : public ActivationPolicy {
public:
    Policy policy = Policy::regular;
    QStringList calls;
    Policy current() const override { return policy; }
    void set(Policy p) override
    {
        policy = p;
        calls.append(p == Policy::regular ? u"regular"_s : u"accessory"_s);
    }
    void activate(QWindow*) override { calls.append(u"activate"_s); }
    void adopt(QWindow*) override {}
};

// Sets `painted` at the widget's first paint.
class PaintSpy final : public QObject {
public:
    PaintSpy(QWidget& widget, bool& painted)
        : m_painted(painted)
    {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }

private:
    bool& m_painted;
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    // What waits for the first frame comes after a shown window's first
    // paint, and at once when nothing is shown to paint.
    void afterTheFirstFrame_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("a window shown") << true;
        QTest::newRow("nothing shown, as at login") << false;
    }
    void afterTheFirstFrame()
    {
        QFETCH(bool, shown);
        QWidget window;
        bool painted = false, ran = false, paintedFirst = false;
        PaintSpy spy(window, painted);
        if (shown) window.show();
        QObject context;
        StartUp::afterFirstFrame(&context, [&] { ran = true, paintedFirst = painted; });
        QTRY_VERIFY(ran);
        QCOMPARE(paintedFirst, shown);
    }

    void activationPolicyAppliesOnlyChanges_data()
    {
        addColumns<bool, bool, QStringList>({"startsRegular", "showsDockIcon", "calls"});
        QTest::newRow("already regular: nothing, no activation") << true << true << QStringList();
        QTest::newRow("to accessory, not brought forward") << true << false << QStringList{"accessory"};
        QTest::newRow("to regular, brought forward") << false << true << QStringList{"regular", "activate"};
        QTest::newRow("already accessory") << false << false << QStringList();
    }

    void activationPolicyAppliesOnlyChanges()
    {
        auto [startsRegular, showsDockIcon, calls] =
            fetchRow<bool, bool, QStringList>({"startsRegular", "showsDockIcon", "calls"});
        RecordingPolicy policy;
        policy.policy = startsRegular ? ActivationPolicy::Policy::regular : ActivationPolicy::Policy::accessory;
        policy.apply(showsDockIcon);
        QCOMPARE(policy.calls, calls);
    }

    // The window asked for comes to the front; without one, the window in
    // use keeps it (switching the taskbar entry on from the settings).
    void theWindowAskedForComesForward()
    {
        const std::unique_ptr<ActivationPolicy> policy = ActivationPolicies::forPlatform();
        QWidget chooser, settings;
        for (QWidget* window : {&chooser, &settings}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        policy->activate(settings.windowHandle());
        QTRY_COMPARE(QGuiApplication::focusWindow(), settings.windowHandle());
        policy->activate();
        QTest::qWait(50);
        QCOMPARE(QGuiApplication::focusWindow(), settings.windowHandle());
        policy->activate(chooser.windowHandle());
        QTRY_COMPARE(QGuiApplication::focusWindow(), chooser.windowHandle());
    }

    void windowRegistry()
    {
        QPointer<QWidget> first;
        int made = 0;
        int announced = 0;
        {
            WindowRegistry registry;
            registry.add(WindowId::about, [&] {
                ++made;
                auto window = std::make_unique<QWidget>();
                window->setAttribute(Qt::WA_DeleteOnClose); // the registry owns it all the same
                return window;
            });
            registry.onCreated = [&](QWidget*) { ++announced; };
            QVERIFY(!registry.open(WindowId::main)); // nothing registered: nothing opens
            first = registry.open(WindowId::about);
            QVERIFY(first && first->isVisible());
            QCOMPARE(first->objectName(), u"about"_s);
            first->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(first);                                         // closing hides, never deletes
            QCOMPARE(registry.open(WindowId::about), first.data()); // brought back, not made again
            QCOMPARE(made, 1);
            QCOMPARE(announced, 1);
        }
        QVERIFY(!first); // gone with the registry
    }
};

QTEST_MAIN(TestShell)
#include "TestShell.moc"
