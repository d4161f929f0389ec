#pragma once

#include "ClockRowContent.h"

#include <QAbstractListModel>

class ClockEntries;

// The shared clock rows as an item model, for a view that lists them (the
// tray panel). A change of texts alone redraws the rows it touched; a new
// list of the same rows keeps the view's current row.
class ClockRowsModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Answers RowRoles' row and divider.
    // `shown`: what the view shows, and so what a screen reader hears.
    ClockRowsModel(const ClockEntries& entries, ClockRowParts shown, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void takeList();
    void takeTexts(int first, int last);
    QList<bool> noticesShown() const;

    const ClockEntries& m_entries;
    ClockRowParts m_shown;
    QStringList m_ids;
    mutable QList<bool> m_notices; // which rows have a notice line, once asked
};
