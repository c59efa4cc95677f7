#include "rules/RuleList.h"

#include "common/Module1.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The reasons of the regular expression library for the mistakes people
// make, in German, the same whether Qt's own translation is loaded (the
// window) or not (velmorant-cli); any other reason is given as Qt words it.
QString reasonInGerman(const QString &reason)
{
    static const std::pair<const char *, QString> known[] = {
        {"missing closing parenthesis", u"eine schließende Klammer fehlt"_s},
        {"missing terminating ] for character class", u"die schließende ] der Zeichenklasse fehlt"_s},
        {"quantifier does not follow a repeatable item",
         u"vor der Wiederholung steht nichts, was sich wiederholen lässt"_s},
        {"\\ at end of pattern", u"\\ am Ende des Ausdrucks"_s},
        {"unmatched closing parenthesis", u"eine schließende Klammer ohne öffnende"_s},
        {"range out of order in character class", u"ein Bereich der Zeichenklasse steht verkehrt herum"_s},
        {"numbers out of order in {} quantifier", u"die Zahlen in {} stehen verkehrt herum"_s},
        {"number too big in {} quantifier", u"eine Zahl in {} ist zu groß"_s},
        {"reference to non-existent subpattern", u"ein Verweis auf eine Gruppe, die es nicht gibt"_s},
        {"unrecognized character follows \\", u"nach \\ steht ein unbekanntes Zeichen"_s},
        {"unrecognized character after (? or (?-", u"nach (? steht ein unbekanntes Zeichen"_s},
        {"lookbehind assertion is not fixed length", u"ein Blick zurück ohne feste Länge"_s},
    };
    for (const auto &[english, german] : known) {
        if (reason == QLatin1String(english) || reason == QCoreApplication::translate("QRegularExpression", english))
            return german;
    }
    return reason;
}

// A base split from its extension: the tidied name's text from its last
// dot on.
struct Split {
    QString base;
    QString extension;
};

Split split(const QString &oldName)
{
    const QString tidied = Module1::NormalisedName(oldName);
    const qsizetype dot = tidied.lastIndexOf(u'.');
    if (dot < 0)
        return {tidied, {}};
    return {tidied.left(dot), tidied.mid(dot)};
}

} // namespace

RuleList::RuleList(const QList<RuleStep> &steps)
{
    m_steps.reserve(steps.size());
    for (const RuleStep &step : steps) {
        Compiled c{step, {}, {}, 0};
        QString problem = step.on ? problemOf(step) : QString();
        if (step.on && problem.isEmpty()) {
            switch (step.kind) {
            case RuleStep::Kind::Regex:
                compileRegex(c);
                break;
            case RuleStep::Kind::Pattern:
                compilePattern(c);
                break;
            case RuleStep::Kind::Number:
                compileNumber(c);
                break;
            default:
                break;
            }
        }
        // A step that cannot work changes nothing.
        if (!problem.isEmpty())
            c.step.on = false;
        m_problems.append(problem);
        m_steps.append(std::move(c));
    }
}

QString RuleList::problemOf(const RuleStep &step)
{
    switch (step.kind) {
    case RuleStep::Kind::Regex: {
        const QRegularExpression expression(step.text);
        if (!expression.isValid())
            return u"Ungültiger regulärer Ausdruck an Stelle %1: %2"_s.arg(expression.patternErrorOffset() + 1)
                .arg(reasonInGerman(expression.errorString()));
        return {};
    }
    case RuleStep::Kind::Number: {
        qsizetype runs = 0;
        for (qsizetype i = 0; i < step.text.size(); ++i)
            runs += step.text.at(i) == u'#' && (i == 0 || step.text.at(i - 1) != u'#');
        if (runs > 1)
            return u"Das Muster hat mehr als eine Folge von #"_s;
        if (step.start < 0 || step.step < 1)
            return u"Der Start muss 0 oder größer sein, der Schritt 1 oder größer"_s;
        return {};
    }
    case RuleStep::Kind::Insert:
    case RuleStep::Kind::Remove:
        if (step.kind == RuleStep::Kind::Remove && step.place != RuleStep::Place::Text && step.count < 0)
            return u"Die Anzahl der Zeichen muss 0 oder größer sein"_s;
        return {};
    default:
        return {};
    }
}

