#include "gui/analysis/histogramdialog.h"

#include "core/analysis/analysisrequest.h"
#include "core/analysis/classes.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/shape.h"
#include "core/numeric/strings.h"
#include "gui/analysis/columnchooser.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/settings.h"
#include "gui/common/text.h"
#include "gui/common/translations.h"
#include "gui/common/vectorpicture.h"
#include "gui/viewers/windowplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int Border = 10;
constexpr int HelpContext = 6;
// The key of the dialog's last choices in the settings.
const QString ChoicesName = QStringLiteral("histogram");

QFont EntryFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    return font;
}

QLabel *LabelFor(QWidget *field, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QString name = text;
    name.remove(QLatin1Char('&'));
    name.chop(1); // the colon
    field->setAccessibleName(name);
    return label;
}

QComboBox *Choices(const char *name, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

} // namespace

HistogramDialog::HistogramDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Histogram data"));
    setHelpContext(this, HelpContext);
    setFont(PixelFont(QStringLiteral("Times New Roman"), 16, true));
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText,
                  ReadableColour(QColor(0, 0, 128), navy.color(QPalette::Window)));
    navy.setColor(QPalette::ButtonText,
                  ReadableColour(QColor(0, 0, 128), navy.color(QPalette::Button)));
    setPalette(navy);

    m_intervalsBox = new QCheckBox(tr("Number of Intervals Entry"), this);
    m_intervalsBox->setObjectName(QStringLiteral("EntryBox"));

    m_centreBox = new QCheckBox(tr("Check to center data"), this);
    m_centreBox->setObjectName(QStringLiteral("CenterBox"));
    m_centreBox->setToolTip(tr("Center data around arithmetic mean."));

    // On where the user's locale writes numbers with a decimal comma.
    m_decimalCommaBox = new QCheckBox(tr("Decimal comma"), this);
    m_decimalCommaBox->setObjectName(QStringLiteral("DecimalCommaBox"));
    m_decimalCommaBox->setToolTip(tr("Read a comma between two digits as a decimal sign."));

    m_intervalsLabel = new QLabel(tr("Number of Intervals:"), this);
    m_intervalsLabel->setObjectName(QStringLiteral("Label1"));
    m_intervalsLabel->setToolTip(tr("Enter number of intervals for histogram"));
    m_intervalsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_widthLabel = new QLabel(tr("Size of class width:"), this);
    m_widthLabel->setObjectName(QStringLiteral("Label2"));
    m_widthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("EntryText"));
    m_entry->setToolTip(tr("Enter the classwidth or number of class intervals."));
    m_entry->setFont(EntryFont());
    QPalette black = m_entry->palette();
    black.setColor(QPalette::Text, ReadableColour(Qt::black, black.color(QPalette::Base)));
    m_entry->setPalette(black);
    m_entry->setFixedWidth(41);

    m_suggestions = new QLabel(this);
    m_suggestions->setObjectName(QStringLiteral("SuggestionLabel"));
    m_suggestions->setWordWrap(true);
    m_suggestions->setVisible(false);

    m_anchor = new QLineEdit(this);
    m_anchor->setObjectName(QStringLiteral("AnchorText"));
    m_anchor->setFont(EntryFont());
    m_anchor->setPalette(black);
    m_anchor->setFixedWidth(82);
    m_closedEnd = Choices("ClosedEndBox", {tr("left"), tr("right")}, this);
    m_closedEnd->setToolTip(tr("Left: a value on a class bound counts in the upper class. Right: "
                               "in the lower class."));
    m_scale = Choices("ScaleBox", {tr("counts"), tr("percent"), tr("density")}, this);
    m_scale->setToolTip(tr("The histogram's bars and normal curve as counts, percent of all "
                           "values, or density."));
    // Centred classes take their place from the mean: the start is for plain
    // classes only.
    connect(m_centreBox, &QCheckBox::toggled, this, [this](bool centred) {
        m_anchor->setEnabled(!centred);
        m_anchor->setToolTip(centred ? tr("Centred classes start where the mean places them; "
                                          "uncheck centring to choose the start.")
                                     : tr("Leave empty to place the classes automatically."));
    });

    m_chooser = new ColumnChooser(this);
    m_chooser->setObjectName(QStringLiteral("ColumnChooser"));
    m_chooser->setVisible(false);
    connect(m_chooser, &ColumnChooser::choiceChanged, this, &HistogramDialog::suggestClasses);

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    m_okButton = buttons->addButton(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("OkBtn"));
    m_okButton->setText(tr("OK"));
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancelButton->setObjectName(QStringLiteral("EscBtn"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_helpButton = buttons->addButton(QDialogButtonBox::Help);
    m_helpButton->setObjectName(QStringLiteral("HelpBtn"));
    m_helpButton->setText(tr("Help"));
    m_helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    setHelpContext(m_helpButton, HelpContext);
    // The classic size, wider where a translation needs it.
    m_okButton->setFixedSize(CaptionedWidth(*m_okButton, 75, QStringLiteral("OK")), 25);
    m_cancelButton->setFixedSize(CaptionedWidth(*m_cancelButton, 75, QStringLiteral("Cancel")), 25);
    m_helpButton->setFixedSize(CaptionedWidth(*m_helpButton, 75, QStringLiteral("Help")), 25);

    // The boxes above the entry field with its label and the suggested
    // numbers of classes, the other choices of the classes below it with
    // their labels on the left; the column step beside them once a file with
    // columns is known; the buttons in a column on the right. Only one of
    // the two entry labels shows at a time, in the same place.
    // The body scrolls where the screen is too small for it (a large
    // scale factor on a small screen); the buttons stay in view.
    m_body = new QWidget(this);
    auto *layout = new QGridLayout(m_body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(8);
    layout->setHorizontalSpacing(12);
    layout->addWidget(m_intervalsBox, 0, 0, 1, 2);
    layout->addWidget(m_centreBox, 1, 0, 1, 2);
    layout->addWidget(m_intervalsLabel, 2, 0);
    layout->addWidget(m_widthLabel, 2, 0);
    layout->addWidget(m_entry, 2, 1, Qt::AlignLeft);
    layout->addWidget(m_suggestions, 3, 0, 1, 2);
    layout->addWidget(LabelFor(m_anchor, tr("Start of &first class:"), this), 4, 0);
    layout->addWidget(m_anchor, 4, 1, Qt::AlignLeft);
    layout->addWidget(LabelFor(m_closedEnd, tr("Class closed at &the:"), this), 5, 0);
    layout->addWidget(m_closedEnd, 5, 1, Qt::AlignLeft);
    layout->addWidget(LabelFor(m_scale, tr("&Y axis:"), this), 6, 0);
    layout->addWidget(m_scale, 6, 1, Qt::AlignLeft);
    layout->addWidget(m_decimalCommaBox, 7, 0, 1, 2);
    layout->addWidget(m_chooser, 0, 2, 8, 1, Qt::AlignTop);
    layout->setColumnMinimumWidth(1, 41);
    layout->setRowStretch(8, 1);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("DialogScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_body);
    m_buttons = buttons;

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(Border, Border, Border, Border);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setSpacing(12);
    outer->addWidget(m_scroll);
    outer->addWidget(buttons, 0, Qt::AlignTop);
    fitToScreen();

    QWidget *order[] = {m_intervalsBox,
                        m_centreBox,
                        m_entry,
                        m_anchor,
                        m_closedEnd,
                        m_scale,
                        m_decimalCommaBox,
                        m_chooser->findChild<QWidget *>(QStringLiteral("DelimiterBox")),
                        m_chooser->findChild<QWidget *>(QStringLiteral("DecimalSignBox")),
                        m_chooser->findChild<QWidget *>(QStringLiteral("HeaderBox")),
                        m_chooser->findChild<QWidget *>(QStringLiteral("PreviewTable")),
                        m_chooser->findChild<QWidget *>(QStringLiteral("ColumnBox")),
                        m_chooser->findChild<QWidget *>(QStringLiteral("WeightsBox")),
                        m_okButton,
                        m_cancelButton,
                        m_helpButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_intervalsBox, &QCheckBox::clicked, this, &HistogramDialog::swapEntryLabels);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { HelpSystem::current().showContext(HelpFileFor(this), HelpContext); });
    restoreChoices();
}

bool HistogramDialog::intervalsEntered() const
{
    return m_intervalsBox->isChecked();
}

bool HistogramDialog::centred() const
{
    return m_centreBox->isChecked();
}

bool HistogramDialog::decimalComma() const
{
    return m_decimalCommaBox->isChecked();
}

QString HistogramDialog::entryText() const
{
    return m_entry->text();
}

FileDialogRequest HistogramDialog::dataFileRequest(const QString &fileName) const
{
    FileDialogRequest request;
    request.title = tr("Open Data File");
    // Spreadsheets export columns as .csv or .tsv; "all files" means every
    // file, also those without an extension.
    request.filters
        = QStringList{tr("Data files (*.dat)"), tr("Spreadsheet exports (*.csv *.tsv)"),
                      tr("Text files (*.txt)"), tr("Output files(*.out)"), tr("all files (*)")};
    request.selectedFilter = 0;
    request.defaultSuffix = QStringLiteral("dat");
    request.mustExist = true;
    request.helpContext = HelpContext;
    request.fileName = fileName;
    if (!fileName.isEmpty()) {
        const QFileInfo proposed(fileName);
        if (proposed.dir().exists())
            request.directory = proposed.absolutePath();
    }
    return request;
}

bool HistogramDialog::setDataFile(const QString &path)
{
    m_dataFile = path;
    QString error;
    const bool columnar = m_chooser->setFile(path, error) && m_chooser->layout().columnar
        && !IsPooledBlankList(m_chooser->layout(), {});
    m_chooser->setVisible(columnar);
    // The column step's decimal sign takes the place of the box.
    m_decimalCommaBox->setVisible(!columnar);
    m_suggestions->setVisible(columnar);
    fitToScreen();
    return columnar;
}

// The numbers of classes Sturges', Scott's and Freedman-Diaconis' rules give
// for the chosen column, or why the column cannot be analysed.
void HistogramDialog::suggestClasses()
{
    if (m_dataFile.isEmpty() || !m_chooser->layout().columnar)
        return;
    ColumnRequest request;
    request.column = ToCore(m_chooser->column());
    request.weights = ToCore(m_chooser->weights());
    const ColumnRead read
        = ReadColumnFile(QFile::encodeName(m_dataFile).toStdString(), m_chooser->layout(), request);
    if (!read.ok()) {
        m_suggestions->setText(CoreMessageText(ColumnProblemText(read.problem)));
        return;
    }
    const SortedSample sample = SortSample(read.data.values, read.data.counts);
    if (sample.n == 0) {
        m_suggestions->clear();
        return;
    }
    const ClassSuggestions suggested = SuggestClasses(sample, DescribeShape(sample));
    m_suggestions->setText(tr("Suggested: %1 (Sturges), %2 (Scott), %3 (Freedman-Diaconis)")
                               .arg(suggested.sturges)
                               .arg(suggested.scott)
                               .arg(suggested.freedmanDiaconis));
}

std::vector<std::string> HistogramDialog::fillRequest(AnalysisRequest &request) const
{
    const std::string entry = ToCore(entryText());
    std::vector<std::string> problems;
    std::optional<EntryError> entryError;
    if (intervalsEntered()) {
        const EntryRead<std::int32_t> read = ReadIntervalEntry(entry);
        request.classCount = read.value;
        request.classWidth = 0.0;
        entryError = read.error;
    } else {
        const EntryRead<double> read = ReadWidthEntry(entry);
        request.classWidth = read.value;
        request.classCount = 0;
        entryError = read.error;
    }
    if (entryError)
        problems = entryError->texts(CoreTranslator());
    request.centred = centred();

    // Centred classes have no start of their own; the field keeps its text
    // for when centring is turned off.
    const QString anchor = centred() ? QString() : m_anchor->text().trimmed();
    long double start = 0;
    request.anchor.reset();
    if (!anchor.isEmpty()) {
        if (ConvertReal(ToCore(anchor), start) && std::isfinite(static_cast<double>(start)))
            request.anchor = static_cast<double>(start);
        else
            problems.push_back(ToCore(tr("The start of the first class is not a number.")));
    }
    request.rightClosed = m_closedEnd->currentIndex() == 1;
    request.scale = static_cast<HistogramScale>(m_scale->currentIndex());

    request.dataFileName = QFile::encodeName(m_dataFile).toStdString();
    const bool columnar = !m_dataFile.isEmpty() && m_chooser->layout().columnar;
    request.column = columnar ? ToCore(m_chooser->column()) : std::string();
    request.weights = columnar ? ToCore(m_chooser->weights()) : std::string();
    request.layout = m_dataFile.isEmpty() ? LayoutOverrides{} : m_chooser->overrides();
    request.decimalComma = columnar ? m_chooser->layout().decimalSign == ',' : decimalComma();
    return problems;
}

void HistogramDialog::fitToScreen()
{
    m_body->adjustSize();
    const QSize wanted = m_body->sizeHint();
    QSize size = wanted;
    if (const QScreen *shown = screen()) {
        // Room for the buttons, the margins and the window's frame and title.
        const QSize room = shown->availableGeometry().size()
            - QSize(m_buttons->sizeHint().width() + 3 * Border + 16, 2 * Border + 48);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        size = wanted.boundedTo(room);
        if (size.width() < wanted.width())
            size.rheight() = std::min(size.height() + bar, room.height());
        if (size.height() < wanted.height())
            size.rwidth() = std::min(size.width() + bar, room.width());
    }
    m_scroll->setFixedSize(size);
}

void HistogramDialog::swapEntryLabels()
{
    const bool intervals = intervalsEntered();
    m_intervalsLabel->setVisible(intervals);
    m_widthLabel->setVisible(!intervals);
    m_entry->setAccessibleName(intervals ? tr("Number of Intervals") : tr("Size of class width"));
}

void HistogramDialog::restoreChoices()
{
    const Settings settings;
    const auto last = [&settings](const char *field, const QVariant &fallback) {
        return settings.lastChoice(ChoicesName, QLatin1String(field), fallback);
    };
    m_intervalsBox->setChecked(last("intervals", true).toBool());
    m_entry->setText(last("entry", QString()).toString());
    m_centreBox->setChecked(last("centred", true).toBool());
    m_anchor->setText(last("anchor", QString()).toString());
    for (QComboBox *box : {m_closedEnd, m_scale}) {
        const int index = last(box == m_scale ? "scale" : "closedEnd", 0).toInt();
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
    }
    m_decimalCommaBox->setChecked(
        last("decimalComma", QLocale().decimalPoint() == QStringLiteral(",")).toBool());
    // The labels and the start field follow the boxes.
    swapEntryLabels();
    emit m_centreBox->toggled(centred());
}

void HistogramDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        Settings settings;
        const auto store = [&settings](const char *field, const QVariant &value) {
            settings.setLastChoice(ChoicesName, QLatin1String(field), value);
        };
        store("intervals", intervalsEntered());
        store("entry", entryText());
        store("centred", centred());
        store("anchor", m_anchor->text());
        store("closedEnd", m_closedEnd->currentIndex());
        store("scale", m_scale->currentIndex());
        store("decimalComma", decimalComma());
    }
    QDialog::done(result);
}

void HistogramDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        CentreOverParent(this);
    }
    // Typing goes to the entry field, on the first showing and when a
    // refused entry brings the dialog back, its text selected for retyping.
    m_entry->setFocus();
    m_entry->selectAll();
}
