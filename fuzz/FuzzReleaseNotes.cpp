// The release notes: line classification and the inline Markdown parse.
#include "update/ReleaseNotes.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv); // QTextDocument wants fonts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const ReleaseNotes::Line& line : ReleaseNotes(text).lines())
        (void)ReleaseNotes::plainText(line.text);
    return 0;
}
