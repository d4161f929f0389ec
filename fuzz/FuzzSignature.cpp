// The signature manifest reader: a fuzzed manifest and signature over a small
// real bundle. The first byte splits the input between the two files.
#include "FuzzFiles.h"
#include "services/CodeSignature.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const size_t split = std::min<size_t>(data[0], size - 1);
    writeInput(QStringLiteral("Fuzz.app/Contents/Horavia"), reinterpret_cast<const uint8_t*>("#!/bin/sh\n"), 10);
    writeInput(QStringLiteral("Fuzz.app/Contents/_CodeSignature/CodeSignature"), data + 1, split);
    writeInput(QStringLiteral("Fuzz.app/Contents/_CodeSignature/CodeResources"), data + 1 + split, size - 1 - split);
    const QString bundle = scratch().filePath(QStringLiteral("Fuzz.app"));
    (void)CodeSignature::signedTeam(bundle);
    (void)CodeSignature::verify(bundle);
    return 0;
}
