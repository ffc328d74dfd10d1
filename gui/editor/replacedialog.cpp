#include "gui/editor/replacedialog.h"

#include "gui/editor/finddialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReplaceDialog::ReplaceDialog(QWidget *parent)
    : QDialog(parent)
{
    // It stays open beside the editor, goes with it, and is made anew for
    // each Replace command.
    setObjectName(QStringLiteral("replaceDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Replace"));
    setModal(false);
    setSizeGripEnabled(false);

    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    findLabel->setBuddy(m_findEdit);
    auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
    m_replaceEdit = new QLineEdit(this);
    m_replaceEdit->setObjectName(QStringLiteral("replaceEdit"));
    replaceLabel->setBuddy(m_replaceEdit);
    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));

    const auto button = [this](const QString &caption, const QString &name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    QPushButton *findNextButton = button(tr("&Find Next"), QStringLiteral("findNextButton"));
    findNextButton->setDefault(true);
    QPushButton *replaceButton = button(tr("&Replace"), QStringLiteral("replaceButton"));
    QPushButton *replaceAllButton = button(tr("Replace &All"), QStringLiteral("replaceAllButton"));
    QPushButton *cancelButton = button(tr("Cancel"), QStringLiteral("cancelButton"));

    auto *grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findEdit, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replaceEdit, 1, 1);
    grid->addWidget(m_matchCase, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findNextButton);
    buttons->addWidget(replaceButton);
    buttons->addWidget(replaceAllButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(findNextButton, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(replaceButton, &QPushButton::clicked, this, [this] { emit replace(false); });
    connect(replaceAllButton, &QPushButton::clicked, this, [this] { emit replace(true); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

QString ReplaceDialog::findText() const
{
    return OneSearchLine(m_findEdit->text());
}

void ReplaceDialog::setFindText(const QString &text)
{
    m_findEdit->setText(OneSearchLine(text));
}

QString ReplaceDialog::replaceText() const
{
    return OneSearchLine(m_replaceEdit->text());
}

bool ReplaceDialog::matchCase() const
{
    return m_matchCase->isChecked();
}
