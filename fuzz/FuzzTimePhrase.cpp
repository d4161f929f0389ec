// A typed time: the chooser's field, the panel's and --at all read it. The
// first byte chooses the language whose words are read besides English's.
#include "planning/TimePhrase.h"

#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TimePhrase::Context context = [] {
        TimePhrase::Context made;
        made.now = QDateTime(QDate(2026, 3, 6), QTime(12, 0), Qt::UTC);
        made.home = {QStringLiteral("Home"), QTimeZone("America/New_York")};
        made.tracked = {{QStringLiteral("Kolkata"), QTimeZone("Asia/Kolkata")},
                        {QStringLiteral("Lord Howe"), QTimeZone("Australia/Lord_Howe")}};
        made.findPlace = [](const QString& name) -> std::optional<TimePhrase::Place> {
            if (name.size() % 3 == 0) return TimePhrase::Place{name, QTimeZone("Asia/Tokyo")};
            return std::nullopt;
        };
        return made;
    }();
    if (size == 0) return 0;
    static const char* const languages[] = {"en", "de", "fr", "es", "pt_BR", "ja", "zh_CN", "ar", "he"};
    TimePhrase::Context inLanguage = context;
    inLanguage.language = QString::fromLatin1(languages[data[0] % std::size(languages)]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const TimePhrase::Result result = TimePhrase::read(text, inLanguage);
    for (const TimePhrase::Reading& reading : result.readings)
        if (!reading.at.isValid() || std::abs(context.now.secsTo(reading.at)) > context.rangeSeconds) __builtin_trap();
    return 0;
}
