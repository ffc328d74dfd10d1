#include "gui/viewers/messageform.h"

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/common/text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
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
    Clip->setIcon(Pictures::Paste());
    CloseBtn->setIcon(Pictures::Leave());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Border, Border, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(Pictures::Report());

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

QPushButton *TMsgForm::retryButton() const
{
    return RetryBtn;
}
QPushButton *TMsgForm::printButton() const
{
    return PrintBtn;
}
QPushButton *TMsgForm::closeButton() const
{
    return CloseBtn;
}
QPushButton *TMsgForm::clipButton() const
{
    return Clip;
}
QLabel *TMsgForm::displayText() const
{
    return DisplayText;
}
QLabel *TMsgForm::image() const
{
    return Image1;
}

void TMsgForm::Add()
{
    DisplayText->setText(WithLineFeeds(MessageText)); // the label breaks lines at LF
    fitToContents();
}

int TMsgForm::showReport(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    MessageText = text;
    return exec();
}

void TMsgForm::RetryBtnClick()
{
    m_lastUsed = RetryBtn;
    done(Retry);
}
void TMsgForm::PrintBtnClick()
{
    m_lastUsed = PrintBtn;
    done(Print);
}
void TMsgForm::CloseBtnClick()
{
    m_lastUsed = CloseBtn;
    done(Close);
}
void TMsgForm::ClipClick()
{
    m_lastUsed = Clip;
    done(Clipboard);
}

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
    const QRect area
        = frame ? frame->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
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
