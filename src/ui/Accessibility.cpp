#include "Accessibility.h"

#include "AccessibleViews.h"
#include "MainWindow.h"
#include "MenuBarPanel.h"
#include "RowListView.h"
#include "SettingsWindow.h"
#include "TimeStrip.h"
#include "WorldMapView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The application's windows, popups included: the tray panel is a popup,
// and Qt's own list of top-level windows for the tree leaves popups out.
class AccessibleApplication : public QAccessibleApplication {
public:
    int childCount() const override { return int(windows().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> all = windows();
        return index >= 0 && index < all.size() ? all.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(windows().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    static QList<QAccessibleInterface*> windows()
    {
        QList<QAccessibleInterface*> all;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->type() == Qt::Desktop) continue;
            // Hidden popups (a closed panel or menu) are no part of what is on screen.
            if (window->type() == Qt::Popup && !window->isVisible()) continue;
            if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object()) all.append(root);
        }
        return all;
    }
};

class AccessibleRole : public QAccessibleWidget {
public:
    AccessibleRole(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }
    // Under an open popup (the tray panel, a menu) Qt keeps the window below
    // it active, and reports it activated as the popup takes the keyboard:
    // a screen reader would announce the window nobody is in.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QWidget* popup = QApplication::activePopupWidget();
        if (widget()->isWindow() && popup && popup != widget()) state.active = false;
        return state;
    }
    // A value for a slider: what the widget describes.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && role() == QAccessible::Slider) return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }
};

// The strip as a slider with a value: minutes from now, said as its text
// ("Now, 3:00 PM", "Wed, Dec 9, 3:00 PM, in 2 days"); a screen reader
// speaks a slider's value changes only through this interface.
class AccessibleStrip : public AccessibleRole, public QAccessibleValueInterface {
public:
    explicit AccessibleStrip(TimeStrip* strip)
        : AccessibleRole(strip, QAccessible::Slider)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return AccessibleRole::interface_cast(type);
    }
    QVariant currentValue() const override { return strip()->minutesFromNow(); }
    void setCurrentValue(const QVariant& value) override { strip()->setMinutesFromNow(value.toInt()); }
    QVariant maximumValue() const override { return TimeStrip::rangeMinutes(); }
    QVariant minimumValue() const override { return -TimeStrip::rangeMinutes(); }
    QVariant minimumStepSize() const override { return strip()->stepMinutes(); }

private:
    TimeStrip* strip() const { return static_cast<TimeStrip*>(widget()); }
};

// The map's action: list the places near the point, as Return does.
class AccessibleMap : public AccessibleRole {
public:
    explicit AccessibleMap(QWidget* widget)
        : AccessibleRole(widget, QAccessible::Graphic)
    {
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& name) override
    {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

// Return and Enter press a focused button (a push or tool button, a
// panel's row), as Space does: outside a dialog Qt's buttons take only
// Space, and a keyboard user expects either. A check box or a radio button
// is no command, and a dialog's push buttons keep Qt's own handling.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled()) return false;
        if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) return false;
        if (qobject_cast<QPushButton*>(button) && qobject_cast<QDialog*>(button->window())) return false;
        button->animateClick();
        return true;
    }
};

// A combo box whose value a screen reader can read: Orca takes a closed
// box's value from its text, or from the selected row of its list, and
// Qt 6.4's combo box offers neither. Its one child is the list it opens.
class AccessibleComboBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleComboBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value || (type == QAccessible::Name && box()->accessibleName().isEmpty()))
            return box()->currentText();
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) box()->showPopup();
    }

    // The shown item's text, read only.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return int(box()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// What a window announces. Qt 6.4 has no announcement event, and a change
// of a name or description reaches Orca as an object, not a text; Orca does
// speak an object of the notification role as it comes into view. So this
// is one: of no size, never drawn, shown again for each text.
class Announcement : public QWidget {
public:
    static constexpr QLatin1StringView name{"announcement"};

    explicit Announcement(QWidget* window)
        : QWidget(window)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(0, 0);
        m_wait.setSingleShot(true);
        // Long enough to gather a typed word's keys or a turn of the wheel
        // into one, short enough to follow the key that caused it.
        m_wait.setInterval(300);
        QObject::connect(&m_wait, &QTimer::timeout, this, [this] { sayNow(); });
        // Shown again with its window, it would say its last words again.
        window->installEventFilter(this);
    }

    void say(const QString& text)
    {
        m_pending = text;
        m_wait.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Hide) hide();
        return false;
    }

private:
    void sayNow()
    {
        // A popup counts as active over the window under it: only the one in use speaks.
        const QWidget* popup = QApplication::activePopupWidget();
        if (m_pending.isEmpty() || !(popup ? window() == popup : window()->isActiveWindow())) return;
        // The same words again, straight after, are no news.
        if (m_pending == accessibleName() && m_since.isValid() && m_since.elapsed() < 2000) return;
        m_since.start();
        hide();
        setAccessibleName(m_pending);
        show();
    }

    QTimer m_wait;
    QElapsedTimer m_since;
    QString m_pending;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QApplication") && object == qApp) return new AccessibleApplication;
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<WorldMapView*>(widget)) return new AccessibleMap(widget);
    if (auto* list = qobject_cast<RowListView*>(widget)) return AccessibleViews::rowList(list);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->textFormat() == Qt::MarkdownText)
        return AccessibleViews::linkedParagraph(label);
    if (qobject_cast<MenuBarPanel*>(widget) || qobject_cast<MainWindow*>(widget))
        return new AccessibleRole(widget, QAccessible::Window);
    if (auto* strip = qobject_cast<TimeStrip*>(widget)) return new AccessibleStrip(strip);
    if (auto* box = qobject_cast<QComboBox*>(widget); box && !box->isEditable()) return new AccessibleComboBox(box);
    if (qobject_cast<SettingsWindow*>(widget)) return new AccessibleRole(widget, QAccessible::Dialog);
    if (dynamic_cast<Announcement*>(widget)) return new AccessibleRole(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
    qApp->installEventFilter(new ButtonKeys(qApp));
}

void announce(QWidget* near, const QString& text)
{
    if (!near || text.isEmpty() || !QAccessible::isActive()) return;
    QWidget* window = near->window();
    auto* announcement =
        dynamic_cast<Announcement*>(window->findChild<QWidget*>(Announcement::name, Qt::FindDirectChildrenOnly));
    if (!announcement) announcement = new Announcement(window);
    announcement->say(text);
}

} // namespace Accessibility
