#include "wayback/WayBackCheck.h"

#include "check/CheckTexts.h"
#include "wayback/WayBack.h"

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
        own.append(
            {row, f.severity, f.rule, u"Rückweg: "_s + CheckTexts::findingLine(row, f.severity, f.text.mid(head))});
    }
    std::stable_sort(own.begin(), own.end(), [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return own;
}

} // namespace

QList<Finding> ownFindings(const QStringList &oldNames, const QStringList &newNames)
{
    return ownOnes(oldNames, newNames, NameCheck::check(oldNames, newNames));
}

QList<Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects *folder)
{
    const QList<Finding> forward = NameCheck::check(oldNames, newNames, folder);
    QList<Finding> all = forward + ownOnes(oldNames, newNames, forward);
    std::stable_sort(all.begin(), all.end(), [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return all;
}

QString questionText(const QList<Finding> &findings)
{
    // The check's own question with the last line about the way back.
    QString text = NameCheck::questionText(findings);
    text.truncate(text.lastIndexOf(u'\n') + 1);
    return text + WayBack::kFileName + u" trotzdem erstellen?"_s;
}

} // namespace WayBackCheck
