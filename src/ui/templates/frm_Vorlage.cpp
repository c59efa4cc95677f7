#include "ui/templates/frm_Vorlage.h"

#include "common/AtomicFile.h"
#include "generator/MapkeyGenerator.h"
#include "templates/TemplateExport.h"
#include "templates/TemplateTexts.h"
#include "ui/platform/Platform.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/WaitCursor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using RecordedTemplates::Choice;

namespace {

const QString kFilter = u"Konfigurationsdateien (*.pro *.txt);;Alle Dateien (*)"_s;

QComboBox *keyChoice(QWidget *parent, const char *name, const QString &tip)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    box->setMinimumContentsLength(24);
    return box;
}

// The key chosen, offered even when the file lacks it: the check then
// says so, rather than another mapkey being taken silently.
void offer(QComboBox *box, const QStringList &mapkeys, const QString &key)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(mapkeys);
    if (!mapkeys.contains(key))
        box->insertItem(0, key);
    box->setCurrentText(key);
}

} // namespace

frm_Vorlage::frm_Vorlage(const Platform &platform, const Choice &inUse, const QString &previewOld,
                         const QString &previewNew, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_previewOld(previewOld)
    , m_previewNew(previewNew)
{
    createControls();
    lbl_verwendet->setText(TemplateTexts::described(inUse));
    txt_beispielAlt->setText(inUse.oldSample);
    txt_beispielNeu->setText(inUse.newSample);
    if (!inUse.isBuiltIn())
        openRecording(inUse.file, inUse);
    showCheck();
    connect(cmd_aufzeichnung, &QPushButton::clicked, this, &frm_Vorlage::cmd_aufzeichnung_Click);
    for (QComboBox *box : {cbo_umbenennen, cbo_speichern, cbo_oeffnen})
        connect(box, &QComboBox::currentTextChanged, this, &frm_Vorlage::choice_Change);
    for (OneLineEdit *field : {txt_beispielAlt, txt_beispielNeu}) {
        connect(field, &OneLineEdit::textChanged, this, &frm_Vorlage::choice_Change);
        connect(field, &OneLineEdit::lineBreakRefused, this,
                [this] { lbl_meldung->setText(u"Achtung: Ein Beispielname darf keinen Zeilenumbruch enthalten"_s); });
    }
    connect(cmd_verwenden, &QPushButton::clicked, this, &frm_Vorlage::cmd_verwenden_Click);
    connect(cmd_eingebaute, &QPushButton::clicked, this, &frm_Vorlage::cmd_eingebaute_Click);
    connect(cmd_speichern, &QPushButton::clicked, this, &frm_Vorlage::cmd_speichern_Click);
    connect(cmd_schliessen, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_Vorlage::createControls()
{
    setObjectName(u"frm_Vorlage"_s);
    setWindowTitle(u"Vorlage"_s);
    lbl_verwendet = new QLabel(this);
    lbl_verwendet->setObjectName(u"lbl_verwendet"_s);
    lbl_verwendet->setTextFormat(Qt::PlainText);
    lbl_verwendet->setWordWrap(true);
    txt_datei = new QLineEdit(this);
    txt_datei->setObjectName(u"txt_datei"_s);
    txt_datei->setReadOnly(true);
    txt_datei->setPlaceholderText(u"keine Aufzeichnung geöffnet"_s);
    cmd_aufzeichnung = new QPushButton(u"&Aufzeichnung öffnen …"_s, this);
    cmd_aufzeichnung->setObjectName(u"cmd_aufzeichnung"_s);
    cmd_aufzeichnung->setAutoDefault(false);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txt_datei, 1);
    fileRow->addWidget(cmd_aufzeichnung);
    cbo_umbenennen = keyChoice(this, "cbo_umbenennen",
                               u"Der Mapkey, der das Beispielteil öffnet, umbenennt, speichert und schließt"_s);
    cbo_speichern = keyChoice(this, "cbo_speichern",
                              u"Der Mapkey, der das Beispielteil öffnet, speichert und schließt"_s);
    cbo_oeffnen = keyChoice(this, "cbo_oeffnen", u"Der Mapkey, der das Beispielteil öffnet und schließt"_s);
    txt_beispielAlt = new OneLineEdit(this);
    txt_beispielAlt->setObjectName(u"txt_beispielAlt"_s);
    txt_beispielAlt->setToolTip(u"Der Name, der beim Aufzeichnen in den Öffnen-Dialog getippt wurde"_s);
    txt_beispielNeu = new OneLineEdit(this);
    txt_beispielNeu->setObjectName(u"txt_beispielNeu"_s);
    txt_beispielNeu->setToolTip(u"Der Name, der beim Aufzeichnen in den Umbenennen-Dialog getippt wurde"_s);
    txt_befunde = new QPlainTextEdit(this);
    txt_befunde->setObjectName(u"txt_befunde"_s);
    txt_befunde->setReadOnly(true);
    // A finding names a file and a mapkey and may be long; it is read whole.
    txt_befunde->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txt_vorschau = new QTextEdit(this);
    txt_vorschau->setObjectName(u"txt_vorschau"_s);
    txt_vorschau->setReadOnly(true);
    txt_vorschau->setAcceptRichText(false);
    txt_vorschau->setLineWrapMode(QTextEdit::NoWrap);
    txt_vorschau->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int lines = fontMetrics().lineSpacing();
    txt_befunde->setMinimumHeight(lines * 5);
    txt_vorschau->setMinimumHeight(lines * 12);
    txt_vorschau->setMinimumWidth(fontMetrics().averageCharWidth() * 90);

    auto *form = new QFormLayout;
    form->addRow(u"In Verwendung:"_s, lbl_verwendet);
    form->addRow(u"Aufzeichnung:"_s, fileRow);
    form->addRow(u"&Umbenennen:"_s, cbo_umbenennen);
    form->addRow(u"&Speichern:"_s, cbo_speichern);
    form->addRow(u"Ö&ffnen:"_s, cbo_oeffnen);
    form->addRow(u"Beispielname a&lt:"_s, txt_beispielAlt);
    form->addRow(u"Beispielname n&eu:"_s, txt_beispielNeu);
    form->addRow(u"Befunde:"_s, txt_befunde);
    form->addRow(u"Vorschau:"_s, txt_vorschau);
    for (QWidget *field : {static_cast<QWidget *>(txt_datei), static_cast<QWidget *>(txt_befunde),
                           static_cast<QWidget *>(txt_vorschau)}) {
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(field)))
            label->setBuddy(field);
    }
    static_cast<QLabel *>(form->labelForField(fileRow))->setBuddy(txt_datei);

    lbl_meldung = new QLabel(this);
    lbl_meldung->setObjectName(u"lbl_meldung"_s);
    lbl_meldung->setTextFormat(Qt::PlainText);
    lbl_meldung->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    cmd_verwenden = buttons->addButton(u"&Verwenden"_s, QDialogButtonBox::AcceptRole);
    cmd_verwenden->setObjectName(u"cmd_verwenden"_s);
    cmd_eingebaute = buttons->addButton(u"Eingebaute ver&wenden"_s, QDialogButtonBox::ResetRole);
    cmd_eingebaute->setObjectName(u"cmd_eingebaute"_s);
    cmd_speichern = buttons->addButton(u"Eingebaute Vorlage spei&chern …"_s, QDialogButtonBox::ActionRole);
    cmd_speichern->setObjectName(u"cmd_speichern"_s);
    cmd_schliessen = buttons->addButton(u"Schließen"_s, QDialogButtonBox::RejectRole);
    cmd_schliessen->setObjectName(u"cmd_schliessen"_s);
    for (QPushButton *button : buttons->findChildren<QPushButton *>())
        button->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lbl_meldung);
    layout->addWidget(buttons);
}

