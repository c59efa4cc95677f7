#pragma once

#include "templates/RecordedTemplates.h"
#include "templates/Recording.h"

#include <QDialog>

class OneLineEdit;
class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

// The dialog "Vorlage": which template set the mapkeys are built from. It
// shows the set in use, opens a recording (a configuration file), lets the
// user say which of its mapkeys plays which role and which sample names
// were typed, and shows the set's findings and the rename mapkey of a pair
// as it would be built, the two names marked. "Verwenden" reads the file
// again and takes the set only when it checks; "Eingebaute verwenden"
// takes the built-in set; "Eingebaute Vorlage speichern …" writes the
// built-in set out as a recording to start from.
class frm_Vorlage : public QDialog
{
    Q_OBJECT

public:
    // `inUse`: the set the window builds from now; the preview shows the
    // pair `previewOld` to `previewNew`.
    frm_Vorlage(const Platform &platform, const RecordedTemplates::Choice &inUse, const QString &previewOld,
                const QString &previewNew, QWidget *parent);

    // After acceptance: the set chosen, and its check.
    const RecordedTemplates::Choice &choice() const { return m_choice; }
    const RecordedTemplates::Checked &checked() const { return m_checked; }

    QLabel *lbl_verwendet = nullptr;
    QLineEdit *txt_datei = nullptr;
    QPushButton *cmd_aufzeichnung = nullptr;
    QComboBox *cbo_umbenennen = nullptr;
    QComboBox *cbo_speichern = nullptr;
    QComboBox *cbo_oeffnen = nullptr;
    OneLineEdit *txt_beispielAlt = nullptr;
    OneLineEdit *txt_beispielNeu = nullptr;
    QPlainTextEdit *txt_befunde = nullptr;
    QTextEdit *txt_vorschau = nullptr;
    QLabel *lbl_meldung = nullptr;
    QPushButton *cmd_verwenden = nullptr;
    QPushButton *cmd_eingebaute = nullptr;
    QPushButton *cmd_speichern = nullptr;
    QPushButton *cmd_schliessen = nullptr;

private:
    void createControls();
    void cmd_aufzeichnung_Click();
    void choice_Change();
    void cmd_verwenden_Click();
    void cmd_eingebaute_Click();
    void cmd_speichern_Click();

    // Reads the recording and offers its mapkeys, `keys` chosen where it
    // has them; how many mapkeys it has.
    qsizetype openRecording(const QString &path, const RecordedTemplates::Choice &keys);
    // The choice the controls show.
    RecordedTemplates::Choice shown() const;
    void showCheck();
    void showPreview(const TemplateSet &set);

    const Platform &m_platform;
    QString m_previewOld;
    QString m_previewNew;
    QString m_path;
    Recording::File m_file;
    RecordedTemplates::Checked m_shownCheck;
    RecordedTemplates::Choice m_choice;
    RecordedTemplates::Checked m_checked;
};
