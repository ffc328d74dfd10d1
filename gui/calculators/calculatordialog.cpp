#include "gui/calculators/calculatordialog.h"
#include "gui/calculators/densitytext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
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
#include "gui/common/settings.h"
#include "gui/common/text.h"
#include "gui/common/translations.h"
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

    // The area: the calculator's own first, as before there was a choice.
    m_area = new QComboBox(this);
    m_area->setObjectName(QStringLiteral("AreaBox"));
    const bool normal = design.kind == CalcKind::Normal;
    m_area->addItem(normal ? tr("Central area, between -z and z") : tr("Upper tail"),
                    int(CalcArea::Standard));
    m_area->addItem(tr("Lower tail"), int(CalcArea::Lower));
    if (normal)
        m_area->addItem(tr("Upper tail"), int(CalcArea::Upper));
    m_area->addItem(tr("Two tails"), int(CalcArea::TwoSided));
    m_area->addItem(tr("Between two values"), int(CalcArea::Between));
    auto *choices = new QFormLayout;
    choices->addRow(tr("A&rea:"), m_area);
    layout->addLayout(choices);
    connect(m_area, &QComboBox::currentIndexChanged, this, &CalculatorDialog::showArea);

    m_fields = new QFormLayout;
    m_fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addLayout(m_fields);

    m_digits = new QComboBox(this);
    m_digits->setObjectName(QStringLiteral("DigitsBox"));
    m_digits->addItem(tr("Standard"), 0);
    for (int digits = 4; digits <= 10; ++digits)
        m_digits->addItem(tr("%1 significant").arg(digits), digits);
    auto *digitsRow = new QFormLayout;
    digitsRow->addRow(tr("Di&gits:"), m_digits);
    layout->addLayout(digitsRow);

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
    for (QRadioButton *mode : {m_criticalMode, m_probabilityMode})
        connect(mode, &QRadioButton::toggled, this, &CalculatorDialog::showArea);

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
    // A screen reader reads the hint whether or not the dialog shows it.
    edit->setAccessibleDescription(hint);
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
    m_fieldEdits.append(edit);
    if (!m_firstLabel) {
        m_firstLabel = label;
        m_firstUnit = unit;
        m_criticalTexts[0] = labelText;
        m_criticalTexts[1] = hint;
        addAreaFields();
    }

    // Fields first, in the request's order, then the area and digits, then
    // OK, Cancel and Help.
    QList<QWidget *> order;
    for (QLineEdit *field : requestFields(true))
        order << field;
    order << m_area << m_digits << m_okButton << m_cancelButton << m_helpButton;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    return edit;
}

void CalculatorDialog::addAreaFields()
{
    const auto add = [this](const QString &labelName, const QString &labelText,
                            const QString &editName, const QString &hint, const QString &text) {
        QLabel *label = makeLabel(labelName, labelText);
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(editName);
        edit->setFont(editFont());
        edit->setFixedWidth(m_fieldEdits.first()->width());
        edit->setProperty("hint", hint);
        if (m_design.showHints)
            edit->setToolTip(hint);
        label->setBuddy(edit);
        m_fields->addRow(label, edit);
        return edit;
    };
    m_secondEdit = add(QStringLiteral("SecondLabel"), tr("&To the value:"),
                       QStringLiteral("SecondEdit"), tr("Enter the upper end of the band"), {});
    if (m_design.kind == CalcKind::Normal) {
        m_meanEdit = add(QStringLiteral("MeanLabel"), tr("&Mean:"), QStringLiteral("MeanEdit"),
                         tr("Enter the mean of the normal distribution"), QStringLiteral("0"));
        m_sdEdit = add(
            QStringLiteral("SdLabel"), tr("&Standard deviation:"), QStringLiteral("SdEdit"),
            tr("Enter the standard deviation of the normal distribution"), QStringLiteral("1"));
    }
    showArea();
}

CalcArea CalculatorDialog::area() const
{
    return static_cast<CalcArea>(m_area->currentData().toInt());
}

