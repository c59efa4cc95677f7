#include "usage/ObjectUse.h"

#include "usage/DependencySources.h"
#include "usage/UgcLayout.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ObjectUse {

namespace {

// The newest writer whose files were seen (Creo 4 writes 1869). Where
// later releases keep the list is not known: their files are not read
// rather than read as using nothing.
constexpr int kNewestRevision = 1899;

// The sections that hold the object's own list, as XML or as tokens.
// Creo 4 also writes copies for configurations and internal parts, and a
// difference list: not the model's own list.
bool isListSection(const QByteArray &name)
{
    static const QRegularExpression pattern(u"^ND:0:Model_(J03|L01|L03_D|L05P|L05_PX)(:1)?$"_s);
    return pattern.match(QLatin1StringView(name)).hasMatch();
}

UseKind kindOf(int depType)
{
    switch (depType) {
    case 2:
    case 32768:
        return UseKind::Component;
    case 4:
        return UseKind::DrawingModel;
    case 16:
        return UseKind::Format;
    default:
        return UseKind::Other;
    }
}

// Names as file names: lower case with the type. A name that holds '#' is
// internal to the file; the generic beside it is the object.
QList<Used> usedOf(const QList<Dependency> &dependencies)
{
    QList<Used> uses;
    for (const Dependency &dependency : dependencies) {
        const QString type = dependency.type.toLower();
        if (!dependency.name.contains(u'#'))
            uses.append({dependency.name.toLower() + u'.' + type, kindOf(dependency.depType)});
        if (!dependency.generic.isEmpty() && !dependency.generic.contains(u'#'))
            uses.append({dependency.generic.toLower() + u'.' + type, UseKind::Generic});
    }
    std::stable_sort(uses.begin(), uses.end(), [](const Used &a, const Used &b) { return a.name < b.name; });
    uses.erase(std::unique(uses.begin(), uses.end(), [](const Used &a, const Used &b) { return a.name == b.name; }),
               uses.end());
    return uses;
}

Reading unknown(Reading reading, const QString &reason)
{
    reading.known = false;
    reading.reason = reason;
    reading.uses.clear();
    return reading;
}

} // namespace

// The list is taken from the XML or token sections, else from the ASCII
// block; DEPDB_DATA and a drawing's models add what the list leaves out
// (suppressed components) but never stand alone: each holds part of it.
Reading read(QIODevice &file)
{
    Reading reading;
    UgcLayout layout(file);
    reading.fileKind = layout.kind();
    if (!layout.ok())
        return unknown(reading, layout.reason());
    if (layout.revision() > kNewestRevision)
        return unknown(reading, u"Creo-Version nicht lesbar"_s);

    QList<Dependency> dependencies;
    bool listFound = false;
    QByteArray payload;
    for (const UgcLayout::Section &section : layout.sections()) {
        const bool list = isListSection(section.name);
        const bool depDb = section.name == "DEPDB_DATA";
        const bool drawingModels = section.name == "Dwg_Models";
        if (!list && !depDb && !drawingModels)
            continue;
        if (!layout.payload(section, payload))
            return unknown(reading, layout.reason());
        bool read = false;
        if (list)
            read = DependencySources::isTokens(payload) ? DependencySources::fromTokens(payload, dependencies)
                                                        : DependencySources::fromXml(payload, dependencies);
        else if (depDb)
            read = DependencySources::fromDepDb(payload, dependencies);
        else
            read = DependencySources::fromDrawingModels(payload, dependencies);
        if (!read)
            return unknown(reading, u"Abschnitt nicht lesbar"_s);
        listFound = listFound || list;
    }
    if (!listFound && !layout.pObject().isEmpty()) {
        if (!DependencySources::fromPObject(layout.pObject(), dependencies))
            return unknown(reading, u"Abschnitt nicht lesbar"_s);
        listFound = true;
    }
    if (!listFound)
        return unknown(reading, u"keine Verwendungsliste"_s);
    reading.known = true;
    reading.uses = usedOf(dependencies);
    return reading;
}

Reading readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Reading reading;
        reading.reason = u"Datei nicht lesbar"_s;
        return reading;
    }
    return read(file);
}

} // namespace ObjectUse
