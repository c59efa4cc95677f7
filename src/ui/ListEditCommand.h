#pragma once

#include <QList>
#include <QStringList>
#include <QUndoCommand>

class NameListModel;

// One undo step over one or both name lists: the entries before and after.
// The lists share their entries with the models (implicitly shared), so a
// step costs little more than its changed entries.
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
        QStringList before;
        QStringList after;
    };
    QList<Step> m_steps;
};
