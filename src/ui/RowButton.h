#pragma once

#include <QAbstractButton>

// A full-width action row with a symbol and a title, drawn in RowButtonStyle.
// The whole padded row takes the click.
class RowButton : public QAbstractButton {
    Q_OBJECT

public:
    RowButton(const QString& symbol, const QString& title, QWidget* parent = nullptr);
    // A row for a shared command: its title, symbol, enabled state and
    // visibility follow the action, and a click triggers it.
    explicit RowButton(QAction* action, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The arrow keys belong to the panel around it (rows and the time), not
    // to the button's own walk through the tab order.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followAction(QAction* action);

    QString m_symbol;
    bool m_hovering = false;
};
