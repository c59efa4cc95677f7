#pragma once

#include <QStyledItemDelegate>

// Paints a row of a name list: its number in a gutter on the left, the name
// check's mark as a symbol (a circle with a cross for an error, a triangle
// with "!" for a warning) over a tinted row, while a run check stands the
// run's state as a box (ticked for done, empty for open, with "?" for
// unclear), then the entry. Only as much of
// an entry as fits is handed to the painter, elided, so a 10 MB entry draws
// as fast as a short one. Edits in place end in signals, not in the model:
// the window turns them into undoable commands.
class NameListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NameListDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // At most the characters of `text` that can show in `width` pixels,
    // elided when cut: no character is narrower than a pixel.
    static QString visiblePart(const QString &text, const QFontMetrics &metrics, int width);

signals:
    void edited(int row, const QString &text) const;
    void lineBreakRefused() const;

private:
    struct Parts {
        QRect number;
        QRect mark;
        QRect run; // empty without a run check
        QRect text;
    };
    static Parts partsOf(const QStyleOptionViewItem &option, const QModelIndex &index);
    static void paintMark(QPainter *painter, const QRect &rect, int mark);
    static void paintRun(QPainter *painter, const QRect &rect, int state, const QFont &font);
};
