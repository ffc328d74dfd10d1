#include "gui/viewers/resultsdialog.h"

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/common/picturetext.h"
#include "gui/common/settings.h"
#include "gui/common/text.h"
#include "gui/viewers/windowplacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <QVBoxLayout>
#include <utility>

namespace {

// Free space on every side of the window; the window fits itself around its
// contents, so it grows and shrinks with the report.
constexpr int Border = 20;
constexpr int ButtonHeight = 25;
constexpr int PictureSide = 33;
constexpr int HelpContext = 68;
constexpr QSize DensitySize(480, 320);

} // namespace

ResultsDialog::ResultsDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Computation Resuts"));
    setFont(PixelFont(QStringLiteral("Courier New"), 11));
    setHelpContext(this, HelpContext);
    InstallPictureAccessibility();

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setFixedSize(PictureSide, PictureSide);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setPixmap(Pictures::Report());
    m_picture->setAccessibleName(tr("Report"));

    // Created in tab order: Retry, Print, Close, Clipboard; shown from the
    // left as Retry, Clipboard, Print, Close.
    m_retryButton = addButton(QStringLiteral("RetryBtn"), tr("&Retry"), 75, QStringLiteral("Retry"),
                              tr("Return to data entry screen"));
    m_printButton = addButton(QStringLiteral("PrintBtn"), tr("&Print"), 75, QStringLiteral("Print"),
                              tr("Send screen to printer"));
    m_closeButton = addButton(QStringLiteral("CloseBtn"), tr("&Close"), 75, QStringLiteral("Close"),
                              tr("Leave screen"));
    m_clipboardButton = addButton(QStringLiteral("Clip"), tr("Clip&board"), 113,
                                  QStringLiteral("Clipboard"), tr("Copy screen to clipboard"));
    m_retryButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_clipboardButton->setIcon(Pictures::Paste());
    m_closeButton->setIcon(Pictures::Leave());

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("DisplayText"));
    FollowZoom(m_text, PixelFont(QStringLiteral("Courier New"), 13));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(false);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setAccessibleDescription(tr("The report of the computation"));

    // The picture at the top left with the row of buttons beside it, centred
    // on it; the report below, indented.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(m_picture);
    buttons->addSpacing(15);
    buttons->addWidget(m_retryButton);
    buttons->addSpacing(13);
    buttons->addWidget(m_clipboardButton);
    buttons->addSpacing(17);
    buttons->addWidget(m_printButton);
    buttons->addSpacing(19);
    buttons->addWidget(m_closeButton);
    buttons->addStretch(1);

    auto *report = new QHBoxLayout;
    report->setSpacing(0);
    report->addSpacing(102);
    report->addWidget(m_text);
    report->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    m_layout = layout;
    layout->setContentsMargins(Border, Border, Border, Border);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(buttons);
    layout->addSpacing(49 - PictureSide);
    layout->addLayout(report);

    connect(m_retryButton, &QPushButton::clicked, this, &ResultsDialog::retry);
    connect(m_printButton, &QPushButton::clicked, this, &ResultsDialog::print);
    connect(m_closeButton, &QPushButton::clicked, this, &ResultsDialog::closeReport);
    connect(m_clipboardButton, &QPushButton::clicked, this, &ResultsDialog::copyToClipboard);

    m_lastUsed = m_retryButton;
    showMessageText();
}

QPushButton *ResultsDialog::addButton(const QString &name, const QString &caption, int width,
                                      const QString &english, const QString &hint)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    // Wider than the classic size where a translated caption needs it.
    button->setFixedSize(CaptionedWidth(*button, width, english), ButtonHeight);
    button->setIconSize(QSize(16, 16));
    // The hint travels with the button; the window keeps tooltips off.
    button->setToolTip(hint);
    button->installEventFilter(this);
    // No default button: Enter presses whichever button has the focus.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QFont ResultsDialog::displayFont() const
{
    return UnzoomedFont(m_text);
}

void ResultsDialog::showMessageText()
{
    m_text->setText(WithLineFeeds(m_messageText)); // the label breaks lines at LF
    m_text->adjustSize();
    m_layout->activate();
}

int ResultsDialog::showReport(const QString &caption, const QString &text,
                              const VectorDrawing &drawing, const QString &pictureText)
{
    setWindowTitle(caption);
    m_messageText = text;
    if (drawing && !m_density)
        addDensityPicture();
    if (m_density) {
        m_density->setDrawing(drawing, QSizeF(480, 280));
        m_density->setSuggestedName(caption);
        SetPictureText(*m_density, pictureText);
        m_density->setVisible(static_cast<bool>(drawing));
    }
    return exec();
}

void ResultsDialog::addDensityPicture()
{
    m_density = new PicturePanel(this);
    m_density->setObjectName(QStringLiteral("DensityPicture"));
    // Zoomed, the picture grows with its text, so that it keeps its layout.
    m_density->setFixedSize(DensitySize * (BoundedZoom(Settings().zoomPercent()) / 100.0));
    m_density->setFont(QApplication::font()); // as in the saved and copied pictures
    m_density->setAutoFillBackground(true);
    m_density->setBackgroundRole(QPalette::Base);
    NamePicture(*m_density, tr("Picture of the distribution"));
    AddDescribeButton(*m_density);
    m_layout->addSpacing(Border);
    m_layout->addWidget(m_density);
}

void ResultsDialog::retry()
{
    m_lastUsed = m_retryButton;
    done(Retry);
}

void ResultsDialog::print()
{
    m_lastUsed = m_printButton;
    done(Print);
}

void ResultsDialog::closeReport()
{
    m_lastUsed = m_closeButton;
    done(Close);
}

void ResultsDialog::copyToClipboard()
{
    m_lastUsed = m_clipboardButton;
    done(Clipboard);
}

void ResultsDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        showMessageText();
        if (!m_placed) {
            CentreOverParent(this);
            m_placed = true;
        }
    }
    QDialog::setVisible(visible);
    if (visible)
        m_lastUsed->setFocus(Qt::ActiveWindowFocusReason);
}

void ResultsDialog::done(int result)
{
    // The window remembers its focused button for the next showing.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget());
        button && button->parentWidget() == this)
        m_lastUsed = button;
    QDialog::done(result);
}

void ResultsDialog::reject()
{
    done(ClosedByBox);
}

bool ResultsDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        showMessageText();
    return QDialog::event(event);
}

bool ResultsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QDialog::eventFilter(watched, event);
}

void ResultsDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->parentWidget() == this) {
            button->click();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        event->accept(); // Esc does nothing here
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}
