#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QWidget;

// Everything that differs between Windows and the other desktops, or between
// a portable copy and an installed one: drives, the settings store, the
// program's folder, where the list files lie, the default output folder,
// Qt's own translations and handing a file or web address to the desktop.
// The window asks only this class; tests derive from it to fake drives,
// settings, folders and the desktop.
class Platform
{
public:
    virtual ~Platform() = default;

    // The entries of the drive list. Windows: the drive letters ("C:");
    // elsewhere the mounted volumes' root paths, "/" first.
    virtual QStringList drives() const;
    // The folder an entry stands for: "C:\" for "C:", the entry itself elsewhere.
    virtual QString driveRoot(const QString &drive) const;
    // The entry of the drive that holds `path`.
    virtual QString driveOf(const QString &path) const;

    // Section "Optionen" of application "Velmorant" in the per-user store.
    virtual std::unique_ptr<QSettings> openSettings() const;

    // The folder of the program's executable.
    virtual QString programFolder() const;

    // Where the list files are saved and opened: beside a copy that is not
    // installed (the build, a copy unpacked somewhere, any copy with the
    // marker file beside it), else in the per-user data folder, made when
    // missing. Decided once, so that save and open always agree.
    virtual QString listFolder() const;
    // The decision, by where the program lies, never by whether it may
    // write there: root may write into /usr/bin, and a package manager
    // would leave the lists behind. Installed is a program in one of
    // `installFolders` (the install prefix's program folder, Program Files
    // on another drive) or below a system folder (/usr, /opt, ...,
    // C:\Program Files), unless `portableMarker` says it is a portable copy.
    static QString listFolderFor(const QString &programFolder, const QStringList &installFolders, bool portableMarker,
                                 const QString &userDataFolder);
    // A file of this name beside the program makes any copy a portable one.
    static const QString kPortableMarker;

    // Puts German in force for what Qt shows of its own: the default
    // locale for numbers, dates and sizes, whatever the system's locale,
    // and Qt's German texts for its menus, dialogs and buttons, loaded from
    // the Qt installation (or, deployed, from beside the program); false
    // when the texts are not there.
    static bool useGermanForQt();

    // Has a write that crosses a file-size limit (ulimit -f) fail like any
    // other, to be told in the status line, where the system would end the
    // program and the lists with it. For the whole process, once at start.
    static void failWritesAtFileSizeLimit();

    // The folder field's text before the settings are read, and its default.
    virtual QString designFolderText() const;

    // Where the folder tree starts.
    virtual QString startFolder() const;

    // Opens a file or web address with the desktop's associated program;
    // false when the desktop refused.
    virtual bool openWithDesktop(const QUrl &url) const;

    // Asks the user for a file to open, or for a file to save when
    // `forSaving`; empty when the user cancels.
    virtual QString askFileName(QWidget *parent, const QString &caption, const QString &filter, bool forSaving) const;
    // Asks the user for a folder, starting at `start`; empty when the user
    // cancels.
    virtual QString askFolderName(QWidget *parent, const QString &caption, const QString &start) const;

private:
    mutable QString m_listFolder;
};
