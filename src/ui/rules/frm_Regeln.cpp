#include "ui/rules/frm_Regeln.h"

#include "rules/RuleFile.h"
#include "rules/RuleTexts.h"
#include "ui/SettingsKeys.h"
#include "ui/lists/NameListDelegate.h"
#include "ui/platform/Platform.h"
#include "ui/rules/RulePreviewModel.h"
#include "ui/widgets/OneLineEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Kind = RuleStep::Kind;
using Place = RuleStep::Place;

const QString kRulesFilter = u"Regeln (*.txt);;Alle Dateien (*)"_s;
constexpr int kLargest = 999999999;

// What a step added holds before the user fills it in.
RuleStep fresh(Kind kind)
{
    RuleStep step;
    step.kind = kind;
    if (kind == Kind::Pattern)
        step.text = step.replacement = u"*"_s;
    else if (kind == Kind::Number)
        step.text = u"*_###"_s;
    return step;
}

// The choices of cbo_wahl for each kind, none where it has none.
QStringList choicesOf(Kind kind)
{
    switch (kind) {
    case Kind::Replace:
        return {u"erstes Vorkommen"_s, u"alle Vorkommen"_s};
    case Kind::Insert:
        return {u"am Anfang"_s, u"am Ende, vor der Endung"_s, u"an Stelle"_s};
    case Kind::Remove:
        return {u"am Anfang"_s, u"am Ende, vor der Endung"_s, u"jedes Vorkommen von"_s};
    case Kind::Case:
        return {u"klein"_s, u"groß"_s};
    default:
        return {};
    }
}

const Place kPlaces[] = {Place::Start, Place::End, Place::Position};
const Place kRemovePlaces[] = {Place::Start, Place::End, Place::Text};

int placeIndex(const RuleStep &s)
{
    return s.place == Place::End ? 1 : s.place == Place::Start ? 0 : 2;
}

} // namespace

frm_Regeln::frm_Regeln(const Platform &platform, const QStringList &oldNames, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    m_preview = new RulePreviewModel(oldNames, this);
    createControls();
    connectHandlers();
    const std::unique_ptr<QSettings> settings = m_platform.openSettings();
    const RuleFile::ReadResult remembered = RuleFile::parse(
        settings->value(SettingsKeys::kRulesKey).toString().split(u'\n', Qt::SkipEmptyParts));
    if (remembered.ok)
        m_steps = remembered.steps;
    showSteps(m_steps.isEmpty() ? -1 : 0);
    stepsChanged();
}

void frm_Regeln::createControls()
{
    setObjectName(u"frm_Regeln"_s);
    setWindowTitle(u"Regeln"_s);
    const auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    lst_schritte = named(new QListWidget(this), "lst_schritte");
    lst_schritte->setToolTip(u"Die Schritte, jeder auf das Ergebnis des vorigen; das Häkchen schaltet einen ein"_s);
    lst_schritte->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    cbo_neueArt = named(new QComboBox(this), "cbo_neueArt");
    cbo_neueArt->addItems(RuleTexts::kindNames());
    cbo_neueArt->setAccessibleName(u"Art des neuen Schritts"_s);
    cmd_hinzufuegen = named(new QPushButton(u"&Hinzufügen"_s, this), "cmd_hinzufuegen");
    cmd_entfernen = named(new QPushButton(u"&Entfernen"_s, this), "cmd_entfernen");
    cmd_hoch = named(new QPushButton(u"Nach &oben"_s, this), "cmd_hoch");
    cmd_runter = named(new QPushButton(u"Nach &unten"_s, this), "cmd_runter");
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(cbo_neueArt, 1);
    addRow->addWidget(cmd_hinzufuegen);
    auto *moveRow = new QHBoxLayout;
    for (QPushButton *button : {cmd_entfernen, cmd_hoch, cmd_runter})
        moveRow->addWidget(button);
    auto *stepsBox = new QGroupBox(u"Schritte"_s, this);
    auto *stepsColumn = new QVBoxLayout(stepsBox);
    stepsColumn->addLayout(addRow);
    stepsColumn->addWidget(lst_schritte, 1);
    stepsColumn->addLayout(moveRow);
    auto *editorBox = new QGroupBox(u"Schritt"_s, this);
    editorBox->setLayout(createEditor());
    auto *left = new QVBoxLayout;
    left->addWidget(stepsBox, 1);
    left->addWidget(editorBox);

    list_vorschau = named(new QListView(this), "list_vorschau");
    list_vorschau->setModel(m_preview);
    list_vorschau->setItemDelegate(new NameListDelegate(list_vorschau));
    list_vorschau->setUniformItemSizes(true);
    list_vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_vorschau->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    auto *previewBox = new QGroupBox(u"Vorschau: alter Name  →  neuer Name"_s, this);
    auto *previewColumn = new QVBoxLayout(previewBox);
    previewColumn->addWidget(list_vorschau, 1);
    lbl_meldung = named(new QLabel(this), "lbl_meldung");
    lbl_meldung->setTextFormat(Qt::PlainText);
    lbl_meldung->setWordWrap(true);
    previewColumn->addWidget(lbl_meldung);

    auto *buttons = new QDialogButtonBox(this);
    cmd_oeffnen = buttons->addButton(u"Regeln ö&ffnen …"_s, QDialogButtonBox::ActionRole);
    cmd_speichern = buttons->addButton(u"Regeln &speichern …"_s, QDialogButtonBox::ActionRole);
    cmd_uebernehmen = buttons->addButton(u"Über&nehmen"_s, QDialogButtonBox::AcceptRole);
    cmd_schliessen = buttons->addButton(u"Schließen"_s, QDialogButtonBox::RejectRole);
    cmd_uebernehmen->setToolTip(u"Die neuen Namen der Vorschau in die rechte Liste übernehmen"_s);
    for (auto [button, name] : {std::pair{cmd_oeffnen, "cmd_oeffnen"},
                                {cmd_speichern, "cmd_speichern"},
                                {cmd_uebernehmen, "cmd_uebernehmen"},
                                {cmd_schliessen, "cmd_schliessen"}}) {
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
    }
    for (QPushButton *button : {cmd_hinzufuegen, cmd_entfernen, cmd_hoch, cmd_runter})
        button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(previewBox, 3);
    auto *all = new QVBoxLayout(this);
    all->addLayout(columns, 1);
    all->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 180, fontMetrics().lineSpacing() * 36);
}

