#include "ui/workingfolder/frm_Ordner.h"

#include "lists/NameListOps.h"
#include "ui/platform/Platform.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/workingfolder/ReadProgress.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Captions of the object types, in the order of FolderReader::objectTypes().
const char *const kTypeCaptions[] = {
    "&Teile (.prt)",   "&Baugruppen (.asm)", "&Zeichnungen (.drw)",      "&Formate (.frm)",
    "&Layouts (.lay)", "&Skizzen (.sec)",    "Fertigungs&modelle (.mfg)"};

// Long enough to type on, short enough not to be waited for.
constexpr int kReadDelayMs = 400;

} // namespace

frm_Ordner::frm_Ordner(const Platform &platform, const QString &folder, const FolderReader::Options &start,
                       const QString &listName, const CheckFolder &checkFolder, qsizetype room, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_checkFolder(checkFolder)
    , m_room(room)
{
    createControls(start);
    lbl_ziel->setText(u"Die Objekte kommen in die Liste „"_s + listName + u"“."_s);
    txt_ordner->setText(folder);
    m_pendingRead.setSingleShot(true);
    m_pendingRead.setInterval(kReadDelayMs);
    connect(&m_pendingRead, &QTimer::timeout, this, &frm_Ordner::readChoice);
    connect(cmd_waehlen, &QPushButton::clicked, this, &frm_Ordner::cmd_waehlen_Click);
    for (OneLineEdit *field : {txt_ordner, txt_filter}) {
        connect(field, &OneLineEdit::textChanged, this, &frm_Ordner::choice_Change);
        connect(field, &OneLineEdit::lineBreakRefused, this,
                [this] { lbl_anzahl->setText(NameListOps::lineBreakMessage()); });
    }
    for (QCheckBox *type : chk_typen)
        connect(type, &QCheckBox::toggled, this, &frm_Ordner::choice_Change);
    connect(txt_ordner, &OneLineEdit::textChanged, this, &frm_Ordner::checkFolder_Change);
    connect(chk_pruefordner, &QCheckBox::toggled, this, &frm_Ordner::checkFolder_Change);
    connect(cmd_uebernehmen, &QPushButton::clicked, this, &frm_Ordner::cmd_uebernehmen_Click);
    connect(cmd_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    choice_Change();
    checkFolder_Change();
}

void frm_Ordner::createControls(const FolderReader::Options &start)
{
    setObjectName(u"frm_Ordner"_s);
    setWindowTitle(u"Ordner einlesen"_s);
    // A path or pattern copied from a spreadsheet cell or a file manager
    // drops its line end, as in the main window's fields.
    txt_ordner = new OneLineEdit(this);
    txt_ordner->setObjectName(u"txt_ordner"_s);
    cmd_waehlen = new QPushButton(u"&Wählen …"_s, this);
    cmd_waehlen->setObjectName(u"cmd_waehlen"_s);
    cmd_waehlen->setAutoDefault(false);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(txt_ordner, 1);
    folderRow->addWidget(cmd_waehlen);
    txt_filter = new OneLineEdit(this);
    txt_filter->setText(start.filter);
    txt_filter->setObjectName(u"txt_filter"_s);
    txt_filter->setToolTip(u"„*“ steht für beliebig viele Zeichen, „?“ für eines; ohne Unterschied von Groß- und "
                           u"Kleinschreibung, auf den Namen mit Endung"_s);

    auto *types = new QGridLayout;
    const QStringList &objectTypes = FolderReader::objectTypes();
    for (qsizetype i = 0; i < objectTypes.size(); ++i) {
        auto *type = new QCheckBox(QString::fromUtf8(kTypeCaptions[i]), this);
        type->setObjectName(u"chk_"_s + objectTypes.at(i));
        type->setChecked(start.types.contains(objectTypes.at(i)));
        types->addWidget(type, int(i % 4), int(i / 4));
        chk_typen << type;
    }

    auto *form = new QFormLayout;
    form->addRow(u"&Ordner:"_s, folderRow);
    form->addRow(u"&Namensfilter:"_s, txt_filter);
    form->addRow(u"Typen:"_s, types);
    static_cast<QLabel *>(form->labelForField(folderRow))->setBuddy(txt_ordner);

    lbl_ziel = new QLabel(this);
    lbl_ziel->setObjectName(u"lbl_ziel"_s);
    lbl_ziel->setTextFormat(Qt::PlainText);
    lbl_anzahl = new QLabel(this);
    lbl_anzahl->setObjectName(u"lbl_anzahl"_s);
    lbl_anzahl->setWordWrap(true);
    lbl_anzahl->setTextFormat(Qt::PlainText);
    chk_pruefordner = new QCheckBox(u"Paare gegen diesen Ordner &prüfen (Prüfordner)"_s, this);
    chk_pruefordner->setObjectName(u"chk_pruefordner"_s);
    chk_pruefordner->setChecked(true);
    lbl_pruefordner = new QLabel(this);
    lbl_pruefordner->setObjectName(u"lbl_pruefordner"_s);
    lbl_pruefordner->setTextFormat(Qt::PlainText);
    lbl_pruefordner->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    cmd_uebernehmen = buttons->addButton(u"&Übernehmen"_s, QDialogButtonBox::AcceptRole);
    cmd_uebernehmen->setObjectName(u"cmd_uebernehmen"_s);
    cmd_uebernehmen->setDefault(true);
    cmd_abbrechen = buttons->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole);
    cmd_abbrechen->setObjectName(u"cmd_abbrechen"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl_ziel);
    layout->addLayout(form);
    layout->addWidget(lbl_anzahl);
    layout->addWidget(chk_pruefordner);
    layout->addWidget(lbl_pruefordner);
    layout->addWidget(buttons);
    lbl_anzahl->setMinimumWidth(lbl_anzahl->fontMetrics().averageCharWidth() * 60);
}

QString frm_Ordner::folder() const
{
    return txt_ordner->text();
}

FolderReader::Options frm_Ordner::options() const
{
    FolderReader::Options options;
    options.filter = txt_filter->text();
    options.types.clear();
    for (qsizetype i = 0; i < chk_typen.size(); ++i) {
        if (chk_typen.at(i)->isChecked())
            options.types << FolderReader::objectTypes().at(i);
    }
    options.maxObjects = m_room;
    return options;
}

bool frm_Ordner::asCheckFolder() const
{
    return chk_pruefordner->isChecked();
}

// Taking a folder's objects changes the check folder as well, and undo
// does not bring the earlier one back: the dialog says which it will be.
void frm_Ordner::checkFolder_Change()
{
    lbl_pruefordner->setText(m_checkFolder.afterReadingText(asCheckFolder(), folder()));
}

void frm_Ordner::cmd_waehlen_Click()
{
    const QString chosen = m_platform.askFolderName(this, u"Ordner einlesen"_s, folder());
    if (!chosen.isEmpty())
        txt_ordner->setText(chosen);
}

void frm_Ordner::choice_Change()
{
    lbl_anzahl->setText(u"Ordner wird gelesen …"_s);
    m_pendingRead.start();
}

// Another folder is read; the same one only when it has changed. A folder
// of many thousand files takes a moment; the pointer and the count say so.
void frm_Ordner::readChoice()
{
    m_pendingRead.stop();
    const FolderReader::Options chosen = options();
    {
        ReadProgress progress(lbl_anzahl);
        if (m_snapshot.folder() != folder())
            m_snapshot = FolderSnapshot(folder(), progress.callback());
        else
            m_snapshot.refresh(progress.callback());
    }
    m_result = m_snapshot.select(chosen);
    lbl_anzahl->setText(FolderReader::previewText(m_result, folder()));
}

// What is taken is what the dialog shows: a change not yet read is read
// first.
void frm_Ordner::cmd_uebernehmen_Click()
{
    if (m_pendingRead.isActive())
        readChoice();
    if (m_result.status == FolderReader::Result::Status::Read)
        accept();
}
