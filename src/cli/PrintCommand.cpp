#include "PrintCommand.h"

#include "SettingsWatch.h"
#include "agenda/AgendaExport.h"
#include "agenda/Calendars.h"
#include "base/Translations.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/ClockExport.h"
#include "clock/ClockFormatter.h"
#include "clock/DisplayedTime.h"
#include "clock/TimeAnswer.h"
#include "platform/ContinuousTimer.h"
#include "platform/LoginItem.h"
#include "platform/UiLanguage.h"
#include "reminder/ReminderText.h"
#include "reminder/Reminders.h"
#include "settings/AppSettings.h"
#include "settings/JsonPreferences.h"
#include "text/LocaleText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The whole text is one message, so that a translation can rewrap it.
const char* const usage = QT_TRANSLATE_NOOP(
    "PrintCommand", "Usage: horavia [--toggle]\n"
                    "       horavia [--print[=text|line|json|waybar]] [--at TIME]\n"
                    "               [--city ID] [--follow]\n"
                    "\n"
                    "  --toggle         opens the tray panel of the running Horavia, or closes it;\n"
                    "                   starts Horavia with the panel open when none runs. Bind it to\n"
                    "                   a key in your desktop's keyboard settings.\n"
                    "\n"
                    "With --print, prints the time of your own zone and of every city you track, then\n"
                    "exits. It reads your settings, needs no display and leaves a running Horavia\n"
                    "alone.\n"
                    "\n"
                    "  --print          one line per clock: title, time, and the day when it differs\n"
                    "  --print=line     every clock on one line, for polybar and i3blocks\n"
                    "  --print=json     a JSON array: id, title, zone, utcOffset (seconds), localTime\n"
                    "                   (ISO 8601 with offset) and dayOffset of each clock, with\n"
                    "                   the next reminders at their times in its zone\n"
                    "  --print=waybar   one JSON object per line for waybar: text, tooltip, class\n"
                    "                   (markup-safe: \"&\", \"<\" and \">\" as entities)\n"
                    "  --at TIME        the clocks at another instant: ISO 8601 with an offset or Z\n"
                    "                   (2026-03-29T15:00Z), or a date and time in your zone\n"
                    "                   (2026-03-29T15:00). A time your clocks skip is an error, and\n"
                    "                   one they repeat is its first occurrence. Or as you would\n"
                    "                   write it: \"9am Tokyo\", \"Fri 14:00 in New York\", \"3pm PST\" (at\n"
                    "                   any date; an abbreviation is its zone's, so EST in July reads\n"
                    "                   as EDT).\n"
                    "  --city ID        waybar's text shows this city (an id of the catalogue)\n"
                    "                   instead of your own zone\n"
                    "  --follow         print again at each minute boundary and when the settings\n"
                    "                   change, until the reader goes\n"
                    "  -h, --help       this text\n");

void printUsage(FILE* to)
{
    std::fputs(QCoreApplication::translate("PrintCommand", usage).toLocal8Bit().constData(), to);
}

// A reader that went away ends the output quietly.
bool writeLine(const QByteArray& text)
{
    const QByteArray line = text + '\n';
    if (std::fwrite(line.constData(), 1, size_t(line.size()), stdout) != size_t(line.size())) return false;
    return std::fflush(stdout) == 0;
}

// The value an option was given, as the bytes the command line holds.
QByteArray rawValue(int argc, char** argv, const QByteArray& option)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == option && i + 1 < argc) return QByteArray(argv[i + 1]);
        if (argument.startsWith(option + '=')) return argument.mid(option.size() + 1);
    }
    return {};
}

// Bytes a terminal may show as they are: valid UTF-8 without control or
// format characters; invalid bytes and controls as \xNN, format characters
// (a direction override) as \uNNNN, so that a message cannot change the
// terminal or read as something else.
QString shown(const QByteArray& bytes)
{
    QString out;
    const auto* s = reinterpret_cast<const uint8_t*>(bytes.constData());
    const int32_t length = int32_t(bytes.size());
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (c < 0 || u_iscntrl(c)) {
            for (int32_t b = start; b < i; ++b)
                out += QStringLiteral("\\x%1").arg(s[b], 2, 16, QLatin1Char('0'));
        } else if (u_charType(c) == U_FORMAT_CHAR) { // a direction override would reorder the message
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        }
    }
    return out;
}

