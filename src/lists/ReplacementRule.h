#pragma once

#include <QString>
#include <QStringList>

namespace ReplacementRule {

// One new name per old name: the first occurrence of `expression` replaced
// by `replacement`, searched exactly and case-sensitively.
QStringList apply(const QStringList &oldNames, const QString &expression, const QString &replacement);

// How many of the names the rule changed: new names that differ from the
// old ones, character for character, as the rule compares.
qsizetype changedCount(const QStringList &oldNames, const QStringList &newNames);

} // namespace ReplacementRule
