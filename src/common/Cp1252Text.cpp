#include "common/Cp1252Text.h"

#include "common/Cp1252.h"

void Cp1252Text::append(QStringView text)
{
    if (!isRepresentable())
        return;
    const qsizetype size = m_bytes.size();
    if (!Cp1252::encodeAppend(text, m_bytes, &m_badCharacter))
        m_bytes.resize(size);
}
