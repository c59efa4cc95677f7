// The template set the mapkeys are built from: the built-in one, or three
// mapkeys the user recorded in their own version of Pro/ENGINEER.
#include "ui/frm_rename.h"

#include "common/Module1.h"
#include "templates/TemplateTexts.h"
#include "ui/SettingsKeys.h"
#include "ui/lists/NameListView.h"
#include "ui/platform/Platform.h"
#include "ui/templates/frm_Vorlage.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/WaitCursor.h"

#include <QLabel>
#include <QMessageBox>

#include <utility>

namespace {

// Each part of the choice under its settings key, read and written alike.
const std::pair<const QString &, QString RecordedTemplates::Choice::*> kRemembered[] = {
    {SettingsKeys::kTemplateFileKey, &RecordedTemplates::Choice::file},
    {SettingsKeys::kTemplateRenameKey, &RecordedTemplates::Choice::renameKey},
    {SettingsKeys::kTemplateSaveKey, &RecordedTemplates::Choice::saveKey},
    {SettingsKeys::kTemplateOpenKey, &RecordedTemplates::Choice::openKey},
    {SettingsKeys::kTemplateOldSampleKey, &RecordedTemplates::Choice::oldSample},
    {SettingsKeys::kTemplateNewSampleKey, &RecordedTemplates::Choice::newSample},
};

} // namespace

void frm_rename::cmd_vorlage_Click()
{
    // The first pair of the lists as they would be built, or a sample pair.
    const bool pairs = list_OldName->count() > 0 && list_NewName->count() > 0;
    const QString oldName = pairs ? Module1::NormalisedName(list_OldName->entries().first())
                                  : QStringLiteral("beispiel.prt");
    const QString newName = pairs ? list_NewName->entries().first() : QStringLiteral("beispiel_neu.prt");
    auto *dialog = new frm_Vorlage(m_platform, m_templateChoice, oldName, newName, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { frm_Vorlage_Accepted(*dialog); });
    dialog->open();
}

// Remembered at once, like the check folder.
void frm_rename::frm_Vorlage_Accepted(const frm_Vorlage &dialog)
{
    m_templateChoice = dialog.choice();
    m_templates = dialog.checked();
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    for (const auto &[key, part] : kRemembered)
        settings->setValue(key, m_templateChoice.*part);
    lbl_status->setText(TemplateTexts::chosen(m_templateChoice));
    updateCheck();
}

// A set that no longer checks stays the one chosen: the check line says
// so, and generation refuses until the user chooses again.
void frm_rename::restoreTemplates()
{
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    RecordedTemplates::Choice choice;
    for (const auto &[key, part] : kRemembered)
        choice.*part = settings->value(key, choice.*part).toString();
    m_templateChoice = choice;
    const WaitCursor busy;
    m_templates = RecordedTemplates::load(choice);
}

bool frm_rename::templatesStillUsable()
{
    if (m_templateChoice.isBuiltIn())
        return true;
    const bool wasUsable = m_templates.usable();
    {
        const WaitCursor busy;
        m_templates = RecordedTemplates::load(m_templateChoice);
    }
    // The check line names the set and whether it is usable; it is redone
    // only when that changed, which would take a run's marks along.
    if (m_templates.usable() != wasUsable)
        updateCheck();
    if (m_templates.usable())
        return true;
    lbl_status->setText(TemplateTexts::refusedStatus(m_templateChoice.file));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmorant"),
                    ShownText::withShortLines(
                        TemplateTexts::refused(m_templateChoice.file, m_templates.findingLines())),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}
