#include "ui/lists/ListHistory.h"

#include "ui/lists/UndoBudget.h"

ListHistory::ListHistory(qint64 budget, QObject *parent)
    : QObject(parent)
    , m_budget(budget)
{
}

void ListHistory::push(std::unique_ptr<ListEditCommand> step)
{
    step->redo();
    m_steps.erase(m_steps.begin() + qsizetype(m_done), m_steps.end());
    m_costs.resize(qsizetype(m_done));
    m_costs.append(step->bytes());
    m_steps.push_back(std::move(step));
    const qsizetype forgotten = UndoBudget::oldestToForget(m_costs, m_budget);
    m_steps.erase(m_steps.begin(), m_steps.begin() + forgotten);
    m_costs.remove(0, forgotten);
    m_done = m_steps.size();
    emit changed();
}

void ListHistory::undo()
{
    if (!canUndo())
        return;
    m_steps[--m_done]->undo();
    emit changed();
}

void ListHistory::redo()
{
    if (!canRedo())
        return;
    m_steps[m_done++]->redo();
    emit changed();
}
