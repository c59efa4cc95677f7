#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <functional>

// A text built directly in Windows-1252 bytes. ASCII template text is
// copied as it is; names are encoded as they are appended. The first
// character without a byte is remembered and the text is then unusable.
// Given a sink, it hands its bytes on in pieces instead of keeping them.
class Cp1252Text
{
public:
    // Returns false to stop: nothing more is then handed on.
    using Sink = std::function<bool(QByteArrayView)>;

    Cp1252Text() = default;
    // Hands the bytes to `sink` whenever at least `piece` of them have come
    // together, and the rest at finish().
    Cp1252Text(Sink sink, qsizetype piece);

    void reserve(qsizetype size)
    {
        if (!m_sink)
            m_bytes.reserve(size);
    }
    void append(QLatin1String ascii)
    {
        m_bytes.append(ascii.data(), ascii.size());
        if (m_sink && m_bytes.size() >= m_piece)
            handOn();
    }
    void append(QStringView text);
    // Bytes that are Windows-1252 already, copied as they are.
    void appendEncoded(QByteArrayView bytes)
    {
        m_bytes.append(bytes);
        if (m_sink && m_bytes.size() >= m_piece)
            handOn();
    }
    // Hands on what is left; false when the sink stopped the text.
    bool finish();

    bool isRepresentable() const { return m_badCharacter.isEmpty(); }
    const QString &firstUnrepresentable() const { return m_badCharacter; }
    QByteArray takeBytes() { return std::move(m_bytes); }

private:
    void handOn();

    QByteArray m_bytes;
    QString m_badCharacter;
    Sink m_sink;
    qsizetype m_piece = 0;
    bool m_stopped = false;
};
