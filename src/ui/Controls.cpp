#include "Controls.h"

#include <QProgressBar>

namespace Controls {

QFont scaled(QFont font, qreal factor, QFont::Weight weight)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setWeight(weight);
    return font;
}

QProgressBar* busyIndicator(QWidget* parent)
{
    auto* busy = new QProgressBar(parent);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setFixedSize(48, 10);
    return busy;
}

} // namespace Controls
