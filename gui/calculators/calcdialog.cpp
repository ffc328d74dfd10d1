#include "gui/calculators/calcdialog.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <stdexcept>

#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/viewers/messageform.h"

namespace {

const int BorderWidth = 10;

QFont labelFont()
{
    return PixelFont(QStringLiteral("Times New Roman"), 16, true);
}

QFont editFont()
{
    return PixelFont(QStringLiteral("Times New Roman"), 13);
}

void setTextColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The banner that heads every printed calculator report.
const char *const BannerTitle = "          Mervan for Windows";
const char *const BannerRule = "          ~~~~~~~~~~~~~~~~~~~~";

} // namespace

TCalcDialog::TCalcDialog(const Design &design, QWidget *parent)
    : QDialog(parent)
    , m_design(design)
{
    setWindowTitle(design.caption);
    if (design.helpContext != 0)
        setHelpContext(this, design.helpContext);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    // The dialog takes the size of its contents and cannot be resized.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    m_fields = new QGridLayout;
    outer->addLayout(m_fields);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setDefault(true);
    m_cancel
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    // The style's help picture reads as an error mark in some styles; the
    // caption says enough.
    m_help = new QPushButton(tr("&Help"), this);
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    m_help->setAutoDefault(false);
    if (design.helpButtonContext != 0)
        setHelpContext(m_help, design.helpButtonContext);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    outer->addLayout(buttons);

    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_help);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &TCalcDialog::showHelp);
}

QLabel *TCalcDialog::addLabel(const QString &labelName, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(labelName);
    label->setFont(labelFont());
    setTextColour(label, QPalette::WindowText, QColor(0, 0, 128));
    return label;
}

QLineEdit *TCalcDialog::addField(const QString &labelName, const QString &labelText,
                                 const QString &editName, const QString &hint, int width,
                                 int helpContext)
{
    const int row = m_rows++;

    QLabel *label = addLabel(labelName, labelText);

    auto *edit = new QLineEdit(this);
    edit->setObjectName(editName);
    edit->setFont(editFont());
    setTextColour(edit, QPalette::Text, Qt::black);
    edit->setFixedWidth(width);
    // The hint travels with the field; it is displayed only by dialogs that
    // switch hints on.
    edit->setProperty("hint", hint);
    if (m_design.showHints)
        edit->setToolTip(hint);
    if (helpContext != 0)
        setHelpContext(edit, helpContext);
    label->setBuddy(edit);

    m_fields->addWidget(label, row, 0);
    m_fields->addWidget(edit, row, 1, Qt::AlignLeft);

    // Fields first, in the order added, then OK, Cancel and Help.
    if (m_lastField)
        setTabOrder(m_lastField, edit);
    else
        m_firstField = edit;
    setTabOrder(edit, m_ok);
    m_lastField = edit;
    return edit;
}

QLabel *TCalcDialog::addTrailingLabel(QLineEdit *field, const QString &labelName,
                                      const QString &text)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    m_fields->getItemPosition(m_fields->indexOf(field), &row, &column, &rowSpan, &columnSpan);

    QLabel *label = addLabel(labelName, text);
    m_fields->addWidget(label, row, column + 1);
    return label;
}

void TCalcDialog::placeOnFirstShowing()
{
    if (m_placed)
        return;
    m_placed = true;
    adjustSize();
    // Typing starts in the first field; later showings keep the focus where
    // the user left it.
    if (m_firstField)
        m_firstField->setFocus();
    if (m_design.centred)
        centreOnDesktop();
    else
        move(m_design.designPosition);
}

void TCalcDialog::centreOnDesktop()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->geometry();
    const QSize frame = frameGeometry().size();
    move(desktop.x() + (desktop.width() - frame.width()) / 2,
         desktop.y() + (desktop.height() - frame.height()) / 2);
}

void TCalcDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The frame's size is known only once the window is shown: centre the
    // whole window, frame included, on its first showing.
    if (m_design.centred && !m_frameCentred) {
        m_frameCentred = true;
        centreOnDesktop();
    }
}

void TCalcDialog::showHelp()
{
    const int context = helpContext(m_help) != 0 ? helpContext(m_help) : helpContext(this);
    HelpSystem::current().showContext(HelpFileFor(this), context);
}

void TCalcDialog::RunDialogLoop()
{
    for (;;) {
        placeOnFirstShowing();
        if (exec() != QDialog::Accepted)
            return;

        const CalcOutcome outcome = runRequest();
        LastDataLine() = outcome.shownLine;
        // Shown like every other message of the core: the read error's ETX
        // marks left out and its CR breaks as line breaks.
        for (const std::string &text : outcome.messages)
            Prompts::current().message(CoreMessageText(text));
        if (!outcome.accepted)
            continue;

        // The results window is created at start-up; a request started
        // without it still gets one of its own rather than failing.
        std::unique_ptr<TMsgForm> ownResults;
        TMsgForm *results = MsgForm;
        if (!results) {
            ownResults = std::make_unique<TMsgForm>();
            results = ownResults.get();
        }

        switch (results->showReport(m_design.resultCaption, FromCore(outcome.report))) {
        case TMsgForm::Retry:
            continue;
        case TMsgForm::Clipboard:
            CopyTextToClipboard(FromCore(outcome.report));
            return;
        case TMsgForm::Print:
            if (Prompts::current().printDialog(this, ProgramPrinter()))
                printReport(FromCore(outcome.report));
            return;
        default:
            return;
        }
    }
}

void TCalcDialog::printReport(const QString &report)
{
    // The report is printed in the results window's display font.
    QFont font = PixelFont(QStringLiteral("Courier New"), 13);
    if (MsgForm && MsgForm->displayText())
        font = MsgForm->displayText()->font();

    PrinterTextChannel channel(ProgramPrinter());
    if (!channel.open(m_design.resultCaption))
        throw std::runtime_error("Printing failed: the printer did not start the print job.");
    try {
        channel.setFont(font);
        channel.writeLine(QString::fromLatin1(BannerTitle));
        channel.writeLine(QString::fromLatin1(BannerRule));
        channel.writeLine(report);
    } catch (...) {
        channel.close();
        throw;
    }
    channel.close();
}
