#pragma once
// The modeless find and replace dialogs of an editor window. They only hold
// the fields and report the buttons; the window does the searching.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    bool matchCase() const;

    QLineEdit *FindEdit = nullptr;
    QCheckBox *MatchCaseBox = nullptr;
    QRadioButton *UpButton = nullptr; // offered, but searches always run down
    QRadioButton *DownButton = nullptr;
    QPushButton *FindNextButton = nullptr;
    QPushButton *CancelButton = nullptr;

signals:
    void findNext();
};

class TReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    bool matchCase() const;

    QLineEdit *FindEdit = nullptr;
    QLineEdit *ReplaceEdit = nullptr;
    QCheckBox *MatchCaseBox = nullptr;
    QPushButton *FindNextButton = nullptr;
    QPushButton *ReplaceButton = nullptr;
    QPushButton *ReplaceAllButton = nullptr;
    QPushButton *CancelButton = nullptr;

signals:
    void findNext();
    void replace(bool all);
};
