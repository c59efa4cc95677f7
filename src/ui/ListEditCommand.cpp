#include "ui/ListEditCommand.h"

#include "ui/NameListModel.h"

ListEditCommand::ListEditCommand(const QString &text, const QList<Change> &changes)
    : QUndoCommand(text)
{
    for (const Change &change : changes)
        m_steps.append({change.model, change.model->entries(), change.after});
}

void ListEditCommand::redo()
{
    for (const Step &step : std::as_const(m_steps))
        step.model->setEntries(step.after);
}

void ListEditCommand::undo()
{
    for (const Step &step : std::as_const(m_steps))
        step.model->setEntries(step.before);
}
