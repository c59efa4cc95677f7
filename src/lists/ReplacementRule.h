#pragma once

#include <QString>
#include <QStringList>

namespace ReplacementRule {

// One new name per old name: the first occurrence of `expression` replaced
// by `replacement`, searched exactly and case-sensitively.
QStringList apply(const QStringList &oldNames, const QString &expression, const QString &replacement);

} // namespace ReplacementRule
