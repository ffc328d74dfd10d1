#include "gui/viewers/analysisresults.h"

#include "gui/viewers/outputviewer.h"
#include "gui/viewers/windowplacement.h"

#include <QFontMetrics>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

AnalysisResultsWindow::AnalysisResultsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AnalysisResults"));
    setWindowTitle(QStringLiteral("Analysis results"));
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("ResultsSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_picture = new PicturePanel(m_splitter);
    m_report = new OutputViewer(m_splitter, OutputViewer::Frame::Embedded);
    m_splitter->addWidget(m_picture);
    m_splitter->addWidget(m_report);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_splitter);

    // Tab runs through the picture's buttons, then the report and its
    // buttons, left to right as they stand.
    QWidget *chain[] = {
        findChild<QWidget *>(QStringLiteral("PicturePrintBtn")),
        findChild<QWidget *>(QStringLiteral("PictureCopyBtn")),
        findChild<QWidget *>(QStringLiteral("PictureSaveBtn")),
        findChild<QWidget *>(QStringLiteral("Text")),
        findChild<QWidget *>(QStringLiteral("ReportCopyBtn")),
        findChild<QWidget *>(QStringLiteral("ReportSaveBtn")),
        findChild<QWidget *>(QStringLiteral("CloseBtn")),
    };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

bool AnalysisResultsWindow::showResults(VectorDrawing drawing, const QSizeF &pictureSize,
                                        const QString &reportPath, const QString &pictureName)
{
    if (!m_report->viewFile(reportPath))
        return false;
    m_picture->setDrawing(std::move(drawing), pictureSize);
    m_picture->setSuggestedName(pictureName);
    setWindowTitle(reportPath);

    // Most of the window it belongs to (of the screen without one). The
    // report gets the width of its 80 columns where there is room for it and
    // a picture beside it; the picture takes the rest.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QSize room = owner ? owner->size() : QSize();
    if (room.isEmpty() && screen())
        room = screen()->availableGeometry().size();
    const QWidget *text = m_report->findChild<QWidget *>(QStringLiteral("Text"));
    const int reportWidth = QFontMetrics(text ? text->font() : font())
                                .horizontalAdvance(QString(82, QLatin1Char('0')))
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    QSize size = (room * 0.9).expandedTo(QSize(720, 420));
    if (screen())
        size.setWidth(std::min(std::max(size.width(), reportWidth + 360),
                               screen()->availableGeometry().width() * 19 / 20));
    resize(size);
    const int reportShare = std::min(reportWidth, width() * 3 / 5);
    m_splitter->setSizes({width() - reportShare, reportShare});
    CentreOverParent(this);
    show();
    raise();
    activateWindow();
    m_picture->setFocus();
    return true;
}
