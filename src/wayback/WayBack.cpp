#include "wayback/WayBack.h"

#include "common/Module1.h"

#include <algorithm>

namespace WayBack {

Pairs pairs(const QStringList &oldNames, const QStringList &newNames)
{
    const qsizetype n = std::min(oldNames.size(), newNames.size());
    Pairs back;
    back.oldNames.reserve(n);
    back.newNames.reserve(n);
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QString &newName = newNames.at(i);
        const QString oldName = Module1::NormalisedName(oldNames.at(i));
        // An empty new name stays empty rather than becoming a bare extension.
        const bool typeKept = !newName.isEmpty() && Module1::FileExtension(newName).isEmpty();
        back.oldNames.append(typeKept ? newName + Module1::FileExtension(oldName) : newName);
        back.newNames.append(oldName);
    }
    return back;
}

MapkeyGenerator::EncodedGeneration generateFile(const QStringList &oldNames, const QStringList &newNames,
                                                const TemplateSet &templates, const QStringList &users)
{
    const Pairs back = pairs(oldNames, newNames);
    return MapkeyGenerator::generateFile(back.oldNames, back.newNames, templates, users);
}

} // namespace WayBack
