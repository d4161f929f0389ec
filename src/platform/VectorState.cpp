#include "VectorState.h"

#include <QAtomicInteger>
#include <QHash>
#include <QtGlobal>

#if defined(Q_PROCESSOR_X86_64) && (defined(Q_CC_GNU) || defined(Q_CC_CLANG))
#include <cpuid.h>

// Qt's run-time processor features, exported by QtCore for its own modules.
extern QBasicAtomicInteger<quint64> qt_cpu_features[1];

namespace {

// Qt's feature bit for VAES on x86 (qsimd_x86_p.h).
constexpr quint64 qtFeatureVaes = quint64(1) << 27;

bool processorReportsInUseState()
{
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx) || !(ecx & bit_OSXSAVE)) return false;
    if (!__get_cpuid_count(0xd, 1, &eax, &ebx, &ecx, &edx)) return false;
    return (eax & (1u << 2)) != 0; // XGETBV with ECX=1
}

} // namespace

namespace VectorState {

std::optional<bool> upperHalvesInUse()
{
    static const bool supported = processorReportsInUseState();
    if (!supported) return std::nullopt;
    unsigned low = 0, high = 0;
    asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & (1u << 2)) != 0; // the AVX state component: upper halves of ymm0-15
}

void keepUpperHalvesClean()
{
    if (!(qt_cpu_features[0].loadRelaxed() & qtFeatureVaes)) return;
    // A seeded hash of a short string takes the 256-bit path when it is on.
    // Once to bind the call (the dynamic linker saves and restores the
    // registers' state), then once to watch.
    const auto hashOnce = [] {
        volatile size_t hash = qHashBits("vzeroupper", 10, 0x5eed);
        (void)hash;
    };
    const bool canTell = upperHalvesInUse().has_value();
    hashOnce();
    asm volatile("vzeroupper");
    hashOnce();
    if (!canTell || *upperHalvesInUse()) qt_cpu_features[0].fetchAndAndRelaxed(~qtFeatureVaes);
    asm volatile("vzeroupper");
}

} // namespace VectorState

#else

namespace VectorState {
std::optional<bool> upperHalvesInUse()
{
    return std::nullopt;
}
void keepUpperHalvesClean() {}
} // namespace VectorState

#endif
