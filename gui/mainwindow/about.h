#pragma once
// TAboutBox: the program's name, version and maker, and a link to the update
// page. One temporary instance is the start-up splash; the long-lived AboutBox
// is shown by the Help menu's About command.

#include <QDialog>
#include <QUrl>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *CommentsLabel = nullptr;
    QLabel *CompanyLabel = nullptr;
    QLabel *RightsLabel = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *URL = nullptr;

    // Hands the update page to the user's browser; the only thing here that
    // can fail, and then it says so.
    void URLClick(QObject *sender);

    static QUrl UpdatePage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};

// The About box created hidden at start-up.
extern TAboutBox *AboutBox;
