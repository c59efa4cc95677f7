#include "wayback/WayBackCheck.h"

#include "check/CheckTexts.h"
#include "wayback/WayBack.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;
using NameCheck::Finding;
using NameCheck::Rule;

namespace WayBackCheck {

namespace {

// The same rule seen from the other side: the way back's old names are the
// forward new names.
Rule mirrored(Rule rule)
{
    return rule == Rule::NewTwice ? Rule::OldTwice : rule == Rule::OldTwice ? Rule::NewTwice : rule;
}

qsizetype key(qsizetype row, Rule rule)
{
    return row * 64 + qsizetype(rule);
}

// A finding of the way back that names another pair ("auch Zeile 3", "von
// Zeile 3", "der späteren Zeile 3") names it first, before the name it
// quotes; the number counts the way back's pairs and is turned into the
// row of the lists, as the user counts them, from `last`, the way back's
// last pair.
QString inListRows(Rule rule, const QString &message, qsizetype last)
{
    if (rule != Rule::NewTwice && rule != Rule::OldTwice && rule != Rule::Ring && rule != Rule::Chain)
        return message;
    static const QRegularExpression row(u"Zeile (\\d+)"_s);
    const QRegularExpressionMatch match = row.match(message);
    if (!match.hasMatch())
        return message;
    const qsizetype shown = last - (match.captured(1).toLongLong() - 1) + 1;
    QString text = message;
    return text.replace(match.capturedStart(1), match.capturedLength(1), QString::number(shown));
}

QList<Finding> ownOnes(const QStringList &oldNames, const QStringList &newNames, const QList<Finding> &forward)
{
    const WayBack::Pairs back = WayBack::pairs(oldNames, newNames);
    const qsizetype last = back.oldNames.size() - 1;
    QSet<qsizetype> known;
    bool forwardChains = false;
    for (const Finding &f : forward) {
        known.insert(key(f.row, f.rule));
        forwardChains = forwardChains || f.rule == Rule::Chain;
    }
    QList<Finding> own;
    for (const Finding &f : NameCheck::check(back.oldNames, back.newNames)) {
        // A chain on the way back is the forward chain walked backwards,
        // told on the pair at its other end.
        const qsizetype row = last - f.row;
        if (known.contains(key(row, mirrored(f.rule))) || (f.rule == Rule::Chain && forwardChains))
            continue;
        const qsizetype head = CheckTexts::findingLine(f.row, f.severity, {}).size();
        const QString message = inListRows(f.rule, f.text.mid(head), last);
        own.append({row, f.severity, f.rule, u"Rückweg: "_s + CheckTexts::findingLine(row, f.severity, message)});
    }
    std::stable_sort(own.begin(), own.end(), [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return own;
}

} // namespace

QList<Finding> ownFindings(const QStringList &oldNames, const QStringList &newNames)
{
    return ownOnes(oldNames, newNames, NameCheck::check(oldNames, newNames));
}

QList<Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects *folder,
                     const UseIndex *usersLeft)
{
    const QList<Finding> forward = NameCheck::check(oldNames, newNames, folder, usersLeft);
    QList<Finding> all = forward + ownOnes(oldNames, newNames, forward);
    std::stable_sort(all.begin(), all.end(), [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return all;
}

QString questionText(const QList<Finding> &findings)
{
    // The check's own question with the last line about both files:
    // "Abbrechen" writes neither.
    QString text = NameCheck::questionText(findings);
    text.truncate(text.lastIndexOf(u'\n') + 1);
    return text + u"rename.pro und "_s + WayBack::kFileName + u" trotzdem erstellen?"_s;
}

} // namespace WayBackCheck
