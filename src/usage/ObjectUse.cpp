#include "usage/ObjectUse.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace ObjectUse {

// A placeholder until the reader lands: every file is "not known".
Reading read(QIODevice &)
{
    Reading reading;
    reading.reason = u"Verwendung nicht lesbar"_s;
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
