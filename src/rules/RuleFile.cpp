#include "rules/RuleFile.h"

#include "lists/ListFile.h"
#include "lists/NameListOps.h"

#include <algorithm>
#include <iterator>
#include <utility>

using namespace Qt::StringLiterals;

namespace RuleFile {

namespace {

using Kind = RuleStep::Kind;
using Place = RuleStep::Place;

const std::pair<Kind, QString> kKinds[] = {
    {Kind::Replace, u"ersetzen"_s},  {Kind::Pattern, u"muster"_s},     {Kind::Regex, u"regex"_s},
    {Kind::Insert, u"einfuegen"_s},  {Kind::Number, u"nummerieren"_s}, {Kind::Remove, u"entfernen"_s},
    {Kind::Case, u"schreibweise"_s},
};

QString kindWord(Kind kind)
{
    for (const auto &[k, word] : kKinds) {
        if (k == kind)
            return word;
    }
    return {};
}

// A line's fields after its kind, and the first complaint about them.
class Fields
{
public:
    Fields(const QStringList &fields, const QString &kind)
        : m_fields(fields)
        , m_kind(kind)
    {
    }
    qsizetype size() const { return m_fields.size(); }
    const QString &at(qsizetype i) const { return m_fields.at(i); }
    // The index of `at(i)` among `words`, or -1 with a complaint.
    int word(qsizetype i, const QStringList &words)
    {
        const int found = int(words.indexOf(at(i)));
        if (found < 0)
            fail(u"„%1“ ist keins von: %2"_s.arg(at(i), words.join(u", "_s)));
        return found;
    }
    qint64 number(qsizetype i, qint64 lowest, const QString &name)
    {
        bool ok = false;
        const qint64 n = at(i).toLongLong(&ok);
        // Nine digits keep every number a numbering gives within range.
        if (!ok || n < lowest || n > 999999999 || at(i).startsWith(u'+')) {
            fail(u"%1 muss eine ganze Zahl von %2 bis 999999999 sein, nicht „%3“"_s.arg(name).arg(
                lowest == -999999999 ? u"-999999999"_s : QString::number(lowest), at(i)));
            return 0;
        }
        return n;
    }
    bool count(qsizetype expected, const QString &form)
    {
        if (m_fields.size() != expected)
            fail(u"%1 braucht die Felder: %2 (durch Tabulatoren getrennt)"_s.arg(m_kind, form));
        return m_fields.size() == expected;
    }
    void fail(const QString &complaint)
    {
        if (m_error.isEmpty())
            m_error = complaint;
    }
    const QString &error() const { return m_error; }

private:
    QStringList m_fields;
    QString m_kind;
    QString m_error;
};

// The step of one line's fields, or a complaint.
QString parseStep(QStringList fields, RuleStep &step)
{
    if (fields.first() == u"aus") {
        step.on = false;
        fields.removeFirst();
        if (fields.isEmpty())
            return u"nach „aus“ fehlt die Art des Schritts"_s;
    }
    const QString kind = fields.takeFirst();
    const auto known = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [&kind](const auto &entry) { return entry.second == kind; });
    if (known == std::end(kKinds)) {
        QStringList words;
        for (const auto &entry : kKinds)
            words << entry.second;
        return u"unbekannte Art „%1“ (bekannt: %2)"_s.arg(kind, words.join(u", "_s));
    }
    step.kind = known->first;
    Fields f(fields, kind);
    switch (step.kind) {
    case Kind::Replace:
        if (f.count(4, u"TEXT ERSATZ erstes|alle gross-klein|egal"_s)) {
            step.text = f.at(0);
            step.replacement = f.at(1);
            step.every = f.word(2, {u"erstes"_s, u"alle"_s}) == 1;
            step.caseSensitive = f.word(3, {u"gross-klein"_s, u"egal"_s}) == 0;
        }
        break;
    case Kind::Pattern:
    case Kind::Regex:
        if (f.count(2, step.kind == Kind::Pattern ? u"VON NACH"_s : u"AUSDRUCK ERSATZ"_s)) {
            step.text = f.at(0);
            step.replacement = f.at(1);
        }
        break;
    case Kind::Insert:
        if (f.size() == 3 && f.at(1) == u"position") {
            step.text = f.at(0);
            step.place = Place::Position;
            step.count = int(f.number(2, -999999999, u"N"_s));
        } else if (f.count(2, u"TEXT anfang|ende oder TEXT position N"_s)) {
            step.text = f.at(0);
            step.place = f.word(1, {u"anfang"_s, u"ende"_s, u"position"_s}) == 1 ? Place::End : Place::Start;
            if (f.at(1) == u"position")
                f.fail(u"position braucht eine Zahl N"_s);
        }
        break;
    case Kind::Number:
        if (f.count(3, u"MUSTER START SCHRITT"_s)) {
            step.text = f.at(0);
            step.start = f.number(1, 0, u"START"_s);
            step.step = f.number(2, 1, u"SCHRITT"_s);
        }
        break;
    case Kind::Remove:
        if (f.count(2, u"anfang|ende N oder text TEXT"_s)) {
            const int where = f.word(0, {u"anfang"_s, u"ende"_s, u"text"_s});
            step.place = where == 2 ? Place::Text : where == 1 ? Place::End : Place::Start;
            if (where == 2)
                step.text = f.at(1);
            else if (where >= 0)
                step.count = int(f.number(1, 0, u"N"_s));
        }
        break;
    case Kind::Case:
        if (f.count(1, u"klein|gross"_s))
            step.upper = f.word(0, {u"klein"_s, u"gross"_s}) == 1;
        break;
    }
    return f.error();
}

} // namespace