QList<QLineEdit *> CalculatorDialog::requestFields(bool all) const
{
    QList<QLineEdit *> fields;
    if (m_fieldEdits.isEmpty())
        return fields;
    const bool between = all || area() == CalcArea::Between;
    const bool ownNormal = all || area() != CalcArea::Standard;
    fields << m_fieldEdits.first();
    if (between && m_secondEdit)
        fields << m_secondEdit;
    fields << m_fieldEdits.mid(1);
    if (ownNormal && m_meanEdit)
        fields << m_meanEdit << m_sdEdit;
    return fields;
}

void CalculatorDialog::showArea()
{
    // Between two values goes from values only.
    auto *model = qobject_cast<QStandardItemModel *>(m_area->model());
    const int between = m_area->findData(int(CalcArea::Between));
    if (model && between >= 0)
        model->item(between)->setEnabled(probabilityMode());
    if (!probabilityMode() && area() == CalcArea::Between)
        m_area->setCurrentIndex(0);
    if (m_secondEdit)
        m_fields->setRowVisible(m_secondEdit, area() == CalcArea::Between);
    if (m_meanEdit) {
        m_fields->setRowVisible(m_meanEdit, area() != CalcArea::Standard);
        m_fields->setRowVisible(m_sdEdit, area() != CalcArea::Standard);
    }
    // The normal's central area takes a percentage, its other areas a
    // probability: 95 typed for one is no entry for the other.
    const bool percentBefore = m_shownArea == CalcArea::Standard;
    if (m_design.kind == CalcKind::Normal && !probabilityMode() && !m_fieldEdits.isEmpty()
        && percentBefore != (area() == CalcArea::Standard))
        m_fieldEdits.first()->clear();
    m_shownArea = area();
    showDirection();
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
    QString areaTexts[2];
    const CalcArea chosen = area();
    if (chosen != CalcArea::Standard && !probabilityMode()) {
        areaTexts[0] = chosen == CalcArea::Lower ? tr("&Alpha, lower-tail probability:")
            : chosen == CalcArea::Upper          ? tr("&Alpha, upper-tail probability:")
                                                 : tr("&Alpha, both tails together:");
        areaTexts[1] = tr("Enter alpha, a probability from 0.0001 to 0.999999");
        texts = areaTexts;
    } else if (chosen == CalcArea::Between) {
        areaTexts[0] = tr("&From the value:");
        areaTexts[1] = tr("Enter the lower end of the band");
        texts = areaTexts;
    } else if (chosen != CalcArea::Standard && m_design.kind == CalcKind::Normal) {
        areaTexts[0] = tr("V&alue:");
        areaTexts[1] = tr("Enter the value to find its probability");
        texts = areaTexts;
    }
    setWindowTitle(probabilityMode() && !m_design.probabilityCaption.isEmpty()
                       ? m_design.probabilityCaption
                       : m_design.caption);
    m_firstLabel->setText(texts[0]);
    QLineEdit *edit = m_fieldEdits.first();
    edit->setProperty("hint", texts[1]);
    edit->setAccessibleDescription(texts[1]);
    if (m_design.showHints)
        edit->setToolTip(texts[1]);
    if (m_firstUnit)
        m_firstUnit->setVisible(!probabilityMode() && chosen == CalcArea::Standard);
}

CalcResult CalculatorDialog::runRequest() const
{
    std::vector<std::string> fields;
    for (const QLineEdit *edit : requestFields())
        fields.push_back(ToCore(edit->text()));
    const QString decimalPoint = locale().decimalPoint();
    const char sign = decimalPoint == QStringLiteral(",") ? ',' : '.';
    return RunCalcRequest(m_design.kind,
                          probabilityMode() ? CalcDirection::Probability
                                            : CalcDirection::CriticalValue,
                          area(), fields, sign, m_digits->currentData().toInt(), CoreTranslator());
}

