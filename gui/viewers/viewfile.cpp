#include "gui/viewers/viewfile.h"

#include "gui/common/fonts.h"
#include "gui/common/pictures.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

TViewForm *ViewForm = nullptr;

namespace {

constexpr int DesignWidth = 440;
constexpr int DesignHeight = 300;
constexpr int PanelDesignWidth = 432;
constexpr int PanelHeight = 27;
constexpr int LeftMargin = 10; // blanks in front of every printed line

// Only the letters A to Z are lowered; every other character stays as it is.
QString LowerAsciiLetters(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return result;
}

// The lines of a text file as an editor control sees them: CR LF, LF and CR
// each end a line, and a line end at the very end opens no further line.
QStringList SplitLines(const QString &text)
{
    QString normal = WithLineFeeds(text);
    if (normal.isEmpty())
        return {};
    if (normal.endsWith(QLatin1Char('\n')))
        normal.chop(1);
    return normal.split(QLatin1Char('\n'));
}

} // namespace

TViewForm::TViewForm(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("View and print output files"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(PixelFont(QStringLiteral("System"), 13));

    ViewMemo = new QPlainTextEdit(this);
    ViewMemo->setReadOnly(true);
    ViewMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ViewMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ViewMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont = PixelFont(QStringLiteral("Courier New"), 11);
    memoFont.setStyleHint(QFont::TypeWriter);
    ViewMemo->setFont(memoFont);
    QPalette memoPalette = ViewMemo->palette();
    memoPalette.setColor(QPalette::Base, QColor(255, 251, 240)); // cream
    memoPalette.setColor(QPalette::Text, Qt::black);
    ViewMemo->setPalette(memoPalette);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedHeight(PanelHeight);
    Panel1->resize(PanelDesignWidth, PanelHeight);

    CloseBtn = new QPushButton(QStringLiteral("&Close"), Panel1);
    CloseBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    CloseBtn->setToolTip(QStringLiteral("Close file viewing."));
    CloseBtn->resize(70, 25);

    // The Print button never takes the focus and shows no tooltip; its
    // picture stands to the right of the caption.
    PrintBtn = new QToolButton(Panel1);
    PrintBtn->setText(QStringLiteral("&Print"));
    PrintBtn->setIcon(Pictures::Print());
    PrintBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    PrintBtn->setLayoutDirection(Qt::RightToLeft);
    PrintBtn->setAutoRaise(true);
    PrintBtn->setFocusPolicy(Qt::NoFocus);
    PrintBtn->setStatusTip(QStringLiteral("Print Document"));
    PrintBtn->resize(60, 25);

    // The buttons are placed once, from the panel's design width, and stay
    // where they are when the window changes size.
    CloseBtn->move(Panel1->width() / 2, 1);
    PrintBtn->move(CloseBtn->x() - PrintBtn->width() - 10, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ViewMemo, 1);
    layout->addWidget(Panel1);

    resize(DesignWidth, DesignHeight);

    connect(CloseBtn, &QPushButton::clicked, this, &TViewForm::CloseForm);
    connect(PrintBtn, &QToolButton::clicked, this, &TViewForm::PrintBtnClick);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TViewForm::focusWindowChanged);
}

TViewForm::~TViewForm() = default;

void TViewForm::Execute(const QString &path, QObject *sender)
{
    ViewFileName = path;
    if (!QFileInfo(path).isFile())
        return;
    if (!ShowFile(sender))
        return;
    m_hadFocus = false;
    showMaximized();
    raise();
    activateWindow();
    repaint();
}

bool TViewForm::ShowFile(QObject *)
{
    QFile file(ViewFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::current().error(
            QStringLiteral("Cannot open file \"%1\". %2")
                .arg(QDir::toNativeSeparators(ViewFileName), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Prompts::current().error(
            QStringLiteral("Cannot read file \"%1\". %2")
                .arg(QDir::toNativeSeparators(ViewFileName), file.errorString()));
        return false;
    }
    const QString text = DecodeText(bytes);
    m_lines = SplitLines(text);
    ViewMemo->setPlainText(m_lines.join(QLatin1Char('\n')));
    setWindowTitle(LowerAsciiLetters(ViewFileName));
    return true;
}

void TViewForm::PrintBtnClick()
{
    // The print dialog and any message about the print belong to this
    // command: the viewer stays while they are up.
    m_printing = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_printing};

    QPrinter &printer = ProgramPrinter();
    if (!Prompts::current().printDialog(this, printer))
        return;

    PrinterTextChannel channel(printer);
    if (!channel.open(ViewFileName)) {
        Prompts::current().error(QStringLiteral("The printer could not start printing \"%1\".")
                                     .arg(QDir::toNativeSeparators(ViewFileName)));
        return;
    }
    // The printed text has the screen font's size in points (11 pixels on a
    // 96-dpi screen is 8 points).
    QFont font = ViewMemo->font();
    const int pixels = font.pixelSize();
    if (pixels > 0)
        font.setPointSize(std::max(1, static_cast<int>(std::lrint(pixels * 72.0 / 96.0))));
    channel.setFont(font);
    const QString margin(LeftMargin, QLatin1Char(' '));
    for (const QString &line : std::as_const(m_lines))
        channel.writeLine(margin + line);
    channel.close();
    if (printer.printerState() == QPrinter::Error)
        Prompts::current().error(
            QStringLiteral("Printing \"%1\" failed.").arg(QDir::toNativeSeparators(ViewFileName)));
}

void TViewForm::CloseForm()
{
    hide();
}

void TViewForm::focusWindowChanged()
{
    QWindow *focus = QGuiApplication::focusWindow();
    QWindow *own = windowHandle();
    if (own && focus == own) {
        m_hadFocus = true;
        return;
    }
    // Focus gone to another program: the viewer stays. Focus gone to another
    // window of ours after the viewer had it: the viewer goes.
    if (!focus || !m_hadFocus || m_printing || !isVisible())
        return;
    m_hadFocus = false;
    CloseForm();
}
