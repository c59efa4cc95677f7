#include "usage/UgcLayout.h"

#include "usage/LzwExpand.h"

#include <QSet>

using namespace Qt::StringLiterals;
using ObjectUse::FileKind;

namespace {

// Bounds of what is read. Real files keep their header and ASCII block in
// a few hundred kilobytes at most, their tables in a few hundred rows, and
// the sections that name the used objects in well under a megabyte.
constexpr qint64 kMaxLine = 512;
constexpr qint64 kHead = 64 << 10;
constexpr qint64 kMaxHeader = 8 << 20;
constexpr qint64 kMaxRowLength = 256;
constexpr qint64 kMaxRows = 8192;
constexpr int kMaxTables = 64;
constexpr qint64 kMaxStored = 16 << 20;
constexpr qint64 kMaxExpanded = 64 << 20;
// Every complete file ends with this line within its last bytes.
constexpr qint64 kTail = 64;
const QByteArray kEndMark = QByteArrayLiteral("#END_OF_UGC\n");

const QString kTruncated = u"Datei abgeschnitten"_s;
const QString kTocDamaged = u"Inhaltsverzeichnis beschädigt"_s;
const QString kSectionDamaged = u"Abschnitt beschädigt"_s;
const QString kVersion = u"Creo-Version nicht lesbar"_s;

bool parseHex(const QByteArray &text, qint64 &value)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    bool ok = false;
    value = text.toLongLong(&ok, 16);
    return ok && value >= 0;
}

// A row without its line end and the '#' that pad it; names may hold '#'
// ("ModelView#0") but never end in it.
QByteArray withoutPadding(QByteArray row)
{
    qsizetype end = row.size();
    while (end > 0 && (row.at(end - 1) == '#' || row.at(end - 1) == '\n'))
        --end;
    row.truncate(end);
    return row;
}

FileKind kindOf(const QByteArray &type)
{
    const QByteArray main = type.left(type.indexOf('/') < 0 ? type.size() : type.indexOf('/'));
    if (main == "PART")
        return FileKind::Part;
    if (main == "ASSEMBLY")
        return FileKind::Assembly;
    if (main == "DRAWING")
        return FileKind::Drawing;
    return FileKind::Other;
}

} // namespace

UgcLayout::UgcLayout(QIODevice &file)
    : m_file(file)
{
    m_size = file.size();
    if (file.seek(0))
        m_head = file.read(std::min(m_size, kHead));
    if (!readHeader())
        return;
    const QByteArray banner = lineAt(m_banner, kMaxLine);
    if (!banner.startsWith('#') || !banner.endsWith('\n')) {
        fail(kVersion);
        return;
    }
    const qint64 tocStart = m_banner + banner.size();
    const QByteArray first = lineAt(tocStart, kMaxLine);
    if (first.startsWith("#UGC_TOC "))
        readBinaryToc(tocStart);
    else if (first.startsWith("@Toc"))
        readLegacyToc(tocStart);
    else
        fail(kTocDamaged);
}

bool UgcLayout::fail(const QString &reason)
{
    if (m_reason.isEmpty())
        m_reason = reason;
    return false;
}

QByteArray UgcLayout::readAt(qint64 offset, qint64 length)
{
    if (offset < 0 || length < 0 || offset > m_size || length > m_size - offset)
        return {};
    if (offset + length <= m_head.size())
        return m_head.mid(offset, length);
    if (!m_file.seek(offset))
        return {};
    return m_file.read(length);
}

QByteArray UgcLayout::lineAt(qint64 offset, qint64 maxLength)
{
    if (offset < 0 || offset >= m_size)
        return {};
    if (offset + maxLength < m_head.size() || m_head.size() == m_size) {
        const qsizetype end = m_head.indexOf('\n', offset);
        const qint64 length = end < 0 ? m_head.size() - offset : end + 1 - offset;
        return m_head.mid(offset, std::min(length, maxLength));
    }
    if (!m_file.seek(offset))
        return {};
    return m_file.readLine(maxLength + 1);
}

// Line 1: "#UGC:2 <TYPE> <rev> … <banner offset, 8 hex digits> \". A file
// without it is no object file; one whose end mark is missing was cut off.
bool UgcLayout::readHeader()
{
    if (m_size <= 0)
        return fail(u"leere Datei"_s);
    const QByteArray line = lineAt(0, kMaxLine);
    if (!line.startsWith("#UGC:2 ") || !line.endsWith('\n'))
        return fail(u"keine Objektdatei"_s);
    QList<QByteArray> fields = line.simplified().split(' ');
    if (!fields.isEmpty() && fields.last() == "\\")
        fields.removeLast();
    if (fields.size() < 4)
        return fail(u"keine Objektdatei"_s);
    m_kind = kindOf(fields.at(1));
    bool revisionOk = false;
    m_revision = fields.at(2).toInt(&revisionOk);
    if (!revisionOk || m_revision <= 0)
        return fail(kVersion);
    if (m_size < qint64(kEndMark.size())
        || !readAt(std::max<qint64>(0, m_size - kTail), std::min(m_size, kTail)).contains(kEndMark))
        return fail(kTruncated);
    if (!parseHex(fields.last(), m_banner) || m_banner <= 0 || m_banner >= m_size)
        return fail(kTocDamaged);
    if (m_banner > kMaxHeader)
        return fail(kTocDamaged);
    // The ASCII block stands between the header and the banner line.
    const QByteArray head = readAt(0, m_banner);
    if (head.size() != m_banner)
        return fail(kTruncated);
    const qsizetype start = head.indexOf("\n#P_OBJECT");
    if (start >= 0) {
        const qsizetype end = head.indexOf("\n#END_OF_P_OBJECT", start);
        if (end < 0)
            return fail(kSectionDamaged);
        m_pObject = head.mid(start + 1, end - start);
    }
    return true;
}

