#include "gui/calculators/calculatordialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/calculators/resulttext.h"
#include "core/calculators/tailprob.h"
#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/common/vectorpicture.h"
#include "gui/viewers/resultsdialog.h"
#include "gui/viewers/windowplacement.h"

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
    // The design's colour, lightened where the desktop's background is dark.
    QPalette palette = widget->palette();
    const QPalette::ColorRole behind = role == QPalette::Text ? QPalette::Base : QPalette::Window;
    palette.setColor(role, ReadableColour(colour, palette.color(behind)));
    widget->setPalette(palette);
}

// The banner that heads every printed calculator report.
const char *const BannerTitle = "          Mervan";
const char *const BannerRule = "          ~~~~~~~~~~~~~~~~~~~~";

// The start of a caption that names the critical-value direction.
const QRegularExpression CriticalCaption(QStringLiteral("^Critical Values? "));

} // namespace

CalculatorDialog::CalculatorDialog(const Design &design, QWidget *parent)
    : QDialog(parent)
    , m_design(design)
{
    setWindowTitle(design.caption);
    if (design.helpContext != 0)
        setHelpContext(this, design.helpContext);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    // The dialog takes the size of its contents and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the whole caption in the title bar.
    layout->addStrut(CaptionWidth(design.caption));

    // The direction of the request, chosen by mnemonic or mouse. The buttons
    // take no focus: the typing stays in the field, and Tab goes through the
    // fields and the dialog's buttons only.
    m_criticalMode = new QRadioButton(tr("&Critical value from \u03b1"), this);
    m_criticalMode->setObjectName(QStringLiteral("CriticalMode"));
    m_probabilityMode = new QRadioButton(tr("&Probability from a value"), this);
    m_probabilityMode->setObjectName(QStringLiteral("ProbabilityMode"));
    auto *direction = new QHBoxLayout;
    for (QRadioButton *mode : {m_criticalMode, m_probabilityMode}) {
        mode->setFocusPolicy(Qt::NoFocus);
        direction->addWidget(mode);
        connect(mode, &QRadioButton::toggled, this, &CalculatorDialog::showDirection);
    }
    // The first field means another thing in the other direction (an alpha
    // of 0.05 is no statistic of 0.05): a switch empties it for retyping. It
    // is emptied on the press, as a mnemonic's click comes a moment later
    // and the typing that follows the key must not be lost.
    for (QRadioButton *mode : {m_criticalMode, m_probabilityMode}) {
        connect(mode, &QAbstractButton::pressed, this, [this, mode] {
            if (mode->isChecked() || m_fieldEdits.isEmpty())
                return;
            m_fieldEdits.first()->clear();
            m_fieldEdits.first()->setFocus();
        });
    }
    direction->addStretch(1);
    m_criticalMode->setChecked(true);
    layout->addLayout(direction);

    m_fields = new QFormLayout;
    m_fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addLayout(m_fields);

    auto *buttons = new QDialogButtonBox(this);
    m_okButton = buttons->addButton(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("OkBtn"));
    m_okButton->setText(tr("OK"));
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    // The style's help picture reads as an error mark in some styles; the
    // caption says enough.
    m_helpButton = buttons->addButton(QDialogButtonBox::Help);
    m_helpButton->setObjectName(QStringLiteral("HelpBtn"));
    m_helpButton->setText(tr("&Help"));
    m_helpButton->setIcon(QIcon());
    m_helpButton->setAutoDefault(false);
    if (design.helpButtonContext != 0)
        setHelpContext(m_helpButton, design.helpButtonContext);
    layout->addWidget(buttons);

    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_helpButton);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CalculatorDialog::showHelp);
}

QLabel *CalculatorDialog::makeLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(labelFont());
    setTextColour(label, QPalette::WindowText, QColor(0, 0, 128));
    return label;
}

QLineEdit *CalculatorDialog::addField(const QString &labelName, const QString &labelText,
                                      const QString &editName, const QString &hint, int width,
                                      int helpContext, const QString &unitName,
                                      const QString &unitText)
{
    QLabel *label = makeLabel(labelName, labelText);

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

    QLabel *unit = nullptr;
    if (unitText.isEmpty()) {
        m_fields->addRow(label, edit);
    } else {
        auto *field = new QHBoxLayout;
        field->addWidget(edit);
        unit = makeLabel(unitName, unitText);
        field->addWidget(unit);
        m_fields->addRow(label, field);
    }
    if (!m_firstLabel) {
        m_firstLabel = label;
        m_firstUnit = unit;
        m_criticalTexts[0] = labelText;
        m_criticalTexts[1] = hint;
    }

    // Fields first, in the order added, then OK, Cancel and Help.
    if (!m_fieldEdits.isEmpty())
        setTabOrder(m_fieldEdits.last(), edit);
    setTabOrder(edit, m_okButton);
    m_fieldEdits.append(edit);
    return edit;
}

