#pragma once
// Pictures drawn as vectors: a drawing that paints itself into any rectangle,
// so that it is sharp on every screen, on paper and in every file it is saved
// to.
//
// SavePicture writes a drawing as PNG, SVG or PDF; PicturePanel shows one,
// scaled to the panel, with buttons to print, copy and save it.

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include <functional>

class QPainter;
class QPalette;
class QPrinter;
class QPushButton;
class QRectF;

// Draws the picture into area, whatever its size; the painter is clean (no
// transformation beyond the device's own, antialiasing on).
using VectorDrawing = std::function<void(QPainter &painter, const QRectF &area)>;

// The colours and the zoom a drawing uses. On paper (printed, copied,
// saved) they are fixed, dark on white, at zoom 1; on screen the colours
// come from the widget's palette, so that a dark desktop gives a dark
// picture, and the zoom of the program's View menu enlarges the text and
// the lines.
struct PictureStyle
{
    QColor background; // behind the picture
    QColor ink;        // text, axes, ticks
    QColor faint;      // grid lines
    QColor fill;       // bars and boxes
    QColor edge;       // their outlines, points
    QColor curve;      // fitted and density curves
    QColor shade;      // an area under a curve, translucent
    QColor mark;       // marked values, the asked bars, an answer
    QColor muted;      // bars that are not asked about
    double zoom = 1.0; // text and line widths are multiplied by it
    // A thin line's width: the device's finest line, widened by the zoom.
    double hairline() const { return zoom > 1.0 ? zoom : 0.0; }
};
PictureStyle PaperStyle();
PictureStyle ScreenStyle(const QPalette &palette, double zoom = 1.0);
// The style for what painter draws on: the screen's for a PicturePanel's
// canvas, paper for every other device (images, files, printers).
PictureStyle PictureStyleOf(const QPainter &painter);

// The WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor &a, const QColor &b);
// colour made lighter or darker, its hue kept, until it stands out from
// background by ratio (or as far as it can).
QColor ReadableColour(const QColor &colour, const QColor &background, double ratio = 4.5);

// The picture file kinds, by the file name's extension (any case): ".png",
// ".svg" and ".pdf"; true when path ends in one of them.
bool IsPictureFileName(const QString &path);
// The message for a file name that ends in none of them.
QString PictureFileNameProblem(const QString &path);

// Writes drawing at logicalSize (pixels for PNG, points for SVG and PDF) to
// path, in the kind its extension names. The file is complete or not written
// at all: it is made in memory, written to a temporary file beside path,
// flushed and only then put in place of an earlier file, whose owner and
// permissions it keeps. A path that is, or links to, anything but a regular
// file or a new name is refused, and so is a read-only file. Returns false
// with the reason in error; an earlier file at path is then untouched.
// Needs an application object (QGuiApplication) for text.
bool SavePicture(const VectorDrawing &drawing, const QSizeF &logicalSize, const QString &path,
                 QString &error);

// drawing at logicalSize as an image of scale pixels to a unit, white behind
// the picture.
QImage RenderPicture(const VectorDrawing &drawing, const QSizeF &logicalSize, qreal scale = 1);

// Shows a drawing scaled to the panel's size and drawn anew at the screen's
// device pixel ratio, in the panel's palette and at the program's zoom (see
// FollowZoom in fonts.h), with Print, Copy and Save buttons below it (object
// names PicturePrintBtn, PictureCopyBtn, PictureSaveBtn; the drawing itself
// PictureCanvas). Ctrl+S saves while the panel has the focus.
class PicturePanel : public QWidget
{
    Q_OBJECT
public:
    explicit PicturePanel(QWidget *parent = nullptr);

    // The drawing, its natural size (for copies and files) and the name the
    // save dialog proposes (without extension).
    void setDrawing(VectorDrawing drawing, const QSizeF &logicalSize);
    void setSuggestedName(const QString &name) { m_suggestedName = name; }
    const VectorDrawing &drawing() const { return m_drawing; }
    QSizeF logicalSize() const { return m_logicalSize; }

    // The picture on printer's page, as large as fits with its proportions;
    // false when the printer could not take the job.
    bool printTo(QPrinter &printer) const;

public slots:
    // Prints on the program's printer (asking where there is none) and says how it went.
    void print();
    // Puts the picture on the clipboard, at twice its natural size, and says so.
    void copy();
    // Asks for a file name and saves the picture as PNG, SVG or PDF.
    void save();

signals:
    void saved(const QString &path);

private:
    QWidget *m_canvas = nullptr;
    VectorDrawing m_drawing;
    QSizeF m_logicalSize{450, 450};
    QString m_suggestedName;
};
