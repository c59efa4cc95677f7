#include "common/Cp1252.h"

#include "common/ShownName.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Cp1252 {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool toByte(char16_t c, char &byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = char(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

QString characterAt(QStringView text, qsizetype i)
{
    if (QChar::isHighSurrogate(text.at(i).unicode()) && i + 1 < text.size()
        && QChar::isLowSurrogate(text.at(i + 1).unicode()))
        return text.mid(i, 2).toString();
    return text.mid(i, 1).toString();
}

} // namespace

bool encodeAppend(QStringView text, QByteArray &out, QString *firstUnrepresentable)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    return encodeInto(text, out.data() + start, firstUnrepresentable);
}

bool encodeInto(QStringView text, char *dst, QString *firstUnrepresentable)
{
    const qsizetype n = text.size();
    const char16_t *src = text.utf16();

    // Output texts run to 100 MB and are nearly all ASCII: copy a chunk in a
    // loop the compiler vectorises, and look at single characters only in a
    // chunk that holds something else.
    constexpr qsizetype kChunk = 4096;
    for (qsizetype begin = 0; begin < n; begin += kChunk) {
        const qsizetype end = std::min(n, begin + kChunk);
        char16_t seen = 0;
        for (qsizetype i = begin; i < end; ++i) {
            dst[i] = char(src[i]);
            seen |= src[i];
        }
        if (seen < 0x80)
            continue;
        for (qsizetype i = begin; i < end; ++i) {
            if (src[i] < 0x80)
                continue;
            if (!toByte(src[i], dst[i])) {
                if (firstUnrepresentable)
                    *firstUnrepresentable = characterAt(text, i);
                return false;
            }
        }
    }
    return true;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char16_t(b);
    }
    return text;
}

bool represents(char16_t c)
{
    char byte;
    return toByte(c, byte);
}

QString unrepresentableMessage(const QString &character, qsizetype row)
{
    const QString line = row < 0 ? QString() : u"Zeile "_s + QString::number(row + 1) + u": "_s;
    return line + u"Fehler: Zeichen außerhalb von Windows-1252: "_s + ShownName::character(character);
}

} // namespace Cp1252
