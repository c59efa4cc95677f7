#pragma once

#include <QString>

// Reading a working folder made inside `tempFolder`, the check against a
// folder, and the check after a run, each printed beside its goal.
void folderBenchmarks(const QString &tempFolder);
