#include "gui/calculators/discretedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "gui/calculators/densitytext.h"
#include "gui/calculators/discretepicture.h"
#include "gui/common/clipboard.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/settings.h"
#include "gui/common/text.h"
#include "gui/common/translations.h"
#include "gui/viewers/resultsdialog.h"
#include "gui/viewers/windowplacement.h"

namespace {

// The questions in the order of the question box.
constexpr DiscreteQuestion Questions[] = {
    DiscreteQuestion::Exact,   DiscreteQuestion::AtMost,   DiscreteQuestion::AtLeast,
    DiscreteQuestion::Between, DiscreteQuestion::Quantile,
};

QString Caption(DiscreteFamily family)
{
    return family == DiscreteFamily::Binomial
        ? QCoreApplication::translate("DiscreteDialog", "Binomial Distribution")
        : QCoreApplication::translate("DiscreteDialog", "Poisson Distribution");
}

void RunCalculator(DiscreteFamily family, QWidget *parent)
{
    DiscreteDialog dialog(family, parent);
    dialog.run();
}

// The group of the settings where a dialog keeps its last choices.
QString SettingsKey(DiscreteFamily family)
{
    return family == DiscreteFamily::Binomial ? QStringLiteral("binomial calculator")
                                              : QStringLiteral("Poisson calculator");
}

} // namespace

DiscreteDialog::DiscreteDialog(DiscreteFamily family, QWidget *parent)
    : QDialog(parent)
    , m_family(family)
{
    setObjectName(family == DiscreteFamily::Binomial ? QStringLiteral("BinomialDialog")
                                                     : QStringLiteral("PoissonDialog"));
    setWindowTitle(Caption(family));
    setHelpContext(this, 11);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_form = new QFormLayout;
    layout->addLayout(m_form);

    if (family == DiscreteFamily::Binomial) {
        m_parameters << addField(QStringLiteral("NEdit"), tr("&n (trials):"),
                                 tr("The number of trials, 1 to 1000000"));
        m_parameters << addField(QStringLiteral("PEdit"), tr("&p (success):"),
                                 tr("The probability of success in one trial, 0 to 1"));
    } else {
        m_parameters << addField(QStringLiteral("LambdaEdit"), tr("&\u03bb (mean):"),
                                 tr("The mean number of events, above 0 and at most 1000000"));
    }
    m_question = new QComboBox(this);
    m_question->setObjectName(QStringLiteral("QuestionBox"));
    m_question->addItems({tr("P(X = k)"), tr("P(X \u2264 k)"), tr("P(X \u2265 k)"),
                          tr("P(a \u2264 X \u2264 b)"),
                          tr("Smallest k with P(X \u2264 k) \u2265 P")});
    m_form->addRow(tr("&Question:"), m_question);
    m_k = addField(QStringLiteral("KEdit"), tr("&k:"), tr("A whole number of successes"));
    m_a = addField(QStringLiteral("AEdit"), tr("&a:"), tr("The smallest value of the range"));
    m_b = addField(QStringLiteral("BEdit"), tr("&b:"), tr("The largest value of the range"));
    m_probability = addField(QStringLiteral("ProbabilityEdit"), tr("P&robability:"),
                             tr("The cumulative probability P, 0 to 1"));
    m_digits = new QComboBox(this);
    m_digits->setObjectName(QStringLiteral("DigitsBox"));
    m_digits->addItem(tr("Standard"), 0);
    for (int digits = 4; digits <= 10; ++digits)
        m_digits->addItem(tr("%1 significant").arg(digits), digits);
    m_form->addRow(tr("&Digits:"), m_digits);
    m_normalOverlay = new QCheckBox(tr("Draw the normal appro&ximation"), this);
    m_normalOverlay->setObjectName(QStringLiteral("NormalOverlay"));
    layout->addWidget(m_normalOverlay);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpBtn"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { HelpSystem::current().showContext(HelpFileFor(this), helpContext(this)); });
    connect(m_question, &QComboBox::currentIndexChanged, this, &DiscreteDialog::showQuestionFields);
    showQuestionFields();
}

void DiscreteDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred over the window it belongs to the first time; after Retry it
    // stays where the user left it.
    if (!m_placed) {
        m_placed = true;
        CentreOverParent(this);
    }
}

QLineEdit *DiscreteDialog::addField(const QString &name, const QString &label, const QString &hint)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    edit->setFixedWidth(140);
    m_form->addRow(label, edit);
    return edit;
}