// A reader that closed its end of the pipe (a bar that quit) ends the
// output at once, not at the next minute's failed write. Only a pipe: a
// terminal or a socket can also be readable, which would wake the loop.
void endWhenTheReaderGoes(QCoreApplication& application)
{
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0 || !S_ISFIFO(status.st_mode)) return;
    // A pipe's writing end is never readable: poll reports only the hang-up
    // (POLLERR), which Qt's event loop hands to a reading notifier.
    auto* hangUp = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Read, &application);
    QObject::connect(hangUp, &QSocketNotifier::activated, &application, [&application, hangUp] {
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        if (::poll(&out, 1, 0) >= 0 && (out.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            hangUp->setEnabled(false);
            application.quit();
        }
    });
}

// The parser's own errors come from Qt's catalogue, which some languages
// lack: each is said again in ours.
QString parseError(const QCommandLineParser& parser, const QStringList& arguments,
                   const QList<QCommandLineOption>& valued)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        //: Command line error; %1 an option given ("--frobnicate")
        return QCoreApplication::translate("PrintCommand", "unknown option %1")
            .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) continue;
        const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
        const bool takesValue = std::any_of(valued.begin(), valued.end(), [&name](const QCommandLineOption& option) {
            return option.names().contains(name);
        });
        if (takesValue && !argument.contains(QLatin1Char('=')) && i + 1 == arguments.size())
            //: Command line error; %1 an option given without its value ("--city")
            return QCoreApplication::translate("PrintCommand", "%1 needs a value").arg(argument);
        if (!takesValue && argument.contains(QLatin1Char('=')))
            //: Command line error; %1 an option that takes no value ("--follow")
            return QCoreApplication::translate("PrintCommand", "%1 takes no value").arg(QStringLiteral("--") + name);
    }
    return parser.errorText();
}

} // namespace

namespace PrintCommand {

bool wanted(int argc, char** argv)
{
    // Qt's own single-dash options ("-platform", "-style") still reach the application.
    const QByteArray atLogin = LoginItem::atLoginArgument.toUtf8();
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || (argument.startsWith("--") && argument != atLogin && argument != "--toggle"))
            return true;
    }
    return false;
}

