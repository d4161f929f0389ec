#include "LibraryPages.h"

#include <QtGlobal>

#include <unicode/utypes.h>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace LibraryPages {

#if defined(Q_OS_LINUX)

namespace {

struct Search {
    quintptr address;
    bool released = false;
};

int releaseSegmentHolding(dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<Search*>(data);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD) continue;
        const quintptr start = info->dlpi_addr + segment.p_vaddr;
        const quintptr end = start + segment.p_memsz;
        if (search->address < start || search->address >= end) continue;
        if ((segment.p_flags & (PF_W | PF_X)) != 0 || segment.p_filesz != segment.p_memsz) return 1;
        // Whole pages only: a page shared with a neighbouring segment is left as it is.
        const auto page = quintptr(::sysconf(_SC_PAGESIZE));
        const quintptr first = (start + page - 1) & ~(page - 1);
        const quintptr last = end & ~(page - 1);
        search->released = first < last && ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED) == 0;
        return 1;
    }
    return 0;
}

} // namespace

bool releaseReadOnlyData(const void* address)
{
    Search search{reinterpret_cast<quintptr>(address)};
    dl_iterate_phdr(&releaseSegmentHolding, &search);
    return search.released;
}

bool releaseIcuData()
{
    // The tables' entry point, named for this ICU's version (icudt72_dat).
    const void* tables = ::dlsym(RTLD_DEFAULT, QT_STRINGIFY(U_ICUDATA_ENTRY_POINT));
    return tables && releaseReadOnlyData(tables);
}

void releaseMapped(const void* address, size_t length)
{
    // Page-aligned, as a mapping's start is.
    ::madvise(const_cast<void*>(address), length, MADV_DONTNEED);
}

#else

bool releaseReadOnlyData(const void*)
{
    return false;
}

bool releaseIcuData()
{
    return false;
}

void releaseMapped(const void*, size_t) {}

#endif

} // namespace LibraryPages
