#include "lists/ListFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Module1.h"
#include "common/TextDecoding.h"
#include "lists/NameListOps.h"

#include <QBuffer>
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
using TextTaker = std::function<bool(QStringView)>;

constexpr qint64 kPiece = 1 << 20;

// The device from where it stands, piece by piece, until `take` returns
// false. A file that grows while it is read stops at the same bound as one
// that was too large from the start.
Status readPieces(QIODevice &device, const std::function<bool(QByteArrayView)> &take)
{
    QByteArray piece(kPiece, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 size; (size = device.read(piece.data(), kPiece)) != 0;) {
        if (size < 0)
            return Status::Unreadable;
        total += size;
        if (total > kMaxFileBytes)
            return Status::TooLarge;
        if (!take(QByteArrayView(piece.constData(), size)))
            return Status::Read;
    }
    return Status::Read;
}

// The whole device, from its start.
Status forEachPiece(QIODevice &device, const std::function<bool(QByteArrayView)> &take)
{
    return device.seek(0) ? readPieces(device, take) : Status::Unreadable;
}

// Read in pieces, twice: first to tell the encoding, then to decode, so
// that memory holds one piece and what `take` keeps.
Status decodePieces(QIODevice &device, const TextTaker &take)
{
    TextDecoding::Detector detector;
    Status status = forEachPiece(device, [&detector](QByteArrayView piece) {
        detector.feed(piece);
        return !detector.isDecided();
    });
    if (status != Status::Read)
        return status;
    TextDecoding::Decoder decoder(detector.encoding(), detector.markSize());
    bool taking = true;
    status = forEachPiece(device, [&](QByteArrayView piece) {
        const QString text = decoder.decode(piece);
        return decoder.isText() && (taking = take(text));
    });
    if (status == Status::Read && taking && !decoder.finish())
        return Status::NotText;
    return status;
}

ReadResult linesOf(const std::function<Status(const TextTaker &)> &readText, qsizetype maxLines)
{
    ReadResult result;
    NameListOps::LineSplitter lines(maxLines);
    result.status = readText([&lines](QStringView text) {
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

} // namespace

Status readText(const QString &path, const TextTaker &take)
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
    return decodePieces(file, take);
}

// A pipe can be read only once, and the encoding is known only at its end:
// the bytes are kept, up to the bound, and then decoded as a file is.
Status readText(QIODevice &stream, const TextTaker &take)
{
    QByteArray bytes;
    const Status status = readPieces(stream, [&bytes](QByteArrayView piece) {
        bytes.append(piece);
        return true;
    });
    if (status != Status::Read)
        return status;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodePieces(buffer, take);
}

ReadResult read(const QString &path, qsizetype maxLines)
{
    return linesOf([&path](const TextTaker &take) { return readText(path, take); }, maxLines);
}

ReadResult read(QIODevice &stream, qsizetype maxLines)
{
    return linesOf([&stream](const TextTaker &take) { return readText(stream, take); }, maxLines);
}

QString failureMessage(ReadResult::Status status, const QString &path, Content content)
{
    const QString file = content == Content::Names ? u"Listendatei"_s
        : content == Content::Pairs                ? u"Paardatei"_s
                                                   : u"Regeldatei"_s;
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
    if (content == Content::Rules)
        return u"Fehler: Regeln konnten nicht gelesen werden: "_s + path;
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
