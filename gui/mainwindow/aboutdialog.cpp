#include "gui/mainwindow/aboutdialog.h"

#include "gui/viewers/windowplacement.h"

#include "gui/common/fonts.h"
#include "gui/common/pictures.h"
#include "gui/common/prompts.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

QFont NamedFont(const QString &family, int pixelSize, bool bold, bool underline = false)
{
    QFont font = PixelFont(family, pixelSize, bold);
    font.setUnderline(underline);
    return font;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                  const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

const QColor Navy(0, 0, 128);

// The usual size of the panel and the OK button; both grow with their
// contents when the fonts are larger.
constexpr QSize PanelSize(281, 161);
constexpr QSize ButtonSize(77, 27);

// Room around the dialog's contents and the panel's contents, between the
// picture and the heading beside it, between the picture and the lines under
// it, and between those lines.
constexpr int Margin = 8;
constexpr int PictureGap = 16;
constexpr int BlockGap = 7;
constexpr int LineGap = 3;
constexpr int PictureSize = 65;

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Mervan"));
    setFont(NamedFont(QStringLiteral("System"), 13, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    // A raised panel sunk into a lowered rim.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);
    panel->setMinimumSize(PanelSize);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(silver);
    panel->setAutoFillBackground(true);
    auto *inner = new QFrame(panel);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *rim = new QVBoxLayout(panel);
    rim->setContentsMargins(0, 0, 0, 0);
    rim->addWidget(inner);

    // The picture at the top left, the name and version beside it.
    auto *programIcon = new QLabel(inner);
    programIcon->setObjectName(QStringLiteral("programIcon"));
    programIcon->setAccessibleName(tr("Program icon"));
    programIcon->setFixedSize(PictureSize, PictureSize);
    programIcon->setPixmap(Pictures::ProgramPicture(PictureSize, PictureSize));

    auto *heading = new QVBoxLayout;
    heading->setSpacing(0);
    heading->addWidget(MakeLabel(inner, QStringLiteral("productName"), QStringLiteral("Mervan"),
                                 NamedFont(QStringLiteral("MS Sans Serif"), 19, true), Qt::black),
                       0, Qt::AlignHCenter);
    heading->addWidget(MakeLabel(inner, QStringLiteral("version"), tr("Version 3.0"),
                                 NamedFont(QStringLiteral("Times New Roman"), 13, true), Navy),
                       0, Qt::AlignHCenter);
    heading->addWidget(MakeLabel(inner, QStringLiteral("platformLabel"), tr("for windows"),
                                 NamedFont(QStringLiteral("System"), 13, true), Navy),
                       0, Qt::AlignHCenter);
    heading->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(PictureGap);
    top->addWidget(programIcon, 0, Qt::AlignTop);
    top->addLayout(heading);
    top->addStretch(1);

    // The maker's lines and the link, centred under them.
    const QFont small = NamedFont(QStringLiteral("MS Sans Serif"), 11, true);
    QLabel *comments = MakeLabel(inner, QStringLiteral("commentsLabel"),
                                 tr("For educational use only."), small, Navy);
    comments->setWordWrap(true);
    comments->setAlignment(Qt::AlignHCenter);
    m_link = MakeLabel(inner, QStringLiteral("updateLink"), tr("Check for updates"),
                       NamedFont(QStringLiteral("MS Sans Serif"), 11, true, true), Navy);
    // The box does not show hints; the link's is kept where a status line
    // would find it.
    m_link->setStatusTip(tr("Select to go on-line and check for latest updates."));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);

    auto *lines = new QVBoxLayout;
    lines->setSpacing(LineGap);
    // The comment has the panel's width to wrap within.
    lines->addWidget(comments);
    lines->addWidget(
        MakeLabel(inner, QStringLiteral("companyLabel"), QStringLiteral("Corvane"), small, Navy), 0,
        Qt::AlignHCenter);
    lines->addWidget(
        MakeLabel(inner, QStringLiteral("rightsLabel"), tr("All rights reserved."), small, Navy), 0,
        Qt::AlignHCenter);
    lines->addWidget(m_link, 0, Qt::AlignHCenter);

    // Inside the raised bevel the contents keep the dialog's margin from the
    // panel's outer edge.
    auto *contents = new QVBoxLayout(inner);
    const int bevels = panel->frameWidth() + inner->frameWidth();
    contents->setContentsMargins(Margin - bevels, Margin - bevels, Margin - bevels,
                                 Margin - bevels);
    contents->setSpacing(BlockGap);
    contents->addLayout(top);
    contents->addLayout(lines);
    contents->addStretch(1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    m_okButton = buttons->addButton(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setText(tr("OK"));
    m_okButton->setFont(small);
    m_okButton->setMinimumSize(ButtonSize);
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin + 1);
    // The box takes the size of its contents and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addStrut(CaptionWidth(windowTitle()));
    layout->addWidget(panel);
    layout->addWidget(buttons);

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
        // Nothing was asked of the network: no program took the address.
        Prompts::current().message(tr("No web browser could be started to open %1.\n"
                                      "Please open that address in a browser yourself.")
                                       .arg(updatePage().toString()));
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
