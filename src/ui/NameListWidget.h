#pragma once

#include <QListWidget>
#include <QStringList>

// A name list: single selection, entries in the order they were added. It
// reports every mouse press with its button, and a Click when the user
// moves the selection. Only the left button selects: a right press opens the
// list's command panel and must leave the selection alone.
class NameListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit NameListWidget(QWidget *parent = nullptr);

    QStringList entries() const;
    // Replaces all entries; the selection is gone and no Click is raised.
    void setEntries(const QStringList &entries);
    void appendEntries(const QStringList &entries);
    int selectedRow() const;

signals:
    void MouseDown(Qt::MouseButton button);
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_settingEntries = false;
};
