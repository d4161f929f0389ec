#include "AboutWindow.h"

#include "Controls.h"
#include "RowButtonStyle.h"
#include "Symbols.h"
#include "update/BundleInfo.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QFile>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int iconSide = 36;

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

// One source: its icon, name and tagline, in the shared row button look.
class EntryRow : public QAbstractButton {
public:
    EntryRow(const AboutWindow::Entry& entry, QWidget* parent)
        : QAbstractButton(parent)
        , m_entry(entry)
        , m_icon(QStringLiteral(":/about/") + entry.icon)
    {
        setText(entry.name);
        setAccessibleName(entry.name + QStringLiteral(", ") + entry.tagline);
        setToolTip(entry.address);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return {200, iconSide + 2 * RowButtonStyle::verticalInset}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const RowButtonStyle style = RowButtonStyle::look(isDown(), m_hovering, palette());
        style.paintBackground(painter, QRectF(rect()));
        // Laid out left to right, then mirrored whole in a right-to-left window.
        const auto visual = [this](const QRectF& logical) {
            return QRectF(QStyle::visualRect(layoutDirection(), rect(), logical.toAlignedRect()));
        };
        const QRectF icon =
            visual(QRectF(RowButtonStyle::horizontalInset, (height() - iconSide) / 2.0, iconSide, iconSide));
        QPainterPath corners;
        corners.addRoundedRect(icon, 8, 8);
        painter.save();
        painter.setClipPath(corners);
        painter.drawPixmap(icon.toRect(), m_icon.pixmap(QSize(iconSide, iconSide), devicePixelRatioF()));
        painter.restore();

        const qreal left = RowButtonStyle::horizontalInset + iconSide + 10;
        const QFont name = Controls::scaled(font(), 1.0, QFont::Medium);
        const QFont caption = Controls::scaled(font(), Controls::caption);
        const qreal nameHeight = QFontMetricsF(name).height();
        const qreal total = nameHeight + 1 + QFontMetricsF(caption).height();
        const qreal top = (height() - total) / 2;
        painter.setPen(style.foreground);
        painter.setFont(name);
        painter.drawText(visual(QRectF(left, top, width() - left, nameHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                         text());
        QColor secondary = style.foreground;
        secondary.setAlphaF(0.6);
        painter.setPen(secondary);
        painter.setFont(caption);
        painter.drawText(visual(QRectF(left, top + nameHeight + 1, width() - left, QFontMetricsF(caption).height())),
                         Qt::AlignLeft | Qt::AlignVCenter, m_entry.tagline);
    }
    void enterEvent(QEnterEvent* event) override
    {
        m_hovering = true;
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        m_hovering = false;
        update();
        QAbstractButton::leaveEvent(event);
    }

private:
    AboutWindow::Entry m_entry;
    QIcon m_icon;
    bool m_hovering = false;
};

QString translated(const QJsonValue& text)
{
    return QCoreApplication::translate("AboutEntries", text.toString().toUtf8().constData());
}

// The texts of entries.json, for the catalogues: lupdate reads only code.
// A tagline added there needs its line here.
[[maybe_unused]] constexpr const char* entryTexts[] = {
    //: What a credit in About provides: the city catalogue
    QT_TRANSLATE_NOOP("AboutEntries", "The places, their regions and their time zones"),
    //: What a credit in About provides: the map's land shapes
    QT_TRANSLATE_NOOP("AboutEntries", "The outlines of the land on the map"),
    //: The name of IANA's tz database, as a credit in About
    QT_TRANSLATE_NOOP("AboutEntries", "Time Zone Database"),
    //: What the tz database credit provides
    QT_TRANSLATE_NOOP("AboutEntries", "The rules behind every clock, kept by IANA"),
};

} // namespace

AboutWindow::AboutWindow(const std::optional<BundleInfo>& info, QWidget* parent)
    : QDialog(parent)
    , openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setWindowTitle(tr("About Horavia"));
    setFixedWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 28, 24, 24);
    layout->setSpacing(16);

    auto* icon = new QLabel(this);
    icon->setPixmap(Symbols::applicationIcon().pixmap(QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(3);
    auto* name = new QLabel(QStringLiteral("Horavia"), this);
    QFont nameFont = name->font();
    nameFont.setPixelSize(22 * 4 / 3);
    nameFont.setWeight(QFont::DemiBold);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);
    m_version = new QLabel(versionLine(info), this);
    m_version->setTextFormat(Qt::PlainText);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setFont(Controls::scaled(font(), Controls::callout));
    m_version->setForegroundRole(QPalette::PlaceholderText);
    titles->addWidget(name);
    titles->addWidget(m_version);
    layout->addLayout(titles);
    layout->addWidget(divider(this));

    // What the data's licences ask to be said, and where everything comes from.
    const QStringList credits{
        tr("Horavia shows the time around the world. Every offset and daylight-saving change comes "
           "from your system's copy of the [IANA Time Zone Database](https://www.iana.org/time-zones); "
           "zone names, formats and country names come from [Unicode CLDR](https://cldr.unicode.org) "
           "through [ICU](https://icu.unicode.org)."),
        tr("City names, regions, coordinates and time zones are from [GeoNames](https://www.geonames.org), "
           "licensed under [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/), selected and "
           "modified. Land outlines are made with [Natural Earth](https://www.naturalearthdata.com), "
           "which is in the public domain."),
        tr("Built with [Qt](https://www.qt.io), used under the [GNU LGPL version 3]"
           "(https://www.gnu.org/licenses/lgpl-3.0.html)."),
    };
    auto* creditsLayout = new QVBoxLayout;
    creditsLayout->setSpacing(12);
    for (const QString& paragraph : credits) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::MarkdownText);
        label->setText(paragraph);
        label->setWordWrap(true);
        label->setFont(Controls::scaled(font(), Controls::callout));
        label->setOpenExternalLinks(true);
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        creditsLayout->addWidget(label);
    }
    layout->addLayout(creditsLayout);
    layout->addWidget(divider(this));

    auto* sources = new QVBoxLayout;
    sources->setSpacing(6);
    //: Heading of About's credits
    auto* heading = new QLabel(tr("The data behind Horavia"), this);
    heading->setFont(Controls::scaled(font(), 0.95, QFont::DemiBold));
    sources->addWidget(heading);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(2);
    rows->setContentsMargins(-8, 0, -8, 0);
    for (const Entry& entry : entries()) {
        auto* row = new EntryRow(entry, this);
        connect(row, &QAbstractButton::clicked, this, [this, entry] { open(entry); });
        rows->addWidget(row);
    }
    sources->addLayout(rows);
    layout->addLayout(sources);

    // The bundle's line is English; its year goes into the language's.
    static const QRegularExpression year(QStringLiteral("\\b(\\d{4})\\b"));
    const QRegularExpressionMatch found = year.match(info ? info->copyright : QString());
    //: %1 the year
    m_notice = new QLabel(found.hasMatch() ? tr("© %1 The Horavia developers").arg(found.captured(1))
                                           : tr("© The Horavia developers"),
                          this);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setFont(Controls::scaled(font(), Controls::caption));
    m_notice->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_notice);
    // 420 wide; tall enough for every wrapped line of the credits.
    Controls::fitHeight(this);
}

QString AboutWindow::versionLine(const std::optional<BundleInfo>& info)
{
    const QString shortVersion = info && !info->shortVersion.isEmpty() ? info->shortVersion : QStringLiteral("1.0");
    const QString build = info && !info->version.isEmpty() ? info->version : QStringLiteral("1");
    //: %1 the version number
    return shortVersion == build ? tr("Version %1").arg(shortVersion) : tr("Version %1 (%2)").arg(shortVersion, build);
}

QList<AboutWindow::Entry> AboutWindow::entries()
{
    Symbols::applicationIcon(); // registers the resources
    QFile file(QStringLiteral(":/about/entries.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<Entry> result;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject object = value.toObject();
        result.append(
            {translated(object.value(QStringLiteral("name"))), translated(object.value(QStringLiteral("tagline"))),
             object.value(QStringLiteral("address")).toString(), object.value(QStringLiteral("icon")).toString()});
    }
    return result;
}

void AboutWindow::open(const Entry& entry) const
{
    const QUrl url(entry.address, QUrl::StrictMode);
    if (url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
        !url.host().isEmpty())
        openUrl(url);
}
