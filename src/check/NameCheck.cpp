#include "check/NameCheck.h"

#include "check/CheckTexts.h"
#include "check/ComparedPairs.h"
#include "check/FolderCheck.h"
#include "check/RingFinder.h"
#include "check/UsersToTake.h"
#include "common/Cp1252.h"

#include <QStringView>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace NameCheck {

namespace {

// Pro/ENGINEER's limit for an object name, extension and version not counted.
constexpr qsizetype kMaxNameLength = 31;

// The character at `i` with its low surrogate, if it has one.
QString characterAt(QStringView text, qsizetype i)
{
    const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    return text.mid(i, n).toString();
}

// A backquote closes the quoted name in the mapkey line, and a control
// character ends the line.
bool breaksLine(char16_t c)
{
    return c == u'`' || c < 0x20 || c == 0x7F;
}

bool isPathSeparator(char16_t c)
{
    return c == u'\\' || c == u'/' || c == u':';
}

template <typename Predicate>
qsizetype firstIndex(QStringView text, Predicate matches)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (matches(text.at(i).unicode()))
            return i;
    }
    return -1;
}

// Written as "?", a character without its byte in Windows-1252 would make
// Pro/ENGINEER look for or create another object.
bool hasNoByte(char16_t c)
{
    return c >= 0x80 && !Cp1252::represents(c);
}

// The first character of a base name that Pro/ENGINEER does not accept;
// those already reported as line breaks, paths or characters without a
// byte (surrogate pairs among them) are not repeated.
qsizetype firstBadCharacter(QStringView base)
{
    for (qsizetype i = 0; i < base.size(); ++i) {
        const char16_t c = base.at(i).unicode();
        // Most characters of most names, asked about first.
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
            continue;
        if (c == u'_' || c == u'-' || breaksLine(c) || isPathSeparator(c) || hasNoByte(c))
            continue;
        if (!QChar::isLetter(c) && !QChar::isDigit(c))
            return i;
    }
    return -1;
}

// A blank ends the name in Pro/ENGINEER's rename dialog.
bool isBlank(char16_t c)
{
    return QChar::isSpace(c) && !breaksLine(c);
}

// What follows the base of a new name as the mapkey types it. The rename
// dialog takes one extension at most; a version is Pro/ENGINEER's to give.
enum class Tail { Fine, Several, Empty, Version };

struct TypedTail {
    Tail tail = Tail::Fine;
    QStringView version; // with its dot, for Tail::Version
};

TypedTail tailOf(QStringView typed)
{
    // The part after a path, which is a finding of its own.
    for (qsizetype i = typed.size() - 1; i >= 0; --i) {
        if (isPathSeparator(typed.at(i).unicode())) {
            typed = typed.mid(i + 1);
            break;
        }
    }
    const qsizetype first = typed.indexOf(u'.');
    if (first < 0)
        return {};
    if (first == typed.size() - 1)
        return {Tail::Empty, {}};
    const qsizetype second = typed.indexOf(u'.', first + 1);
    if (second < 0)
        return {};
    if (second > first + 1 && typed.indexOf(u'.', second + 1) < 0 && isVersionNumber(typed.mid(second + 1)))
        return {Tail::Version, typed.mid(second)};
    return {Tail::Several, {}};
}

// For the rows that share a key: the first two of them and how many.
struct Rows {
    qsizetype first = -1;
    qsizetype second = -1;
    qsizetype count = 0;

    void add(qsizetype row)
    {
        if (count == 0)
            first = row;
        else if (count == 1)
            second = row;
        ++count;
    }
    qsizetype otherThan(qsizetype row) const { return first == row ? second : first; }
};

qsizetype errorCount(const QList<Finding> &findings)
{
    return std::count_if(findings.begin(), findings.end(),
                         [](const Finding &f) { return f.severity == Severity::Error; });
}

// Which rows share each key, and for each row the first later row that
// holds its new name as old name.
struct Tally {
    std::vector<Rows> byOld, byNew, ringByOld;
    std::vector<qsizetype> laterHolder;
};

