#pragma once
// AnalysisResultsWindow: the end of a data analysis, a window of its own
// that shows the picture and the report side by side in a splitter, each
// with its Print, Copy and Save. It is not modal: the program's other windows
// stay usable, and it stays until it is closed.
//
// Object names: the window AnalysisResults, the splitter ResultsSplitter,
// the picture PicturePanel (see vectorpicture.h) and the report
// OutputViewer (embedded, see outputviewer.h).

#include "gui/common/vectorpicture.h"

#include <QWidget>

class OutputViewer;
class QSplitter;

class AnalysisResultsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AnalysisResultsWindow(QWidget *parent = nullptr);

    // Shows the picture and the report file reportPath, centred over the
    // parent window; pictureName is proposed when the picture is saved.
    // Returns false, showing nothing, when the report cannot be read (the
    // viewer has said why).
    bool showResults(VectorDrawing drawing, const QSizeF &pictureSize, const QString &reportPath,
                     const QString &pictureName);

    PicturePanel *picture() const { return m_picture; }
    OutputViewer *report() const { return m_report; }

private:
    QSplitter *m_splitter = nullptr;
    PicturePanel *m_picture = nullptr;
    OutputViewer *m_report = nullptr;
};
