#pragma once
// The modeless Replace dialog of an editor window. It only holds the fields
// and reports its buttons; the window does the searching and replacing.

#include <QDialog>

class QCheckBox;
class QLineEdit;

class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    bool matchCase() const;

signals:
    void findNext();
    void replace(bool all);

private:
    QLineEdit *m_findEdit = nullptr;
    QLineEdit *m_replaceEdit = nullptr;
    QCheckBox *m_matchCase = nullptr;
};
