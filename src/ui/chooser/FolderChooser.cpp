#include "ui/chooser/FolderChooser.h"

#include "common/Module1.h"
#include "lists/NameListOps.h"
#include "ui/chooser/TreeWatch.h"
#include "ui/chooser/TreeWatcher.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Twips.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <utility>

namespace {

// What the tree shows: folders, hidden ones too, and the drives.
constexpr QDir::Filters kTreeFilter = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden;

} // namespace

FolderChooser::FolderChooser(const Platform &platform, QWidget *parent)
    : QGroupBox(QStringLiteral("Dateiliste"), parent)
    , m_choice({Module1::FolderExists, [&platform](const QString &path) { return platform.driveOf(path); },
                [&platform](const QString &drive) { return platform.driveRoot(drive); }})
{
    setObjectName(QStringLiteral("Frame5"));
    setGeometry(Twips::rect(420, 1035, 5895, 3015));
    setAutoFillBackground(true);

    txt_path = new OneLineEdit(this);
    txt_path->setText(platform.designFolderText());
    txt_path->setObjectName(QStringLiteral("txt_path"));
    txt_path->setGeometry(Twips::rect(120, 240, 5535, 285));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(Twips::rect(120, 600, 2655, 315));
    Drive1->addItems(platform.drives());

    Label8 = new QLabel(QStringLiteral("Bitte wählen Sie nun bitte das Ausgabeverzeichnis für Datei rename.pro"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(Twips::rect(3360, 900, 1815, 750));
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The wrapped text takes the height its lines need where the font runs taller than the design's.
    Label8->resize(Label8->width(), std::max(Label8->height(), Label8->heightForWidth(Label8->width())));

    // Beside the field, clear of the drive list and the prompt below it.
    cmd_Pruefordner = new QPushButton(QStringLiteral("Prüfordner"), this);
    cmd_Pruefordner->setObjectName(QStringLiteral("cmd_Pruefordner"));
    cmd_Pruefordner->setGeometry(Twips::rect(3360, 585, 1815, 315));
    cmd_Pruefordner->hide();

    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(Twips::rect(120, 960, 2655, 1890));
    Dir1->setHeaderHidden(true);
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The user's own hand on the tree ends its following of the folder.
    connect(Dir1->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { m_keepInSight = false; });
    Dir1->installEventFilter(this);
    Dir1->viewport()->installEventFilter(this);
    m_watcher = new TreeWatcher(this);
    connect(m_watcher, &TreeWatcher::folderChanged, this, &FolderChooser::TreeWatcher_FolderChanged);
    readTree();

    cmd_okfiles = new QPushButton(QStringLiteral("OK"), this);
    cmd_okfiles->setObjectName(QStringLiteral("cmd_okfiles"));
    cmd_okfiles->setGeometry(Twips::rect(3390, 2205, 1785, 645));
    QFont okFont = cmd_okfiles->font();
    okFont.setBold(true);
    okFont.setPointSizeF(9.75);
    cmd_okfiles->setFont(okFont);

    // Just above "OK", whose writing it extends.
    chk_rueckweg = new QCheckBox(QStringLiteral("Rückweg-Datei mit erstellen"), this);
    chk_rueckweg->setObjectName(QStringLiteral("chk_rueckweg"));
    chk_rueckweg->setGeometry(Twips::rect(3390, 1860, 2430, 285));

    img_quit = new ImageButton(Pictures::Picture::SmallExit, QStringLiteral("Ausgabe verwerfen"), this);
    img_quit->setObjectName(QStringLiteral("img_quit"));
    img_quit->setGeometry(Twips::rect(5250, 2340, 480, 480));
    img_quit->setToolTip(QStringLiteral("EXIT"));

    // The tree starts on the working folder, the drive list on its drive;
    // no reaction runs for the design state.
    {
        const QSignalBlocker quiet(Dir1->selectionModel());
        setDirPath(platform.startFolder());
    }
    m_choice.startAt(QDir::toNativeSeparators(m_model->filePath(Dir1->currentIndex())));
    const int driveIndex = Drive1->findText(platform.driveOf(m_choice.treeFolder()));
    Drive1->setCurrentIndex(driveIndex >= 0 ? driveIndex : 0);

    connect(txt_path, &QLineEdit::textChanged, this, &FolderChooser::txt_path_Change);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &FolderChooser::Drive1_Change);
    connect(cmd_Pruefordner, &QPushButton::clicked, this, &FolderChooser::cmd_Pruefordner_Click);
    connect(txt_path, &OneLineEdit::lineBreakRefused, this,
            [this] { emit statusMessage(NameListOps::lineBreakMessage()); });
    hide();
}

// A new model reads the folders the tree shows afresh. It watches none
// itself: a folder where files come and go every few milliseconds would
// have it read that folder again at each change. A shown chooser's
// TreeWatcher watches what it has read instead. The tree stays on its
// folder.
void FolderChooser::readTree()
{
    auto *model = new QFileSystemModel(this);
    model->setIconProvider(&m_icons);
    model->setOption(QFileSystemModel::DontWatchForChanges, true);
    // Hidden folders too: the tree must be able to show any folder that
    // the folder text names.
    model->setFilter(kTreeFilter);
    model->setRootPath(QString());
    // Before the tree's own handler, which would hand the mark on.
    connect(model, &QFileSystemModel::rowsAboutToBeRemoved, this, &FolderChooser::Dir1_RowsAboutToBeRemoved);
    connect(model, &QFileSystemModel::directoryLoaded, this, &FolderChooser::Dir1_DirectoryLoaded);
    QItemSelectionModel *oldSelection = Dir1->selectionModel();
    QFileSystemModel *oldModel = std::exchange(m_model, model);
    Dir1->setModel(model);
    delete oldSelection;
    delete oldModel;
    for (int column = 1; column < model->columnCount(); ++column)
        Dir1->hideColumn(column);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderChooser::Dir1_Change);
    // Rows come in, and are sorted, after the tree has moved to its folder;
    // queued, the tree follows once it has laid them out itself.
    m_keepInSight = true;
    connect(model, &QAbstractItemModel::rowsInserted, this, &FolderChooser::keepFolderInSight, Qt::QueuedConnection);
    connect(model, &QAbstractItemModel::layoutChanged, this, &FolderChooser::keepFolderInSight, Qt::QueuedConnection);
    if (!m_choice.treeFolder().isEmpty())
        setDirPath(m_choice.treeFolder());
}

