#include "ui/lists/ListEditCommand.h"

#include "ui/lists/NameListModel.h"
#include "ui/lists/UndoBudget.h"

ListEditCommand::ListEditCommand(const QString &text, const QList<Change> &changes)
    : m_text(text)
{
    for (const Change &change : changes) {
        const QStringList &before = change.model->entries();
        const NameListModel::Difference d = NameListModel::difference(before, change.after, change.at);
        Step step{change.model, d.first, before.mid(d.first, d.before), change.after.mid(d.first, d.after),
                  change.rebuilt};
        m_bytes += UndoBudget::bytesOf(step.before) + UndoBudget::bytesOf(step.after);
        m_steps.append(std::move(step));
    }
}

void ListEditCommand::replaceRows(const Step &step, qsizetype count, const QStringList &with, bool rebuilt)
{
    const QStringList &entries = step.model->entries();
    QStringList result;
    result.reserve(entries.size() - count + with.size());
    result.append(entries.mid(0, step.first));
    result.append(with);
    result.append(entries.mid(step.first + count));
    // The rows change where the step found them, even among equal rows.
    step.model->setEntries(result, rebuilt ? NameListModel::Update::Rebuilt : NameListModel::Update::Smallest,
                           step.first);
}

void ListEditCommand::redo()
{
    for (const Step &step : std::as_const(m_steps))
        replaceRows(step, step.before.size(), step.after, step.rebuilt);
}

void ListEditCommand::undo()
{
    for (const Step &step : std::as_const(m_steps))
        replaceRows(step, step.after.size(), step.before, false);
}
