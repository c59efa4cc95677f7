#include "usage/PsbCursor.h"

#include <algorithm>

namespace {

// A string is at most this long: names of objects are far shorter.
constexpr qsizetype kMaxString = 4096;

} // namespace

void PsbCursor::setPosition(qsizetype position)
{
    if (position < 0 || position > m_data.size())
        m_ok = false;
    else
        m_position = position;
}

int PsbCursor::byte()
{
    if (!m_ok || atEnd()) {
        m_ok = false;
        return 0;
    }
    return uchar(m_data[m_position++]);
}

// 00-7f one byte; 80-bf 14 bits in two; c0-df 21 bits in three; ea three
// bytes and eb four bytes big-endian (eb signed); f6 is -1; f5 negates the
// integer after it.
qint64 PsbCursor::integer()
{
    const int first = byte();
    if (!m_ok)
        return 0;
    if (first < 0x80)
        return first;
    if (first < 0xc0)
        return qint64(first & 0x3f) << 8 | byte();
    if (first < 0xe0) {
        const qint64 high = qint64(first & 0x1f) << 16;
        const qint64 middle = qint64(byte()) << 8;
        return high | middle | byte();
    }
    if (first == 0xea || first == 0xeb) {
        quint32 value = 0;
        for (int i = 0; i < (first == 0xea ? 3 : 4); ++i)
            value = value << 8 | quint32(byte());
        return first == 0xeb ? qint64(qint32(value)) : qint64(value);
    }
    if (first == 0xf6)
        return -1;
    if (first == 0xf5 && peek() != 0xf5)
        return -integer();
    m_ok = false;
    return 0;
}

QByteArray PsbCursor::string()
{
    if (peek() == 0xe8) // a string that begins like a marker is escaped
        ++m_position;
    if (!m_ok)
        return {};
    const QByteArrayView rest = m_data.sliced(m_position, std::min(kMaxString + 1, m_data.size() - m_position));
    const qsizetype end = rest.indexOf('\0');
    if (end < 0) {
        m_ok = false;
        return {};
    }
    m_position += end + 1;
    return rest.first(end).toByteArray();
}

bool PsbCursor::skipIf(QByteArrayView bytes)
{
    if (!m_ok || m_data.size() - m_position < bytes.size() || m_data.sliced(m_position, bytes.size()) != bytes)
        return false;
    m_position += bytes.size();
    return true;
}

bool PsbCursor::seek(QByteArrayView bytes)
{
    const qsizetype found = m_ok ? m_data.indexOf(bytes, m_position) : -1;
    if (found < 0)
        return false;
    m_position = found;
    return true;
}

qint64 PsbCursor::repeats()
{
    switch (peek()) {
    case 0xe4:
        ++m_position;
        return 1;
    case 0xe5:
        ++m_position;
        return 2;
    case 0xe6:
        ++m_position;
        return 3;
    case 0xe7: {
        ++m_position;
        const qint64 count = integer();
        if (count < 0)
            m_ok = false;
        return m_ok ? count : 0;
    }
    default:
        return 0;
    }
}
