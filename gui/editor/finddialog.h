#pragma once
// The modeless Find dialog of an editor window. It only holds the fields and
// reports its button; the window does the searching.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The search fields take one line; a line break pasted into them would never
// match a line of the text, so line breaks become blanks.
QString OneSearchLine(QString text);

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    bool matchCase() const;
    // The Up button is chosen: Find Next goes towards the top.
    bool searchUp() const;

signals:
    void findNext();

private:
    QLineEdit *m_findEdit = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_up = nullptr;
};
