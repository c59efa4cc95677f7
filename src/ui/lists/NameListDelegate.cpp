#include "ui/lists/NameListDelegate.h"

#include "lists/NameListOps.h"
#include "ui/lists/NameListModel.h"
#include "ui/widgets/OneLineEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kGap = 3;

QColor tintOf(NameListModel::Mark mark)
{
    return mark == NameListModel::Mark::Error ? QColor(255, 208, 208) : QColor(255, 236, 176);
}

int digitsOf(int count)
{
    int digits = 2;
    for (int n = count; n >= 100; n /= 10)
        ++digits;
    return digits;
}

} // namespace

NameListDelegate::NameListDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

NameListDelegate::Parts NameListDelegate::partsOf(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QRect row = option.rect;
    const int numberWidth = option.fontMetrics.horizontalAdvance(QLatin1Char('0'))
        * digitsOf(index.model()->rowCount());
    const int markSide = std::min(row.height() - 2, option.fontMetrics.height());
    Parts parts;
    parts.number = QRect(row.left() + 1, row.top(), numberWidth, row.height());
    parts.mark = QRect(parts.number.right() + 1 + kGap, row.top() + (row.height() - markSide) / 2, markSide, markSide);
    if (index.data(NameListModel::RunRole).isValid())
        parts.run = parts.mark.translated(markSide + kGap, 0);
    const int textLeft = (parts.run.isEmpty() ? parts.mark : parts.run).right() + 1 + kGap;
    parts.text = QRect(textLeft, row.top(), std::max(0, row.right() - textLeft), row.height());
    return parts;
}

QString NameListDelegate::visiblePart(const QString &text, const QFontMetrics &metrics, int width)
{
    qsizetype keep = std::min<qsizetype>(text.size(), std::max(width, 0) + 1);
    if (keep < text.size() && keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return metrics.elidedText(text.left(keep), Qt::ElideRight, width);
}

void NameListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const auto mark = NameListModel::Mark(index.data(NameListModel::MarkRole).toInt());
    if (mark != NameListModel::Mark::None)
        opt.backgroundBrush = tintOf(mark);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const Parts parts = partsOf(opt, index);
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(parts.number, Qt::AlignRight | Qt::AlignVCenter, QString::number(index.row() + 1));
    if (mark != NameListModel::Mark::None)
        paintMark(painter, parts.mark, int(mark));
    if (!parts.run.isEmpty())
        paintRun(painter, parts.run, index.data(NameListModel::RunRole).toInt(), opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(parts.text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      visiblePart(text, opt.fontMetrics, parts.text.width()));
    painter->restore();
}

// Shape and sign carry the meaning; the colour only repeats it.
void NameListDelegate::paintMark(QPainter *painter, const QRect &rect, int mark)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPen sign(Qt::white, std::max(1.5, r.width() / 7), Qt::SolidLine, Qt::RoundCap);
    if (mark == int(NameListModel::Mark::Error)) {
        painter->setPen(QPen(QColor(120, 0, 0), 1));
        painter->setBrush(QColor(200, 30, 30));
        painter->drawEllipse(r);
        const QRectF cross = r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3);
        painter->setPen(sign);
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
    } else {
        QPainterPath triangle;
        triangle.moveTo(r.center().x(), r.top());
        triangle.lineTo(r.bottomRight());
        triangle.lineTo(r.bottomLeft());
        triangle.closeSubpath();
        painter->setPen(QPen(QColor(110, 80, 0), 1));
        painter->setBrush(QColor(240, 180, 0));
        painter->drawPath(triangle);
        sign.setColor(Qt::black);
        painter->setPen(sign);
        const qreal x = r.center().x();
        painter->drawLine(QPointF(x, r.top() + r.height() * 0.35), QPointF(x, r.top() + r.height() * 0.65));
        painter->drawPoint(QPointF(x, r.top() + r.height() * 0.82));
    }
    painter->restore();
}

// A box, unlike the name check's round and three-cornered marks: ticked
// green when the pair ran, empty when it is open, blue with "?" when the
// folder does not tell.
void NameListDelegate::paintRun(QPainter *painter, const QRect &rect, int state, const QFont &font)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
    const auto run = RunCheck::State(state);
    const QColor fill = run == RunCheck::State::Done ? QColor(30, 140, 60)
        : run == RunCheck::State::Unclear            ? QColor(40, 90, 200)
                                                     : QColor(Qt::white);
    painter->setPen(QPen(run == RunCheck::State::Open ? QColor(90, 90, 90) : fill.darker(150), 1));
    painter->setBrush(fill);
    painter->drawRoundedRect(r, 2, 2);
    if (run == RunCheck::State::Done) {
        painter->setPen(QPen(Qt::white, std::max(1.5, r.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPolyline(QPolygonF{QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52),
                                        QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74),
                                        QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28)});
    } else if (run == RunCheck::State::Unclear) {
        QFont sign = font;
        sign.setBold(true);
        sign.setPixelSize(std::max(6, int(r.height() * 0.85)));
        painter->setFont(sign);
        painter->setPen(Qt::white);
        painter->drawText(r, Qt::AlignCenter, QStringLiteral("?"));
    }
    painter->restore();
}

// Every row has the height of a short entry; with uniform item sizes the
// view asks only once.
QSize NameListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text = QStringLiteral("Xg");
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget);
    return QSize(1, size.height());
}

QWidget *NameListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    // A spreadsheet cell pasted into the row drops its line end, as in the
    // window's other one-line fields.
    auto *editor = new OneLineEdit(parent);
    editor->setFrame(false);
    connect(editor, &OneLineEdit::lineBreakRefused, this, &NameListDelegate::lineBreakRefused);
    return editor;
}

void NameListDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(index.data(Qt::EditRole).toString());
}

void NameListDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    const QString text = static_cast<QLineEdit *>(editor)->text();
    if (text == index.data(Qt::EditRole).toString())
        return;
    if (NameListOps::holdsLineBreak(text))
        emit lineBreakRefused();
    else
        emit edited(index.row(), text);
}

void NameListDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    const Parts parts = partsOf(option, index);
    editor->setGeometry(parts.text.adjusted(-2, 0, 0, 0));
}
