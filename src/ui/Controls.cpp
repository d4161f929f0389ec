#include "Controls.h"

#include <QLayout>
#include <QProgressBar>
#include <QWidget>

namespace Controls {

QFont scaled(QFont font, qreal factor, QFont::Weight weight)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setWeight(weight);
    return font;
}

void fitHeight(QWidget* window)
{
    QLayout* layout = window->layout();
    layout->activate();
    window->setFixedHeight(layout->hasHeightForWidth() ? layout->totalHeightForWidth(window->width())
                                                       : layout->totalSizeHint().height());
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
