// Generation and writing: the mapkeys built from the two lists, the output
// folder confirmed, rename.pro and its way back written.
#include "ui/frm_rename.h"

#include "generator/MapkeyGenerator.h"
#include "generator/RenameProWriter.h"
#include "ui/SettingsKeys.h"
#include "ui/chooser/FolderChooser.h"
#include "ui/lists/NameListView.h"
#include "ui/output/OutputTextEdit.h"
#include "ui/platform/Platform.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/WaitCursor.h"
#include "wayback/EarlierWayBack.h"
#include "wayback/WayBack.h"
#include "wayback/WayBackCheck.h"
#include "wayback/WritePlan.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

void frm_rename::cmd_mapkeyNow_Click()
{
    m_platform.openSettings()->setValue(SettingsKeys::kRuleKey, txt_rename->text());
    // A set that no longer checks builds nothing, and the lists stay as
    // they are.
    if (!templatesStillUsable())
        return;
    const QStringList oldNames = list_OldName->entries();
    const QStringList newNames = list_NewName->entries();
    // The old names are normalised whatever follows; the name check asks
    // its question before anything is built.
    clean(MapkeyGenerator::clean(oldNames));
    const bool countsMatch = oldNames.size() == newNames.size();
    if (countsMatch && !confirmDespiteFindings())
        return;
    // The way back follows what is built now, whatever the lists hold at
    // "OK"; a refused generation forgets the pairs built before it.
    m_built = countsMatch ? Built{true,
                                  oldNames,
                                  newNames,
                                  Frame5->chk_rueckweg->isChecked(),
                                  *m_templates.set,
                                  usersToTake(oldNames, newNames)}
                          : Built{};
    cmd_openmFile->hide();
    if (!countsMatch) {
        txt_OUT->clearOutput();
        // Old names without new ones are a step not yet taken rather than a
        // mismatch: no message box, but the status line says what is missing.
        if (newNames.isEmpty()) {
            lbl_status->setText(QStringLiteral("Achtung: Die Liste der neuen Namen ist leer"));
        } else {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmorant"),
                            QStringLiteral("Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !"),
                            QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
        }
        return;
    }
    {
        const WaitCursor busy;
        MapkeyGenerator::EncodedGeneration g = MapkeyGenerator::generateFile(oldNames, newNames, m_built.templates,
                                                                             m_built.users);
        showOutput(std::move(g.fileBytes), oldNames, newNames);
    }
    Frame5->showChooser();
    cmd_openmFile->show();
    // The keyboard goes on where the folder is chosen; Tab leads from
    // there to "OK".
    Frame5->txt_path->setFocus(Qt::OtherFocusReason);
}

// The field takes the file's bytes, which "OK" then writes as they are
// unless the user edits the text; it shows their text once it is seen. A
// name that Windows-1252 cannot hold leaves no bytes: the field then shows
// the text, and "OK" reports the name.
void frm_rename::showOutput(QByteArray fileBytes, const QStringList &oldNames, const QStringList &newNames)
{
    if (fileBytes.isEmpty())
        txt_OUT->setOutputText(MapkeyGenerator::generate(oldNames, newNames, m_built.templates, m_built.users).text);
    else
        txt_OUT->setOutputBytes(std::move(fileBytes));
}

void frm_rename::clean(const QStringList &normalisedOldNames)
{
    rebuildList(QStringLiteral("alte Namen bereinigen"), list_OldName, normalisedOldNames);
}

// Writes only where the folder field points, and only when that folder is
// there; a refusal leaves the chooser as the user left it. So does
// "Abbrechen" at the question about the way back's own findings, which
// comes before anything is written when the box was ticked after the
// generation.
void frm_rename::cmd_okfiles_Click()
{
    if (!Frame5->confirm())
        return;
    const WritePlan::Plan plan = writePlan();
    if (!plan.refusal.isEmpty()) {
        lbl_status->setText(plan.refusal);
        return;
    }
    if (plan.askFirst) {
        const QList<NameCheck::Finding> own = WayBackCheck::ownFindings(m_built.oldNames, m_built.newNames);
        if (!own.isEmpty() && !askDespiteFindings(WayBackCheck::questionText(own))) {
            lbl_status->setText(WritePlan::cancelled());
            return;
        }
        m_built.wayBackAsked = true;
    }
    Frame5->hide();
    kontextmenue->hide();
    fileout();
}

WritePlan::Plan frm_rename::writePlan() const
{
    return WritePlan::forOk(!txt_OUT->holdsOutput(), m_built.built, Frame5->chk_rueckweg->isChecked(),
                            m_built.wayBackAsked);
}

// Writes what txt_OUT holds: the generated bytes while the text is as it
// was shown, otherwise the field's text. The field keeps its lines apart
// with U+2029 and U+2028; its raw text, unlike its plain text, leaves a
// no-break space in a name alone. Every line end goes back to CR LF. An
// earlier rename_zurueck.pro in the folder is kept under its date right
// before rename.pro is replaced; when it cannot be, nothing is written.
void frm_rename::fileout()
{
    const WaitCursor busy;
    const WritePlan::Plan plan = writePlan();
    const QString folder = Frame5->txt_path->text();
    EarlierWayBack::Kept kept;
    const RenameProWriter::BeforeReplacing keep = EarlierWayBack::keeping(folder, kept);
    const QByteArray &generated = txt_OUT->unchangedFileBytes();
    const WriteReport report = !generated.isEmpty()
        ? RenameProWriter::writeBytes(folder, generated, keep)
        : RenameProWriter::write(folder, RenameProWriter::withCrLf(txt_OUT->document()->toRawText()), keep);
    QStringList status{report.toldText()};
    if (report.ok && plan.wayBack)
        status << fileoutWayBack(folder);
    else if (report.ok && !plan.noWayBack.isEmpty())
        status << plan.noWayBack;
    if (!kept.keptAs.isEmpty())
        status << EarlierWayBack::keptText(kept);
    lbl_status->setText(status.join(QStringLiteral("; ")));
}

// rename_zurueck.pro beside the rename.pro just written, made from the pairs
// of the generation rather than from the output field: it undoes what the
// lists asked for. Returns what the status line says of it.
QString frm_rename::fileoutWayBack(const QString &folder)
{
    // An earlier way back was kept before rename.pro was written; one that
    // turned up since is kept all the same.
    EarlierWayBack::Kept kept;
    const WriteReport report = WayBack::write(folder, m_built.oldNames, m_built.newNames,
                                              EarlierWayBack::keeping(folder, kept), m_built.templates, m_built.users)
                                   .report;
    const QString keptToo = kept.keptAs.isEmpty() ? QString() : QStringLiteral("; ") + EarlierWayBack::keptText(kept);
    if (report.ok)
        return QStringLiteral("Rückweg: ") + WayBack::kFileName + keptToo;
    return QStringLiteral("Rückweg nicht geschrieben: ") + (report.reason.isEmpty() ? report.statusText : report.reason)
        + keptToo;
}

void frm_rename::img_quit_Click()
{
    Frame5->hide();
    txt_OUT->clearOutput();
    m_built = {};
}

void frm_rename::FolderChooser_Status(const QString &text)
{
    lbl_status->setText(text);
}
