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
#include <utility>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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
// and any numbered file before "welle.prt" (version 0); `listed` is where
// its file stands in the listing.
struct Newest {
    QString fileName;
    qint64 version = -1;
    std::size_t listed = 0;
};

// The folder held open while its files are looked at, so that each look
// names the file alone instead of the system walking the whole path again.
struct OpenFolder {
#ifdef Q_OS_WIN
    explicit OpenFolder(const fs::path &)
    {
    }
#else
    explicit OpenFolder(const fs::path &path)
        : path(path)
        , descriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~OpenFolder()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;
    fs::path path;
    int descriptor = -1;
#endif
};

// A file's size and modification time in the file system's own count, from
// one look at it: asked one by one, each would cost a call to the system,
// and a large folder's files are looked at on every check. On Windows the
// listing brings both with the entry (where the library keeps them);
// elsewhere one stat gives both. A size of -1 when the file cannot be
// looked at.
FolderUsage::Stamp stampOf([[maybe_unused]] const OpenFolder &folder,
                           [[maybe_unused]] const std::vector<fs::directory_entry> &entries,
                           [[maybe_unused]] std::size_t listed, [[maybe_unused]] const fs::path::string_type &fileName)
{
    FolderUsage::Stamp stamp;
#ifdef Q_OS_WIN
    const fs::directory_entry &entry = entries[listed];
    std::error_code sizeError, timeError;
    const auto size = entry.file_size(sizeError);
    const auto modified = entry.last_write_time(timeError);
    if (!sizeError && !timeError)
        stamp = {qint64(size), qint64(modified.time_since_epoch().count())};
#else
    struct stat status;
    const int result = folder.descriptor >= 0 ? ::fstatat(folder.descriptor, fileName.c_str(), &status, 0)
                                              : ::stat((folder.path / fileName).c_str(), &status);
    if (result == 0) {
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
        forget();
    m_folder = folder;
    m_error.clear();
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.isEmpty() || !info.exists())
        m_error = u"Ordner nicht gefunden: "_s + shown;
    else if (!info.isDir())
        m_error = u"kein Ordner: "_s + shown;
    else if (!info.isReadable() || !QDir(folder).isReadable())
        m_error = u"Ordner nicht lesbar: "_s + shown;
    if (!m_error.isEmpty()) {
        forget();
        return false;
    }

    // The folder's regular files (and links to them): a pipe named like an
    // object would never give its bytes. The type of an entry comes with
    // the listing.
    const fs::path nativeFolder = nativePath(folder);
    std::vector<fs::directory_entry> entries; // on Windows only, where they bring size and time
    std::vector<fs::path::string_type> listing;
    listing.reserve(m_listing.size());
    std::error_code error;
    for (fs::directory_iterator it(nativeFolder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        // The name cut from the path as it stands: asking the path for it
        // would build two more paths per file.
        const fs::path::string_type &path = it->path().native();
        listing.emplace_back(path, path.find_last_of(fs::path::preferred_separator) + 1);
#ifdef Q_OS_WIN
        entries.push_back(*it);
#endif
    }
    if (error) {
        m_error = u"Ordner nicht lesbar: "_s + shown;
        forget();
        return false;
    }
    // The same files as last time, in the same order: the same objects, and
    // only their files' size and time are looked at again.
    if (listing != m_listing)
        choose(listing);
    m_listing = std::move(listing);

    const OpenFolder open(nativeFolder);
    const QDir dir(folder);
    const qsizetype count = m_objects.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (progress && i % kProgressStep == 0)
            progress(i, count);
        const std::size_t listed = m_listed[std::size_t(i)];
        const Stamp stamp = stampOf(open, entries, listed, m_listing[listed]);
        Stamp &seen = m_stamps[std::size_t(i)];
        if (stamp.size < 0 || stamp.size != seen.size || stamp.modified != seen.modified) {
            seen = stamp;
            Object &object = m_objects[i];
            object.reading = ObjectUse::readFile(dir.filePath(object.fileName));
        }
    }
    if (progress)
        progress(count, count);
    return true;
}

void FolderUsage::choose(const std::vector<std::filesystem::path::string_type> &listing)
{
    QHash<QString, Newest> newest;
    newest.reserve(qsizetype(listing.size()));
    for (std::size_t k = 0; k < listing.size(); ++k) {
        const QString fileName = fileNameOf(listing[k]);
        qint64 version = 0;
        const QString name = objectName(fileName, version);
        if (name.isEmpty())
            continue;
        Newest &chosen = newest[name];
        if (version > chosen.version || (version == chosen.version && fileName < chosen.fileName))
            chosen = {fileName, version, k};
    }
    QStringList names = newest.keys();
    std::sort(names.begin(), names.end());

    // What was read of the files seen before stays, by file name, until
    // their size or time says otherwise.
    QHash<QString, std::pair<Stamp, ObjectUse::Reading>> seen;
    seen.reserve(m_objects.size());
    for (qsizetype i = 0; i < m_objects.size(); ++i)
        seen.insert(m_objects.at(i).fileName, {m_stamps[std::size_t(i)], m_objects.at(i).reading});
    m_objects.clear();
    m_objects.reserve(names.size());
    m_stamps.assign(std::size_t(names.size()), Stamp());
    m_listed.assign(std::size_t(names.size()), 0);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const Newest &chosen = *newest.constFind(names.at(i));
        const auto before = seen.constFind(chosen.fileName);
        if (before != seen.constEnd())
            m_stamps[std::size_t(i)] = before->first;
        m_objects.append(
            {names.at(i), chosen.fileName, before != seen.constEnd() ? before->second : ObjectUse::Reading()});
        m_listed[std::size_t(i)] = chosen.listed;
    }
}

void FolderUsage::forget()
{
    m_objects.clear();
    m_stamps.clear();
    m_listed.clear();
    m_listing.clear();
}

QList<const FolderUsage::Object *> FolderUsage::unknown() const
{
    QList<const Object *> result;
    for (const Object &object : m_objects)
        if (!object.reading.known)
            result.append(&object);
    return result;
}
