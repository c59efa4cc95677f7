#pragma once

// The main window. Its controls hold all state while the program runs: the
// two name lists, the rule's fields, the output text txt_OUT, the folder
// chooser Frame5 (FolderChooser) and the status line; beside them, the
// check folder as last read (CheckFolder). Each handler reads controls,
// calls the core (MapkeyGenerator for rename.pro, MapkeyFiles to write it
// and its way back,
// ReplacementRule, NameListOps, ListFile, TwoColumns and PairsFile for the
// lists, NameCheck and ChainOrder for the pairs, FolderReader and
// FolderCheck for the working folder, RunCheck for what a run in
// Pro/ENGINEER left there, Module1 for names and paths) and puts
// the results back into controls. Every change of a list is one step of
// the window's undo history; the name check follows every change of either
// list. Platform supplies drives, the settings store, the folder of the
// list files, file and folder questions and the desktop; frm_Info is the
// Info window, frm_Ordner the dialog "Ordner einlesen", WindowTemplates the
// template set the mapkeys are built from and its dialog frm_Vorlage,
// frm_Regeln the dialog that derives new names by a list of steps
// (RuleList).

#include "check/NameCheck.h"
#include "folder/CheckFolder.h"
#include "ui/lists/ListEditCommand.h"
#include "ui/templates/WindowTemplates.h"
#include "ui/usage/WindowUsers.h"
#include "verify/RunCheck.h"
#include "wayback/PairCheck.h"
#include "wayback/WritePlan.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class FolderChooser;
class ImageButton;
class ListHistory;
class NameListView;
class OneLineEdit;
class OutputTextEdit;
class Platform;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class frm_Info;
class frm_Ordner;
class frm_Regeln;

class frm_rename : public QWidget
{
    Q_OBJECT

public:
    explicit frm_rename(const Platform &platform, QWidget *parent = nullptr);
    ~frm_rename() override;

    // Outer size in twips, frame and title bar included.
    double outerWidthTwips() const;
    double outerHeightTwips() const;
    void setOuterWidthTwips(double twips);
    void setOuterHeightTwips(double twips);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createContextMenu();
    void createRuleFrame();
    void createGroupColumn();
    void createPairsFrame(QWidget *column);
    void createFolderFrame(QWidget *column);
    void createKeyboardCommands();
    void connectHandlers();
    void connectListHandlers(NameListView *list);

    void applyStartSize();
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void cmd_info_Click();
    void cmd_mapkeyNow_Click();
    void cmd_openmFile_Click();
    void txt_OUT_DblClick();
    void cmd_okfiles_Click();
    void img_quit_Click();
    void img_EXIT_Click();
    void Image_EXIT_Click();
    void imgOpen_Click();
    void imgclose_Click();
    void list_OldName_MouseDown(Qt::MouseButton button);
    void list_OldName_Click();
    void list_OldName_MenuKey();
    void list_NewName_MouseDown(Qt::MouseButton button);
    void list_NewName_Click();
    void list_NewName_MenuKey();
    void cmd_hinzu_Click();
    void cmd_del_Click();
    void cmd_paarLoeschen_Click();
    void clear_Click();
    void save_Click();
    void open_Click();
    void paste_Click();
    void cmd_action_Click();
    void cmd_regeln_Click();
    void frm_Regeln_Accepted(const frm_Regeln &dialog);
    void cmd_tabelle_Click();
    void cmd_paareOeffnen_Click();
    void cmd_paareSpeichern_Click();
    void cmd_ordnen_Click();
    void cmd_unveraendert_Click();
    void Text1_ReturnPressed();
    void FolderChooser_Status(const QString &text);
    void chk_rueckweg_Click(bool checked);
    void LineBreakRefused();
    void cmd_zeichnungen_Click();
    void cmd_ordnerEinlesen_Click();
    void frm_Ordner_Accepted(const frm_Ordner &dialog);
    void cmd_pruefordner_Click();
    void cmd_ohnePruefordner_Click();
    void cmd_laufPruefen_Click();
    void cmd_offeneUebernehmen_Click();
    void cmd_rueckwegErledigte_Click();
    void cmd_verwendung_Click();
    void cmd_vorlage_Click();

