#include "usage/FolderUsage.h"

#include "check/NameCheck.h"
#include "folder/FolderReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>
#include <type_traits>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

// The path as the file system names it; a name as Qt shows it.
fs::path nativePath(const QString &path)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>)
        return fs::path(QFile::encodeName(path).toStdString());
    else
        return fs::path(path.toStdWString());
}

[[maybe_unused]] QString fileNameOf(const std::string &bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

[[maybe_unused]] QString fileNameOf(const std::wstring &units)
{
    return QString::fromStdWString(units);
}

// How often a long read reports how far it has come.
constexpr qsizetype kProgressStep = 64;

// The newest version of one object: "welle.prt.3" before "welle.prt.2",
// and any numbered file before "welle.prt" (version 0).
struct Newest {
    QString fileName;
    qint64 version = -1;
    fs::directory_entry entry;
};

// A file's size and modification time in the file system's own count, from
// one look at it: asked one by one, each would cost a call to the system,
// and a large folder's files are looked at on every check. On Windows the
// listing brings both with the entry (where the library keeps them); elsewhere
// one stat gives both. A size of -1 when the file cannot be looked at.
struct FileStamp {
    qint64 size = -1;
    qint64 modified = 0;
};

FileStamp fileStampOf(const fs::directory_entry &entry)
{
    FileStamp stamp;
#ifdef Q_OS_WIN
    std::error_code sizeError, timeError;
    const auto size = entry.file_size(sizeError);
    const auto modified = entry.last_write_time(timeError);
    if (!sizeError && !timeError)
        stamp = {qint64(size), qint64(modified.time_since_epoch().count())};
#else
    struct stat status;
    if (::stat(entry.path().c_str(), &status) == 0) {
#ifdef Q_OS_DARWIN
        const struct timespec &modified = status.st_mtimespec;
#else
        const struct timespec &modified = status.st_mtim;
#endif
        stamp = {qint64(status.st_size), qint64(modified.tv_sec) * 1000000000 + modified.tv_nsec};
    }
#endif
    return stamp;
}

// An object file's name in lower case without its version ("welle.prt")
// and its version; an empty name for a file of no object type.
QString objectName(const QString &fileName, qint64 &version)
{
    QStringView name(fileName);
    version = 0;
    qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0 && NameCheck::isVersionNumber(name.mid(dot + 1))) {
        bool ok = false;
        version = name.mid(dot + 1).toLongLong(&ok);
        if (!ok)
            version = std::numeric_limits<qint64>::max();
        name = name.left(dot);
        dot = name.lastIndexOf(u'.');
    }
    if (dot <= 0)
        return {};
    const QStringView extension = name.mid(dot + 1);
    for (const QString &type : FolderReader::objectTypes())
        if (extension.compare(type, Qt::CaseInsensitive) == 0)
            return name.toString().toLower();
    return {};
}

} // namespace

bool FolderUsage::refresh(const QString &folder, const Progress &progress)
{
    // The readings kept are those of the files of one folder.
    if (folder != m_folder)
        m_cache.clear();
    m_folder = folder;
    m_error.clear();
    m_objects.clear();
    m_usersByName.clear();
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.isEmpty() || !info.exists())
        m_error = u"Ordner nicht gefunden: "_s + shown;
    else if (!info.isDir())
        m_error = u"kein Ordner: "_s + shown;
    else if (!info.isReadable() || !QDir(folder).isReadable())
        m_error = u"Ordner nicht lesbar: "_s + shown;
    if (!m_error.isEmpty()) {
        m_cache.clear();
        return false;
    }

    // The newest version of each object; the type of an entry comes with
    // the listing, only the files chosen are looked at further. Regular
    // files only (and links to them): a pipe named like an object would
    // never give its bytes.
    QHash<QString, Newest> newest;
    std::error_code error;
    for (fs::directory_iterator it(nativePath(folder), error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const QString fileName = fileNameOf(it->path().filename().native());
        qint64 version = 0;
        const QString name = objectName(fileName, version);
        if (name.isEmpty())
            continue;
        Newest &chosen = newest[name];
        if (version > chosen.version || (version == chosen.version && fileName < chosen.fileName))
            chosen = {fileName, version, *it};
    }

    if (error) {
        m_error = u"Ordner nicht lesbar: "_s + shown;
        m_cache.clear();
        return false;
    }
    QStringList names = newest.keys();
    std::sort(names.begin(), names.end());
    QHash<QString, Cached> cache;
    cache.reserve(names.size());
    m_objects.reserve(names.size());
    const QDir dir(folder);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (progress && i % kProgressStep == 0)
            progress(i, names.size());
        const Newest &chosen = *newest.constFind(names.at(i));
        const QString &fileName = chosen.fileName;
        const FileStamp stamp = fileStampOf(chosen.entry);
        Cached entry = m_cache.take(fileName);
        if (stamp.size < 0 || entry.size != stamp.size || entry.modified != stamp.modified) {
            entry.size = stamp.size;
            entry.modified = stamp.modified;
            entry.reading = ObjectUse::readFile(dir.filePath(fileName));
        }
        m_objects.append({names.at(i), fileName, entry.reading});
        cache.insert(fileName, entry);
    }
    if (progress)
        progress(names.size(), names.size());
    m_cache = std::move(cache);

    for (const Object &object : std::as_const(m_objects)) {
        if (!object.reading.known)
            continue;
        for (const ObjectUse::Used &used : object.reading.uses)
            if (used.name != object.name)
                m_usersByName[used.name].append(object.name);
    }
    return true;
}

QStringList FolderUsage::usersOf(const QString &name) const
{
    return m_usersByName.value(name.toLower());
}

QList<const FolderUsage::Object *> FolderUsage::unknown() const
{
    QList<const Object *> result;
    for (const Object &object : m_objects)
        if (!object.reading.known)
            result.append(&object);
    return result;
}
