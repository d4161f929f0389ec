#pragma once

#include <QListView>

// A list of rows that a screen reader reads from the model: each row says
// its accessible text, and a row the model marks as a heading
// (RowRoles::heading) is one.
class RowListView : public QListView {
    Q_OBJECT

public:
    using QListView::QListView;
};
