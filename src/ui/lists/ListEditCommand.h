#pragma once

#include <QList>
#include <QStringList>

class NameListModel;

// One undo step over one or both name lists. A step keeps only the rows
// it changed, before and after, so a long history of edits in a full list
// costs little memory; the models must change through the window's
// ListHistory alone.
class ListEditCommand
{
public:
    struct Change {
        NameListModel *model = nullptr;
        QStringList after;
        // Built afresh: redoing the step leaves no entry of the list marked.
        bool rebuilt = false;
        // The row where the change begins, when the command knows it (a
        // deleted row among equal ones); -1 to leave it to the lists.
        qsizetype at = -1;
    };

    // Takes each model's current entries as its "before"; `text` names
    // the command, as the undo keys' actions show it.
    ListEditCommand(const QString &text, const QList<Change> &changes);

    const QString &text() const { return m_text; }
    void redo();
    void undo();
    // What the step holds in memory, estimated from above (UndoBudget).
    qint64 bytes() const { return m_bytes; }

private:
    struct Step {
        NameListModel *model;
        qsizetype first;
        QStringList before;
        QStringList after;
        bool rebuilt;
    };
    static void replaceRows(const Step &step, qsizetype count, const QStringList &with, bool rebuilt);
    QString m_text;
    QList<Step> m_steps;
    qint64 m_bytes = 0;
};
