#include "ui/output/OutputParagraphs.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace OutputParagraphs {

namespace {

// What a line end becomes: the end of a paragraph after every
// `linesPerParagraph` lines, a line break within one otherwise.
char16_t separator(qsizetype linesPerParagraph, qsizetype &linesInParagraph)
{
    if (++linesInParagraph != linesPerParagraph)
        return QChar::LineSeparator;
    linesInParagraph = 0;
    return QChar::ParagraphSeparator;
}

// Decodes and copies every character in one pass and turns every line end
// into one separator; `decode` maps a unit of the source to UTF-16.
// `linesInParagraph` carries the count of lines from one piece to the next.
template <typename Unit, typename Decode>
QString grouped(const Unit *src, qsizetype n, qsizetype linesPerParagraph, Decode decode, qsizetype &linesInParagraph)
{
    QString text(n, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype written = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = decode(src[i]);
        if (c > u'\r' || (c != u'\r' && c != u'\n')) {
            out[written++] = c;
            continue;
        }
        if (c == u'\r' && i + 1 < n && src[i + 1] == Unit('\n'))
            ++i;
        out[written++] = separator(linesPerParagraph, linesInParagraph);
    }
    text.truncate(written);
    return text;
}

// The same for Windows-1252 bytes, the whole output of a generation: the
// line ends are found with memchr and the runs between them are widened in a
// loop the compiler vectorises; only a run that holds a byte from 0x80 on
// is decoded again through the code page's table.
QString groupedBytes(const char *src, qsizetype n, qsizetype linesPerParagraph, const std::array<char16_t, 256> &table,
                     qsizetype &linesInParagraph)
{
    QString text(n, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype written = 0;
    for (qsizetype i = 0; i < n;) {
        const auto *lineFeed = static_cast<const char *>(std::memchr(src + i, '\n', size_t(n - i)));
        qsizetype end = lineFeed ? lineFeed - src : n;
        if (const auto *cr = static_cast<const char *>(std::memchr(src + i, '\r', size_t(end - i))))
            end = cr - src;
        const auto *run = reinterpret_cast<const unsigned char *>(src + i);
        const qsizetype length = end - i;
        unsigned char seen = 0;
        for (qsizetype k = 0; k < length; ++k) {
            out[written + k] = run[k];
            seen |= run[k];
        }
        if (seen >= 0x80) {
            for (qsizetype k = 0; k < length; ++k)
                out[written + k] = table[run[k]];
        }
        written += length;
        if (end == n)
            break;
        i = end + (src[end] == '\r' && end + 1 < n && src[end + 1] == '\n' ? 2 : 1);
        out[written++] = separator(linesPerParagraph, linesInParagraph);
    }
    text.truncate(written);
    return text;
}

// Windows-1252 byte by byte, from the code page's own decoder.
const std::array<char16_t, 256> &cp1252Table()
{
    static const std::array<char16_t, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        const QString decoded = Cp1252::decode(bytes);
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = decoded.at(b).unicode();
        return t;
    }();
    return table;
}

} // namespace

QString fromFileBytes(QByteArrayView fileBytes, qsizetype linesPerParagraph)
{
    QString text;
    fromFileBytesInPieces(fileBytes, linesPerParagraph, fileBytes.size(),
                          [&text](const QString &piece) { text = piece; });
    return text;
}

// A piece never ends between the CR and the LF of one line end, so each
// line end is seen whole.
void fromFileBytesInPieces(QByteArrayView fileBytes, qsizetype linesPerParagraph, qsizetype pieceBytes,
                           const std::function<void(const QString &piece)> &piece)
{
    const QByteArrayView text = fileBytes.endsWith("\r\n") ? fileBytes.chopped(2) : fileBytes;
    const std::array<char16_t, 256> &table = cp1252Table();
    qsizetype linesInParagraph = 0;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::max<qsizetype>(from + 1, std::min(from + pieceBytes, text.size()));
        if (to < text.size()) {
            const qsizetype lineFeed = text.indexOf('\n', to - 1);
            to = lineFeed < 0 ? text.size() : lineFeed + 1;
        }
        piece(groupedBytes(text.data() + from, to - from, linesPerParagraph, table, linesInParagraph));
        from = to;
    }
}

QString fromText(QStringView text, qsizetype linesPerParagraph)
{
    qsizetype linesInParagraph = 0;
    return grouped(
        text.utf16(), text.size(), linesPerParagraph, [](char16_t c) { return c; }, linesInParagraph);
}

} // namespace OutputParagraphs
