#include "ui/widgets/OneLineEdit.h"

#include "lists/NameListOps.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include <limits>

OneLineEdit::OneLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    // Qt cuts a line edit's text at 32767 characters; these fields hold
    // whatever the user or the settings put there.
    setMaxLength(std::numeric_limits<int>::max());
}

// True when the text needs no change and Qt's own paste may take it (its
// undo steps and cursor as always). Otherwise the text goes in here
// without its line end, or is refused; `overSelection` is false where Qt
// pastes beside the field's selection rather than over it.
bool OneLineEdit::qtPastesAsIs(const QString &pasted, bool overSelection)
{
    const std::optional<QString> line = NameListOps::pastedIntoLine(pasted);
    if (line && *line == pasted)
        return true;
    if (!line) {
        emit lineBreakRefused();
        return false;
    }
    if (!overSelection)
        deselect();
    insert(*line);
    return false;
}

void OneLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()
        && !qtPastesAsIs(QGuiApplication::clipboard()->text(), true)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void OneLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()
        && !qtPastesAsIs(clipboard->text(QClipboard::Selection), false)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OneLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // The menu's paste is the action connected to Qt's own paste, in
    // either way of connecting that Qt versions use.
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))
            || disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this, [this] {
                if (qtPastesAsIs(QGuiApplication::clipboard()->text(), true))
                    paste();
            });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Qt inserts a drop's text where it lands; a trimmed text goes the same
// way, in a copy of the drop.
void OneLineEdit::dropEvent(QDropEvent *event)
{
    const QString pasted = event->mimeData()->text();
    const std::optional<QString> line = NameListOps::pastedIntoLine(pasted);
    if (line && *line == pasted) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (!line) {
        event->ignore();
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        emit lineBreakRefused();
        return;
    }
    QMimeData trimmed;
    trimmed.setText(*line);
    QDropEvent copy(event->position(), event->possibleActions(), &trimmed, event->buttons(), event->modifiers());
    copy.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&copy);
    event->setDropAction(copy.dropAction());
    event->setAccepted(copy.isAccepted());
}
