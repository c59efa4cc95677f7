// Editing the lists beyond the panel: keyboard commands, edits in place,
// moving entries, drops, two-column tables and pairs files, the chain
// ordering, and the name check that follows every change.
#include "ui/frm_rename.h"

#include "check/ChainOrder.h"
#include "check/NameCheck.h"
#include "check/UnchangedPairs.h"
#include "lists/ListDrop.h"
#include "lists/NameListOps.h"
#include "lists/PairsFile.h"
#include "lists/TwoColumns.h"
#include "ui/chooser/FolderChooser.h"
#include "ui/lists/ListHistory.h"
#include "ui/lists/NameListModel.h"
#include "ui/lists/NameListView.h"
#include "ui/lists/UndoBudget.h"
#include "ui/platform/Platform.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/ShownText.h"
#include "verify/RunTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>

namespace {

const QString kPairsFilter = QStringLiteral("Paare (*.csv *.txt);;Alle Dateien (*)");

// The window takes files only; text belongs on a list.
bool windowTakes(const ListDrop::Dropped &dropped)
{
    return dropped.kind == ListDrop::Dropped::Kind::File || dropped.kind == ListDrop::Dropped::Kind::Refused;
}

} // namespace

// Undo and redo, and the table paste, work anywhere in the window; the
// list keys only in the focused list. Enter in the single entry's field
// adds it.
void frm_rename::createKeyboardCommands()
{
    m_history = new ListHistory(UndoBudget::kBytes, this);
    auto *undo = new QAction(this);
    undo->setShortcuts(QKeySequence::Undo);
    auto *redo = new QAction(this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, m_history, &ListHistory::undo);
    connect(redo, &QAction::triggered, m_history, &ListHistory::redo);
    // Disabled, the keys reach the focused field, which undoes its own typing.
    const auto followHistory = [this, undo, redo] {
        undo->setEnabled(m_history->canUndo());
        undo->setText(QStringLiteral("Rückgängig: ") + m_history->undoText());
        redo->setEnabled(m_history->canRedo());
        redo->setText(QStringLiteral("Wiederholen: ") + m_history->redoText());
    };
    followHistory();
    connect(m_history, &ListHistory::changed, this, followHistory);
    auto *table = new QAction(this);
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(table, &QAction::triggered, this, &frm_rename::cmd_tabelle_Click);
    addActions({undo, redo, table});
    // The single entry's field gives its undo keys to the lists: what the
    // user takes back after Enter is the entry just added.
    Text1->installEventFilter(this);
    kontextmenue->installEventFilter(this);
    connect(Text1, &QLineEdit::returnPressed, this, &frm_rename::Text1_ReturnPressed);
    // Enter in the rule's fields applies the rule, as a form's default
    // button would.
    for (OneLineEdit *field : {txt_rename, txt_renameNEU})
        connect(field, &QLineEdit::returnPressed, this, &frm_rename::cmd_action_Click);

    for (NameListView *list : {list_OldName, list_NewName}) {
        const auto onKey = [this, list](QKeySequence key, auto handler) {
            auto *shortcut = new QShortcut(key, list);
            shortcut->setContext(Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, this, handler);
        };
        onKey(QKeySequence(Qt::Key_Delete), [this, list] { deleteMarked(list); });
        onKey(QKeySequence(Qt::SHIFT | Qt::Key_Delete), [this, list] { deletePair(list); });
        onKey(QKeySequence::Paste, [this, list] { pasteInto(list, QGuiApplication::clipboard()->text()); });
        onKey(QKeySequence(Qt::ALT | Qt::Key_Up), [this, list] { moveMarked(list, -1); });
        onKey(QKeySequence(Qt::ALT | Qt::Key_Down), [this, list] { moveMarked(list, 1); });
    }
}

