#pragma once

#include <QString>

// Reading a folder's use, made inside `tempFolder`, the first time and
// again after one file changed, each printed beside its goal.
void usageBenchmarks(const QString &tempFolder);
