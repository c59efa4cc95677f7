#pragma once

#include <QWidget>

class ImageButton;
class Platform;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Info window: what the tool does, how the macros reach Pro/ENGINEER,
// name, version, licence and contact. Modeless; the main window keeps at
// most one.
class frm_Info : public QWidget
{
    Q_OBJECT

public:
    explicit frm_Info(const Platform &platform, QWidget *parent = nullptr);

    // The opening sequence: top-aligned beside `mainWindow` when the screen
    // has room, else at the screen's left edge; then shown and widened in
    // steps of 200 twips until it reaches its design width.
    void Form_Load(const QWidget &mainWindow);

    // Left edge in twips: beside the main window when R = screen width -
    // main left - main width - 5520 is not negative, else 0.
    static double placedLeft(double mainLeft, double mainWidth, double screenWidth);

    static const QString kDescription;
    static const QString kWebAddress;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_MouseMove();
    void Image1_MouseMove();
    void Image2_Click();
    void Command1_Click();
    void Label5_Click();
    bool ShellExec(const QString &Path, int WindowStyle = 1, const QString &Operation = QStringLiteral("open"));

    const Platform &m_platform;
    QPlainTextEdit *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Picture1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    ImageButton *Image2 = nullptr;
    QLabel *Image1 = nullptr;
    QWidget *Line1 = nullptr;
    QLabel *Label6 = nullptr;
};
