#pragma once
// AnalysisResultsWindow: the end of a data analysis, a window of its own
// that shows the pictures of the variable (in tabs: the histogram, the box
// plot and the normal Q-Q plot) and the report side by side in a splitter,
// each picture and the report with its Print, Copy and Save. It is not modal: the program's other
// windows stay usable, and it stays until it is closed.
//
// Object names: the window AnalysisResults, the splitter ResultsSplitter,
// the tabs PictureTabs holding the histogram PicturePanel (see
// vectorpicture.h), BoxPlotPanel and QQPanel (their parts named as the
// histogram's with BoxPlot and QQ for Picture: BoxPlotSaveBtn), beside the
// tabs DescribeBtn ("Describe picture", which copies the shown picture's
// description), and the report OutputViewer (embedded, see outputviewer.h).

#include "gui/common/vectorpicture.h"

#include <QWidget>

class OutputViewer;
class QSplitter;
class QTabWidget;

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

    // The box plot and the normal Q-Q plot of the same variable, each with
    // its natural size; their tabs show from then on. Before or after
    // showResults; the names proposed on saving follow pictureName.
    void setShapePictures(VectorDrawing boxPlot, const QSizeF &boxPlotSize, VectorDrawing qq,
                          const QSizeF &qqSize);

    PicturePanel *picture() const { return m_picture; }
    PicturePanel *boxPlot() const { return m_boxPlot; }
    PicturePanel *qqPlot() const { return m_qq; }
    QTabWidget *pictureTabs() const { return m_tabs; }
    OutputViewer *report() const { return m_report; }

private:
    QSplitter *m_splitter = nullptr;
    void nameShapePictures();

    QTabWidget *m_tabs = nullptr;
    PicturePanel *m_picture = nullptr;
    PicturePanel *m_boxPlot = nullptr;
    PicturePanel *m_qq = nullptr;
    QString m_pictureName;
    OutputViewer *m_report = nullptr;
};
