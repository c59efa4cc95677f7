#include "templates/RecordedTemplates.h"

#include "check/NameCheck.h"
#include "common/Cp1252.h"
#include "templates/RecordedBody.h"
#include "templates/TemplateTexts.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace RecordedTemplates {

namespace {

constexpr QStringView kContinued = u"mapkey(continued) ";
constexpr QStringView kLineEnd = u"\\\r\n";

// Where a sample name stands in the kept text: a value typed into a field
// (the third argument of an "~ Input" or "~ Update") that is the name, or
// for the old name also a path that ends in it. A name inside a longer
// value is no place for another name: "teil" in "teil.prt" would turn
// every object into "motor.prt.prt".
struct Found {
    qsizetype at = 0;
    bool isNew = false;
    QStringView value; // the whole value that holds the name
};

bool isTyped(const RecordedBody::Action &action)
{
    return (action.verb == u"Input" || action.verb == u"Update") && action.arguments.size() >= 3;
}

// Where in `value` the old name stands as a whole: the value itself, or
// its end behind a folder; -1 when it does not.
qsizetype oldNameAt(QStringView value, QStringView sample)
{
    if (value == sample)
        return 0;
    const qsizetype at = value.size() - sample.size();
    return at > 0 && value.endsWith(sample) && QStringView(u"\\/:").contains(value.at(at - 1)) ? at : -1;
}

// A sample is what was typed into Pro/ENGINEER as the name of an object,
// so every part of it between dots is a name the name check takes as it
// is: no backquote, blank or line break ends up inside a mapkey's value.
bool isObjectName(QStringView sample)
{
    for (const QStringView part : sample.tokenize(u'.')) {
        if (!NameCheck::isObjectBaseName(part))
            return false;
    }
    return true;
}

// The samples are checked before anything is read.
QList<Finding> sampleFindings(const Choice &choice)
{
    QList<Finding> findings;
    for (const bool oldSample : {true, false}) {
        const QString &sample = oldSample ? choice.oldSample : choice.newSample;
        if (sample.trimmed().isEmpty())
            findings.append({true, TemplateTexts::finding(0, true, TemplateTexts::emptySample(oldSample))});
        else if (!isObjectName(sample))
            findings.append({true, TemplateTexts::finding(0, true, TemplateTexts::noObjectName(oldSample, sample))});
    }
    return findings;
}

bool blank(QStringView piece)
{
    return std::all_of(piece.begin(), piece.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// One role's definition, read and checked; the body and the places of its
// names when there was no error.
class RoleReader
{
public:
    RoleReader(const Recording::Definition &definition, Role role, const Choice &choice, QList<Finding> &findings)
        : m_definition(definition)
        , m_role(role)
        , m_choice(choice)
        , m_findings(findings)
        , m_mapkey(TemplateTexts::mapkey(definition.name, role))
    {
    }

    // The body cut at its names: three pieces for the rename role, two for
    // the others; nothing after an error.
    std::optional<QStringList> read();

private:
    void add(qsizetype line, bool error, const QString &message)
    {
        m_findings.append({error, TemplateTexts::finding(line, error, message)});
        m_failed = m_failed || error;
    }
    qsizetype lineOf(qsizetype keptPosition) const
    {
        return m_definition.lineAt(m_kept.origin.value(keptPosition, m_definition.text.size()));
    }
    QList<Found> namePlaces();
    void checkTyping();
    void checkCharacters(const QList<Found> &names);
    QStringList cut(const QList<Found> &names) const;

    const Recording::Definition &m_definition;
    Role m_role;
    const Choice &m_choice;
    QList<Finding> &m_findings;
    QString m_mapkey;
    RecordedBody::Kept m_kept;
    bool m_failed = false;
};

std::optional<QStringList> RoleReader::read()
{
    m_kept = RecordedBody::read(m_definition);
    for (const qsizetype line : m_definition.blankAfterBackslash)
        add(line, false, TemplateTexts::blankAfterBackslash(m_mapkey));
    const QList<Found> names = namePlaces();
    for (const RecordedBody::Call &call : std::as_const(m_kept.calls))
        add(lineOf(call.at), false, TemplateTexts::callsMapkey(m_mapkey, call.name.toString()));
    checkTyping();
    if (m_failed)
        return std::nullopt;
    checkCharacters(names);
    if (m_failed)
        return std::nullopt;
    return cut(names);
}

// The places of the names, each found exactly once, the old one first,
// and neither cut by a line end.
QList<Found> RoleReader::namePlaces()
{
    const QString &oldSample = m_choice.oldSample;
    const QString &newSample = m_choice.newSample;
    const bool rename = m_role == Role::Rename;
    const bool same = oldSample == newSample;
    QList<Found> found;
    // The first value that holds a name without being it, for the finding
    // when the name stands nowhere.
    Found partly[2] = {{-1, false, {}}, {-1, true, {}}};
    for (const RecordedBody::Action &action : RecordedBody::actions(m_kept.text)) {
        if (!isTyped(action))
            continue;
        const QStringView value = action.arguments.at(2);
        const qsizetype valueAt = value.data() - m_kept.text.constData();
        if (!same && value == newSample) {
            found.append({valueAt, true, value});
        } else if (const qsizetype at = oldNameAt(value, oldSample); at >= 0) {
            found.append({valueAt + at, false, value});
        } else {
            for (Found &part : partly) {
                if (part.at < 0 && value.contains(part.isNew ? newSample : oldSample))
                    part = {valueAt, part.isNew, value};
            }
        }
    }
    if (rename && same) {
        for (qsizetype i = 1; i < found.size(); ++i)
            found[i].isNew = true;
    }
    QList<Found> names;
    for (const bool isNew : {false, true}) {
        QList<Found> of;
        std::copy_if(found.begin(), found.end(), std::back_inserter(of),
                     [isNew](const Found &f) { return f.isNew == isNew; });
        const QString &sample = isNew ? newSample : oldSample;
        if (isNew && !rename) {
            if (!of.isEmpty())
                add(lineOf(of.first().at), true, TemplateTexts::newSampleOutOfPlace(m_mapkey, sample));
        } else if (of.isEmpty()) {
            const Found &part = partly[isNew ? 1 : 0];
            add(m_definition.firstLine, true,
                TemplateTexts::sampleNowhere(m_mapkey, !isNew, sample, part.value.toString(),
                                             part.at < 0 ? 0 : lineOf(part.at)));
        } else if (of.size() > 1) {
            add(lineOf(of.at(1).at), true, TemplateTexts::sampleTwice(m_mapkey, !isNew, sample, lineOf(of.first().at)));
        } else {
            names.append(of.first());
        }
    }
    if (names.size() == 2 && names.at(1).at < names.at(0).at)
        add(lineOf(names.at(1).at), true, TemplateTexts::newBeforeOld(m_mapkey, newSample, lineOf(names.at(0).at)));
    for (const Found &name : std::as_const(names)) {
        const qsizetype size = (name.isNew ? newSample : oldSample).size();
        const bool split = std::any_of(m_kept.lineEnds.begin(), m_kept.lineEnds.end(),
                                       [&](qsizetype end) { return name.at < end && end < name.at + size; });
        if (split)
            add(lineOf(name.at), true,
                TemplateTexts::sampleSplit(m_mapkey, !name.isNew, name.isNew ? newSample : oldSample));
    }
    if (!names.isEmpty() && !names.first().isNew && names.first().value != oldSample)
        add(lineOf(names.first().at), false, TemplateTexts::folderPath(m_mapkey, names.first().value.toString()));
    return names;
}

// A field that was typed into, towards a sample name, yet never held a
// whole one: a typing slip the recording kept, which every run repeats.
void RoleReader::checkTyping()
{
    struct Field {
        QString dialog;
        QString name;
        QStringView last;
        qsizetype lastAt = 0;
        bool towardsSample = false;
        bool holdsSample = false;
    };
    QList<Field> fields;
    QHash<QString, qsizetype> index;
    const auto startsSample = [this](QStringView value) {
        return !value.isEmpty() && (m_choice.oldSample.startsWith(value) || m_choice.newSample.startsWith(value));
    };
    for (const RecordedBody::Action &action : std::as_const(m_kept.actions)) {
        const bool input = action.verb == u"Input";
        if ((!input && action.verb != u"Update") || action.arguments.size() < 3)
            continue;
        const QString key = RecordedBody::fieldKey(action);
        const qsizetype i = index.value(key, fields.size());
        if (i == fields.size()) {
            index.insert(key, i);
            fields.append({action.arguments.at(0).toString(), action.arguments.at(1).toString(), {}, 0, false, false});
        }
        Field &field = fields[i];
        const QStringView value = action.arguments.at(2);
        field.last = value;
        field.lastAt = action.start;
        field.towardsSample = field.towardsSample || (input && startsSample(value));
        field.holdsSample = field.holdsSample || oldNameAt(value, m_choice.oldSample) >= 0
            || value == m_choice.newSample;
    }
    for (const Field &field : std::as_const(fields)) {
        if (field.towardsSample && !field.holdsSample)
            add(m_definition.lineAt(field.lastAt), false,
                TemplateTexts::typingSlip(m_mapkey, field.dialog, field.name, field.last.toString()));
    }
}

// The names' characters do not matter: they give way to the pairs' names.
void RoleReader::checkCharacters(const QList<Found> &names)
{
    const QString &text = m_kept.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        for (const Found &name : names) {
            if (i == name.at)
                i += (name.isNew ? m_choice.newSample : m_choice.oldSample).size();
        }
        if (i >= text.size() || Cp1252::represents(text.at(i).unicode()))
            continue;
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        add(lineOf(i), true, TemplateTexts::unrepresentable(m_mapkey, text.mid(i, pair ? 2 : 1)));
        return;
    }
}

// The kept pieces between the line ends, each a continuation line, blank
// ones left out; the body cut where the names stand.
QStringList RoleReader::cut(const QList<Found> &names) const
{
    QString body;
    QList<qsizetype> cuts;
    const QString &text = m_kept.text;
    QList<qsizetype> bounds = m_kept.lineEnds;
    bounds.append(text.size());
    qsizetype start = 0;
    for (const qsizetype end : std::as_const(bounds)) {
        const QStringView piece = QStringView(text).mid(start, end - start);
        if (!blank(piece)) {
            body += kContinued;
            for (const Found &name : names) {
                if (name.at >= start && name.at < end)
                    cuts << body.size() + name.at - start
                         << body.size() + name.at - start
                            + (name.isNew ? m_choice.newSample : m_choice.oldSample).size();
            }
            body += piece;
            body += kLineEnd;
        }
        start = end;
    }
    QStringList pieces;
    qsizetype from = 0;
    for (qsizetype i = 0; i < cuts.size(); i += 2) {
        pieces << body.mid(from, cuts.at(i) - from);
        from = cuts.at(i + 1);
    }
    pieces << body.mid(from);
    return pieces;
}

// The last definition of a name counts, as when Pro/ENGINEER reads the file.
const Recording::Definition *definitionOf(const QList<Recording::Definition> &definitions, const QString &name)
{
    const auto it = std::find_if(definitions.crbegin(), definitions.crend(),
                                 [&name](const Recording::Definition &d) { return d.name == name; });
    return it == definitions.crend() ? nullptr : &*it;
}

} // namespace

const QString &Choice::key(Role role) const
{
    return role == Role::Rename ? renameKey : role == Role::OpenSaveClose ? saveKey : openKey;
}

QString Checked::findingLines() const
{
    QString lines;
    for (const Finding &finding : findings)
        lines += finding.text + u'\n';
    return lines;
}

Checked check(const Recording::File &file, const Choice &choice)
{
    Checked checked;
    checked.findings = sampleFindings(choice);
    if (file.status != ListFile::ReadResult::Status::Read) {
        checked.findings.append(
            {true, TemplateTexts::finding(file.longLine, true, TemplateTexts::unreadable(file, choice.file))});
        return checked;
    }
    const Recording::Contents contents = Recording::contents(file.text);
    const QList<Recording::Definition> &definitions = contents.definitions;
    for (const Recording::Definition &definition : definitions) {
        if (!checked.mapkeys.contains(definition.name))
            checked.mapkeys.append(definition.name);
    }
    if (!checked.findings.isEmpty())
        return checked;
    const auto fail = [&checked](const QString &message) {
        checked.findings.append({true, TemplateTexts::finding(0, true, message)});
    };
    bool failed = false;
    for (const qsizetype line : contents.strayContinuations) {
        checked.findings.append({true, TemplateTexts::finding(line, true, TemplateTexts::strayContinuation())});
        failed = true;
    }
    if (choice.oldSample == choice.newSample) {
        checked.findings.append(
            {false,
             TemplateTexts::finding(0, false,
                                    TemplateTexts::samplesEqual(TemplateTexts::mapkey(choice.renameKey, Role::Rename),
                                                                choice.oldSample))});
    }
    QStringList pieces;
    for (const Role role : {Role::Rename, Role::OpenSaveClose, Role::OpenClose}) {
        const Recording::Definition *definition = definitionOf(definitions, choice.key(role));
        const QString mapkey = TemplateTexts::mapkey(choice.key(role), role);
        if (!definition) {
            fail(TemplateTexts::missing(mapkey));
        } else if (!definition->closed) {
            checked.findings.append(
                {true, TemplateTexts::finding(definition->lastLine, true, TemplateTexts::notClosed(mapkey))});
        } else if (const std::optional<QStringList> cut = RoleReader(*definition, role, choice, checked.findings)
                                                              .read()) {
            pieces += *cut;
            continue;
        }
        failed = true;
    }
    if (failed)
        return checked;
    checked.set = TemplateSet::fromTexts(
        {pieces.at(0), pieces.at(1), pieces.at(2), pieces.at(3), pieces.at(4), pieces.at(5), pieces.at(6)});
    return checked;
}

Checked load(const Choice &choice)
{
    if (choice.isBuiltIn()) {
        Checked checked;
        checked.set = TemplateSet::builtIn();
        return checked;
    }
    // Samples that cannot have been typed are refused before the file is read.
    if (QList<Finding> findings = sampleFindings(choice); !findings.isEmpty()) {
        Checked checked;
        checked.findings = std::move(findings);
        return checked;
    }
    return check(Recording::read(choice.file), choice);
}

} // namespace RecordedTemplates
