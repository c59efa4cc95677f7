#pragma once

#include <QAbstractFileIconProvider>

// Icons and type names by a file's kind alone (drive, folder, file), never
// by its content: guessing a type from content opens the file, and reading
// some files never ends (/proc/kmsg), or takes long (a slow network drive).
// The pictures come from the desktop's icon theme, or, where it has none,
// from the style, so that no kind goes without one: the file dialog's side
// bar scales what it gets, and a null picture would only say so on the
// console.
class KindIconProvider : public QAbstractFileIconProvider
{
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    static IconType kindOf(const QFileInfo &info);
};
