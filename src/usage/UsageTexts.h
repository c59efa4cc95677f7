#pragma once

#include "usage/FolderUsage.h"

#include <QString>

// The words with which a folder's use is shown.
namespace UsageTexts {

// "Verwendung nicht lesbar (Datei abgeschnitten)"
QString unreadable(const QString &reason);

// One line per object that uses others, sorted by name
// ("baugruppe.asm: lager.prt, welle.prt"), then one line per object whose
// use could not be read, with its reason; each line ends in '\n'.
QString listing(const FolderUsage &usage);

} // namespace UsageTexts
