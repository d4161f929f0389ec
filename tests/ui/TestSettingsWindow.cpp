#include "../support/CatalogueFiles.h"
#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "platform/LoginItem.h"
#include "settings/AppSettings.h"
#include "ui/Accessibility.h"
#include "ui/SettingsWindow.h"
#include "update/Updater.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using Phase = Updater::Phase;
Q_DECLARE_METATYPE(Updater::Phase)

class TestSettingsWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Accessibility::install(); } // as the application does, before any window

    void init()
    {
        m_store = RecordingPreferences();
        m_database = std::make_unique<CityDatabase>(m_dir.filePath(u"none.json"_s));
        // Thursday 2026-01-15 21:41 UTC; the tests run with TZ=UTC and en_US.
        m_window.reset();
        m_stack =
            std::make_unique<ClockStack>(m_store, *m_database, QDateTime::fromSecsSinceEpoch(1768513260, Qt::UTC));
        m_settings = &m_stack->settings;
        UpdateHost host;
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        m_updater = std::make_unique<Updater>(m_store, u"https://updates.invalid/updates.txt"_s, QString(), host);
        QFile::remove(m_entry);
        m_loginItem = std::make_unique<LoginItem>(m_entry, u"/opt/Horavia.app/Contents/Horavia"_s);
        reopen();
    }

    void cleanup() { m_window.reset(); }

    void updateRowFollowsThePhase_data()
    {
        addColumns<Phase, QString, bool, bool>({"phase", "status", "busy", "show"});
        QTest::newRow("checking") << Phase::checking() << "Checking…" << true << false;
        QTest::newRow("up to date") << Phase::upToDate() << "Horavia is up to date." << false << false;
        QTest::newRow("available") << Phase::available("Notes") << "A new version is available." << false << true;
        QTest::newRow("failed: the message itself")
            << Phase::failed("The server returned status 500.") << "The server returned status 500." << false << false;
    }

    void updateRowFollowsThePhase()
    {
        auto [phase, status, busy, show] = fetchRow<Phase, QString, bool, bool>({"phase", "status", "busy", "show"});
        m_updater->setPhase(phase);
        QCOMPARE(m_window->status()->text(), status);
        QCOMPARE(m_window->checkNow()->isEnabled(), !busy);
        QCOMPARE(m_window->busy()->isVisible(), busy);
        QCOMPARE(m_window->showButton()->isVisible(), show);
        if (!show) return;
        QSignalSpy opened(&m_showUpdate, &QAction::triggered);
        m_window->showButton()->click();
        QCOMPARE(opened.count(), 1);
    }

    // The date samples are the user's own format, as the preview is.
    void dateSamplesFollowTheLocale()
    {
        qputenv("LC_TIME", "de_DE.UTF-8");
        SettingsWindow german(*m_settings, m_stack->time, *m_updater, *m_loginItem, &m_showUpdate);
        qunsetenv("LC_TIME");
        QCOMPARE(german.dateFormat()->itemText(1), u"Sa., 12. Sept."_s);
        QCOMPARE(german.dateFormat()->itemText(2), u"12.9."_s);
    }

    // The planning choices write through, and show what is stored.
    void planningChoices()
    {
        m_window->showsOffset()->click();
        QVERIFY(!m_settings->value<bool>(SettingKey::showsOffsetFromHome));
        m_window->step()->setCurrentIndex(0);
        emit m_window->step()->activated(0);
        QCOMPARE(m_settings->value<int>(SettingKey::timeStepMinutes), 15);
        const QList<QTimeEdit*> hours = m_window->hourFields();
        hours.at(0)->setTime(QTime(8, 0));
        emit hours.at(0)->editingFinished();
        hours.at(3)->setTime(QTime(23, 30));
        emit hours.at(3)->editingFinished();
        QCOMPARE(m_settings->value<TimeRange>(SettingKey::defaultWorkingHours), (TimeRange{QTime(8, 0), QTime(17, 0)}));
        QCOMPARE(m_settings->value<TimeRange>(SettingKey::awakeHours), (TimeRange{QTime(7, 0), QTime(23, 30)}));
        m_settings->set(SettingKey::defaultWorkingHours, TimeRange{QTime(10, 0), QTime(18, 0)});
        QCOMPARE(hours.at(1)->time(), QTime(18, 0));
    }

    // What the tray shows, chosen here, and offered only with the tray on,
    // which then locks the taskbar entry on (the settings' own table covers
    // the rule); without the desktop's shortcut portal, the window says how
    // to bind the key. (Escape with a drop-down open is the screen reader
    // run's: it closes the drop-down, and the window stays.)
    void trayAndKeyboard()
    {
        m_window->trayDisplay()->setCurrentIndex(2);
        emit m_window->trayDisplay()->activated(2);
        QCOMPARE(m_settings->value<TrayDisplay>(SettingKey::trayDisplay), TrayDisplay::timeAsIcon);
        QVERIFY(m_window->showsMenuBarItem()->isEnabled() && m_window->showsDockIcon()->isEnabled());
        m_window->showsMenuBarItem()->click();
        QVERIFY(!m_settings->value<bool>(SettingKey::showsMenuBarItem));
        QVERIFY(!m_window->trayDisplay()->isEnabled() && !m_window->showsDockIcon()->isEnabled());
        m_settings->set(SettingKey::trayDisplay, TrayDisplay::icon);
        QCOMPARE(m_window->trayDisplay()->currentIndex(), 0);
        // A screen reader reads a closed box's value as its text.
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(m_window->trayDisplay());
        QCOMPARE(box->role(), QAccessible::ComboBox);
        QCOMPARE(box->text(QAccessible::Value), m_window->trayDisplay()->currentText());
        QVERIFY(box->textInterface());
        QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()),
                 m_window->trayDisplay()->currentText());
        QCOMPARE(box->child(0)->object(), static_cast<QObject*>(m_window->trayDisplay()->view()));

        // The command whole: said as it is typed, and never wrapped inside.
        QVERIFY(m_window->shortcutText()->accessibleName().contains(u"“horavia --toggle”"_s));
        QVERIFY(m_window->shortcutText()->text().contains(u"“<nobr>horavia --toggle</nobr>”"_s));
        QVERIFY(m_window->changeShortcut()->isHidden());
    }

    // Every control has a letter of its own, Alt and the letter reach it:
    // a label's field takes the focus, a check box toggles.
    void mnemonicsReachTheirControls()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QHash<QChar, QString> letters;
        int reached = 0;
        const auto letterOf = [&letters](const QString& text) {
            const QString sequence = QKeySequence::mnemonic(text).toString();
            const QChar letter = sequence.isEmpty() ? QChar() : sequence.back().toLower();
            if (letter.isNull() || letters.contains(letter)) return QChar(); // none, or a clash
            letters.insert(letter, text);
            return letter;
        };
        const auto press = [this](QChar letter) {
            QTest::keyClick(m_window.get(), Qt::Key(letter.toUpper().unicode()), Qt::AltModifier);
        };
        for (QLabel* label : m_window->findChildren<QLabel*>()) {
            if (!label->buddy() || !label->isVisibleTo(m_window.get())) continue;
            const QChar letter = letterOf(label->text());
            QVERIFY2(!letter.isNull(), qPrintable(label->text()));
            press(letter);
            QVERIFY2(label->buddy()->hasFocus(), qPrintable(label->text()));
            ++reached;
        }
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>()) {
            if (!box->isVisibleTo(m_window.get()) || !box->isEnabled()) continue;
            const QChar letter = letterOf(box->text());
            QVERIFY2(!letter.isNull(), qPrintable(box->text()));
            const bool was = box->isChecked();
            press(letter);
            QTRY_COMPARE(box->isChecked(), !was);
            ++reached;
        }
        for (QPushButton* button : m_window->findChildren<QPushButton*>())
            if (button->isVisibleTo(m_window.get()))
                QVERIFY2(!letterOf(button->text()).isNull(), qPrintable(button->text()));
        QVERIFY2(reached >= 10, qPrintable(QString::number(reached)));
        // The name said for a labelled field has no mark in it.
        QCOMPARE(m_window->trayDisplay()->accessibleName(), u"In the tray, show"_s);
    }

    // The wheel over a field or a choice the user has not picked scrolls
    // the window; it changes a value only once that control has the focus.
    void theWheelChangesOnlyAFocusedControl()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const auto turn = [](QWidget* control) {
            QWheelEvent wheel(QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
        };
        QTimeEdit* to = m_window->hourFields().at(1);
        const QTime before = to->time();
        turn(to);
        QCOMPARE(to->time(), before);
        QVERIFY(!m_window->dateFormat()->hasFocus()); // the first control, the time's format, has it
        const int format = m_window->dateFormat()->currentIndex();
        turn(m_window->dateFormat());
        QCOMPARE(m_window->dateFormat()->currentIndex(), format);
        to->setFocus();
        turn(to);
        QVERIFY(to->time() != before);
    }

    // A choice the disk refused is said in the window, once, and still
    // applies; the next write that succeeds clears it.
    void aFailedWriteIsShown()
    {
        QSignalSpy reported(m_settings, &AppSettings::lastWriteFailedChanged);
        QVERIFY(!m_window->writeFailure()->isVisible());
        m_store.failWrites = true;
        m_window->showsOffset()->click();
        m_settings->set(SettingKey::timeStepMinutes, 15);
        QCOMPARE(reported.count(), 1); // not at every write
        QVERIFY(m_window->writeFailure()->isVisible());
        QCOMPARE(m_settings->value<bool>(SettingKey::showsOffsetFromHome), m_window->showsOffset()->isChecked());
        m_store.failWrites = false;
        m_window->showsOffset()->click();
        QVERIFY(!m_window->writeFailure()->isVisible());
    }

    void opensAtLogin()
    {
        QCheckBox* box = m_window->opensAtLogin();
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(m_loginItem->isEnabled());
        // Switched off in the desktop's session settings: the box follows when the window opens again.
        writeFile(m_entry, readFile(m_entry) + "Hidden=true\n");
        m_window->hide();
        m_window->show();
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!QFileInfo::exists(m_entry));

        // A folder that cannot be made: the box stays off, and the user is told.
        m_loginItem = std::make_unique<LoginItem>(u"/proc/horavia/autostart.desktop"_s, u"/bin/true"_s);
        reopen();
        bool warned = false;
        QTimer::singleShot(0, this, [&warned] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            warned = message && message->text().startsWith(u"Horavia couldn't change whether it opens at login."_s);
            if (message) message->reject();
        });
        m_window->opensAtLogin()->click();
        QVERIFY(warned);
        QVERIFY(!m_window->opensAtLogin()->isChecked());
    }

    // A copy that can't update itself says why, and offers nothing it won't
    // do; a packaged one does not even offer to check.
    void copyThatCannotUpdateItself_data()
    {
        addColumns<bool, bool, QString>({"packaged", "owned", "reason"});
        QTest::newRow("installed by a package manager")
            << true << true << u"Updates to Horavia come from your package manager."_s;
        QTest::newRow("built without an address")
            << false << true << u"This copy was built without an update address, so it can't update itself."_s;
        QTest::newRow("another user's copy")
            << false << false << u"This copy belongs to another user, so it can't update itself."_s;
    }

    void copyThatCannotUpdateItself()
    {
        auto [packaged, owned, reason] = fetchRow<bool, bool, QString>({"packaged", "owned", "reason"});
        UpdateHost host;
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        host.ownedByUser = owned;
        host.selfUpdating = !packaged;
        m_window.reset();
        m_updater =
            std::make_unique<Updater>(m_store, owned ? QString() : u"https://updates.invalid/u.txt"_s, QString(), host);
        reopen();
        QVERIFY(!m_window->checksAutomatically()->isChecked());
        QVERIFY(!m_window->checkNow()->isEnabled());
        QCOMPARE(m_window->checkNow()->isVisible(), !packaged);
        const QList<QLabel*> labels = m_window->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.cbegin(), labels.cend(),
                            [&](const QLabel* label) { return label->isVisible() && label->text() == reason; }));
    }

    // Hours first in a right-to-left interface, in the locale's digits:
    // a time edit once showed 09:00 as "00:09" in Arabic and Hebrew.
    void hoursReadInTheLocale_data()
    {
        addColumns<QString, QString, QString>({"locale", "from", "to"});
        QTest::newRow("Arabic") << u"ar_EG"_s << u"٠٩:٠٠"_s << u"١٧:٠٠"_s;
        QTest::newRow("Hebrew") << u"he_IL"_s << u"09:00"_s << u"17:00"_s;
    }

    void hoursReadInTheLocale()
    {
        auto [locale, from, to] = fetchRow<QString, QString, QString>({"locale", "from", "to"});
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        QApplication::setLayoutDirection(QLocale(locale).textDirection());
        const auto restore = qScopeGuard([&] {
            QLocale::setDefault(before);
            QApplication::setLayoutDirection(Qt::LeftToRight);
        });
        reopen(false);
        const QList<QTimeEdit*> hours = m_window->hourFields();
        QCOMPARE(hours.at(0)->text(), from);
        QCOMPARE(hours.at(1)->text(), to);
        QCOMPARE(hours.at(0)->time(), QTime(9, 0));
        // Typed in the same digits, read back as the same time.
        m_window->show();
        hours.at(1)->setFocus();
        hours.at(1)->setSelectedSection(QDateTimeEdit::HourSection);
        for (const QChar c : QLocale(locale).toString(20))
            QTest::sendKeyEvent(QTest::Click, hours.at(1), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(hours.at(1)->time(), QTime(20, 0));
    }

    void previewFollowsTheFormats()
    {
        const QString nnbsp = u"\u202F"_s;
        QCOMPARE(m_window->preview()->text(), "A city a day ahead reads: 9:41" + nnbsp + "PM tomorrow");
        m_window->timeFormat()->setCurrentIndex(2);
        emit m_window->timeFormat()->activated(2);
        QCOMPARE(m_settings->value<TimeFormat>(SettingKey::timeFormat), TimeFormat::twentyFourHour);
        QCOMPARE(m_window->preview()->text(), u"A city a day ahead reads: 21:41 tomorrow"_s);
        m_settings->set(SettingKey::dateFormat, DateFormat::numeric); // from elsewhere: the picker follows
        QCOMPARE(m_window->dateFormat()->currentText(), u"9/12"_s);
        QCOMPARE(m_window->preview()->text(), u"A city a day ahead reads: 21:41 1/16"_s);
    }

private:
    void reopen(bool shown = true)
    {
        m_window =
            std::make_unique<SettingsWindow>(*m_settings, m_stack->time, *m_updater, *m_loginItem, &m_showUpdate);
        if (shown) m_window->show();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    RecordingPreferences m_store;
    std::unique_ptr<ClockStack> m_stack;
    AppSettings* m_settings = nullptr;
    std::unique_ptr<Updater> m_updater;
    const QString m_entry = m_dir.filePath(u"autostart/org.horavia.Horavia.desktop"_s);
    std::unique_ptr<LoginItem> m_loginItem;
    QAction m_showUpdate;
    std::unique_ptr<SettingsWindow> m_window;
};

QTEST_MAIN(TestSettingsWindow)
#include "TestSettingsWindow.moc"
