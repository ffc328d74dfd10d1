#include "gui/analysis/histogramdialog.h"

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/viewers/windowplacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int Border = 10;
constexpr int HelpContext = 6;

QFont EntryFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    return font;
}

} // namespace

HistogramDialog::HistogramDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Histogram data"));
    setHelpContext(this, HelpContext);
    setFont(PixelFont(QStringLiteral("Times New Roman"), 16, true));
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    setPalette(navy);

    m_intervalsBox = new QCheckBox(QStringLiteral("Number of Intervals Entry"), this);
    m_intervalsBox->setObjectName(QStringLiteral("EntryBox"));
    m_intervalsBox->setChecked(true);

    m_centreBox = new QCheckBox(QStringLiteral("Check to center data"), this);
    m_centreBox->setObjectName(QStringLiteral("CenterBox"));
    m_centreBox->setToolTip(QStringLiteral("Center data around arithmetic mean."));
    m_centreBox->setChecked(true);

    // On where the user's locale writes numbers with a decimal comma.
    m_decimalCommaBox = new QCheckBox(QStringLiteral("Decimal comma"), this);
    m_decimalCommaBox->setObjectName(QStringLiteral("DecimalCommaBox"));
    m_decimalCommaBox->setToolTip(
        QStringLiteral("Read a comma between two digits as a decimal sign."));
    m_decimalCommaBox->setChecked(QLocale().decimalPoint() == QStringLiteral(","));

    m_intervalsLabel = new QLabel(QStringLiteral("Number of Intervals:"), this);
    m_intervalsLabel->setObjectName(QStringLiteral("Label1"));
    m_intervalsLabel->setToolTip(QStringLiteral("Enter number of intervals for histogram"));
    m_intervalsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_widthLabel = new QLabel(QStringLiteral("Size of class width:"), this);
    m_widthLabel->setObjectName(QStringLiteral("Label2"));
    m_widthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_widthLabel->setVisible(false);

    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("EntryText"));
    m_entry->setToolTip(QStringLiteral("Enter the classwidth or number of class intervals."));
    m_entry->setFont(EntryFont());
    QPalette black = m_entry->palette();
    black.setColor(QPalette::Text, Qt::black);
    m_entry->setPalette(black);
    m_entry->setFixedWidth(41);

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    m_okButton = buttons->addButton(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("OkBtn"));
    m_okButton->setText(QStringLiteral("OK"));
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    m_cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancelButton->setObjectName(QStringLiteral("EscBtn"));
    m_cancelButton->setText(QStringLiteral("Cancel"));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_helpButton = buttons->addButton(QDialogButtonBox::Help);
    m_helpButton->setObjectName(QStringLiteral("HelpBtn"));
    m_helpButton->setText(QStringLiteral("Help"));
    m_helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    setHelpContext(m_helpButton, HelpContext);
    for (QPushButton *button : {m_okButton, m_cancelButton, m_helpButton})
        button->setFixedSize(75, 25);

    // Two check boxes above the entry field with its label, the decimal comma
    // box below it; the buttons
    // in a column on the right. Only one of the two labels shows at a time,
    // in the same place.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(Border, Border, Border, Border);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setVerticalSpacing(15);
    layout->setHorizontalSpacing(12);
    layout->addWidget(m_intervalsBox, 0, 0, 1, 2);
    layout->addWidget(m_centreBox, 1, 0, 1, 2);
    layout->addWidget(m_intervalsLabel, 2, 0);
    layout->addWidget(m_widthLabel, 2, 0);
    layout->addWidget(m_entry, 2, 1, Qt::AlignLeft);
    layout->addWidget(m_decimalCommaBox, 3, 0, 1, 2);
    layout->addWidget(buttons, 0, 2, 4, 1, Qt::AlignTop);
    layout->setColumnMinimumWidth(1, 41);
    layout->setColumnStretch(3, 1);

    setTabOrder(m_intervalsBox, m_centreBox);
    setTabOrder(m_centreBox, m_entry);
    setTabOrder(m_entry, m_decimalCommaBox);
    setTabOrder(m_decimalCommaBox, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_helpButton);

    connect(m_intervalsBox, &QCheckBox::clicked, this, &HistogramDialog::swapEntryLabels);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { HelpSystem::current().showContext(HelpFileFor(this), HelpContext); });
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
    request.title = QStringLiteral("Open Data File");
    request.filters
        = QStringList{QStringLiteral("Data files (*.dat)"), QStringLiteral("Text files (*.txt)"),
                      QStringLiteral("Output files(*.out)"), QStringLiteral("all files (*.*)")};
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

void HistogramDialog::swapEntryLabels()
{
    // Every run starts from the first state, so flipping keeps the visible
    // label in step with the check mark.
    m_intervalsLabel->setVisible(m_intervalsLabel->isHidden());
    m_widthLabel->setVisible(m_widthLabel->isHidden());
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
