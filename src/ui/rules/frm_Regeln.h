#pragma once

#include "rules/RuleStep.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class NameListView;
class OneLineEdit;
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;
class QSpinBox;
class RulePreviewModel;

// The dialog "Regeln": an ordered list of steps that derive the new names
// from the old ones (add, remove, move, switch a step off), the fields of
// the step chosen, and a live preview of every pair, old → new, marked
// with the name check's findings. The list is remembered and can be saved
// to and opened from a rule file. "Übernehmen" accepts; the window then
// takes the new names of steps() into its right-hand list.
class frm_Regeln : public QDialog
{
    Q_OBJECT

public:
    frm_Regeln(const Platform &platform, const QStringList &oldNames, QWidget *parent);

    const QList<RuleStep> &steps() const { return m_steps; }
    RulePreviewModel *preview() const { return m_preview; }

    QListWidget *lst_schritte = nullptr;
    QComboBox *cbo_neueArt = nullptr;
    QPushButton *cmd_hinzufuegen = nullptr;
    QPushButton *cmd_entfernen = nullptr;
    QPushButton *cmd_hoch = nullptr;
    QPushButton *cmd_runter = nullptr;
    QLabel *lbl_text = nullptr;
    OneLineEdit *txt_text = nullptr;
    QLabel *lbl_ersatz = nullptr;
    OneLineEdit *txt_ersatz = nullptr;
    QLabel *lbl_wahl = nullptr;
    QComboBox *cbo_wahl = nullptr;
    QCheckBox *chk_grossKlein = nullptr;
    QLabel *lbl_zahl = nullptr;
    QSpinBox *spn_zahl = nullptr;
    QLabel *lbl_schritt = nullptr;
    QSpinBox *spn_schritt = nullptr;
    QLabel *lbl_problem = nullptr;
    QListView *list_vorschau = nullptr;
    QLabel *lbl_meldung = nullptr;
    QPushButton *cmd_oeffnen = nullptr;
    QPushButton *cmd_speichern = nullptr;
    QPushButton *cmd_uebernehmen = nullptr;
    QPushButton *cmd_schliessen = nullptr;

protected:
    void done(int result) override;

private:
    void createControls();
    QLayout *createEditor();
    void connectHandlers();
    void cmd_hinzufuegen_Click();
    void cmd_entfernen_Click();
    void move(int by);
    void lst_schritte_CurrentRowChanged(int row);
    void lst_schritte_ItemChanged();
    void field_Change();
    void cmd_oeffnen_Click();
    void cmd_speichern_Click();
    void preview_Refreshed();

    // The list and the fields show m_steps, the preview follows.
    void showSteps(int current);
    void showStep(int row);
    void showProblem();
    void stepsChanged();

    const Platform &m_platform;
    QList<RuleStep> m_steps;
    RulePreviewModel *m_preview = nullptr;
    // While the fields are filled from a step, their signals change nothing.
    bool m_filling = false;
    QString m_told;
};
