#include "rules/RuleTexts.h"

using namespace Qt::StringLiterals;

namespace RuleTexts {

const QStringList &kindNames()
{
    static const QStringList names{u"Ersetzen"_s,    u"Muster"_s,    u"Regulärer Ausdruck"_s, u"Einfügen"_s,
                                   u"Nummerieren"_s, u"Entfernen"_s, u"Schreibweise"_s};
    return names;
}

namespace {

QString quoted(const QString &text)
{
    return u"„"_s + text + u"“"_s;
}

} // namespace

QString describe(const RuleStep &s)
{
    const QString kind = kindNames().at(int(s.kind)) + u": "_s;
    switch (s.kind) {
    case RuleStep::Kind::Replace:
        return kind + quoted(s.text) + u" → "_s + quoted(s.replacement) + u" ("_s + (s.every ? u"alle"_s : u"erstes"_s)
            + u", "_s + (s.caseSensitive ? u"Groß/Klein beachtet"_s : u"Groß/Klein egal"_s) + u')';
    case RuleStep::Kind::Pattern:
    case RuleStep::Kind::Regex:
        return kind + quoted(s.text) + u" → "_s + quoted(s.replacement);
    case RuleStep::Kind::Insert:
        return kind + quoted(s.text)
            + (s.place == RuleStep::Place::End            ? u" am Ende"_s
                   : s.place == RuleStep::Place::Position ? u" an Stelle %1"_s.arg(s.count)
                                                          : u" am Anfang"_s);
    case RuleStep::Kind::Number:
        return kind + quoted(s.text) + u" ab %1, Schritt %2"_s.arg(s.start).arg(s.step);
    case RuleStep::Kind::Remove:
        if (s.place == RuleStep::Place::Text)
            return kind + u"jedes "_s + quoted(s.text);
        return kind + u"%1 Zeichen am %2"_s.arg(s.count).arg(s.place == RuleStep::Place::End ? u"Ende"_s : u"Anfang"_s);
    case RuleStep::Kind::Case:
        return kind + (s.upper ? u"groß"_s : u"klein"_s);
    }
    return kind;
}

QString previewSummary(qsizetype changed, qsizetype names)
{
    return u"%1 von %2 Namen ändern sich"_s.arg(changed).arg(names);
}

} // namespace RuleTexts
