// The city catalogue decoder: any bytes give a list or nothing, never a crash.
#include "catalogue/CatalogueFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto cities = CatalogueFile::decode(QByteArrayView(data, qsizetype(size)));
    if (cities)
        for (const City& city : *cities)
            (void)city.displayName();
    return 0;
}
