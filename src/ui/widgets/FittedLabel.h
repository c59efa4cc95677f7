#pragma once

#include <QLabel>

// A one-line label of plain text that shows as much of its text as its
// width takes, cut as ShortLine cuts it: a folder gives way before the
// words around it. text() stays the whole text, for the tooltip, for a
// screen reader and for whoever reads the label.
class FittedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittedLabel(const QString &text, QWidget *parent = nullptr);

    // What the label shows at its present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The last text made to fit, for the width and text it was made for.
    mutable QString m_fittedFor;
    mutable int m_fittedWidth = -1;
    mutable QString m_fitted;
};
