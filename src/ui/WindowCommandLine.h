#pragma once

#include <QByteArray>
#include <QStringList>

// What the window makes of its command line. --help and --version are
// answered before the application object exists, so that they need no
// display, and so is an argument that cannot be one of Qt's own options
// (-platform, -style, ...). Those are Qt's: the application object takes
// them out of the arguments, and whatever is left after that is refused.
namespace WindowCommandLine {

struct Answer {
    // True when the program prints and ends instead of opening the window.
    bool done = false;
    int exitCode = 0;
    QByteArray out;
    QByteArray err;
};

// `arguments` begin with the program's name; `qtOptionsTaken` once the
// application object has taken Qt's options out of them.
Answer answer(const QStringList &arguments, bool qtOptionsTaken);

} // namespace WindowCommandLine
