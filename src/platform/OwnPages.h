#pragma once

#include <QImage>
#include <QSize>

namespace OwnPages {

// An image (ARGB32, premultiplied) in memory pages of its own, given back to
// the system as soon as the image goes: from the allocator, the memory a
// large image took would stay with the process. A plain image where the
// system maps no anonymous pages.
QImage image(const QSize& size);

} // namespace OwnPages
