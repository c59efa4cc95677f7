#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Reads the packed binary form several sections share: integers of one to
// five bytes, NUL-terminated strings, and in sequences markers that repeat
// the previous item. Every read checks the end; after the first failure
// ok() stays false and every read gives a zero value.
class PsbCursor
{
public:
    explicit PsbCursor(QByteArrayView data)
        : m_data(data)
    {
    }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_position >= m_data.size(); }
    qsizetype position() const { return m_position; }
    void setPosition(qsizetype position);
    // The next byte without taking it; -1 at the end.
    // After a failure, nothing stands next: loops that look ahead end.
    int peek() const { return !m_ok || atEnd() ? -1 : uchar(m_data[m_position]); }
    int byte();
    qint64 integer();
    QByteArray string();
    // Takes `bytes` when the data continues with them.
    bool skipIf(QByteArrayView bytes);
    // Moves to the next occurrence of `bytes`; false when there is none.
    bool seek(QByteArrayView bytes);
    // How many times more the previous item of a sequence is repeated, when
    // a repeat marker stands next (taken); 0 otherwise.
    qint64 repeats();
    void fail() { m_ok = false; }

private:
    QByteArrayView m_data;
    qsizetype m_position = 0;
    bool m_ok = true;
};
