#include "ui/usage/WindowUsers.h"

#include "check/UsersToTake.h"
#include "folder/CheckFolder.h"
#include "ui/SettingsKeys.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Twips.h"
#include "ui/usage/frm_Verwendung.h"
#include "ui/workingfolder/ReadProgress.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSettings>

void WindowUsers::createControls(QWidget *group)
{
    chk_Verwender = Twips::place(new QCheckBox(QStringLiteral("Verwender &mitnehmen"), group), "chk_Verwender", 105,
                                 1980, 2745, 285);
    chk_Verwender->setToolTip(QStringLiteral("Baugruppen und Zeichnungen des Prüfordners, die einen alten Namen "
                                             "verwenden, vor dem Umbenennen öffnen und danach speichern"));
    chk_Verwender->setChecked(m_platform.openSettings()->value(SettingsKeys::kUsersKey, true).toBool());
    connect(chk_Verwender, &QCheckBox::clicked, this, &WindowUsers::chk_Verwender_Click);
    cmd_verwendung = Twips::place(new QPushButton(QStringLiteral("Ver&wendung …"), group), "cmd_verwendung", 105, 2325,
                                  2745, 285);
    cmd_verwendung->setToolTip(QStringLiteral("Zeigt, wer im Prüfordner die alten Namen verwendet"));
}

void WindowUsers::chk_Verwender_Click(bool checked)
{
    m_platform.openSettings()->setValue(SettingsKeys::kUsersKey, checked);
    emit takingChanged();
}

void WindowUsers::read(QLabel *label)
{
    ++m_version;
    if (!m_folder.objects()) {
        m_usage = {};
        m_index = {};
        return;
    }
    {
        ReadProgress progress(label);
        const FolderSnapshot::Progress seen = progress.callback();
        m_usage.refresh(m_folder.path(), [&seen](qsizetype done, qsizetype) { seen(done); });
    }
    m_index = UseIndex(m_usage.objects());
}

bool WindowUsers::taking() const
{
    return chk_Verwender->isChecked() && m_folder.objects();
}

const UseIndex *WindowUsers::usersLeft() const
{
    return chk_Verwender->isChecked() ? nullptr : &m_index;
}

QStringList WindowUsers::toTake(const QStringList &oldNames, const QStringList &newNames) const
{
    return taking() ? UsersToTake::choose(oldNames, newNames, m_index) : QStringList();
}

QStringList WindowUsers::toTakeBack(const QStringList &oldNames, const QStringList &newNames) const
{
    return taking() ? UsersToTake::chooseBack(oldNames, newNames, m_index) : QStringList();
}

QString WindowUsers::checkLine(const QString &line, const QStringList &oldNames, const QStringList &newNames) const
{
    if (!m_folder.objects())
        return line;
    const QString note = UsersToTake::note(m_index, taking(), toTake(oldNames, newNames).size());
    return note.isEmpty() ? line : line + QStringLiteral("; ") + note;
}

QList<NameCheck::RowMark> WindowUsers::withUsers(QList<NameCheck::RowMark> marks, const QStringList &oldNames) const
{
    if (m_folder.objects())
        UsersToTake::addUsedBy(marks, oldNames, m_index);
    return marks;
}

void WindowUsers::showOverview(QWidget *parent, const QStringList &oldNames, const QStringList &newNames) const
{
    const QStringList lines = m_folder.objects()
        ? UsersToTake::overview(oldNames, newNames, m_index)
        : QStringList{m_folder.isSet() ? m_folder.statusText()
                                       : QStringLiteral("Die Verwendung braucht einen Prüfordner (Prüfordner …)")};
    auto *dialog = new frm_Verwendung(QDir::toNativeSeparators(m_folder.path()), lines, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
