// A bundle's Info.plist reader.
#include "FuzzFiles.h"
#include "update/BundleInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput(QStringLiteral("Fuzz.app/Contents/Info.plist"), data, size);
    (void)BundleInfo::read(scratch().filePath(QStringLiteral("Fuzz.app")));
    return 0;
}
