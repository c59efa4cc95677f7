#include "verify/RunTexts.h"

#include "check/CheckTexts.h"
#include "common/Counted.h"
#include "common/Module1.h"
#include "common/ShownName.h"

#include <QStringBuilder>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace RunTexts {

namespace {

QString line(qsizetype row)
{
    return QString::number(row + 1);
}

QString difference(qsizetype row, const QString &message)
{
    return u"Zeile "_s % line(row) % u": Abweichung: "_s % message;
}

QString unclear(qsizetype row, const QString &why)
{
    return difference(row, u"nicht eindeutig, "_s + why);
}

} // namespace

QString stateWord(RunCheck::State state)
{
    switch (state) {
    case RunCheck::State::Done:
        return u"erledigt"_s;
    case RunCheck::State::Open:
        return u"offen"_s;
    case RunCheck::State::Unclear:
        break;
    }
    return u"unklar"_s;
}

QString pairLine(qsizetype row, RunCheck::State state, const QString &oldName, const QString &newName)
{
    return u"Zeile "_s % line(row) % u": "_s % stateWord(state) % u": "_s
        % ShownName::of(Module1::NormalisedName(oldName)) % u" -> "_s % ShownName::of(newName);
}

QString missing(qsizetype row, const QString &name)
{
    return difference(row, ShownName::of(name) + u" sollte da sein, fehlt"_s);
}

QString stillThere(qsizetype row, const QString &name)
{
    return difference(row, ShownName::of(name) + u" sollte weg sein, ist noch da"_s);
}

QString bothThere(qsizetype row, const QString &oldName, const QString &newName)
{
    return unclear(row, ShownName::of(oldName) + u" und "_s + ShownName::of(newName) + u" sind beide da"_s);
}

QString neitherThere(qsizetype row, const QString &oldName, const QString &newName)
{
    return unclear(row, ShownName::of(oldName) + u" und "_s + ShownName::of(newName) + u" fehlen beide"_s);
}

QString unchanged(qsizetype row)
{
    return unclear(row, u"neuer Name gleich dem alten"_s);
}

QString stillNamed(qsizetype row, const QString &user, const QString &oldName)
{
    return difference(row, ShownName::of(user) + u" verweist noch auf "_s + ShownName::of(oldName));
}

QString eitherWay(qsizetype row)
{
    return unclear(row, u"der Ordner passt gleich gut, ob das Paar gelaufen ist oder nicht"_s);
}

QString twice(qsizetype row, bool oldName, qsizetype otherRow, qsizetype otherRows, const QString &name)
{
    return unclear(row, CheckTexts::twice(oldName, otherRow, otherRows, name));
}

QString besideTwice(qsizetype row, qsizetype twiceRow)
{
    return unclear(row,
                   u"hängt über gemeinsame Namen mit Zeile "_s % line(twiceRow)
                       % u" zusammen, deren Name doppelt ist"_s);
}

QString summary(const RunCheck::Result &result)
{
    const qsizetype pairs = result.states.size();
    if (pairs == 0)
        return u"Lauf: keine Paare"_s;
    return u"Lauf: "_s % QString::number(result.count(RunCheck::State::Done)) % u" von "_s
        % Counted::text(pairs, u"Paar"_s, u"Paaren"_s) % u" erledigt, "_s
        % QString::number(result.count(RunCheck::State::Open)) % u" offen, "_s
        % QString::number(result.count(RunCheck::State::Unclear)) % u" unklar, "_s
        % Counted::text(result.differences, u"Abweichung"_s, u"Abweichungen"_s);
}

QString checkLine(const RunCheck::Result &result, const QString &checkSummary)
{
    return summary(result) % u"; "_s % checkSummary;
}

QString openKept(qsizetype count)
{
    return Counted::text(count, u"offenes Paar"_s, u"offene Paare"_s) + u" übernommen"_s;
}

QString noneOpen()
{
    return u"Kein Paar ist offen, die Listen bleiben, wie sie sind"_s;
}

QString noneDone()
{
    return u"Kein Paar ist erledigt, kein Rückweg geschrieben"_s;
}

// Only the done pairs are written, so only their findings are asked about.
QString wayBackQuestion(const QList<NameCheck::Finding> &findings, const RunCheck::Result &run)
{
    QList<NameCheck::Finding> onDone;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(onDone), [&run](const NameCheck::Finding &f) {
        return run.states.value(f.row, RunCheck::State::Open) == RunCheck::State::Done;
    });
    if (onDone.isEmpty())
        return {};
    // The check's own question with another last line.
    QString text = NameCheck::questionText(onDone);
    text.truncate(text.lastIndexOf(u'\n') + 1);
    return text + u"rename_zurueck.pro für die erledigten Paare trotzdem erstellen?"_s;
}

} // namespace RunTexts
