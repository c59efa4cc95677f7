#pragma once

#include <QAbstractFileIconProvider>

// Icons and type names by a file's kind alone (drive, folder, file), never
// by its content: guessing a type from content opens the file, and reading
// some files never ends (/proc/kmsg), or takes long (a slow network drive).
class KindIconProvider : public QAbstractFileIconProvider
{
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    static IconType kindOf(const QFileInfo &info);
};
