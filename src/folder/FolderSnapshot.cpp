#include "folder/FolderSnapshot.h"

#include "check/NameCheck.h"
#include "common/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <type_traits>

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using FolderReader::Result;

namespace {

// A change this close to the read may carry the same time as the read saw:
// file systems keep times in steps of up to two seconds.
constexpr std::chrono::seconds kSettled{2};

// How often a long read reports how far it has come.
constexpr qsizetype kProgressStep = 4096;

// The path as the file system names it: its bytes where a name is bytes, so
// that a folder whose name is no UTF-8 is reached too.
fs::path nativePath(const QString &path)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>)
        return fs::path(QFile::encodeName(path).toStdString());
    else
        return fs::path(path.toStdWString());
}

// A file name as Qt shows it, and whether it could be read: bytes that are
// no valid text in the system's encoding come out as U+FFFD and name no
// file the program can reach. Windows keeps names as UTF-16, all readable.
[[maybe_unused]] QString shownName(const std::string &bytes, bool &readable)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    const QString name = QFile::decodeName(raw);
    readable = !name.contains(QChar::ReplacementCharacter) || QFile::encodeName(name) == raw;
    return name;
}

[[maybe_unused]] QString shownName(const std::wstring &units, bool &readable)
{
    readable = true;
    return QString::fromStdWString(units);
}

// A file name without its version, and the index of its type in
// objectTypes(); -1 when the name is no object file.
struct ObjectFile {
    QStringView name;
    qsizetype type = -1;
};

ObjectFile objectFile(QStringView fileName)
{
    qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot > 0 && NameCheck::isVersionNumber(fileName.mid(dot + 1))) {
        fileName = fileName.left(dot);
        dot = fileName.lastIndexOf(u'.');
    }
    if (dot < 0)
        return {};
    const QStringView extension = fileName.mid(dot + 1);
    const QStringList &types = FolderReader::objectTypes();
    for (qsizetype i = 0; i < types.size(); ++i) {
        if (extension.compare(types.at(i), Qt::CaseInsensitive) == 0)
            return {fileName, i};
    }
    return {};
}

// `*` stands for any run of characters, `?` for one; both texts in lower
// case. On a mismatch after a star the star takes one character more, so
// the work stays bounded by the product of the two lengths.
bool matchesFilter(QStringView text, QStringView pattern)
{
    qsizetype t = 0, p = 0, star = -1, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern.at(p) == u'?' || pattern.at(p) == text.at(t))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern.at(p) == u'*') {
            star = p++;
            starText = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

// A name the list can hold and Pro/ENGINEER can open: Windows-1252 for
// rename.pro, and a base name the check would not object to.
bool isTakeable(const QString &name, qsizetype extensionLength, QByteArray &scratch)
{
    scratch.resize(0);
    return NameCheck::isObjectBaseName(QStringView(name).left(name.size() - extensionLength - 1))
        && Cp1252::encodeAppend(name, scratch, nullptr);
}

QStringList sorted(const QSet<QString> &names)
{
    QStringList list(names.begin(), names.end());
    std::sort(list.begin(), list.end());
    return list;
}

fs::file_time_type modifiedAt(const QString &folder, std::error_code &error)
{
    return fs::last_write_time(nativePath(folder), error);
}

} // namespace

FolderSnapshot::FolderSnapshot(const QString &folder, const Progress &progress)
    : m_folder(folder)
{
    read(progress);
}

bool FolderSnapshot::isStale() const
{
    if (m_status != Result::Status::Read || !m_settled)
        return true;
    std::error_code error;
    return modifiedAt(m_folder, error) != m_modified || error;
}

bool FolderSnapshot::refresh(const Progress &progress)
{
    if (!isStale())
        return false;
    read(progress);
    return true;
}

// The time first: a change while the folder is read then shows as a later
// time at the next look.
void FolderSnapshot::read(const Progress &progress)
{
    m_types.clear();
    std::error_code error;
    m_modified = modifiedAt(m_folder, error);
    m_settled = !error && m_modified < fs::file_time_type::clock::now() - kSettled;
    const QFileInfo info(m_folder);
    m_status = m_folder.isEmpty() || !info.exists() ? Result::Status::Missing
        : !info.isDir()                             ? Result::Status::NotAFolder
        : !info.isReadable()                        ? Result::Status::Unreadable
                                                    : Result::Status::Read;
    if (m_status != Result::Status::Read)
        return;

    // One set per type and kind folds the versions and the letter case.
    const qsizetype typeCount = FolderReader::objectTypes().size();
    std::vector<QSet<QString>> takeable(typeCount), invalid(typeCount), unreadable(typeCount);
    QByteArray scratch;
    qsizetype seen = 0;
    fs::directory_iterator it(nativePath(m_folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        if (progress && ++seen % kProgressStep == 0)
            progress(seen);
        bool readable = true;
        const QString fileName = shownName(it->path().filename().native(), readable);
        const ObjectFile object = objectFile(fileName);
        // Only a file counts; for a link, the file it leads to.
        std::error_code typeError;
        if (object.type < 0 || !it->is_regular_file(typeError))
            continue;
        const QString name = object.name.toString().toLower();
        if (!readable)
            unreadable[object.type].insert(name);
        else if (isTakeable(name, FolderReader::objectTypes().at(object.type).size(), scratch))
            takeable[object.type].insert(name);
        else
            invalid[object.type].insert(name);
    }
    if (error) { // the read broke off: nothing half-read is kept
        m_status = Result::Status::Unreadable;
        return;
    }
    for (qsizetype i = 0; i < typeCount; ++i)
        m_types.push_back({sorted(takeable[i]), sorted(invalid[i]), sorted(unreadable[i])});
}

Result FolderSnapshot::select(const FolderReader::Options &options) const
{
    Result result;
    result.status = m_status;
    if (m_status != Result::Status::Read)
        return result;
    const QStringList &types = FolderReader::objectTypes();
    std::vector<bool> chosen(types.size());
    for (const QString &type : options.types) {
        if (const qsizetype i = types.indexOf(type.toLower()); i >= 0)
            chosen[i] = true;
    }
    const QString pattern = options.filter.isEmpty() ? u"*"_s : options.filter.toLower();
    const bool everyName = pattern == u"*";
    const auto matching = [&](const QStringList &names) {
        if (everyName)
            return names;
        QStringList found;
        std::copy_if(names.begin(), names.end(), std::back_inserter(found),
                     [&](const QString &name) { return matchesFilter(name, pattern); });
        return found;
    };
    for (qsizetype i = 0; i < qsizetype(m_types.size()); ++i) {
        if (!chosen[i])
            continue;
        const OfType &ofType = m_types.at(i);
        const qsizetype start = result.names.size();
        result.names += matching(ofType.takeable);
        const QStringList invalid = matching(ofType.invalid);
        if (options.takeInvalidNames) {
            result.names += invalid;
            std::inplace_merge(result.names.begin() + start, result.names.end() - invalid.size(), result.names.end());
        } else {
            result.skipped += invalid.size();
        }
        const qsizetype unreadable = matching(ofType.unreadable).size();
        result.skipped += unreadable;
        result.unreadable += unreadable;
    }
    if (result.names.size() > options.maxObjects) {
        result.leftOut = result.names.size() - options.maxObjects;
        result.names.resize(options.maxObjects);
    }
    return result;
}
