#pragma once

#include <QImage>
#include <QSize>

namespace OwnPages {

// An image (ARGB32, premultiplied) in memory pages of its own, given back to
// the system as soon as the image goes: from the allocator, the memory a
// large image took would stay with the process. A plain image where the
// system maps no anonymous pages.
QImage image(const QSize& size);

// Every block of a megabyte or more, whoever allocates it, in pages of its
// own and given back when freed. The allocator's own threshold rises with
// the largest block freed, so that one peer's message of 16 MB (the bus
// allows 128) would leave the next ones of that size in the heap, resident
// for good. Call first thing in main.
void forLargeBlocks();

} // namespace OwnPages
