#pragma once
// AboutDialog: the program's name, version and maker, and a link to the update
// page. The Help menu's About command makes one for each request; start-up
// shows one as the splash.

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QUrl updatePage();

public slots:
    // Hands the update page to the user's browser; the only thing here that
    // can fail, and then it says so.
    void openUpdatePage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_okButton = nullptr;
    QLabel *m_link = nullptr;
    bool m_placed = false;
};