void CalculatorDialog::setValueTexts(const QString &labelText, const QString &hint)
{
    m_valueTexts[0] = labelText;
    m_valueTexts[1] = hint;
    showDirection();
}

bool CalculatorDialog::probabilityMode() const
{
    return m_probabilityMode->isChecked();
}

void CalculatorDialog::showDirection()
{
    if (!m_firstLabel || m_fieldEdits.isEmpty())
        return;
    const QString *texts = probabilityMode() ? m_valueTexts : m_criticalTexts;
    setWindowTitle(probabilityMode()
                       ? QString(m_design.caption).replace(CriticalCaption, "Probability ")
                       : m_design.caption);
    m_firstLabel->setText(texts[0]);
    QLineEdit *edit = m_fieldEdits.first();
    edit->setProperty("hint", texts[1]);
    if (m_design.showHints)
        edit->setToolTip(texts[1]);
    if (m_firstUnit)
        m_firstUnit->setVisible(!probabilityMode());
}

CalcResult CalculatorDialog::runRequest() const
{
    std::vector<std::string> fields;
    for (const QLineEdit *edit : m_fieldEdits)
        fields.push_back(ToCore(edit->text()));
    const QString decimalPoint = locale().decimalPoint();
    const char sign = decimalPoint == QStringLiteral(",") ? ',' : '.';
    return RunCalcRequest(m_design.kind,
                          probabilityMode() ? CalcDirection::Probability
                                            : CalcDirection::CriticalValue,
                          fields, sign);
}

VectorDrawing CalculatorDialog::densityDrawing(const CalcResult &result)
{
    if (result.status != CalcStatus::Computed)
        return {};
    const CalcRequest &request = result.request;
    DensityPlot plot;
    plot.kind = request.kind == CalcKind::T    ? DensityPlot::Kind::T
        : request.kind == CalcKind::ChiSquared ? DensityPlot::Kind::ChiSquared
        : request.kind == CalcKind::F          ? DensityPlot::Kind::F
                                               : DensityPlot::Kind::Normal;
    plot.v1 = request.v1;
    plot.v2 = request.v2;
    const bool normal = request.kind == CalcKind::Normal;
    const QString symbol = normal     ? QStringLiteral("z")
        : request.kind == CalcKind::T ? QStringLiteral("t")
        : request.kind == CalcKind::F ? QStringLiteral("F")
                                      : QStringLiteral("\u03c7\u00b2");
    if (request.direction == CalcDirection::Probability) {
        plot.value = request.first;
        plot.areaText = normal ? QString::number(static_cast<double>(result.value), 'f', 4) + " %"
                               : "P = " + FromCore(ProbabilityText(result.value));
    } else {
        if (!normal && request.kind != CalcKind::T && result.value <= 0.0L)
            return {};
        plot.value = static_cast<double>(result.value);
        plot.areaText = normal ? QString::number(request.first, 'f', 4) + " %"
                               : QStringLiteral("\u03b1 = ") + FromCore(AlphaText(request.first));
    }
    plot.valueText = symbol + " = " + QString::number(plot.value, 'g', 6);
    return DensityDrawing(plot);
}

void CalculatorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred over the window it belongs to on its first showing, with
    // typing starting in the first field; after Retry it comes back where
    // the user left it, with the focus where it was. After a refused entry
    // the field in error has the focus, its text selected for retyping.
    if (!m_placed) {
        m_placed = true;
        CentreOverParent(this);
        if (!m_fieldEdits.isEmpty())
            m_fieldEdits.first()->setFocus();
    }
    if (m_fieldInError) {
        m_fieldInError->setFocus();
        m_fieldInError->selectAll();
        m_fieldInError = nullptr;
    }
}

void CalculatorDialog::showHelp()
{
    const int context
        = helpContext(m_helpButton) != 0 ? helpContext(m_helpButton) : helpContext(this);
    HelpSystem::current().showContext(HelpFileFor(this), context);
}

void CalculatorDialog::run()
{
    // One results window for the request, over the window the dialog
    // belongs to; Retry shows the same one again.
    ResultsDialog results(parentWidget());
    for (;;) {
        if (exec() != QDialog::Accepted)
            return;

        const CalcResult result = runRequest();
        for (const CalcError &error : result.errors)
            Prompts::current().message(FromCore(error.text));
        if (!result.accepted()) {
            m_fieldInError = m_fieldEdits.value(result.fieldInError, nullptr);
            continue;
        }

        const QString report = FromCore(result.report);
        switch (results.showReport(m_design.resultCaption, report, densityDrawing(result))) {
        case ResultsDialog::Retry:
            continue;
        case ResultsDialog::Clipboard:
            CopyTextToClipboard(report);
            return;
        case ResultsDialog::Print:
            if (AskPrinter(this, ProgramPrinter()))
                printReport(report, results.displayFont());
            return;
        default:
            return;
        }
    }
}

void CalculatorDialog::printReport(const QString &report, const QFont &font)
{
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
