#pragma once
// TMsgForm, the results window: shows the report of a calculator request and
// reports the user's choice as its modal result. The calculator that showed it
// carries the choice out.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class TMsgForm : public QDialog
{
    Q_OBJECT
public:
    // Modal results. 4 and 2 are the toolkit's retry and cancel values.
    enum Result { Retry = 4, Print = 11, Close = 12, Clipboard = 13, ClosedByBox = 2 };

    explicit TMsgForm(QWidget *parent = nullptr);

    QString MessageText; // the report to show; set before each showing

    QPushButton *retryButton() const;
    QPushButton *printButton() const;
    QPushButton *closeButton() const;
    QPushButton *clipButton() const;
    QLabel *displayText() const;

    void Add(); // DisplayText shows MessageText; runs on every activation

    // The calculators' protocol: caption, text, modal showing; returns the result.
    int showReport(const QString &caption, const QString &text);

    // (further members are the implementation's)
};

// The one results window of the program, created hidden at start-up.
extern TMsgForm *MsgForm;
