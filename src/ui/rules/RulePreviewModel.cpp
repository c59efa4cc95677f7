#include "ui/rules/RulePreviewModel.h"

#include "lists/ReplacementRule.h"
#include "ui/lists/NameListModel.h"

#include <QThread>

using namespace Qt::StringLiterals;

RulePreviewModel::RulePreviewModel(const QStringList &oldNames, QObject *parent)
    : QAbstractListModel(parent)
    , m_oldNames(oldNames)
{
    m_shownResult.newNames.resize(m_oldNames.size());
}

// A computation still running stops at its next look and is thrown away.
RulePreviewModel::~RulePreviewModel()
{
    ++*m_latest;
}

void RulePreviewModel::compute(const QList<RuleStep> &steps, const QStringList &oldNames, quint64 generation,
                               const std::atomic<quint64> &latest, Result &result)
{
    const RuleList rules(steps);
    result.newNames.reserve(oldNames.size());
    for (qsizetype row = 0; row < oldNames.size(); ++row) {
        if (row % 1024 == 0 && latest != generation)
            return;
        result.newNames.append(rules.newName(oldNames.at(row), row));
    }
    if (latest != generation)
        return;
    const QList<NameCheck::Finding> findings = NameCheck::check(oldNames, result.newNames);
    result.marks = NameCheck::rowMarks(findings, oldNames.size());
    result.summary = NameCheck::summary(findings);
    result.changed = ReplacementRule::changedCount(oldNames, result.newNames);
    result.done = true;
}

// The worker holds copies and shared pointers only: the model may go while
// it runs.
void RulePreviewModel::setRules(const QList<RuleStep> &steps)
{
    m_rules = RuleList(steps);
    const quint64 generation = ++*m_latest;
    auto result = std::make_shared<Result>();
    QThread *worker = QThread::create([steps, oldNames = m_oldNames, generation, latest = m_latest, result] {
        compute(steps, oldNames, generation, *latest, *result);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, generation, result] {
        if (!result->done || generation != *m_latest)
            return;
        m_shownResult = std::move(*result);
        m_shown = generation;
        if (!m_oldNames.isEmpty())
            emit dataChanged(index(0), index(int(m_oldNames.size() - 1)));
        emit refreshed();
    });
    worker->start();
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
    const NameCheck::RowMark mark = m_shownResult.marks.value(row);
    switch (role) {
    case Qt::DisplayRole:
        return m_oldNames.at(row) + u"  →  "_s + m_shownResult.newNames.at(row);
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
