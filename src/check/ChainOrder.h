#pragma once

#include <QString>
#include <QStringList>

// Puts the pairs into an order in which every rename finds its new name
// free: a pair whose new name is still the old name of another pair waits
// until that pair has run.
namespace ChainOrder {

struct Result {
    QStringList oldNames; // the entries' exact texts, moved in step
    QStringList newNames;
    qsizetype moved = 0;      // rows whose position changed
    bool ringsRemain = false; // some pairs could not be freed and kept their order
};

// Repeatedly takes, among the pairs not yet placed, the first whose new name
// is not the old name of another pair not yet placed; when none is left the
// rest follow in their current order (they are on or behind a ring). Rows
// beyond the shorter list stay where they are.
Result order(const QStringList &oldNames, const QStringList &newNames);

// For the status line: how many pairs moved, or that rings remain.
QString statusText(const Result &result);

} // namespace ChainOrder