Tally tally(const ComparedPairs &compared, const std::vector<bool> &onRing)
{
    const qsizetype rows = compared.pairs.size();
    Tally t{std::vector<Rows>(compared.keyCount), std::vector<Rows>(compared.keyCount),
            std::vector<Rows>(compared.keyCount), std::vector<qsizetype>(rows, -1)};
    std::vector<qsizetype> nextWithOld(compared.keyCount, -1);
    for (qsizetype i = rows - 1; i >= 0; --i) {
        const ComparedPair &p = compared.pairs.at(i);
        if (p.newKey >= 0)
            t.laterHolder[i] = nextWithOld[p.newKey];
        if (p.oldKey >= 0)
            nextWithOld[p.oldKey] = i;
    }
    for (qsizetype i = 0; i < rows; ++i) {
        const ComparedPair &p = compared.pairs.at(i);
        if (p.oldKey >= 0) {
            t.byOld[p.oldKey].add(i);
            if (onRing[i])
                t.ringByOld[p.oldKey].add(i);
        }
        if (p.newKey >= 0)
            t.byNew[p.newKey].add(i);
    }
    return t;
}

// An error breaks the run; a warning probably breaks it or does what the
// user did not mean. A character that Pro/ENGINEER may not take is a
// warning; a blank, which it refuses, is reported as an error.
Severity severityOf(Rule rule)
{
    switch (rule) {
    case Rule::Chain:
    case Rule::Unchanged:
    case Rule::Characters:
    case Rule::OtherType:
    case Rule::MissingInFolder:
    case Rule::DrawingLeftBehind:
    case Rule::UsersLeft:
        return Severity::Warning;
    default:
        return Severity::Error;
    }
}

// Both sorted by row: each row's findings of `first`, then those of
// `second`, whose rules come later.
QList<Finding> joined(const QList<Finding> &first, const QList<Finding> &second)
{
    QList<Finding> all;
    all.reserve(first.size() + second.size());
    std::merge(first.begin(), first.end(), second.begin(), second.end(), std::back_inserter(all),
               [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return all;
}

// The rules on the pairs alone.
QList<Finding> pairFindings(const ComparedPairs &compared, const QStringList &oldNames, const QStringList &newNames)
{
    using namespace CheckTexts;
    const std::vector<bool> onRing = pairsOnRings(compared);
    const Tally t = tally(compared, onRing);

    QList<Finding> findings;
    const auto report = [&](qsizetype row, Rule rule, const QString &message,
                            std::optional<Severity> given = std::nullopt) {
        const Severity severity = given.value_or(severityOf(rule));
        findings.append({row, severity, rule, findingLine(row, severity, message)});
    };
    for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
        const ComparedPair &p = compared.pairs.at(i);
        const QString &oldName = p.oldName;
        const QString &newName = newNames.at(i);
        if (oldNames.at(i).isEmpty())
            report(i, Rule::Empty, empty(true));
        else if (p.oldBase().isEmpty())
            report(i, Rule::NoBase, noBase(true, oldNames.at(i)));
        if (newName.isEmpty())
            report(i, Rule::Empty, empty(false));
        else if (p.newBase().isEmpty())
            report(i, Rule::NoBase, noBase(false, newName));
        if (const qsizetype at = firstIndex(oldName, breaksLine); at >= 0)
            report(i, Rule::LineBreak, lineBreak(true, characterAt(oldName, at), oldName));
        if (const qsizetype at = firstIndex(newName, breaksLine); at >= 0)
            report(i, Rule::LineBreak, lineBreak(false, characterAt(newName, at), newName));
        if (const qsizetype at = firstIndex(oldName, hasNoByte); at >= 0)
            report(i, Rule::Unrepresentable, unrepresentable(true, characterAt(oldName, at), oldName));
        if (const qsizetype at = firstIndex(newName, hasNoByte); at >= 0)
            report(i, Rule::Unrepresentable, unrepresentable(false, characterAt(newName, at), newName));
        if (const qsizetype at = firstIndex(newName, isPathSeparator); at >= 0)
            report(i, Rule::Path, path(characterAt(newName, at), newName));
        if (p.newKey >= 0 && t.byNew[p.newKey].count > 1) {
            const Rows &same = t.byNew[p.newKey];
            report(i, Rule::NewTwice, twice(false, same.otherThan(i), same.count - 1, newName));
        }
        if (p.oldKey >= 0 && t.byOld[p.oldKey].count > 1) {
            const Rows &same = t.byOld[p.oldKey];
            report(i, Rule::OldTwice, twice(true, same.otherThan(i), same.count - 1, oldName));
        }
        if (onRing[i])
            report(i, Rule::Ring, ring(t.ringByOld[p.newKey].otherThan(i), newName));
        else if (t.laterHolder[i] >= 0)
            report(i, Rule::Chain, chain(t.laterHolder[i], newName));
        if (p.unchanged())
            report(i, Rule::Unchanged, unchanged(newName));
        if (p.newBase().size() > kMaxNameLength)
            report(i, Rule::TooLong, tooLong(p.newBase().size(), newName));
        if (const qsizetype at = firstIndex(p.newBase(), isBlank); at >= 0)
            report(i, Rule::Characters, badCharacter(characterAt(p.newBase(), at), newName), Severity::Error);
        else if (const qsizetype bad = firstBadCharacter(p.newBase()); bad >= 0)
            report(i, Rule::Characters, badCharacter(characterAt(p.newBase(), bad), newName));
        else if (p.newBase().startsWith(u'-'))
            report(i, Rule::Characters, leadingHyphen(newName));
        if (const TypedTail typed = tailOf(newName); typed.tail != Tail::Fine && !p.newBase().isEmpty()) {
            report(i, Rule::Extension,
                   typed.tail == Tail::Version     ? versionNumber(typed.version, newName)
                       : typed.tail == Tail::Empty ? emptyExtension(newName)
                                                   : severalExtensions(newName));
        }
        const QStringView newType = p.newExtension();
        const QStringView oldType = p.oldExtension();
        if (!oldName.isEmpty() && !newType.isEmpty() && newType != oldType
            && newType.compare(oldType, Qt::CaseInsensitive) != 0)
            report(i, Rule::OtherType, otherType(newType, oldType, newName));
    }
    return findings;
}

} // namespace

