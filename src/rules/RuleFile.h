#pragma once

#include "common/WriteReport.h"
#include "rules/RuleStep.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rule file: one step per line, its fields separated by a tab, the
// first field the step's kind (a step switched off has "aus" before it):
//   ersetzen TEXT ERSATZ erstes|alle gross-klein|egal
//   muster VON NACH
//   regex AUSDRUCK ERSATZ
//   einfuegen TEXT anfang|ende   or   einfuegen TEXT position N
//   nummerieren MUSTER START SCHRITT
//   entfernen anfang|ende N   or   entfernen text TEXT
//   schreibweise klein|gross
// Empty lines and lines beginning with '#' are passed over. Read in any
// encoding a list file may have; written in Windows-1252 with CR LF, all
// or nothing.
namespace RuleFile {

struct ReadResult {
    bool ok = false;
    QList<RuleStep> steps;
    // The line (from 1) each step was read from.
    QList<qsizetype> lines;
    // "Zeile 3: ...", with the file's name before it when read from a file.
    QString error;
};

// The steps of a file's lines; the first line that cannot be read refuses
// them all.
ReadResult parse(const QStringList &lines);
ReadResult read(const QString &path);

// The file's lines, a comment that names the format first.
QStringList lines(const QList<RuleStep> &steps);
// A field holding a tab or a line break cannot be written.
WriteReport write(const QString &path, const QList<RuleStep> &steps);

} // namespace RuleFile
