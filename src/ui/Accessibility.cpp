#include "ui/Accessibility.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace Accessibility {

namespace {

struct Name {
    const char *control;
    const char *name;
};

const Name kNames[] = {
    {"list_OldName", "Alte Namen"},     {"list_NewName", "Neue Namen"},
    {"kontextmenue", "Listenmenü"},     {"txt_OUT", "Inhalt von rename.pro"},
    {"txt_path", "Ausgabeverzeichnis"}, {"Drive1", "Laufwerk"},
    {"Dir1", "Verzeichnisse"},
};

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
    "Option1", "Option2", "list_OldName", "list_NewName", "paste", "cmd_del", "Text1", "cmd_hinzu", "clear", "save",
    "open", "Image_EXIT",
    // the rule and the generation
    "txt_rename", "txt_renameNEU", "cmd_action", "cmd_tabelle", "cmd_paareOeffnen", "cmd_paareSpeichern", "cmd_ordnen",
    "cmd_zeichnungen", "cmd_ordnerEinlesen", "cmd_pruefordner", "cmd_ohnePruefordner", "cmd_mapkeyNow", "cmd_openmFile",
    // the output folder chooser
    "txt_path", "Drive1", "Dir1", "chk_rueckweg", "cmd_okfiles", "img_quit",
    // the output and the window
    "imgOpen", "imgclose", "txt_OUT", "cmd_info", "img_EXIT"};

} // namespace

void prepareMainWindow(QWidget &window)
{
    const auto find = [&window](const char *name) { return window.findChild<QWidget *>(QLatin1String(name)); };
    for (const Name &entry : kNames) {
        if (QWidget *control = find(entry.control))
            control->setAccessibleName(QString::fromUtf8(entry.name));
    }
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

} // namespace Accessibility
