// libFuzzer target: the readers behind the table of contents, which the
// byte sums keep a whole-file fuzzer from reaching. The first byte chooses
// the reader, the rest is its input.
#include "usage/DependencySources.h"
#include "usage/LzwExpand.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    QList<Dependency> out;
    switch (data[0] % 6) {
    case 0: {
        QByteArray expanded;
        LzwExpand::expand(bytes, 1 << 20, expanded);
        if (expanded.size() > (1 << 20))
            __builtin_trap();
        break;
    }
    case 1:
        DependencySources::fromTokens(bytes, out);
        break;
    case 2:
        DependencySources::fromXml(bytes, out);
        break;
    case 3:
        DependencySources::fromDepDb(bytes, out);
        break;
    case 4:
        DependencySources::fromDrawingModels(bytes, out);
        break;
    case 5:
        DependencySources::fromPObject(bytes, out);
        break;
    }
    return 0;
}
