#pragma once

#include <QtGlobal>

// Generation from a recorded template set beside the built-in set, printed
// beside its goal.
void templatesBenchmark(qsizetype pairs);
