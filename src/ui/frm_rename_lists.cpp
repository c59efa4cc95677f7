// The name lists, their command panel and the replacement rule. Every
// command that changes a list does so through one undo step.
#include "ui/frm_rename.h"

#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/ReplacementRule.h"
#include "rules/RuleList.h"
#include "ui/lists/ListHistory.h"
#include "ui/lists/NameListModel.h"
#include "ui/lists/NameListView.h"
#include "ui/platform/Platform.h"
#include "ui/rules/frm_Regeln.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/WaitCursor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>

NameListView *frm_rename::currentList() const
{
    return Option2->isChecked() ? list_NewName : list_OldName;
}

QString frm_rename::currentListFile() const
{
    return ListFile::path(m_platform.listFolder(),
                          Option2->isChecked() ? ListFile::Kind::NewNames : ListFile::Kind::OldNames);
}

// A list that comes out as it was is no step; built afresh, it still
// loses its mark.
void frm_rename::changeLists(const QString &command, QList<ListEditCommand::Change> changes)
{
    QList<ListEditCommand::Change> steps;
    for (ListEditCommand::Change &change : changes) {
        if (change.model->entries() != change.after)
            steps.append(std::move(change));
        else if (change.rebuilt)
            change.model->setEntries(change.after, NameListModel::Update::Rebuilt);
    }
    if (!steps.isEmpty())
        m_history->push(std::make_unique<ListEditCommand>(command, steps));
}

void frm_rename::changeList(const QString &command, NameListView *list, const QStringList &after)
{
    changeLists(command, {{list->nameModel(), after}});
}

void frm_rename::rebuildList(const QString &command, NameListView *list, const QStringList &after)
{
    changeLists(command, {{list->nameModel(), after, true}});
}

// A right press, or the Menu key, opens the panel over the lists, a left
// press closes it; either makes the pressed list current. Other buttons do
// nothing.
void frm_rename::listMouseDown(Qt::MouseButton button, QRadioButton *option)
{
    if (button == Qt::RightButton) {
        kontextmenue->show();
        kontextmenue->raise();
    } else if (button == Qt::LeftButton) {
        kontextmenue->hide();
    } else {
        return;
    }
    option->setChecked(true);
}

void frm_rename::list_OldName_MouseDown(Qt::MouseButton button)
{
    listMouseDown(button, Option1);
}

void frm_rename::list_OldName_Click()
{
    Option1->setChecked(true);
    kontextmenue->hide();
}

void frm_rename::list_OldName_MenuKey()
{
    listMouseDown(Qt::RightButton, Option1);
}

void frm_rename::list_NewName_MouseDown(Qt::MouseButton button)
{
    listMouseDown(button, Option2);
}

void frm_rename::list_NewName_Click()
{
    kontextmenue->hide();
    Option2->setChecked(true);
}

void frm_rename::list_NewName_MenuKey()
{
    listMouseDown(Qt::RightButton, Option2);
}

void frm_rename::Image_EXIT_Click()
{
    kontextmenue->hide();
}

void frm_rename::cmd_hinzu_Click()
{
    NameListView *list = currentList();
    if (NameListOps::holdsLineBreak(Text1->text())) {
        lbl_status->setText(NameListOps::lineBreakMessage());
        return;
    }
    if (list->count() >= NameListOps::kMaxEntries) {
        lbl_status->setText(NameListOps::listFullMessage());
        return;
    }
    changeList(QStringLiteral("hinzufügen"), list, list->entries() + QStringList{Text1->text()});
    lbl_status->setText(NameListOps::entriesTakenMessage(1));
}

void frm_rename::cmd_del_Click()
{
    deleteMarked(currentList());
    kontextmenue->hide();
}

// The marked row goes where it stands, also among equal entries, so that
// no mark is left behind on a neighbour.
void frm_rename::deleteMarked(NameListView *list)
{
    const int row = list->selectedRow();
    changeLists(QStringLiteral("markiertes löschen"),
                {{list->nameModel(), NameListOps::withoutMarkedAndEmpty(list->entries(), row), false, row}});
}

void frm_rename::cmd_paarLoeschen_Click()
{
    deletePair(currentList());
    kontextmenue->hide();
}

