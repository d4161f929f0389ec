// The preferences file reader: every typed read of every key.
#include "FuzzFiles.h"
#include "settings/JsonPreferences.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = writeInput(QStringLiteral("settings.json"), data, size);
    const JsonPreferences preferences(path);
    for (const char* key : {"trackedCityIDs", "sortMode", "showsFlags", "customCityLabels", "lastSeenUpdateNotes"}) {
        const QString name = QString::fromLatin1(key);
        (void)preferences.stringArray(name);
        (void)preferences.string(name);
        (void)preferences.boolean(name);
        (void)preferences.dictionary(name);
    }
    return 0;
}
