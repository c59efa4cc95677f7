#pragma once

#include "ui/widgets/Pictures.h"

#include <QAbstractButton>

// A picture that is a real button (save, the exit crosses, the width tabs):
// clicked by the mouse, reached with Tab, pressed with Space, Enter or
// Return, named for screen readers. The picture is painted at the screen's
// device pixel ratio and centred; keyboard focus shows as a focus frame.
class ImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    ImageButton(Pictures::Picture picture, const QString &accessibleName, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Pictures::Picture m_picture;
    QPixmap m_pixmap;
};
