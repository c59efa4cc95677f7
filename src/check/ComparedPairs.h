#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The pairs of two name lists in the form in which names are compared:
// Pro/ENGINEER stores object names in lower case, the old name is the
// normalised one that goes into the mapkeys, and a new name without an
// extension keeps the old name's type in the rename dialog. Equal keys
// mean the same object.
struct ComparedPair {
    QString oldName; // normalised: base name and extension
    QString newName; // the same for the new name
    int oldKey = -1; // -1 for an empty old name
    int newKey = -1; // -1 for an empty new name
    // Where each extension starts: a normalised name holds no dot before
    // it. The name's length when it has none.
    qsizetype oldDot = 0;
    qsizetype newDot = 0;

    QStringView oldBase() const { return QStringView(oldName).left(oldDot); }
    QStringView oldExtension() const { return QStringView(oldName).mid(oldDot); }
    QStringView newBase() const { return QStringView(newName).left(newDot); }
    QStringView newExtension() const { return QStringView(newName).mid(newDot); }
    bool unchanged() const { return oldKey >= 0 && oldKey == newKey; }
};

struct ComparedPairs {
    QList<ComparedPair> pairs; // one per row that has both an old and a new entry
    int keyCount = 0;          // keys are numbered 0 .. keyCount-1
};

ComparedPairs comparePairs(const QStringList &oldNames, const QStringList &newNames);
