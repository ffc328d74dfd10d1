#include "gui/mainwindow/aboutdialog.h"

#include "gui/viewers/windowplacement.h"

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

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Mervan"));
    setFixedSize(298, 213);
    setFont(NamedFont(QStringLiteral("System"), 13, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setGeometry(8, 8, 281, 161);
    // A raised panel sunk into a lowered rim.
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(silver);
    panel->setAutoFillBackground(true);
    auto *inner = new QFrame(panel);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setGeometry(1, 1, 279, 159);
    inner->lower();

    auto *programIcon = new QLabel(panel);
    programIcon->setObjectName(QStringLiteral("programIcon"));
    programIcon->setGeometry(8, 8, 65, 65);
    programIcon->setPixmap(Pictures::ProgramPicture(65, 65));

    const QFont small = NamedFont(QStringLiteral("MS Sans Serif"), 11, true);
    PlacedLabel(panel, QStringLiteral("productName"), QStringLiteral("Mervan"), 89, 8,
                NamedFont(QStringLiteral("MS Sans Serif"), 19, true), Qt::black);
    PlacedLabel(panel, QStringLiteral("version"), QStringLiteral("Version 3.0"), 117, 32,
                NamedFont(QStringLiteral("Times New Roman"), 13, true), Navy);
    PlacedLabel(panel, QStringLiteral("platformLabel"), QStringLiteral("for windows"), 109, 48,
                NamedFont(QStringLiteral("System"), 13, true), Navy);
    QLabel *comments
        = PlacedLabel(panel, QStringLiteral("commentsLabel"),
                      QStringLiteral("For educational use only."), 75, 80, small, Navy);
    comments->setWordWrap(true);
    comments->setFixedWidth(panel->width() - 75 - 8);
    comments->adjustSize();
    PlacedLabel(panel, QStringLiteral("companyLabel"), QStringLiteral("Corvane"), 107, 96, small,
                Navy);
    PlacedLabel(panel, QStringLiteral("rightsLabel"), QStringLiteral("All rights reserved."), 94,
                112, small, Navy);
    m_link = PlacedLabel(panel, QStringLiteral("updateLink"), QStringLiteral("Check for updates"),
                         96, 128, NamedFont(QStringLiteral("MS Sans Serif"), 11, true, true), Navy);
    // The box does not show hints; the link's is kept where a status line
    // would find it.
    m_link->setStatusTip(QStringLiteral("Select to go on-line and check for latest updates."));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(111, 178, 77, 27);
    m_okButton->setFont(small);
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    m_okButton->setFocus();
    setFocusProxy(m_okButton);
}

QUrl AboutDialog::updatePage()
{
    return QUrl(QStringLiteral("https://github.com/mervan-stats/mervan"));
}

void AboutDialog::openUpdatePage()
{
    if (!Prompts::current().openUrl(updatePage()))
        Prompts::current().message(QStringLiteral("Sorry, can not connect to server."));
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && m_link->rect().contains(mouse->position().toPoint())) {
            openUpdatePage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    // Centred over the main window (the screen without one) the first time
    // this instance shows, wholly on screen.
    if (!m_placed) {
        m_placed = true;
        CentreOverParent(this);
    }
    m_okButton->setFocus();
    QDialog::showEvent(event);
}
