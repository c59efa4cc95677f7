#pragma once

#include "rules/RuleStep.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// New names from old ones by an ordered list of steps, each applied to the
// result of the one before. A step works on the old name as generation
// tidies it (drive, folder and version number taken off) without its
// extension, the text from its last dot on, which is kept as it stands. An
// empty old name gives an empty new name. The window's preview, its
// "Übernehmen" and velmorant-cli --rules all take their names from here.
class RuleList
{
public:
    explicit RuleList(const QList<RuleStep> &steps = {});

    // The new name of the old name that stands in row `row` (from 0), the
    // row a numbering counts.
    QString newName(const QString &oldName, qsizetype row) const;
    QStringList newNames(const QStringList &oldNames) const;

    // One per step: why it changes nothing (an invalid regular expression,
    // a numbering pattern with two runs of '#'), or empty for a step that
    // works. A step switched off has none.
    const QStringList &problems() const { return m_problems; }
    // The first problem, as "Schritt 2: ...", or empty.
    QString firstProblem() const;

    // Why a step cannot work, in German, or empty.
    static QString problemOf(const RuleStep &step);

private:
    // A piece of a replacement or of a numbering pattern: a literal text,
    // or a captured group (Regex, Pattern), or the name before the step
    // and the number (Number).
    struct Piece {
        enum class What { Text, Group, Name, Number };
        What what = What::Text;
        QString text;
        int group = 0;
    };
    struct Compiled {
        RuleStep step;
        QRegularExpression expression;
        QList<Piece> pieces;
        int width = 0; // Number: the run of '#', 0 without one
    };
    static QString applied(const Compiled &c, const QString &base, qsizetype row);
    static QString expanded(const QList<Piece> &pieces, const QRegularExpressionMatch &match);
    static void compileRegex(Compiled &c);
    static void compilePattern(Compiled &c);
    static void compileNumber(Compiled &c);

    QList<Compiled> m_steps;
    QStringList m_problems;
};
