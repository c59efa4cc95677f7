#include "usage/UsageTexts.h"

using namespace Qt::StringLiterals;

namespace UsageTexts {

QString unreadable(const QString &reason)
{
    return u"Verwendung nicht lesbar ("_s + reason + u')';
}

QString listing(const FolderUsage &usage)
{
    QString text;
    for (const FolderUsage::Object &object : usage.objects()) {
        if (!object.reading.known || object.reading.uses.isEmpty())
            continue;
        QStringList names;
        for (const ObjectUse::Used &used : object.reading.uses)
            names.append(used.name);
        text += object.name + u": "_s + names.join(u", "_s) + u'\n';
    }
    for (const FolderUsage::Object *object : usage.unknown())
        text += object->name + u": "_s + unreadable(object->reading.reason) + u'\n';
    return text;
}

} // namespace UsageTexts
