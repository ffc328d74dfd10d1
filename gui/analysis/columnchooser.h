#pragma once
// ColumnChooser: the column step of the histogram dialog. It shows the first
// rows of a data file as a table under the layout found for it (delimiter,
// decimal sign, header line), each of which the user may change, and lists
// the file's columns so that one is picked for the analysis and, for a table
// of values and their frequencies, one for the counts.
//
// Object names: DelimiterBox, DecimalSignBox, HeaderBox, PreviewTable,
// ColumnBox, WeightsBox.

#include "core/analysis/datalayout.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QTableWidget;

class ColumnChooser : public QWidget
{
    Q_OBJECT
public:
    explicit ColumnChooser(QWidget *parent = nullptr);

    // Finds the layout of the file at path and shows its first rows, the
    // user's earlier corrections forgotten. False, with the reason in error,
    // when the file cannot be read.
    bool setFile(const QString &path, QString &error);

    const DataLayout &layout() const { return m_layout; }
    // What the user changed of the detected layout.
    const LayoutOverrides &overrides() const { return m_overrides; }
    // The chosen column and column of counts as the core finds them: the
    // header's name when no other column has it, else the number from 1; empty for a
    // free list, and for the counts when there are none.
    QString column() const;
    QString weights() const;

signals:
    // The layout or a column choice changed.
    void choiceChanged();

private:
    void detect();
    void showLayout();
    void showPreview();
    void fillColumns();
    QString columnText(int index) const;

    QComboBox *m_delimiter = nullptr;
    QComboBox *m_decimalSign = nullptr;
    QCheckBox *m_header = nullptr;
    QTableWidget *m_preview = nullptr;
    QComboBox *m_column = nullptr;
    QComboBox *m_weights = nullptr;
    QString m_path;
    QByteArray m_head;
    DataLayout m_layout;
    LayoutOverrides m_overrides;
};