QList<Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects *folder,
                     const UseIndex *usersLeft)
{
    const ComparedPairs compared = comparePairs(oldNames, newNames);
    QList<Finding> findings = pairFindings(compared, oldNames, newNames);
    if (!folder)
        return findings;
    findings = joined(findings, FolderCheck::check(compared, newNames, *folder));
    return usersLeft ? joined(findings, UsersToTake::check(compared, *usersLeft)) : findings;
}

QString summary(const QList<Finding> &findings, const QString &against, qsizetype oldCount, qsizetype newCount)
{
    const qsizetype errors = errorCount(findings);
    return CheckTexts::summary(errors, findings.size() - errors, against, oldCount, newCount);
}

QList<RowMark> rowMarks(const QList<Finding> &findings, qsizetype rows)
{
    QList<RowMark> marks(rows);
    for (const Finding &f : findings) {
        if (f.row < 0 || f.row >= rows)
            continue;
        RowMark &mark = marks[f.row];
        if (mark.any)
            mark.tooltip += u'\n';
        mark.tooltip += f.text;
        if (!mark.any || f.severity == Severity::Error)
            mark.worst = f.severity;
        mark.any = true;
    }
    return marks;
}

QString questionText(const QList<Finding> &findings, const QString &notChecked)
{
    if (findings.isEmpty() && notChecked.isEmpty())
        return {};
    constexpr qsizetype kShown = 10;
    QStringList first;
    for (qsizetype i = 0; i < std::min(kShown, findings.size()); ++i)
        first << findings.at(i).text;
    const qsizetype errors = errorCount(findings);
    return CheckTexts::question(errors, findings.size() - errors, first, findings.size() - first.size(), notChecked);
}

bool isVersionNumber(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isObjectBaseName(QStringView base)
{
    return !base.isEmpty() && base.size() <= kMaxNameLength && !base.startsWith(u'-')
        && firstIndex(base, breaksLine) < 0 && firstIndex(base, isPathSeparator) < 0 && firstBadCharacter(base) < 0;
}

} // namespace NameCheck
