#include "ui/NameListWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

NameListWidget::NameListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (m_handlingUserInput)
            emit Click();
    });
}

QStringList NameListWidget::entries() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.append(item(i)->text());
    return result;
}

void NameListWidget::setEntries(const QStringList &newEntries)
{
    clear();
    addItems(newEntries);
}

void NameListWidget::appendEntries(const QStringList &more)
{
    addItems(more);
}

int NameListWidget::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void NameListWidget::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    if (event->button() == Qt::LeftButton) {
        const QScopedValueRollback userInput(m_handlingUserInput, true);
        QListWidget::mousePressEvent(event);
    } else {
        event->accept();
    }
}

void NameListWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QScopedValueRollback userInput(m_handlingUserInput, true);
    QListWidget::mouseMoveEvent(event);
}

void NameListWidget::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback userInput(m_handlingUserInput, true);
    QListWidget::keyPressEvent(event);
}
