#include "lists/ListFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"
#include "lists/NameListOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ListFile {

QString fileName(Kind kind)
{
    return kind == Kind::OldNames ? QStringLiteral("Velmorant_renOLD.txt") : QStringLiteral("Velmorant_renNEW.txt");
}

QString path(const QString &programFolder, Kind kind)
{
    return Module1::PathInFolder(programFolder, fileName(kind), QDir::separator());
}

ReadResult read(const QString &path, qsizetype maxLines)
{
    using Status = ReadResult::Status;
    ReadResult result;
    const auto refuse = [&result](Status status) {
        result.status = status;
        return result;
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return refuse(Status::Missing);
    if (!info.isFile())
        return refuse(Status::NotAFile);
    if (info.size() > kMaxFileBytes)
        return refuse(Status::TooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(Status::Unreadable);
    // Swapped for a pipe or a device since it was looked at.
    if (file.isSequential())
        return refuse(Status::NotAFile);
    // Read in pieces, so that memory holds one piece and the lines kept. A
    // file that grows while it is read stops at the same bound.
    constexpr qint64 kPiece = 1 << 20;
    NameListOps::LineSplitter lines(maxLines);
    qint64 total = 0;
    for (QByteArray piece = file.read(kPiece); !piece.isEmpty(); piece = file.read(kPiece)) {
        total += piece.size();
        if (total > kMaxFileBytes)
            return refuse(Status::TooLarge);
        lines.feed(Cp1252::decode(piece));
    }
    if (file.error() != QFileDevice::NoError)
        return refuse(Status::Unreadable);
    lines.finish();
    result.status = Status::Read;
    result.lines = lines.takeLines();
    result.linesLeftOut = lines.leftOut();
    return result;
}

QString failureMessage(ReadResult::Status status, const QString &path)
{
    switch (status) {
    case ReadResult::Status::Missing:
        return u"Fehler: Listendatei nicht gefunden: "_s + path;
    case ReadResult::Status::NotAFile:
        return u"Fehler: Listendatei ist keine Datei: "_s + path;
    case ReadResult::Status::TooLarge:
        return u"Fehler: Listendatei ist größer als 256 MiB: "_s + path;
    case ReadResult::Status::Read:
    case ReadResult::Status::Unreadable:
        break;
    }
    return unreadableMessage(path);
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
