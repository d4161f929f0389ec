#include "AccessibleViews.h"

#include "RowListView.h"
#include "clock/RowRoles.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

namespace {

// Children made on demand and registered with the accessibility cache, which
// hands out their ids; they go with the interface that made them.
class ChildCache {
public:
    ~ChildCache()
    {
        for (const QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
    }
    template <typename Make> QAccessibleInterface* get(int index, Make make) const
    {
        if (const auto found = m_ids.constFind(index); found != m_ids.cend())
            return QAccessible::accessibleInterface(*found);
        QAccessibleInterface* made = make();
        m_ids.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    mutable QHash<int, QAccessible::Id> m_ids;
};

// An element without children of its own, pressed through its actions.
class Leaf : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A row of the list, by position: what it says is read from the model when asked.
class ListRow : public Leaf {
public:
    ListRow(QListView* view, int row)
        : m_view(view)
        , m_row(row)
    {
    }

    bool isValid() const override
    {
        return m_view && m_view->model() && m_row < m_view->model()->rowCount(m_view->rootIndex());
    }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid()) return {};
        if (type == QAccessible::Description) return index().data(Qt::AccessibleDescriptionRole).toString();
        if (type != QAccessible::Name) return {};
        const QString said = index().data(Qt::AccessibleTextRole).toString();
        return said.isEmpty() ? index().data(Qt::DisplayRole).toString() : said;
    }
    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect shown = m_view->visualRect(index());
        return {m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }
    QAccessible::Role role() const override
    {
        return isValid() && index().data(RowRoles::heading).toBool() ? QAccessible::Heading : QAccessible::ListItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex at = index();
        if (!m_view->visualRect(at).intersects(m_view->viewport()->rect())) state.offscreen = true;
        if (!(at.flags() & Qt::ItemIsSelectable)) return state;
        state.selectable = state.focusable = true;
        state.selected = m_view->selectionModel() && m_view->selectionModel()->isSelected(at);
        state.focused = m_view->hasFocus() && m_view->currentIndex() == at;
        return state;
    }

    QStringList actionNames() const override
    {
        return state().focusable ? QStringList{pressAction(), setFocusAction()} : QStringList();
    }
    // Press does what Return does on the row.
    void doAction(const QString& name) override
    {
        if (!state().focusable || !actionNames().contains(name)) return;
        m_view->setFocus(Qt::OtherFocusReason);
        m_view->setCurrentIndex(index());
        if (name != pressAction()) return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(m_view, &press);
    }

    int row() const { return m_row; }

private:
    QModelIndex index() const { return m_view->model()->index(m_row, 0, m_view->rootIndex()); }

    QPointer<QListView> m_view;
    int m_row;
};

class RowList : public QAccessibleWidget {
public:
    explicit RowList(QListView* view)
        : QAccessibleWidget(view, QAccessible::List)
    {
    }

    // Only the rows: the scroll bars and the viewport are no part of what is read.
    int childCount() const override { return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        return m_rows.get(index, [&] { return new ListRow(view(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* row = dynamic_cast<const ListRow*>(child);
        return row && row->parent() == this ? row->row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }

private:
    QListView* view() const { return static_cast<QListView*>(widget()); }

    ChildCache m_rows;
};

struct Link {
    QString text;
    QString address;
    int start = 0;
    int end = 0;
};

// The label's text laid out as the label shows it, and the links in it.
struct ShownText {
    explicit ShownText(const QLabel& label)
    {
        document.setDefaultFont(label.font());
        document.setDocumentMargin(0);
        document.setMarkdown(label.text());
        document.setTextWidth(label.contentsRect().width());
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextFragment part = fragment.fragment();
                const QString address = part.charFormat().anchorHref();
                if (address.isEmpty()) continue;
                if (!links.isEmpty() && links.last().address == address && links.last().end == part.position())
                    links.last().text += part.text();
                else
                    links.append({part.text(), address, part.position(), part.position()});
                links.last().end = part.position() + part.length();
            }
    }

    // Where a link's first line is, in the label's coordinates.
    QRectF where(const Link& link)
    {
        const QTextBlock block = document.findBlock(link.start);
        const QRectF box = document.documentLayout()->blockBoundingRect(block);
        const QTextLine line = block.layout()->lineForTextPosition(link.start - block.position());
        if (!line.isValid()) return {};
        const qreal left = line.cursorToX(link.start - block.position());
        const bool oneLine = link.end <= block.position() + line.textStart() + line.textLength();
        const qreal right = oneLine ? line.cursorToX(link.end - block.position()) : line.naturalTextRect().right();
        return QRectF(left, line.y(), right - left, line.height()).translated(box.topLeft());
    }

    QTextDocument document;
    QList<Link> links;
};

class ParagraphLink : public Leaf {
public:
    ParagraphLink(QLabel* label, int index)
        : m_label(label)
        , m_index(index)
    {
    }

    bool isValid() const override { return link().has_value(); }
    QWindow* window() const override { return m_label ? m_label->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_label.data()); }
    QAccessible::Role role() const override { return QAccessible::Link; }

    QString text(QAccessible::Text type) const override
    {
        const std::optional<Link> shown = link();
        if (!shown) return {};
        if (type == QAccessible::Name) return shown->text;
        if (type == QAccessible::Description) return shown->address;
        return {};
    }
    QRect rect() const override
    {
        if (!m_label) return {};
        ShownText shown(*m_label);
        if (m_index >= shown.links.size()) return {};
        const QRect box = shown.where(shown.links.at(m_index)).toAlignedRect();
        return box.translated(m_label->mapToGlobal(m_label->contentsRect().topLeft()));
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !isValid();
        state.linked = state.focusable = !state.invalid;
        return state;
    }

    QStringList actionNames() const override { return isValid() ? QStringList{pressAction()} : QStringList(); }
    // As a click on the link: opened, or handed to whoever listens.
    void doAction(const QString& name) override
    {
        const std::optional<Link> shown = link();
        if (!shown || name != pressAction()) return;
        if (m_label->openExternalLinks())
            QDesktopServices::openUrl(QUrl(shown->address));
        else
            emit m_label->linkActivated(shown->address);
    }

    int index() const { return m_index; }

private:
    std::optional<Link> link() const
    {
        if (!m_label) return std::nullopt;
        const QList<Link> links = ShownText(*m_label).links;
        return m_index < links.size() ? std::optional(links.at(m_index)) : std::nullopt;
    }

    QPointer<QLabel> m_label;
    int m_index;
};

class LinkedParagraph : public QAccessibleWidget {
public:
    explicit LinkedParagraph(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(type);
        return ShownText(*label()).document.toPlainText().trimmed();
    }
    int childCount() const override { return int(ShownText(*label()).links.size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        return m_links.get(index, [&] { return new ParagraphLink(label(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* link = dynamic_cast<const ParagraphLink*>(child);
        return link && link->parent() == this ? link->index() : -1;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    ChildCache m_links;
};

} // namespace

namespace AccessibleViews {

QAccessibleInterface* rowList(RowListView* view)
{
    return new RowList(view);
}

QAccessibleInterface* linkedParagraph(QLabel* label)
{
    return new LinkedParagraph(label);
}

} // namespace AccessibleViews
