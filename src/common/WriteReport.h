#pragma once

#include <QString>

// What a writer tells its caller: whether the file now holds the new bytes,
// and the text for the status line either way. On a failure of the file
// system, `reason` says why ("Kein freier Speicherplatz auf dem
// Datenträger", see WriteFailure).
struct WriteReport {
    bool ok = false;
    QString statusText;
    QString reason;

    // The status text with the reason after it, as the user reads it.
    QString toldText() const { return reason.isEmpty() ? statusText : statusText + QStringLiteral(": ") + reason; }
};
