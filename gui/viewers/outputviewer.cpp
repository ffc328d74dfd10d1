#include "gui/viewers/outputviewer.h"

#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/pictures.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/common/vectorpicture.h"
#include "gui/viewers/windowplacement.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include <cmath>

namespace {

constexpr int DesignWidth = 440;
constexpr int DesignHeight = 300;
constexpr int PanelHeight = 27;
constexpr int ButtonGap = 10;
constexpr int LeftMargin = 10; // blanks in front of every printed line

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

OutputViewer::OutputViewer(QWidget *parent, Frame frame)
    : QWidget(parent, frame == Frame::OwnWindow ? Qt::Window : Qt::Widget)
    , m_frame(frame)
{
    setWindowTitle(tr("View and print output files"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(PixelFont(QStringLiteral("System"), 13));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setAccessibleName(tr("Report"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont textFont = PixelFont(QStringLiteral("Courier New"), 11);
    textFont.setStyleHint(QFont::TypeWriter);
    FollowZoom(m_text, textFont);
    // Cream paper where the desktop's base is light; a dark base is kept.
    QPalette textPalette = m_text->palette();
    if (ContrastRatio(textPalette.color(QPalette::Base), Qt::black) > 15)
        textPalette.setColor(QPalette::Base, QColor(255, 251, 240));
    m_text->setPalette(textPalette);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("ButtonPanel"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setFixedHeight(PanelHeight);

    m_closeButton = new QPushButton(tr("&Close"), m_panel);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_closeButton->setToolTip(tr("Close file viewing."));
    m_closeButton->setFixedSize(CaptionedWidth(*m_closeButton, 70, QStringLiteral("Close")), 25);

    // The Print button never takes the focus and shows no tooltip; its
    // picture stands to the right of the caption.
    m_printButton = new QToolButton(m_panel);
    m_printButton->setObjectName(QStringLiteral("PrintBtn"));
    m_printButton->setText(tr("&Print"));
    m_printButton->setIcon(Pictures::Print());
    m_printButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_printButton->setLayoutDirection(Qt::RightToLeft);
    m_printButton->setAutoRaise(true);
    m_printButton->setFocusPolicy(Qt::NoFocus);
    m_printButton->setStatusTip(tr("Print Document"));
    m_printButton->setFixedSize(CaptionedWidth(*m_printButton, 60, QStringLiteral("Print")), 25);

    // Print and Close side by side in the middle of the panel, Close starting
    // at the middle: Print with its gap is exactly as wide as Close (in
    // English; a translation may widen either).
    static_assert(60 + ButtonGap == 70);
    auto *buttons = new QHBoxLayout(m_panel);
    buttons->setContentsMargins(0, 1, 0, 1);
    buttons->setSpacing(0);
    buttons->addStretch(1);
    buttons->addWidget(m_printButton);
    buttons->addSpacing(ButtonGap);
    buttons->addWidget(m_closeButton);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_panel);

    resize(DesignWidth, DesignHeight);

    connect(m_printButton, &QToolButton::clicked, this, &OutputViewer::printFile);
    if (frame == Frame::Embedded) {
        // Tab leaves the text for the next control of the window.
        m_text->setTabChangesFocus(true);
        addCopyAndSave();
        connect(m_closeButton, &QPushButton::clicked, this, [this] { window()->close(); });
        return;
    }
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &OutputViewer::focusWindowChanged);
}

void OutputViewer::addCopyAndSave()
{
    auto *buttons = static_cast<QHBoxLayout *>(m_panel->layout());
    const int at = buttons->indexOf(m_printButton) + 1;
    auto *copy = new QPushButton(tr("C&opy"), m_panel);
    copy->setObjectName(QStringLiteral("ReportCopyBtn"));
    copy->setToolTip(tr("Copy the report to the clipboard."));
    auto *save = new QPushButton(tr("&Save..."), m_panel);
    save->setObjectName(QStringLiteral("ReportSaveBtn"));
    save->setToolTip(tr("Save a copy of the report (Ctrl+S)."));
    for (QPushButton *button : {copy, save}) {
        button->setFixedHeight(25);
        button->setAutoDefault(false);
    }
    buttons->insertWidget(at, save);
    buttons->insertSpacing(at, ButtonGap);
    buttons->insertWidget(at, copy);
    buttons->insertSpacing(at, ButtonGap);
    connect(copy, &QPushButton::clicked, this, &OutputViewer::copyText);
    connect(save, &QPushButton::clicked, this, &OutputViewer::saveCopy);
    auto *saveKey = new QShortcut(QKeySequence::Save, this);
    saveKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(saveKey, &QShortcut::activated, this, &OutputViewer::saveCopy);
}

void OutputViewer::copyText()
{
    CopyTextToClipboard(m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void OutputViewer::saveCopy()
{
    FileDialogRequest request;
    request.title = tr("Save Report As");
    request.fileName = QFileInfo(m_fileName).fileName();
    request.filters = QStringList{tr("Output files (*.out *.OUT)"), tr("All files (*)")};
    const QString path = Prompts::current().saveFileName(this, request);
    if (path.isEmpty() || QFileInfo(path) == QFileInfo(m_fileName))
        return;
    // The report as it is on disk, written whole or not at all.
    QFile source(m_fileName);
    QSaveFile target(path);
    QString problem;
    if (!source.open(QIODevice::ReadOnly))
        problem = source.errorString();
    else if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        problem = target.errorString();
    else {
        const QByteArray bytes = source.readAll();
        if (target.write(bytes) != bytes.size() || !target.commit())
            problem = target.errorString();
    }
    if (!problem.isEmpty())
        Prompts::current().error(
            tr("Cannot save the report \"%1\": %2").arg(QDir::toNativeSeparators(path), problem));
}

bool OutputViewer::viewFile(const QString &path)
{
    m_fileName = path;
    if (!QFileInfo(path).isFile())
        return false;
    if (!loadFile())
        return false;
    m_hadFocus = false;
    if (m_frame == Frame::Embedded)
        return true;
    if (!m_placed) {
        // Most of the window it belongs to (of the screen without one),
        // centred over it; later files keep the place the user gave it.
        m_placed = true;
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        QSize room = owner ? owner->size() : QSize();
        if (room.isEmpty() && screen())
            room = screen()->availableGeometry().size();
        resize((room * 0.85).expandedTo(QSize(DesignWidth, DesignHeight)));
        CentreOverParent(this);
    }
    show();
    raise();
    activateWindow();
    repaint();
    return true;
}

bool OutputViewer::loadFile()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::current().error(
            tr("Cannot open file \"%1\". %2")
                .arg(QDir::toNativeSeparators(m_fileName), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Prompts::current().error(
            tr("Cannot read file \"%1\". %2")
                .arg(QDir::toNativeSeparators(m_fileName), file.errorString()));
        return false;
    }
    m_lines = SplitLines(DecodeText(bytes));
    m_text->setPlainText(m_lines.join(QLatin1Char('\n')));
    setWindowTitle(m_fileName);
    return true;
}

void OutputViewer::printFile()
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
    if (!AskPrinter(this, printer))
        return;

    PrinterTextChannel channel(printer);
    if (!channel.open(m_fileName)) {
        Prompts::current().error(tr("The printer could not start printing \"%1\".")
                                     .arg(QDir::toNativeSeparators(m_fileName)));
        return;
    }
    // The printed text has the screen font's size in points (11 pixels on a
    // 96-dpi screen is 8 points).
    QFont font = UnzoomedFont(m_text);
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
            tr("Printing \"%1\" failed.").arg(QDir::toNativeSeparators(m_fileName)));
}

void OutputViewer::focusWindowChanged()
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
    close();
}
