#include "folder/CheckFolder.h"

#include "common/Counted.h"

#include <QDir>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString absolute(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

void CheckFolder::setPath(const QString &path, const FolderSnapshot::Progress &progress)
{
    if (absolute(path) == m_path && isSet()) {
        readAgain(progress);
        return;
    }
    remember(path);
    readAgain(progress);
}

void CheckFolder::remember(const QString &path)
{
    m_path = absolute(path);
    m_unread = isSet();
    m_snapshot = FolderSnapshot();
    take();
}

QString CheckFolder::afterReadingText(bool becomes, const QString &folder) const
{
    const QString read = absolute(folder);
    if (becomes && read != m_path)
        return u"Neuer Prüfordner: "_s + QDir::toNativeSeparators(read);
    if (!isSet())
        return u"Kein Prüfordner"_s;
    return u"Prüfordner bleibt: "_s + QDir::toNativeSeparators(m_path);
}

void CheckFolder::setRead(const FolderSnapshot &snapshot)
{
    m_path = absolute(snapshot.folder());
    m_unread = false;
    m_snapshot = snapshot;
    take();
}

bool CheckFolder::readAgain(const FolderSnapshot::Progress &progress)
{
    if (isUnread())
        m_snapshot = FolderSnapshot(m_path, progress);
    else if (!isSet() || !m_snapshot.refresh(progress))
        return false;
    m_unread = false;
    take();
    return true;
}

QString CheckFolder::readingText()
{
    return u"Prüfordner wird gelesen …"_s;
}

// Every object type and every name: an object missing from what was taken
// would count as an old object missing from the folder.
void CheckFolder::take()
{
    ++m_version;
    m_read = {};
    m_objects = {};
    if (!isSet() || m_unread)
        return;
    FolderReader::Options every{u"*"_s, FolderReader::objectTypes(), std::numeric_limits<qsizetype>::max(), true};
    m_read = m_snapshot.select(every);
    m_objects = FolderObjects(m_read.names);
    m_read.names.clear();
}

const FolderObjects *CheckFolder::objects() const
{
    return isSet() && !m_unread && !isGone() ? &m_objects : nullptr;
}

QString CheckFolder::statusText() const
{
    if (!isSet())
        return u"Prüfung ohne Prüfordner"_s;
    if (isGone())
        return FolderReader::statusText(m_read, m_path);
    QString text = u"Prüfordner "_s + QDir::toNativeSeparators(m_path) + u" gelesen: "_s
        + Counted::text(m_objects.size(), u"Objekt"_s, u"Objekte"_s);
    if (unreadable() > 0)
        text += u"; "_s + FolderReader::unreadableText(unreadable());
    return text;
}

QString CheckFolder::whyGone() const
{
    using Status = FolderReader::Result::Status;
    return QDir::toNativeSeparators(m_path) + u' '
        + (m_read.status == Status::Missing          ? u"nicht gefunden"_s
               : m_read.status == Status::NotAFolder ? u"ist kein Ordner"_s
                                                     : u"nicht lesbar"_s);
}

QString CheckFolder::against() const
{
    if (!isSet())
        return {};
    if (isGone())
        return u"ohne Ordner ("_s + whyGone() + u')';
    const QString shown = u"gegen "_s + QDir::toNativeSeparators(m_path);
    return unreadable() > 0 ? shown + u" ("_s + FolderReader::unreadableText(unreadable()) + u')' : shown;
}

QString CheckFolder::notCheckedText() const
{
    if (!isGone())
        return {};
    return u"Die Paare konnten nicht gegen den Prüfordner geprüft werden: "_s + whyGone() + u'.';
}
