#include "usage/LzwExpand.h"

#include <cstdint>
#include <vector>

namespace LzwExpand {

namespace {

constexpr int kInitialBits = 9;
constexpr int kTableSize = 1 << 16;
constexpr int kClear = 256;
constexpr int kFirstFree = 257; // after the clear code, in block mode
constexpr unsigned char kBlockMode = 0x80;
constexpr unsigned char kWidthMask = 0x1f;
constexpr unsigned char kReservedFlags = 0x60;

// The codes come in groups of eight codes of one width, so a group ends on
// a byte. When the width grows or the table is cleared, the compressor
// fills the rest of the group: the reader skips to the group's end, counted
// from where the current width began.
qint64 endOfGroup(qint64 position, qint64 groupStart, int bits)
{
    const qint64 groupBits = qint64(bits) * 8;
    const qint64 used = position - groupStart;
    return groupStart + (used + groupBits - 1) / groupBits * groupBits;
}

} // namespace

Status expand(QByteArrayView compressed, qsizetype limit, QByteArray &out)
{
    out.clear();
    if (compressed.size() < 3 || uchar(compressed[0]) != 0x1f || uchar(compressed[1]) != 0x9d)
        return Status::NotCompressed;
    const unsigned char flags = uchar(compressed[2]);
    const int maxBits = flags & kWidthMask;
    const bool blockMode = flags & kBlockMode;
    if ((flags & kReservedFlags) || maxBits < kInitialBits || maxBits > 16)
        return Status::Garbled;
    const qint64 maxMaxCode = qint64(1) << maxBits;

    // Each code's entry: the code before it and its last byte; a string is
    // spelt backwards from its last code and turned round.
    // Once per thread, on the heap: a folder's files are expanded one after
    // another, and a thread's stack may be small. An entry is read only
    // after it was written for this stream.
    struct Tables {
        std::vector<std::uint16_t> prefix = std::vector<std::uint16_t>(kTableSize);
        std::vector<unsigned char> suffix = std::vector<unsigned char>(kTableSize);
        // A string is at most one byte longer than the table has entries.
        std::vector<unsigned char> stack = std::vector<unsigned char>(kTableSize + 1);
    };
    thread_local Tables tables;
    std::vector<std::uint16_t> &prefix = tables.prefix;
    std::vector<unsigned char> &suffix = tables.suffix;
    std::vector<unsigned char> &stack = tables.stack;
    for (int i = 0; i < 256; ++i)
        suffix[i] = uchar(i);

    const unsigned char *data = reinterpret_cast<const unsigned char *>(compressed.data()) + 3;
    const qint64 totalBits = qint64(compressed.size() - 3) * 8;

    int bits = kInitialBits;
    // The largest code of the current width; at the widest, the table's end.
    const auto maxCodeOf = [&](int width) { return width == maxBits ? maxMaxCode : (qint64(1) << width) - 1; };
    qint64 maxCode = maxCodeOf(bits);
    qint64 freeEntry = blockMode ? kFirstFree : 256;
    qint64 position = 0, groupStart = 0;
    int oldCode = -1;
    unsigned char lastByte = 0;

    while (position + bits <= totalBits) {
        if (freeEntry > maxCode) {
            position = groupStart = endOfGroup(position, groupStart, bits);
            ++bits;
            maxCode = maxCodeOf(bits);
            continue;
        }
        // A code spans at most three bytes; the ones past the end read as 0.
        const qint64 byte = position >> 3;
        std::uint32_t window = 0;
        for (int i = 0; i < 3 && byte + i < compressed.size() - 3; ++i)
            window |= std::uint32_t(data[byte + i]) << (8 * i);
        int code = int((window >> (position & 7)) & ((1u << bits) - 1));
        position += bits;

        if (oldCode == -1) {
            if (code >= 256)
                return out.clear(), Status::Garbled;
            if (out.size() >= limit)
                return out.clear(), Status::TooLarge;
            oldCode = code;
            lastByte = uchar(code);
            out.append(char(lastByte));
            continue;
        }
        if (code == kClear && blockMode) {
            freeEntry = kFirstFree - 1;
            position = groupStart = endOfGroup(position, groupStart, bits);
            bits = kInitialBits;
            maxCode = maxCodeOf(bits);
            continue;
        }
        const int inCode = code;
        int depth = 0;
        if (code >= freeEntry) {
            // The one code that may come before its entry: the previous
            // string and its own first byte.
            if (code > freeEntry)
                return out.clear(), Status::Garbled;
            stack[depth++] = lastByte;
            code = oldCode;
        }
        while (code >= 256) {
            if (depth >= kTableSize)
                return out.clear(), Status::Garbled;
            stack[depth++] = suffix[code];
            code = prefix[code];
        }
        lastByte = suffix[code];
        stack[depth++] = lastByte;
        if (out.size() + depth > limit)
            return out.clear(), Status::TooLarge;
        const qsizetype start = out.size();
        out.resize(start + depth);
        for (int i = 0; i < depth; ++i)
            out[start + i] = char(stack[depth - 1 - i]);
        if (freeEntry < maxMaxCode) {
            prefix[freeEntry] = std::uint16_t(oldCode);
            suffix[freeEntry] = lastByte;
            ++freeEntry;
        }
        oldCode = inCode;
    }
    return Status::Expanded;
}

} // namespace LzwExpand
