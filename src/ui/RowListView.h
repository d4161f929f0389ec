#pragma once

#include <QAccessible>
#include <QListView>

// A list of rows that a screen reader reads from the model: each row says
// its accessible text, and a row the model marks as a heading
// (RowRoles::heading) is one.
class RowListView : public QListView {
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    // Qt tells a screen reader of a row that becomes current while the list
    // has the focus, not of the one already current when the focus comes:
    // that row would go unread, and the next key would seem to skip it.
    // Said after Qt's own word of the list's focus, which would otherwise
    // come last and leave the list, not the row, as what has the focus.
    void focusInEvent(QFocusEvent* event) override
    {
        QListView::focusInEvent(event);
        if (!QAccessible::isActive()) return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!hasFocus() || !currentIndex().isValid()) return;
                QAccessibleEvent focused(this, QAccessible::Focus);
                focused.setChild(currentIndex().row());
                QAccessible::updateAccessibility(&focused);
            },
            Qt::QueuedConnection);
    }
};