// Hidden, and with the window minimised, the tree watches nothing; shown
// again, it reads afresh what it shows.
void FolderChooser::hideEvent(QHideEvent *event)
{
    QGroupBox::hideEvent(event);
    m_watcher->stop();
    m_readAfresh = true;
}

void FolderChooser::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    if (std::exchange(m_readAfresh, false))
        readTree();
}

void FolderChooser::Dir1_DirectoryLoaded(const QString &folder)
{
    if (isVisible())
        m_watcher->watch(folder);
}

// The model reads a folder again once it counts as unread, which it does
// after being the model's root path; the tree's root stays the whole disk.
// Files alone coming and going change nothing the tree shows.
void FolderChooser::TreeWatcher_FolderChanged(const QString &folder)
{
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid())
        return;
    QStringList shown;
    for (int row = 0; row < m_model->rowCount(index); ++row)
        shown << m_model->fileName(m_model->index(row, 0, index));
    if (!TreeWatch::subfoldersDiffer(shown, QDir(folder).entryList(kTreeFilter & ~QDir::Drives)))
        return;
    m_model->setRootPath(folder);
    m_model->setRootPath(QString());
    m_model->fetchMore(m_model->index(folder));
}

void FolderChooser::setDirPath(const QString &path)
{
    const QModelIndex index = m_model->index(QDir::fromNativeSeparators(path));
    if (!index.isValid())
        return;
    if (index == Dir1->currentIndex())
        return;
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    Dir1->expand(index);
}

// A model read afresh fills in the folders above the tree's folder, and
// sorts them, after the tree has moved there: each folder that comes in
// above pushes it further down. The tree follows its folder until the user
// scrolls it elsewhere.
bool FolderChooser::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        m_keepInSight = false;
        break;
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

void FolderChooser::keepFolderInSight()
{
    if (m_keepInSight && Dir1->currentIndex().isValid())
        Dir1->scrollTo(Dir1->currentIndex());
}

void FolderChooser::Dir1_Change()
{
    const QModelIndex index = Dir1->currentIndex();
    if (index.isValid())
        apply(m_choice.treeChanged(QDir::toNativeSeparators(m_model->filePath(index))));
}

// A folder that disappears takes the tree's mark along instead of handing
// it to a neighbour or to its parent, which would move the folder text
// there: the text keeps naming the folder the user chose, and "OK" says it
// is gone rather than writing beside it.
void FolderChooser::Dir1_RowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    for (QModelIndex at = Dir1->currentIndex(); at.isValid(); at = at.parent()) {
        if (at.parent() == parent && at.row() >= first && at.row() <= last) {
            Dir1->selectionModel()->clear();
            return;
        }
    }
}

void FolderChooser::txt_path_Change()
{
    apply(m_choice.textChanged(txt_path->text()));
}

void FolderChooser::Drive1_Change()
{
    apply(m_choice.driveChanged(Drive1->currentText()));
}

void FolderChooser::setCheckFolder(const QString &path)
{
    m_checkFolder = QDir::toNativeSeparators(path);
    cmd_Pruefordner->setVisible(!path.isEmpty());
    cmd_Pruefordner->setToolTip(QStringLiteral("Ausgabeverzeichnis: ") + m_checkFolder);
}

// The field's own reaction moves the tree there.
void FolderChooser::cmd_Pruefordner_Click()
{
    txt_path->setText(m_checkFolder);
    txt_path->setFocus(Qt::OtherFocusReason);
}

void FolderChooser::showChooser()
{
    setVisible(true);
    move(Twips::toPixels(400), Twips::toPixels(1000));
    raise();
    apply(m_choice.shown(txt_path->text()));
}

bool FolderChooser::confirm()
{
    const FolderChoice::Reaction reaction = m_choice.confirmed(txt_path->text());
    apply(reaction);
    return reaction.status.isEmpty();
}

// At most one of the three is set; each setting may run a reaction of its
// own before the next line, and the status comes last.
void FolderChooser::apply(const FolderChoice::Reaction &reaction)
{
    if (reaction.treeTo)
        setDirPath(*reaction.treeTo);
    if (reaction.textTo)
        txt_path->setText(*reaction.textTo);
    if (reaction.driveTo)
        Drive1->setCurrentIndex(Drive1->findText(*reaction.driveTo));
    if (!reaction.status.isEmpty())
        emit statusMessage(reaction.status);
}
