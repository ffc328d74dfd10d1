#include "gui/viewers/graph.h"

#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

TMyGraph *MyGraph = nullptr;

namespace {

// The window's layout in pixels: everything sits inside a 10-pixel border.
constexpr int Border = 10;
constexpr int ScrollSide = 455;
constexpr int ButtonLeft = 472;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ClientWidth = 567;
constexpr int ClientHeight = 475;

QPushButton *MakeButton(QWidget *parent, const QString &caption, const QString &hint, int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setGeometry(Border + ButtonLeft, Border + top, ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

TMyGraph::TMyGraph(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Graphics viewer"));
    setModal(true);
    setBackgroundRole(QPalette::Button);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    // The scroll box shows through the picture wherever the picture is white.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setGeometry(Border, Border, ScrollSide, ScrollSide);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setBackgroundRole(QPalette::Light);
    ScrollBox1->viewport()->setBackgroundRole(QPalette::Light);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new QLabel;
    Image1->setFixedSize(ImageSize, ImageSize);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(Image1);

    CloseBtn = MakeButton(this, QStringLiteral("&Close"),
                          QStringLiteral("Close to see computations."), 424);
    CloseBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    CopyBtn = MakeButton(this, QStringLiteral("Copy Image"),
                         QStringLiteral("Copy image to clipboard."), 392);
    Print = MakeButton(this, QStringLiteral("Print Image"),
                       QStringLiteral("Send image to your default Windows printer."), 360);

    // Close first, so that Enter closes the viewer when it first appears.
    setTabOrder(CloseBtn, CopyBtn);
    setTabOrder(CopyBtn, Print);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    CloseBtn->setDefault(true);

    connect(CloseBtn, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(CopyBtn, &QPushButton::clicked, this, &TMyGraph::CopyBtnClick);
    connect(Print, &QPushButton::clicked, this, &TMyGraph::PrintClick);

    setFixedSize(ClientWidth, ClientHeight);
    move(192, 107);
}

QImage &TMyGraph::canvas()
{
    if (m_picture.isNull()) {
        m_picture = QImage(ImageSize, ImageSize, QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

void TMyGraph::ClearImage()
{
    canvas().fill(Qt::white);
    refreshImage();
}

void TMyGraph::refreshImage()
{
    // The picture is shown transparent: wherever it is white, the scroll
    // box's colour shows through.
    const QRgb background = ScrollBox1->viewport()->palette().color(QPalette::Light).rgb();
    QImage shown = canvas().convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < shown.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (white & 0xFFFFFF))
                line[x] = background;
    }
    Image1->setPixmap(QPixmap::fromImage(shown));
}

void TMyGraph::CopyBtnClick()
{
    CopyImageToClipboard(canvas());
    Prompts::current().message(QStringLiteral("Image is copied to clipboard."));
}

bool TMyGraph::printPicture(QPrinter &printer, QRect *target)
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

void TMyGraph::PrintClick()
{
    if (printPicture(ProgramPrinter()))
        Prompts::current().message(QStringLiteral("Image sent to default printer."));
    else
        Prompts::current().message(QStringLiteral("Sorry, error writing to printer."));
}

void TMyGraph::keyPressEvent(QKeyEvent *event)
{
    // Esc does not close the viewer; only Close and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
