#include "UtcOffset.h"

#include <QRegularExpression>

#include <cstdlib>

namespace UtcOffset {

std::optional<int> parse(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:utc|gmt)?\\s*([+\\-\\x{2212}])\\s*(\\d{1,2})(?::?(\\d{2}))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (minutes >= 60) return std::nullopt;
    const int seconds = (hours * 3600 + minutes * 60) * (match.captured(1) == QLatin1String("+") ? 1 : -1);
    if (seconds < -12 * 3600 || seconds > 14 * 3600) return std::nullopt;
    return seconds;
}

QString name(int seconds)
{
    if (seconds == 0) return QStringLiteral("UTC");
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QChar(0x2212) : QChar(u'+'))
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

} // namespace UtcOffset
