#include "planning/PhraseWords.h"

#include "text/LocaleText.h"

#include <QMutex>

#include <unicode/dtfmtsym.h>

#include <map>
#include <memory>
#include <string>

namespace {

// What ICU's locale data has no words for: the hour words written with a
// number ("15 Uhr", "9h30", "9時", "9点") and the small words that join a
// time, a day and a place ("um", "à", "に", "在"). Written from each
// language's grammar; English's apply in every language.
struct OwnWords {
    const char* language;
    std::initializer_list<const char*> hourWords;
    std::initializer_list<const char*> minuteWords;
    std::initializer_list<const char*> links;      // before a time or a day ("um", "a las", "le")
    std::initializer_list<const char*> placeLinks; // before a place: no article, which names begin with ("La Paz")
    std::initializer_list<const char*> linkPrefixes;
};

const OwnWords ownWords[] = {
    {"en", {"o'clock"}, {}, {"in", "at", "on"}, {"in", "at"}, {}},
    {"de", {"uhr", "h"}, {}, {"um", "in", "am"}, {"in"}, {}},
    {"fr", {"h", "heure", "heures"}, {}, {"à", "le", "en"}, {"à", "en"}, {}},
    {"es", {"h"}, {}, {"a", "las", "la", "en", "el"}, {"en"}, {}},
    {"pt", {"h", "hora", "horas"}, {}, {"às", "as", "a", "em", "no", "na"}, {"em", "no", "na"}, {}},
    {"ja", {"時"}, {"分"}, {"に"}, {"に"}, {}},
    {"zh", {"点", "點", "时"}, {"分"}, {"在"}, {"在"}, {}},
    {"ar", {}, {}, {"في", "الساعة"}, {"في"}, {}},
    // Hebrew writes "in" and "at" onto the next word: "ב־9:00", "בטוקיו".
    {"he", {}, {}, {"ב", "ב־", "בשעה"}, {"ב", "ב־"}, {"ב־", "ב"}},
};

// A word both languages have keeps the meaning it was first given.
template <typename Value> void addOnce(QHash<QString, Value>& words, const QString& word, Value value)
{
    if (!words.contains(word)) words.insert(word, value);
}

QString qt(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

QString PhraseWords::fold(const QString& word)
{
    QString decomposed = word.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        // Accents, Arabic vowel marks and Hebrew points: typed or not, one word.
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing) continue;
        if (c == QLatin1Char('.') || c.isSpace()) continue;
        // The typographic apostrophe ICU writes ("aujourd’hui") as typed.
        if (c == QChar(0x2019)) {
            out.append(QLatin1Char('\''));
            continue;
        }
        out.append(c);
    }
    return out.normalized(QString::NormalizationForm_C);
}

QString PhraseWords::normalized(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c.isDigit() && c.unicode() > 0x7f && c.digitValue() >= 0)
            c = QChar(u'0' + c.digitValue());
        else if (c == QChar(0xff1a))
            c = QLatin1Char(':'); // full-width colon
        else if (c == QChar(0xff0c) || c == QChar(0x060c) || c == QChar(0x3001))
            c = QLatin1Char(','); // ，، 、
        else if (c == QChar(0x3000) || c == QChar(0x00a0) || c == QChar(0x202f))
            c = QLatin1Char(' ');
    }
    return out;
}

std::optional<int> PhraseWords::relativeDay(const QString& folded) const
{
    const auto found = m_relativeDays.constFind(folded);
    if (found == m_relativeDays.constEnd()) return std::nullopt;
    return *found;
}

std::optional<bool> PhraseWords::dayPeriod(const QString& folded) const
{
    const auto found = m_dayPeriods.constFind(folded);
    if (found == m_dayPeriods.constEnd()) return std::nullopt;
    return *found;
}

const PhraseWords& PhraseWords::of(const QString& language)
{
    // Asked at every reading: the name is the key, ICU's locale is made once.
    static QMutex lock;
    static QHash<QString, std::shared_ptr<const PhraseWords>> byName;
    static std::map<std::string, std::shared_ptr<const PhraseWords>> byLanguage;
    const QMutexLocker locked(&lock);
    if (const auto known = byName.constFind(language); known != byName.constEnd()) return **known;
    const icu::Locale locale(language.toLatin1().constData());
    std::shared_ptr<const PhraseWords>& words = byLanguage[locale.getLanguage()];
    if (!words) words.reset(new PhraseWords(locale));
    byName.insert(language, words);
    return *words;
}

PhraseWords::PhraseWords(const icu::Locale& language)
{
    // The language first: a word both have keeps the language's meaning.
    addLanguage(icu::Locale(language.getLanguage()));
    if (std::string(language.getLanguage()) != "en") addLanguage(icu::Locale("en"));
    // The 12-hour markers people type in English, with or without periods.
    m_dayPeriods.insert(QStringLiteral("am"), false);
    m_dayPeriods.insert(QStringLiteral("pm"), true);
}

void PhraseWords::addLanguage(const icu::Locale& language)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(language, status);
    if (U_SUCCESS(status)) {
        using Symbols = icu::DateFormatSymbols;
        for (const auto context : {Symbols::FORMAT, Symbols::STANDALONE}) {
            for (const auto width : {Symbols::WIDE, Symbols::ABBREVIATED, Symbols::SHORT}) {
                int32_t count = 0;
                const icu::UnicodeString* days = symbols.getWeekdays(count, context, width);
                // ICU counts from Sunday at 1; Qt from Monday.
                for (int32_t i = 1; i < count && i <= 7; ++i)
                    addOnce(m_weekdays, fold(qt(days[i])), (i + 5) % 7 + 1);
                if (width == Symbols::SHORT) continue;
                const icu::UnicodeString* months = symbols.getMonths(count, context, width);
                for (int32_t i = 0; i < count && i < 12; ++i)
                    addOnce(m_months, fold(qt(months[i])), i + 1);
            }
        }
        int32_t count = 0;
        const icu::UnicodeString* periods = symbols.getAmPmStrings(count);
        for (int32_t i = 0; i < count && i < 2; ++i) {
            const QString period = fold(qt(periods[i]));
            if (period.isEmpty()) continue;
            addOnce(m_dayPeriods, period, i == 1);
            // Written onto the number in Japanese and Chinese: "午後3時".
            if (period.front().script() == QChar::Script_Han) m_periodPrefixes.append(period);
        }
    }
    for (const int days : {-1, 0, 1}) {
        const QString word = fold(LocaleText::relativeDay(days, UDISPCTX_CAPITALIZATION_NONE, language));
        if (!word.isEmpty()) addOnce(m_relativeDays, word, days);
    }
    for (const OwnWords& own : ownWords) {
        if (std::string(own.language) != language.getLanguage()) continue;
        for (const char* word : own.hourWords)
            m_hourWords.append(fold(QString::fromUtf8(word)));
        for (const char* word : own.minuteWords)
            m_minuteWords.append(fold(QString::fromUtf8(word)));
        for (const char* word : own.links)
            m_links.append(fold(QString::fromUtf8(word)));
        for (const char* word : own.placeLinks)
            m_placeLinks.append(fold(QString::fromUtf8(word)));
        for (const char* word : own.linkPrefixes)
            m_linkPrefixes.append(QString::fromUtf8(word));
    }
}
