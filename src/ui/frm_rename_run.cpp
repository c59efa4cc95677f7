// After a run of rename.pro in Pro/ENGINEER: how far it got, read back from
// the check folder, the open pairs kept for a rename.pro of the rest, and
// the way back for the pairs that ran.
#include "ui/frm_rename.h"

#include "ui/lists/NameListModel.h"
#include "ui/lists/NameListView.h"
#include "ui/widgets/WaitCursor.h"
#include "verify/RunTexts.h"
#include "verify/UsersSaved.h"
#include "wayback/WayBackCheck.h"
#include "write/MapkeyFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

// The folder as it is now, against the pairs as the lists hold them.
void frm_rename::cmd_laufPruefen_Click()
{
    // A parent saved over its own file leaves the folder's time as it was:
    // the use is looked at again all the same, one not saved still naming
    // an old name.
    const bool usersRead = readCheckFolderAgain();
    lbl_status->setText(m_checkFolder.statusText());
    const FolderObjects *folder = m_checkFolder.objects();
    const QStringList &oldNames = list_OldName->entries();
    const QStringList &newNames = list_NewName->entries();
    if (!folder || oldNames.size() != newNames.size())
        return;
    if (!usersRead)
        m_users.read(lbl_status);
    {
        const WaitCursor busy;
        m_run = RunCheck::check(oldNames, newNames, *folder);
        UsersSaved::add(*m_run, UsersSaved::check(oldNames, newNames, *m_run, m_users.use()));
    }
    const QList<RunCheck::RowMark> marks = RunCheck::rowMarks(*m_run);
    list_OldName->nameModel()->setRunMarks(marks);
    list_NewName->nameModel()->setRunMarks(marks);
    showFindings(RunCheck::withoutFolderRules(pairFindings(), *m_run), &*m_run);
    updateRunCommands();
    Frame_gruppen->ensureWidgetVisible(cmd_rueckwegErledigte);
}

// One step, so that undo brings the whole lists back.
void frm_rename::cmd_offeneUebernehmen_Click()
{
    if (!m_run)
        return;
    const RunCheck::Pairs open = RunCheck::pairsIn(list_OldName->entries(), list_NewName->entries(), *m_run,
                                                   RunCheck::State::Open);
    if (open.rows.isEmpty()) {
        lbl_status->setText(RunTexts::noneOpen());
        return;
    }
    changeLists(QStringLiteral("Offene übernehmen"),
                {{list_OldName->nameModel(), open.oldNames}, {list_NewName->nameModel(), open.newNames}});
    lbl_status->setText(RunTexts::openKept(open.rows.size()));
}

// Into the check folder that "Lauf prüfen" read, where the run was: a
// change of that folder forgets the run. What only the way back finds on
// the rows that ran is asked about first, on the rows the lists show.
void frm_rename::cmd_rueckwegErledigte_Click()
{
    // The way back runs in the same version as the run it undoes: from the
    // template set in use, and not at all from one that no longer checks.
    if (!m_templates.stillUsable(this, lbl_status) || !m_run)
        return;
    const QStringList &oldNames = list_OldName->entries();
    const QStringList &newNames = list_NewName->entries();
    const RunCheck::Pairs done = RunCheck::pairsIn(oldNames, newNames, *m_run, RunCheck::State::Done);
    if (done.rows.isEmpty()) {
        lbl_status->setText(RunTexts::noneDone());
        return;
    }
    const QString question = RunTexts::wayBackQuestion(WayBackCheck::ownFindings(oldNames, newNames), *m_run);
    if (!question.isEmpty() && !askDespiteFindings(question)) {
        lbl_status->setText(QStringLiteral("Rückweg nicht geschrieben: abgebrochen"));
        return;
    }
    const WaitCursor busy;
    MapkeyFiles::Request request;
    request.folder = m_checkFolder.path();
    request.wayBack = MapkeyFiles::wayBack(done.oldNames, done.newNames, m_templates.set(),
                                           m_users.toTakeBack(done.oldNames, done.newNames));
    lbl_status->setText(MapkeyFiles::write(request).statusText());
}

void frm_rename::forgetRun()
{
    m_run.reset();
    list_OldName->nameModel()->setRunMarks({});
    list_NewName->nameModel()->setRunMarks({});
    updateRunCommands();
}

void frm_rename::updateRunCommands()
{
    cmd_laufPruefen->setEnabled(m_checkFolder.isSet() && list_OldName->count() == list_NewName->count());
    cmd_offeneUebernehmen->setEnabled(m_run.has_value());
    cmd_rueckwegErledigte->setEnabled(m_run.has_value());
}
