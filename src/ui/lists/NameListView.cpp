#include "ui/lists/NameListView.h"

#include "ui/lists/NameListDelegate.h"
#include "ui/lists/NameListModel.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

namespace {

// A refused drop is taken all the same, to say why.
bool canTake(const QMimeData *mime)
{
    return NameListView::dropped(mime).kind != ListDrop::Dropped::Kind::Nothing;
}

} // namespace

NameListView::NameListView(QWidget *parent)
    : QListView(parent)
    , m_model(new NameListModel(this))
{
    setModel(m_model);
    auto *delegate = new NameListDelegate(this);
    setItemDelegate(delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Shown or hidden together with the partner's (applyScrollRange).
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // By pixel, so that a list can scroll past its own last row to stay
    // beside a longer partner.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAcceptDrops(true);
    connect(delegate, &NameListDelegate::edited, this, &NameListView::entryEdited);
    connect(delegate, &NameListDelegate::lineBreakRefused, this, &NameListView::lineBreakRefused);
}

const QStringList &NameListView::entries() const
{
    return m_model->entries();
}

void NameListView::setEntries(const QStringList &entries)
{
    m_model->setEntries(entries);
}

int NameListView::count() const
{
    return m_model->rowCount();
}

int NameListView::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void NameListView::selectRow(int row)
{
    selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

void NameListView::scrollTogether(NameListView *first, NameListView *second)
{
    first->m_scrollPartner = second;
    second->m_scrollPartner = first;
    for (NameListView *list : {first, second}) {
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, list, [list](int value) {
            if (!list->m_layingOut)
                list->m_scrollPartner->verticalScrollBar()->setValue(value);
        });
    }
}

// Qt's layout sets the list's own range, which may pull the value back on
// the way; the partner hears only the value the list ends with. A layout
// that a policy change starts inside this one takes its value from there,
// and the outer one puts the value back.
void NameListView::updateGeometries()
{
    QScrollBar *bar = verticalScrollBar();
    const int value = bar->value();
    {
        const QScopedValueRollback<bool> layingOut(m_layingOut, true);
        QListView::updateGeometries();
        m_ownScrollMaximum = bar->maximum();
        applyScrollRange();
    }
    bar->setValue(value);
    if (m_scrollPartner)
        m_scrollPartner->applyScrollRange();
}

// Both lists scroll as far as the longer one, and both show a scroll bar
// exactly when either has to scroll. A bar shown as needed by its own range
// would livelock: Qt's layout sets the short list's range to nothing and
// hides its bar, the partner's range shows it again, and each of the two
// asks for a new layout. A fixed policy, decided from the two ranges alone,
// never depends on whether a bar is shown, since the bar takes width only.
void NameListView::applyScrollRange()
{
    const int wanted = std::max(m_ownScrollMaximum, m_scrollPartner ? m_scrollPartner->m_ownScrollMaximum : 0);
    if (verticalScrollBar()->maximum() != wanted)
        verticalScrollBar()->setMaximum(wanted);
    const Qt::ScrollBarPolicy policy = wanted > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (verticalScrollBarPolicy() != policy)
        setVerticalScrollBarPolicy(policy);
}

// A removed entry takes its mark along; Qt would mark its neighbour, and a
// second "markiertes löschen" would then delete an entry nobody marked.
void NameListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    const int current = currentIndex().row();
    if (current >= start && current <= end)
        selectionModel()->clear();
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

template <typename Handler>
void NameListView::clickIfSelectionMoves(Handler &&handler)
{
    const int before = selectedRow();
    handler();
    if (selectedRow() != before)
        emit Click();
}

void NameListView::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    if (event->button() == Qt::LeftButton)
        clickIfSelectionMoves([&] { QListView::mousePressEvent(event); });
    else
        event->accept();
}

void NameListView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        clickIfSelectionMoves([&] { QListView::mouseMoveEvent(event); });
    else
        event->accept();
}

void NameListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        clickIfSelectionMoves([&] { QListView::mouseReleaseEvent(event); });
    else
        event->accept();
}

void NameListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        clickIfSelectionMoves([&] { QListView::mouseDoubleClickEvent(event); });
    else
        event->accept();
}

void NameListView::keyPressEvent(QKeyEvent *event)
{
    const QKeyCombination key = event->keyCombination();
    if (key == QKeyCombination(Qt::Key_Menu) || key == QKeyCombination(Qt::SHIFT | Qt::Key_F10))
        emit MenuKey();
    else
        clickIfSelectionMoves([&] { QListView::keyPressEvent(event); });
}

// The frame goes round the whole empty list, drawn as the style draws it
// round a row: some styles show it only after a key moved the focus.
void NameListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (count() > 0 || !hasFocus())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    frame.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

ListDrop::Dropped NameListView::dropped(const QMimeData *mime)
{
    return ListDrop::what(mime->hasUrls() ? mime->urls() : QList<QUrl>(), mime->hasText(), mime->text());
}

void NameListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (canTake(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void NameListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (canTake(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void NameListView::dropEvent(QDropEvent *event)
{
    const ListDrop::Dropped drop = dropped(event->mimeData());
    if (drop.kind == ListDrop::Dropped::Kind::Nothing) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (drop.kind == ListDrop::Dropped::Kind::File)
        emit fileDropped(drop.value);
    else if (drop.kind == ListDrop::Dropped::Kind::Text)
        emit textDropped(drop.value);
    else
        emit dropRefused(drop.value);
}
