#pragma once

#include "check/NameCheck.h"
#include "rules/RuleList.h"

#include <QAbstractListModel>
#include <QStringList>

#include <atomic>
#include <memory>

// The preview of the dialog "Regeln": one row per pair, "alt → neu", marked
// with the name check's findings as the name lists are (NameListModel's
// roles, for NameListDelegate). New rules are worked through on a thread of
// their own, the names and then their check, so that the window answers
// while a full list is computed; the rows show the names and marks of the
// rules before until the new ones are known, all at once. A change while a
// computation runs makes it stop and start again.
class RulePreviewModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit RulePreviewModel(const QStringList &oldNames, QObject *parent = nullptr);
    ~RulePreviewModel() override;

    void setRules(const QList<RuleStep> &steps);
    bool isBusy() const { return m_shown != *m_latest; }
    const RuleList &rules() const { return m_rules; }
    const QStringList &newNames() const { return m_shownResult.newNames; }
    // Pairs whose new name differs from the old one as it stands.
    qsizetype changedCount() const { return m_shownResult.changed; }
    // The name check's line over the pairs: "Prüfung: 2 Fehler".
    const QString &checkSummary() const { return m_shownResult.summary; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // Every new name and every mark are those of the rules last set.
    void refreshed();

private:
    struct Result {
        bool done = false;
        QStringList newNames;
        QList<NameCheck::RowMark> marks;
        QString summary;
        qsizetype changed = 0;
    };
    // On the worker's thread: stops early once `latest` has moved on.
    static void compute(const QList<RuleStep> &steps, const QStringList &oldNames, quint64 generation,
                        const std::atomic<quint64> &latest, Result &result);

    QStringList m_oldNames;
    RuleList m_rules;
    Result m_shownResult;
    // The rules last set, and those the rows show.
    std::shared_ptr<std::atomic<quint64>> m_latest = std::make_shared<std::atomic<quint64>>(0);
    quint64 m_shown = 0;
};
