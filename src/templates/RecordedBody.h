#pragma once

#include "templates/Recording.h"

#include <QList>
#include <QString>
#include <QStringView>

// A recorded definition's text as the generator takes it: the labels at its
// start ("@MAPKEY_NAME…;", "@MAPKEY_LABEL…;") taken out, and every keystroke
// echo, a "~ Input" action followed later in the definition by another
// "~ Input" or "~ Update" of the same dialog and field (its first two
// arguments). An action runs from its "~" up to and including its
// semicolon outside backquotes; a line end inside a removed part goes with
// it, one at its edge stays. Nothing else changes, blanks included.
namespace RecordedBody {

// One action of the definition's text, where it stands there. The views
// point into the definition, which must outlive them.
struct Action {
    qsizetype start = 0;
    qsizetype end = 0;
    QStringView verb;
    QList<QStringView> arguments; // the texts between backquotes
};

// A call of another mapkey, "%name;", outside every action.
struct Call {
    qsizetype at = 0;
    QStringView name;
};

struct Kept {
    QString text;
    // For each character of `text`, its place in the definition's text.
    QList<qsizetype> origin;
    // The line ends that remain, as places in `text`.
    QList<qsizetype> lineEnds;
    // The calls, at their places in `text`.
    QList<Call> calls;
    // Every action of the definition, those taken out too, at their places
    // in the definition's text.
    QList<Action> actions;
};

Kept read(const Recording::Definition &definition);

// The actions of a text such as the kept one, their views into `text`.
QList<Action> actions(QStringView text);

// The dialog and the field an action names, as one key; the action has at
// least two arguments.
QString fieldKey(const Action &action);

} // namespace RecordedBody
