#include "ui/usage/frm_Verwendung.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frm_Verwendung::frm_Verwendung(const QString &folder, const QStringList &lines, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_Verwendung"));
    setWindowTitle(QStringLiteral("Verwendung"));
    auto *layout = new QVBoxLayout(this);
    auto *lbl_ordner = new QLabel(folder.isEmpty() ? QStringLiteral("Kein Prüfordner")
                                                   : QStringLiteral("Im Prüfordner ") + folder,
                                  this);
    lbl_ordner->setObjectName(QStringLiteral("lbl_ordner"));
    lbl_ordner->setTextFormat(Qt::PlainText);
    layout->addWidget(lbl_ordner);
    txt_verwendung = new QPlainTextEdit(this);
    txt_verwendung->setObjectName(QStringLiteral("txt_verwendung"));
    txt_verwendung->setReadOnly(true);
    txt_verwendung->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt_verwendung->setPlainText(lines.join(u'\n'));
    layout->addWidget(txt_verwendung);
    cmd_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    cmd_schliessen->setObjectName(QStringLiteral("cmd_schliessen"));
    cmd_schliessen->setDefault(true);
    layout->addWidget(cmd_schliessen, 0, Qt::AlignRight);
    connect(cmd_schliessen, &QPushButton::clicked, this, &frm_Verwendung::cmd_schliessen_Click);
    resize(560, 360);
}

void frm_Verwendung::cmd_schliessen_Click()
{
    accept();
}
