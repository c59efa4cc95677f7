#pragma once

#include <QLabel>

// A picture or a text that acts like a button (the image buttons, the web
// link): a left click raises clicked(). It also reports the mouse moving
// over it, which the Info window's close figure uses.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    ClickableLabel(const QPixmap &picture, QWidget *parent);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