void frm_Vorlage::cmd_aufzeichnung_Click()
{
    const QString path = m_platform.askFileName(this, u"Aufzeichnung öffnen"_s, kFilter, false);
    if (path.isEmpty())
        return;
    const qsizetype mapkeys = openRecording(path, shown());
    showCheck();
    lbl_meldung->setText(TemplateTexts::opened(path, m_file, mapkeys));
}

qsizetype frm_Vorlage::openRecording(const QString &path, const Choice &keys)
{
    m_path = path;
    {
        const WaitCursor busy;
        m_file = Recording::read(path);
    }
    txt_datei->setText(QDir::toNativeSeparators(path));
    Choice choice = keys;
    choice.file = path;
    const QStringList mapkeys = RecordedTemplates::check(m_file, choice).mapkeys;
    offer(cbo_umbenennen, mapkeys, keys.renameKey);
    offer(cbo_speichern, mapkeys, keys.saveKey);
    offer(cbo_oeffnen, mapkeys, keys.openKey);
    return mapkeys.size();
}

Choice frm_Vorlage::shown() const
{
    Choice choice;
    choice.file = m_path;
    if (!m_path.isEmpty()) {
        choice.renameKey = cbo_umbenennen->currentText();
        choice.saveKey = cbo_speichern->currentText();
        choice.openKey = cbo_oeffnen->currentText();
    }
    choice.oldSample = txt_beispielAlt->text();
    choice.newSample = txt_beispielNeu->text();
    return choice;
}

