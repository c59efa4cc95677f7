#include "ui/lists/NameListModel.h"

#include "ui/widgets/ShownText.h"

#include <algorithm>

NameListModel::NameListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

// Rows are only taken or only added when the equal head and the equal
// tail together cover the shorter list; where they overlap, the change may
// begin anywhere in the overlap.
NameListModel::Difference NameListModel::difference(const QStringList &before, const QStringList &after, qsizetype at)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (head + tail > shorter) {
        if (at >= 0)
            head = std::clamp(at, shorter - tail, head);
        tail = shorter - head;
    }
    return {head, before.size() - head - tail, after.size() - head - tail};
}

void NameListModel::setEntries(const QStringList &after, Update update, qsizetype at)
{
    if (update == Update::Rebuilt) {
        const bool changed = m_entries != after;
        beginResetModel();
        m_entries = after;
        endResetModel();
        if (changed)
            emit entriesChanged();
        return;
    }
    const QStringList &before = m_entries;
    const Difference d = difference(before, after, at);
    if (d.before == 0 && d.after == 0)
        return;
    const int first = int(d.first);
    const int removed = int(d.before);
    const int added = int(d.after);

    if (removed == 0) {
        beginInsertRows({}, first, first + added - 1);
        m_entries = after;
        endInsertRows();
    } else if (added == 0) {
        beginRemoveRows({}, first, first + removed - 1);
        m_entries = after;
        endRemoveRows();
    } else if (removed == 2 && added == 2 && before.at(first) == after.at(first + 1)
               && before.at(first + 1) == after.at(first)) {
        beginMoveRows({}, first + 1, first + 1, {}, first);
        m_entries = after;
        endMoveRows();
    } else if (removed == added) {
        m_entries = after;
        emit dataChanged(index(first), index(first + added - 1), {Qt::DisplayRole, Qt::EditRole});
    } else {
        beginResetModel();
        m_entries = after;
        endResetModel();
    }
    emit entriesChanged();
}

void NameListModel::setMarks(const QList<NameCheck::RowMark> &marks)
{
    if (marks.isEmpty() && m_marks.isEmpty())
        return;
    m_marks = marks;
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(rowCount() - 1), {MarkRole, Qt::ToolTipRole});
}

void NameListModel::setRunMarks(const QList<RunCheck::RowMark> &marks)
{
    if (marks.isEmpty() && m_runMarks.isEmpty())
        return;
    m_runMarks = marks;
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(rowCount() - 1), {RunRole, Qt::ToolTipRole});
}

int NameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant NameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const NameCheck::RowMark *mark = index.row() < m_marks.size() ? &m_marks.at(index.row()) : nullptr;
    const bool marked = mark && mark->any;
    const RunCheck::RowMark *run = index.row() < m_runMarks.size() ? &m_runMarks.at(index.row()) : nullptr;
    switch (role) {
    case Qt::DisplayRole: {
        // More than any row can show: a view never handles a 10 MB entry
        // whole just to paint its start.
        constexpr qsizetype kShown = 4096;
        const QString &entry = m_entries.at(index.row());
        return entry.size() > kShown ? entry.left(kShown) : entry;
    }
    case Qt::EditRole:
        return m_entries.at(index.row());
    case Qt::ToolTipRole: {
        // A row without a finding may still say who uses its name.
        const QString own = mark ? mark->tooltip : QString();
        const QString tooltip = own + (!own.isEmpty() && run ? QStringLiteral("\n") : QString())
            + (run ? run->tooltip : QString());
        return tooltip.isEmpty() ? QVariant() : QVariant(ShownText::asToolTip(ShownText::withShortLines(tooltip)));
    }
    case MarkRole:
        if (!marked)
            return int(Mark::None);
        return int(mark->worst == NameCheck::Severity::Error ? Mark::Error : Mark::Warning);
    case RowNumberRole:
        return index.row() + 1;
    case RunRole:
        return run ? QVariant(int(run->state)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags NameListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}
