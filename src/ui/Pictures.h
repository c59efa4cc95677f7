#pragma once

#include <QPixmap>

// The pictures of the image buttons, painted here at the sizes of the
// window design (in pixels).
namespace Pictures {

QPixmap bigExit();          // red three-dimensional X, 74 x 78
QPixmap smallExit();        // hand-drawn red X, 32 x 32
QPixmap tab(bool pointsRight); // grey strip with two blue chevrons, 9 x 107
QPixmap floppy();           // floppy disk above the word SAVE, 34 x 33
QPixmap logo();             // the program's logo, 100 x 79
QPixmap sleeper(bool awake); // the Info window's close figure, 36 x 43
QPixmap windowIcon();       // 40 x 42

} // namespace Pictures
