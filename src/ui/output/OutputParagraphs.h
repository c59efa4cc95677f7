#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

// The output text in the form a text document takes it fastest. A document
// spends microseconds on every paragraph, far more than on a character, so
// up to `linesPerParagraph` lines share one paragraph: inside it they are
// joined by line separators (U+2028), and paragraphs are separated by
// paragraph separators (U+2029). Either separator is one line end, which
// RenameProWriter::withCrLf turns back into CR LF. A line end here is CR LF,
// a lone CR or a lone LF, as a document would split them.
namespace OutputParagraphs {

// rename.pro's bytes (Windows-1252, final CR LF included) as the output text
// they were made from: without the final CR LF, which the file adds.
QString fromFileBytes(QByteArrayView fileBytes, qsizetype linesPerParagraph);

// The same text handed to `piece` in consecutive pieces made from about
// `pieceBytes` bytes each, cut behind a line feed; joined, they are the text
// of fromFileBytes. Memory then holds one piece of the text beside the bytes
// rather than the whole text.
void fromFileBytesInPieces(QByteArrayView fileBytes, qsizetype linesPerParagraph, qsizetype pieceBytes,
                           const std::function<void(const QString &piece)> &piece);

// An output text whose lines end in CR LF.
QString fromText(QStringView text, qsizetype linesPerParagraph);

} // namespace OutputParagraphs
