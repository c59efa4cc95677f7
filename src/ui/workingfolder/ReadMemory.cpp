#include "ui/workingfolder/ReadMemory.h"

#include "folder/CheckFolder.h"
#include "ui/SettingsKeys.h"
#include "ui/platform/Platform.h"
#include "ui/workingfolder/frm_Ordner.h"

#include <QDir>
#include <QSettings>

ReadMemory::Start ReadMemory::start(const Platform &platform, const CheckFolder &checkFolder,
                                    const QString &outputFolder)
{
    const std::unique_ptr<QSettings> settings = platform.openSettings();
    const QString remembered = settings->value(SettingsKeys::kReadFolderKey).toString();
    Start start;
    start.folder = checkFolder.isSet() ? QDir::toNativeSeparators(checkFolder.path())
        : !remembered.isEmpty()        ? remembered
                                       : outputFolder;
    start.options.filter = settings->value(SettingsKeys::kReadFilterKey, start.options.filter).toString();
    if (settings->contains(SettingsKeys::kReadTypesKey))
        start.options.types = settings->value(SettingsKeys::kReadTypesKey).toString().split(u',', Qt::SkipEmptyParts);
    return start;
}

void ReadMemory::remember(const Platform &platform, const frm_Ordner &dialog)
{
    const std::unique_ptr<QSettings> settings = platform.openSettings();
    const FolderReader::Options taken = dialog.options();
    settings->setValue(SettingsKeys::kReadFolderKey,
                       QDir::toNativeSeparators(QDir::cleanPath(QDir(dialog.folder()).absolutePath())));
    settings->setValue(SettingsKeys::kReadFilterKey, taken.filter);
    settings->setValue(SettingsKeys::kReadTypesKey, taken.types.join(u','));
}
