#include "ui/frm_rename.h"

#include "ui/SettingsKeys.h"

#include "common/Module1.h"
#include "generator/RenameProWriter.h"
#include "lists/NameListOps.h"
#include "ui/WindowLayout.h"
#include "ui/chooser/FolderChooser.h"
#include "ui/info/frm_Info.h"
#include "ui/lists/NameListView.h"
#include "ui/output/OutputTextEdit.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Twips.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/ShownText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolTip>

frm_rename::frm_rename(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    createControls();
    createKeyboardCommands();
    connectHandlers();
    setAcceptDrops(true);
    Form_Load();
    updateCheck();
}

frm_rename::~frm_rename()
{
    delete m_info;
}

void frm_rename::connectHandlers()
{
    connect(cmd_info, &QPushButton::clicked, this, &frm_rename::cmd_info_Click);
    connect(cmd_mapkeyNow, &QPushButton::clicked, this, &frm_rename::cmd_mapkeyNow_Click);
    connect(cmd_openmFile, &QPushButton::clicked, this, &frm_rename::cmd_openmFile_Click);
    connect(Frame5->cmd_okfiles, &QPushButton::clicked, this, &frm_rename::cmd_okfiles_Click);
    connect(Frame5->img_quit, &ImageButton::clicked, this, &frm_rename::img_quit_Click);
    connect(Frame5, &FolderChooser::statusMessage, this, &frm_rename::FolderChooser_Status);
    connect(Frame5->chk_rueckweg, &QCheckBox::clicked, this, &frm_rename::chk_rueckweg_Click);
    connect(img_EXIT, &ImageButton::clicked, this, &frm_rename::img_EXIT_Click);
    connect(Image_EXIT, &ImageButton::clicked, this, &frm_rename::Image_EXIT_Click);
    connect(imgOpen, &ImageButton::clicked, this, &frm_rename::imgOpen_Click);
    connect(imgclose, &ImageButton::clicked, this, &frm_rename::imgclose_Click);
    connect(list_OldName, &NameListView::MouseDown, this, &frm_rename::list_OldName_MouseDown);
    connect(list_OldName, &NameListView::Click, this, &frm_rename::list_OldName_Click);
    connect(list_OldName, &NameListView::MenuKey, this, &frm_rename::list_OldName_MenuKey);
    connect(list_NewName, &NameListView::MouseDown, this, &frm_rename::list_NewName_MouseDown);
    connect(list_NewName, &NameListView::Click, this, &frm_rename::list_NewName_Click);
    connect(list_NewName, &NameListView::MenuKey, this, &frm_rename::list_NewName_MenuKey);
    connectListHandlers(list_OldName);
    connectListHandlers(list_NewName);
    connect(cmd_hinzu, &QPushButton::clicked, this, &frm_rename::cmd_hinzu_Click);
    connect(cmd_del, &QPushButton::clicked, this, &frm_rename::cmd_del_Click);
    connect(cmd_paarLoeschen, &QPushButton::clicked, this, &frm_rename::cmd_paarLoeschen_Click);
    connect(clear, &QPushButton::clicked, this, &frm_rename::clear_Click);
    connect(save, &ImageButton::clicked, this, &frm_rename::save_Click);
    connect(open, &QPushButton::clicked, this, &frm_rename::open_Click);
    connect(paste, &QPushButton::clicked, this, &frm_rename::paste_Click);
    connect(cmd_action, &QPushButton::clicked, this, &frm_rename::cmd_action_Click);
    connect(cmd_regeln, &QPushButton::clicked, this, &frm_rename::cmd_regeln_Click);
    connect(cmd_tabelle, &QPushButton::clicked, this, &frm_rename::cmd_tabelle_Click);
    connect(cmd_paareOeffnen, &QPushButton::clicked, this, &frm_rename::cmd_paareOeffnen_Click);
    connect(cmd_paareSpeichern, &QPushButton::clicked, this, &frm_rename::cmd_paareSpeichern_Click);
    connect(cmd_ordnen, &QPushButton::clicked, this, &frm_rename::cmd_ordnen_Click);
    connect(cmd_unveraendert, &QPushButton::clicked, this, &frm_rename::cmd_unveraendert_Click);
    for (OneLineEdit *field : {Text1, txt_rename, txt_renameNEU})
        connect(field, &OneLineEdit::lineBreakRefused, this, &frm_rename::LineBreakRefused);
    connect(cmd_zeichnungen, &QPushButton::clicked, this, &frm_rename::cmd_zeichnungen_Click);
    connect(cmd_ordnerEinlesen, &QPushButton::clicked, this, &frm_rename::cmd_ordnerEinlesen_Click);
    connect(cmd_pruefordner, &QPushButton::clicked, this, &frm_rename::cmd_pruefordner_Click);
    connect(cmd_ohnePruefordner, &QPushButton::clicked, this, &frm_rename::cmd_ohnePruefordner_Click);
    connect(cmd_laufPruefen, &QPushButton::clicked, this, &frm_rename::cmd_laufPruefen_Click);
    connect(cmd_offeneUebernehmen, &QPushButton::clicked, this, &frm_rename::cmd_offeneUebernehmen_Click);
    connect(cmd_rueckwegErledigte, &QPushButton::clicked, this, &frm_rename::cmd_rueckwegErledigte_Click);
    connect(cmd_vorlage, &QPushButton::clicked, this, &frm_rename::cmd_vorlage_Click);
    connect(&m_templates, &WindowTemplates::checkChanged, this, &frm_rename::updateCheck);
    connect(&m_users, &WindowUsers::takingChanged, this, &frm_rename::updateCheck);
    connect(m_users.cmd_verwendung, &QPushButton::clicked, this, &frm_rename::cmd_verwendung_Click);
}

