#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "../support/TestValues.h"
#include "agenda/Calendars.h"
#include "calendar/CalendarFeeds.h"
#include "catalogue/CityDatabase.h"
#include "ui/AgendaView.h"

Q_DECLARE_METATYPE(Reminder)
#include "ui/CalendarSettings.h"
#include "ui/Commands.h"
#include "update/Updater.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const CalendarFeeds& feeds()
{
    static const CalendarFeeds instance;
    return instance;
}

QString vevent(const QString& uid, const QString& title, const QString& start, const QString& extra = {})
{
    return u"BEGIN:VEVENT\nUID:%1\nSUMMARY:%2\nDTSTART%3\nDURATION:PT30M\n%4END:VEVENT\n"_s.arg(uid, title, start,
                                                                                                extra);
}

} // namespace

class TestAgendaView : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath(u"calendars.json"_s));
        m_store = RecordingPreferences();
        m_database = std::make_unique<CityDatabase>(m_dir.filePath(u"none.json"_s));
        // Thursday 2026-01-15 12:00 UTC, home UTC.
        m_stack = std::make_unique<ClockStack>(m_store, *m_database,
                                               QDateTime(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC), QTimeZone::utc());
        m_list = std::make_unique<CalendarList>(m_dir.filePath(u"calendars.json"_s));
        m_calendars = std::make_unique<Calendars>(*m_list, m_stack->time, [] { return &feeds(); });
        m_calendars->load();
    }

    void cleanup()
    {
        m_calendars.reset();
        m_list.reset();
    }

    // Nothing new while no calendar is on; with one, the next event in
    // words and for the ear, the rest of the day on demand, and each sets
    // the time to its start.
    void showsTheNextEventAndTheDay()
    {
        AgendaView view(*m_calendars, m_stack->time, m_stack->entries);
        QVERIFY(view.isHidden());
        QVERIFY(view.spoken().isEmpty());

        addFile(vevent(u"1"_s, u"Standup"_s, u":20260115T130000Z"_s) +
                vevent(u"2"_s, u"Review"_s, u":20260115T160000Z"_s) +
                vevent(u"3"_s, u"Holiday"_s, u";VALUE=DATE:20260115"_s, u"DTEND;VALUE=DATE:20260116\n"_s) +
                vevent(u"4"_s, u""_s, u":20260116T090000Z"_s));
        QVERIFY(!view.isHidden());
        QCOMPARE(view.nextButton()->text(), u"Standup · 1:00\u202FPM · in 1 hour"_s);
        QCOMPARE(view.spoken(), view.nextButton()->accessibleName()); // the calendar run hears it said

        // The rest of today: the holiday, then Review (Standup is the next, above).
        QVERIFY(!view.dayButton()->isHidden());
        QCOMPARE(view.dayButton()->text(), u"Today (2)"_s);
        QVERIFY(view.dayEvents().isEmpty());
        view.dayButton()->click();
        QCOMPARE(view.dayEvents().size(), 2);
        QCOMPARE(view.dayEvents().at(0)->text(), u"Holiday · All day · now"_s);
        QCOMPARE(view.dayEvents().at(1)->text(), u"Review · 4:00\u202FPM · in 4 hours"_s);
        view.dayEvents().at(1)->click();
        QCOMPARE(m_stack->time.instant(), QDateTime(QDate(2026, 1, 15), QTime(16, 0), Qt::UTC));
        QCOMPARE(m_stack->time.note(), u"Review"_s);
        // An event's menu (the Menu key, a right click) sets a reminder at its start, titled as it is.
        QSignalSpy reminded(&view, &AgendaView::remindRequested);
        QTimer::singleShot(0, this, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions().first()->trigger();
            menu->close();
        });
        emit view.dayEvents().at(1)->customContextMenuRequested({2, 2});
        QCOMPARE(reminded.size(), 1);
        const auto proposal = reminded.first().first().value<Reminder>();
        QCOMPARE(proposal.note, u"Review"_s);
        QCOMPARE(QDateTime(proposal.day, proposal.time, Qt::UTC), QDateTime(QDate(2026, 1, 15), QTime(16, 0), Qt::UTC));

        // A minute on, the words follow; past Review, the untitled event tomorrow is next.
        view.nextButton()->click();
        QCOMPARE(m_stack->time.instant(), QDateTime(QDate(2026, 1, 15), QTime(13, 0), Qt::UTC));
        m_stack->tick(5 * 3600);
        QCOMPARE(view.nextButton()->text(), u"Untitled event · 9:00\u202FAM tomorrow · in 16 hours"_s);
    }

    void noEventAhead()
    {
        AgendaView view(*m_calendars, m_stack->time, m_stack->entries);
        addFile(vevent(u"1"_s, u"Yesterday"_s, u":20260114T130000Z"_s));
        QVERIFY(!view.isHidden());
        QVERIFY(view.nextButton()->isHidden());
        QCOMPARE(view.spoken(), u"No upcoming events"_s);
    }

    // Next Event shows only while a calendar is on (the end-to-end calendar
    // runs go from event to event with its key); past the last event it
    // leaves the time where it is.
    void nextEventCommand()
    {
        UpdateHost host;
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        Updater updater(m_store, QString(), QString(), host);
        Commands commands(m_stack->time, m_stack->entries, updater, {}, m_calendars.get());
        QVERIFY(!commands.nextEvent()->isVisible());
        addFile(vevent(u"2"_s, u"Review"_s, u":20260115T160000Z"_s));
        QVERIFY(commands.nextEvent()->isVisible());
        commands.nextEvent()->trigger();
        commands.nextEvent()->trigger();
        QCOMPARE(m_stack->time.instant(), QDateTime(QDate(2026, 1, 15), QTime(16, 0), Qt::UTC));
    }

    // Settings: each source with its switch and its trouble; an address is
    // taken only if it can be subscribed to (the list's own table has the
    // rule), or says why; removing takes it away.
    void settingsSection_data()
    {
        addColumns<QString, bool>({"address", "taken"});
        QTest::newRow("webcal") << "webcal://example.org/team.ics" << true;
        QTest::newRow("ftp") << "ftp://example.org/team.ics" << false;
    }

    void settingsSection()
    {
        const auto [address, taken] = fetchRow<QString, bool>({"address", "taken"});
        CalendarSettings section(*m_calendars);
        QVERIFY(section.sources()->isHidden());
        addFile(vevent(u"1"_s, u"Standup"_s, u":20260115T130000Z"_s));
        m_list->add({.kind = CalendarSource::Kind::file, .address = m_dir.filePath(u"missing.ics"_s)});
        QCOMPARE(section.sources()->count(), 2);
        QCOMPARE(section.sources()->item(0)->text(), u"work.ics"_s);
        QCOMPARE(section.sources()->item(1)->text(), u"missing.ics — The file can't be read."_s);

        QCOMPARE(section.subscribe(address), taken);
        QCOMPARE(section.sources()->count(), taken ? 3 : 2);
        const QList<QLabel*> labels = section.findChildren<QLabel*>();
        QCOMPARE(std::any_of(labels.begin(), labels.end(),
                             [](QLabel* label) { return !label->isHidden() && label->text().contains(u"https:"_s); }),
                 !taken);

        // The switch: off, the source's events go.
        QVERIFY(!m_calendars->agenda().isEmpty());
        section.sources()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!m_list->sources().first().enabled);
        QVERIFY(m_calendars->agenda().isEmpty());
        section.sources()->setCurrentRow(1);
        section.removeButton()->click();
        QCOMPARE(m_list->sources().size(), taken ? 2 : 1);
    }

private:
    void addFile(const QString& events)
    {
        const QString path = m_dir.filePath(u"work.ics"_s);
        writeFile(path, ("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//t//EN\n" + events + "END:VCALENDAR\n").toUtf8());
        m_list->add({.kind = CalendarSource::Kind::file, .address = path});
    }

    QTemporaryDir m_dir;
    RecordingPreferences m_store;
    std::unique_ptr<CityDatabase> m_database;
    std::unique_ptr<ClockStack> m_stack;
    std::unique_ptr<CalendarList> m_list;
    std::unique_ptr<Calendars> m_calendars;
};

QTEST_MAIN(TestAgendaView)
#include "TestAgendaView.moc"
