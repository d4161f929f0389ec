#include "ClockRowContent.h"

#include "ClockFormatter.h"
#include "planning/ClockChange.h"
#include "text/LocaleText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

void makeLine(ClockRowTexts& texts, const ClockFormatter& formatter, const ZoneInstant& there, const ZoneInstant& home)
{
    texts.time = formatter.timeText(there);
    texts.dayOffset = ClockFormatter::dayOffset(home, there);
    if (texts.dayOffset == 0) return;
    texts.dayLabel = formatter.dayLabel(texts.dayOffset, there);
    texts.dayLabelInLine = formatter.dayLabel(texts.dayOffset, there, DayLabelPlace::inLine);
}

} // namespace

ClockRowTexts ClockRowTexts::of(const ClockRowContent& content, const ClockFormatter& formatter)
{
    s_made.fetch_add(1, std::memory_order_relaxed);
    ClockRowTexts texts;
    const ZoneInstant there(content.now, content.timeZone);
    const ZoneInstant home(content.now, formatter.homeTimeZone());
    makeLine(texts, formatter, there, home);
    texts.zoneName = formatter.zoneName(there);
    if (content.showsOffset && !content.isHome)
        texts.offset = LocaleText::offset(there.offset - home.offset, LocaleText::interfaceLocale());
    if (content.place) texts.sky = skyAt(content.now, content.place->latitude, content.place->longitude);
    if (content.schedule) {
        texts.dayPart = content.schedule->partAtLocal(there.wall());
        texts.notice = formatter.offsetChangeNotice(content.now, content.timeZone);
    }
    return texts;
}

ClockRowTexts ClockRowTexts::lineOf(const ClockRowContent& content, const ClockFormatter& formatter)
{
    ClockRowTexts texts;
    makeLine(texts, formatter, ZoneInstant(content.now, content.timeZone),
             ZoneInstant(content.now, formatter.homeTimeZone()));
    return texts;
}

QString ClockRowTexts::accessibleText(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown)
{
    QStringList parts{content.title};
    if (content.originalName && shown.originalName) parts.append(*content.originalName);
    parts.append(texts.time);
    if (texts.dayOffset != 0) parts.append(texts.dayLabelInLine);
    if (!texts.offset.isEmpty()) parts.append(texts.offset);
    //: Spoken of the row of the user's own time zone
    if (content.isHome) parts.append(QCoreApplication::translate("ClockRow", "your time zone"));
    if (texts.dayPart) parts.append(dayPartText(*texts.dayPart));
    // "night, dark" says one thing twice: the sky only where it adds to the part of the day.
    const bool saidByPart = texts.dayPart == DayPart::night && texts.sky == Sky::night;
    if (texts.sky && shown.sky && !saidByPart)
        //: Spoken of a clock row: where the sun stands at the place now
        parts.append(*texts.sky == Sky::day ? QCoreApplication::translate("ClockRow", "daylight")
                     //: Spoken of a clock row: the sun is just below the horizon there
                     : *texts.sky == Sky::twilight ? QCoreApplication::translate("ClockRow", "twilight")
                                                   //: Spoken of a clock row: it is night there
                                                   : QCoreApplication::translate("ClockRow", "dark"));
    //: Spoken of a search result whose city is in the user's list
    if (content.selection == ClockRowContent::Selection::checked)
        parts.append(QCoreApplication::translate("ClockRow", "tracked"));
    if (!texts.notice.isEmpty()) parts.append(texts.notice);
    return parts.join(QStringLiteral(", "));
}
