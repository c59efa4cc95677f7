#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code page of rename.pro and the list files on
// every platform. The five byte values the code page leaves undefined map to
// the control characters of the same number, as Windows itself does, so any
// byte sequence survives a read and a write unchanged.
namespace Cp1252 {

// Appends the encoding of `text` to `out`. Returns false, leaving `out`
// unspecified, at the first character the code page cannot represent;
// `firstUnrepresentable` then holds that character (both halves of a
// surrogate pair).
bool encodeAppend(QStringView text, QByteArray &out, QString *firstUnrepresentable);
// The same into `out`, which has room for text.size() bytes.
bool encodeInto(QStringView text, char *out, QString *firstUnrepresentable);

QString decode(QByteArrayView bytes);

// Whether the code page has a byte for `c`; never for a surrogate half.
bool represents(char16_t c);

// The status text for a name that cannot be written: putting "?" in its
// place would make Pro/ENGINEER rename a different object. With the pair's
// 0-based row, the text names it as the name check does.
QString unrepresentableMessage(const QString &character, qsizetype row = -1);

} // namespace Cp1252
