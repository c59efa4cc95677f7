#pragma once

#include <QLineEdit>

// A one-line field that takes pasted text as the user means it: a cell
// copied from a spreadsheet brings a line end, which is dropped; text with
// a line end inside is refused, the field keeps its text, and
// lineBreakRefused() lets the window say why. Every road of pasting goes
// through here: the paste keys, the middle button's selection, the
// context menu's "Einfügen" and drops.
class OneLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit OneLineEdit(QWidget *parent = nullptr);

signals:
    void lineBreakRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool qtPastesAsIs(const QString &pasted, bool overSelection);
};
