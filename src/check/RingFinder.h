#pragma once

#include "check/ComparedPairs.h"

#include <vector>

// Which pairs lie on a ring: following a pair to every other pair whose old
// name is its new name leads back to it. No order of one run can rename
// those, because each waits for another to free its new name.
std::vector<bool> pairsOnRings(const ComparedPairs &compared);
