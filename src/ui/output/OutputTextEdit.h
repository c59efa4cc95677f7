#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPoint>
#include <QTextCursor>

// The output field: a plain text editor that takes a text of well over a
// million lines in a fraction of a second. A text document spends far more
// on a paragraph than on a character, so the field takes its text with many
// lines to a paragraph (OutputParagraphs) and hides that from the user: the
// scroll bar counts lines, a triple click selects one line, moving or
// deleting by words stops at a line end as it stops at a paragraph end, and
// Page Up goes back as far as Page Down went.
// It also keeps the bytes of rename.pro the text was made from, for as long
// as the text stays as it was shown.
class OutputTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Large enough to make the paragraphs few, small enough that laying out
    // a paragraph while typing in it costs nothing noticeable.
    static constexpr qsizetype kLinesPerParagraph = 64;

    explicit OutputTextEdit(QWidget *parent = nullptr);

    // Shows `paragraphs` (OutputParagraphs with kLinesPerParagraph) and
    // remembers `fileBytes` as the file that text stands for.
    void showOutput(const QString &paragraphs, QByteArray fileBytes);

    // The bytes given to showOutput; empty once anything changed the text.
    const QByteArray &unchangedFileBytes() const { return m_fileBytes; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void countLines(int from, int to);
    void recountKeepingTopLine(int topLine);
    bool moveByWord(QKeyEvent *event);
    bool moveByPage(QKeyEvent *event);
    void selectLinesTo(int position);
    void scrollBack(QPoint scrolled);

    QByteArray m_fileBytes;
    int m_changedFrom = 0;
    int m_changedTo = 0;
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickPoint;
    // What a double or triple click selected where the document would have
    // selected something else; dragging on extends it by lines, or not at all.
    QTextCursor m_mouseSelection;
    bool m_dragByLines = false;
};
