#pragma once

// The main window. Its controls hold all state while the program runs: the
// two name lists, the rule's fields, the output text txt_OUT, the folder
// chooser Frame5 (FolderChooser) and the status line. Each handler reads
// controls, calls the core (MapkeyGenerator and RenameProWriter for
// rename.pro, ReplacementRule, NameListOps and ListFile for the lists,
// Module1 for names and paths) and puts the results back into controls.
// Platform supplies drives, the settings store, the folder of the list
// files and the desktop; frm_Info is the Info window.

#include <QPointer>
#include <QWidget>

class FolderChooser;
class ImageButton;
class NameListWidget;
class Platform;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class frm_Info;

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

private:
    void createControls();
    void createContextMenu();
    void createRuleFrame();
    void connectHandlers();

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
    void list_NewName_MouseDown(Qt::MouseButton button);
    void list_NewName_Click();
    void cmd_hinzu_Click();
    void cmd_del_Click();
    void clear_Click();
    void save_Click();
    void open_Click();
    void paste_Click();
    void cmd_action_Click();
    void FolderChooser_Status(const QString &text);

    void clean(const QStringList &normalisedOldNames);
    void fileout();
    void unloadAll();
    void openWrittenFile();
    void listMouseDown(Qt::MouseButton button, QRadioButton *option);
    NameListWidget *currentList() const;
    QString currentListFile() const;
    void appendToCurrentList(QStringList lines);

    const Platform &m_platform;
    bool m_unloaded = false;
    bool m_shownOnce = false;
    QPointer<frm_Info> m_info;

    QPushButton *cmd_info = nullptr;
    QPushButton *cmd_openmFile = nullptr;
    FolderChooser *Frame5 = nullptr;
    QPlainTextEdit *txt_OUT = nullptr;
    QPushButton *cmd_mapkeyNow = nullptr;
    QFrame *kontextmenue = nullptr;
    QPushButton *paste = nullptr;
    QPushButton *cmd_del = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *cmd_hinzu = nullptr;
    QPushButton *clear = nullptr;
    QPushButton *open = nullptr;
    ImageButton *save = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    ImageButton *Image_EXIT = nullptr;
    NameListWidget *list_OldName = nullptr;
    NameListWidget *list_NewName = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *txt_rename = nullptr;
    QLineEdit *txt_renameNEU = nullptr;
    QPushButton *cmd_action = nullptr;
    QLabel *Label1_2 = nullptr;
    QLabel *Label1_3 = nullptr;
    QLabel *Label7 = nullptr;
    ImageButton *imgOpen = nullptr;
    ImageButton *imgclose = nullptr;
    ImageButton *img_EXIT = nullptr;
    QLabel *lbl_status = nullptr;
};
