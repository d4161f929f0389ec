#include "Controls.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRegularExpression>
#include <QWidget>

namespace Controls {

QFont scaled(QFont font, qreal factor, QFont::Weight weight)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setWeight(weight);
    return font;
}

void fitHeight(QWidget* window)
{
    QLayout* layout = window->layout();
    layout->activate();
    window->setFixedHeight(layout->hasHeightForWidth() ? layout->totalHeightForWidth(window->width())
                                                       : layout->totalSizeHint().height());
}

QProgressBar* busyIndicator(QWidget* parent)
{
    auto* busy = new QProgressBar(parent);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setFixedSize(48, 10);
    return busy;
}

QLabel* fieldsInSentence(QBoxLayout* row, const QString& sentence, QWidget* first, QWidget* second)
{
    QLabel* lead = nullptr;
    qsizetype from = 0;
    static const QRegularExpression field(QStringLiteral("%([12])"));
    const auto words = [&](qsizetype end) {
        const QString text = sentence.mid(from, end - from).trimmed();
        if (text.isEmpty()) return static_cast<QLabel*>(nullptr);
        auto* label = new QLabel(text, first->parentWidget());
        // The words that carry the mnemonic ("&Working hours:") lead to the first field.
        if (!QKeySequence::mnemonic(text).isEmpty()) label->setBuddy(first);
        row->addWidget(label);
        return label;
    };
    for (const QRegularExpressionMatch& match : field.globalMatch(sentence)) {
        QLabel* before = words(match.capturedStart());
        QWidget* widget = match.captured(1) == QLatin1String("1") ? first : second;
        if (widget == first) lead = before;
        row->addWidget(widget);
        from = match.capturedEnd();
    }
    words(sentence.size());
    return lead;
}

QIcon colourDot(const QString& colour, const QPalette& palette)
{
    const qreal ratio = 2;
    QPixmap image(QSize(10, 10) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::isValidColorName(colour) ? QColor(colour) : palette.color(QPalette::Highlight));
    painter.drawEllipse(QRectF(1, 1, 8, 8));
    return QIcon(image);
}

QString withoutMnemonic(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*[(（]&[^&][)）]"));
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.remove(bracketed).replace(mark, QStringLiteral("\\1"));
}

} // namespace Controls
