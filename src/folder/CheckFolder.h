#pragma once

#include "check/FolderObjects.h"
#include "folder/FolderReader.h"

#include <QString>

// The folder the pairs are checked against, as it was when last read: the
// check runs on every edit and never waits for the disk, so the folder is
// read only when it is set and when asked to read it again, before
// anything is written. A folder that cannot be read is still the one set,
// as a drive may come back; meanwhile the pairs are not checked against it.
class CheckFolder
{
public:
    // Sets the folder and reads it; an empty path leaves no check folder.
    void setPath(const QString &path);
    void readAgain();

    const QString &path() const { return m_path; }
    bool isSet() const { return !m_path.isEmpty(); }
    // Whether the last read failed; then objects() is nullptr.
    bool isGone() const { return isSet() && m_read.status != FolderReader::Result::Status::Read; }
    // What the last read found; nullptr without a folder or after a failed read.
    const FolderObjects *objects() const;

    // After a read, for the status line: how many objects, or why the
    // folder could not be read ("Fehler: Ordner nicht gefunden: …").
    QString statusText() const;
    // What the check's summary says the pairs were checked against:
    // "gegen D:\arbeit", "ohne Ordner (D:\arbeit nicht gefunden)", or empty
    // without a folder.
    QString against() const;

private:
    QString m_path;
    FolderReader::Result m_read;
    FolderObjects m_objects;
};
