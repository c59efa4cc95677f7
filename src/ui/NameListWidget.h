#pragma once

#include <QListWidget>
#include <QStringList>

// A name list: single selection, entries in the order they were added. It
// reports every mouse press with its button, and a Click when the user
// moves the selection. Only the left button selects: a right press opens the
// list's command panel and must leave the selection alone.
//
// A Click comes only from the user's own input, a left press or drag of the
// mouse or a key pressed in the list. Qt moves the current row on its own as
// well, when the list gains the focus by Tab or its entries change; such a
// move is no Click, or tabbing through the window would switch the current
// list and close the panel.
class NameListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit NameListWidget(QWidget *parent = nullptr);

    QStringList entries() const;
    // Replaces all entries; the selection is gone and no Click is raised.
    void setEntries(const QStringList &entries);
    void appendEntries(const QStringList &entries);
    int selectedRow() const;

signals:
    void MouseDown(Qt::MouseButton button);
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_handlingUserInput = false;
};
