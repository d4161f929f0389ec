#pragma once

#include "RowListView.h"
#include "clock/ClockRowContent.h"

class ClockEntries;

// The tray panel's clocks: one row per shared clock row, home first with a
// hairline under it when other clocks follow. As tall as its rows, so the
// panel grows with them until the screen stops it; only then does it
// scroll. The keys belong to the panel, which moves the current row.
class ClockListView : public RowListView {
    Q_OBJECT

public:
    // What the panel shows of a row: where the sun is, but not a relabelled city's catalogue name.
    static constexpr ClockRowParts parts{.originalName = false, .sky = true};

    explicit ClockListView(const ClockEntries& entries, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The width in which every row shows its names whole.
    int naturalWidth() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
