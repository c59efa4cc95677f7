#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A drop-down list as a screen reader sees it: named by its accessible
// name, its chosen entry as its value. Qt 6.4 names a drop-down list on
// Linux by its chosen entry, so that the drive box was announced as "/".
// The popup's list stays its one child; expanding it is its one action.
class NamedComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboBoxAccessible(QComboBox *box);

    // For QAccessible::installFactory: every drop-down list that takes no
    // typing.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *box() const;
};
