#pragma once

#include <QString>

// Text helpers for object names and the two file-system checks. Pure
// functions: they change no argument, keep no state and never throw.
namespace Module1 {

// The text with the first occurrence of `search` replaced; the text itself
// when `search` does not occur. An empty search text occurs at the start of
// any non-empty text; an empty text contains nothing, not even "".
QString ReplaceFirst(const QString &text, const QString &search, const QString &replacement);

// Splitting an object name such as C:\work\motor.prt.12: the drive and folder
// go, the base name is "motor", the extension ".prt" (the version number
// after the next dot is dropped). The backslash and the drive colon are the
// separators on every platform; a forward slash is part of the name.
QString FileBaseName(const QString &path);
QString FileExtension(const QString &path);

// FileBaseName(path) + FileExtension(path) in one scan: the form in which
// old names go into the mapkeys.
QString NormalisedName(const QString &path);

// True for an existing folder (with or without a trailing separator);
// false for a file, a missing path, an unready drive and the empty text.
bool FolderExists(const QString &path);

// True for an existing file, also one of length zero; false for anything
// missing, a folder and the empty text.
bool FileExists(const QString &path);

// `fileName` inside `folder`: the separator is added only when the folder
// text does not already end in it (a drive root such as C:\ keeps its one).
// Only the last character is looked at; the folder text is not normalised.
QString PathInFolder(const QString &folder, const QString &fileName, QChar separator);

} // namespace Module1
