#pragma once

#include "check/FolderObjects.h"
#include "folder/FolderReader.h"
#include "folder/FolderSnapshot.h"

#include <QString>

// The folder the pairs are checked against, as it was when last read: the
// check runs on every edit and never waits for the disk, so the folder is
// read when it is set, and before anything is written only when it has
// changed since. A folder remembered from the last session is read when
// the check first needs it, not while the program starts. A folder that
// cannot be read is still the one set, as a drive may come back; meanwhile
// the pairs are not checked against it. The folder rules see every object
// of the folder, whatever its name.
class CheckFolder
{
public:
    // Sets the folder and reads it; an empty path leaves no check folder.
    // The folder is kept as an absolute path, so that it stays the same
    // folder wherever the program is started from.
    void setPath(const QString &path, const FolderSnapshot::Progress &progress = {});
    // Sets the folder without reading it: readAgain() reads it first.
    void remember(const QString &path);
    // Sets the folder that `snapshot` has just read, without reading it again.
    void setRead(const FolderSnapshot &snapshot);
    // Reads the folder when it has not been read yet, or again when it has
    // changed since the last read (or that read failed); true when it did.
    bool readAgain(const FolderSnapshot::Progress &progress = {});

    const QString &path() const { return m_path; }
    bool isSet() const { return !m_path.isEmpty(); }
    // Remembered and not read yet: neither gone nor any objects known.
    bool isUnread() const { return isSet() && m_unread; }
    // Whether the last read failed; then objects() is nullptr.
    bool isGone() const { return isSet() && !m_unread && m_read.status != FolderReader::Result::Status::Read; }
    // What the last read found; nullptr without a folder, before the first
    // read and after a failed read.
    const FolderObjects *objects() const;
    // How many object files the last read found but could not read the
    // name of: the check against the folder misses them.
    qsizetype unreadable() const { return m_read.unreadable; }
    // Counts every change of the folder or of what is known of it, so that
    // what was derived from it can tell whether it still holds.
    quint64 version() const { return m_version; }

    // After a read, for the status line: how many objects, or why the
    // folder could not be read ("Fehler: Ordner nicht gefunden: …").
    QString statusText() const;
    // What the check's summary says the pairs were checked against:
    // "gegen D:\arbeit", "gegen D:\arbeit (3 Dateinamen nicht lesbar)",
    // "ohne Ordner (D:\arbeit nicht gefunden)", or empty without a folder.
    QString against() const;
    // For the question before writing, when the last read failed: that the
    // pairs could not be checked against the folder, and why. Empty
    // otherwise.
    QString notCheckedText() const;
    // What the check line says while the folder is read.
    static QString readingText();
    // What reading `folder` into a list does to the check folder, for the
    // dialog before it: with `becomes` "Neuer Prüfordner: D:\arbeit" (or
    // "Prüfordner bleibt: …" for the same folder), without "Prüfordner
    // bleibt: …" or "Kein Prüfordner".
    QString afterReadingText(bool becomes, const QString &folder) const;

private:
    void take();
    QString whyGone() const;

    QString m_path;
    bool m_unread = false;
    FolderSnapshot m_snapshot;
    FolderReader::Result m_read;
    FolderObjects m_objects;
    quint64 m_version = 0;
};
