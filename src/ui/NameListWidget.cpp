#include "ui/NameListWidget.h"

#include <QMouseEvent>

NameListWidget::NameListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_settingEntries)
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
    m_settingEntries = true;
    clear();
    addItems(newEntries);
    m_settingEntries = false;
}

void NameListWidget::appendEntries(const QStringList &more)
{
    m_settingEntries = true;
    addItems(more);
    m_settingEntries = false;
}

int NameListWidget::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void NameListWidget::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    if (event->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(event);
    else
        event->accept();
}
