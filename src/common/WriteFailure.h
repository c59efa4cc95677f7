#pragma once

#include <QString>

#include <system_error>

// Why a file could not be written, renamed or read, told in German for
// every cause the system gives for these, so that the status line and the
// command line say it in the words of the rest of the program, whatever
// language the system speaks.
namespace WriteFailure {

// The text for a write that failed with the system's error number `error`;
// empty for a cause without a text of its own.
QString reason(int error);

// What to tell for `error`: the text above, else the system's own words.
QString told(int error);

// The same for a failure of std::filesystem or another std::error_code.
QString told(const std::error_code &error);

// The same for a failure that Qt reports as `qtWords`: the system's words
// for the error number, or fixed English ones for a few of them.
QString toldFromQt(const QString &qtWords);

} // namespace WriteFailure