ReadResult parse(const QStringList &lines)
{
    ReadResult result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        RuleStep step;
        const QString complaint = parseStep(line.split(u'\t'), step);
        if (!complaint.isEmpty()) {
            result.error = u"Zeile %1: "_s.arg(i + 1) + complaint;
            return result;
        }
        result.steps.append(step);
        result.lines.append(i + 1);
    }
    result.ok = true;
    return result;
}

ReadResult read(const QString &path)
{
    const ListFile::ReadResult file = ListFile::read(path);
    if (file.status != ListFile::ReadResult::Status::Read) {
        ReadResult result;
        result.error = ListFile::failureMessage(file.status, path, ListFile::Content::Rules);
        return result;
    }
    ReadResult result = parse(file.lines);
    if (!result.ok)
        result.error = u"Fehler: Regeldatei "_s + path + u", "_s + result.error;
    return result;
}

QStringList lines(const QList<RuleStep> &steps)
{
    QStringList lines{u"# Velmorant-Regeln: ein Schritt je Zeile, die Felder durch Tabulatoren getrennt"_s};
    for (const RuleStep &s : steps) {
        QStringList f;
        if (!s.on)
            f << u"aus"_s;
        f << kindWord(s.kind);
        switch (s.kind) {
        case Kind::Replace:
            f << s.text << s.replacement << (s.every ? u"alle"_s : u"erstes"_s)
              << (s.caseSensitive ? u"gross-klein"_s : u"egal"_s);
            break;
        case Kind::Pattern:
        case Kind::Regex:
            f << s.text << s.replacement;
            break;
        case Kind::Insert:
            f << s.text;
            if (s.place == Place::Position)
                f << u"position"_s << QString::number(s.count);
            else
                f << (s.place == Place::End ? u"ende"_s : u"anfang"_s);
            break;
        case Kind::Number:
            f << s.text << QString::number(s.start) << QString::number(s.step);
            break;
        case Kind::Remove:
            if (s.place == Place::Text)
                f << u"text"_s << s.text;
            else
                f << (s.place == Place::End ? u"ende"_s : u"anfang"_s) << QString::number(s.count);
            break;
        case Kind::Case:
            f << (s.upper ? u"gross"_s : u"klein"_s);
            break;
        }
        lines << f.join(u'\t');
    }
    return lines;
}

WriteReport write(const QString &path, const QList<RuleStep> &steps)
{
    for (qsizetype i = 0; i < steps.size(); ++i) {
        for (const QString *field : {&steps.at(i).text, &steps.at(i).replacement}) {
            if (field->contains(u'\t') || NameListOps::holdsLineBreak(*field)) {
                WriteReport refused;
                refused.statusText =
                    u"Fehler: Schritt %1 enthält einen Tabulator oder Zeilenumbruch; die Regeln sind nicht gespeichert"_s
                        .arg(i + 1);
                return refused;
            }
        }
    }
    WriteReport report = ListFile::write(path, lines(steps));
    if (report.ok)
        report.statusText = u"Regeln gespeichert in "_s + path;
    else if (report.statusText.startsWith(u"Fehler: Liste konnte"_s))
        report.statusText = u"Fehler: Regeln konnten nicht gespeichert werden: "_s + path;
    return report;
}

} // namespace RuleFile
