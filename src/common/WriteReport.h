#pragma once

#include <QString>

// What a writer tells its caller: whether the file now holds the new bytes,
// and the text for the status line either way.
struct WriteReport {
    bool ok = false;
    QString statusText;
};
