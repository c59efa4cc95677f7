#include "common/Cp1252Text.h"

#include "common/Cp1252.h"

Cp1252Text::Cp1252Text(Sink sink, qsizetype piece)
    : m_sink(std::move(sink))
    , m_piece(piece)
{
    // One append may go past the piece by a template or a name.
    m_bytes.reserve(piece + piece / 4);
}

void Cp1252Text::append(QStringView text)
{
    if (!isRepresentable())
        return;
    const qsizetype size = m_bytes.size();
    if (!Cp1252::encodeAppend(text, m_bytes, &m_badCharacter)) {
        m_bytes.resize(size);
        m_stopped = true;
    } else if (m_sink && m_bytes.size() >= m_piece) {
        handOn();
    }
}

// After a stop the bytes are dropped as they come: the text is unusable.
void Cp1252Text::handOn()
{
    if (!m_stopped && !m_sink(m_bytes))
        m_stopped = true;
    m_bytes.resize(0);
}

bool Cp1252Text::finish()
{
    if (m_sink && !m_bytes.isEmpty())
        handOn();
    return !m_stopped;
}
