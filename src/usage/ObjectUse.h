#pragma once

#include <QIODevice>
#include <QList>
#include <QString>

// What one Pro/ENGINEER object file says about the objects it uses. Only
// the header, the table of contents and the sections that hold the list are
// read, each read and each expansion bounded: a damaged or hostile file
// gives "not known" with a reason, never a shorter list.
namespace ObjectUse {

// What the file's header says it is.
enum class FileKind { NotAnObject, Part, Assembly, Drawing, Other };

// How the file uses the object named.
enum class UseKind { Component, DrawingModel, Format, Generic, Other };

struct Used {
    // Lower case, with its type as a file name has it: "welle.prt".
    QString name;
    UseKind kind = UseKind::Other;
};

struct Reading {
    FileKind fileKind = FileKind::NotAnObject;
    // True when `uses` is the file's whole list (it may be empty).
    bool known = false;
    // Why the list is not known, for the user: "Creo-Version nicht lesbar",
    // "Datei abgeschnitten", …; empty when known.
    QString reason;
    // Sorted by name, each name once (the first kind found for it).
    QList<Used> uses;
};

// Reads an open, seekable device from its start.
Reading read(QIODevice &file);
// Opens and reads the file at `path`.
Reading readFile(const QString &path);

} // namespace ObjectUse
