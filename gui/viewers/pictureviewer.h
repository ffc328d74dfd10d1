#pragma once
// PictureViewer, the graphics viewer: one 450 by 450 picture shown in a modal
// window, with commands to copy it to the clipboard and to print it. The
// window can be resized; the picture is scaled to fit it.
//
// Callers clear the picture, draw on it through canvas() and then show the
// viewer modally with exec(); the picture keeps its drawing between showings.
// Object names: the buttons CloseBtn, CopyBtn and PrintBtn, the scrolling area
// PictureArea and the label showing the picture Picture.

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

class PictureViewer : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ImageSize = 450;

    explicit PictureViewer(QWidget *parent = nullptr);

    // The picture to draw on, created white on first use.
    QImage &canvas();
    bool hasPicture() const { return !m_picture.isNull(); }
    // Fills the whole picture with white and shows the change.
    void clearPicture();
    // Shows the picture's current contents on screen.
    void refreshPicture();
    // The picture as a drawing: paint draws it on a cleared image whose
    // logical size is ImageSize square. It is drawn on the picture at once and
    // drawn again for the screen at every size the window takes, in device
    // pixels, so that it stays sharp when scaled.
    using Drawing = std::function<void(QImage &image)>;
    void setDrawing(Drawing paint);

    // Puts the picture on the clipboard and says so.
    void copyPicture();
    // Prints the picture on the program's printer and says how that went.
    void printPicture();
    // Prints the picture on printer as printPicture does, without any message.
    // Returns false when the printer could not take the job; target receives
    // the square the picture was drawn into, in printer pixels.
    bool printTo(QPrinter &printer, QRect *target = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QLabel *m_pictureLabel = nullptr;
    void showScaledPicture();
    QImage asShown(const QImage &picture) const;

    QImage m_picture;
    QImage m_shown; // the picture as shown, before scaling
    Drawing m_drawing;
    bool m_placed = false;
};
