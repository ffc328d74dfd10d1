#include "gui/viewers/pictureviewer.h"

#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/viewers/windowplacement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Border = 10;
constexpr int ScrollSide = 455; // the picture area's side at first
constexpr int MinimumSide = 150;
constexpr int ButtonGap = 7;

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(75, 25);
    return button;
}

} // namespace

PictureViewer::PictureViewer(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Graphics viewer"));
    setModal(true);
    setBackgroundRole(QPalette::Button);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    // The scrolling area shows through the picture wherever the picture is
    // white.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("PictureArea"));
    // The area grows and shrinks with the window; the picture is scaled to
    // the largest square that fits in it.
    m_scrollArea->setMinimumSize(MinimumSide, MinimumSide);
    m_scrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setBackgroundRole(QPalette::Light);
    m_scrollArea->viewport()->setBackgroundRole(QPalette::Light);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_pictureLabel = new QLabel;
    m_pictureLabel->setObjectName(QStringLiteral("Picture"));
    m_pictureLabel->setFixedSize(ImageSize, ImageSize);
    m_pictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setWidget(m_pictureLabel);

    m_closeButton = MakeButton(this, QStringLiteral("CloseBtn"), QStringLiteral("&Close"),
                               QStringLiteral("Close to see computations."));
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_copyButton = MakeButton(this, QStringLiteral("CopyBtn"), QStringLiteral("Copy Image"),
                              QStringLiteral("Copy image to clipboard."));
    m_printButton = MakeButton(this, QStringLiteral("PrintBtn"), QStringLiteral("Print Image"),
                               QStringLiteral("Send image to the printer."));

    // The picture on the left; the buttons on the right, at the bottom, Print
    // above Copy above Close.
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(ButtonGap);
    buttons->addStretch(1);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_closeButton);
    buttons->addSpacing(6); // Close ends a little above the picture's edge

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(Border, Border, Border, Border);
    layout->setSpacing(472 - ScrollSide);
    layout->addWidget(m_scrollArea, 1);
    layout->addLayout(buttons);
    resize(2 * Border + 472 + 75, 2 * Border + ScrollSide);

    // Close first, so that Enter closes the viewer when it first appears.
    setTabOrder(m_closeButton, m_copyButton);
    setTabOrder(m_copyButton, m_printButton);
    m_closeButton->setDefault(true);

    connect(m_closeButton, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(m_copyButton, &QPushButton::clicked, this, &PictureViewer::copyPicture);
    connect(m_printButton, &QPushButton::clicked, this, qOverload<>(&PictureViewer::printPicture));
}

QImage &PictureViewer::canvas()
{
    if (m_picture.isNull()) {
        m_picture = QImage(ImageSize, ImageSize, QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

void PictureViewer::clearPicture()
{
    canvas().fill(Qt::white);
    refreshPicture();
}

QImage PictureViewer::asShown(const QImage &picture) const
{
    // The picture is shown transparent: wherever it is white, the scrolling
    // area's colour shows through.
    const QRgb background = m_scrollArea->viewport()->palette().color(QPalette::Light).rgb();
    QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < shown.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (white & 0xFFFFFF))
                line[x] = background;
    }
    return shown;
}

void PictureViewer::refreshPicture()
{
    m_drawing = nullptr;
    m_shown = asShown(canvas());
    showScaledPicture();
}

void PictureViewer::setDrawing(Drawing paint)
{
    canvas().fill(Qt::white);
    paint(canvas());
    refreshPicture();
    m_drawing = std::move(paint);
    showScaledPicture();
}

void PictureViewer::showScaledPicture()
{
    if (m_shown.isNull())
        return;
    const QSize area = m_scrollArea->viewport()->size();
    const int side = std::max(1, std::min(area.width(), area.height()));
    // Scaled in device pixels, so that the picture is sharp on a screen that
    // scales the program's windows.
    const qreal ratio = devicePixelRatioF();
    const int pixels = std::max(1, qRound(side * ratio));
    QPixmap pixmap;
    // A drawing larger than the picture is drawn anew in device pixels
    // (painters scale images up only); a smaller one is the picture scaled
    // down.
    if (m_drawing && pixels > ImageSize) {
        QImage drawn(pixels, pixels, QImage::Format_RGB32);
        drawn.setDevicePixelRatio(qreal(pixels) / ImageSize);
        drawn.fill(Qt::white);
        m_drawing(drawn);
        pixmap = QPixmap::fromImage(asShown(drawn));
    } else {
        pixmap = QPixmap::fromImage(
            m_shown.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    pixmap.setDevicePixelRatio(ratio);
    m_pictureLabel->setFixedSize(side, side);
    m_pictureLabel->setPixmap(pixmap);
}

void PictureViewer::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showScaledPicture();
}

void PictureViewer::copyPicture()
{
    CopyImageToClipboard(canvas());
    Prompts::current().message(QStringLiteral("Image is copied to clipboard."));
}

bool PictureViewer::printTo(QPrinter &printer, QRect *target)
{
    // One inch from the left and top edges on paper 8.5 inches wide, four
    // inches square.
    const int pageWidth = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    if (pageWidth <= 0)
        return false;
    const int m = static_cast<int>(pageWidth / 8.5);
    const QRect square(m, m, 4 * m, 4 * m);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.drawImage(square, canvas());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return false;
    if (target)
        *target = square;
    return true;
}

void PictureViewer::printPicture()
{
    QPrinter &printer = ProgramPrinter();
    if (!PrinterReady(this, printer))
        return;
    if (printTo(printer))
        Prompts::current().message(QStringLiteral("Image sent to default printer."));
    else
        Prompts::current().message(QStringLiteral("Sorry, error writing to printer."));
}

void PictureViewer::keyPressEvent(QKeyEvent *event)
{
    // Esc does not close the viewer; only Close and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PictureViewer::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        CentreOverParent(this);
    }
    showScaledPicture();
}
