#include "ui/output/OutputParagraphs.h"

#include "common/Cp1252.h"

#include <array>

namespace OutputParagraphs {

namespace {

// Decodes and copies every character in one pass and turns every line end
// into one separator; `decode` maps a unit of the source to UTF-16.
template <typename Unit, typename Decode>
QString grouped(const Unit *src, qsizetype n, qsizetype linesPerParagraph, Decode decode)
{
    QString text(n, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype written = 0;
    qsizetype linesInParagraph = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = decode(src[i]);
        if (c > u'\r' || (c != u'\r' && c != u'\n')) {
            out[written++] = c;
            continue;
        }
        if (c == u'\r' && i + 1 < n && src[i + 1] == Unit('\n'))
            ++i;
        if (++linesInParagraph == linesPerParagraph) {
            linesInParagraph = 0;
            out[written++] = QChar::ParagraphSeparator;
        } else {
            out[written++] = QChar::LineSeparator;
        }
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
    const QByteArrayView text = fileBytes.endsWith("\r\n") ? fileBytes.chopped(2) : fileBytes;
    const std::array<char16_t, 256> &table = cp1252Table();
    return grouped(text.data(), text.size(), linesPerParagraph,
                   [&table](char b) { return table[static_cast<unsigned char>(b)]; });
}

QString fromText(QStringView text, qsizetype linesPerParagraph)
{
    return grouped(text.utf16(), text.size(), linesPerParagraph, [](char16_t c) { return c; });
}

} // namespace OutputParagraphs
