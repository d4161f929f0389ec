#pragma once

class QAccessibleInterface;
class QLabel;
class QListView;

// Accessible interfaces Qt's own do not give: a list whose section titles
// are headings, and a paragraph whose links are links.
namespace AccessibleViews {

// Rows whose model item is a section title read as headings; the rest as Qt's list items do.
QAccessibleInterface* cityList(QListView* view);
// A Markdown label: its shown text, with each link a child that opens it.
QAccessibleInterface* linkedParagraph(QLabel* label);

} // namespace AccessibleViews
