#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

// "Verwendung …": pair by pair, which objects of the check folder use the
// old name, and which objects' use could not be read. It shows the lines it
// is given and keeps no state of the window's.
class frm_Verwendung : public QDialog
{
    Q_OBJECT

public:
    frm_Verwendung(const QString &folder, const QStringList &lines, QWidget *parent = nullptr);

private:
    void cmd_schliessen_Click();

    QPlainTextEdit *txt_verwendung = nullptr;
    QPushButton *cmd_schliessen = nullptr;
};
