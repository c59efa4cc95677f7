#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What a drop brings to a name list or to the window, apart from the
// widgets: one local file, or text, or nothing with the reason why.
// Addresses decide over the text that comes with them, so a dropped web
// address never becomes a name, and several files never load just the
// first one unnoticed.
namespace ListDrop {

struct Dropped {
    enum class Kind { Nothing, File, Text, Refused };
    Kind kind = Kind::Nothing;
    // The file's path, the text, or the status text of the refusal.
    QString value;
};

Dropped what(const QList<QUrl> &urls, bool hasText, const QString &text);

} // namespace ListDrop
