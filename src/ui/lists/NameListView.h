#pragma once

#include "lists/ListDrop.h"

#include <QListView>
#include <QStringList>

class NameListModel;
class QMimeData;

// A name list on the screen: single selection, one uniform row per entry,
// each with its row number. It reports every mouse press with its button,
// and a Click only when the user moves the selection with the mouse or the
// keyboard (gaining focus by Tab is no Click). Only the left button
// selects: a right press opens the list's command panel and must leave the
// selection alone; the Menu key and Shift+F10 are the keyboard's right
// press. A focused list shows its focus even when it has no row to carry
// it. F2 or a double-click edits an entry in place; edits,
// dropped files and dropped text are reported, not applied, so that the
// window can make each one an undoable command.
class NameListView : public QListView
{
    Q_OBJECT

public:
    explicit NameListView(QWidget *parent = nullptr);

    NameListModel *nameModel() const { return m_model; }
    const QStringList &entries() const;
    // Replaces all entries at once, outside the undo history: for filling
    // a list before any command, as tests and benchmarks do.
    void setEntries(const QStringList &entries);
    int count() const;
    // -1 when nothing is selected.
    int selectedRow() const;
    void selectRow(int row);

    // Scrolls both lists together, row beside row: each scrolls as far as
    // the longer one, so row N stays beside row N at either end.
    static void scrollTogether(NameListView *first, NameListView *second);

    // What a drop's data brings to a list.
    static ListDrop::Dropped dropped(const QMimeData *mime);

signals:
    void MouseDown(Qt::MouseButton button);
    void MenuKey();
    void Click();
    void entryEdited(int row, const QString &text);
    void lineBreakRefused();
    void fileDropped(const QString &path);
    void textDropped(const QString &text);
    // Several files or a web address; `why` is for the status line.
    void dropRefused(const QString &why);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void updateGeometries() override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    template <typename Handler>
    void clickIfSelectionMoves(Handler &&handler);

    void applyScrollRange();

    NameListModel *m_model = nullptr;
    NameListView *m_scrollPartner = nullptr;
    // How far the view itself would scroll, before the partner's range.
    int m_ownScrollMaximum = 0;
    bool m_layingOut = false;
};
