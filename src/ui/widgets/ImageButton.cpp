#include "ui/widgets/ImageButton.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ImageButton::ImageButton(Pictures::Picture picture, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture)
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize ImageButton::sizeHint() const
{
    return Pictures::draw(m_picture).size();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    // Drawn afresh when the window moves to a screen of another ratio.
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != devicePixelRatioF())
        m_pixmap = Pictures::draw(m_picture, devicePixelRatioF());
    QStylePainter painter(this);
    const QSize size = m_pixmap.deviceIndependentSize().toSize();
    QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown())
        topLeft += QPoint(1, 1);
    painter.drawPixmap(topLeft, m_pixmap);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

// Space is the button's own key; Enter and Return press it as well, as
// they do a command button with focus.
void ImageButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
