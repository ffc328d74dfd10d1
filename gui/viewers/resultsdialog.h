#pragma once
// ResultsDialog, the results window: shows the report of a calculator request
// and reports the user's choice as its modal result. The calculator that
// showed it carries the choice out.
//
// Its buttons keep their designer names as object names: RetryBtn, PrintBtn,
// CloseBtn and Clip; the report is the label DisplayText and the picture
// beside the buttons Image1. Below the report a calculator's picture of its
// distribution (DensityPicture, a PicturePanel) can be shown with its own
// Print, Copy and Save buttons and "Describe picture" (PictureDescribeBtn).

#include <QDialog>
#include <QString>

#include "gui/common/vectorpicture.h"

class QBoxLayout;
class QLabel;
class QPushButton;

class ResultsDialog : public QDialog
{
    Q_OBJECT
public:
    // Modal results. 4 and 2 are the toolkit's retry and cancel values.
    enum Result { Retry = 4, Print = 11, Close = 12, Clipboard = 13, ClosedByBox = 2 };

    explicit ResultsDialog(QWidget *parent = nullptr);

    // The report to show. A new text shows at the window's next activation
    // (or at once through showMessageText).
    QString messageText() const { return m_messageText; }
    void setMessageText(const QString &text) { m_messageText = text; }
    // Puts the message text on screen and fits the window around it; runs on
    // every activation of the window.
    void showMessageText();

    // The calculators' protocol: caption, text, modal showing; returns the
    // result. A drawing, when given, is shown below the report, with
    // pictureText saying what it shows.
    int showReport(const QString &caption, const QString &text,
                   const VectorDrawing &drawing = VectorDrawing(),
                   const QString &pictureText = QString());

    // The font the report is shown in; printed reports use it too.
    QFont displayFont() const;

    void setVisible(bool visible) override;
    void done(int result) override;
    void reject() override; // the close box: result 2

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retry();
    void print();
    void closeReport();
    void copyToClipboard();
    // The picture of the distribution below the report, made for the first
    // report that comes with one.
    void addDensityPicture();
    // A button of the given width, for its English caption english.
    QPushButton *addButton(const QString &name, const QString &caption, int width,
                           const QString &english, const QString &hint);

    QPushButton *m_retryButton = nullptr;
    QPushButton *m_clipboardButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_text = nullptr;
    // The window's contents; they move into a scroll area on a small screen.
    QBoxLayout *m_layout = nullptr;
    PicturePanel *m_density = nullptr; // none until a report comes with a picture
    QString m_messageText;

    QPushButton *m_lastUsed = nullptr; // the button that gets the focus at the next showing
    bool m_placed = false;             // centred once; later showings stay where they were
};