VectorDrawing CalculatorDialog::densityDrawing(const CalcResult &result, QString *text)
{
    if (result.status != CalcStatus::Computed || result.marks.empty())
        return {};
    const CalcRequest &request = result.request;
    DensityPlot plot;
    plot.kind = request.kind == CalcKind::T    ? DensityPlot::Kind::T
        : request.kind == CalcKind::ChiSquared ? DensityPlot::Kind::ChiSquared
        : request.kind == CalcKind::F          ? DensityPlot::Kind::F
                                               : DensityPlot::Kind::Normal;
    plot.v1 = request.v1;
    plot.v2 = request.v2;
    plot.area = request.area;
    plot.mean = static_cast<double>(request.mean.value_or(0.0L));
    plot.sd = static_cast<double>(request.sd.value_or(1.0L));
    const bool normal = request.kind == CalcKind::Normal;
    const bool own = request.mean.has_value();
    const QString symbol = normal     ? (own ? QStringLiteral("x") : QStringLiteral("z"))
        : request.kind == CalcKind::T ? QStringLiteral("t")
        : request.kind == CalcKind::F ? QStringLiteral("F")
                                      : QStringLiteral("\u03c7\u00b2");
    const bool standard = request.area == CalcArea::Standard;
    const bool critical = request.direction == CalcDirection::CriticalValue;
    if (critical && standard && !normal && request.kind != CalcKind::T && result.value <= 0.0L)
        return {};
    const auto label = [&](long double z) {
        const double x = plot.mean + plot.sd * static_cast<double>(z);
        QString shown = symbol + " = " + QString::number(x, 'g', 6);
        if (own)
            shown += QStringLiteral(" (z = %1)").arg(static_cast<double>(z), 0, 'g', 4);
        return shown;
    };
    plot.value = static_cast<double>(result.marks.front());
    plot.valueText = label(result.marks.front());
    if (result.marks.size() > 1) {
        plot.second = static_cast<double>(result.marks.back());
        plot.secondText = label(result.marks.back());
    } else if (request.area == CalcArea::TwoSided && !normal && request.kind != CalcKind::T) {
        // Only one end of two tails too small to see: shade the tail of its side.
        plot.area = result.marks.front() < 1.0L ? CalcArea::Lower : CalcArea::Upper;
    }
    const int digits = request.digits;
    if (normal && standard) {
        const double percent = critical ? request.first : static_cast<double>(result.value);
        plot.areaText = QString::number(percent, 'f', 4) + " %";
    } else if (critical) {
        plot.areaText = QStringLiteral("\u03b1 = ") + FromCore(AlphaText(request.first));
    } else {
        plot.areaText = "P = " + FromCore(ProbabilityText(result.probability, digits));
    }
    if (text)
        *text = DensityText(plot);
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
    restoreChoices();
    for (;;) {
        if (exec() != QDialog::Accepted)
            return;

        const CalcResult result = runRequest();
        for (const CalcError &error : result.errors)
            Prompts::current().message(FromCore(error.text));
        if (!result.accepted()) {
            m_fieldInError = requestFields().value(result.fieldInError, nullptr);
            continue;
        }
        storeChoices();

        const QString report = FromCore(result.report);
        QString pictureText;
        const VectorDrawing drawing = densityDrawing(result, &pictureText);
        switch (results.showReport(m_design.resultCaption, report, drawing, pictureText)) {
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
        throw std::runtime_error(
            tr("Printing failed: the printer did not start the print job.").toStdString());
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

QString CalculatorDialog::settingsKey() const
{
    static const char *const Names[]
        = {"t calculator", "chi-squared calculator", "F calculator", "normal calculator"};
    return QString::fromLatin1(Names[static_cast<int>(m_design.kind)]);
}

void CalculatorDialog::restoreChoices()
{
    if (m_restored)
        return;
    m_restored = true;
    const Settings settings;
    const QString key = settingsKey();
    // The direction first: switching it empties the first field.
    if (settings.lastChoice(key, QStringLiteral("direction"), 0).toInt() == 1)
        m_probabilityMode->setChecked(true);
    const int areaIndex
        = m_area->findData(settings.lastChoice(key, QStringLiteral("area"), 0).toInt());
    m_area->setCurrentIndex(std::max(areaIndex, 0));
    m_digits->setCurrentIndex(
        std::max(m_digits->findData(settings.lastChoice(key, QStringLiteral("digits"), 0)), 0));
    settings.restoreFieldTexts(key, requestFields(true));
}

void CalculatorDialog::storeChoices() const
{
    Settings settings;
    const QString key = settingsKey();
    settings.setLastChoice(key, QStringLiteral("direction"), probabilityMode() ? 1 : 0);
    settings.setLastChoice(key, QStringLiteral("area"), int(area()));
    settings.setLastChoice(key, QStringLiteral("digits"), m_digits->currentData());
    settings.setFieldTexts(key, requestFields(true));
}