    // The list commands on a given list, for the keyboard and for drops.
    void deleteMarked(NameListView *list);
    void deletePair(NameListView *list);
    void pasteInto(NameListView *list, const QString &text);
    void openListFile(NameListView *list, const QString &path);
    void moveMarked(NameListView *list, int by);
    void editEntry(NameListView *list, int row, const QString &text);
    void openPairsFile(const QString &path);
    // One undo step; nothing when no list would change.
    void changeLists(const QString &command, QList<ListEditCommand::Change> changes);
    void changeList(const QString &command, NameListView *list, const QStringList &after);
    // The same for a list built afresh, which keeps no mark.
    void rebuildList(const QString &command, NameListView *list, const QStringList &after);
    void updateCheck();
    void showFindings(const QList<NameCheck::Finding> &findings, const RunCheck::Result *run = nullptr);
    void showCheckLine(const QString &text);
    // The check after a run stands until the lists or the check folder
    // change; the commands on its result only while it does.
    void forgetRun();
    void updateRunCommands();
    // The check folder: restored at start and read when the check first
    // needs it, set (an empty path clears it) and remembered, read again
    // before writing when it has changed. Each read the user asked for
    // that fails says so in the status line.
    void restoreCheckFolder();
    void readRememberedCheckFolder();
    void setCheckFolder(const QString &path);
    void rememberCheckFolder();
    bool readCheckFolderAgain();
    void readCheckFolder(const QString &path);
    QList<NameCheck::Finding> pairFindings() const;
    bool confirmDespiteFindings();
    bool askDespiteFindings(const QString &question);

    void clean(const QStringList &normalisedOldNames);
    void showOutput(QByteArray fileBytes, const QStringList &oldNames, const QStringList &newNames);
    WritePlan::Plan writePlan() const;
    void fileout();
    void unloadAll();
    void openWrittenFile();
    void listMouseDown(Qt::MouseButton button, QRadioButton *option);
    NameListView *currentList() const;
    QString currentListFile() const;
    void appendToList(NameListView *list, const QString &command, QStringList lines);

    const Platform &m_platform;
    bool m_unloaded = false;
    bool m_shownOnce = false;
    QPointer<frm_Info> m_info;
    ListHistory *m_history = nullptr;
    CheckFolder m_checkFolder;
    // The check folder's use and the users the run takes along.
    WindowUsers m_users{m_platform, m_checkFolder};
    mutable PairCheck m_pairCheck;
    // The check after a run, while its marks show.
    std::optional<RunCheck::Result> m_run;
    // The template set in use.
    WindowTemplates m_templates{m_platform};
    // The pairs the output was built from, for the way back (none after a
    // refused generation), and whether the question before building named
    // the way back's own findings.
    struct Built {
        bool built = false;
        QStringList oldNames;
        QStringList newNames;
        bool wayBackAsked = false;
        TemplateSet templates = TemplateSet::builtIn();
        QStringList users;
    } m_built;

    QPushButton *cmd_info = nullptr;
    QPushButton *cmd_openmFile = nullptr;
    FolderChooser *Frame5 = nullptr;
    OutputTextEdit *txt_OUT = nullptr;
    QPushButton *cmd_mapkeyNow = nullptr;
    QFrame *kontextmenue = nullptr;
    QPushButton *paste = nullptr;
    QPushButton *cmd_del = nullptr;
    QPushButton *cmd_paarLoeschen = nullptr;
    QLabel *Label5 = nullptr;
    OneLineEdit *Text1 = nullptr;
    QPushButton *cmd_hinzu = nullptr;
    QPushButton *clear = nullptr;
    QPushButton *open = nullptr;
    ImageButton *save = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    ImageButton *Image_EXIT = nullptr;
    NameListView *list_OldName = nullptr;
    NameListView *list_NewName = nullptr;
    QLabel *lbl_pruefung = nullptr;
    QGroupBox *Frame_paare = nullptr;
    QPushButton *cmd_tabelle = nullptr;
    QPushButton *cmd_paareOeffnen = nullptr;
    QPushButton *cmd_paareSpeichern = nullptr;
    QPushButton *cmd_ordnen = nullptr;
    QPushButton *cmd_zeichnungen = nullptr;
    QPushButton *cmd_unveraendert = nullptr;
    QGroupBox *Frame_ordner = nullptr;
    QPushButton *cmd_ordnerEinlesen = nullptr;
    QPushButton *cmd_pruefordner = nullptr;
    QPushButton *cmd_ohnePruefordner = nullptr;
    QPushButton *cmd_laufPruefen = nullptr;
    QPushButton *cmd_offeneUebernehmen = nullptr;
    QPushButton *cmd_rueckwegErledigte = nullptr;
    QPushButton *cmd_vorlage = nullptr;
    QScrollArea *Frame_gruppen = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    OneLineEdit *txt_rename = nullptr;
    OneLineEdit *txt_renameNEU = nullptr;
    QPushButton *cmd_action = nullptr;
    QPushButton *cmd_regeln = nullptr;
    QLabel *Label1_2 = nullptr;
    QLabel *Label1_3 = nullptr;
    QLabel *Label7 = nullptr;
    ImageButton *imgOpen = nullptr;
    ImageButton *imgclose = nullptr;
    ImageButton *img_EXIT = nullptr;
    QLabel *lbl_status = nullptr;
};
