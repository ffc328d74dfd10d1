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
    QLabel *image() const;

    void setVisible(bool visible) override;
    void done(int result) override;
    void reject() override; // the close box: result 2

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void RetryBtnClick();
    void PrintBtnClick();
    void CloseBtnClick();
    void ClipClick();
    void fitToContents();
    void centreOverFrame();

    QPushButton *CloseBtn;
    QPushButton *PrintBtn;
    QPushButton *RetryBtn;
    QLabel *DisplayText;
    QLabel *Image1;
    QPushButton *Clip;

    QPushButton *m_lastUsed; // the button that gets the focus at the next showing
    bool m_placed = false;   // centred once; later showings stay where they were
};

// The one results window of the program, created hidden at start-up.
extern TMsgForm *MsgForm;
