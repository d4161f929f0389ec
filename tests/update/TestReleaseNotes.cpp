#include "update/ReleaseNotes.h"

#include <QTest>

using Kind = ReleaseNotes::Line::Kind;
Q_DECLARE_METATYPE(ReleaseNotes::Line::Kind)

class TestReleaseNotes : public QObject {
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");

        QTest::newRow("level 2 heading") << "## What's new" << Kind::heading << 2 << "What's new";
        QTest::newRow("hash glued to a word") << "#Fixes" << Kind::heading << 1 << "Fixes";
        QTest::newRow("only hashes") << "###" << Kind::heading << 3 << "";
        QTest::newRow("deep heading") << "####### Seven" << Kind::heading << 7 << "Seven";
        QTest::newRow("hash then hyphen") << "#- item" << Kind::heading << 1 << "- item";
        QTest::newRow("indented heading") << "   # Title" << Kind::heading << 1 << "Title";
        QTest::newRow("hyphen bullet") << "- Faster start" << Kind::bullet << 0 << "Faster start";
        QTest::newRow("star bullet") << "* Smaller" << Kind::bullet << 0 << "Smaller";
        QTest::newRow("indented bullet") << "\t  - Nested" << Kind::bullet << 0 << "Nested";
        QTest::newRow("hyphen glued to a word") << "-word" << Kind::paragraph << 0 << "-word";
        QTest::newRow("plus and space") << "+ plus" << Kind::paragraph << 0 << "+ plus";
        QTest::newRow("numbered") << "1. First" << Kind::paragraph << 0 << "1. First";
        QTest::newRow("quote marker kept") << "> quoted" << Kind::paragraph << 0 << "> quoted";
        QTest::newRow("rule-like line kept") << "---" << Kind::paragraph << 0 << "---";
        QTest::newRow("html kept as text") << "<b>bold</b>" << Kind::paragraph << 0 << "<b>bold</b>";
        QTest::newRow("bullet holding a hash") << "- # not a heading" << Kind::bullet << 0 << "# not a heading";
        QTest::newRow("blank") << " \t " << Kind::blank << 0 << "";
        QTest::newRow("empty") << "" << Kind::blank << 0 << "";
        QTest::newRow("carriage return is not white space here") << "\r" << Kind::paragraph << 0 << "\r";
    }

    void classify()
    {
        QFETCH(QString, line);
        QFETCH(Kind, kind);
        QFETCH(int, level);
        QFETCH(QString, text);
        const ReleaseNotes::Line classified = ReleaseNotes::classify(line);
        QCOMPARE(classified.kind, kind);
        QCOMPARE(classified.level, level);
        QCOMPARE(ReleaseNotes::plainText(classified.text), text);
    }

    void splitsAtLineFeedsOnly()
    {
        const QList<ReleaseNotes::Line> lines = ReleaseNotes(QStringLiteral("# Title\n\n\n- one\nend")).lines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(1).kind, Kind::blank);
        QCOMPARE(lines.at(2).kind, Kind::blank);
        QCOMPARE(lines.at(3).kind, Kind::bullet);

        // CR LF line ends read like LF ones; a lone CR never splits.
        const QList<ReleaseNotes::Line> crlf = ReleaseNotes(QStringLiteral("## Title\r\n- item\r\n\r\nend")).lines();
        QCOMPARE(crlf.size(), 4);
        QCOMPARE(crlf.at(0).kind, Kind::heading);
        QCOMPARE(ReleaseNotes::plainText(crlf.at(0).text), QStringLiteral("Title"));
        QCOMPARE(crlf.at(1).kind, Kind::bullet);
        QCOMPARE(ReleaseNotes::plainText(crlf.at(1).text), QStringLiteral("item"));
        QCOMPARE(crlf.at(2).kind, Kind::blank);
        const QList<ReleaseNotes::Line> crOnly = ReleaseNotes(QStringLiteral("first\rsecond")).lines();
        QCOMPARE(crOnly.size(), 1);
        QCOMPARE(crOnly.first().kind, Kind::paragraph);
        QVERIFY(ReleaseNotes::plainText(crOnly.first().text).contains(QStringLiteral("first")));
        QVERIFY(ReleaseNotes::plainText(crOnly.first().text).contains(QStringLiteral("second")));
    }

    void inlineStyles_data()
    {
        QTest::addColumn<QString>("markdown");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("styled"); // the run expected to carry a style
        QTest::addColumn<QString>("style");  // strong, emphasis, code or a link target

        QTest::newRow("strong") << "Now **faster** than ever"
                                << "Now faster than ever"
                                << "faster"
                                << "strong";
        QTest::newRow("emphasis") << "An *important* fix"
                                  << "An important fix"
                                  << "important"
                                  << "emphasis";
        QTest::newRow("code") << "Run `horavia --help`"
                              << "Run horavia --help"
                              << "horavia --help"
                              << "code";
        QTest::newRow("link") << "See [the notes](https://example.org/n)"
                              << "See the notes"
                              << "the notes"
                              << "https://example.org/n";
        QTest::newRow("unclosed markup kept") << "2 * 3 **not closed"
                                              << "2 * 3 **not closed"
                                              << ""
                                              << "";
        QTest::newRow("underscores in words kept") << "snake_case_name"
                                                   << "snake_case_name"
                                                   << ""
                                                   << "";
        QTest::newRow("backslash kept") << "C:\\path"
                                        << "C:\\path"
                                        << ""
                                        << "";
    }

    void inlineStyles()
    {
        QFETCH(QString, markdown);
        QFETCH(QString, plain);
        QFETCH(QString, styled);
        QFETCH(QString, style);
        const StyledText text = ReleaseNotes::parseInline(QStringLiteral("  ") + markdown + QStringLiteral(" "));
        QCOMPARE(ReleaseNotes::plainText(text), plain);
        for (const StyledRun& run : text) {
            const bool expected = run.text == styled;
            const bool has = style == QLatin1String("strong")     ? run.strong
                             : style == QLatin1String("emphasis") ? run.emphasis
                             : style == QLatin1String("code")     ? run.code
                                                                  : (!style.isEmpty() && run.link == style);
            QVERIFY2(has == expected, qPrintable(run.text));
        }
    }
};

QTEST_MAIN(TestReleaseNotes)
#include "TestReleaseNotes.moc"
