#include "gui/analysis/columnchooser.h"

#include "core/analysis/columnreader.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// The rows of the file the preview shows, the header line included.
constexpr int PreviewRows = 8;

constexpr char Delimiters[] = {',', ';', '\t', ' '};
constexpr char DecimalSigns[] = {'.', ','};

QString Shown(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel *LabelFor(QWidget *field, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    QString name = text;
    name.remove(QLatin1Char('&'));
    name.chop(1); // the colon
    field->setAccessibleName(name);
    return label;
}

} // namespace

ColumnChooser::ColumnChooser(QWidget *parent)
    : QWidget(parent)
{
    m_delimiter = new QComboBox(this);
    m_delimiter->setObjectName(QStringLiteral("DelimiterBox"));
    for (char delimiter : Delimiters)
        m_delimiter->addItem(QString::fromStdString(DelimiterName(delimiter)), int(delimiter));
    m_decimalSign = new QComboBox(this);
    m_decimalSign->setObjectName(QStringLiteral("DecimalSignBox"));
    for (char sign : DecimalSigns)
        m_decimalSign->addItem(QString::fromStdString(DecimalSignName(sign)), int(sign));
    m_header = new QCheckBox(tr("First line names the &columns"), this);
    m_header->setObjectName(QStringLiteral("HeaderBox"));
    m_header->setAccessibleName(tr("First line names the columns"));

    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("PreviewTable"));
    m_preview->setAccessibleName(tr("First rows of the data file"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // A small window scrolls the table rather than growing for it.
    m_preview->setMinimumHeight(4 * (fontMetrics().height() + 4));
    m_preview->setMaximumHeight(7 * (fontMetrics().height() + 4));

    m_column = new QComboBox(this);
    m_column->setObjectName(QStringLiteral("ColumnBox"));
    m_weights = new QComboBox(this);
    m_weights->setObjectName(QStringLiteral("WeightsBox"));
    // Long names are cut rather than widening the dialog.
    for (QComboBox *box : {m_column, m_weights}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    m_preview->horizontalHeader()->setMaximumSectionSize(10 * fontMetrics().averageCharWidth());
    m_preview->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(LabelFor(m_delimiter, tr("&Delimiter:"), this), m_delimiter);
    form->addRow(LabelFor(m_decimalSign, tr("Decimal &sign:"), this), m_decimalSign);
    form->addRow(m_header);
    form->addRow(m_preview);
    form->addRow(LabelFor(m_column, tr("C&olumn:"), this), m_column);
    form->addRow(LabelFor(m_weights, tr("Counts in col&umn:"), this), m_weights);

    // A changed part of the layout is kept; the rest is found again under it.
    connect(m_delimiter, &QComboBox::activated, this, [this] {
        m_overrides.delimiter = char(m_delimiter->currentData().toInt());
        detect();
    });
    connect(m_decimalSign, &QComboBox::activated, this, [this] {
        m_overrides.decimalSign = char(m_decimalSign->currentData().toInt());
        detect();
    });
    connect(m_header, &QCheckBox::clicked, this, [this](bool checked) {
        m_overrides.header = checked;
        detect();
    });
    connect(m_column, &QComboBox::activated, this, &ColumnChooser::choiceChanged);
    connect(m_weights, &QComboBox::activated, this, &ColumnChooser::choiceChanged);
}

bool ColumnChooser::setFile(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ColumnProblem problem;
        problem.code = ColumnError::CannotOpen;
        problem.text = ToCore(path);
        error = CoreMessageText(ColumnProblemText(problem));
        return false;
    }
    m_path = path;
    m_head = file.read(LayoutSampleBytes);
    // A line cut by the end of the sample is not one of the file's lines.
    if (!file.atEnd()) {
        const qsizetype end = m_head.lastIndexOf('\n');
        if (end >= 0)
            m_head.truncate(end + 1);
    }
    m_overrides = {};
    // A new file starts from its first column.
    m_column->clear();
    m_weights->clear();
    detect();
    return true;
}

void ColumnChooser::detect()
{
    m_layout = DetectLayout(std::string_view(m_head.constData(), std::size_t(m_head.size())),
                            m_overrides);
    showLayout();
    showPreview();
    fillColumns();
    emit choiceChanged();
}

void ColumnChooser::showLayout()
{
    m_delimiter->setCurrentIndex(m_delimiter->findData(int(m_layout.delimiter)));
    m_decimalSign->setCurrentIndex(m_decimalSign->findData(int(m_layout.decimalSign)));
    m_header->setChecked(m_layout.header);
}

void ColumnChooser::showPreview()
{
    m_preview->clear();
    std::vector<std::vector<QString>> rows;
    std::vector<Field> fields;
    std::size_t widest = m_layout.columnNames.size();
    std::string_view rest(m_head.constData(), std::size_t(m_head.size()));
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);
    bool first = true;
    while (!rest.empty() && rows.size() < PreviewRows) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        const bool header = first && m_layout.header;
        first = false;
        if (header)
            continue; // its names head the table's columns
        SplitLine(line, m_layout, fields);
        std::vector<QString> &row = rows.emplace_back();
        for (const Field &field : fields)
            row.push_back(Shown(field.text));
        widest = std::max(widest, row.size());
    }
    m_preview->setRowCount(int(rows.size()));
    m_preview->setColumnCount(int(widest));
    QStringList names;
    for (std::size_t i = 0; i < widest; ++i)
        names << QString::fromStdString(i < m_layout.columnNames.size() ? m_layout.columnNames[i]
                                                                        : DefaultColumnName(i));
    m_preview->setHorizontalHeaderLabels(names);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m_preview->setItem(int(r), int(c), new QTableWidgetItem(rows[r][c]));
    m_preview->resizeColumnsToContents();
}

void ColumnChooser::fillColumns()
{
    // The same column stays chosen while its place is still there.
    const int column = std::max(m_column->currentIndex(), 0);
    const int weights = std::max(m_weights->currentIndex(), 0);
    m_column->clear();
    m_weights->clear();
    m_weights->addItem(tr("(none)"));
    for (const std::string &name : m_layout.columnNames) {
        m_column->addItem(FromCore(name));
        m_weights->addItem(FromCore(name));
    }
    m_column->setCurrentIndex(std::min(column, m_column->count() - 1));
    m_weights->setCurrentIndex(weights < m_weights->count() ? weights : 0);
    m_column->setEnabled(m_layout.columnar);
    m_weights->setEnabled(m_layout.columnar);
}

QString ColumnChooser::columnText(int index) const
{
    if (index < 0 || std::size_t(index) >= m_layout.columnNames.size())
        return {};
    // Without a header the number says it best: the names are made from it.
    if (!m_layout.header)
        return QString::number(index + 1);
    const std::string &name = m_layout.columnNames[std::size_t(index)];
    const auto same = std::count(m_layout.columnNames.begin(), m_layout.columnNames.end(), name);
    return same == 1 ? FromCore(name) : QString::number(index + 1);
}

QString ColumnChooser::column() const
{
    return m_layout.columnar ? columnText(m_column->currentIndex()) : QString();
}

QString ColumnChooser::weights() const
{
    return m_layout.columnar ? columnText(m_weights->currentIndex() - 1) : QString();
}
