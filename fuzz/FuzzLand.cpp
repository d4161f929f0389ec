// The land outlines decoder.
#include "map/WorldLand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)WorldLand::decode(QByteArrayView(data, qsizetype(size)));
    return 0;
}