// --- size -----------------------------------------------------------------

double frm_rename::outerWidthTwips() const
{
    return Twips::fromPixels(frameGeometry().width());
}

double frm_rename::outerHeightTwips() const
{
    return Twips::fromPixels(frameGeometry().height());
}

void frm_rename::setOuterWidthTwips(double twips)
{
    resize(Twips::toPixels(twips) - (frameGeometry().width() - width()), height());
}

void frm_rename::setOuterHeightTwips(double twips)
{
    resize(width(), Twips::toPixels(twips) - (frameGeometry().height() - height()));
}

// --- start-up and shutdown ------------------------------------------------

void frm_rename::applyStartSize()
{
    setOuterHeightTwips(WindowLayout::kStartHeight);
    setOuterWidthTwips(WindowLayout::kNarrowWidth);
}

void frm_rename::Form_Load()
{
    applyStartSize();
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    txt_rename->setText(settings->value(SettingsKeys::kRuleKey, QStringLiteral("OldName123")).toString());
    txt_renameNEU->setText(settings->value(SettingsKeys::kReplacementKey, QStringLiteral("NewName123")).toString());
    // A restored folder other than the design text moves the folder tree
    // through the folder field's own reaction. Never chosen yet, the output
    // folder is the working folder, where rename.pro belongs.
    restoreCheckFolder();
    const QString firstFolder = m_checkFolder.isSet() ? QDir::toNativeSeparators(m_checkFolder.path())
                                                      : m_platform.designFolderText();
    Frame5->txt_path->setText(settings->value(SettingsKeys::kFolderKey, firstFolder).toString());
    Frame5->chk_rueckweg->setChecked(settings->value(SettingsKeys::kWayBackKey, false).toBool());
    m_templates.restore();
}

// The window system reports the frame only once the window is shown; the
// start size is an outer size, so it is applied again with the frame known.
void frm_rename::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    applyStartSize();
}

void frm_rename::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void frm_rename::Form_Unload()
{
    {
        const std::unique_ptr<QSettings> settings = m_platform.openSettings();
        settings->setValue(SettingsKeys::kRuleKey, txt_rename->text());
        settings->setValue(SettingsKeys::kReplacementKey, txt_renameNEU->text());
        settings->setValue(SettingsKeys::kFolderKey, Frame5->txt_path->text());
    }
    unloadAll();
}

void frm_rename::unloadAll()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void frm_rename::img_EXIT_Click()
{
    close();
}

// --- layout ---------------------------------------------------------------

