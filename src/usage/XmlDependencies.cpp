#include "usage/DependencySources.h"

#include <QXmlStreamReader>

#include <cctype>

using namespace Qt::StringLiterals;

namespace DependencySources {

namespace {

constexpr int kMaxXmlDepth = 64;

bool isDependencyList(QStringView name)
{
    return name == u"Dependencies" || name == u"Dependencies_P";
}

} // namespace

// Up to 8 hex digits (a length), then the document. Namespaces and
// prefixes vary between releases: only local names count. Each "item" of
// a "Dependencies" list is one used object.
bool fromXml(QByteArrayView payload, QList<Dependency> &out)
{
    qsizetype start = 0;
    while (start < payload.size() && std::isspace(uchar(payload[start])))
        ++start;
    for (int digits = 0; start < payload.size() && digits < 8 && std::isxdigit(uchar(payload[start])); ++digits)
        ++start;
    while (start < payload.size() && std::isspace(uchar(payload[start])))
        ++start;
    QXmlStreamReader xml(payload.sliced(start).toByteArray());
    QStringList path;
    Dependency current;
    bool inItem = false;
    qsizetype itemDepth = 0;
    QList<Dependency> found;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return false; // no entities: nothing the file says is expanded
        case QXmlStreamReader::StartElement: {
            const QString name = xml.name().toString();
            if (path.size() >= kMaxXmlDepth)
                return false;
            const QString parent = path.isEmpty() ? QString() : path.last();
            path.append(name);
            if (!inItem && name == u"item" && isDependencyList(parent)) {
                inItem = true;
                itemDepth = path.size();
                current = {};
                current.depType = 0;
                continue;
            }
            if (!inItem)
                continue;
            const qsizetype level = path.size() - itemDepth;
            const bool inDescriptor = level == 2 && path.at(itemDepth) == u"ToModelDescriptor";
            if (level == 1 || inDescriptor) {
                const bool leaf = name == u"Name" || name == u"Type" || name == u"LibraryName"
                    || name == u"ToModelNameAsStored" || name == u"ToLibraryNameAsStored" || name == u"DepType";
                if (!leaf)
                    continue;
                const QString text = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
                path.removeLast();
                if (xml.hasError())
                    return false;
                if (inDescriptor && name == u"Name")
                    current.name = text;
                else if (inDescriptor && name == u"Type")
                    current.type = text;
                else if (inDescriptor && name == u"LibraryName")
                    current.generic = text;
                else if (level == 1 && name == u"ToModelNameAsStored" && current.name.isEmpty())
                    current.name = text;
                else if (level == 1 && name == u"ToLibraryNameAsStored" && current.generic.isEmpty())
                    current.generic = text;
                else if (level == 1 && name == u"DepType") {
                    bool ok = false;
                    current.depType = text.trimmed().toInt(&ok);
                    if (!ok)
                        return false;
                }
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (inItem && path.size() == itemDepth) {
                inItem = false;
                if (current.name.isEmpty() || current.type.isEmpty())
                    return false;
                found.append(current);
            }
            if (!path.isEmpty())
                path.removeLast();
            break;
        case QXmlStreamReader::EndDocument:
            out += found;
            return true;
        default:
            break;
        }
    }
    return false; // the document ended early
}

} // namespace DependencySources
