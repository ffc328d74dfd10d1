#include "gui/mainwindow/about.h"

#include "gui/common/fonts.h"
#include "gui/common/pictures.h"
#include "gui/common/prompts.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TAboutBox *AboutBox = nullptr;

namespace {

QFont NamedFont(const QString &family, int pixelSize, bool bold, bool underline = false)
{
    QFont font = PixelFont(family, pixelSize, bold);
    font.setUnderline(underline);
    return font;
}

QLabel *PlacedLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                    const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(left, top);
    label->adjustSize();
    return label;
}

const QColor Navy(0, 0, 128);

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Mervan"));
    setFixedSize(298, 213);
    setFont(NamedFont(QStringLiteral("System"), 13, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    // A raised panel sunk into a lowered rim.
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    Panel1->setPalette(silver);
    Panel1->setAutoFillBackground(true);
    auto *inner = new QFrame(Panel1);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setGeometry(1, 1, 279, 159);
    inner->lower();

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 65);
    ProgramIcon->setPixmap(Pictures::ProgramPicture(65, 65));

    const QFont small = NamedFont(QStringLiteral("MS Sans Serif"), 11, true);
    ProductName = PlacedLabel(Panel1, QStringLiteral("ProductName"), QStringLiteral("Mervan"), 89,
                              8, NamedFont(QStringLiteral("MS Sans Serif"), 19, true), Qt::black);
    Version = PlacedLabel(Panel1, QStringLiteral("Version"), QStringLiteral("Version 3.0"), 117, 32,
                          NamedFont(QStringLiteral("Times New Roman"), 13, true), Navy);
    Label1 = PlacedLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("for windows"), 109, 48,
                         NamedFont(QStringLiteral("System"), 13, true), Navy);
    CommentsLabel = PlacedLabel(Panel1, QStringLiteral("CommentsLabel"),
                                QStringLiteral("For educational use only."), 75, 80, small, Navy);
    CommentsLabel->setWordWrap(true);
    CommentsLabel->setFixedWidth(Panel1->width() - 75 - 8);
    CommentsLabel->adjustSize();
    CompanyLabel = PlacedLabel(Panel1, QStringLiteral("CompanyLabel"), QStringLiteral("Corvane"),
                               107, 96, small, Navy);
    RightsLabel = PlacedLabel(Panel1, QStringLiteral("RightsLabel"),
                              QStringLiteral("All rights reserved."), 94, 112, small, Navy);
    URL = PlacedLabel(Panel1, QStringLiteral("URL"), QStringLiteral("Check for updates"), 96, 128,
                      NamedFont(QStringLiteral("MS Sans Serif"), 11, true, true), Navy);
    // The box does not show hints; the link's is kept where a status line
    // would find it.
    URL->setStatusTip(QStringLiteral("Select to go on-line and check for latest updates."));
    URL->setCursor(Qt::PointingHandCursor);
    URL->installEventFilter(this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 178, 77, 27);
    OKButton->setFont(small);
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->setFocus();
    setFocusProxy(OKButton);
}

QUrl TAboutBox::UpdatePage()
{
    return QUrl(QStringLiteral("https://github.com/mervan-stats/mervan"));
}

void TAboutBox::URLClick(QObject *sender)
{
    if (!qobject_cast<QLabel *>(sender))
        return;
    if (!Prompts::current().openUrl(UpdatePage()))
        Prompts::current().message(QStringLiteral("Sorry, can not connect to server."));
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == URL && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && URL->rect().contains(mouse->position().toPoint())) {
            URLClick(URL);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // Centred on the screen the first time this instance shows.
    if (!m_placed) {
        m_placed = true;
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.left() + (area.width() - width()) / 2,
                 area.top() + (area.height() - height()) / 2);
        }
    }
    OKButton->setFocus();
    QDialog::showEvent(event);
}
