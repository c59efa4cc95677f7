#pragma once

#include <QList>
#include <QtGlobal>

#include "rules/RuleStep.h"

// Five steps of every common kind: a replacement, a pattern, a regular
// expression, a numbering and the case.
inline QList<RuleStep> fiveBenchSteps(const QString &pattern = QStringLiteral("baugruppe_*"))
{
    RuleStep replace;
    replace.kind = RuleStep::Kind::Replace;
    replace.text = QStringLiteral("projekt");
    replace.replacement = QStringLiteral("p");
    replace.every = true;
    replace.caseSensitive = false;
    RuleStep match;
    match.kind = RuleStep::Kind::Pattern;
    match.text = pattern;
    match.replacement = QStringLiteral("bg_*");
    RuleStep regex;
    regex.kind = RuleStep::Kind::Regex;
    regex.text = QStringLiteral("_(\\d+)$");
    regex.replacement = QStringLiteral("-$1");
    RuleStep number;
    number.kind = RuleStep::Kind::Number;
    number.text = QStringLiteral("*_####");
    RuleStep lower;
    lower.kind = RuleStep::Kind::Case;
    return {replace, match, regex, number, lower};
}

// The five steps over a full list of names, beside their goal.
void rulesBenchmark(qsizetype names);
// The window's side: the preview of a full list refreshed after a change.
void rulesPreviewBenchmark();