int run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Translations::install(UiLanguage::wanted());
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption print(QStringLiteral("print"), QString(), QStringLiteral("format"));
    const QCommandLineOption at(QStringLiteral("at"), QString(), QStringLiteral("time"));
    const QCommandLineOption city(QStringLiteral("city"), QString(), QStringLiteral("id"));
    const QCommandLineOption follow(QStringLiteral("follow"));
    parser.addOptions({help, at, city, follow});
    // "--print" alone or "--print=FORMAT": the parser wants a value, so a bare one gets the default.
    QStringList arguments = application.arguments();
    for (QString& argument : arguments)
        if (argument == QLatin1String("--print")) argument = QStringLiteral("--print=text");
    parser.addOption(print);
    // One line that says what is wrong and one that says where to read
    // more, as command-line tools do: the whole help buries the error.
    // Without the isolates a right-to-left interface sets around names:
    // terminals show them as boxes, or as nothing but a shifted cursor.
    const auto forTerminal = [](QString text) {
        text.remove(QRegularExpression(QStringLiteral("[\\x{2066}-\\x{2069}]")));
        return text;
    };
    const auto fail = [&forTerminal](const QString& why) {
        std::fprintf(
            stderr, "horavia: %s\n%s\n", qPrintable(forTerminal(why)),
            //: %1 is a command ("horavia --help")
            qPrintable(forTerminal(
                QCoreApplication::translate("PrintCommand", "Try “%1”.").arg(QStringLiteral("horavia --help")))));
        return 2;
    };
    if (!parser.parse(arguments)) return fail(parseError(parser, arguments, {at, city, print}));
    if (parser.isSet(help)) {
        printUsage(stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(
            //: Command line error; %1 an argument given
            QCoreApplication::translate("PrintCommand", "unexpected %1").arg(parser.positionalArguments().first()));
    const QString format = parser.isSet(print) ? parser.value(print) : QStringLiteral("text");
    const QStringList formats{QStringLiteral("text"), QStringLiteral("line"), QStringLiteral("json"),
                              QStringLiteral("waybar")};
    if (!formats.contains(format))
        //: Command line error; keep the option and format names; %1 the format given
        return fail(QCoreApplication::translate("PrintCommand", "--print takes text, line, json or waybar, not %1")
                        .arg(shown(rawValue(argc, argv, QByteArrayLiteral("--print")))));

    const QTimeZone home = QTimeZone::systemTimeZone();
    QDateTime instant = Clock::systemTime();
    const CityDatabase& database = CityDatabase::shared();
    // Another copy may be writing the settings: read them, change nothing.
    const QString settingsFile = JsonPreferences::defaultFileName();
    // --follow reads the settings again when their file changes, told by the
    // kernel (inotify), so that nothing wakes while they stay as they are: a
    // city added in the application reaches the bar at once. Watched from
    // before the first reading, so that no change falls between the two.
    std::function<void()> reread;
    std::unique_ptr<SettingsWatch> watch;
    if (parser.isSet(follow))
        watch = std::make_unique<SettingsWatch>(settingsFile, [&reread] {
            if (reread) reread();
        });
    std::unique_ptr<Preferences> store = JsonPreferences::snapshot(settingsFile);
    auto settings = std::make_unique<AppSettings>(*store, database);
    // --city: a tracked city, or any of the catalogue's; an id it does not
    // know is an error, not the home zone shown without a word.
    std::optional<City> chosenCity;
    if (parser.isSet(city)) {
        chosenCity = database.find(parser.value(city));
        if (!chosenCity)
            //: Command line error; keep --city; %1 the id given
            return fail(QCoreApplication::translate("PrintCommand", "--city: the catalogue has no city with the id %1")
                            .arg(LocaleText::isolated(shown(rawValue(argc, argv, QByteArrayLiteral("--city"))))));
    }
    if (parser.isSet(at)) {
        const QString shownAt = shown(rawValue(argc, argv, QByteArrayLiteral("--at")));
        const ClockExport::Instant parsed = ClockExport::parseInstant(parser.value(at), home, shownAt);
        if (parsed.at.isValid()) {
            instant = parsed.at;
        } else {
            // Not ISO 8601: a phrase, read against the user's own clocks.
            // At any date: the week either side of now bounds the panel's
            // cursor, not a script asking about July.
            TimePhrase::Context context =
                TimeAnswer::context(ClockEntry::entries(*settings, instant, home, database), home, database, instant);
            context.rangeSeconds = std::numeric_limits<qint64>::max();
            const TimePhrase::Result phrase = TimePhrase::read(parser.value(at), context);
            if (!phrase.readsAsTime()) return fail(parsed.error);
            if (phrase.readings.isEmpty())
                return fail(
                    TimeAnswer::answers(phrase, ClockFormatter(settings->value<TimeFormat>(SettingKey::timeFormat),
                                                               settings->value<DateFormat>(SettingKey::dateFormat)))
                        .first()
                        .text);
            if (phrase.readings.size() > 1) {
                QStringList places;
                for (const TimePhrase::Reading& reading : phrase.readings)
                    places << reading.place.name;
                return fail(QCoreApplication::translate("PrintCommand",
                                                        //: %1 an abbreviation typed, %2 the zones it can mean
                                                        "“%1” means more than one zone: %2. Name the city instead")
                                .arg(shownAt, LocaleText::list(places, LocaleText::interfaceLocale())));
            }
            instant = phrase.readings.first().at;
        }
    }
    if (parser.isSet(follow) && parser.isSet(at))
        //: Command line error; keep the option names
        return fail(QCoreApplication::translate("PrintCommand", "--follow follows now; it takes no --at"));

    const bool following = parser.isSet(follow);
    Clock clock(
        instant, [following, instant] { return following ? Clock::systemTime() : instant; }, ContinuousTimer::create());
    DisplayedTime time(
        clock, [&settings] { return settings->value<int>(SettingKey::timeStepMinutes); }, [home] { return home; });
    auto entries = std::make_unique<ClockEntries>(*settings, database, time);
    // The next event, where a calendar is on: subscriptions as the
    // application last fetched them (a bar asks every minute).
    CalendarList calendarList;
    std::unique_ptr<Calendars> calendars;
    if (calendarList.anyEnabled()) {
        calendars = std::make_unique<Calendars>(calendarList, time, &CalendarModule::load, false);
        calendars->load();
    }

    const auto render = [&]() -> QByteArray {
        const QDateTime now = time.instant();
        const QList<ClockEntry>& clocks = entries->entries();
        const std::optional<Occurrence> next = calendars ? calendars->nextEvent() : std::nullopt;
        if (format == QLatin1String("json")) {
            QJsonArray out = ClockExport::json(clocks, entries->formatter(), now);
            if (next) AgendaExport::addTo(out, clocks, *next, now);
            const std::unique_ptr<Preferences> reminders = JsonPreferences::snapshot(Reminders::defaultFileName());
            ReminderExport::addTo(out, clocks, Reminders::read(*reminders), entries->homeZone(), now);
            return QJsonDocument(out).toJson(QJsonDocument::Compact);
        }
        // The lines' texts alone: a zone's name, the sky and a notice would
        // cost a tenth of the run and show nowhere.
        const QList<ClockRowData> rows = ClockExport::rowsAt(clocks, entries->formatter(), now);
        if (format == QLatin1String("waybar")) {
            // A city that is not tracked is shown as it would be if it were.
            std::optional<ClockRowData> shownCity;
            if (chosenCity) {
                const auto tracked = std::find_if(clocks.begin(), clocks.end(),
                                                  [&](const ClockEntry& entry) { return entry.id == chosenCity->id; });
                shownCity = tracked != clocks.end() ? rows.at(tracked - clocks.begin())
                                                    : ClockExport::rowsAt({ClockEntry::forCity(*settings, *chosenCity)},
                                                                          entries->formatter(), now)
                                                          .first();
            }
            QJsonObject bar = ClockExport::waybar(rows, shownCity);
            if (next) AgendaExport::addTo(bar, clocks, entries->formatter(), *next, now);
            return QJsonDocument(bar).toJson(QJsonDocument::Compact);
        }
        if (format == QLatin1String("line")) return ClockExport::line(rows).toUtf8();
        return ClockExport::lines(rows).join(QLatin1Char('\n')).toUtf8();
    };
    // Following, a line is written when it differs from the last: a change
    // of the system's clock or a save of the settings that shows nothing
    // new gives a bar nothing to redraw.
    QByteArray written;
    bool wroteOnce = false;
    const auto output = [&] {
        QByteArray text = render();
        if (wroteOnce && text == written) return true;
        wroteOnce = true;
        written = text;
        return writeLine(text);
    };
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe shows as a failed write
    if (!output() || !parser.isSet(follow)) return 0;
    // Each minute, suspend-aware as the application's clock, until the reader goes.
    QObject::connect(&time, &DisplayedTime::instantChanged, &application, [&] {
        if (!output()) application.quit();
    });
    // A calendar's change shows at once, not at the next minute.
    if (calendars)
        QObject::connect(&calendars->agenda(), &Agenda::changed, &application, [&] {
            if (!output()) application.quit();
        });
    reread = [&] {
        entries.reset();
        settings.reset();
        store = JsonPreferences::snapshot(settingsFile);
        settings = std::make_unique<AppSettings>(*store, database);
        entries = std::make_unique<ClockEntries>(*settings, database, time);
        if (!output()) application.quit();
    };
    endWhenTheReaderGoes(application);
    return application.exec();
}

} // namespace PrintCommand
