#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <cstring>
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
        if (!m_sink && size > m_bytes.size())
            m_bytes.resize(size);
    }
    void append(QLatin1String ascii) { put(ascii.data(), ascii.size()); }
    void append(QStringView text);
    // Bytes that are Windows-1252 already, copied as they are.
    void appendEncoded(QByteArrayView bytes) { put(bytes.data(), bytes.size()); }
    // Hands on what is left; false when the sink stopped the text.
    bool finish();

    bool isRepresentable() const { return m_badCharacter.isEmpty(); }
    const QString &firstUnrepresentable() const { return m_badCharacter; }
    QByteArray takeBytes()
    {
        m_bytes.resize(m_used);
        m_used = 0;
        return std::move(m_bytes);
    }

private:
    // Where `n` more bytes go. The text is appended to hundreds of
    // thousands of times: each append is a copy into room made beforehand,
    // not a QByteArray append with its checks.
    char *room(qsizetype n)
    {
        if (m_bytes.size() - m_used < n)
            grow(n);
        return m_bytes.data() + m_used;
    }
    void put(const char *data, qsizetype n)
    {
        std::memcpy(room(n), data, size_t(n));
        m_used += n;
        if (m_sink && m_used >= m_piece)
            handOn();
    }
    void grow(qsizetype n);
    void handOn();

    // The text is the first m_used bytes; the rest is room.
    QByteArray m_bytes;
    qsizetype m_used = 0;
    QString m_badCharacter;
    Sink m_sink;
    qsizetype m_piece = 0;
    bool m_stopped = false;
};
