// The archive extractor over a fuzzed zip, with a small expansion limit.
#include "FuzzFiles.h"
#include "services/ZipExtractor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString archive = writeInput(QStringLiteral("payload.zip"), data, size);
    const QString out = scratch().filePath(QStringLiteral("out"));
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    (void)ZipExtractor::extract(archive, out, 8 << 20);
    QDir(out).removeRecursively();
    return 0;
}
