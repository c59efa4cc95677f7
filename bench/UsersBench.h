#pragma once

#include <QString>

// The users of what is renamed: the name check with the rule on the users
// left behind, and with the users chosen for the run, beside the check
// without the folder's use; the generation with 2,000 users beside the
// one without. The folder's use is read from `folder` (makeUsageFolder).
void usersBenchmarks(const QString &folder);
