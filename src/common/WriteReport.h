#pragma once

#include <QString>

// What a writer tells its caller: whether the file now holds the new bytes,
// and the text for the status line either way. On a failure of the file
// system, `reason` holds its own words (such as "No space left on device"),
// or German ones where it gives none.
struct WriteReport {
    bool ok = false;
    QString statusText;
    QString reason;
};
