#include "ui/platform/Platform.h"

#include "ui/platform/GermanFileDetails.h"
#include "ui/platform/KindIconProvider.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTranslator>

#include <algorithm>
#include <csignal>
#include <iterator>

namespace {

// Programs below these folders are installed ones, on every system alike:
// no Linux path starts with a drive letter.
const char *const kSystemFolders[] = {
    "/usr", "/bin", "/sbin", "/opt", "/snap", "/app", "C:/Program Files", "C:/Program Files (x86)"};

// Windows ignores case in paths; a Linux folder that differs from a system
// folder in case, or in a backslash for a slash, alone is not worth a
// second rule.
bool liesIn(const QString &path, const QString &folder)
{
    const QString inner = QDir::cleanPath(QString(path).replace(u'\\', u'/'));
    const QString outer = QDir::cleanPath(QString(folder).replace(u'\\', u'/'));
    return !outer.isEmpty()
        && (inner.compare(outer, Qt::CaseInsensitive) == 0
            || inner.startsWith(outer.endsWith(u'/') ? outer : outer + u'/', Qt::CaseInsensitive));
}

// The folders besides the system's that hold installed programs.
QStringList installFolders()
{
    QStringList folders{QStringLiteral(VELMORANT_INSTALL_BINDIR)};
#ifdef Q_OS_WIN
    for (const char *variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
        folders << qEnvironmentVariable(variable);
#endif
    return folders;
}

// What the user chose in `dialog`, empty when cancelled. Sizes and dates
// show in German like the captions around them, in file and folder
// dialogs alike. Files are known by their kind alone, as in the chooser's
// tree: a dialog that guessed types from content would hang on a file
// whose reading never ends.
QString chosenIn(QFileDialog &dialog)
{
    static KindIconProvider kinds;
    dialog.setIconProvider(&kinds);
    dialog.setProxyModel(new GermanFileDetails(&dialog));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

const QString Platform::kPortableMarker = QStringLiteral("Velmorant_portable.txt");

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
    m_listFolder = listFolderFor(program, installFolders(), QFileInfo::exists(QDir(program).filePath(kPortableMarker)),
                                 QDir::toNativeSeparators(userData));
    if (m_listFolder != program)
        QDir().mkpath(m_listFolder);
    return m_listFolder;
}

QString Platform::listFolderFor(const QString &programFolder, const QStringList &installFolders, bool portableMarker,
                                const QString &userDataFolder)
{
    if (portableMarker || userDataFolder.isEmpty())
        return programFolder;
    const auto holdsProgram = [&programFolder](const QString &folder) { return liesIn(programFolder, folder); };
    const bool installed = std::any_of(std::begin(kSystemFolders), std::end(kSystemFolders),
                                       [&](const char *folder) { return holdsProgram(QLatin1String(folder)); })
        || std::any_of(installFolders.begin(), installFolders.end(), holdsProgram);
    return installed ? userDataFolder : programFolder;
}

bool Platform::useGermanForQt()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
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

void Platform::failWritesAtFileSizeLimit()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return chosenIn(dialog);
}

QString Platform::askFolderName(QWidget *parent, const QString &caption, const QString &start) const
{
    QFileDialog dialog(parent, caption, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return QDir::toNativeSeparators(chosenIn(dialog));
}