void frm_rename::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The lists, the output field and the bottom row follow the outer height;
// the width moves nothing, it only decides how much of the window is seen.
void frm_rename::Form_Resize()
{
    const WindowLayout::Resize resize = WindowLayout::onResize(isMinimized(), outerHeightTwips());
    if (!resize.layOut)
        return;
    // Dragging stops at the smallest height instead of snapping back.
    const int smallest = Twips::toPixels(WindowLayout::kSmallestHeight) - (frameGeometry().height() - height());
    if (minimumHeight() != smallest)
        setMinimumHeight(smallest);
    if (resize.snapTo > 0)
        setOuterHeightTwips(resize.snapTo);
    const WindowLayout::Places places = WindowLayout::placesFor(outerHeightTwips());
    txt_OUT->resize(txt_OUT->width(), Twips::toPixels(places.outputHeight));
    img_EXIT->move(img_EXIT->x(), Twips::toPixels(places.exitTop));
    cmd_mapkeyNow->move(cmd_mapkeyNow->x(), Twips::toPixels(places.generateTop));
    cmd_openmFile->move(cmd_openmFile->x(), cmd_mapkeyNow->y());
    list_OldName->resize(list_OldName->width(), Twips::toPixels(places.listHeight));
    list_NewName->resize(list_NewName->width(), Twips::toPixels(places.listHeight));
    lbl_status->move(lbl_status->x(), Twips::toPixels(places.statusTop));
    lbl_pruefung->move(lbl_pruefung->x(), Twips::toPixels(places.checkTop));
    cmd_vorlage->move(cmd_vorlage->x(), lbl_pruefung->y());
    Frame_gruppen->resize(Frame_gruppen->width(), Twips::toPixels(places.groupsHeight));
    // The wide width, or a larger window, brings the output field into view.
    txt_OUT->showWhenSeen();
}

void frm_rename::imgOpen_Click()
{
    setOuterWidthTwips(WindowLayout::kWideWidth);
    imgOpen->hide();
    imgclose->show();
}

void frm_rename::imgclose_Click()
{
    setOuterWidthTwips(WindowLayout::kNarrowWidth);
    imgOpen->show();
    imgclose->hide();
}

// Remembered at once, so that the next generation's question knows it.
// The check then counts what the way back finds as well.
void frm_rename::chk_rueckweg_Click(bool checked)
{
    m_platform.openSettings()->setValue(SettingsKeys::kWayBackKey, checked);
    updateCheck();
}

// Refused when pasted into a one-line field or typed into a list entry.
void frm_rename::LineBreakRefused()
{
    lbl_status->setText(NameListOps::lineBreakMessage());
}

// --- opening the written file and the Info window -------------------------

bool frm_rename::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txt_OUT->viewport() && event->type() == QEvent::MouseButtonDblClick)
        txt_OUT_DblClick();
    // A status text longer than its line, such as the way back's reason
    // behind a long folder, shows whole under the pointer.
    if (watched == lbl_status && event->type() == QEvent::ToolTip
        && lbl_status->fontMetrics().horizontalAdvance(lbl_status->text()) > lbl_status->contentsRect().width()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), ShownText::asToolTip(lbl_status->text()),
                           lbl_status);
        return true;
    }
    // The keyboard stays with the list the panel's command acted on, rather
    // than moving on to the rule's fields, which keep their own undo.
    if (watched == kontextmenue && event->type() == QEvent::Hide
        && kontextmenue->isAncestorOf(QApplication::focusWidget()))
        currentList()->setFocus();
    // Left unaccepted, the override lets the window's undo keys act.
    if (watched == Text1 && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frm_rename::cmd_openmFile_Click()
{
    openWrittenFile();
}

void frm_rename::txt_OUT_DblClick()
{
    openWrittenFile();
}

// Looks in the folder tree's folder, not the folder text: after a write
// the two agree, and the tree is what the user sees. A desktop without a
// program for the file would leave the click without an answer.
void frm_rename::openWrittenFile()
{
    const QString path = RenameProWriter::filePath(Frame5->dirPath());
    if (Module1::FileExists(path) && !m_platform.openWithDesktop(QUrl::fromLocalFile(path)))
        lbl_status->setText(QStringLiteral("Kein Programm zum Öffnen von ") + RenameProWriter::kFileName
                            + QStringLiteral(" gefunden"));
}

void frm_rename::cmd_info_Click()
{
    // A closed Info window may still await its deletion: it counts as gone.
    if (m_info && m_info->isVisible()) {
        m_info->raise();
        m_info->activateWindow();
        return;
    }
    m_info = new frm_Info(m_platform);
    m_info->setAttribute(Qt::WA_DeleteOnClose);
    m_info->Form_Load(*this);
}
