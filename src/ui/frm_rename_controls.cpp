// Building the main window's controls at their design places (twips).
#include "ui/frm_rename.h"

#include "ui/chooser/FolderChooser.h"
#include "ui/lists/NameListView.h"
#include "ui/output/OutputTextEdit.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/DesignFont.h"
#include "ui/platform/Twips.h"
#include "ui/widgets/FittedLabel.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/OneLineEdit.h"
#include "ui/widgets/Pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

QFrame *separator(QWidget *parent, const char *name, double left, double right, double top)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return Twips::place(line, name, left, top - 15, right - left, 30);
}

} // namespace

void frm_rename::createControls()
{
    Accessibility::nameDropDownLists();
    setObjectName(QStringLiteral("frm_rename"));
    setWindowTitle(QStringLiteral("Velmorant"));
    setWindowIcon(Pictures::windowIcon());
    setFont(DesignFont::sansSerif());

    Label7 = Twips::place(
        new QLabel(QStringLiteral("Sichern Sie Ihre Daten bevor Sie Aktionen mit dem Mapkey \"rename\" durchführen !"),
                   this),
        "Label7", 105, 45, 7260, 240);
    Label7->setFont(DesignFont::bold());

    cmd_info = Twips::place(new QPushButton(QStringLiteral("Info"), this), "cmd_info", 7455, 45, 1275, 375);
    cmd_info->setFont(DesignFont::bold());

    txt_OUT = Twips::place(new OutputTextEdit(this), "txt_OUT", 9135, 180, 7320, 7350);
    txt_OUT->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_OUT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_OUT->viewport()->installEventFilter(this);

    Option1 = Twips::place(new QRadioButton(QStringLiteral("alter Name"), this), "Option1", 105, 405, 1380, 195);
    Option2 = Twips::place(new QRadioButton(QStringLiteral("neuer Name"), this), "Option2", 3045, 405, 1380, 195);
    Option1->setChecked(true);

    list_OldName = Twips::place(new NameListView(this), "list_OldName", 105, 630, 2700, 5715);
    list_NewName = Twips::place(new NameListView(this), "list_NewName", 2940, 630, 2700, 5715);
    NameListView::scrollTogether(list_OldName, list_NewName);
    // In the strip between the lists and the generation command, which
    // moves with the bottom row; the template set's command on the same
    // line, as the line names a recorded set, below the groups and clear of
    // the line's whole width: lists of different length come first in it.
    lbl_pruefung = Twips::place(new FittedLabel(QString(), this), "lbl_pruefung", 105, 6360, 5535, 285);
    cmd_vorlage = Twips::place(new QPushButton(QStringLiteral("&Vorlage …"), this), "cmd_vorlage", 5880, 6360, 1335,
                               285);
    cmd_vorlage->setToolTip(QStringLiteral("Die Mapkeys aus der eingebauten Vorlage oder aus drei in der eigenen "
                                           "Pro/ENGINEER-Version aufgezeichneten Mapkeys bauen"));

    createRuleFrame();
    createGroupColumn();

    imgOpen = Twips::place(new ImageButton(Pictures::Picture::TabRight, QStringLiteral("Ausgabe einblenden"), this),
                           "imgOpen", 8925, 3015, 135, 1605);
    imgclose = Twips::place(new ImageButton(Pictures::Picture::TabLeft, QStringLiteral("Ausgabe ausblenden"), this),
                            "imgclose", 8925, 3015, 135, 1605);
    imgclose->hide();

    cmd_mapkeyNow = Twips::place(new QPushButton(QStringLiteral("Mapkey rename in Datei rename.pro jetzt erstellen"),
                                                 this),
                                 "cmd_mapkeyNow", 210, 6525, 5355, 630);
    cmd_mapkeyNow->setFont(DesignFont::bold());
    cmd_openmFile = Twips::place(new QPushButton(QStringLiteral("Mapkey-Datei öffnen"), this), "cmd_openmFile", 5670,
                                 6525, 1485, 600);
    // There is room up to the exit picture.
    DesignFont::widenToCaption(cmd_openmFile);
    cmd_openmFile->hide();
    img_EXIT = Twips::place(new ImageButton(Pictures::Picture::BigExit, QStringLiteral("Programm beenden"), this),
                            "img_EXIT", 7770, 6300, 1110, 1170);
    // Both lines show names and paths as they stand, never read as rich
    // text, and let a long folder give way before the words around it.
    lbl_status = Twips::place(new FittedLabel(QStringLiteral("Status"), this), "lbl_status", 210, 7245, 8730, 285);
    lbl_status->installEventFilter(this);

    createContextMenu();

    Frame5 = new FolderChooser(m_platform, this);
    Accessibility::prepareMainWindow(*this);
}