QString RuleList::firstProblem() const
{
    for (qsizetype i = 0; i < m_problems.size(); ++i) {
        if (!m_problems.at(i).isEmpty())
            return u"Schritt %1: "_s.arg(i + 1) + m_problems.at(i);
    }
    return {};
}

// "\1" or "$1" takes a group, "\\" and "$$" stand for themselves; two digits
// name a group only when the expression has that many.
void RuleList::compileRegex(Compiled &c)
{
    c.expression = QRegularExpression(c.step.text);
    c.expression.optimize();
    const int groups = c.expression.captureCount();
    const QString &r = c.step.replacement;
    QString literal;
    for (qsizetype i = 0; i < r.size(); ++i) {
        const QChar ch = r.at(i);
        const bool lead = ch == u'\\' || ch == u'$';
        if (lead && i + 1 < r.size() && r.at(i + 1) == ch) {
            literal += ch;
            ++i;
        } else if (lead && i + 1 < r.size() && r.at(i + 1).isDigit() && r.at(i + 1).unicode() < 128) {
            int group = r.at(i + 1).unicode() - '0';
            ++i;
            if (i + 1 < r.size() && r.at(i + 1).isDigit() && r.at(i + 1).unicode() < 128
                && group * 10 + (r.at(i + 1).unicode() - '0') <= groups) {
                group = group * 10 + (r.at(i + 1).unicode() - '0');
                ++i;
            }
            if (!literal.isEmpty())
                c.pieces.append({Piece::What::Text, std::exchange(literal, {}), 0});
            c.pieces.append({Piece::What::Group, {}, group});
        } else {
            literal += ch;
        }
    }
    if (!literal.isEmpty())
        c.pieces.append({Piece::What::Text, literal, 0});
}

// The pattern becomes an anchored expression in which each '*' takes as
// little as it can and each '?' one character; the k-th '*' of the target
// takes what the k-th '*' of the pattern matched, the k-th '?' likewise, and
// one without its counterpart takes nothing.
void RuleList::compilePattern(Compiled &c)
{
    QString expression;
    QList<int> stars;
    QList<int> singles;
    int group = 0;
    QString literal;
    const auto flush = [&] { expression += QRegularExpression::escape(std::exchange(literal, {})); };
    for (const QChar ch : c.step.text) {
        if (ch == u'*' || ch == u'?') {
            flush();
            expression += ch == u'*' ? u"(.*?)"_s : u"(.)"_s;
            (ch == u'*' ? stars : singles).append(++group);
        } else {
            literal += ch;
        }
    }
    flush();
    c.expression = QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                      QRegularExpression::DotMatchesEverythingOption);
    c.expression.optimize();
    qsizetype star = 0;
    qsizetype single = 0;
    for (const QChar ch : c.step.replacement) {
        if (ch == u'*' || ch == u'?') {
            if (!literal.isEmpty())
                c.pieces.append({Piece::What::Text, std::exchange(literal, {}), 0});
            const QList<int> &groups = ch == u'*' ? stars : singles;
            qsizetype &k = ch == u'*' ? star : single;
            c.pieces.append({Piece::What::Group, {}, k < groups.size() ? groups.at(k) : -1});
            ++k;
        } else {
            literal += ch;
        }
    }
    if (!literal.isEmpty())
        c.pieces.append({Piece::What::Text, literal, 0});
}

