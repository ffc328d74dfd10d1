#include "gui/viewers/analysisresults.h"

#include "gui/common/help.h"
#include "gui/common/picturetext.h"
#include "gui/viewers/outputviewer.h"
#include "gui/viewers/windowplacement.h"

#include <QFontMetricsF>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// F1 anywhere in the window: the topic of the analysis results.
constexpr int HelpContext = 69;

// The columns of the widest report line.
constexpr int ReportColumns = 80;

// The width of the report pane that shows ReportColumns characters of its
// font: the text, the document's margins, the frame, the vertical scroll
// bar and the pane's own margins.
int ReportPaneWidth(const QWidget *pane)
{
    const auto *text = pane->findChild<const QPlainTextEdit *>(QStringLiteral("Text"));
    if (!text)
        return 0;
    const double columns
        = QFontMetricsF(text->font()).horizontalAdvance(QString(ReportColumns, QLatin1Char('0')));
    const QMargins margins = pane->layout() ? pane->layout()->contentsMargins() : QMargins();
    return static_cast<int>(std::ceil(columns + 2 * text->document()->documentMargin()))
        + 2 * text->frameWidth() + text->verticalScrollBar()->sizeHint().width() + margins.left()
        + margins.right() + 2;
}

} // namespace

AnalysisResultsWindow::AnalysisResultsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AnalysisResults"));
    setWindowTitle(tr("Analysis results"));
    setHelpContext(this, HelpContext);
    InstallPictureAccessibility();
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("ResultsSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_tabs = new QTabWidget(m_splitter);
    m_tabs->setObjectName(QStringLiteral("PictureTabs"));
    m_tabs->setAccessibleName(tr("Pictures"));
    m_picture = new PicturePanel(m_tabs);
    m_boxPlot = new PicturePanel(m_tabs);
    m_boxPlot->setObjectName(QStringLiteral("BoxPlotPanel"));
    m_qq = new PicturePanel(m_tabs);
    m_qq->setObjectName(QStringLiteral("QQPanel"));
    // Names of their own for the shape pictures' parts, so that each part
    // of the window is found by one name.
    for (auto [panel, prefix] : {std::pair{m_boxPlot, "BoxPlot"}, {m_qq, "QQ"}})
        for (QWidget *part : panel->findChildren<QWidget *>())
            if (part->objectName().startsWith(QLatin1String("Picture")))
                part->setObjectName(part->objectName().replace(0, 7, QLatin1String(prefix)));
    m_tabs->addTab(m_picture, tr("&Histogram"));
    m_tabs->addTab(m_boxPlot, tr("&Box plot"));
    m_tabs->addTab(m_qq, tr("&Q-Q plot"));
    for (int i = 0; i < m_tabs->count(); ++i)
        NamePicture(*static_cast<PicturePanel *>(m_tabs->widget(i)),
                    QString(m_tabs->tabText(i)).remove(QLatin1Char('&')));
    // One "Describe picture" beside the tabs, for the picture shown.
    auto *describe = new QPushButton(tr("&Describe picture"), m_tabs);
    describe->setObjectName(QStringLiteral("DescribeBtn"));
    describe->setToolTip(tr("Copy a description of the picture to the clipboard."));
    describe->setAutoDefault(false);
    m_tabs->setCornerWidget(describe, Qt::TopRightCorner);
    connect(describe, &QPushButton::clicked, this,
            [this] { CopyPictureText(*static_cast<PicturePanel *>(m_tabs->currentWidget())); });
    // The two pictures of the shape show once they are given.
    m_tabs->setTabVisible(1, false);
    m_tabs->setTabVisible(2, false);
    m_report = new OutputViewer(m_splitter, OutputViewer::Frame::Embedded);
    m_splitter->addWidget(m_tabs);
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
        findChild<QWidget *>(QStringLiteral("DescribeBtn")),
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
    m_pictureName = pictureName;
    nameShapePictures();
    setWindowTitle(reportPath);

    // Most of the window it belongs to (of the screen without one). The
    // report gets the width of its 80 columns where there is room for it and
    // a picture beside it, the picture the rest; where there is not, the
    // report's horizontal scroll bar reaches the rest of its lines.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QSize room = owner ? owner->size() : QSize();
    if (room.isEmpty() && screen())
        room = screen()->availableGeometry().size();
    const int reportWidth = ReportPaneWidth(m_report);
    QSize size = (room * 0.9).expandedTo(QSize(720, 420));
    if (screen()) {
        // Never beyond the screen, however large the text is scaled.
        const QSize available = screen()->availableGeometry().size() * 19 / 20;
        size.setWidth(std::min(std::max(size.width(), reportWidth + 360), available.width()));
        size.setHeight(std::min(size.height(), available.height()));
    }
    resize(size);
    layout()->activate();
    const int total = m_splitter->width() - m_splitter->handleWidth();
    // The picture keeps at least a fifth of the width, and no less than a
    // small picture's; the report has the rest up to its 80 columns.
    const int reportShare = std::min(reportWidth, total - std::max(160, total / 5));
    m_splitter->setSizes({total - reportShare, reportShare});
    CentreOverParent(this);
    show();
    raise();
    activateWindow();
    m_picture->setFocus();
    return true;
}

void AnalysisResultsWindow::setShapePictures(VectorDrawing boxPlot, const QSizeF &boxPlotSize,
                                             VectorDrawing qq, const QSizeF &qqSize)
{
    m_boxPlot->setDrawing(std::move(boxPlot), boxPlotSize);
    m_qq->setDrawing(std::move(qq), qqSize);
    nameShapePictures();
    m_tabs->setTabVisible(1, true);
    m_tabs->setTabVisible(2, true);
}

void AnalysisResultsWindow::nameShapePictures()
{
    m_boxPlot->setSuggestedName(m_pictureName + QStringLiteral("-boxplot"));
    m_qq->setSuggestedName(m_pictureName + QStringLiteral("-qq"));
}
