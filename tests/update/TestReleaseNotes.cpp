#include "../support/DataTable.h"
#include "update/ReleaseNotes.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ReleaseNotes::Line::Kind;
Q_DECLARE_METATYPE(ReleaseNotes::Line::Kind)

class TestReleaseNotes : public QObject {
    Q_OBJECT

private slots:
    void classify_data()
    {
        addColumns<QString, Kind, int, QString>({"line", "kind", "level", "text"});

        QTest::newRow("level 2 heading") << "## What's new" << Kind::heading << 2 << "What's new";
        QTest::newRow("hash glued to a word") << "#Fixes" << Kind::heading << 1 << "Fixes";
        QTest::newRow("only hashes") << "###" << Kind::heading << 3 << "";
        QTest::newRow("hyphen bullet") << "- Faster start" << Kind::bullet << 0 << "Faster start";
        QTest::newRow("indented bullet") << "\t  - Nested" << Kind::bullet << 0 << "Nested";
        QTest::newRow("hyphen glued to a word") << "-word" << Kind::paragraph << 0 << "-word";
        QTest::newRow("html kept as text") << "<b>bold</b>" << Kind::paragraph << 0 << "<b>bold</b>";
        QTest::newRow("bullet holding a bullet marker") << "- + item" << Kind::bullet << 0 << "+ item";
        QTest::newRow("blank") << " \t " << Kind::blank << 0 << "";
        QTest::newRow("carriage return is not white space here") << "\r" << Kind::paragraph << 0 << "\r";
    }

    void classify()
    {
        auto [line, kind, level, text] = fetchRow<QString, Kind, int, QString>({"line", "kind", "level", "text"});
        const ReleaseNotes::Line classified = ReleaseNotes::classify(line);
        QCOMPARE(classified.kind, kind);
        QCOMPARE(classified.level, level);
        QCOMPARE(ReleaseNotes::plainText(classified.text), text);
    }

    // CR LF line ends read like LF ones; a lone CR never splits.
    void splitsIntoLines_data()
    {
        // shape: each line's kind and plain text
        addColumns<QString, QString>({"notes", "shape"});
        QTest::newRow("line feeds") << "# Title\n\n\n- one\nend"
                                    << "H:Title _: _: B:one P:end";
        QTest::newRow("CR LF") << "## Title\r\n- item\r\n\r\nend"
                               << "H:Title B:item _: P:end";
        QTest::newRow("lone CR") << "first\rsecond"
                                 << "P:first second";
    }

    void splitsIntoLines()
    {
        auto [notes, shape] = fetchRow<QString, QString>({"notes", "shape"});
        QStringList parts;
        for (const ReleaseNotes::Line& line : ReleaseNotes(notes).lines())
            parts.append(QString(QLatin1String("HBP_").at(int(line.kind))) + ':' + ReleaseNotes::plainText(line.text));
        QCOMPARE(parts.join(' '), shape);
    }

    void inlineStyles_data()
    {
        // styled: the run expected to carry a style
        // style: strong, emphasis, code or a link target
        addColumns<QString, QString, QString, QString>({"markdown", "plain", "styled", "style"});

        const auto row = [](const char* name, const char* markdown, const char* plain, const char* styled,
                            const char* style) { QTest::newRow(name) << markdown << plain << styled << style; };
        row("strong", "Now **faster** than ever", "Now faster than ever", "faster", "strong");
        row("emphasis", "An *important* fix", "An important fix", "important", "emphasis");
        row("code", "Run `horavia --help`", "Run horavia --help", "horavia --help", "code");
        row("link", "See [the notes](https://example.org/n)", "See the notes", "the notes", "https://example.org/n");
        row("strong at the start", "**Faster** start", "Faster start", "Faster", "strong");
        row("unclosed markup kept", "2 * 3 **not closed", "2 * 3 **not closed", "", "");
        row("underscores in words kept", "snake_case_name", "snake_case_name", "", "");
        row("backslash kept", "C:\\path", "C:\\path", "", "");
    }

    void inlineStyles()
    {
        auto [markdown, plain, styled, style] =
            fetchRow<QString, QString, QString, QString>({"markdown", "plain", "styled", "style"});
        const StyledText text = ReleaseNotes::parseInline(u"  "_s + markdown + u" "_s);
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