void frm_rename::connectListHandlers(NameListView *list)
{
    connect(list->nameModel(), &NameListModel::entriesChanged, this, &frm_rename::updateCheck);
    connect(list, &NameListView::entryEdited, this,
            [this, list](int row, const QString &text) { editEntry(list, row, text); });
    connect(list, &NameListView::lineBreakRefused, this, &frm_rename::LineBreakRefused);
    connect(list, &NameListView::fileDropped, this, [this, list](const QString &path) { openListFile(list, path); });
    connect(list, &NameListView::textDropped, this, [this, list](const QString &text) { pasteInto(list, text); });
    connect(list, &NameListView::dropRefused, this, [this](const QString &why) { lbl_status->setText(why); });
}

void frm_rename::Text1_ReturnPressed()
{
    cmd_hinzu_Click();
    Text1->selectAll();
}

void frm_rename::moveMarked(NameListView *list, int by)
{
    const int row = list->selectedRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= list->count())
        return;
    QStringList after = list->entries();
    after.swapItemsAt(row, to);
    changeList(QStringLiteral("verschieben"), list, after);
    list->scrollTo(list->currentIndex());
}

void frm_rename::editEntry(NameListView *list, int row, const QString &text)
{
    QStringList after = list->entries();
    after[row] = text;
    changeList(QStringLiteral("bearbeiten"), list, after);
    lbl_status->setText(NameListOps::entryEditedMessage(row));
}

// The clipboard's two columns go behind both lists in step, or nothing
// does.
void frm_rename::cmd_tabelle_Click()
{
    TwoColumns::Table table = TwoColumns::appended(list_OldName->entries(), list_NewName->entries(),
                                                   NameListOps::splitLines(QGuiApplication::clipboard()->text()));
    if (!table.ok()) {
        lbl_status->setText(table.error);
        return;
    }
    const qsizetype pairs = table.first.size() - list_OldName->count();
    changeLists(QStringLiteral("Tabelle einfügen"),
                {{list_OldName->nameModel(), std::move(table.first)},
                 {list_NewName->nameModel(), std::move(table.second)}});
    lbl_status->setText(NameListOps::pairsTakenMessage(pairs));
}

void frm_rename::cmd_paareOeffnen_Click()
{
    const QString path = m_platform.askFileName(this, QStringLiteral("Paare öffnen"), kPairsFilter, false);
    if (!path.isEmpty())
        openPairsFile(path);
}

void frm_rename::openPairsFile(const QString &path)
{
    PairsFile::ReadResult pairs = PairsFile::read(path);
    if (!pairs.ok) {
        lbl_status->setText(pairs.statusText);
        return;
    }
    // Both lists are built afresh from the file: a mark left on a row
    // would name an entry the user never chose.
    lbl_status->setText(NameListOps::pairsTakenMessage(pairs.oldNames.size()));
    changeLists(QStringLiteral("Paare öffnen"),
                {{list_OldName->nameModel(), std::move(pairs.oldNames), true},
                 {list_NewName->nameModel(), std::move(pairs.newNames), true}});
}

void frm_rename::cmd_paareSpeichern_Click()
{
    const QString path = m_platform.askFileName(this, QStringLiteral("Paare speichern"), kPairsFilter, true);
    if (path.isEmpty())
        return;
    const WriteReport report = PairsFile::write(path, list_OldName->entries(), list_NewName->entries());
    lbl_status->setText(report.ok ? QStringLiteral("Paare gespeichert in ") + path : report.toldText());
}

// Both lists in step, as one step; lists of different length stay as
// they are.
void frm_rename::cmd_unveraendert_Click()
{
    UnchangedPairs::Result kept = UnchangedPairs::removed(list_OldName->entries(), list_NewName->entries());
    changeLists(QStringLiteral("Unveränderte Paare entfernen"),
                {{list_OldName->nameModel(), std::move(kept.oldNames)},
                 {list_NewName->nameModel(), std::move(kept.newNames)}});
    lbl_status->setText(kept.status);
}