// The marked row of `list` from both lists at once, so that the pairs
// below it stay together.
void frm_rename::deletePair(NameListView *list)
{
    const int row = list->selectedRow();
    if (row < 0) {
        lbl_status->setText(NameListOps::noPairMarkedMessage());
        return;
    }
    QList<ListEditCommand::Change> changes;
    for (NameListView *side : {list_OldName, list_NewName}) {
        QStringList after = side->entries();
        if (row < after.size())
            after.removeAt(row);
        changes.append({side->nameModel(), std::move(after), false, row});
    }
    changeLists(QStringLiteral("Paar löschen"), std::move(changes));
    lbl_status->setText(NameListOps::pairDeletedMessage(row));
}

void frm_rename::clear_Click()
{
    changeList(QStringLiteral("Liste löschen"), currentList(), {});
    kontextmenue->hide();
}

void frm_rename::appendToList(NameListView *list, const QString &command, QStringList lines)
{
    const NameListOps::Fitted fitted = NameListOps::fitInto(std::move(lines), list->count());
    changeList(command, list, list->entries() + fitted.taken);
    lbl_status->setText(NameListOps::fittedMessage(fitted.taken.size(), fitted.leftOut));
}

void frm_rename::save_Click()
{
    const QString path = currentListFile();
    const WriteReport report = ListFile::write(path, currentList()->entries());
    lbl_status->setText(report.ok ? NameListOps::listSavedMessage(path) : report.toldText());
    kontextmenue->hide();
}

void frm_rename::open_Click()
{
    openListFile(currentList(), currentListFile());
    kontextmenue->hide();
}

// The file is read before the list is touched: a missing, unreadable or
// odd file (a folder, a pipe) leaves what the user typed and says why.
// Every reason the file reading knows reaches the status line, in the words
// the command line uses too.
void frm_rename::openListFile(NameListView *list, const QString &path)
{
    const WaitCursor busy;
    const ListFile::ReadResult file = ListFile::read(path);
    if (file.status == ListFile::ReadResult::Status::Read) {
        rebuildList(QStringLiteral("Liste öffnen"), list, file.lines);
        lbl_status->setText(NameListOps::fittedMessage(file.lines.size(), file.linesLeftOut));
    } else {
        lbl_status->setText(ListFile::failureMessage(file.status, path));
    }
}

// The clipboard's lines go behind the entries, split in memory: no scratch
// file, so pasting works in any working folder.
void frm_rename::paste_Click()
{
    pasteInto(currentList(), QGuiApplication::clipboard()->text());
    kontextmenue->hide();
}

void frm_rename::pasteInto(NameListView *list, const QString &text)
{
    appendToList(list, QStringLiteral("paste"), NameListOps::clipboardLines(text));
}

void frm_rename::cmd_action_Click()
{
    if (NameListOps::holdsLineBreak(txt_rename->text()) || NameListOps::holdsLineBreak(txt_renameNEU->text())) {
        lbl_status->setText(NameListOps::lineBreakMessage());
        return;
    }
    const QStringList &oldNames = list_OldName->entries();
    const QStringList newNames = ReplacementRule::apply(oldNames, txt_rename->text(), txt_renameNEU->text());
    const QString status = NameListOps::ruleAppliedMessage(ReplacementRule::changedCount(oldNames, newNames),
                                                           oldNames.size());
    rebuildList(QStringLiteral("Action"), list_NewName, newNames);
    lbl_status->setText(status);
}

void frm_rename::cmd_regeln_Click()
{
    auto *dialog = new frm_Regeln(m_platform, list_OldName->entries(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { frm_Regeln_Accepted(*dialog); });
    dialog->open();
}

// The names the preview showed, from the same steps and old names.
void frm_rename::frm_Regeln_Accepted(const frm_Regeln &dialog)
{
    const QStringList &oldNames = list_OldName->entries();
    const QStringList newNames = RuleList(dialog.steps()).newNames(oldNames);
    const QString status = NameListOps::ruleAppliedMessage(ReplacementRule::changedCount(oldNames, newNames),
                                                           oldNames.size());
    rebuildList(QStringLiteral("Regeln"), list_NewName, newNames);
    lbl_status->setText(status);
}
