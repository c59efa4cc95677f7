#pragma once

#include "folder/CheckFolder.h"
#include "folder/FolderReader.h"
#include "folder/FolderSnapshot.h"

#include <QDialog>
#include <QList>
#include <QTimer>

class OneLineEdit;
class Platform;
class QCheckBox;
class QLabel;
class QPushButton;

// The dialog "Ordner einlesen": the Pro/ENGINEER objects of a folder,
// chosen by a name filter and their types, for the current list, which it
// names, as it names what becomes of the check folder. While the
// user chooses, it shows how many objects would be taken; the folder is
// read a moment after the last change, so typing a path does not read
// every folder on the way. "Übernehmen" closes it with the read that
// matches what the dialog shows; a folder that cannot be read keeps it
// open with the reason. The folder is read once and chosen from while the
// filter and the types change; it is read again when it has changed.
class frm_Ordner : public QDialog
{
    Q_OBJECT

public:
    // `start`: the filter and types to begin with; `listName`: the caption
    // of the list the objects go into; `room`: how many entries it can
    // still take.
    frm_Ordner(const Platform &platform, const QString &folder, const FolderReader::Options &start,
               const QString &listName, const CheckFolder &checkFolder, qsizetype room, QWidget *parent);

    QString folder() const;
    // The filter and the types as chosen.
    FolderReader::Options options() const;
    // Whether the folder also becomes the check folder.
    bool asCheckFolder() const;
    // The read behind "Übernehmen".
    const FolderReader::Result &result() const { return m_result; }
    // The folder as read, for the check folder.
    const FolderSnapshot &snapshot() const { return m_snapshot; }

    OneLineEdit *txt_ordner = nullptr;
    QPushButton *cmd_waehlen = nullptr;
    OneLineEdit *txt_filter = nullptr;
    // One per object type, in the order of FolderReader::objectTypes().
    QList<QCheckBox *> chk_typen;
    QLabel *lbl_ziel = nullptr;
    QLabel *lbl_anzahl = nullptr;
    QCheckBox *chk_pruefordner = nullptr;
    QLabel *lbl_pruefordner = nullptr;
    QPushButton *cmd_uebernehmen = nullptr;
    QPushButton *cmd_abbrechen = nullptr;

private:
    void createControls(const FolderReader::Options &start);
    void cmd_waehlen_Click();
    void choice_Change();
    void checkFolder_Change();
    void cmd_uebernehmen_Click();
    void readChoice();

    const Platform &m_platform;
    const CheckFolder &m_checkFolder;
    qsizetype m_room;
    QTimer m_pendingRead;
    FolderSnapshot m_snapshot;
    FolderReader::Result m_result;
};
