#include "ui/rules/RulePreviewModel.h"

#include "lists/ReplacementRule.h"
#include "ui/lists/NameListModel.h"

using namespace Qt::StringLiterals;

RulePreviewModel::RulePreviewModel(const QStringList &oldNames, QObject *parent)
    : QAbstractListModel(parent)
    , m_oldNames(oldNames)
    , m_next(oldNames.size())
{
    m_newNames.resize(m_oldNames.size());
    m_piece.setInterval(0);
    connect(&m_piece, &QTimer::timeout, this, &RulePreviewModel::computePiece);
}

void RulePreviewModel::setRules(const QList<RuleStep> &steps)
{
    m_rules = RuleList(steps);
    m_next = 0;
    if (m_oldNames.isEmpty()) {
        emit refreshed();
        return;
    }
    m_piece.start();
}

// The names first, piece by piece; the check needs them all, and runs once.
void RulePreviewModel::computePiece()
{
    QElapsedTimer clock;
    clock.start();
    const qsizetype first = m_next;
    while (m_next < m_oldNames.size()) {
        const qsizetype end = std::min(m_next + 256, m_oldNames.size());
        for (; m_next < end; ++m_next)
            m_newNames[m_next] = m_rules.newName(m_oldNames.at(m_next), m_next);
        if (clock.elapsed() >= kPieceMs)
            break;
    }
    if (m_next < m_oldNames.size()) {
        emit dataChanged(index(int(first)), index(int(m_next - 1)), {Qt::DisplayRole});
        return;
    }
    m_piece.stop();
    const QList<NameCheck::Finding> findings = NameCheck::check(m_oldNames, m_newNames);
    m_marks = NameCheck::rowMarks(findings, m_oldNames.size());
    m_summary = NameCheck::summary(findings);
    m_changed = ReplacementRule::changedCount(m_oldNames, m_newNames);
    emit dataChanged(index(0), index(int(m_oldNames.size() - 1)));
    emit refreshed();
}

int RulePreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_oldNames.size());
}

QVariant RulePreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_oldNames.size())
        return {};
    const qsizetype row = index.row();
    const NameCheck::RowMark mark = m_marks.value(row);
    switch (role) {
    case Qt::DisplayRole:
        return m_oldNames.at(row) + u"  →  "_s + m_newNames.at(row);
    case Qt::ToolTipRole:
        return mark.any ? QVariant(mark.tooltip) : QVariant();
    case NameListModel::MarkRole:
        return int(!mark.any                                      ? NameListModel::Mark::None
                       : mark.worst == NameCheck::Severity::Error ? NameListModel::Mark::Error
                                                                  : NameListModel::Mark::Warning);
    case NameListModel::RowNumberRole:
        return int(row + 1);
    default:
        return {};
    }
}
