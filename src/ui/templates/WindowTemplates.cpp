#include "ui/templates/WindowTemplates.h"

#include "templates/TemplateTexts.h"
#include "ui/SettingsKeys.h"
#include "ui/platform/Platform.h"
#include "ui/templates/frm_Vorlage.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/WaitCursor.h"

#include <QLabel>
#include <QMessageBox>
#include <QSettings>

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

void WindowTemplates::restore()
{
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    RecordedTemplates::Choice choice;
    for (const auto &[key, part] : kRemembered)
        choice.*part = settings->value(key, choice.*part).toString();
    m_templateChoice = choice;
    const WaitCursor busy;
    m_templates = RecordedTemplates::load(choice);
}

void WindowTemplates::choose(QWidget *parent, QLabel *status, const QString &oldName, const QString &newName)
{
    auto *dialog = new frm_Vorlage(m_platform, m_templateChoice, oldName, newName, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, status] { frm_Vorlage_Accepted(*dialog, status); });
    dialog->open();
}

void WindowTemplates::frm_Vorlage_Accepted(const frm_Vorlage &dialog, QLabel *status)
{
    m_templateChoice = dialog.choice();
    m_templates = dialog.checked();
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    for (const auto &[key, part] : kRemembered)
        settings->setValue(key, m_templateChoice.*part);
    status->setText(TemplateTexts::chosen(m_templateChoice));
    emit checkChanged();
}

bool WindowTemplates::stillUsable(QWidget *parent, QLabel *status)
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
        emit checkChanged();
    if (m_templates.usable())
        return true;
    status->setText(TemplateTexts::refusedStatus(m_templateChoice.file));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmorant"),
                    ShownText::withShortLines(
                        TemplateTexts::refused(m_templateChoice.file, m_templates.findingLines())),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

// No one writes a file for another version unknowingly.
QString WindowTemplates::checkLine(const QString &line) const
{
    if (m_templateChoice.isBuiltIn())
        return line;
    return TemplateTexts::inUse(m_templateChoice.file, m_templates.usable()) + QStringLiteral("; ") + line;
}
