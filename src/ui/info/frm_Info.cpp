#include "ui/info/frm_Info.h"

#include "ui/platform/Accessibility.h"
#include "ui/platform/DesignFont.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Twips.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/Pictures.h"

#include "VelmorantVersion.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QUrl>

const QString frm_Info::kDescription = QStringLiteral(
    "Erzeugung eines Mapkeys für \r\n"
    "Pro/ENGINEER zur Umbenennung von \r\n"
    "Teilen, Baugruppen und Zeichnungen. \r\n"
    "Die Software benötigt Schreibrechte in \r\n"
    "dem Verzeichnis in dem auch die \r\n"
    "Velmorant.exe Datei liegt. Die für \r\n"
    "Pro/ENGINEER notwendigen Makros \r\n"
    "werden in Pro/E mit ->Tools ->Optionen \r\n"
    "(Konfigurationsdatei öffnen) eingeladen \r\n"
    "und dort mit dem Makro \"rename\" \r\n"
    "ausgeführt. \r\n"
    "Es können nicht mehr als 20 Teile auf einmal umbenannt werden !\r\n"
    "Sichern Sie auf jeden Fall \r\n"
    "Ihre Daten an einer sicheren Stelle bevor \r\n"
    "Sie Aktionen mit diesen Makros \r\n"
    "durchführen !\r\n");

const QString frm_Info::kWebAddress = QStringLiteral("https://velmorant.example.org");

namespace {

const QString kLicence = QStringLiteral(
    "Velmorant steht unter der MIT-Lizenz:\n\n"
    "Copyright (c) 2026 The Velmorant developers\n\n"
    "Permission is hereby granted, free of charge, to any person obtaining a copy of this software and "
    "associated documentation files (the \"Software\"), to deal in the Software without restriction, "
    "including without limitation the rights to use, copy, modify, merge, publish, distribute, sublicense, "
    "and/or sell copies of the Software, and to permit persons to whom the Software is furnished to do so, "
    "subject to the following conditions:\n\n"
    "The above copyright notice and this permission notice shall be included in all copies or substantial "
    "portions of the Software.\n\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT "
    "LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO "
    "EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER "
    "IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE "
    "USE OR OTHER DEALINGS IN THE SOFTWARE.");

constexpr double kDesignClient = 5790;
constexpr double kRoomNeeded = 5520;
constexpr double kWideningStep = 200;

QLabel *label(const QString &text, QWidget *parent, const QFont &font)
{
    auto *result = new QLabel(text, parent);
    result->setFont(font);
    return result;
}

QPlainTextEdit *readOnlyText(const QString &text, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setPlainText(text);
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return edit;
}

} // namespace

