#include "ui/Platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QTranslator>

namespace {

// Asks the file system itself by making a file there: permission bits and
// access lists do not tell on every system (an administrator's folder on
// Windows, a read-only mount).
bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".velmorant-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QStringList Platform::drives() const
{
    QStringList entries;
#ifdef Q_OS_WIN
    for (const QFileInfo &drive : QDir::drives())
        entries << drive.absolutePath().left(2).toUpper();
#else
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (volume.isValid() && !entries.contains(root))
            entries << root;
    }
    entries.removeAll(QDir::rootPath());
    entries.sort();
    entries.prepend(QDir::rootPath());
#endif
    return entries;
}

QString Platform::driveRoot(const QString &drive) const
{
#ifdef Q_OS_WIN
    return drive.left(1) + QStringLiteral(":\\");
#else
    return drive;
#endif
}

QString Platform::driveOf(const QString &path) const
{
#ifdef Q_OS_WIN
    return path.left(2).toUpper();
#else
    const QStorageInfo volume(path);
    return volume.isValid() ? QDir::toNativeSeparators(volume.rootPath()) : QDir::rootPath();
#endif
}

std::unique_ptr<QSettings> Platform::openSettings() const
{
#ifdef Q_OS_WIN
    // Where the platform's GetSetting/SaveSetting keep their values, so that
    // remembered texts carry over.
    auto settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velmorant"), QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmorant"),
                                                QStringLiteral("Velmorant"));
#endif
    settings->beginGroup(QStringLiteral("Optionen"));
    return settings;
}

QString Platform::programFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString Platform::listFolder() const
{
    if (!m_listFolder.isEmpty())
        return m_listFolder;
    const QString program = programFolder();
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_listFolder = listFolderFor(program, canCreateFilesIn(program), QDir::toNativeSeparators(userData));
    if (m_listFolder != program)
        QDir().mkpath(m_listFolder);
    return m_listFolder;
}

QString Platform::listFolderFor(const QString &programFolder, bool programFolderWritable, const QString &userDataFolder)
{
    return programFolderWritable || userDataFolder.isEmpty() ? programFolder : userDataFolder;
}

bool Platform::loadQtTranslations()
{
    // windeployqt puts the translations into a folder beside the program.
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(QStringLiteral("qtbase_de"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

QString Platform::designFolderText() const
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\temp");
#else
    return QDir::toNativeSeparators(QDir::tempPath());
#endif
}

QString Platform::startFolder() const
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

bool Platform::openWithDesktop(const QUrl &url) const
{
    return QDesktopServices::openUrl(url);
}

QString Platform::askFileName(QWidget *parent, const QString &caption, const QString &filter, bool forSaving) const
{
    return forSaving ? QFileDialog::getSaveFileName(parent, caption, QString(), filter)
                     : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString Platform::askFolderName(QWidget *parent, const QString &caption, const QString &start) const
{
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent, caption, start));
}