void frm_Vorlage::choice_Change()
{
    lbl_meldung->clear();
    showCheck();
}

// The file as it was opened: the check runs on every change of the choice
// and never waits for the disk; "Verwenden" reads it again.
void frm_Vorlage::showCheck()
{
    const Choice choice = shown();
    m_shownCheck = choice.isBuiltIn() ? RecordedTemplates::load(choice) : RecordedTemplates::check(m_file, choice);
    const QString lines = m_shownCheck.findingLines();
    txt_befunde->setPlainText(lines.isEmpty() ? u"Keine Befunde."_s : lines.chopped(1));
    for (QWidget *control : {static_cast<QWidget *>(cbo_umbenennen), static_cast<QWidget *>(cbo_speichern),
                             static_cast<QWidget *>(cbo_oeffnen)})
        control->setEnabled(!choice.isBuiltIn());
    cmd_verwenden->setEnabled(!choice.isBuiltIn() && m_shownCheck.usable());
    if (m_shownCheck.usable())
        showPreview(*m_shownCheck.set);
    else
        txt_vorschau->setPlainText(u"Keine Vorschau: die Vorlage hat Fehler."_s);
}

// The rename mapkey of the pair as it would be built, its names marked.
void frm_Vorlage::showPreview(const TemplateSet &set)
{
    QString text;
    MapkeyGenerator::appendRenameMapkey(text, 0, m_previewOld, m_previewNew, set);
    const qsizetype oldAt = text.indexOf(u'\n') + 1 + set.renameBeforeOld().size();
    const qsizetype newAt = oldAt + m_previewOld.size() + set.renameBeforeNew().size();
    const auto shownAt = [&text](qsizetype at) { return at - text.left(at).count(u'\r'); };
    const auto marks = {std::pair{shownAt(oldAt), m_previewOld.size()}, std::pair{shownAt(newAt), m_previewNew.size()}};
    txt_vorschau->setPlainText(text.remove(u'\r'));
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 230, 140));
    marked.setFontWeight(QFont::Bold);
    for (const auto &[at, size] : marks) {
        QTextCursor cursor(txt_vorschau->document());
        cursor.setPosition(int(at));
        cursor.setPosition(int(at + size), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(marked);
    }
}

// Checked once more with the file as it is now: it may have changed since
// it was opened.
void frm_Vorlage::cmd_verwenden_Click()
{
    const Choice choice = shown();
    {
        const WaitCursor busy;
        m_file = Recording::read(choice.file);
    }
    showCheck();
    if (!m_shownCheck.usable()) {
        lbl_meldung->setText(TemplateTexts::notUsed(choice.file));
        return;
    }
    m_choice = choice;
    m_checked = m_shownCheck;
    accept();
}

void frm_Vorlage::cmd_eingebaute_Click()
{
    m_choice = Choice();
    m_checked = RecordedTemplates::load(m_choice);
    accept();
}

void frm_Vorlage::cmd_speichern_Click()
{
    const QString path = m_platform.askFileName(this, u"Eingebaute Vorlage speichern"_s, kFilter, true);
    if (path.isEmpty())
        return;
    QString reason;
    const bool ok = AtomicFile::write(path, TemplateExport::recording(), &reason);
    lbl_meldung->setText(TemplateTexts::exported(path, ok, reason));
}
