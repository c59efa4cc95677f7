#include "ui/chooser/TreeWatcher.h"

#include "ui/chooser/TreeWatch.h"

#include <QFileInfo>

#include <utility>

TreeWatcher::TreeWatcher(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TreeWatcher::Watcher_DirectoryChanged);
    connect(&m_timer, &QTimer::timeout, this, &TreeWatcher::Timer_Timeout);
}

void TreeWatcher::watch(const QString &folder)
{
    if (folder.isEmpty() || m_changed.contains(folder) || m_watcher.directories().contains(folder)
        || !QFileInfo(folder).isDir())
        return;
    m_watcher.addPath(folder);
}

void TreeWatcher::stop()
{
    m_timer.stop();
    m_changed.clear();
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
}

void TreeWatcher::Watcher_DirectoryChanged(const QString &folder)
{
    // Unwatched until handed on; a folder removed is unwatched already.
    if (m_watcher.directories().contains(folder))
        m_watcher.removePath(folder);
    if (!m_changed.contains(folder))
        m_changed << folder;
    if (!m_timer.isActive())
        m_timer.start(int(TreeWatch::readDelay(m_sinceHandedOn.isValid() ? m_sinceHandedOn.elapsed() : -1)));
}

// Watched again before the tree reads, so that no change slips in between.
void TreeWatcher::Timer_Timeout()
{
    m_sinceHandedOn.start();
    const QStringList changed = std::exchange(m_changed, {});
    for (const QString &folder : changed) {
        // A folder gone shows as a change of its parent.
        if (!QFileInfo(folder).isDir())
            continue;
        m_watcher.addPath(folder);
        emit folderChanged(folder);
    }
}
