#include "check/UsersToTake.h"

#include "check/CheckTexts.h"
#include "common/Counted.h"
#include "common/Module1.h"
#include "common/ShownName.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace UsersToTake {

namespace {

// A finding stays a line a terminal shows whole.
constexpr qsizetype kUsersShown = 5;

QString shownUsers(const QStringList &users)
{
    QStringList shown;
    for (qsizetype i = 0; i < std::min(kUsersShown, users.size()); ++i)
        shown << ShownName::of(users.at(i));
    QString text = shown.join(u", "_s);
    if (users.size() > kUsersShown)
        text += u" und "_s + QString::number(users.size() - kUsersShown) + u" weitere"_s;
    return text;
}

// The users of `name` that no pair renames.
QStringList usersLeft(const UseIndex &use, const QString &name, const QSet<QString> &renamed)
{
    QStringList users = use.usersOf(name);
    users.removeIf([&renamed](const QString &user) { return renamed.contains(user); });
    return users;
}

} // namespace

QStringList choose(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use)
{
    const qsizetype n = std::min(oldNames.size(), newNames.size());
    QSet<QString> renamed;
    QStringList names;
    for (qsizetype i = 0; i < n; ++i) {
        if (!oldNames.at(i).isEmpty())
            names << Module1::NormalisedName(oldNames.at(i)).toLower();
    }
    if (names.isEmpty())
        return {};
    renamed = QSet<QString>(names.begin(), names.end());
    QStringList users = use.unreadTaken();
    for (const QString &name : std::as_const(renamed))
        users += use.usersOf(name);
    users.removeIf([&renamed](const QString &user) { return renamed.contains(user); });
    std::sort(users.begin(), users.end());
    users.erase(std::unique(users.begin(), users.end()), users.end());
    return users;
}

QStringList chooseBack(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use)
{
    const qsizetype n = std::min(oldNames.size(), newNames.size());
    QStringList backOld;
    backOld.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QString &newName = newNames.at(i);
        const bool typeKept = !newName.isEmpty() && Module1::FileExtension(newName).isEmpty();
        backOld << (typeKept ? newName + Module1::FileExtension(Module1::NormalisedName(oldNames.at(i))) : newName);
    }
    // Both halves renamed: neither is anyone's user to take.
    return choose(oldNames.mid(0, n) + backOld, newNames.mid(0, n) + newNames.mid(0, n), use);
}

QList<NameCheck::Finding> check(const ComparedPairs &compared, const UseIndex &use)
{
    QList<NameCheck::Finding> findings;
    if (use.isEmpty())
        return findings;
    QSet<QString> renamed;
    renamed.reserve(compared.pairs.size());
    for (const ComparedPair &p : compared.pairs)
        renamed.insert(p.oldName.toLower());
    for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
        const ComparedPair &p = compared.pairs.at(i);
        if (p.oldName.isEmpty())
            continue;
        const QString name = p.oldName.toLower();
        const QStringList users = usersLeft(use, name, renamed);
        if (users.isEmpty())
            continue;
        const auto severity = NameCheck::Severity::Warning;
        findings.append(
            {i, severity, NameCheck::Rule::UsersLeft, CheckTexts::findingLine(i, severity, leftText(name, users))});
    }
    return findings;
}

QString leftText(const QString &name, const QStringList &users)
{
    return ShownName::of(name) + u" wird verwendet von "_s + shownUsers(users)
        + u", die der Lauf nicht öffnet (Verwender mitnehmen)"_s;
}

QString usedByText(const QStringList &users)
{
    return users.isEmpty() ? QString() : u"Verwendet von: "_s + shownUsers(users);
}

QString note(const UseIndex &use, bool taking, qsizetype taken)
{
    QStringList parts;
    if (taking) {
        const qsizetype unread = use.unreadTaken().size();
        if (taken > 0)
            parts << Counted::text(taken, u"Verwender"_s, u"Verwender"_s) + u" mitgenommen"_s
                    + (unread > 0 ? u" ("_s + QString::number(unread) + u" nicht lesbar)"_s : QString());
        if (use.unreadLeft() > 0)
            parts << Counted::text(use.unreadLeft(), u"Teil"_s, u"Teile"_s)
                    + u": Verwendung nicht lesbar, nicht mitgenommen"_s;
    } else {
        const qsizetype unread = use.unread().size() - use.notObjects();
        if (unread > 0)
            parts << Counted::text(unread, u"Objekt"_s, u"Objekte"_s) + u": Verwendung nicht lesbar"_s;
    }
    if (use.notObjects() > 0)
        parts << Counted::text(use.notObjects(), u"Datei"_s, u"Dateien"_s) + u": kein Objekt"_s;
    return parts.join(u"; "_s);
}

void addUsedBy(QList<NameCheck::RowMark> &marks, const QStringList &oldNames, const UseIndex &use)
{
    if (use.isEmpty())
        return;
    const qsizetype n = std::min(marks.size(), oldNames.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (oldNames.at(i).isEmpty())
            continue;
        const QString usedBy = usedByText(use.usersOf(Module1::NormalisedName(oldNames.at(i))));
        if (usedBy.isEmpty())
            continue;
        QString &tooltip = marks[i].tooltip;
        tooltip += (tooltip.isEmpty() ? QString() : u"\n"_s) + usedBy;
    }
}

QStringList overview(const QStringList &oldNames, const QStringList &newNames, const UseIndex &use)
{
    QStringList lines;
    const qsizetype n = std::min(oldNames.size(), newNames.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (oldNames.at(i).isEmpty())
            continue;
        const QString name = Module1::NormalisedName(oldNames.at(i)).toLower();
        QStringList users = use.usersOf(name);
        for (QString &user : users)
            user = ShownName::of(user);
        lines << ShownName::of(name)
                + (users.isEmpty() ? u": kein Verwender im Prüfordner"_s : u": verwendet von "_s + users.join(u", "_s));
    }
    // The files apart from the pairs, under a heading of their own: a line
    // "kein Objekt" would otherwise read as one more about the pair above.
    if (!use.unread().isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << u"Nicht lesbar:"_s;
    }
    for (const UseIndex::Unread &unread : use.unread()) {
        const QString why = unread.reason.isEmpty() ? QString() : u" ("_s + unread.reason + u')';
        lines << ShownName::of(unread.name)
                + (unread.kind == ObjectUse::FileKind::NotAnObject ? u": kein Objekt"_s + why
                                                                   : u": Verwendung nicht lesbar"_s + why
                           + (unread.taken() ? u", wird mitgenommen"_s : u", wird nicht mitgenommen"_s));
    }
    return lines;
}

} // namespace UsersToTake
