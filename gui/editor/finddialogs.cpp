#include "gui/editor/finddialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Both dialogs stay open beside the editor and close with it.
void SetUpModeless(QDialog *dialog, const QString &caption)
{
    dialog->setWindowTitle(caption);
    dialog->setModal(false);
    dialog->setSizeGripEnabled(false);
}

// The search fields take one line; a line break pasted into them would
// never match a line of the text, so they become blanks.
QString OneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char(' '));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char(' '));
    return text;
}

} // namespace

TFindDialog::TFindDialog(QWidget *parent)
    : QDialog(parent)
{
    SetUpModeless(this, tr("Find"));

    auto *label = new QLabel(tr("Fi&nd what:"), this);
    FindEdit = new QLineEdit(this);
    label->setBuddy(FindEdit);
    MatchCaseBox = new QCheckBox(tr("Match &case"), this);

    auto *direction = new QGroupBox(tr("Direction"), this);
    UpButton = new QRadioButton(tr("&Up"), direction);
    DownButton = new QRadioButton(tr("&Down"), direction);
    DownButton->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(UpButton);
    directionLayout->addWidget(DownButton);

    FindNextButton = new QPushButton(tr("&Find Next"), this);
    FindNextButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);

    auto *grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(FindEdit, 0, 1, 1, 2);
    grid->addWidget(MatchCaseBox, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(FindNextButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(FindNextButton, &QPushButton::clicked, this, &TFindDialog::findNext);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::hide);
}

QString TFindDialog::findText() const
{
    return OneLine(FindEdit->text());
}
void TFindDialog::setFindText(const QString &text)
{
    FindEdit->setText(OneLine(text));
}
bool TFindDialog::matchCase() const
{
    return MatchCaseBox->isChecked();
}

TReplaceDialog::TReplaceDialog(QWidget *parent)
    : QDialog(parent)
{
    SetUpModeless(this, tr("Replace"));

    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    FindEdit = new QLineEdit(this);
    findLabel->setBuddy(FindEdit);
    auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
    ReplaceEdit = new QLineEdit(this);
    replaceLabel->setBuddy(ReplaceEdit);
    MatchCaseBox = new QCheckBox(tr("Match &case"), this);

    FindNextButton = new QPushButton(tr("&Find Next"), this);
    FindNextButton->setDefault(true);
    ReplaceButton = new QPushButton(tr("&Replace"), this);
    ReplaceAllButton = new QPushButton(tr("Replace &All"), this);
    CancelButton = new QPushButton(tr("Cancel"), this);

    auto *grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(FindEdit, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(ReplaceEdit, 1, 1);
    grid->addWidget(MatchCaseBox, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(FindNextButton);
    buttons->addWidget(ReplaceButton);
    buttons->addWidget(ReplaceAllButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(FindNextButton, &QPushButton::clicked, this, &TReplaceDialog::findNext);
    connect(ReplaceButton, &QPushButton::clicked, this, [this] { emit replace(false); });
    connect(ReplaceAllButton, &QPushButton::clicked, this, [this] { emit replace(true); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::hide);
}

QString TReplaceDialog::findText() const
{
    return OneLine(FindEdit->text());
}
void TReplaceDialog::setFindText(const QString &text)
{
    FindEdit->setText(OneLine(text));
}
QString TReplaceDialog::replaceText() const
{
    return OneLine(ReplaceEdit->text());
}
bool TReplaceDialog::matchCase() const
{
    return MatchCaseBox->isChecked();
}
