#pragma once

#include "ui/chooser/FolderChoice.h"
#include "ui/platform/KindIconProvider.h"

#include <QGroupBox>

class ImageButton;
class Platform;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class OneLineEdit;
class QLabel;
class QPushButton;
class QTreeView;
class TreeWatcher;

// The output folder chooser "Dateiliste": a drive list, a folder tree and
// the folder field, kept in step by FolderChoice. Each of the three reacts
// to its own change, whether the user or the code made it; setting a
// control to the value it already holds raises nothing, which ends every
// chain. The tree reads its folders afresh whenever the chooser opens and
// watches them only while it is shown, reading a changed folder at most a
// few times a second; it knows files by their kind alone.
class FolderChooser : public QGroupBox
{
    Q_OBJECT

public:
    FolderChooser(const Platform &platform, QWidget *parent);

    // The folder tree's folder in native form: a root keeps its trailing
    // separator, any other folder has none.
    QString dirPath() const { return m_choice.treeFolder(); }
    // Moves the folder tree; raises its change when the folder differs.
    void setDirPath(const QString &path);

    // Shown after a generation: visible, in place, and the folder field and
    // the folder tree brought into line.
    void showChooser();

    // The working folder the pairs are checked against, offered for the
    // folder field; none without a check folder.
    void setCheckFolder(const QString &path);

    // "OK": true when the folder field names a folder to write into, which
    // the field then shows in the tree's form; otherwise the chooser stays
    // as it is and the status message says why.
    bool confirm();

    OneLineEdit *txt_path = nullptr;
    QComboBox *Drive1 = nullptr;
    QTreeView *Dir1 = nullptr;
    QPushButton *cmd_okfiles = nullptr;
    // Puts the check folder into the folder field: rename.pro belongs
    // where the objects are.
    QPushButton *cmd_Pruefordner = nullptr;
    // Whether "OK" writes the way back rename_zurueck.pro too.
    QCheckBox *chk_rueckweg = nullptr;
    QLabel *Label8 = nullptr;
    ImageButton *img_quit = nullptr;

signals:
    void statusMessage(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void readTree();
    void Dir1_DirectoryLoaded(const QString &folder);
    void TreeWatcher_FolderChanged(const QString &folder);
    void Dir1_Change();
    void txt_path_Change();
    void Drive1_Change();
    void cmd_Pruefordner_Click();
    void keepFolderInSight();
    void Dir1_RowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void apply(const FolderChoice::Reaction &reaction);

    KindIconProvider m_icons;
    QFileSystemModel *m_model = nullptr;
    TreeWatcher *m_watcher = nullptr;
    // Hidden since the tree read its folders: it reads them afresh when shown.
    bool m_readAfresh = true;
    FolderChoice m_choice;
    bool m_keepInSight = false;
    QString m_checkFolder;
};
