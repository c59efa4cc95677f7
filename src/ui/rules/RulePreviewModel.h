#pragma once

#include "check/NameCheck.h"
#include "rules/RuleList.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

// The preview of the dialog "Regeln": one row per pair, "alt → neu", marked
// with the name check's findings as the name lists are (NameListModel's
// roles, for NameListDelegate). New rules are worked through in pieces of a
// few milliseconds between the window's events, so that it answers while a
// full list is computed; the rows show the names of the rules before until
// theirs are known, the marks once every name is.
class RulePreviewModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit RulePreviewModel(const QStringList &oldNames, QObject *parent = nullptr);

    void setRules(const QList<RuleStep> &steps);
    bool isBusy() const { return m_next < m_oldNames.size(); }
    const RuleList &rules() const { return m_rules; }
    const QStringList &newNames() const { return m_newNames; }
    // Pairs whose new name differs from the old one as it stands.
    qsizetype changedCount() const { return m_changed; }
    // The name check's line over the pairs: "Prüfung: 2 Fehler".
    const QString &checkSummary() const { return m_summary; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // How long one piece may take, in milliseconds.
    static constexpr int kPieceMs = 8;

signals:
    // Every new name and every mark are those of the rules last set.
    void refreshed();

private:
    void computePiece();

    QStringList m_oldNames;
    QStringList m_newNames;
    QList<NameCheck::RowMark> m_marks;
    RuleList m_rules;
    qsizetype m_next = 0;
    qsizetype m_changed = 0;
    QString m_summary;
    QTimer m_piece;
};
