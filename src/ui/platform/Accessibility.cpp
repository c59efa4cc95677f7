#include "ui/platform/Accessibility.h"

#include "ui/platform/NamedComboBoxAccessible.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace Accessibility {

namespace {

// The name a screen reader says and the description it adds. Empty where
// the control's own text serves: an image button's name, a label's text,
// a caption that reads as it should. The captions " paste", "Action" and
// "SAVE" stay on the screen; only what is spoken is German.
struct Text {
    const char *control;
    const char *name;
    const char *description;
};

const Text kMainWindow[] = {
    {"frm_rename", "", "Mapkeys, die Pro/ENGINEER-Objekte umbenennen, aus zwei Namenslisten"},
    {"Label7", "", "Warnhinweis"},
    {"cmd_info", "Info", "Zeigt, was das Programm tut, seine Version und seine Lizenz"},
    {"Option1", "Alter Name", "Das Listenmenü wirkt auf die Liste der alten Namen"},
    {"Option2", "Neuer Name", "Das Listenmenü wirkt auf die Liste der neuen Namen"},
    {"list_OldName", "Alte Namen", "Ein Name je Zeile; die Menütaste oder Umschalt+F10 öffnet das Listenmenü"},
    {"list_NewName", "Neue Namen",
     "Je Zeile der neue Name zum alten daneben; die Menütaste oder Umschalt+F10 öffnet das Listenmenü"},
    {"lbl_pruefung", "", "Ergebnis der Namensprüfung"},
    {"Frame1", "Regel", "Leitet die neuen Namen aus den alten ab"},
    {"txt_rename", "Ausdruck", "Der Text, der in jedem alten Namen ersetzt wird"},
    {"txt_renameNEU", "Ersetzen mit", "Der Text, der an die Stelle des Ausdrucks tritt"},
    {"cmd_action", "Regel anwenden", "Füllt die Liste der neuen Namen nach der Regel aus den alten"},
    {"Frame_paare", "Paare", "Befehle für beide Listen zugleich"},
    {"cmd_tabelle", "Tabelle einfügen", ""},
    {"cmd_paareOeffnen", "Paare öffnen", "Liest beide Listen aus einer Datei mit zwei Spalten"},
    {"cmd_paareSpeichern", "Paare speichern", "Schreibt beide Listen in eine Datei mit zwei Spalten"},
    {"cmd_ordnen", "Reihenfolge ordnen",
     "Ordnet die Paare so, dass jeder neue Name frei ist, wenn sein Paar an der Reihe ist"},
    {"cmd_zeichnungen", "Zeichnungen ergänzen",
     "Hängt für jede Zeichnung des Prüfordners, deren Modell umbenannt wird, ihr Paar an beide Listen an"},
    {"cmd_unveraendert", "Unveränderte Paare entfernen",
     "Entfernt aus beiden Listen die Paare, deren neuer Name gleich dem alten ist"},
    {"Frame_ordner", "Ordner", "Der Arbeitsordner, aus dem gelesen und gegen den geprüft wird"},
    {"cmd_ordnerEinlesen", "Ordner einlesen", "Hängt die Objekte eines Ordners an die gewählte Liste an"},
    {"cmd_pruefordner", "Prüfordner wählen", "Prüft die Paare auch gegen die Objekte eines Ordners"},
    {"cmd_ohnePruefordner", "Ohne Prüfordner", "Prüft die Paare nicht mehr gegen einen Ordner"},
    {"cmd_laufPruefen", "Lauf prüfen",
     "Liest nach einem Lauf von rename.pro am Prüfordner ab, welche Paare erledigt, offen oder unklar sind"},
    {"cmd_offeneUebernehmen", "Offene übernehmen",
     "Behält nur die Paare, die der geprüfte Lauf nicht erledigt hat, in beiden Listen"},
    {"cmd_rueckwegErledigte", "Rückweg für Erledigte",
     "Schreibt rename_zurueck.pro für die Paare, die der geprüfte Lauf erledigt hat, in das Ausgabeverzeichnis"},
    {"chk_Verwender", "Verwender mitnehmen",
     "Öffnet die Baugruppen und Zeichnungen des Prüfordners, die einen alten Namen verwenden, vor dem Umbenennen "
     "und speichert sie danach"},
    {"cmd_verwendung", "Verwendung", "Zeigt je Paar, wer im Prüfordner den alten Namen verwendet"},
    {"cmd_vorlage", "Vorlage wählen",
     "Baut die Mapkeys aus der eingebauten Vorlage oder aus drei in der eigenen Pro/ENGINEER-Version "
     "aufgezeichneten Mapkeys"},
    {"imgOpen", "", "Zeigt rechts den Inhalt von rename.pro"},
    {"imgclose", "", "Blendet den Inhalt von rename.pro aus"},
    {"cmd_mapkeyNow", "",
     "Erzeugt den Inhalt von rename.pro aus beiden Listen und fragt dann nach dem Ausgabeverzeichnis"},
    {"cmd_openmFile", "", "Öffnet die geschriebene Datei rename.pro mit dem zugeordneten Programm"},
    {"img_EXIT", "", "Merkt sich Regel und Ausgabeverzeichnis und beendet das Programm"},
    {"lbl_status", "", "Statuszeile"},
    {"txt_OUT", "Inhalt von rename.pro", "Die erzeugten Mapkeys; was hier geändert wird, wird so gespeichert"},
    {"kontextmenue", "Listenmenü", "Befehle für die gewählte Liste"},
    {"Image_EXIT", "", "Schließt das Listenmenü"},
    {"paste", "Einfügen", "Hängt die Zeilen der Zwischenablage an die gewählte Liste an"},
    {"cmd_del", "Markierten Eintrag löschen", "Löscht den markierten und jeden leeren Eintrag der gewählten Liste"},
    {"cmd_paarLoeschen", "Paar löschen",
     "Löscht den markierten Eintrag und den neben ihm in der anderen Liste; Umschalt+Entf in einer Liste"},
    {"Text1", "Einzelner Eintrag", "Ein Name, den „hinzufügen“ oder die Eingabetaste an die gewählte Liste anhängt"},
    {"cmd_hinzu", "Hinzufügen", "Hängt den einzelnen Eintrag an die gewählte Liste an"},
    {"clear", "Liste löschen", "Leert die gewählte Liste"},
    {"save", "", "Speichert die gewählte Liste in ihre Listendatei"},
    {"open", "Liste öffnen", "Lädt die gewählte Liste aus ihrer Listendatei"},
    {"Frame5", "Ausgabeverzeichnis wählen", "Das Verzeichnis, in das rename.pro geschrieben wird"},
    {"txt_path", "Ausgabeverzeichnis", "Pfad des Verzeichnisses für rename.pro"},
    {"cmd_Pruefordner", "Prüfordner eintragen",
     "Trägt den Prüfordner, in dem die Objekte liegen, als Ausgabeverzeichnis ein"},
    {"Drive1", "Laufwerk", "Laufwerk des Verzeichnisbaums"},
    {"Dir1", "Verzeichnisse", "Die Verzeichnisse des gewählten Laufwerks"},
    {"chk_rueckweg", "Rückweg-Datei mit erstellen",
     "Schreibt neben rename.pro auch rename_zurueck.pro, das die Umbenennung rückgängig macht"},
    {"cmd_okfiles", "OK", "Schreibt rename.pro in das gewählte Verzeichnis"},
    {"img_quit", "", "Schließt die Auswahl, ohne rename.pro zu schreiben"},
};

const Text kInfoWindow[] = {
    {"frm_Info", "", "Was Velmorant tut, Version, Lizenz und Kontakt"},
    {"Text2", "Beschreibung", "Was das Programm tut und wie die Mapkeys in Pro/ENGINEER geladen werden"},
    {"Command1", "Ist ja gut", "Schließt das Info-Fenster"},
    {"Picture1", "Logo von Velmorant", ""},
    {"Text1", "Lizenz", "Der Lizenzhinweis"},
    {"Label5", "Webseite von Velmorant", "Öffnet die Webseite im Browser"},
    {"Image1", "Schlafende Figur", "Erwacht, wenn der Mauszeiger sie erreicht, und schließt dann das Info-Fenster"},
    {"Image2", "", "Schließt das Info-Fenster"},
};

// Enter and Return press a focused command button, as Space does; Qt
// gives them to buttons of dialogs only.
void pressedByEnter(QWidget &window)
{
    for (QPushButton *button : window.findChildren<QPushButton *>())
        button->setAutoDefault(true);
}

template <size_t N>
void describe(QWidget &window, const Text (&texts)[N])
{
    for (const Text &entry : texts) {
        QWidget *control = window.objectName() == QLatin1String(entry.control)
            ? &window
            : window.findChild<QWidget *>(QLatin1String(entry.control));
        if (!control)
            continue;
        if (*entry.name)
            control->setAccessibleName(QString::fromUtf8(entry.name));
        if (*entry.description)
            control->setAccessibleDescription(QString::fromUtf8(entry.description));
    }
}

struct Buddy {
    const char *label;
    const char *field;
};

const Buddy kBuddies[] = {
    {"Label1_2", "txt_rename"},
    {"Label1_3", "txt_renameNEU"},
    {"Label5", "Text1"},
};

// Hidden controls drop out of the chain by themselves.
const char *const kTabOrder[] = {
    // the lists and their menu
    "Option1", "Option2", "list_OldName", "list_NewName", "paste", "cmd_del", "cmd_paarLoeschen", "Text1", "cmd_hinzu",
    "clear", "save", "open", "Image_EXIT",
    // the rule and the generation
    "txt_rename", "txt_renameNEU", "cmd_action", "cmd_tabelle", "cmd_paareOeffnen", "cmd_paareSpeichern", "cmd_ordnen",
    "cmd_zeichnungen", "cmd_unveraendert", "cmd_ordnerEinlesen", "cmd_pruefordner", "cmd_ohnePruefordner",
    "cmd_laufPruefen", "cmd_offeneUebernehmen", "cmd_rueckwegErledigte", "chk_Verwender", "cmd_verwendung",
    "cmd_vorlage", "cmd_mapkeyNow", "cmd_openmFile",
    // the output folder chooser: the folder field leads to "OK" first
    "txt_path", "cmd_okfiles", "Drive1", "cmd_Pruefordner", "Dir1", "chk_rueckweg", "img_quit",
    // the output and the window
    "imgOpen", "imgclose", "txt_OUT", "cmd_info", "img_EXIT"};

} // namespace

void nameDropDownLists()
{
    static const bool installed = (QAccessible::installFactory(NamedComboBoxAccessible::factory), true);
    Q_UNUSED(installed);
}

void prepareMainWindow(QWidget &window)
{
    const auto find = [&window](const char *name) { return window.findChild<QWidget *>(QLatin1String(name)); };
    describe(window, kMainWindow);
    pressedByEnter(window);
    for (const Buddy &entry : kBuddies) {
        auto *label = qobject_cast<QLabel *>(find(entry.label));
        if (QWidget *field = find(entry.field); label && field)
            label->setBuddy(field);
    }
    // The output field would otherwise take Tab as a character and hold the
    // keyboard there.
    if (auto *output = window.findChild<QPlainTextEdit *>(QStringLiteral("txt_OUT")))
        output->setTabChangesFocus(true);
    QWidget *previous = nullptr;
    for (const char *name : kTabOrder) {
        QWidget *control = find(name);
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void prepareInfoWindow(QWidget &window)
{
    describe(window, kInfoWindow);
    pressedByEnter(window);
}

} // namespace Accessibility
