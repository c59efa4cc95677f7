#include "wayback/EarlierWayBack.h"

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

} // namespace

// The name is looked at before the rename, which on most systems would
// replace a file of that name: only another program writing the same
// dated name in the same moment could come between.
Kept keep(const QString &folder)
{
    namespace fs = std::filesystem;
    Kept kept;
    const QFileInfo earlier(RenameProWriter::filePath(folder, WayBack::kFileName));
    if (!earlier.isFile())
        return kept;
    const QDateTime modified = earlier.lastModified();
    std::error_code error;
    for (int number = 1;; ++number) {
        const QString name = keptName(modified, number);
        const fs::path candidate = QFileInfo(RenameProWriter::filePath(folder, name)).filesystemFilePath();
        const fs::file_status status = fs::symlink_status(candidate, error);
        if (status.type() != fs::file_type::not_found) {
            if (error)
                break;
            continue;
        }
        fs::rename(earlier.filesystemFilePath(), candidate, error);
        if (!error) {
            kept.keptAs = name;
            return kept;
        }
        break;
    }
    kept.ok = false;
    kept.reason = QString::fromLocal8Bit(error.message());
    return kept;
}

RenameProWriter::BeforeReplacing keeping(const QString &folder, Kept &kept)
{
    return [folder, &kept] {
        kept = keep(folder);
        WriteReport report;
        report.ok = kept.ok;
        if (!kept.ok)
            report.statusText = u"Fehler: Nichts geschrieben: frühere Rückweg-Datei "_s + WayBack::kFileName + u" in "_s
                + folder + u" konnte nicht umbenannt werden: "_s + kept.reason;
        return report;
    };
}

QString keptText(const Kept &kept)
{
    return kept.keptAs.isEmpty() ? QString() : u"frühere Rückweg-Datei aufbewahrt als "_s + kept.keptAs;
}

} // namespace EarlierWayBack
