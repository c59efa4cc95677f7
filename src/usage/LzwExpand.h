#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Expands what Unix `compress` writes (bytes 1f 9d, then codes of 9 to 16
// bits, least significant bit first), as object files store most of their
// sections. The output never grows past the caller's limit: a stream that
// would expand further is refused, not cut, so that nothing half-expanded
// passes for a whole section.
namespace LzwExpand {

enum class Status {
    Expanded,
    NotCompressed, // no 1f 9d at the start
    Garbled,       // a flag or code no compressor writes
    TooLarge,      // more than the limit
};

// Expands `compressed` into `out` (replaced, empty on failure).
Status expand(QByteArrayView compressed, qsizetype limit, QByteArray &out);

} // namespace LzwExpand
