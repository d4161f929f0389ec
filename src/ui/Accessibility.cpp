#include "Accessibility.h"

#include "AccessibleViews.h"
#include "MenuBarPanel.h"
#include "RowListView.h"
#include "SettingsWindow.h"
#include "TimeStrip.h"
#include "WorldMapView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QApplication") && object == qApp) return new AccessibleApplication;
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<WorldMapView*>(widget)) return new AccessibleMap(widget);
    if (auto* list = qobject_cast<RowListView*>(widget)) return AccessibleViews::rowList(list);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->textFormat() == Qt::MarkdownText)
        return AccessibleViews::linkedParagraph(label);
    if (qobject_cast<MenuBarPanel*>(widget)) return new AccessibleRole(widget, QAccessible::Window);
    if (auto* strip = qobject_cast<TimeStrip*>(widget)) return new AccessibleStrip(strip);
    if (qobject_cast<SettingsWindow*>(widget)) return new AccessibleRole(widget, QAccessible::Dialog);
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

} // namespace Accessibility
