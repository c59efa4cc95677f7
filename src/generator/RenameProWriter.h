#pragma once

#include <QString>
#include <QStringView>

// rename.pro's name, its place in a folder and its lines. MapkeyFiles
// writes it.
namespace RenameProWriter {

inline const QString kFileName = QStringLiteral("rename.pro");

// A text whose lines are separated by U+2029 or U+2028, as a text document
// keeps them, with CR LF in their place.
QString withCrLf(QStringView paragraphs);

// rename.pro (or `fileName`) inside `folder`, joined with the platform's
// separator.
QString filePath(const QString &folder, const QString &fileName = kFileName);

} // namespace RenameProWriter
