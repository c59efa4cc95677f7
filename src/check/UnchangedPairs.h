#pragma once

#include <QString>
#include <QStringList>

// Pairs whose new name names the object the old one already is, compared
// as the name check compares them (letter case, path and version aside; a
// new name without extension keeps the old one's type): their mapkeys
// would rename nothing, and each is a warning. A rule that changed a few
// names of many leaves such pairs behind.
namespace UnchangedPairs {

struct Result {
    QStringList oldNames;
    QStringList newNames;
    qsizetype removed = 0;
    // For the status line: how many pairs went, or why none did.
    QString status;
};

// Both lists without their unchanged pairs. Lists of different length are
// left as they are: their rows do not pair up.
Result removed(const QStringList &oldNames, const QStringList &newNames);

} // namespace UnchangedPairs