QLayout *frm_Regeln::createEditor()
{
    const auto field = [this](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    lbl_text = new QLabel(this);
    txt_text = field(new OneLineEdit(this), "txt_text");
    lbl_ersatz = new QLabel(this);
    txt_ersatz = field(new OneLineEdit(this), "txt_ersatz");
    lbl_wahl = new QLabel(this);
    cbo_wahl = field(new QComboBox(this), "cbo_wahl");
    chk_grossKlein = field(new QCheckBox(u"&Groß-/Kleinschreibung beachten"_s, this), "chk_grossKlein");
    lbl_zahl = new QLabel(this);
    spn_zahl = field(new QSpinBox(this), "spn_zahl");
    lbl_schritt = new QLabel(u"Sch&ritt:"_s, this);
    spn_schritt = field(new QSpinBox(this), "spn_schritt");
    spn_schritt->setRange(1, kLargest);
    lbl_problem = field(new QLabel(this), "lbl_problem");
    lbl_problem->setTextFormat(Qt::PlainText);
    lbl_problem->setWordWrap(true);
    QPalette warning = lbl_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    lbl_problem->setPalette(warning);
    auto *form = new QFormLayout;
    form->addRow(lbl_text, txt_text);
    form->addRow(lbl_ersatz, txt_ersatz);
    form->addRow(lbl_wahl, cbo_wahl);
    form->addRow(QString(), chk_grossKlein);
    form->addRow(lbl_zahl, spn_zahl);
    form->addRow(lbl_schritt, spn_schritt);
    form->addRow(lbl_problem);
    for (auto [label, buddy] : {std::pair<QLabel *, QWidget *>{lbl_text, txt_text},
                                {lbl_ersatz, txt_ersatz},
                                {lbl_wahl, cbo_wahl},
                                {lbl_zahl, spn_zahl},
                                {lbl_schritt, spn_schritt}})
        label->setBuddy(buddy);
    return form;
}

void frm_Regeln::connectHandlers()
{
    connect(cmd_hinzufuegen, &QPushButton::clicked, this, &frm_Regeln::cmd_hinzufuegen_Click);
    connect(cmd_entfernen, &QPushButton::clicked, this, &frm_Regeln::cmd_entfernen_Click);
    connect(cmd_hoch, &QPushButton::clicked, this, [this] { move(-1); });
    connect(cmd_runter, &QPushButton::clicked, this, [this] { move(1); });
    connect(cmd_oeffnen, &QPushButton::clicked, this, &frm_Regeln::cmd_oeffnen_Click);
    connect(cmd_speichern, &QPushButton::clicked, this, &frm_Regeln::cmd_speichern_Click);
    connect(lst_schritte, &QListWidget::currentRowChanged, this, &frm_Regeln::lst_schritte_CurrentRowChanged);
    connect(lst_schritte, &QListWidget::itemChanged, this, &frm_Regeln::lst_schritte_ItemChanged);
    for (OneLineEdit *edit : {txt_text, txt_ersatz})
        connect(edit, &QLineEdit::textChanged, this, &frm_Regeln::field_Change);
    connect(cbo_wahl, &QComboBox::currentIndexChanged, this, &frm_Regeln::field_Change);
    connect(chk_grossKlein, &QCheckBox::toggled, this, &frm_Regeln::field_Change);
    for (QSpinBox *spin : {spn_zahl, spn_schritt})
        connect(spin, &QSpinBox::valueChanged, this, &frm_Regeln::field_Change);
    connect(m_preview, &RulePreviewModel::refreshed, this, &frm_Regeln::preview_Refreshed);
}

void frm_Regeln::cmd_hinzufuegen_Click()
{
    const int at = lst_schritte->currentRow() + 1;
    m_steps.insert(at, fresh(Kind(cbo_neueArt->currentIndex())));
    showSteps(at);
    stepsChanged();
    if (txt_text->isVisible())
        txt_text->setFocus();
}

void frm_Regeln::cmd_entfernen_Click()
{
    const int row = lst_schritte->currentRow();
    if (row < 0)
        return;
    m_steps.removeAt(row);
    showSteps(std::min(row, int(m_steps.size()) - 1));
    stepsChanged();
}

void frm_Regeln::move(int by)
{
    const int row = lst_schritte->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_steps.size())
        return;
    m_steps.swapItemsAt(row, to);
    showSteps(to);
    stepsChanged();
}

