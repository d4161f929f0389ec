// The prebuilt catalogue index: any bytes are refused or give a view whose
// every record, string and key can be read, never a crash.
#include "catalogue/CatalogueIndex.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size)); // aligned, as a mapping is
    const auto view = CatalogueIndex::View::open(bytes);
    if (!view) return 0;
    qsizetype total = 0;
    for (qsizetype i = 0; i < view->cityCount(); ++i)
        total += view->city(i).displayName().size();
    const auto starts = view->keyStarts();
    for (size_t k = 0; k + 1 < starts.size(); ++k)
        total += view->searchText().sliced(starts[k], qsizetype(starts[k + 1] - starts[k])).size();
    for (const quint32 city : view->byId())
        total += view->record(city).aliasCount;
    return total < 0;
}
