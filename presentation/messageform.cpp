#include "presentation/messageform.h"

#include "ui/fonts.h"
#include "ui/help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

TMsgForm *MsgForm = nullptr;

namespace {

// The border: free space on every side of the window. The controls keep
// their places inside it, and the window fits itself around them.
constexpr int Border = 20;
constexpr int ButtonTop = 4; // the row of buttons centred on the picture
constexpr int ButtonHeight = 25;
constexpr int HelpContext = 68;

// The window's own picture: a small histogram under a bell curve.
QPixmap ReportPicture()
{
    QPixmap pixmap(30, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    const int heights[] = {6, 14, 22, 14, 6};
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRect(3 + i * 5, 28 - heights[i], 5, heights[i]), i == 2 ? Qt::blue : Qt::darkCyan);
    p.drawLine(1, 28, 29, 28);
    QPainterPath curve;
    curve.moveTo(1, 27);
    curve.cubicTo(10, 26, 11, 2, 15, 2);
    curve.cubicTo(19, 2, 20, 26, 29, 27);
    p.setPen(QPen(Qt::red, 1.5));
    p.drawPath(curve);
    return pixmap;
}

// A clipboard with a sheet of paper on it.
QIcon ClipboardPicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(160, 110, 50));
    p.drawRect(2, 2, 11, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 7, 9);
    p.setBrush(Qt::gray);
    p.drawRect(5, 0, 5, 3);
    p.drawLine(5, 7, 9, 7);
    p.drawLine(5, 9, 9, 9);
    p.drawLine(5, 11, 8, 11);
    return QIcon(pixmap);
}

// An open door with an arrow leading out.
QIcon LeavePicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(1, 1, 8, 14);
    p.setBrush(QColor(200, 150, 80));
    p.drawPolygon(QPolygon({QPoint(1, 1), QPoint(5, 3), QPoint(5, 15), QPoint(1, 15)}));
    p.setPen(QPen(Qt::darkGreen, 2));
    p.drawLine(8, 8, 15, 8);
    p.drawLine(12, 5, 15, 8);
    p.drawLine(12, 11, 15, 8);
    return QIcon(pixmap);
}

// The report's line ends as the label breaks them: CR LF, CR or LF.
QString LabelText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

TMsgForm::TMsgForm(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Computation Resuts"));
    setFont(PixelFont(QStringLiteral("Courier New"), 11));
    setHelpContext(this, HelpContext);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);

    auto makeButton = [this](const QString &name, const QString &caption, int left, int width,
                             const QString &hint) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
        button->setGeometry(Border + left, Border + ButtonTop, width, ButtonHeight);
        button->setIconSize(QSize(16, 16));
        // The hint travels with the button; the window keeps tooltips off.
        button->setToolTip(hint);
        button->installEventFilter(this);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    // Created in tab order: Retry, Print, Close, Clipboard.
    RetryBtn = makeButton(QStringLiteral("RetryBtn"), QStringLiteral("&Retry"), 48, 75,
                          QStringLiteral("Return to data entry screen"));
    PrintBtn = makeButton(QStringLiteral("PrintBtn"), QStringLiteral("&Print"), 266, 75,
                          QStringLiteral("Send screen to printer"));
    CloseBtn = makeButton(QStringLiteral("CloseBtn"), QStringLiteral("&Close"), 360, 75,
                          QStringLiteral("Leave screen"));
    Clip = makeButton(QStringLiteral("Clip"), QStringLiteral("Clip&board"), 136, 113,
                      QStringLiteral("Copy screen to clipboard"));
    RetryBtn->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    Clip->setIcon(ClipboardPicture());
    CloseBtn->setIcon(LeavePicture());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Border, Border, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(ReportPicture());

    DisplayText = new QLabel(this);
    DisplayText->setObjectName(QStringLiteral("DisplayText"));
    DisplayText->setFont(PixelFont(QStringLiteral("Courier New"), 13));
    DisplayText->setTextFormat(Qt::PlainText);
    DisplayText->setWordWrap(false);
    DisplayText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DisplayText->move(Border + 102, Border + 49);

    connect(RetryBtn, &QPushButton::clicked, this, &TMsgForm::RetryBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TMsgForm::PrintBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TMsgForm::CloseBtnClick);
    connect(Clip, &QPushButton::clicked, this, &TMsgForm::ClipClick);

    m_lastUsed = RetryBtn;
    fitToContents();
}

QPushButton *TMsgForm::retryButton() const { return RetryBtn; }
QPushButton *TMsgForm::printButton() const { return PrintBtn; }
QPushButton *TMsgForm::closeButton() const { return CloseBtn; }
QPushButton *TMsgForm::clipButton() const { return Clip; }
QLabel *TMsgForm::displayText() const { return DisplayText; }
QLabel *TMsgForm::image() const { return Image1; }

void TMsgForm::Add()
{
    DisplayText->setText(LabelText(MessageText));
    fitToContents();
}

int TMsgForm::showReport(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    MessageText = text;
    return exec();
}

void TMsgForm::RetryBtnClick() { m_lastUsed = RetryBtn; done(Retry); }
void TMsgForm::PrintBtnClick() { m_lastUsed = PrintBtn; done(Print); }
void TMsgForm::CloseBtnClick() { m_lastUsed = CloseBtn; done(Close); }
void TMsgForm::ClipClick() { m_lastUsed = Clip; done(Clipboard); }

void TMsgForm::fitToContents()
{
    DisplayText->adjustSize();
    int right = 0;
    int bottom = 0;
    for (QWidget *child : {static_cast<QWidget *>(Image1), static_cast<QWidget *>(DisplayText),
                           static_cast<QWidget *>(RetryBtn), static_cast<QWidget *>(Clip),
                           static_cast<QWidget *>(PrintBtn), static_cast<QWidget *>(CloseBtn)}) {
        right = std::max(right, child->geometry().right() + 1);
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    setFixedSize(right + Border, bottom + Border);
}

void TMsgForm::centreOverFrame()
{
    QWidget *frame = parentWidget() ? parentWidget()->window() : nullptr;
    if (!frame) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<QMainWindow *>(top)) {
                frame = top;
                break;
            }
        }
    }
    const QRect area = frame ? frame->frameGeometry()
                             : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isEmpty())
        return;
    QRect mine = frameGeometry();
    mine.moveCenter(area.center());
    move(mine.topLeft());
}

void TMsgForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        Add();
        if (!m_placed) {
            centreOverFrame();
            m_placed = true;
        }
    }
    QDialog::setVisible(visible);
    if (visible)
        m_lastUsed->setFocus(Qt::ActiveWindowFocusReason);
}

void TMsgForm::done(int result)
{
    // The window remembers its focused control for the next showing.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget());
        button && button->parentWidget() == this)
        m_lastUsed = button;
    QDialog::done(result);
}

void TMsgForm::reject()
{
    done(ClosedByBox);
}

bool TMsgForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Add();
    return QDialog::event(event);
}

bool TMsgForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QDialog::eventFilter(watched, event);
}

void TMsgForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // No default button: Enter presses whichever button has the focus.
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
