#include "gui/analysis/histoform.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/picturelayout.h"
#include "core/analysis/report.h"
#include "gui/analysis/histopicture.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/text.h"
#include "gui/viewers/graph.h"
#include "gui/viewers/viewfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <memory>

THisto *Histo = nullptr;

namespace {

constexpr int Border = 10;
constexpr int HelpContext = 6;

QFont EntryFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    return font;
}

// Places a control at its design position inside the dialog's border. Text
// controls may need a little more room than designed for the font at hand:
// they grow downwards and to the right.
void Place(QWidget *widget, int left, int top, int width, int height)
{
    const QSize hint = widget->sizeHint();
    widget->setGeometry(Border + left, Border + top, std::max(width, hint.width()),
                        std::max(height, hint.height()));
}

// The labels left of the entry field grow to the left instead, so that they
// keep their distance from the field.
void PlaceLabel(QLabel *label, int left, int top, int width, int height)
{
    const QSize hint = label->sizeHint();
    const int right = left + width;
    const int grown = std::max(width, hint.width());
    label->setGeometry(Border + std::max(0, right - grown), Border + top, grown,
                       std::max(height, hint.height()));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

THisto::THisto(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Histogram data"));
    setHelpContext(this, HelpContext);
    setFont(PixelFont(QStringLiteral("Times New Roman"), 16, true));
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    setPalette(navy);

    EntryBox = new QCheckBox(QStringLiteral("Number of Intervals Entry"), this);
    EntryBox->setObjectName(QStringLiteral("EntryBox"));
    EntryBox->setChecked(true);
    Place(EntryBox, 0, 0, 201, 17);

    CenterBox = new QCheckBox(QStringLiteral("Check to center data"), this);
    CenterBox->setObjectName(QStringLiteral("CenterBox"));
    CenterBox->setToolTip(QStringLiteral("Center data around arithmetic mean."));
    CenterBox->setChecked(true);
    Place(CenterBox, 0, 32, 169, 17);

    Label1 = new QLabel(QStringLiteral("Number of Intervals:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("Enter number of intervals for histogram"));
    PlaceLabel(Label1, 0, 72, 140, 19);

    Label2 = new QLabel(QStringLiteral("Size of class width:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    PlaceLabel(Label2, 16, 72, 125, 19);
    Label2->setVisible(false);

    EntryText = new QLineEdit(this);
    EntryText->setObjectName(QStringLiteral("EntryText"));
    EntryText->setToolTip(QStringLiteral("Enter the classwidth or number of class intervals."));
    EntryText->setFont(EntryFont());
    QPalette black = EntryText->palette();
    black.setColor(QPalette::Text, Qt::black);
    EntryText->setPalette(black);
    EntryText->setGeometry(Border + 152, Border + 72, 41, 23);

    OkBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                            this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    OkBtn->setGeometry(Border + 232, Border + 16, 75, 25);
    EscBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                             QStringLiteral("Cancel"), this);
    EscBtn->setObjectName(QStringLiteral("EscBtn"));
    EscBtn->setGeometry(Border + 232, Border + 48, 75, 25);
    HelpBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton),
                              QStringLiteral("Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    HelpBtn->setGeometry(Border + 232, Border + 80, 75, 25);
    setHelpContext(HelpBtn, HelpContext);

    setTabOrder(EntryBox, CenterBox);
    setTabOrder(CenterBox, EntryText);
    setTabOrder(EntryText, OkBtn);
    setTabOrder(OkBtn, EscBtn);
    setTabOrder(EscBtn, HelpBtn);

    // The dialog takes the size of its contents plus the border.
    QRect contents;
    for (QWidget *child : {static_cast<QWidget *>(EntryBox), static_cast<QWidget *>(CenterBox),
                           static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                           static_cast<QWidget *>(EntryText), static_cast<QWidget *>(OkBtn),
                           static_cast<QWidget *>(EscBtn), static_cast<QWidget *>(HelpBtn)})
        contents |= child->geometry();
    setFixedSize(contents.right() + 1 + Border, contents.bottom() + 1 + Border);

    connect(EntryBox, &QCheckBox::clicked, this, &THisto::ChangeText);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(EscBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this,
            [this] { HelpSystem::current().showContext(HelpFileFor(this), HelpContext); });

    OpenDialog.title = QStringLiteral("Open Data File");
    OpenDialog.filters
        = QStringList{QStringLiteral("Data files (*.dat)"), QStringLiteral("Text files (*.txt)"),
                      QStringLiteral("Output files(*.out)"), QStringLiteral("all files (*.*)")};
    OpenDialog.selectedFilter = 0;
    OpenDialog.defaultSuffix = QStringLiteral("dat");
    OpenDialog.mustExist = true;
    OpenDialog.helpContext = 6;
}

void THisto::showEvent(QShowEvent *event)
{
    // In the middle of the desktop.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void THisto::ChangeText()
{
    // Every run starts from the design state, so flipping keeps the visible
    // label in step with the check mark.
    Label1->setVisible(Label1->isHidden());
    Label2->setVisible(Label2->isHidden());
}

bool THisto::AcceptEntry(AnalysisState &analysis)
{
    const std::string text = ToCore(EntryText->text());
    const std::vector<std::string> problems = EntryBox->isChecked()
        ? ReadIntervalEntry(text, analysis.ClassCount, LastDataLine())
        : ReadWidthEntry(text, analysis.ClassWidth, LastDataLine());
    for (const std::string &problem : problems)
        Prompts::current().message(CoreMessageText(problem));
    return problems.empty();
}

namespace {

// What the analysis of the chosen file leaves the run to do.
enum class Outcome { Analysed, Failed, AskAgain };

// File names travel to and from the core in the system's own encoding, so
// that a folder with accented letters opens like any other.
std::string CoreFileName(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

QString FileNameFromCore(const std::string &name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

// The core's messages may quote a file name (system encoding) or a line of
// a data file (8-bit text).
QString MessageFromCore(const std::string &text)
{
    return DecodeText(QByteArray::fromStdString(text));
}

void Show(const std::string &text)
{
    Prompts::current().message(MessageFromCore(text));
}

// Reads and analyses the chosen file into the analysis state. A file that
// cannot be used ends the run; a class width that does not suit the data
// sends the user back to the dialog.
Outcome Analyse(AnalysisState &analysis, const QString &fileName)
{
    std::string error;
    bool classesRefused = false;
    analysis.ShownLine = LastDataLine();
    const bool analysed = AnalyseDataFile(analysis, CoreFileName(fileName), error, &classesRefused);
    LastDataLine() = analysis.ShownLine;
    for (const std::string &text : analysis.ReadErrors)
        Prompts::current().message(CoreMessageText(text));
    if (analysed)
        return Outcome::Analysed;
    Show(error);
    return classesRefused ? Outcome::AskAgain : Outcome::Failed;
}

} // namespace

void THisto::RunAnalysis(const QString &defaultFileName, QObject *sender)
{
    // A dialog of its own for every run, gone when the run ends on any path.
    const auto dialog = std::make_unique<THisto>();
    AnalysisState analysis;

    for (;;) {
        if (dialog->exec() != QDialog::Accepted)
            return;
        ResetAnalysis(analysis);
        if (!dialog->AcceptEntry(analysis))
            continue;
        analysis.CenterData = dialog->CenterBox->isChecked();

        FileDialogRequest request = dialog->OpenDialog;
        request.fileName = defaultFileName;
        if (!defaultFileName.isEmpty()) {
            const QFileInfo proposed(defaultFileName);
            if (proposed.dir().exists())
                request.directory = proposed.absolutePath();
        }
        const QString chosen = Prompts::current().openFileName(dialog.get(), request);
        if (chosen.isEmpty())
            return;
        analysis.DataFileName = CoreFileName(chosen);
        // Its report would replace the data file: one message, before the
        // file's read errors and its picture.
        const std::string refusal = ReportReplacesDataFile(analysis.DataFileName);
        if (!refusal.empty()) {
            Show(refusal);
            return;
        }

        const Outcome outcome = Analyse(analysis, chosen);
        if (outcome == Outcome::AskAgain)
            continue;
        if (outcome == Outcome::Failed)
            return;

        dialog->DrawHistogram(analysis, sender);

        std::string error;
        if (!WriteReport(analysis, error)) {
            Show(error);
            return;
        }
        if (!ViewForm)
            ViewForm = new TViewForm;
        ViewForm->Execute(FileNameFromCore(analysis.DataFileName), sender);
        return;
    }
}

void THisto::DrawHistogram(const AnalysisState &analysis, QObject *)
{
    if (!MyGraph)
        MyGraph = new TMyGraph;
    MyGraph->ClearImage();
    QImage &canvas = MyGraph->canvas();
    PaintHistogramPicture(canvas, LayoutHistogram(analysis, canvas.width(), canvas.height()));
    MyGraph->refreshImage();
    MyGraph->exec();
}
