#pragma once

#include "folder/FolderReader.h"

#include <QString>

class CheckFolder;
class Platform;
class frm_Ordner;

// What the dialog "Ordner einlesen" starts from, remembered in the
// settings from the last one the user took.
class ReadMemory
{
public:
    struct Start {
        QString folder;
        FolderReader::Options options;
    };

    // The folder where the pairs are checked, else where the dialog was last
    // taken from, else `outputFolder`; with the filter and the types last
    // taken.
    static Start start(const Platform &platform, const CheckFolder &checkFolder, const QString &outputFolder);
    // Remembered at once, the folder absolute like the check folder, so
    // that it holds wherever the program starts next.
    static void remember(const Platform &platform, const frm_Ordner &dialog);
};
