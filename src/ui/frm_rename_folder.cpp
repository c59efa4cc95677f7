// The working folder: its objects read into a list, the check folder the
// pairs are checked against, and the drawings brought along with their
// models.
#include "ui/frm_rename.h"

#include "ui/SettingsKeys.h"

#include "check/FolderCheck.h"
#include "lists/NameListOps.h"
#include "ui/chooser/FolderChooser.h"
#include "ui/lists/NameListModel.h"
#include "ui/lists/NameListView.h"
#include "ui/platform/Platform.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/WaitCursor.h"
#include "ui/workingfolder/ReadMemory.h"
#include "ui/workingfolder/ReadProgress.h"
#include "ui/workingfolder/frm_Ordner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The dialog starts at the output folder unless a check folder or its last
// use says otherwise.
void frm_rename::cmd_ordnerEinlesen_Click()
{
    const ReadMemory::Start start = ReadMemory::start(m_platform, m_checkFolder, Frame5->txt_path->text());
    QRadioButton *current = Option2->isChecked() ? Option2 : Option1;
    auto *dialog = new frm_Ordner(m_platform, start.folder, start.options, current->text(), m_checkFolder,
                                  NameListOps::kMaxEntries - currentList()->count(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { frm_Ordner_Accepted(*dialog); });
    dialog->open();
}

// The objects go behind the current list's entries, as one step; the
// dialog has read no more than the list can take.
void frm_rename::frm_Ordner_Accepted(const frm_Ordner &dialog)
{
    ReadMemory::remember(m_platform, dialog);
    const FolderReader::Result &read = dialog.result();
    if (dialog.asCheckFolder()) {
        m_checkFolder.setRead(dialog.snapshot());
        m_users.read(lbl_status);
        rememberCheckFolder();
    }
    NameListView *list = currentList();
    changeList(QStringLiteral("Ordner einlesen"), list, list->entries() + read.names);
    lbl_status->setText(FolderReader::statusText(read, dialog.folder()));
    if (m_checkFolder.isGone())
        lbl_status->setText(m_checkFolder.statusText());
}

void frm_rename::cmd_pruefordner_Click()
{
    const QString start = m_checkFolder.isSet() ? m_checkFolder.path() : Frame5->txt_path->text();
    const QString folder = m_platform.askFolderName(this, QStringLiteral("Prüfordner wählen"), start);
    if (!folder.isEmpty())
        setCheckFolder(folder);
}

void frm_rename::cmd_ohnePruefordner_Click()
{
    setCheckFolder({});
}

// Read when the check first needs it: a folder of 100,000 files on a
// network drive would keep the window from showing for seconds.
void frm_rename::restoreCheckFolder()
{
    m_checkFolder.remember(m_platform.openSettings()->value(SettingsKeys::kCheckFolderKey).toString());
    cmd_ohnePruefordner->setEnabled(m_checkFolder.isSet());
    Frame5->setCheckFolder(m_checkFolder.path());
}

// The remembered check folder, once the pairs are to be checked against
// it: the check line says that it is read, and afterwards what the check
// found, or that the folder is gone. The status line keeps what the
// change that needed it said.
void frm_rename::readRememberedCheckFolder()
{
    if (!m_checkFolder.isUnread())
        return;
    lbl_pruefung->setText(CheckFolder::readingText());
    lbl_pruefung->repaint();
    const WaitCursor busy;
    m_checkFolder.readAgain();
    m_users.read(lbl_status);
}

void frm_rename::setCheckFolder(const QString &path)
{
    readCheckFolder(path);
    rememberCheckFolder();
    lbl_status->setText(m_checkFolder.statusText());
}

// Remembered at once, like the way-back box, as the absolute path that is
// shown.
void frm_rename::rememberCheckFolder()
{
    m_platform.openSettings()->setValue(SettingsKeys::kCheckFolderKey, m_checkFolder.path());
    cmd_ohnePruefordner->setEnabled(m_checkFolder.isSet());
    Frame5->setCheckFolder(m_checkFolder.path());
    updateCheck();
}

void frm_rename::readCheckFolder(const QString &path)
{
    {
        ReadProgress progress(lbl_status);
        m_checkFolder.setPath(path, progress.callback());
    }
    m_users.read(lbl_status);
    cmd_ohnePruefordner->setEnabled(m_checkFolder.isSet());
    if (m_checkFolder.isGone())
        lbl_status->setText(m_checkFolder.statusText());
}

// Before the question that precedes writing: the folder as it is now, read
// again only when it has changed, its use with it; true when it was.
bool frm_rename::readCheckFolderAgain()
{
    bool readAgain = false;
    {
        ReadProgress progress(lbl_status);
        readAgain = m_checkFolder.readAgain(progress.callback());
    }
    if (!readAgain)
        return false;
    m_users.read(lbl_status);
    if (m_checkFolder.isGone())
        lbl_status->setText(m_checkFolder.statusText());
    updateCheck();
    return true;
}

// The drawing pairs go behind both lists in step, as one step.
void frm_rename::cmd_zeichnungen_Click()
{
    const QStringList &oldNames = list_OldName->entries();
    const QStringList &newNames = list_NewName->entries();
    if (oldNames.size() != newNames.size()) {
        lbl_status->setText(QStringLiteral(
            "Achtung: Die Listen haben eine unterschiedliche Anzahl von Elementen, keine Zeichnungen ergänzt"));
        return;
    }
    readRememberedCheckFolder();
    const FolderObjects *folder = m_checkFolder.objects();
    if (!folder) {
        lbl_status->setText(m_checkFolder.isSet()
                                ? m_checkFolder.statusText()
                                : QStringLiteral("Zeichnungen ergänzen braucht einen Prüfordner (Prüfordner …)"));
        return;
    }
    FolderCheck::DrawingPairs added = FolderCheck::drawingPairs(oldNames, newNames, *folder);
    const NameListOps::Fitted fitted = NameListOps::fitInto(added.oldNames, oldNames.size());
    added.newNames.resize(fitted.taken.size());
    changeLists(QStringLiteral("Zeichnungen ergänzen"),
                {{list_OldName->nameModel(), oldNames + fitted.taken},
                 {list_NewName->nameModel(), newNames + added.newNames}});
    lbl_status->setText(fitted.leftOut > 0 ? NameListOps::linesLeftOutMessage(fitted.leftOut)
                                           : FolderCheck::drawingsAdded(fitted.taken.size()));
}

void frm_rename::cmd_verwendung_Click()
{
    readRememberedCheckFolder();
    m_users.showOverview(this, list_OldName->entries(), list_NewName->entries());
}