void frm_Regeln::lst_schritte_CurrentRowChanged(int row)
{
    if (!m_filling)
        showStep(row);
}

// The tick switches a step on or off.
void frm_Regeln::lst_schritte_ItemChanged()
{
    if (m_filling)
        return;
    bool changed = false;
    for (int row = 0; row < lst_schritte->count(); ++row) {
        const bool on = lst_schritte->item(row)->checkState() == Qt::Checked;
        changed |= m_steps[row].on != on;
        m_steps[row].on = on;
    }
    if (changed)
        stepsChanged();
}

void frm_Regeln::field_Change()
{
    const int row = lst_schritte->currentRow();
    if (m_filling || row < 0)
        return;
    RuleStep &s = m_steps[row];
    s.text = txt_text->text();
    s.replacement = txt_ersatz->text();
    const int choice = std::max(0, cbo_wahl->currentIndex());
    switch (s.kind) {
    case Kind::Replace:
        s.every = choice == 1;
        s.caseSensitive = chk_grossKlein->isChecked();
        break;
    case Kind::Insert:
        s.place = kPlaces[choice];
        s.count = spn_zahl->value();
        break;
    case Kind::Remove:
        s.place = kRemovePlaces[choice];
        s.count = spn_zahl->value();
        break;
    case Kind::Number:
        s.start = spn_zahl->value();
        s.step = spn_schritt->value();
        break;
    case Kind::Case:
        s.upper = choice == 1;
        break;
    default:
        break;
    }
    m_filling = true;
    lst_schritte->item(row)->setText(u"%1. "_s.arg(row + 1) + RuleTexts::describe(s));
    m_filling = false;
    showStep(row); // a choice may show or hide a field
    stepsChanged();
}

void frm_Regeln::showSteps(int current)
{
    m_filling = true;
    lst_schritte->clear();
    for (qsizetype i = 0; i < m_steps.size(); ++i) {
        auto *item = new QListWidgetItem(u"%1. "_s.arg(i + 1) + RuleTexts::describe(m_steps.at(i)), lst_schritte);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_steps.at(i).on ? Qt::Checked : Qt::Unchecked);
    }
    lst_schritte->setCurrentRow(current);
    m_filling = false;
    showStep(current);
}

