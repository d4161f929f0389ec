#pragma once

class QAccessibleInterface;
class QLabel;
class RowListView;

// Accessible interfaces Qt's own do not give: a list whose section titles
// are headings, and a paragraph whose links are links.
namespace AccessibleViews {

// Each row says its model's accessible text; a heading row is a heading.
QAccessibleInterface* rowList(RowListView* view);
// A Markdown label: its shown text, with each link a child that opens it.
QAccessibleInterface* linkedParagraph(QLabel* label);

} // namespace AccessibleViews
