#pragma once

#include <QGuiApplication>

// Shows the wait cursor for as long as it lives: around a step that may keep
// the user-interface thread busy for a second or more.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
