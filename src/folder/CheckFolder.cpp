#include "folder/CheckFolder.h"

#include <QDir>

#include <limits>

using namespace Qt::StringLiterals;

void CheckFolder::setPath(const QString &path)
{
    m_path = path;
    readAgain();
}

// Every object type and every object: a name missing from what was read
// would count as an old object missing from the folder.
void CheckFolder::readAgain()
{
    m_read = {};
    m_objects = {};
    if (!isSet())
        return;
    m_read = FolderReader::read(m_path, {u"*"_s, FolderReader::objectTypes(), std::numeric_limits<qsizetype>::max()});
    m_objects = FolderObjects(m_read.names);
    m_read.names.clear();
}

const FolderObjects *CheckFolder::objects() const
{
    return isSet() && !isGone() ? &m_objects : nullptr;
}

QString CheckFolder::statusText() const
{
    if (!isSet())
        return u"Prüfung ohne Prüfordner"_s;
    if (isGone())
        return FolderReader::statusText(m_read, m_path);
    return u"Prüfordner "_s + QDir::toNativeSeparators(m_path) + u" gelesen: "_s + QString::number(m_objects.size())
        + (m_objects.size() == 1 ? u" Objekt"_s : u" Objekte"_s);
}

QString CheckFolder::against() const
{
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!isSet())
        return {};
    if (!isGone())
        return u"gegen "_s + shown;
    using Status = FolderReader::Result::Status;
    const QString why = m_read.status == Status::Missing ? u"nicht gefunden"_s
        : m_read.status == Status::NotAFolder            ? u"ist kein Ordner"_s
                                                         : u"nicht lesbar"_s;
    return u"ohne Ordner ("_s + shown + u' ' + why + u')';
}
