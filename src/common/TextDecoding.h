#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

// The text of a file the program reads, whatever wrote it: this program and
// older versions write Windows-1252, editors UTF-8 (often with a byte-order
// mark), spreadsheets "Unicode text", which is UTF-16 with a mark.
//
// A UTF-8, UTF-16 LE or UTF-16 BE mark decides, and is not part of the
// text. Without one, bytes that are valid UTF-8 and hold at least one
// multi-byte sequence are UTF-8; anything else is Windows-1252. A text that
// holds NUL is no text: a binary file, or UTF-16 without its mark, whose
// NUL bytes would otherwise end up in rename.pro.
//
// Files are read in pieces, twice: a Detector sees every piece first, then
// a Decoder turns them into text. Neither keeps more than a few bytes of a
// piece, and a piece may end anywhere, inside a character too.
namespace TextDecoding {

enum class Encoding { Cp1252, Utf8, Utf16LE, Utf16BE };

class Detector
{
public:
    void feed(QByteArrayView piece);
    // True once more bytes cannot change the answer: a mark was found, or
    // bytes that are no UTF-8.
    bool isDecided() const;
    // The answer for the bytes fed so far, taken as the whole text.
    Encoding encoding() const;
    qsizetype markSize() const;

private:
    void scanUtf8(QByteArrayView bytes);

    QByteArray m_head; // the first bytes, until a mark can be told
    // The UTF-8 sequence being read: bytes still to come, and the range the
    // next one must lie in (tighter after some lead bytes, which rules out
    // overlong forms, surrogates and code points beyond U+10FFFF).
    int m_pending = 0;
    uchar m_low = 0x80;
    uchar m_high = 0xBF;
    bool m_invalid = false;
    bool m_multiByte = false;
};

class Decoder
{
public:
    Decoder(Encoding encoding, qsizetype markSize);
    // The text of the next piece; empty once the bytes proved to be no text.
    QString decode(QByteArrayView piece);
    // False when the bytes were no text: a NUL, bytes the encoding does not
    // allow, or a character cut off at the end.
    bool finish();
    bool isText() const { return !m_failed; }

private:
    Encoding m_encoding;
    qsizetype m_markLeft;
    std::optional<QStringDecoder> m_decoder;
    qint64 m_bytes = 0;
    bool m_highSurrogate = false;
    bool m_failed = false;
};

// The text of `bytes`, or nothing when they are no text.
std::optional<QString> decode(QByteArrayView bytes);

} // namespace TextDecoding
