#include "common/TextDecoding.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace TextDecoding {

namespace {

const QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
const QByteArrayView kUtf16LEMark("\xFF\xFE", 2);
const QByteArrayView kUtf16BEMark("\xFE\xFF", 2);

bool isUtf16(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

} // namespace

void Detector::feed(QByteArrayView piece)
{
    if (m_head.size() < 3)
        m_head.append(piece.first(std::min<qsizetype>(3 - m_head.size(), piece.size())));
    if (markSize() == 0 && !m_invalid)
        scanUtf8(piece);
}

bool Detector::isDecided() const
{
    if (markSize() > 0)
        return true;
    return m_head.size() == 3 && m_invalid;
}

Encoding Detector::encoding() const
{
    const QByteArrayView head(m_head);
    if (head.startsWith(kUtf16LEMark))
        return Encoding::Utf16LE;
    if (head.startsWith(kUtf16BEMark))
        return Encoding::Utf16BE;
    if (head.startsWith(kUtf8Mark) || (m_multiByte && !m_invalid && m_pending == 0))
        return Encoding::Utf8;
    return Encoding::Cp1252;
}

qsizetype Detector::markSize() const
{
    const QByteArrayView head(m_head);
    if (head.startsWith(kUtf8Mark))
        return kUtf8Mark.size();
    if (head.startsWith(kUtf16LEMark) || head.startsWith(kUtf16BEMark))
        return 2;
    return 0;
}

void Detector::scanUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (m_pending > 0) {
            const uchar b = p[i++];
            if (b < m_low || b > m_high) {
                m_invalid = true;
                return;
            }
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            continue;
        }
        // Names are nearly all ASCII: eight bytes at a time while they are.
        for (quint64 word; i + 8 <= n; i += 8) {
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
        }
        if (i == n)
            return;
        const uchar b = p[i++];
        if (b < 0x80)
            continue;
        m_multiByte = true;
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            m_low = b == 0xE0 ? 0xA0 : 0x80;
            m_high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            m_low = b == 0xF0 ? 0x90 : 0x80;
            m_high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            m_invalid = true;
            return;
        }
    }
}

Decoder::Decoder(Encoding encoding, qsizetype markSize)
    : m_encoding(encoding)
    , m_markLeft(markSize)
{
    // The mark is dropped here, so Qt must not drop a second one.
    const auto flag = QStringDecoder::Flag::ConvertInitialBom;
    if (encoding == Encoding::Utf8)
        m_decoder.emplace(QStringDecoder::Utf8, flag);
    else if (isUtf16(encoding))
        m_decoder.emplace(encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, flag);
}

QString Decoder::decode(QByteArrayView piece)
{
    if (m_failed)
        return {};
    const qsizetype mark = std::min(m_markLeft, piece.size());
    m_markLeft -= mark;
    piece = piece.sliced(mark);
    m_bytes += piece.size();
    QString text = m_decoder ? QString(m_decoder->decode(piece)) : Cp1252::decode(piece);
    // Qt takes any 16-bit units as UTF-16: a surrogate must pair up here.
    if (isUtf16(m_encoding)) {
        for (const QChar c : std::as_const(text)) {
            if (c.isLowSurrogate() != m_highSurrogate)
                m_failed = true;
            m_highSurrogate = c.isHighSurrogate();
        }
    }
    if (m_failed || text.contains(QChar(0)) || (m_decoder && m_decoder->hasError())) {
        m_failed = true;
        return {};
    }
    return text;
}

bool Decoder::finish()
{
    if (isUtf16(m_encoding) && (m_bytes % 2 != 0 || m_highSurrogate))
        m_failed = true;
    // A UTF-8 character cut off at the end waits in Qt's decoder for the
    // rest; a line end after it makes it an error.
    if (m_encoding == Encoding::Utf8)
        decode("\n");
    return !m_failed;
}

std::optional<QString> decode(QByteArrayView bytes)
{
    Detector detector;
    detector.feed(bytes);
    Decoder decoder(detector.encoding(), detector.markSize());
    QString text = decoder.decode(bytes);
    if (!decoder.finish())
        return std::nullopt;
    return text;
}

} // namespace TextDecoding
