#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Watches the folders the chooser's tree has read and hands each changed
// one on at most once an interval (TreeWatch::readDelay). A changed folder
// is not watched again until it is handed on: whatever else changes there
// meanwhile is read along with it, and costs nothing until then.
class TreeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TreeWatcher(QObject *parent = nullptr);

    // A folder the tree has read; watched from now on.
    void watch(const QString &folder);
    // Nothing watched, and no change waiting to be handed on.
    void stop();

signals:
    // The folder changed since the tree read it; it is watched again.
    void folderChanged(const QString &folder);

private:
    void Watcher_DirectoryChanged(const QString &folder);
    void Timer_Timeout();

    QFileSystemWatcher m_watcher;
    QTimer m_timer;
    QElapsedTimer m_sinceHandedOn;
    QStringList m_changed;
};
