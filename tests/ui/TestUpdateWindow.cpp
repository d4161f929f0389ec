#include "../support/DataTable.h"
#include "../support/ManualTimer.h"
#include "../support/RecordingPreferences.h"
#include "ui/UpdateWindow.h"
#include "update/ReleaseNotes.h"
#include "update/Updater.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>

using namespace Qt::StringLiterals;
using Phase = Updater::Phase;
Q_DECLARE_METATYPE(Updater::Phase)

class TestUpdateWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = RecordingPreferences();
        UpdateHost host;
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        m_updater = std::make_unique<Updater>(m_store, u"https://updates.invalid/updates.txt"_s, QString(), host);
        m_window = std::make_unique<UpdateWindow>(*m_updater);
        m_window->show();
    }

    void cleanup() { m_window.reset(); }

    void followsThePhase_data()
    {
        addColumns<Phase, bool, QString, QString>({"phase", "notes", "failure", "progress"});
        const QString notes = u"# Horavia 2.0\n\nWhat's new:\n- **Faster** start\n- The night side follows the *real* "
                              "sun\n- See [the notes](https://example.org/notes)"_s;
        const QString none;
        QTest::newRow("idle") << Phase::idle() << false << none << none;
        QTest::newRow("checking") << Phase::checking() << false << none << u"Checking…"_s;
        QTest::newRow("available") << Phase::available(notes) << true << none << none;
        QTest::newRow("installing") << Phase::installing() << false << none << u"Installing…"_s;
        const QString failure = u"Unpacking failed: disk full"_s;
        QTest::newRow("failed") << Phase::failed(failure) << false << failure << none;
    }

    void followsThePhase()
    {
        auto [phase, notes, failure, progress] =
            fetchRow<Phase, bool, QString, QString>({"phase", "notes", "failure", "progress"});
        m_updater->setPhase(phase);
        QCOMPARE(m_window->notes()->isVisible(), notes);
        QCOMPARE(m_window->nothingWaiting()->isVisible(), !notes);
        QCOMPARE(m_window->failure()->isVisible(), !failure.isEmpty());
        QCOMPARE(m_window->failure()->text(), failure);
        QCOMPARE(m_window->progress()->isVisible(), !progress.isEmpty());
        QCOMPARE(m_window->progress()->text(), progress);
        QCOMPARE(m_window->install()->isEnabled(), notes);
        if (notes) QCOMPARE(m_window->notes()->height(), 240); // long notes scroll inside
    }

    // Notes taller than their box open at the heading, not at the last bullet.
    void longNotesOpenAtTheTop()
    {
        QString notes = u"# Horavia 3.0\n"_s;
        for (int i = 0; i < 60; ++i)
            notes += u"- Change %1\n"_s.arg(i);
        m_updater->setPhase(Phase::available(notes));
        QCoreApplication::processEvents();
        QScrollBar* bar = m_window->notes()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(m_window->notes()->textCursor().position(), 0);
    }

    void laterAndTheKeys()
    {
        m_updater->setPhase(Phase::available("Notes"));
        m_window->close(); // the title bar's button leaves the offer standing
        QCOMPARE(m_updater->phase(), Phase::available("Notes"));
        m_window->show();
        m_window->later()->click(); // offered again at the next check
        QCOMPARE(m_updater->phase(), Phase::idle());
        QVERIFY(!m_store.values.contains(UpdaterKeys::lastSeenNotes));
        m_updater->setPhase(Phase::available("Notes"));
        m_window->show();
        QTest::keyClick(m_window.get(), Qt::Key_Escape); // "Later" by its key
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_updater->phase(), Phase::idle());

        m_window->show();
        m_updater->setPhase(Phase::downloading());
        m_window->later()->click(); // only closes: the install goes on
        QCOMPARE(m_updater->phase(), Phase::downloading());
    }

    // The column's look: heading styles, blank lines, bullets.
    void rendersTheNotes()
    {
        QTextDocument document;
        UpdateWindow::render(ReleaseNotes(u"# Horavia 2.0\n- **Faster** start, and a line long enough to wrap\n"
                                          u"- See [notes](https://example.org)\n\n## Details\nDone."_s),
                             document);
        QStringList texts;
        for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
            texts.append(block.text());
        QCOMPARE(texts, (QStringList{"Horavia 2.0", "•Faster start, and a line long enough to wrap", "•See notes", "",
                                     "Details", "Done."}));
        const auto block = [&](int n) { return document.findBlockByNumber(n); };
        QVERIFY(block(4).charFormat().fontWeight() == QFont::DemiBold);
        QVERIFY(block(4).blockFormat().topMargin() > block(5).blockFormat().topMargin()); // room above a heading
        // The bullet hangs: wrapped lines start under the text, not under "•".
        QCOMPARE(block(1).blockFormat().textIndent(), -block(1).blockFormat().leftMargin());
        bool bold = false, linked = false;
        for (auto it = block(1).begin(); !it.atEnd(); ++it)
            bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
        for (auto it = block(2).begin(); !it.atEnd(); ++it)
            linked = linked || it.fragment().charFormat().anchorHref() == u"https://example.org"_s;
        QVERIFY(bold && linked);
    }

private:
    RecordingPreferences m_store;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<UpdateWindow> m_window;
};

QTEST_MAIN(TestUpdateWindow)
#include "TestUpdateWindow.moc"
