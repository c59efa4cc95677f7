#pragma once

#include "templates/RecordedTemplates.h"

#include <QObject>
#include <QString>

class Platform;
class QLabel;
class QWidget;
class frm_Vorlage;

// The window's side of the template set the mapkeys are built from: the
// choice remembered in the settings, the set it gives as last checked,
// and the dialog "Vorlage" that changes it. The checks are
// RecordedTemplates'; this only holds the choice and says what follows.
class WindowTemplates : public QObject
{
    Q_OBJECT

public:
    explicit WindowTemplates(const Platform &platform)
        : m_platform(platform)
    {
    }

    // The remembered choice, read at start. A set that no longer checks
    // stays the one chosen: the check line says so, and generation refuses
    // until the user chooses again.
    void restore();
    // The dialog "Vorlage" over `parent`, its preview the pair `oldName` to
    // `newName`; an accepted choice is remembered and named in `status`.
    void choose(QWidget *parent, QLabel *status, const QString &oldName, const QString &newName);
    // Checked again before each generation (the file may have changed or
    // gone); one that no longer checks is refused in `status` and in a
    // message over `parent`.
    bool stillUsable(QWidget *parent, QLabel *status);
    // The set to build from; only meaningful while it is usable.
    const TemplateSet &set() const { return *m_templates.set; }
    // The check line with the recorded set in use named first.
    QString checkLine(const QString &line) const;

signals:
    // The set chosen, or whether it is usable, changed: the check line
    // names both.
    void checkChanged();

private:
    // Remembered at once, like the check folder.
    void frm_Vorlage_Accepted(const frm_Vorlage &dialog, QLabel *status);

    const Platform &m_platform;
    RecordedTemplates::Choice m_templateChoice;
    RecordedTemplates::Checked m_templates;
};
