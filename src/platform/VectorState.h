#pragma once

#include <optional>

// The upper halves of the x86 vector registers. Code that uses 256-bit
// registers must clear them (vzeroupper) before it returns; while they stay
// dirty, every legacy SSE instruction in the process (our math, ICU,
// painting) pays a penalty on many Intel processors, a dozen times slower
// in a loop of arithmetic.
//
// Qt 6.4's string hashing leaves them dirty on processors with VAES: every
// QHash and QSet of strings, Qt's own included, runs it.
namespace VectorState {

// Makes the process keep them clean: when a string hash is seen to leave
// them dirty, Qt is told not to use its 256-bit hashing, so it takes its
// 128-bit AES path. Call first thing in main(), before any hash table of
// strings exists (their contents would otherwise hash differently).
void keepUpperHalvesClean();

// Whether the upper halves are in use now; none when the processor cannot
// tell (XGETBV with ECX=1) or is not x86-64.
std::optional<bool> upperHalvesInUse();

} // namespace VectorState
