#include "OwnPages.h"

#if defined(Q_OS_UNIX)
#include <sys/mman.h>
#endif

QImage OwnPages::image(const QSize& size)
{
#if defined(Q_OS_UNIX)
    struct Pages {
        void* start;
        size_t length;
    };
    const auto length = size_t(size.width()) * size_t(size.height()) * 4;
    void* start = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start != MAP_FAILED) {
        QImage image(
            static_cast<uchar*>(start), size.width(), size.height(), qsizetype(size.width()) * 4,
            QImage::Format_ARGB32_Premultiplied,
            [](void* info) {
                const auto* pages = static_cast<Pages*>(info);
                ::munmap(pages->start, pages->length);
                delete pages;
            },
            new Pages{start, length});
        if (!image.isNull()) return image;
    }
#endif
    return QImage(size, QImage::Format_ARGB32_Premultiplied);
}
