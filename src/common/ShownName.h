#pragma once

#include <QString>
#include <QStringView>

// Names and characters as a message shows them. A name may be megabytes
// long, and it may hold characters that a terminal takes as commands (C1
// controls such as U+009D start escape sequences), that turn the text
// around (bidi overrides) or that do not show at all, so that the reader
// would see another name than the one meant. A message shows the start of
// the name only and every such character as its code point.
namespace ShownName {

// How many characters of a name a message shows.
constexpr qsizetype kMaxCharacters = 64;

// Controls (C0, DEL, C1), format characters (soft hyphen, zero-width and
// bidi controls, byte-order mark, tags), the line and paragraph separators
// and surrogate halves without their partner.
bool isHidden(char32_t c);

// "U+009D".
QString codePoint(char32_t c);

// The first 64 characters of `name`, hidden ones as "<U+009D>", then "…"
// when the name goes on. Looks at no more of the name than it shows.
QString of(QStringView name);

// One character (both halves of a surrogate pair): itself, or "U+202E"
// when it is hidden.
QString character(QStringView character);

} // namespace ShownName
