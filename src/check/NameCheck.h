#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class FolderObjects;
class UseIndex;

// Finds, before Pro/ENGINEER replays rename.pro, the pairs whose rename is
// bound to fail or to do what the user did not mean: Pro/ENGINEER keeps names
// in lower case, allows at most 31 characters of letters, digits, '_' and
// '-', and the master mapkey opens every old object before it renames the
// first, so a new name must not still be held by a pair that runs later.
// rename.pro is Windows-1252, so every character of a name needs its byte.
// A new name is looked at as the mapkey types it into the rename dialog;
// what that dialog refuses is an error, for the replayed mapkey would go on
// in the wrong dialog.
namespace NameCheck {

enum class Severity { Warning, Error };

// In the order in which a row's findings are listed.
enum class Rule {
    Empty,
    NoBase,
    LineBreak,
    Unrepresentable,
    Path,
    NewTwice,
    OldTwice,
    Ring,
    Chain,
    Unchanged,
    TooLong,
    Characters,
    Extension,
    OtherType,
    MissingInFolder,
    TakenInFolder,
    DrawingLeftBehind,
    UsersLeft
};

struct Finding {
    qsizetype row = 0; // 0-based pair index
    Severity severity = Severity::Error;
    Rule rule = Rule::Empty;
    QString text; // the whole line, "Zeile 3: Fehler: ..."
};

// The findings for the pairs of the two lists (rows up to the shorter
// list's length), sorted by row and then by rule. The old names are taken
// as typed and compared in their normalised form. With the objects of a
// check folder, its rules join in: the pairs are compared once for both.
// With the folder's use, for a run that takes no users along, so does the
// rule on the users left behind.
QList<Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects *folder = nullptr,
                     const UseIndex *usersLeft = nullptr);

// "Prüfung: keine Befunde", "Prüfung: 2 Fehler, 1 Warnung"; `against` says
// what the pairs were checked against: "Prüfung gegen D:\arbeit: 1 Fehler".
// Lists of different length come first, as every pair below the shorter
// list's end and perhaps above it is off: "Prüfung: Listen ungleich lang:
// 19 alte, 20 neue Namen; 1 Fehler".
QString summary(const QList<Finding> &findings, const QString &against = {}, qsizetype oldCount = 0,
                qsizetype newCount = 0);

// What a list row shows: whether it has a finding, the worst one, and its
// finding lines as tooltip.
struct RowMark {
    bool any = false;
    Severity worst = Severity::Warning;
    QString tooltip;
};
QList<RowMark> rowMarks(const QList<Finding> &findings, qsizetype rows);

// The question before writing despite findings: their count and the first
// ten of them, after `notChecked` (why the pairs could not be checked
// against the check folder) when given. Empty when there is nothing to ask.
QString questionText(const QList<Finding> &findings, const QString &notChecked = {});

// True for a base name (no extension, no version) that Pro/ENGINEER takes as
// it is: the new-name rules above find nothing in it.
bool isObjectBaseName(QStringView base);

// True for the version number Pro/ENGINEER appends to a saved file's name
// (the "3" of "motor.prt.3"): digits only.
bool isVersionNumber(QStringView text);

} // namespace NameCheck