// The fields of the step's kind, filled from it; the others hidden.
void frm_Regeln::showStep(int row)
{
    const bool any = row >= 0 && row < m_steps.size();
    for (QPushButton *button : {cmd_entfernen, cmd_hoch, cmd_runter})
        button->setEnabled(any);
    const RuleStep s = any ? m_steps.at(row) : RuleStep();
    m_filling = true;
    const QStringList choices = choicesOf(s.kind);
    if (cbo_wahl->count() != choices.size() || (choices.size() && cbo_wahl->itemText(0) != choices.first())
        || cbo_wahl->itemText(cbo_wahl->count() - 1) != choices.value(choices.size() - 1)) {
        cbo_wahl->clear();
        cbo_wahl->addItems(choices);
    }
    // Set only when they differ: the cursor stays where the user types.
    if (txt_text->text() != s.text)
        txt_text->setText(s.text);
    if (txt_ersatz->text() != s.replacement)
        txt_ersatz->setText(s.replacement);
    chk_grossKlein->setChecked(s.caseSensitive);
    int choice = 0;
    QString text;
    QString replacement;
    QString number;
    bool showNumber = false;
    bool showText = true;
    switch (s.kind) {
    case Kind::Replace:
        choice = s.every ? 1 : 0;
        text = u"Su&chen:"_s;
        replacement = u"Ersetzen &durch:"_s;
        break;
    case Kind::Pattern:
        text = u"&Von (* und ?):"_s;
        replacement = u"N&ach:"_s;
        break;
    case Kind::Regex:
        text = u"&Ausdruck:"_s;
        replacement = u"Ersatz (\\1 o&der $1):"_s;
        break;
    case Kind::Insert:
        choice = placeIndex(s);
        text = u"&Text:"_s;
        number = u"Ste&lle (< 0 vom Ende):"_s;
        showNumber = s.place == Place::Position;
        spn_zahl->setRange(-kLargest, kLargest);
        spn_zahl->setValue(s.count);
        break;
    case Kind::Number:
        text = u"&Muster (### Zahl, * Name):"_s;
        number = u"St&art:"_s;
        showNumber = true;
        spn_zahl->setRange(0, kLargest);
        spn_zahl->setValue(int(s.start));
        spn_schritt->setValue(int(s.step));
        break;
    case Kind::Remove:
        choice = placeIndex(s);
        text = u"&Text:"_s;
        number = u"&Zeichen:"_s;
        showText = s.place == Place::Text;
        showNumber = !showText;
        spn_zahl->setRange(0, kLargest);
        spn_zahl->setValue(s.count);
        break;
    case Kind::Case:
        choice = s.upper ? 1 : 0;
        showText = false;
        break;
    }
    cbo_wahl->setCurrentIndex(choices.isEmpty() ? -1 : choice);
    auto *form = static_cast<QFormLayout *>(lbl_text->parentWidget()->layout());
    lbl_text->setText(text);
    lbl_ersatz->setText(replacement);
    lbl_wahl->setText(s.kind == Kind::Case ? u"S&chreibweise:"_s : u"&Wo:"_s);
    lbl_zahl->setText(number);
    form->setRowVisible(txt_text, any && showText);
    form->setRowVisible(txt_ersatz, any && !replacement.isEmpty());
    form->setRowVisible(cbo_wahl, any && !choices.isEmpty());
    form->setRowVisible(chk_grossKlein, any && s.kind == Kind::Replace);
    form->setRowVisible(spn_zahl, any && showNumber);
    form->setRowVisible(spn_schritt, any && s.kind == Kind::Number);
    m_filling = false;
    showProblem();
}

// The selected step's problem under its fields; every step with one is
// red in the list, its problem as tooltip.
void frm_Regeln::showProblem()
{
    const QSignalBlocker quiet(lst_schritte);
    for (int i = 0; i < lst_schritte->count() && i < m_steps.size(); ++i) {
        const QString itsProblem = RuleList::problemOf(m_steps.at(i));
        QListWidgetItem *item = lst_schritte->item(i);
        item->setToolTip(itsProblem);
        item->setForeground(itsProblem.isEmpty() ? palette().brush(QPalette::Text) : QBrush(QColor(176, 0, 0)));
    }
    const int row = lst_schritte->currentRow();
    const QString problem = row >= 0 && row < m_steps.size() ? RuleList::problemOf(m_steps.at(row)) : QString();
    lbl_problem->setText(problem);
    lbl_problem->setVisible(!problem.isEmpty());
}

void frm_Regeln::stepsChanged()
{
    m_told.clear();
    showProblem();
    m_preview->setRules(m_steps);
}

void frm_Regeln::preview_Refreshed()
{
    const QString summary = RuleTexts::previewSummary(m_preview->changedCount(), m_preview->rowCount()) + u"; "_s
        + m_preview->checkSummary();
    const QString problem = m_preview->rules().firstProblem();
    QStringList lines{m_told, problem, summary};
    lines.removeAll(QString());
    lbl_meldung->setText(lines.join(u'\n'));
}

void frm_Regeln::cmd_oeffnen_Click()
{
    const QString path = m_platform.askFileName(this, u"Regeln öffnen"_s, kRulesFilter, false);
    if (path.isEmpty())
        return;
    const RuleFile::ReadResult read = RuleFile::read(path);
    if (!read.ok) {
        m_told = read.error;
        preview_Refreshed();
        return;
    }
    m_steps = read.steps;
    showSteps(m_steps.isEmpty() ? -1 : 0);
    stepsChanged();
    m_told = u"Regeln geöffnet: "_s + path;
    preview_Refreshed();
}

void frm_Regeln::cmd_speichern_Click()
{
    const QString path = m_platform.askFileName(this, u"Regeln speichern"_s, kRulesFilter, true);
    if (path.isEmpty())
        return;
    m_told = RuleFile::write(path, m_steps).toldText();
    preview_Refreshed();
}

// Remembered however the dialog ends.
void frm_Regeln::done(int result)
{
    m_platform.openSettings()->setValue(SettingsKeys::kRulesKey, RuleFile::lines(m_steps).join(u'\n'));
    QDialog::done(result);
}
