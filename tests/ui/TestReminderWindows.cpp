#include "../support/ClockStack.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "platform/WallClockAlarm.h"
#include "reminder/Reminders.h"
#include "ui/Accessibility.h"
#include "ui/ReminderSheet.h"
#include "ui/RemindersWindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class StillAlarm final : public WallClockAlarm {
public:
    void arm(const QDateTime&) override {}
    void disarm() override {}
};

Reminder at(const char* wall, const char* zone, const char* note = "")
{
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(wall), Qt::ISODate);
    Reminder reminder;
    reminder.day = when.date();
    reminder.time = when.time();
    reminder.zone = QString::fromLatin1(zone);
    reminder.note = QString::fromLatin1(note);
    return reminder;
}

QString nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class TestReminderWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Accessibility::install(); }

    void init()
    {
        m_store = RecordingPreferences({{u"trackedCityIDs"_s, QStringList{u"gn1850147"_s}}});
        m_reminderStore = RecordingPreferences();
        m_stack = std::make_unique<ClockStack>(m_store, CityDatabase::shared());
        Reminders::Environment environment{[this] { return m_stack->wall; }, [this] { return m_stack->home; },
                                           [](const Reminder& r) { return r.day.toString(Qt::ISODate); },
                                           [](const QDateTime&) { return QStringList{u"Tokyo 9:00 PM"_s}; }};
        m_reminders = std::make_unique<Reminders>(m_reminderStore, std::make_unique<StillAlarm>(), nullptr,
                                                  std::move(environment));
    }

    // The sheet is a form a screen reader reads by its labels and the
    // keyboard fills in: the zone the time was typed in is chosen, Return
    // sets the reminder; a time gone by cannot be set.
    void sheet()
    {
        ReminderSheet sheet(*m_reminders, m_stack->entries, at("2026-01-16T09:00", "Asia/Tokyo"));
        QCOMPARE(sheet.keptIn()->currentData().toString(), u"Asia/Tokyo"_s);
        QCOMPARE(sheet.keptIn()->currentText(), u"Tokyo time"_s);
        for (QWidget* control : QList<QWidget*>{sheet.keptIn(), sheet.lead(), sheet.note(), sheet.remind()})
            QVERIFY2(!nameOf(control).isEmpty(), control->metaObject()->className());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(QApplication::focusWidget(), sheet.lead());
        QTest::keyClick(sheet.lead(), Qt::Key_Down);
        QTest::keyClick(sheet.lead(), Qt::Key_Down);
        QTest::keyClick(sheet.lead(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), u"Call Kenji"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_reminders->all().size(), 1);
        const Reminder set = m_reminders->all().first();
        QCOMPARE(set.zone, u"Asia/Tokyo"_s);
        QCOMPARE(set.place, u"Tokyo"_s);
        QCOMPARE(set.leadMinutes, 10);
        QCOMPARE(set.note, u"Call Kenji"_s);
        QCOMPARE(set.instant(m_stack->home), QDateTime(QDate(2026, 1, 16), QTime(0, 0), Qt::UTC));

        ReminderSheet past(*m_reminders, m_stack->entries, at("2026-01-15T11:00", ""));
        QVERIFY(!past.remind()->isEnabled());
        past.accept();
        QCOMPARE(m_reminders->all().size(), 1);
    }

    // The list: upcoming first, gone by after, each with its state; Delete
    // removes the chosen one, Return edits it.
    void list()
    {
        m_reminders->set(at("2026-01-20T09:00", "Asia/Tokyo", "later"));
        m_reminders->set(at("2026-01-16T09:00", "", "sooner"));
        QList<Reminder> edited;
        RemindersWindow window(*m_reminders, [&edited](const Reminder& r) { edited.append(r); });
        QCOMPARE(window.list()->count(), 2);
        QVERIFY(window.list()->item(0)->text().startsWith(u"sooner · At the time\n2026-01-16"_s));
        QVERIFY(window.list()->item(1)->text().startsWith(u"later"_s));
        QVERIFY(!nameOf(window.list()).isEmpty());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.list()->setFocus();
        window.list()->setCurrentRow(1);
        QTest::keyClick(window.list(), Qt::Key_Return);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().note, u"later"_s);
        QTest::keyClick(window.list(), Qt::Key_Delete);
        QCOMPARE(m_reminders->all().size(), 1);
        QCOMPARE(window.list()->count(), 1);
        QTest::keyClick(window.list(), Qt::Key_Delete);
        QVERIFY(window.list()->isHidden());
        QVERIFY(!window.deleteButton()->isEnabled());
    }

private:
    RecordingPreferences m_store;
    RecordingPreferences m_reminderStore;
    std::unique_ptr<ClockStack> m_stack;
    std::unique_ptr<Reminders> m_reminders;
};

QTEST_MAIN(TestReminderWindows)
#include "TestReminderWindows.moc"
