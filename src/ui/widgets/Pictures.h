#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the image buttons and the windows, painted here at the
// sizes of the window design (in logical pixels) and at the screen's device
// pixel ratio, so that they stay sharp on a 150 % or 200 % screen.
namespace Pictures {

enum class Picture {
    BigExit,   // red three-dimensional X, 74 x 78
    SmallExit, // hand-drawn red X, 32 x 32
    TabRight,  // grey strip with two blue chevrons pointing right, 9 x 107
    TabLeft,   // the same strip, chevrons pointing left
    Floppy,    // floppy disk above the word SAVE, 34 x 33
    Logo,      // the program's logo, 100 x 79
    Asleep,    // the Info window's close figure, eyes shut, 36 x 43
    Awake,     // the same figure awake
};

QPixmap draw(Picture picture, qreal devicePixelRatio = 1.0);

// The desktop's symbol, in its sizes from 16 to 256 pixels.
QIcon windowIcon();

} // namespace Pictures
