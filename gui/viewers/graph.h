#pragma once
// TMyGraph, the graphics viewer: one 450 by 450 picture shown in a modal
// window, with commands to copy it to the clipboard and to print it.
//
// Callers clear the picture, draw on it through canvas() and then show the
// viewer modally with exec(); the picture keeps its last drawing between
// showings.

#include <QDialog>
#include <QImage>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

class TMyGraph : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ImageSize = 450;

    explicit TMyGraph(QWidget *parent = nullptr);

    QPushButton *CloseBtn = nullptr;
    QPushButton *CopyBtn = nullptr;
    QPushButton *Print = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Image1 = nullptr;

    // The picture to draw on, created white on first use.
    QImage &canvas();
    bool hasPicture() const { return !m_picture.isNull(); }
    // Fills the whole picture with white and shows the change.
    void ClearImage();
    // Shows the picture's current contents on screen.
    void refreshImage();

    void CopyBtnClick();
    void PrintClick();

    // Prints the picture on printer as PrintClick does, without any message.
    // Returns false when the printer could not take the job; target receives
    // the square the picture was drawn into, in printer pixels.
    bool printPicture(QPrinter &printer, QRect *target = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_picture;
};

// The one graphics viewer of the program, created hidden at start-up.
extern TMyGraph *MyGraph;
