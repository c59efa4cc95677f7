#include "check/FolderCheck.h"

#include "check/CheckTexts.h"
#include "common/Counted.h"

#include <QSet>

#include <vector>

using namespace Qt::StringLiterals;
using NameCheck::Finding;
using NameCheck::Rule;
using NameCheck::Severity;

namespace FolderCheck {

namespace {

const QString kDrawing = u".drw"_s;

// Letter case aside; folding keeps the length, and most names part there.
bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && (a == b || a.compare(b, Qt::CaseInsensitive) == 0);
}

// Most shops name a drawing after its model, a part or an assembly.
bool isModel(QStringView extension)
{
    return sameText(extension, u".prt") || sameText(extension, u".asm");
}

QStringView oldBase(const ComparedPair &p)
{
    return QStringView(p.oldName).chopped(p.oldExtension().size());
}

// The type of the new name's object: without an extension it keeps the
// old name's type.
QStringView addedExtension(const ComparedPair &p)
{
    return p.newExtension().isEmpty() ? p.oldExtension() : QStringView();
}

// The old names of the pairs that rename drawings, in compared form.
QSet<QString> listedDrawings(const ComparedPairs &compared)
{
    QSet<QString> drawings;
    for (const ComparedPair &p : compared.pairs) {
        if (sameText(p.oldExtension(), kDrawing))
            drawings.insert(p.oldName.toCaseFolded());
    }
    return drawings;
}

// The folder's drawing named after the pair's model when the pair gives
// the model another base name and no pair renames that drawing; empty
// otherwise.
QString drawingLeft(const ComparedPair &p, const FolderObjects &folder, const QSet<QString> &listed)
{
    if (p.newKey < 0 || !isModel(p.oldExtension()))
        return {};
    const QStringView base = oldBase(p);
    if (p.newBase().isEmpty() || sameText(p.newBase(), base) || !folder.contains(base, kDrawing))
        return {};
    const QString drawing = (base.toString() + kDrawing).toLower();
    return !listed.isEmpty() && listed.contains(drawing.toCaseFolded()) ? QString() : drawing;
}

} // namespace

QList<Finding> check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder)
{
    return check(comparePairs(oldNames, newNames), newNames, folder);
}

QList<Finding> check(const ComparedPairs &compared, const QStringList &newNames, const FolderObjects &folder)
{
    std::vector<bool> renamedAway(compared.keyCount);
    for (const ComparedPair &p : compared.pairs) {
        if (p.oldKey >= 0)
            renamedAway[p.oldKey] = true;
    }
    const QSet<QString> listed = listedDrawings(compared);

    QList<Finding> findings;
    const auto report = [&](qsizetype row, Rule rule, Severity severity, const QString &message) {
        findings.append({row, severity, rule, CheckTexts::findingLine(row, severity, message)});
    };
    for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
        const ComparedPair &p = compared.pairs.at(i);
        if (!p.oldName.isEmpty() && !folder.contains(p.oldName))
            report(i, Rule::MissingInFolder, Severity::Warning, CheckTexts::missingInFolder(p.oldName));
        if (p.newKey >= 0 && !renamedAway[p.newKey] && folder.contains(p.newName, addedExtension(p))) {
            const QString object = (p.newName + addedExtension(p).toString()).toLower();
            report(i, Rule::TakenInFolder, Severity::Error, CheckTexts::takenInFolder(object, newNames.at(i)));
        }
        if (const QString drawing = drawingLeft(p, folder, listed); !drawing.isEmpty())
            report(i, Rule::DrawingLeftBehind, Severity::Warning, CheckTexts::drawingLeftBehind(drawing, p.oldName));
    }
    return findings;
}

DrawingPairs drawingPairs(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder)
{
    const ComparedPairs compared = comparePairs(oldNames, newNames);
    QSet<QString> listed = listedDrawings(compared);
    DrawingPairs added;
    for (const ComparedPair &p : compared.pairs) {
        const QString drawing = drawingLeft(p, folder, listed);
        if (drawing.isEmpty())
            continue;
        listed.insert(drawing.toCaseFolded());
        added.oldNames << drawing;
        added.newNames << p.newBase().toString() + kDrawing;
    }
    return added;
}

QString drawingsAdded(qsizetype count)
{
    if (count == 0)
        return u"Keine Zeichnungen zu ergänzen"_s;
    return Counted::text(count, u"Zeichnung"_s, u"Zeichnungen"_s) + u" ergänzt"_s;
}

} // namespace FolderCheck