void frm_rename::createRuleFrame()
{
    Frame1 = Twips::place(new QGroupBox(QStringLiteral("Regel"), this), "Frame1", 5880, 630, 2955, 1950);
    Label1_2 = Twips::place(new QLabel(QStringLiteral("Ausdruck"), Frame1), "Label1_2", 105, 270, 1275, 285);
    txt_rename = Twips::place(new OneLineEdit(Frame1), "txt_rename", 105, 495, 2535, 285);
    Label1_3 = Twips::place(new QLabel(QStringLiteral("ersetzen mit"), Frame1), "Label1_3", 105, 945, 1275, 285);
    txt_renameNEU = Twips::place(new OneLineEdit(Frame1), "txt_renameNEU", 105, 1170, 2535, 285);
    cmd_action = Twips::place(new QPushButton(QStringLiteral("Action"), Frame1), "cmd_action", 420, 1530, 1800, 330);
    // Between the two fields, right of the second caption.
    cmd_regeln = Twips::place(new QPushButton(QStringLiteral("Re&geln …"), Frame1), "cmd_regeln", 1455, 855, 1185, 300);
    cmd_regeln->setToolTip(QStringLiteral("Neue Namen durch eine Liste von Schritten, mit Vorschau"));
}

// The groups below the rule stand in a column that scrolls where the
// window is too low for all of them, so that the bottom row, which moves
// up with a lower window, never covers them. Its scroll bar stands left,
// in the gap beside the lists: the groups keep their places whether it
// shows or not.
void frm_rename::createGroupColumn()
{
    Frame_gruppen = Twips::place(new QScrollArea(this), "Frame_gruppen", 5655, 2640, 3180, 3615);
    Frame_gruppen->setFrameShape(QFrame::NoFrame);
    Frame_gruppen->setFocusPolicy(Qt::NoFocus);
    Frame_gruppen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Frame_gruppen->setLayoutDirection(Qt::RightToLeft);
    auto *column = Twips::place(new QWidget, "Frame_gruppenSpalte", 0, 0, 2955, 4770);
    column->setLayoutDirection(Qt::LeftToRight);
    createPairsFrame(column);
    createFolderFrame(column);
    Frame_gruppen->setWidget(column);
    column->setAutoFillBackground(false);
    Frame_gruppen->viewport()->setAutoFillBackground(false);
}

// Commands on both lists at once, in the free space below the rule. Each
// has a mnemonic, unlike the captions the program has always had.
void frm_rename::createPairsFrame(QWidget *column)
{
    Frame_paare = Twips::place(new QGroupBox(QStringLiteral("Paare"), column), "Frame_paare", 0, 0, 2955, 2010);
    cmd_tabelle = Twips::place(new QPushButton(QStringLiteral("&Tabelle einfügen"), Frame_paare), "cmd_tabelle", 105,
                               255, 2745, 285);
    cmd_tabelle->setToolTip(
        QStringLiteral("Zwei Spalten aus der Zwischenablage an beide Listen anhängen (Strg+Umschalt+V)"));
    cmd_paareOeffnen = Twips::place(new QPushButton(QStringLiteral("P&aare öffnen"), Frame_paare), "cmd_paareOeffnen",
                                    105, 600, 1335, 285);
    cmd_paareSpeichern = Twips::place(new QPushButton(QStringLiteral("Paare &speichern"), Frame_paare),
                                      "cmd_paareSpeichern", 1515, 600, 1335, 285);
    cmd_ordnen = Twips::place(new QPushButton(QStringLiteral("&Reihenfolge ordnen"), Frame_paare), "cmd_ordnen", 105,
                              945, 2745, 285);
    cmd_zeichnungen = Twips::place(new QPushButton(QStringLiteral("&Zeichnungen ergänzen"), Frame_paare),
                                   "cmd_zeichnungen", 105, 1290, 2745, 285);
    cmd_zeichnungen->setToolTip(
        QStringLiteral("Für jedes Teil und jede Baugruppe, deren Zeichnung im Prüfordner zurückbliebe, "
                       "die Zeichnung mit umbenennen"));
    cmd_unveraendert = Twips::place(new QPushButton(QStringLiteral("&Unveränderte Paare entfernen"), Frame_paare),
                                    "cmd_unveraendert", 105, 1635, 2745, 285);
    cmd_unveraendert->setToolTip(
        QStringLiteral("Die Paare, deren neuer Name gleich dem alten ist, aus beiden Listen entfernen"));
}

