// libFuzzer target: a whole object file, as ObjectUse::read meets it. Any
// input must give a reading (known or not) without a crash, a hang or
// memory beyond the reader's bounds.
#include "usage/ObjectUse.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ObjectUse::Reading reading = ObjectUse::read(buffer);
    // A list is known exactly when no reason is given.
    if (reading.known != reading.reason.isEmpty())
        __builtin_trap();
    return 0;
}