void frm_rename::cmd_ordnen_Click()
{
    ChainOrder::Result order = ChainOrder::order(list_OldName->entries(), list_NewName->entries());
    const QString status = ChainOrder::statusText(order);
    changeLists(QStringLiteral("Reihenfolge ordnen"),
                {{list_OldName->nameModel(), std::move(order.oldNames)},
                 {list_NewName->nameModel(), std::move(order.newNames)}});
    lbl_status->setText(status);
}

// A file dropped beside the lists holds pairs; the lists take their own
// drops. A drop that is refused is taken all the same, to say why.
void frm_rename::dragEnterEvent(QDragEnterEvent *event)
{
    if (windowTakes(NameListView::dropped(event->mimeData())))
        event->acceptProposedAction();
}

void frm_rename::dropEvent(QDropEvent *event)
{
    const ListDrop::Dropped dropped = NameListView::dropped(event->mimeData());
    if (!windowTakes(dropped))
        return;
    event->acceptProposedAction();
    if (dropped.kind == ListDrop::Dropped::Kind::File)
        openPairsFile(dropped.value);
    else
        lbl_status->setText(dropped.value);
}

// With the way back asked for, what only its own check finds too: the
// check line, the row marks and the question before building count the same.
QList<NameCheck::Finding> frm_rename::pairFindings() const
{
    return m_pairCheck.findings(list_OldName->entries(), list_NewName->entries(), m_checkFolder,
                                Frame5->chk_rueckweg->isChecked(), m_users.usersLeft(), m_users.version());
}

void frm_rename::updateCheck()
{
    forgetRun();
    if (list_OldName->count() > 0 || list_NewName->count() > 0)
        readRememberedCheckFolder();
    showFindings(pairFindings());
}

// The marks of `findings` in both lists and their summary; while a run's
// marks show, its result first.
void frm_rename::showFindings(const QList<NameCheck::Finding> &findings, const RunCheck::Result *run)
{
    const QStringList &oldNames = list_OldName->entries();
    const QStringList &newNames = list_NewName->entries();
    list_OldName->nameModel()->setMarks(m_users.withUsers(NameCheck::rowMarks(findings, oldNames.size()), oldNames));
    list_NewName->nameModel()->setMarks(NameCheck::rowMarks(findings, newNames.size()));
    const QString summary = m_users.checkLine(NameCheck::summary(findings, m_checkFolder.against(), oldNames.size(),
                                                                 newNames.size()),
                                              oldNames, newNames);
    showCheckLine(run ? RunTexts::checkLine(*run, summary) : summary);
}

// A long check folder gives way in its middle, the findings stay (the
// label fits the line to its width); the whole line shows under the
// pointer. A recorded template set in use is named first.
void frm_rename::showCheckLine(const QString &text)
{
    const QString line = m_templates.checkLine(text);
    lbl_pruefung->setText(line);
    lbl_pruefung->setToolTip(ShownText::asToolTip(line));
}

// Asked before anything is built, when the pairs have findings, those
// against the check folder as it is now among them; with the way back
// asked for, also about what only its own check finds. A check folder that
// cannot be read leaves the pairs unchecked against it: that is asked too.
bool frm_rename::confirmDespiteFindings()
{
    readCheckFolderAgain();
    const QList<NameCheck::Finding> findings = pairFindings();
    const QString notChecked = list_OldName->entries().isEmpty() ? QString() : m_checkFolder.notCheckedText();
    return (findings.isEmpty() && notChecked.isEmpty())
        || askDespiteFindings(NameCheck::questionText(findings, notChecked));
}

bool frm_rename::askDespiteFindings(const QString &question)
{
    // Asked inside a busy step too: the pointer is an arrow while it waits.
    const QScopeGuard arrowUntilAnswered(QGuiApplication::restoreOverrideCursor);
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmorant"), ShownText::withShortLines(question),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText); // names and paths are shown as they stand
    QPushButton *build = box.addButton(QStringLiteral("&Trotzdem erstellen"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == build;
}
