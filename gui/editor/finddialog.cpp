#include "gui/editor/finddialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString OneSearchLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char(' '));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char(' '));
    return text;
}

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent)
{
    // It stays open beside the editor, goes with it, and is made anew for
    // each Find command.
    setObjectName(QStringLiteral("findDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Find"));
    setModal(false);
    setSizeGripEnabled(false);

    auto *label = new QLabel(tr("Fi&nd what:"), this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    label->setBuddy(m_findEdit);
    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));

    auto *direction = new QGroupBox(tr("Direction"), this);
    auto *up = new QRadioButton(tr("&Up"), direction);
    up->setObjectName(QStringLiteral("upButton"));
    m_up = up;
    auto *down = new QRadioButton(tr("&Down"), direction);
    down->setObjectName(QStringLiteral("downButton"));
    down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(down);

    auto *findNextButton = new QPushButton(tr("&Find Next"), this);
    findNextButton->setObjectName(QStringLiteral("findNextButton"));
    findNextButton->setDefault(true);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_findEdit, 0, 1, 1, 2);
    grid->addWidget(m_matchCase, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findNextButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(findNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::findText() const
{
    return OneSearchLine(m_findEdit->text());
}

void FindDialog::setFindText(const QString &text)
{
    m_findEdit->setText(OneSearchLine(text));
}

bool FindDialog::matchCase() const
{
    return m_matchCase->isChecked();
}

bool FindDialog::searchUp() const
{
    return m_up->isChecked();
}
