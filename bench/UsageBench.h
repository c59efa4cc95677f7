#pragma once

#include <QString>

// A folder of 2,000 assemblies and drawings of a megabyte each and 20,000
// parts, written by the tests' own writer of object files; false when it
// could not be made.
bool makeUsageFolder(const QString &folder);

// Reading that folder's use the first time and again after one file
// changed, each printed beside its goal.
void usageBenchmarks(const QString &folder);
