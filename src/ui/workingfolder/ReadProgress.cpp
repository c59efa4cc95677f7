#include "ui/workingfolder/ReadProgress.h"

#include <QGuiApplication>
#include <QLabel>

namespace {

// Shorter reads pass without a sign.
constexpr qint64 kMomentMs = 300;

} // namespace

ReadProgress::ReadProgress(QLabel *label)
    : m_label(label)
{
    m_timer.start();
}

ReadProgress::~ReadProgress()
{
    if (!m_shown)
        return;
    QGuiApplication::restoreOverrideCursor();
    if (m_label)
        m_label->setText(m_before);
}

FolderSnapshot::Progress ReadProgress::callback()
{
    return [this](qsizetype files) { seen(files); };
}

// Painted at once: the read keeps the event loop waiting, and handling its
// events here could start another read inside this one.
void ReadProgress::seen(qsizetype files)
{
    if (m_timer.elapsed() < kMomentMs || !m_label)
        return;
    if (!m_shown) {
        m_shown = true;
        m_before = m_label->text();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    m_label->setText(FolderReader::readingText(files));
    m_label->repaint();
}
