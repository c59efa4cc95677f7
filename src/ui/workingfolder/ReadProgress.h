#pragma once

#include "folder/FolderSnapshot.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QLabel;

// While a folder is read on the user-interface thread: once the read has
// lasted a moment, the wait cursor and in `label` how many files were read
// so far, so that a large folder shows that its read goes on. A read that
// is over within the moment shows nothing. The label gets its text back
// when the read is over.
class ReadProgress
{
public:
    explicit ReadProgress(QLabel *label);
    ~ReadProgress();
    ReadProgress(const ReadProgress &) = delete;
    ReadProgress &operator=(const ReadProgress &) = delete;

    // What the reader calls; valid while this lives.
    FolderSnapshot::Progress callback();

private:
    void seen(qsizetype files);

    QPointer<QLabel> m_label;
    QString m_before;
    QElapsedTimer m_timer;
    bool m_shown = false;
};
