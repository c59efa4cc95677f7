#include "generator/MapkeyGenerator.h"

#include "common/Cp1252.h"
#include "common/Cp1252Text.h"
#include "common/Module1.h"
#include "generator/Templates.h"

#include <charconv>

using namespace Templates;

namespace MapkeyGenerator {

namespace {

constexpr QLatin1String kCrLf("\r\n");
constexpr QLatin1String kConfigLine("save_objects all\r\n");
constexpr QLatin1String kHeadEnd(" ~ ;\\\r\n");
constexpr QLatin1String kCallPrefix("mapkey(continued) ~ ;%");
constexpr QLatin1String kCallSuffix(";\\");
// Large enough that handing a piece on costs little against making it,
// small enough to stay in the processor's cache.
constexpr qsizetype kStreamPiece = 1 << 20;

// The builders below write into either a QString (the text the window
// shows) or a Cp1252Text (the bytes of the file), so both come from one
// piece of code; a template set's fixed texts go into each as they are.
void appendPiece(QString &out, const TemplateSet::Piece &piece)
{
    out.append(piece.text());
}

void appendPiece(Cp1252Text &out, const TemplateSet::Piece &piece)
{
    out.appendEncoded(piece.bytes());
}

// A body with `name` in its place.
template <typename Out>
void appendWithName(Out &out, const TemplateSet::Piece &before, const QString &name, const TemplateSet::Piece &after)
{
    appendPiece(out, before);
    out.append(QStringView(name));
    appendPiece(out, after);
}

// The name of pair i's rename mapkey, "umb" and i in decimal digits, made
// without allocating: the file holds tens of thousands of them.
class UmbName
{
public:
    explicit UmbName(qsizetype index)
        : m_size(std::to_chars(m_text + 3, m_text + sizeof m_text, index).ptr - m_text)
    {
    }
    QLatin1String view() const { return QLatin1String(m_text, m_size); }

private:
    char m_text[24] = {'u', 'm', 'b'};
    qsizetype m_size;
};

template <typename Out>
void appendHead(Out &out, QLatin1String name)
{
    out.append(QLatin1String("mapkey "));
    out.append(name);
    out.append(kHeadEnd);
}

template <typename Out>
void renameMapkey(Out &out, const TemplateSet &set, qsizetype index, const QString &oldName, const QString &newName)
{
    appendHead(out, UmbName(index).view());
    appendWithName(out, set.renameBeforeOld(), oldName, set.renameBeforeNew());
    out.append(QStringView(newName));
    appendPiece(out, set.renameAfterNew());
    out.append(txt_end);
}

// The users go first, so that every parent is in session before the first
// rename and takes the new names.
template <typename Out>
void callAllBlock(Out &out, const TemplateSet &set, const QStringList &oldNames, const QStringList &users = {})
{
    out.append(kCrLf);
    appendHead(out, QLatin1String("CallALLNow"));
    for (const QString &name : users)
        appendWithName(out, set.openBefore(), name, set.openAfter());
    for (const QString &name : oldNames)
        appendWithName(out, set.openBefore(), name, set.openAfter());
    out.append(txt_end);
}

// The users, when given, are saved after the last of the names.
template <typename Out>
void saveBlock(Out &out, const TemplateSet &set, QLatin1String mapkeyName, const QStringList &names,
               const QStringList &users = {})
{
    out.append(kCrLf);
    appendHead(out, mapkeyName);
    for (const QString &name : names)
        appendWithName(out, set.saveBefore(), name, set.saveAfter());
    for (const QString &name : users)
        appendWithName(out, set.saveBefore(), name, set.saveAfter());
    out.append(txt_end);
}

template <typename Out>
void masterBlock(Out &out, qsizetype pairCount)
{
    const auto appendCall = [&out](QLatin1String name) {
        out.append(kCrLf);
        out.append(kCallPrefix);
        out.append(name);
        out.append(kCallSuffix);
    };
    out.append(kCrLf);
    out.append(QLatin1String("mapkey rename ~ ;\\"));
    appendCall(QLatin1String("CallALLNow"));
    for (qsizetype i = 0; i < pairCount; ++i) {
        appendCall(UmbName(i).view());
    }
    // The saving mapkeys are called with these capitals, unlike their
    // definitions; Pro/ENGINEER files written so far rely on the spelling.
    appendCall(QLatin1String("SaveASMNow"));
    appendCall(QLatin1String("SaveAllNow"));
    out.append(kCrLf);
    out.append(txt_end);
}

qsizetype totalLength(const QStringList &names)
{
    qsizetype sum = 0;
    for (const QString &name : names)
        sum += name.size();
    return sum;
}

// An upper bound of the output size, so that the text is allocated once.
qsizetype capacityFor(const TemplateSet &set, const QStringList &oldNames, const QStringList &newNames,
                      const QStringList &users)
{
    constexpr qsizetype kHead = 40; // any head line or call line, index included
    const qsizetype n = newNames.size();
    const qsizetype perPair = kHead + set.renameBeforeOld().size() + set.renameBeforeNew().size()
        + set.renameAfterNew().size() + txt_end.size();
    const qsizetype perCall = set.openBefore().size() + set.openAfter().size();
    const qsizetype perSave = set.saveBefore().size() + set.saveAfter().size();
    const qsizetype blocks = 4 * (kCrLf.size() + kHead + txt_end.size());
    return kConfigLine.size() + n * (perPair + perCall + 2 * perSave + kHead) + 2 * totalLength(oldNames)
        + 3 * totalLength(newNames) + blocks + 3 * kHead + kCrLf.size() + users.size() * (perCall + perSave)
        + 2 * totalLength(users);
}

// The whole file in block order: configuration line, rename mapkeys,
// CallALLNow, saveALLNow, saveASMNow, rename.
template <typename Out>
void wholeText(Out &out, const TemplateSet &set, const QStringList &oldNames, const QStringList &newNames,
               const QStringList &users)
{
    out.reserve(capacityFor(set, oldNames, newNames, users));
    out.append(kConfigLine);
    for (qsizetype i = 0; i < newNames.size(); ++i)
        renameMapkey(out, set, i, oldNames.at(i), newNames.at(i));
    callAllBlock(out, set, oldNames, users);
    saveBlock(out, set, QLatin1String("saveALLNow"), newNames, users);
    saveBlock(out, set, QLatin1String("saveASMNow"), assemblyNames(oldNames, newNames));
    masterBlock(out, newNames.size());
}

// The checks and normalisation both entry points share; false when the
// lists do not pair up.
template <typename Result>
bool prepare(Result &result, const QStringList &oldNames, const QStringList &newNames)
{
    result.normalisedOldNames = clean(oldNames);
    result.countsMatch = result.normalisedOldNames.size() == newNames.size();
    result.newListEmpty = newNames.isEmpty();
    return result.countsMatch;
}

// The rename mapkeys come first and hold every name, so the first
// character without a byte lies in the first pair that holds it at all.
template <typename Result>
void noteUnrepresentable(Result &result, const Cp1252Text &out, const QStringList &newNames)
{
    result.firstUnrepresentable = out.firstUnrepresentable();
    if (out.isRepresentable())
        return;
    const QString &character = result.firstUnrepresentable;
    for (qsizetype i = 0; i < newNames.size(); ++i) {
        if (result.normalisedOldNames.at(i).contains(character) || newNames.at(i).contains(character)) {
            result.unrepresentableRow = i;
            return;
        }
    }
}

} // namespace

QString EncodedGeneration::unrepresentableMessage() const
{
    return firstUnrepresentable.isEmpty() ? QString()
                                          : Cp1252::unrepresentableMessage(firstUnrepresentable, unrepresentableRow);
}

QStringList clean(const QStringList &oldNames)
{
    QStringList normalised;
    normalised.reserve(oldNames.size());
    for (const QString &name : oldNames)
        normalised.append(Module1::NormalisedName(name));
    return normalised;
}

void appendRenameMapkey(QString &out, qsizetype index, const QString &oldName, const QString &newName,
                        const TemplateSet &templates)
{
    renameMapkey(out, templates, index, oldName, newName);
}

void CallALL(QString &out, const QStringList &oldNames, const TemplateSet &templates)
{
    callAllBlock(out, templates, oldNames);
}

void SaveALL(QString &out, const QStringList &newNames, const TemplateSet &templates)
{
    saveBlock(out, templates, QLatin1String("saveALLNow"), newNames);
}

QStringList assemblyNames(const QStringList &oldNames, const QStringList &newNames)
{
    QStringList list_ASM;
    const qsizetype n = std::min(oldNames.size(), newNames.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString extension = Module1::FileExtension(oldNames.at(i));
        if (extension == u".asm" || extension == u".drw")
            list_ASM.append(newNames.at(i));
    }
    return list_ASM;
}

void SaveASM(QString &out, const QStringList &oldNames, const QStringList &newNames, const TemplateSet &templates)
{
    saveBlock(out, templates, QLatin1String("saveASMNow"), assemblyNames(oldNames, newNames));
}

void mapkeyList(QString &out, qsizetype pairCount)
{
    masterBlock(out, pairCount);
}

Generation generate(const QStringList &oldNames, const QStringList &newNames, const TemplateSet &templates,
                    const QStringList &users)
{
    Generation g;
    if (prepare(g, oldNames, newNames))
        wholeText(g.text, templates, g.normalisedOldNames, newNames, users);
    return g;
}

EncodedGeneration generateFile(const QStringList &oldNames, const QStringList &newNames, const TemplateSet &templates,
                               const QStringList &users)
{
    EncodedGeneration g;
    if (!prepare(g, oldNames, newNames))
        return g;
    Cp1252Text out;
    wholeText(out, templates, g.normalisedOldNames, newNames, users);
    out.append(kCrLf);
    noteUnrepresentable(g, out, newNames);
    if (out.isRepresentable())
        g.fileBytes = out.takeBytes();
    return g;
}

EncodedGeneration streamFile(const QStringList &oldNames, const QStringList &newNames, const Cp1252Text::Sink &sink,
                             const TemplateSet &templates, const QStringList &users)
{
    EncodedGeneration g;
    if (!prepare(g, oldNames, newNames))
        return g;
    Cp1252Text out(sink, kStreamPiece);
    wholeText(out, templates, g.normalisedOldNames, newNames, users);
    out.append(kCrLf);
    g.sinkStopped = !out.finish() && out.isRepresentable();
    noteUnrepresentable(g, out, newNames);
    return g;
}

qsizetype pairAt(QStringView text, qsizetype position)
{
    constexpr QStringView kHead = u"mapkey ";
    const qsizetype line = text.left(position).lastIndexOf(QStringView(u"\nmapkey "));
    const qsizetype head = line >= 0 ? line + 1 : text.startsWith(kHead) ? 0 : -1;
    if (head < 0)
        return -1;
    const QStringView name = text.mid(head + kHead.size());
    if (!name.startsWith(u"umb"))
        return -1;
    qsizetype end = 3;
    while (end < name.size() && name.at(end).isDigit())
        ++end;
    if (end == name.size() || name.at(end) != u' ')
        return -1;
    bool ok = false;
    const qsizetype pair = name.mid(3, end - 3).toLongLong(&ok);
    return ok ? pair : -1;
}

} // namespace MapkeyGenerator
