#include "ui/ListEditCommand.h"

#include "ui/NameListModel.h"

ListEditCommand::ListEditCommand(const QString &text, const QList<Change> &changes)
    : QUndoCommand(text)
{
    for (const Change &change : changes) {
        const QStringList &before = change.model->entries();
        const NameListModel::Difference d = NameListModel::difference(before, change.after);
        m_steps.append({change.model, d.first, before.mid(d.first, d.before), change.after.mid(d.first, d.after)});
    }
}

void ListEditCommand::replaceRows(NameListModel *model, qsizetype first, qsizetype count, const QStringList &with)
{
    const QStringList &entries = model->entries();
    QStringList result;
    result.reserve(entries.size() - count + with.size());
    result.append(entries.mid(0, first));
    result.append(with);
    result.append(entries.mid(first + count));
    model->setEntries(result);
}

void ListEditCommand::redo()
{
    for (const Step &step : std::as_const(m_steps))
        replaceRows(step.model, step.first, step.before.size(), step.after);
}

void ListEditCommand::undo()
{
    for (const Step &step : std::as_const(m_steps))
        replaceRows(step.model, step.first, step.after.size(), step.before);
}
