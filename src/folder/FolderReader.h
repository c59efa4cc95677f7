#pragma once

#include "lists/NameListOps.h"

#include <QString>
#include <QStringList>

// The Pro/ENGINEER objects of one folder as a name list: every file
// base.ext or base.ext.N of an object type, its versions folded into one
// name in lower case, as Pro/ENGINEER stores it. FolderSnapshot keeps one
// read of a folder to choose from again.
namespace FolderReader {

// The object types, in the order in which a read folder lists them.
const QStringList &objectTypes();

struct Options {
    // `*` any run of characters, `?` one character; letter case does not
    // count. Matched against the name with its extension, without version.
    // An empty filter takes every name.
    QString filter = QStringLiteral("*");
    // Extensions without dot, of objectTypes(); others take nothing.
    QStringList types{QStringLiteral("prt"), QStringLiteral("asm"), QStringLiteral("drw")};
    qsizetype maxObjects = NameListOps::kMaxEntries;
    // Names a list cannot take are taken too: the folder rules see every
    // object, whatever its name. Names that cannot be read never are.
    bool takeInvalidNames = false;
};

struct Result {
    // Each failure leaves `names` empty: nothing half-read reaches a list.
    enum class Status { Read, Missing, NotAFolder, Unreadable };
    Status status = Status::Missing;
    // Parts, assemblies, drawings, then the other types; within a type by
    // the characters of the name, so that no locale changes the order.
    QStringList names;
    // Names not taken (not Windows-1252, not an object name Pro/ENGINEER
    // accepts, or not readable), each counted once for all its versions.
    qsizetype skipped = 0;
    // Of those, the names not valid in the system's encoding: the program
    // cannot tell which object they name.
    qsizetype unreadable = 0;
    // Objects beyond `maxObjects`, the last ones in list order.
    qsizetype leftOut = 0;
};

// Subfolders are not entered. A symbolic link counts when it leads to a
// file; folders, devices and pipes never count, whatever their name.
Result read(const QString &folder, const Options &options = {});

// "1 Dateiname nicht lesbar", "3 Dateinamen nicht lesbar".
QString unreadableText(qsizetype count);
// What is shown while a large folder is read: how many of its files so far.
QString readingText(qsizetype files);

// What the status line says: the error, or how many objects of which types
// came from `folder` and what was skipped or left out.
QString statusText(const Result &result, const QString &folder);
// What the dialog shows before anything is taken: the error, or how many
// objects of which types would be taken and what not.
QString previewText(const Result &result, const QString &folder);

} // namespace FolderReader
