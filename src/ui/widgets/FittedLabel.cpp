#include "ui/widgets/FittedLabel.h"

#include "common/ShortLine.h"

#include <QPainter>
#include <QStyle>

FittedLabel::FittedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

QString FittedLabel::shownText() const
{
    const int width = contentsRect().width() - 2 * margin();
    if (width != m_fittedWidth || text() != m_fittedFor) {
        const QFontMetrics metrics = fontMetrics();
        m_fitted = ShortLine::fitted(text(), width,
                                     [&metrics](const QString &shown) { return metrics.horizontalAdvance(shown); });
        m_fittedFor = text();
        m_fittedWidth = width;
    }
    return m_fitted;
}

void FittedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shownText(), foregroundRole());
}
