#include "lists/ListFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"
#include "lists/NameListOps.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace ListFile {

QString fileName(Kind kind)
{
    return kind == Kind::OldNames ? QStringLiteral("Velmorant_renOLD.txt")
                                  : QStringLiteral("Velmorant_renNEW.txt");
}

QString path(const QString &programFolder, Kind kind)
{
    return Module1::PathInFolder(programFolder, fileName(kind), QDir::separator());
}

ReadResult read(const QString &path)
{
    ReadResult result;
    if (!Module1::FileExists(path))
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadResult::Status::Unreadable;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadResult::Status::Unreadable;
        return result;
    }
    result.status = ReadResult::Status::Read;
    result.lines = NameListOps::splitLines(Cp1252::decode(bytes));
    return result;
}

WriteReport write(const QString &path, const QStringList &entries)
{
    WriteReport report;
    QByteArray bytes;
    QString badCharacter;
    for (const QString &entry : entries) {
        if (!Cp1252::encodeAppend(entry, bytes, &badCharacter)) {
            report.statusText = Cp1252::unrepresentableMessage(badCharacter);
            return report;
        }
        bytes.append("\r\n", 2);
    }
    report.ok = AtomicFile::write(path, bytes, &report.reason);
    if (!report.ok)
        report.statusText = u"Fehler: Liste konnte nicht gespeichert werden: "_s + path;
    return report;
}

QString unreadableMessage(const QString &path)
{
    return u"Fehler: Liste konnte nicht gelesen werden: "_s + path;
}

} // namespace ListFile
