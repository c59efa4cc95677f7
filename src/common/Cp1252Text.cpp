#include "common/Cp1252Text.h"

#include "common/Cp1252.h"

#include <algorithm>

Cp1252Text::Cp1252Text(Sink sink, qsizetype piece)
    : m_sink(std::move(sink))
    , m_piece(piece)
{
    // One append may go past the piece by a template or a name.
    m_bytes.resize(piece + piece / 4);
}

void Cp1252Text::append(QStringView text)
{
    if (!isRepresentable())
        return;
    if (!Cp1252::encodeInto(text, room(text.size()), &m_badCharacter)) {
        m_stopped = true;
        return;
    }
    m_used += text.size();
    if (m_sink && m_used >= m_piece)
        handOn();
}

void Cp1252Text::grow(qsizetype n)
{
    m_bytes.resize(std::max(m_used + n, m_bytes.size() * 2));
}

// After a stop the bytes are dropped as they come: the text is unusable.
void Cp1252Text::handOn()
{
    if (!m_stopped && !m_sink(QByteArrayView(m_bytes.constData(), m_used)))
        m_stopped = true;
    m_used = 0;
}

bool Cp1252Text::finish()
{
    if (m_sink && m_used > 0)
        handOn();
    return !m_stopped;
}