// "#UGC_TOC <ver> <rows> <row length> <n>", then the rows, each padded
// with '#' to the row length. NEXT_TOC_ENTRY chains further tables.
bool UgcLayout::readBinaryToc(qint64 tocStart)
{
    QSet<qint64> seen;
    qint64 next = tocStart;
    qint64 rowsRead = 0;
    for (int table = 0; next >= 0; ++table) {
        if (table >= kMaxTables || seen.contains(next))
            return fail(kTocDamaged);
        seen.insert(next);
        const QByteArray head = lineAt(next, kMaxRowLength);
        const QList<QByteArray> fields =
            head.left(head.indexOf('#', 1) < 0 ? head.size() : head.indexOf('#', 1)).mid(1).simplified().split(' ');
        if (!head.startsWith("#UGC_TOC ") || !head.endsWith('\n') || fields.size() < 4)
            return fail(kTocDamaged);
        bool rowsOk = false, lengthOk = false;
        const qint64 rows = fields.at(2).toLongLong(&rowsOk);
        const qint64 rowLength = fields.at(3).toLongLong(&lengthOk);
        if (!rowsOk || !lengthOk || rows < 0 || rowLength < 20 || rowLength > kMaxRowLength || head.size() != rowLength
            || (rowsRead += rows) > kMaxRows)
            return fail(kTocDamaged);
        const QByteArray body = readAt(next + rowLength, rows * rowLength);
        if (body.size() != rows * rowLength)
            return fail(kTocDamaged);
        next = -1;
        for (qint64 i = 0; i < rows; ++i) {
            const QByteArray row = body.mid(i * rowLength, rowLength);
            if (!row.endsWith('\n'))
                return fail(kTocDamaged);
            const QList<QByteArray> cells = withoutPadding(row).simplified().split(' ');
            if (cells.size() == 1 && cells.first().isEmpty())
                continue; // a row kept free
            if (cells.first() == "NEXT_TOC_ENTRY") {
                qint64 offset = 0;
                if (cells.size() < 3 || next >= 0 || !parseHex(cells.at(1), offset) || offset > m_size - m_banner)
                    return fail(kTocDamaged);
                next = m_banner + offset;
                continue;
            }
            if (!addSection(cells))
                return false;
        }
    }
    return true;
}

// "@Toc", then rows "<depth> <field> <name> <offset> …" up to the first
// line that begins with '#'.
bool UgcLayout::readLegacyToc(qint64 tocStart)
{
    qint64 position = tocStart;
    for (qint64 lines = 0;; ++lines) {
        if (lines > kMaxRows)
            return fail(kTocDamaged);
        const QByteArray line = lineAt(position, kMaxRowLength);
        if (!line.endsWith('\n'))
            return fail(kTocDamaged);
        position += line.size();
        if (line.startsWith('#'))
            return true;
        if (line.startsWith('@'))
            continue;
        const QList<QByteArray> cells = withoutPadding(line).simplified().split(' ');
        if (cells.size() < 3 || cells.at(2) == "->" || cells.at(2).startsWith('['))
            continue; // the table's own fields
        if (!addSection(cells.mid(2)))
            return false;
    }
}

// "<name> <offset> <stored> <expanded> <rev> <class> <compression> <sum> <h2>"
bool UgcLayout::addSection(const QList<QByteArray> &cells)
{
    Section section;
    qint64 offset = 0, sum = 0;
    if (cells.size() < 9 || !parseHex(cells.at(1), offset) || !parseHex(cells.at(2), section.stored)
        || !parseHex(cells.at(3), section.expanded) || !parseHex(cells.at(7), sum) || sum > 0xffff)
        return fail(kTocDamaged);
    section.name = cells.at(0);
    section.offset = m_banner + offset;
    section.compressed = cells.at(6) != "-1";
    section.sum = quint16(sum);
    if (offset > m_size || section.stored > m_size - section.offset || section.stored < section.name.size() + 2)
        return fail(kTocDamaged);
    m_sections.append(section);
    return true;
}

bool UgcLayout::payload(const Section &section, QByteArray &out)
{
    out.clear();
    if (section.stored > kMaxStored)
        return fail(u"Abschnitt zu groß"_s);
    const QByteArray stored = readAt(section.offset, section.stored);
    const QByteArray head = '#' + section.name + '\n';
    if (stored.size() != section.stored)
        return fail(kTruncated);
    if (!stored.startsWith(head))
        return fail(kTocDamaged);
    const QByteArrayView body = QByteArrayView(stored).sliced(head.size());
    quint16 sum = 0;
    for (const char byte : body)
        sum = quint16(sum + uchar(byte));
    if (sum != section.sum)
        return fail(kSectionDamaged);
    // An expanded length of 0 or 1 tells nothing; above, it is exact.
    const bool exact = section.expanded > 1;
    if (exact && section.expanded > kMaxExpanded)
        return fail(u"Abschnitt zu groß"_s);
    if (!section.compressed) {
        out = body.toByteArray();
    } else {
        switch (LzwExpand::expand(body, exact ? section.expanded : kMaxExpanded, out)) {
        case LzwExpand::Status::Expanded:
            break;
        case LzwExpand::Status::TooLarge:
            return fail(exact ? kSectionDamaged : u"Abschnitt zu groß"_s);
        case LzwExpand::Status::NotCompressed:
        case LzwExpand::Status::Garbled:
            return fail(kSectionDamaged);
        }
    }
    if (exact && out.size() != section.expanded) {
        out.clear();
        return fail(kSectionDamaged);
    }
    return true;
}
