#include "ui/output/OutputTextEdit.h"

#include "ui/WindowLayout.h"
#include "ui/output/OutputParagraphs.h"
#include "ui/widgets/WaitCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <limits>

namespace {

// The line under `cursor` with its line end, as a triple click takes it.
QTextCursor wholeLine(QTextCursor cursor)
{
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::StartOfLine);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return cursor;
}

// What a double click at `at` selects when its line is a paragraph of its
// own: the word under the mouse, found in a document holding just the line.
QTextCursor wordInOwnLine(QTextCursor at)
{
    at.clearSelection();
    QTextCursor start = at;
    start.movePosition(QTextCursor::StartOfLine);
    QTextCursor end = at;
    end.movePosition(QTextCursor::EndOfLine);
    if (start.position() == end.position())
        return at;
    QTextDocument line(at.block().text().mid(start.positionInBlock(), end.position() - start.position()));
    QTextCursor inLine(&line);
    inLine.setPosition(at.position() - start.position());
    inLine.select(QTextCursor::WordUnderCursor);
    at.setPosition(start.position() + inLine.anchor());
    at.setPosition(start.position() + inLine.position(), QTextCursor::KeepAnchor);
    return at;
}

} // namespace

OutputTextEdit::OutputTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // The document reports the changed range first, then resets the line
    // counts there, then reports that it changed.
    connect(document(), &QTextDocument::contentsChange, this, [this](int from, int, int added) {
        m_changedFrom = from;
        m_changedTo = from + added;
    });
    // Any change, typed or set, ends what the remembered bytes stand for.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_filling) {
            m_fileBytes.clear();
            m_waiting = false;
        }
        countLines(m_changedFrom, m_changedTo);
    });
}

void OutputTextEdit::setOutputBytes(QByteArray fileBytes)
{
    clearOutput();
    m_fileBytes = std::move(fileBytes);
    m_waiting = !m_fileBytes.isEmpty();
    showWhenSeen();
}

void OutputTextEdit::setOutputText(QStringView text)
{
    setPlainText(OutputParagraphs::fromText(text, kLinesPerParagraph));
}

void OutputTextEdit::clearOutput()
{
    clear();
    m_fileBytes.clear();
    m_waiting = false;
}

bool OutputTextEdit::holdsOutput() const
{
    return m_waiting || !document()->isEmpty();
}

void OutputTextEdit::showWhenSeen()
{
    if (m_waiting
        && WindowLayout::outputSeen(viewport()->visibleRegion().boundingRect().width(),
                                    fontMetrics().averageCharWidth(), hasFocus()))
        fill();
}

void OutputTextEdit::focusInEvent(QFocusEvent *event)
{
    if (m_waiting)
        fill();
    QPlainTextEdit::focusInEvent(event);
}

// Piece by piece into one edit block: the document holds its text once, and
// the bytes stay beside it for "OK". Nothing of it can be undone, as after
// setPlainText, and the cursor starts at the top.
void OutputTextEdit::fill()
{
    constexpr qsizetype kPieceBytes = qsizetype(4) << 20;
    const WaitCursor busy;
    m_waiting = false;
    m_filling = true;
    QTextDocument *doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor end(doc);
    end.beginEditBlock();
    OutputParagraphs::fromFileBytesInPieces(m_fileBytes, kLinesPerParagraph, kPieceBytes,
                                            [&end](const QString &piece) { end.insertText(piece); });
    end.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    m_filling = false;
    moveCursor(QTextCursor::Start);
}

// A changed paragraph counts as one line to the document until it is laid
// out for drawing; the scroll bar would then shrink a 64-line paragraph out
// of view to one line and jump while the user scrolls. Without wrapping, a
// paragraph holds one line more than line separators. A text just filled in
// holds kLinesPerParagraph lines in every paragraph but the last: counting
// them would copy the whole text once more.
void OutputTextEdit::countLines(int from, int to)
{
    QTextDocument *doc = document();
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        block.setLineCount(m_filling && block.next().isValid() ? int(kLinesPerParagraph)
                                                               : int(block.text().count(QChar::LineSeparator)) + 1);
    }
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
}

// A new width or font makes the document forget every paragraph's layout,
// and with it the line counts the scroll bar's position is measured in.
void OutputTextEdit::resizeEvent(QResizeEvent *event)
{
    const int topLine = verticalScrollBar()->value();
    QPlainTextEdit::resizeEvent(event);
    if (event->oldSize().width() != event->size().width())
        recountKeepingTopLine(topLine);
}

void OutputTextEdit::changeEvent(QEvent *event)
{
    const int topLine = verticalScrollBar()->value();
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange)
        recountKeepingTopLine(topLine);
}

void OutputTextEdit::recountKeepingTopLine(int topLine)
{
    countLines(0, std::numeric_limits<int>::max());
    verticalScrollBar()->setValue(topLine);
}

void OutputTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (!moveByWord(event) && !moveByPage(event))
        QPlainTextEdit::keyPressEvent(event);
}

// The document pages by paragraphs and by lines within them, and where a
// page ends near a paragraph's edge Page Up went one line further than
// Page Down had come. Here both move the view and the cursor by the lines
// that fit wholly into the field, as a field of one line to a paragraph
// does; so each undoes the other.
bool OutputTextEdit::moveByPage(QKeyEvent *event)
{
    const bool down = event == QKeySequence::MoveToNextPage || event == QKeySequence::SelectNextPage;
    if (!down && !(event == QKeySequence::MoveToPreviousPage || event == QKeySequence::SelectPreviousPage))
        return false;
    const bool select = event == QKeySequence::SelectNextPage || event == QKeySequence::SelectPreviousPage;
    // A line without wrapping is as high as the font; the scroll bar's own
    // page leaves out a line the field shows whole.
    const int page = std::max(1, int(viewport()->height() / QFontMetricsF(document()->defaultFont()).height()));
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + (down ? page : -page));
    QTextCursor cursor = textCursor();
    cursor.movePosition(down ? QTextCursor::Down : QTextCursor::Up,
                        select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor, page);
    setTextCursor(cursor);
    return true;
}

