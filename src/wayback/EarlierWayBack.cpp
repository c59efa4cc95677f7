#include "wayback/EarlierWayBack.h"

#include "common/AtomicFile.h"
#include "common/WriteFailure.h"
#include "generator/RenameProWriter.h"
#include "wayback/WayBack.h"

#include <QDateTime>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace EarlierWayBack {

namespace {

QString keptName(const QDateTime &modified, int number)
{
    const QString suffix = number > 1 ? u'_' + QString::number(number) : QString();
    return u"rename_zurueck_"_s + modified.toString(u"yyyy-MM-dd_hh-mm-ss"_s) + suffix + u".pro"_s;
}

// In local time, as the user's clock shows it. Qt has no date for a file
// of the first second of 1970, which is a date all the same. A link that
// leads nowhere has no time of what it holds: it is kept with the time of
// keeping.
QDateTime modifiedTime(const QFileInfo &earlier)
{
    if (!earlier.exists())
        return QDateTime::currentDateTime();
    const QDateTime modified = earlier.lastModified();
    return modified.isValid() ? modified : QDateTime::fromSecsSinceEpoch(0);
}

} // namespace

// The name is looked at before the rename, which on most systems would
// replace a file of that name: only another program writing the same
// dated name in the same moment could come between. The entry itself is
// renamed, a link as a link, so that nothing outside the folder changes.
Kept keep(const QString &folder)
{
    namespace fs = std::filesystem;
    Kept kept;
    const QFileInfo earlier(RenameProWriter::filePath(folder, WayBack::kFileName));
    std::error_code error;
    const fs::file_type type = fs::symlink_status(earlier.filesystemFilePath(), error).type();
    if (type == fs::file_type::not_found || type == fs::file_type::directory)
        return kept;
    if (type != fs::file_type::none) {
        const QDateTime modified = modifiedTime(earlier);
        const QString path = AtomicFile::freeName(
            [&](int number) { return RenameProWriter::filePath(folder, keptName(modified, number)); }, error);
        if (!path.isEmpty()) {
            const QFileInfo candidate(path);
            fs::rename(earlier.filesystemFilePath(), candidate.filesystemFilePath(), error);
            if (!error) {
                kept.keptAs = candidate.fileName();
                return kept;
            }
        }
    }
    kept.ok = false;
    kept.reason = WriteFailure::told(error);
    return kept;
}

QString notKeptText(const QString &folder, const Kept &kept)
{
    return u"Fehler: Nichts geschrieben: frühere Rückweg-Datei "_s + WayBack::kFileName + u" in "_s + folder
        + u" konnte nicht umbenannt werden: "_s + kept.reason;
}

QString keptText(const Kept &kept)
{
    return kept.keptAs.isEmpty() ? QString() : u"frühere Rückweg-Datei aufbewahrt als "_s + kept.keptAs;
}

} // namespace EarlierWayBack