void DiscreteDialog::showQuestionFields()
{
    const DiscreteQuestion question = Questions[std::max(m_question->currentIndex(), 0)];
    const auto show = [this](QLineEdit *edit, bool shown) { m_form->setRowVisible(edit, shown); };
    show(m_k, question != DiscreteQuestion::Between && question != DiscreteQuestion::Quantile);
    show(m_a, question == DiscreteQuestion::Between);
    show(m_b, question == DiscreteQuestion::Between);
    show(m_probability, question == DiscreteQuestion::Quantile);
}

QList<QLineEdit *> DiscreteDialog::shownFields() const
{
    QList<QLineEdit *> fields = m_parameters;
    switch (Questions[std::max(m_question->currentIndex(), 0)]) {
    case DiscreteQuestion::Between:
        return fields << m_a << m_b;
    case DiscreteQuestion::Quantile:
        return fields << m_probability;
    default:
        return fields << m_k;
    }
}

DiscreteResult DiscreteDialog::runRequest() const
{
    std::vector<std::string> texts;
    for (const QLineEdit *edit : shownFields())
        texts.push_back(ToCore(edit->text()));
    return RunDiscreteRequest(m_family, Questions[std::max(m_question->currentIndex(), 0)], texts,
                              m_digits->currentData().toInt(), CoreTranslator());
}

void DiscreteDialog::restoreChoices()
{
    const Settings settings;
    const QString key = SettingsKey(m_family);
    const int question = settings.lastChoice(key, QStringLiteral("question"), 0).toInt();
    m_question->setCurrentIndex(std::clamp(question, 0, int(std::size(Questions)) - 1));
    m_digits->setCurrentIndex(
        std::max(m_digits->findData(settings.lastChoice(key, QStringLiteral("digits"), 0)), 0));
    m_normalOverlay->setChecked(
        settings.lastChoice(key, QStringLiteral("normal overlay"), false).toBool());
    settings.restoreFieldTexts(key, findChildren<QLineEdit *>());
}

void DiscreteDialog::storeChoices() const
{
    Settings settings;
    const QString key = SettingsKey(m_family);
    settings.setLastChoice(key, QStringLiteral("question"), m_question->currentIndex());
    settings.setLastChoice(key, QStringLiteral("digits"), m_digits->currentData());
    settings.setLastChoice(key, QStringLiteral("normal overlay"), m_normalOverlay->isChecked());
    settings.setFieldTexts(key, findChildren<QLineEdit *>());
}

void DiscreteDialog::run()
{
    ResultsDialog results(parentWidget());
    CentreOverParent(this);
    restoreChoices();
    for (;;) {
        if (exec() != QDialog::Accepted)
            return;
        const DiscreteResult result = runRequest();
        for (const std::string &text : result.messages)
            Prompts::current().message(CoreMessageText(text));
        if (!result.accepted) {
            QWidget *inError = result.fieldInError < shownFields().size()
                ? static_cast<QWidget *>(shownFields().value(result.fieldInError))
                : m_digits;
            inError->setFocus();
            if (auto *edit = qobject_cast<QLineEdit *>(inError))
                edit->selectAll();
            continue;
        }
        storeChoices();
        const QString report = FromCore(result.report);
        const DiscretePlot plot = PlotOf(result, m_normalOverlay->isChecked());
        switch (results.showReport(Caption(m_family), report, DiscreteDrawing(plot),
                                   DiscreteText(plot))) {
        case ResultsDialog::Retry:
            continue;
        case ResultsDialog::Clipboard:
            CopyTextToClipboard(report);
            return;
        case ResultsDialog::Print:
            if (Prompts::current().printDialog(this, ProgramPrinter())) {
                PrinterTextChannel channel(ProgramPrinter());
                if (!channel.open(Caption(m_family)))
                    throw std::runtime_error(
                        tr("Printing failed: the printer did not start the print job.")
                            .toStdString());
                channel.setFont(results.displayFont());
                channel.writeLine(report);
                channel.close();
            }
            return;
        default:
            return;
        }
    }
}

void RunBinomialCalculator(QWidget *parent)
{
    RunCalculator(DiscreteFamily::Binomial, parent);
}

void RunPoissonCalculator(QWidget *parent)
{
    RunCalculator(DiscreteFamily::Poisson, parent);
}
