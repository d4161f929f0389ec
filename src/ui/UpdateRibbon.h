#pragma once

#include <QAbstractButton>

// The banner that announces a new version across the top of the chooser.
// Its colour and dark text stay the same in light and dark palettes; the
// whole ribbon is the button. What a click does is the host's business.
class UpdateRibbon : public QAbstractButton {
    Q_OBJECT

public:
    explicit UpdateRibbon(QWidget* parent = nullptr);

    // The background, brighter while the pointer is over the ribbon.
    QColor background() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hovering = false;
};
