#pragma once

// Every block of a megabyte or more, whoever allocates it, in pages of its
// own and given back when freed. The allocator's own threshold rises with
// the largest block freed, so that one peer's message of 16 MB (the bus
// allows 128) would leave the next ones of that size in the heap, resident
// for good. Call first thing in main.
namespace LargeBlocks {

void inOwnPages();

} // namespace LargeBlocks
