#pragma once

#include <QString>

// Reading a working folder made inside `tempFolder`, and the check against
// a folder, each printed beside its goal.
void folderBenchmarks(const QString &tempFolder);
