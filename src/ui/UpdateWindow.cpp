#include "UpdateWindow.h"

#include "Accessibility.h"
#include "Controls.h"
#include "Symbols.h"
#include "update/ReleaseNotes.h"
#include "update/Updater.h"

#include <QDesktopServices>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int notesHeight = 240;

void insertRuns(QTextCursor& cursor, const StyledText& runs, const QTextCharFormat& base)
{
    for (const StyledRun& run : runs) {
        QTextCharFormat format = base;
        if (run.strong) format.setFontWeight(QFont::Bold);
        if (run.emphasis) format.setFontItalic(true);
        if (run.code) format.setFontFamilies({QStringLiteral("monospace")});
        if (!run.link.isEmpty()) {
            format.setAnchor(true);
            format.setAnchorHref(run.link);
            format.setFontUnderline(true);
            format.setForeground(QPalette().brush(QPalette::Link));
        }
        cursor.insertText(run.text, format);
    }
}

} // namespace

UpdateWindow::UpdateWindow(Updater& updater, QWidget* parent)
    : QDialog(parent)
    , m_updater(updater)
{
    //: Title of the update window
    setWindowTitle(tr("Software Update"));
    setFixedWidth(460);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);

    auto* title = new QLabel(tr("A new version of Horavia is available."), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setWordWrap(true);
    layout->addWidget(title);

    // The notes are someone else's text: links open in the browser, nothing
    // else is followed or loaded.
    m_notes = new QTextBrowser(this);
    m_notes->setOpenLinks(false);
    connect(m_notes, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
            QDesktopServices::openUrl(url);
    });
    m_notes->setFixedHeight(notesHeight);
    m_notes->setFrameShape(QFrame::NoFrame);
    m_notes->document()->setDocumentMargin(12);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setStyleSheet(
        QStringLiteral("QTextBrowser { background: rgba(128, 128, 128, 0.12); border-radius: 8px; }"));
    layout->addWidget(m_notes);

    m_nothing = new QLabel(tr("There's nothing waiting to install right now."), this);
    m_nothing->setFont(Controls::scaled(font(), Controls::callout));
    m_nothing->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_nothing);

    m_failureRow = new QWidget(this);
    auto* failureLayout = new QHBoxLayout(m_failureRow);
    failureLayout->setContentsMargins(0, 0, 0, 0);
    auto* warning = new QLabel(m_failureRow);
    warning->setPixmap(Symbols::pixmap(QStringLiteral("exclamationmark.triangle.fill"),
                                       palette().color(QPalette::PlaceholderText), 14, devicePixelRatioF()));
    warning->setAlignment(Qt::AlignTop);
    m_failure = new QLabel(m_failureRow);
    m_failure->setFont(Controls::scaled(font(), Controls::callout));
    m_failure->setForegroundRole(QPalette::PlaceholderText);
    m_failure->setWordWrap(true);
    m_failure->setTextFormat(Qt::PlainText);
    m_failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    failureLayout->addWidget(warning);
    failureLayout->addWidget(m_failure, 1);
    layout->addWidget(m_failureRow);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    m_busy = Controls::busyIndicator(this);
    m_progressText = new QLabel(this);
    m_progressText->setFont(Controls::scaled(font(), Controls::callout));
    m_progressText->setForegroundRole(QPalette::PlaceholderText);
    //: Not now: closes the offer of an update, beside "Install and Relaunch"
    m_later = new QPushButton(tr("&Later", "not now"), this);
    m_later->setAutoDefault(false);
    //: Button: installs the update and restarts Horavia
    m_install = new QPushButton(tr("&Install and Relaunch"), this);
    m_install->setDefault(true);
    buttons->addWidget(m_busy);
    buttons->addWidget(m_progressText);
    buttons->addStretch(1);
    buttons->addWidget(m_later);
    buttons->addWidget(m_install);
    layout->addLayout(buttons);

    // "Later" (and Escape, its key) withdraws the offer; the title bar's button just closes.
    connect(m_later, &QPushButton::clicked, this, [this] {
        // The notes are not recorded as seen: the next check offers them again.
        // A running install goes on; only the window closes.
        if (m_updater.phase().kind == Updater::Phase::Kind::available) m_updater.setPhase(Updater::Phase::idle());
        reject();
    });
    connect(m_install, &QPushButton::clicked, this, [this] {
        if (m_updater.phase().kind == Updater::Phase::Kind::available) m_updater.install();
    });
    connect(&m_updater, &Updater::phaseChanged, this, &UpdateWindow::refresh);
    refresh();
}

void UpdateWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_later->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateWindow::render(const ReleaseNotes& notes, QTextDocument& document)
{
    // A column of lines 5 px apart; headings get 5 px more above, a blank
    // line is an empty element 3 px high, a bullet is "•" and 7 px before
    // its text, which wraps under itself.
    constexpr int spacing = 5;
    constexpr int headingExtra = 5;
    constexpr int blankHeight = 3;
    constexpr int bulletGap = 7;
    document.clear();
    QTextCursor cursor(&document);
    const qreal base = document.defaultFont().pointSizeF();
    bool first = true;
    for (const ReleaseNotes::Line& line : notes.lines()) {
        using Kind = ReleaseNotes::Line::Kind;
        QTextBlockFormat block;
        block.setTopMargin(first ? 0 : spacing);
        QTextCharFormat format;
        format.setFontPointSize(base * Controls::callout);
        if (line.kind == Kind::heading) {
            block.setTopMargin(block.topMargin() + headingExtra);
            format.setFontPointSize(base * (line.level == 1 ? Controls::headline : Controls::subheadline));
            format.setFontWeight(QFont::DemiBold);
        }
        QTextCharFormat bullet = format;
        if (line.kind == Kind::bullet) {
            QFont font = document.defaultFont();
            font.setPointSizeF(format.fontPointSize());
            const qreal indent = QFontMetricsF(font).horizontalAdvance(QStringLiteral("•")) + bulletGap;
            block.setLeftMargin(indent);
            block.setTextIndent(-indent);
            bullet.setFontLetterSpacingType(QFont::AbsoluteSpacing);
            bullet.setFontLetterSpacing(bulletGap);
        }
        if (line.kind == Kind::blank) block.setLineHeight(blankHeight, QTextBlockFormat::FixedHeight);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        cursor.setBlockCharFormat(format);
        if (line.kind == Kind::bullet) cursor.insertText(QStringLiteral("•"), bullet);
        insertRuns(cursor, line.text, format);
    }
}

void UpdateWindow::refresh()
{
    const Updater::Phase phase = m_updater.phase();
    using Kind = Updater::Phase::Kind;
    const bool available = phase.kind == Kind::available;
    if (available && phase.text != m_shownNotes) {
        render(ReleaseNotes(phase.text), *m_notes->document());
        // Long notes open at their heading: building them left the
        // browser's cursor, and so its scrolling, at their end.
        m_notes->moveCursor(QTextCursor::Start);
        m_notes->verticalScrollBar()->setValue(0);
        m_shownNotes = phase.text;
    }
    m_notes->setVisible(available);
    m_nothing->setVisible(!available);
    m_failureRow->setVisible(phase.kind == Kind::failed);
    m_failure->setText(phase.kind == Kind::failed ? phase.text : QString());
    const QString progress = phase.progressText();
    m_busy->setVisible(!progress.isEmpty());
    m_progressText->setVisible(!progress.isEmpty());
    m_progressText->setText(progress);
    m_install->setEnabled(available);
    Controls::fitHeight(this);
    // Each phase is said as it comes: the window keeps its focus on Install or Cancel.
    const QString said = phase.kind == Kind::failed ? phase.text : progress;
    if (said != m_said) Accessibility::announce(this, said);
    m_said = said;
}