// "*" stands for the name before the step, the run of '#' for the number,
// which goes at the end when there is no run.
void RuleList::compileNumber(Compiled &c)
{
    QString literal;
    const QString &pattern = c.step.text;
    const auto flush = [&] {
        if (!literal.isEmpty())
            c.pieces.append({Piece::What::Text, std::exchange(literal, {}), 0});
    };
    bool numbered = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'*') {
            flush();
            c.pieces.append({Piece::What::Name, {}, 0});
        } else if (pattern.at(i) == u'#') {
            flush();
            qsizetype end = i;
            while (end < pattern.size() && pattern.at(end) == u'#')
                ++end;
            c.width = int(end - i);
            c.pieces.append({Piece::What::Number, {}, 0});
            numbered = true;
            i = end - 1;
        } else {
            literal += pattern.at(i);
        }
    }
    flush();
    if (!numbered)
        c.pieces.append({Piece::What::Number, {}, 0});
}

QString RuleList::expanded(const QList<Piece> &pieces, const QRegularExpressionMatch &match)
{
    QString text;
    for (const Piece &piece : pieces) {
        if (piece.what == Piece::What::Text)
            text += piece.text;
        else if (piece.group >= 0)
            text += match.capturedView(piece.group);
    }
    return text;
}

QString RuleList::applied(const Compiled &c, const QString &base, qsizetype row)
{
    const RuleStep &s = c.step;
    switch (s.kind) {
    case RuleStep::Kind::Replace: {
        if (s.text.isEmpty())
            return base;
        const Qt::CaseSensitivity cs = s.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        if (s.every)
            return QString(base).replace(s.text, s.replacement, cs);
        const qsizetype at = base.indexOf(s.text, 0, cs);
        return at < 0 ? base : QString(base).replace(at, s.text.size(), s.replacement);
    }
    case RuleStep::Kind::Pattern: {
        const QRegularExpressionMatch match = c.expression.match(base);
        return match.hasMatch() ? expanded(c.pieces, match) : base;
    }
    case RuleStep::Kind::Regex: {
        QString result;
        qsizetype from = 0;
        QRegularExpressionMatchIterator matches = c.expression.globalMatch(base);
        if (!matches.hasNext())
            return base;
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            result += QStringView(base).mid(from, match.capturedStart() - from);
            result += expanded(c.pieces, match);
            from = match.capturedEnd();
        }
        result += QStringView(base).mid(from);
        return result;
    }
    case RuleStep::Kind::Insert: {
        const qsizetype size = base.size();
        qsizetype at = 0;
        if (s.place == RuleStep::Place::End)
            at = size;
        else if (s.place == RuleStep::Place::Position)
            at = s.count >= 0 ? std::min<qsizetype>(s.count, size) : std::max<qsizetype>(0, size + s.count);
        return QString(base).insert(at, s.text);
    }
    case RuleStep::Kind::Number: {
        const QString number = QString::number(s.start + qint64(row) * s.step).rightJustified(c.width, u'0');
        QString result;
        for (const Piece &piece : c.pieces)
            result += piece.what == Piece::What::Text ? piece.text : piece.what == Piece::What::Name ? base : number;
        return result;
    }
    case RuleStep::Kind::Remove: {
        if (s.place == RuleStep::Place::Text)
            return s.text.isEmpty() ? base : QString(base).remove(s.text, Qt::CaseSensitive);
        const qsizetype n = std::min<qsizetype>(s.count, base.size());
        return s.place == RuleStep::Place::End ? base.left(base.size() - n) : base.mid(n);
    }
    case RuleStep::Kind::Case:
        return s.upper ? base.toUpper() : base.toLower();
    }
    return base;
}

QString RuleList::newName(const QString &oldName, qsizetype row) const
{
    if (oldName.isEmpty())
        return oldName;
    Split name = split(oldName);
    for (const Compiled &c : m_steps) {
        if (c.step.on)
            name.base = applied(c, name.base, row);
    }
    return name.base + name.extension;
}

QStringList RuleList::newNames(const QStringList &oldNames) const
{
    QStringList names;
    names.reserve(oldNames.size());
    for (qsizetype row = 0; row < oldNames.size(); ++row)
        names.append(newName(oldNames.at(row), row));
    return names;
}