frm_Info::frm_Info(const Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frm_Info"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowIcon(Pictures::windowIcon());
    setFont(DesignFont::sansSerif());
    resize(Twips::toPixels(kDesignClient), Twips::toPixels(kDesignClient));
    setMouseTracking(true);

    Text2 = Twips::place(readOnlyText(kDescription, this), "Text2", 105, 540, 3270, 1950);
    Command1 = Twips::place(new QPushButton(QStringLiteral("ist ja gut"), this), "Command1", 1905, 5220, 1650, 375);
    Picture1 = Twips::place(new QLabel(this), "Picture1", 3825, 45, 1575, 1215);
    Picture1->setPixmap(Pictures::draw(Pictures::Picture::Logo, devicePixelRatioF()));
    Picture1->setAlignment(Qt::AlignCenter);
    Text1 = Twips::place(readOnlyText(kLicence, this), "Text1", 105, 3810, 5370, 1350);
    Label2 = Twips::place(label(QStringLiteral("Lizenz:"), this, DesignFont::sansSerif()), "Label2", 105, 3555, 750,
                          240);
    Label9 = Twips::place(label(QStringLiteral(
                                    "Das Eingabemenue für die Listen erreichen Sie, wenn Sie mit der rechten "
                                    "Maustaste auf die entsprechende Liste klicken."),
                                this, DesignFont::bold()),
                          "Label9", 3465, 1935, 2220, 1320);
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSizeF(15.75);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    Label1 = Twips::place(label(QStringLiteral("Velmorant"), this, titleFont), "Label1", 1125, 30, 2055, 495);

    // A real link: reached with Tab, opened with Enter or a click, announced
    // as a link; it goes through ShellExec like any click on it.
    Label5 = Twips::place(new QLabel(this), "Label5", 3150, 3540, 2295, 255);
    Label5->setTextFormat(Qt::RichText);
    Label5->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                        .arg(kWebAddress, kWebAddress.mid(kWebAddress.indexOf(QLatin1String("//")) + 2)));
    Label5->setTextInteractionFlags(Qt::TextBrowserInteraction);
    Label5->setOpenExternalLinks(false);
    Label5->setToolTip(kWebAddress);
    Label5->setFont(DesignFont::sansSerif());
    QPalette linkPalette = Label5->palette();
    linkPalette.setColor(QPalette::Link, Qt::blue);
    Label5->setPalette(linkPalette);

    Label4 = Twips::place(label(QStringLiteral("velmorant@example.org"), this, DesignFont::sansSerif()), "Label4", 3705,
                          1605, 1815, 255);
    Label3 = Twips::place(label(QStringLiteral("Velmorant-Entwickler"), this, DesignFont::sansSerif()), "Label3", 3705,
                          1365, 1815, 255);
    // Room up to the window's right edge.
    DesignFont::widenToCaption(Label4);
    DesignFont::widenToCaption(Label3);
    Image2 = Twips::place(new ImageButton(Pictures::Picture::Awake, QStringLiteral("Info schließen"), this), "Image2",
                          2025, 2700, 525, 645);
    Image2->hide();
    Image1 = Twips::place(new QLabel(this), "Image1", 2025, 2700, 540, 645);
    Image1->setPixmap(Pictures::draw(Pictures::Picture::Asleep, devicePixelRatioF()));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    Line1 = Twips::place(line, "Line1", 465, 3285, 4000 - 465, 30);
    Label6 = Twips::place(label(QStringLiteral(VELMORANT_VERSION), this, DesignFont::bold()), "Label6", 3120, 135, 330,
                          240);

    connect(Command1, &QPushButton::clicked, this, &frm_Info::Command1_Click);
    // Escape presses "ist ja gut", as the key of a dialog's cancel button.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, Command1, &QPushButton::click);
    connect(Image2, &ImageButton::clicked, this, &frm_Info::Image2_Click);
    connect(Label5, &QLabel::linkActivated, this, &frm_Info::Label5_Click);
    Accessibility::prepareInfoWindow(*this);
}

double frm_Info::placedLeft(double mainLeft, double mainWidth, double screenWidth)
{
    const float room = float(screenWidth) - float(mainLeft) - float(mainWidth) - float(kRoomNeeded);
    return room >= 0 ? mainLeft + mainWidth : 0;
}

void frm_Info::Form_Load(const QWidget &mainWindow)
{
    const QRect main = mainWindow.frameGeometry();
    const QScreen *screen = mainWindow.screen();
    const double screenWidth = Twips::fromPixels(screen ? screen->geometry().width() : 0);
    const double left = placedLeft(Twips::fromPixels(main.x()), Twips::fromPixels(main.width()), screenWidth);
    move(Twips::toPixels(left), main.y());

    const int frameWidth = frameGeometry().width() - width();
    const double target = qRound(Twips::fromPixels(frameGeometry().width()));
    resize(0, height());
    show();
    // The width is counted here rather than read back: a window system may
    // confirm a new size only later, and the loop must still end.
    double outerWidth = Twips::fromPixels(frameGeometry().width());
    while (outerWidth < target) {
        outerWidth += kWideningStep;
        resize(Twips::toPixels(outerWidth) - frameWidth, height());
        repaint();
        QThread::msleep(1);
    }
}

void frm_Info::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

bool frm_Info::eventFilter(QObject *watched, QEvent *event)
{
    // Taken here: passed on, the move would reach the window's background.
    if (watched == Image1 && event->type() == QEvent::MouseMove) {
        Image1_MouseMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frm_Info::Form_MouseMove()
{
    Image2->hide();
    Image1->show();
}

void frm_Info::Image1_MouseMove()
{
    Image2->show();
    Image1->hide();
}

void frm_Info::Image2_Click()
{
    close();
}

void frm_Info::Command1_Click()
{
    close();
}

void frm_Info::Label5_Click()
{
    ShellExec(kWebAddress, 1, QStringLiteral("open"));
}

// The desktop opens the address in the user's browser; the show style and
// the verb only matter to the Windows shell, which the desktop service
// covers.
bool frm_Info::ShellExec(const QString &Path, int WindowStyle, const QString &Operation)
{
    Q_UNUSED(WindowStyle);
    Q_UNUSED(Operation);
    return m_platform.openWithDesktop(QUrl(Path));
}
