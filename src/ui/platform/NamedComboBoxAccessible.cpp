#include "ui/platform/NamedComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

NamedComboBoxAccessible::NamedComboBoxAccessible(QComboBox *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{
}

QAccessibleInterface *NamedComboBoxAccessible::factory(const QString &className, QObject *object)
{
    auto *box = className == QLatin1String("QComboBox") ? qobject_cast<QComboBox *>(object) : nullptr;
    return box && !box->isEditable() ? new NamedComboBoxAccessible(box) : nullptr;
}

QComboBox *NamedComboBoxAccessible::box() const
{
    return static_cast<QComboBox *>(widget());
}

// Without a name of its own the list keeps Qt's: its chosen entry.
QString NamedComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value || (t == QAccessible::Name && box()->accessibleName().isEmpty()))
        return box()->currentText();
    return QAccessibleWidget::text(t);
}

int NamedComboBoxAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *NamedComboBoxAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
}

int NamedComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == box()->view() ? 0 : -1;
}

QAccessible::State NamedComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = box()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

QStringList NamedComboBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void NamedComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction())
        box()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}
