#include "write/MapkeyFiles.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "lists/NameListOps.h"
#include "wayback/EarlierWayBack.h"
#include "wayback/WayBack.h"

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace MapkeyFiles {

namespace {

QString refusal(const MapkeyGenerator::EncodedGeneration &g, const QStringList &oldNames, const QStringList &newNames)
{
    if (!g.countsMatch)
        return u"Fehler: "_s + NameListOps::countsDifferMessage(oldNames.size(), newNames.size());
    return g.unrepresentableMessage();
}

// One file on its way: made complete under a temporary name, then put in
// its place.
struct Made {
    Made(const QString &folder, const QString &name)
        : name(name)
        , file(RenameProWriter::filePath(folder, name), AtomicFile::Link::Replaced)
    {
    }
    bool complete() const { return refused.isEmpty() && !failed; }

    QString name;
    AtomicFile::Writer file;
    QString refused;
    bool failed = false;
};

void make(Made &made, const Content &content)
{
    made.refused = content([&made](QByteArrayView piece) {
        made.failed = !made.file.write(piece);
        return !made.failed;
    });
}

QString saved(const QString &name, const QString &folder)
{
    return u"Datei "_s + name + u" wurde gespeichert in "_s + folder;
}

QString notSaved(const Made &made, const QString &folder)
{
    return u"Fehler: Datei "_s + made.name + u" konnte nicht gespeichert werden in "_s + folder + u": "_s
        + made.file.errorString();
}

} // namespace

Content fileBytes(QByteArray bytes)
{
    return [bytes = std::move(bytes)](const Sink &sink) {
        sink(bytes);
        return QString();
    };
}

Content outputText(QString text)
{
    return [text = std::move(text)](const Sink &sink) {
        QByteArray bytes;
        bytes.reserve(text.size() + 2);
        QString badCharacter;
        if (!Cp1252::encodeAppend(text, bytes, &badCharacter))
            return Cp1252::unrepresentableMessage(badCharacter,
                                                  MapkeyGenerator::pairAt(text, text.indexOf(badCharacter)));
        bytes.append("\r\n", 2);
        sink(bytes);
        return QString();
    };
}

Content generated(QStringList oldNames, QStringList newNames, TemplateSet templates, QStringList users)
{
    return [oldNames = std::move(oldNames), newNames = std::move(newNames), templates = std::move(templates),
            users = std::move(users)](const Sink &sink) {
        return refusal(MapkeyGenerator::streamFile(oldNames, newNames, sink, templates, users), oldNames, newNames);
    };
}

Content wayBack(const QStringList &oldNames, const QStringList &newNames, TemplateSet templates, QStringList users)
{
    WayBack::Pairs back = WayBack::pairs(oldNames, newNames);
    return generated(std::move(back.oldNames), std::move(back.newNames), std::move(templates), std::move(users));
}

QString Result::statusText() const
{
    QStringList parts{fileText};
    for (const QString &part : {wayBackText, keptText}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(u"; "_s);
}

Result write(const Request &request)
{
    const QString &folder = request.folder;
    Result result;
    if (!request.renamePro && !request.wayBack)
        return result;
    std::unique_ptr<Made> renamePro;
    std::unique_ptr<Made> wayBack;
    if (request.renamePro)
        make(*(renamePro = std::make_unique<Made>(folder, RenameProWriter::kFileName)), request.renamePro);
    // Beside rename.pro, the way back is made only when rename.pro is.
    if (request.wayBack && (!renamePro || renamePro->complete()))
        make(*(wayBack = std::make_unique<Made>(folder, WayBack::kFileName)), request.wayBack);
    Made &first = renamePro ? *renamePro : *wayBack;
    if (!first.refused.isEmpty()) {
        result.outcome = Result::Outcome::Refused;
        result.fileText = first.refused;
        return result;
    }
    if (first.failed) {
        result.fileText = notSaved(first, folder);
        return result;
    }
    const EarlierWayBack::Kept kept = EarlierWayBack::keep(folder);
    if (!kept.ok) {
        result.fileText = EarlierWayBack::notKeptText(folder, kept);
        return result;
    }
    result.keptText = EarlierWayBack::keptText(kept);
    if (!first.file.commit()) {
        result.fileText = notSaved(first, folder);
        return result;
    }
    result.outcome = Result::Outcome::Written;
    result.fileText = saved(first.name, folder);
    if (renamePro && wayBack) {
        if (wayBack->complete() && wayBack->file.commit())
            result.wayBackText = u"Rückweg: "_s + WayBack::kFileName;
        else
            result.wayBackText = u"Rückweg nicht geschrieben: "_s
                + (wayBack->refused.isEmpty() ? wayBack->file.errorString() : wayBack->refused);
    } else if (renamePro) {
        result.wayBackText = request.noWayBack;
    }
    return result;
}

} // namespace MapkeyFiles
