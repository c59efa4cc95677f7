#pragma once

#include <QList>
#include <QStringList>
#include <QUndoCommand>

class NameListModel;

// One undo step over one or both name lists. A step keeps only the rows
// it changed, before and after, so a long history of edits in a full list
// costs little memory; the models must change through the undo stack
// alone.
class ListEditCommand : public QUndoCommand
{
public:
    struct Change {
        NameListModel *model = nullptr;
        QStringList after;
    };

    // Takes each model's current entries as its "before".
    ListEditCommand(const QString &text, const QList<Change> &changes);

    void redo() override;
    void undo() override;

private:
    struct Step {
        NameListModel *model;
        qsizetype first;
        QStringList before;
        QStringList after;
    };
    static void replaceRows(NameListModel *model, qsizetype first, qsizetype count, const QStringList &with);
    QList<Step> m_steps;
};
