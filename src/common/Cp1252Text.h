#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>

// A text built directly in Windows-1252 bytes. ASCII template text is
// copied as it is; names are encoded as they are appended. The first
// character without a byte is remembered and the text is then unusable.
class Cp1252Text
{
public:
    void reserve(qsizetype size) { m_bytes.reserve(size); }
    void append(QLatin1String ascii) { m_bytes.append(ascii.data(), ascii.size()); }
    void append(QStringView text);

    bool isRepresentable() const { return m_badCharacter.isEmpty(); }
    const QString &firstUnrepresentable() const { return m_badCharacter; }
    QByteArray takeBytes() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
    QString m_badCharacter;
};