// The working folder, below the pairs: its objects read into the current
// list, the folder the pairs are checked against, and after a run in
// Pro/ENGINEER what that folder tells of it.
void frm_rename::createFolderFrame(QWidget *column)
{
    Frame_ordner = Twips::place(new QGroupBox(QStringLiteral("Ordner"), column), "Frame_ordner", 0, 2070, 2955, 2700);
    cmd_ordnerEinlesen = Twips::place(new QPushButton(QStringLiteral("&Ordner einlesen …"), Frame_ordner),
                                      "cmd_ordnerEinlesen", 105, 255, 2745, 285);
    cmd_ordnerEinlesen->setToolTip(QStringLiteral("Die Objekte eines Ordners an die aktuelle Liste anhängen"));
    cmd_pruefordner = Twips::place(new QPushButton(QStringLiteral("&Prüfordner …"), Frame_ordner), "cmd_pruefordner",
                                   105, 600, 1335, 285);
    cmd_pruefordner->setToolTip(QStringLiteral("Die Paare gegen die Objekte eines Ordners prüfen"));
    cmd_ohnePruefordner = Twips::place(new QPushButton(QStringLiteral("o&hne Prüfordner"), Frame_ordner),
                                       "cmd_ohnePruefordner", 1515, 600, 1335, 285);
    cmd_ohnePruefordner->setToolTip(QStringLiteral("Die Paare nicht mehr gegen einen Ordner prüfen"));
    cmd_ohnePruefordner->setEnabled(false);
    cmd_laufPruefen = Twips::place(new QPushButton(QStringLiteral("&Lauf prüfen"), Frame_ordner), "cmd_laufPruefen",
                                   105, 945, 2745, 285);
    cmd_laufPruefen->setToolTip(
        QStringLiteral("Nach einem Lauf von rename.pro am Prüfordner ablesen, welche Paare erledigt sind"));
    cmd_offeneUebernehmen = Twips::place(new QPushButton(QStringLiteral("Offe&ne übernehmen"), Frame_ordner),
                                         "cmd_offeneUebernehmen", 105, 1290, 2745, 285);
    cmd_offeneUebernehmen->setToolTip(QStringLiteral("Nur die offenen Paare in den Listen behalten"));
    cmd_rueckwegErledigte = Twips::place(new QPushButton(QStringLiteral("Rückweg für &Erledigte"), Frame_ordner),
                                         "cmd_rueckwegErledigte", 105, 1635, 2745, 285);
    cmd_rueckwegErledigte->setToolTip(
        QStringLiteral("rename_zurueck.pro für die erledigten Paare in das Ausgabeverzeichnis schreiben"));
    for (QPushButton *command : {cmd_laufPruefen, cmd_offeneUebernehmen, cmd_rueckwegErledigte})
        command->setEnabled(false);
    m_users.createControls(Frame_ordner);
}

void frm_rename::createContextMenu()
{
    kontextmenue = Twips::place(new QFrame(this), "kontextmenue", 1785, 1305, 2460, 3585);
    kontextmenue->setFrameShape(QFrame::Box);
    kontextmenue->setAutoFillBackground(true);
    QPalette palette = kontextmenue->palette();
    palette.setColor(QPalette::Window, QColor(255, 192, 128));
    kontextmenue->setPalette(palette);

    Image_EXIT = Twips::place(new ImageButton(Pictures::Picture::SmallExit, QStringLiteral("Listenmenü schließen"),
                                              kontextmenue),
                              "Image_EXIT", 1890, 45, 480, 480);
    Image_EXIT->setToolTip(QStringLiteral("EXIT"));
    // In the free strip beside the close box.
    cmd_paarLoeschen = Twips::place(new QPushButton(QStringLiteral("Paar löschen"), kontextmenue), "cmd_paarLoeschen",
                                    105, 150, 1695, 285);
    cmd_paarLoeschen->setToolTip(
        QStringLiteral("Den markierten Eintrag und den neben ihm aus beiden Listen löschen (Umschalt+Entf)"));
    paste = Twips::place(new QPushButton(QStringLiteral(" paste"), kontextmenue), "paste", 120, 615, 2220, 330);
    paste->setFont(DesignFont::bold());
    cmd_del = Twips::place(new QPushButton(QStringLiteral("markiertes löschen"), kontextmenue), "cmd_del", 105, 1080,
                           2220, 285);
    Line1 = separator(kontextmenue, "Line1", 105, 2310, 1440);
    Label5 = Twips::place(new QLabel(QStringLiteral("Einzelner Eintrag:"), kontextmenue), "Label5", 105, 1485, 1380,
                          285);
    Text1 = Twips::place(new OneLineEdit(kontextmenue), "Text1", 105, 1710, 2220, 285);
    cmd_hinzu = Twips::place(new QPushButton(QStringLiteral("hinzufügen"), kontextmenue), "cmd_hinzu", 105, 2025, 2220,
                             285);
    Line2 = separator(kontextmenue, "Line2", 105, 2310, 2340);
    clear = Twips::place(new QPushButton(QStringLiteral("Liste löschen"), kontextmenue), "clear", 105, 2475, 2220, 285);
    save = Twips::place(new ImageButton(Pictures::Picture::Floppy, QStringLiteral("Liste speichern"), kontextmenue),
                        "save", 420, 2970, 510, 495);
    open = Twips::place(new QPushButton(QStringLiteral("Liste öffnen"), kontextmenue), "open", 1155, 2970, 960, 495);
    kontextmenue->raise();
}
