#pragma once

#include <QString>

// One object that a file names as it stores it: before names and types
// are turned into file names.
struct Dependency {
    QString name;    // as stored: upper case for the file's own system
    QString type;    // "prt", "asm", "frm", … ; the file name's extension
    QString generic; // the family table's generic, empty when none
    // What the use is: 2 and 32768 a component, 4 a drawing's model, 16 a
    // format; other values other references.
    int depType = 0;
};
