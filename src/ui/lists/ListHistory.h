#pragma once

#include "ui/lists/ListEditCommand.h"

#include <QList>
#include <QObject>

#include <deque>
#include <memory>

// The window's undo history: every change of the name lists as one step,
// undone and redone one at a time, kept within UndoBudget. Qt's undo stack
// bounds only the number of its steps, fixed while it is empty, and cannot
// forget its oldest steps later; here the oldest go once the steps together
// hold more than the budget.
class ListHistory : public QObject
{
    Q_OBJECT

public:
    explicit ListHistory(qint64 budget, QObject *parent = nullptr);

    // Applies the step and keeps it; the steps undone before it are gone.
    void push(std::unique_ptr<ListEditCommand> step);
    void undo();
    void redo();
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The command the next undo or redo takes back or does again.
    QString undoText() const { return canUndo() ? m_steps[m_done - 1]->text() : QString(); }
    QString redoText() const { return canRedo() ? m_steps[m_done]->text() : QString(); }

signals:
    // After every push, undo and redo.
    void changed();

private:
    std::deque<std::unique_ptr<ListEditCommand>> m_steps;
    // The steps' estimates, in the same order.
    QList<qint64> m_costs;
    // Steps applied; the ones behind them can be redone.
    size_t m_done = 0;
    qint64 m_budget;
};