// Moving, selecting or deleting by words crosses a line end only when it
// starts right at it, and then moves over the line end alone; otherwise it
// stops at the line end, as at the end of a paragraph.
bool OutputTextEdit::moveByWord(QKeyEvent *event)
{
    bool forward = false;
    QTextCursor::MoveMode mode = QTextCursor::MoveAnchor;
    bool remove = false;
    if (event == QKeySequence::MoveToNextWord || event == QKeySequence::SelectNextWord
        || event == QKeySequence::DeleteEndOfWord)
        forward = true;
    else if (!(event == QKeySequence::MoveToPreviousWord || event == QKeySequence::SelectPreviousWord
               || event == QKeySequence::DeleteStartOfWord))
        return false;
    if (event == QKeySequence::SelectNextWord || event == QKeySequence::SelectPreviousWord)
        mode = QTextCursor::KeepAnchor;
    if (event == QKeySequence::DeleteEndOfWord || event == QKeySequence::DeleteStartOfWord) {
        if (textCursor().hasSelection() || isReadOnly())
            return false;
        mode = QTextCursor::KeepAnchor;
        remove = true;
    }

    QTextCursor cursor = textCursor();
    const QString text = cursor.block().text();
    const int inBlock = cursor.positionInBlock();
    const int blockStart = cursor.block().position();
    int target = 0;
    QTextCursor word = cursor;
    if (forward) {
        const int lineEnd = int(text.indexOf(QChar::LineSeparator, inBlock));
        if (lineEnd < 0)
            return false;
        word.movePosition(QTextCursor::NextWord);
        target = lineEnd == inBlock ? cursor.position() + 1 : std::min(word.position(), blockStart + lineEnd);
    } else {
        if (inBlock == 0)
            return false;
        const int lineStart = int(text.lastIndexOf(QChar::LineSeparator, inBlock - 1)) + 1;
        if (lineStart == 0)
            return false;
        word.movePosition(QTextCursor::PreviousWord);
        target = lineStart == inBlock ? cursor.position() - 1 : std::max(word.position(), blockStart + lineStart);
    }
    cursor.setPosition(target, mode);
    if (remove)
        cursor.removeSelectedText();
    setTextCursor(cursor);
    return true;
}

// Next to a line separator the document finds a word where a line end
// has none: on an empty line, or right of a line that ends in a blank or a
// mark, a double click selects nothing, and dragging on changes nothing.
void OutputTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QTextCursor word = wordInOwnLine(cursorForPosition(event->position().toPoint()));
    QPlainTextEdit::mouseDoubleClickEvent(event);
    m_sinceDoubleClick.start();
    m_doubleClickPoint = event->position().toPoint();
    const QTextCursor made = textCursor();
    if (event->button() != Qt::LeftButton || (word.anchor() == made.anchor() && word.position() == made.position()))
        return;
    setTextCursor(word);
    if (!word.hasSelection()) {
        m_mouseSelection = word;
        m_dragByLines = false;
    }
}

// A third click soon after a double click selects the line under the mouse
// with its line end; dragging on extends the selection by whole lines. The
// document itself selects the whole paragraph and scrolls to its end, so
// the scroll bars are put back before the line is selected.
void OutputTextEdit::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const bool tripleClick = event->button() == Qt::LeftButton && m_sinceDoubleClick.isValid()
        && m_sinceDoubleClick.elapsed() < QApplication::doubleClickInterval()
        && (at - m_doubleClickPoint).manhattanLength() < QApplication::startDragDistance();
    m_sinceDoubleClick.invalidate();
    m_mouseSelection = QTextCursor();
    const QTextCursor under = cursorForPosition(at);
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QPlainTextEdit::mousePressEvent(event);
    if (!tripleClick)
        return;
    scrollBack(scrolled);
    m_mouseSelection = wholeLine(under);
    m_dragByLines = true;
    setTextCursor(m_mouseSelection);
}

void OutputTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (m_mouseSelection.isNull() || !(event->buttons() & Qt::LeftButton)) {
        QPlainTextEdit::mouseMoveEvent(event);
        return;
    }
    const int under = cursorForPosition(event->position().toPoint()).position();
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QPlainTextEdit::mouseMoveEvent(event);
    scrollBack(scrolled);
    if (m_dragByLines)
        selectLinesTo(under);
    else
        setTextCursor(m_mouseSelection);
}

void OutputTextEdit::scrollBack(QPoint scrolled)
{
    horizontalScrollBar()->setValue(scrolled.x());
    verticalScrollBar()->setValue(scrolled.y());
}

// From where a click selected nothing (an empty last line, a line end)
// the selection follows the mouse character by character.
void OutputTextEdit::selectLinesTo(int position)
{
    const QTextCursor &line = m_mouseSelection;
    QTextCursor cursor = line;
    if (!line.hasSelection()) {
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    } else if (position < line.selectionStart()) {
        cursor.setPosition(line.selectionEnd());
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::StartOfLine, QTextCursor::KeepAnchor);
    } else if (position > line.selectionEnd()) {
        cursor.setPosition(line.selectionStart());
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
}
