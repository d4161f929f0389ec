#include "CityLabelEditor.h"

#include "Controls.h"
#include "settings/AppSettings.h"
#include "text/LocaleText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>

namespace {

const QString homeId = QStringLiteral("home");

} // namespace

CityLabelEditor::CityLabelEditor(AppSettings& settings, const City& city, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_city(city)
{
    //: Title of the label editor; %1 a city
    setWindowTitle(tr("Rename %1").arg(LocaleText::isolated(city.displayName())));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(380);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);

    //: Title of the label editor; %1 a city
    auto* heading = new QLabel(tr("Rename %1").arg(LocaleText::isolated(city.displayName())), this);
    QFont headline = heading->font();
    headline.setWeight(QFont::DemiBold);
    heading->setFont(headline);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* fields = new QHBoxLayout;
    fields->setSpacing(10);
    m_emoji = new QLineEdit(settings.text(SettingKey::customCityEmoji, city.id).value_or(QString()), this);
    m_emoji->setFixedWidth(52);
    m_emoji->setAlignment(Qt::AlignCenter);
    //: The field of a city's emoji, shown before its name
    m_emoji->setAccessibleName(tr("Emoji"));
    const std::optional<QString> flag =
        settings.value<bool>(SettingKey::showsFlags) ? flagEmoji(city.country) : std::nullopt;
    m_emoji->setPlaceholderText(flag.value_or(QStringLiteral("🌍")));
    connect(m_emoji, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString first = firstCharacter(text);
        if (first != text) m_emoji->setText(first);
    });
    m_name = new QLineEdit(settings.text(SettingKey::customCityLabels, city.id).value_or(QString()), this);
    m_name->setPlaceholderText(city.displayName());
    //: The field of a city's own name, shown instead of the catalogue's
    m_name->setAccessibleName(tr("Name"));
    fields->addWidget(m_emoji);
    fields->addWidget(m_name, 1);
    layout->addLayout(fields);

    // The platform's emoji picker shortcut differs between desktops, so the
    // hint says what works everywhere.
    auto* hint = new QLabel(tr("Leave either field empty to use the default. Any emoji can be typed or "
                               "pasted into the first field."),
                            this);
    hint->setWordWrap(true);
    hint->setFont(Controls::scaled(hint->font(), Controls::caption));
    hint->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(hint);

    // Working hours: empty fields leave the city on the default.
    auto* hoursRow = new QHBoxLayout;
    hoursRow->setSpacing(6);
    const TimeRange fallback = settings.value<TimeRange>(SettingKey::defaultWorkingHours);
    const std::optional<TimeRange> own = settings.workingHours(city.id);
    const auto field = [this](const QString& name, const QTime& placeholder, const std::optional<QTime>& value) {
        // In the locale's digits, hours first in a right-to-left window too.
        const QLocale locale;
        auto* edit = new QLineEdit(value ? locale.toString(*value, QStringLiteral("HH:mm")) : QString(), this);
        edit->setPlaceholderText(locale.toString(placeholder, QStringLiteral("HH:mm")));
        edit->setLayoutDirection(Qt::LeftToRight);
        edit->setAccessibleName(name);
        edit->setFixedWidth(70);
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    };
    m_workFrom = field(tr("Working hours from"), fallback.from, own ? std::optional(own->from) : std::nullopt);
    m_workTo = field(tr("Working hours to"), fallback.to, own ? std::optional(own->to) : std::nullopt);
    //: %1 and %2 are the fields of the start and end times
    if (QLabel* lead = Controls::fieldsInSentence(hoursRow, tr("&Working hours: %1 to %2"), m_workFrom, m_workTo))
        lead->setBuddy(m_workFrom);
    hoursRow->addStretch(1);
    layout->addLayout(hoursRow);

    // The home row without a city of its own keeps only working hours.
    if (city.id == homeId) {
        //: Title of the editor of one city's working hours; %1 the city
        setWindowTitle(tr("Working Hours for %1").arg(LocaleText::isolated(city.displayName())));
        heading->setText(windowTitle());
        for (QWidget* part : std::initializer_list<QWidget*>{m_emoji, m_name, hint})
            part->hide();
        m_workFrom->setFocus(Qt::OtherFocusReason);
    }

    auto* buttons = new QHBoxLayout;
    m_reset = new QPushButton(tr("&Reset"), this);
    m_reset->setEnabled(settings.hasCustomization(city));
    m_reset->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setAutoDefault(false);
    m_save = new QPushButton(tr("&Save"), this);
    m_save->setDefault(true);
    buttons->addWidget(m_reset);
    buttons->addSpacing(20);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_save);
    layout->addLayout(buttons);

    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_settings.resetCustomization(m_city);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &CityLabelEditor::save);
    for (QLineEdit* edit : {m_workFrom, m_workTo})
        connect(edit, &QLineEdit::textChanged, this,
                [this] { m_save->setEnabled(parseHours(m_workFrom->text(), m_workTo->text()).valid); });
    if (city.id != homeId) m_name->setFocus(Qt::OtherFocusReason);
    m_reset->setVisible(city.id != homeId);
    Controls::fitHeight(this);
}

QString CityLabelEditor::firstCharacter(const QString& text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = graphemes.toNextBoundary();
    return end > 0 ? text.left(end) : text;
}

CityLabelEditor::Hours CityLabelEditor::parseHours(const QString& from, const QString& to)
{
    if (from.trimmed().isEmpty() && to.trimmed().isEmpty()) return {};
    // The locale's digits or Latin ones, which every keyboard has.
    const auto time = [](const QString& text) {
        for (const QLocale& locale : {QLocale(), QLocale::c()})
            for (const QString& format : {QStringLiteral("H:mm"), QStringLiteral("HH:mm"), QStringLiteral("H")}) {
                const QTime parsed = locale.toTime(text.trimmed(), format);
                if (parsed.isValid()) return parsed;
            }
        return QTime();
    };
    const QTime start = time(from);
    const QTime end = time(to);
    if (!start.isValid() || !end.isValid()) return {false, std::nullopt};
    return {true, TimeRange{start, end}};
}

void CityLabelEditor::save()
{
    const Hours hours = parseHours(m_workFrom->text(), m_workTo->text());
    if (!hours.valid) return;
    if (m_city.id != homeId) {
        m_settings.setCustomLabel(m_name->text(), m_city);
        m_settings.setCustomEmoji(m_emoji->text(), m_city);
    }
    if (hours.range != m_settings.workingHours(m_city.id)) m_settings.setWorkingHours(hours.range, m_city.id);
    accept();
}
