#pragma once

#include "check/NameCheck.h"
#include "verify/RunCheck.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

// The entries of one name list, with the name check's mark of each row and,
// while a check after a run stands, the run's state of each row.
// setEntries() tells views the smallest change it can see (one row edited,
// two rows swapped, rows added or taken at one place), so a selection stays
// on its entry, and resets them otherwise, which is fast at any size. A list
// built afresh resets them always: it keeps no mark, even when it comes out
// as it was.
class NameListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class Mark { None, Warning, Error };
    enum Role {
        MarkRole = Qt::UserRole + 1, // Mark as int
        RowNumberRole,               // 1-based, as the name check counts rows
        RunRole,                     // RunCheck::State as int; none without a run check
    };

    explicit NameListModel(QObject *parent = nullptr);

    // Where two versions of a list differ: from row `first` on, `before`
    // rows of the one stand where `after` rows of the other do; the rest
    // agrees. Among equal rows, rows taken or added could stand at several
    // places; `at` is the row where the change is known to begin (the
    // marked row that "markiertes löschen" takes), or -1 for the last
    // place. A mark left on an equal neighbour would name an entry the
    // user never chose.
    struct Difference {
        qsizetype first = 0;
        qsizetype before = 0;
        qsizetype after = 0;
    };
    static Difference difference(const QStringList &before, const QStringList &after, qsizetype at = -1);

    enum class Update { Smallest, Rebuilt };
    const QStringList &entries() const { return m_entries; }
    void setEntries(const QStringList &entries, Update update = Update::Smallest, qsizetype at = -1);

    // One mark per row; missing rows have none.
    void setMarks(const QList<NameCheck::RowMark> &marks);
    // One per row, or none to take the run's marks away.
    void setRunMarks(const QList<RunCheck::RowMark> &marks);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // After every change of the entries, whatever its kind.
    void entriesChanged();

private:
    QStringList m_entries;
    QList<NameCheck::RowMark> m_marks;
    QList<RunCheck::RowMark> m_runMarks;
};
