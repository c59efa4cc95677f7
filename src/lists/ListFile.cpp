#include "lists/ListFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"
#include "common/TextDecoding.h"
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

namespace {

using Status = ReadResult::Status;

constexpr qint64 kPiece = 1 << 20;

// The file from its start, piece by piece, until `take` returns false. A
// file that grows while it is read stops at the same bound as one that was
// too large from the start.
Status forEachPiece(QFile &file, const std::function<bool(QByteArrayView)> &take)
{
    if (!file.seek(0))
        return Status::Unreadable;
    qint64 total = 0;
    for (QByteArray piece = file.read(kPiece); !piece.isEmpty(); piece = file.read(kPiece)) {
        total += piece.size();
        if (total > kMaxFileBytes)
            return Status::TooLarge;
        if (!take(piece))
            return Status::Read;
    }
    return file.error() == QFileDevice::NoError ? Status::Read : Status::Unreadable;
}

} // namespace

Status readText(const QString &path, const std::function<bool(QStringView)> &take)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Status::Missing;
    if (!info.isFile())
        return Status::NotAFile;
    if (info.size() > kMaxFileBytes)
        return Status::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    // Swapped for a pipe or a device since it was looked at.
    if (file.isSequential())
        return Status::NotAFile;
    // Read in pieces, twice: first to tell the encoding, then to decode, so
    // that memory holds one piece and what `take` keeps.
    TextDecoding::Detector detector;
    Status status = forEachPiece(file, [&detector](QByteArrayView piece) {
        detector.feed(piece);
        return !detector.isDecided();
    });
    if (status != Status::Read)
        return status;
    TextDecoding::Decoder decoder(detector.encoding(), detector.markSize());
    bool taking = true;
    status = forEachPiece(file, [&](QByteArrayView piece) {
        const QString text = decoder.decode(piece);
        return decoder.isText() && (taking = take(text));
    });
    if (status == Status::Read && taking && !decoder.finish())
        return Status::NotText;
    return status;
}

ReadResult read(const QString &path, qsizetype maxLines)
{
    ReadResult result;
    NameListOps::LineSplitter lines(maxLines);
    result.status = readText(path, [&lines](QStringView text) {
        lines.feed(text);
        return true;
    });
    if (result.status != Status::Read)
        return result;
    lines.finish();
    result.lines = lines.takeLines();
    result.linesLeftOut = lines.leftOut();
    return result;
}

QString failureMessage(ReadResult::Status status, const QString &path, Content content)
{
    const QString file = content == Content::Names ? u"Listendatei"_s : u"Paardatei"_s;
    switch (status) {
    case ReadResult::Status::Missing:
        return u"Fehler: "_s + file + u" nicht gefunden: "_s + path;
    case ReadResult::Status::NotAFile:
        return u"Fehler: "_s + file + u" ist keine Datei: "_s + path;
    case ReadResult::Status::TooLarge:
        return u"Fehler: "_s + file + u" ist größer als 256 MiB: "_s + path;
    case ReadResult::Status::NotText:
        return u"Fehler: "_s + file + u" ist keine Textdatei: "_s + path;
    case ReadResult::Status::Read:
    case ReadResult::Status::Unreadable:
        break;
    }
    return content == Content::Names ? unreadableMessage(path)
                                     : u"Fehler: Paare konnten nicht gelesen werden: "_s + path;
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
