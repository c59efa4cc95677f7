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
// as the text stays as it was shown. The text is made from them only once
// the user can read some of the field (WindowLayout::outputSeen): at the
// window's narrow width it lies beyond the edge, or but a strip of it.
class OutputTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Large enough to make the paragraphs few, small enough that laying out
    // a paragraph while typing in it costs nothing noticeable.
    static constexpr qsizetype kLinesPerParagraph = 64;

    explicit OutputTextEdit(QWidget *parent = nullptr);

    // Takes rename.pro's bytes (Windows-1252, final CR LF included): the
    // field shows the text they stand for as soon as it is seen, at once
    // when it is seen now.
    void setOutputBytes(QByteArray fileBytes);
    // Shows an output text whose lines end in CR LF, for which there are no
    // bytes.
    void setOutputText(QStringView text);
    // No output, shown or waiting to be.
    void clearOutput();
    // Whether the field holds an output, shown or waiting to be.
    bool holdsOutput() const;

    // The bytes given to setOutputBytes; empty once anything changed the
    // text.
    const QByteArray &unchangedFileBytes() const { return m_fileBytes; }

    // Shows the text waiting for the field once a few characters' width of
    // it can be seen, or when it has the keyboard. The window calls it
    // whenever its size changes.
    void showWhenSeen();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void fill();
    void countLines(int from, int to);
    void recountKeepingTopLine(int topLine);
    bool moveByWord(QKeyEvent *event);
    bool moveByPage(QKeyEvent *event);
    void selectLinesTo(int position);
    void scrollBack(QPoint scrolled);

    QByteArray m_fileBytes;
    // The document still waits for the text of m_fileBytes.
    bool m_waiting = false;
    bool m_filling = false;
    int m_changedFrom = 0;
    int m_changedTo = 0;
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickPoint;
    // What a double or triple click selected where the document would have
    // selected something else; dragging on extends it by lines, or not at all.
    QTextCursor m_mouseSelection;
    bool m_dragByLines = false;
};
