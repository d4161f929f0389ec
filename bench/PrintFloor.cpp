// The least a command-line clock can cost: a Qt Core program that formats
// the time once with ICU and exits. `scripts/print-vs-floor` runs it side by
// side with `horavia --print`.

#include <QCoreApplication>
#include <QDateTime>

#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("h:mm a"), icu::Locale("en_US"), status);
    icu::UnicodeString text;
    format.format(UDate(QDateTime::currentMSecsSinceEpoch()), text);
    std::string out;
    text.toUTF8String(out);
    std::printf("%s\n", out.c_str());
    return U_SUCCESS(status) ? 0 : 1;
}
