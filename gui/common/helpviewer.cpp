#include "gui/common/helpviewer.h"

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/prompts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int ContextRole = Qt::UserRole;

QString TopicPage(const HelpTopic &topic)
{
    return QStringLiteral("<h2>%1</h2>\n%2").arg(topic.title.toHtmlEscaped(), topic.html);
}

// The real help: the help window of the program.
class ViewerHelp : public HelpSystem
{
public:
    void showTopics(const QString &helpFile) override
    {
        if (HelpViewer *viewer = HelpViewer::forFile(helpFile)) {
            viewer->showTopics();
            viewer->present();
        }
    }

    void showContext(const QString &helpFile, int context) override
    {
        if (HelpViewer *viewer = HelpViewer::forFile(helpFile)) {
            viewer->showContext(context);
            viewer->present();
        }
    }
};

HelpSystem *&InstalledHelp()
{
    static HelpSystem *installed = nullptr;
    return installed;
}

} // namespace

// --- HelpSystem -----------------------------------------------------------
// Defined beside the help window, its default, so that the context lookup in
// help.cpp needs nothing from the window.

HelpSystem &HelpSystem::current()
{
    static ViewerHelp viewer;
    HelpSystem *installed = InstalledHelp();
    return installed ? *installed : viewer;
}

HelpSystem *HelpSystem::install(HelpSystem *help)
{
    return std::exchange(InstalledHelp(), help);
}

// --- HelpDocument ---------------------------------------------------------

bool HelpDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    if (!parse(QString::fromUtf8(file.readAll())))
        return false;
    if (m_title.isEmpty())
        m_title = QCoreApplication::translate("HelpDocument", "%1 Help")
                      .arg(QFileInfo(path).completeBaseName());
    return true;
}

bool HelpDocument::parse(const QString &text)
{
    m_title.clear();
    m_topics.clear();
    m_error.clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto fail = [this](int lineNumber, const QString &what) {
        m_error
            = QCoreApplication::translate("HelpDocument", "line %1: %2").arg(lineNumber).arg(what);
        m_topics.clear();
        return false;
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int lineNumber = i + 1;
        if (!line.startsWith(QLatin1Char('@'))) {
            if (m_topics.isEmpty()) {
                if (!line.trimmed().isEmpty())
                    return fail(
                        lineNumber,
                        QCoreApplication::translate("HelpDocument", "text before the first topic"));
                continue;
            }
            m_topics.last().html += line + QLatin1Char('\n');
            continue;
        }
        if (line.startsWith(QLatin1String("@--")))
            continue;
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString directive = line.left(space < 0 ? line.size() : space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
        if (directive == QLatin1String("@help")) {
            if (!m_topics.isEmpty() || !m_title.isEmpty())
                return fail(lineNumber,
                            QCoreApplication::translate("HelpDocument",
                                                        "@help must come once, before the topics"));
            m_title = rest;
        } else if (directive == QLatin1String("@topic")) {
            const qsizetype gap = rest.indexOf(QLatin1Char(' '));
            bool ok = false;
            const int context = rest.left(gap < 0 ? rest.size() : gap).toInt(&ok);
            const QString title = gap < 0 ? QString() : rest.mid(gap + 1).trimmed();
            if (!ok || context <= 0)
                return fail(lineNumber,
                            QCoreApplication::translate("HelpDocument",
                                                        "a topic needs a context number above 0"));
            if (title.isEmpty())
                return fail(lineNumber,
                            QCoreApplication::translate("HelpDocument", "topic %1 has no title")
                                .arg(context));
            if (topic(context))
                return fail(lineNumber,
                            QCoreApplication::translate("HelpDocument", "topic %1 comes twice")
                                .arg(context));
            m_topics.append(HelpTopic{context, title, {}, {}});
        } else if (directive == QLatin1String("@keywords")) {
            if (m_topics.isEmpty())
                return fail(
                    lineNumber,
                    QCoreApplication::translate("HelpDocument", "keywords before the first topic"));
            for (const QString &word : rest.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                if (!word.trimmed().isEmpty())
                    m_topics.last().keywords << word.trimmed();
            }
        } else {
            return fail(
                lineNumber,
                QCoreApplication::translate("HelpDocument", "unknown line %1").arg(directive));
        }
    }
    if (m_topics.isEmpty()) {
        m_error = QCoreApplication::translate("HelpDocument", "no topics");
        return false;
    }
    return true;
}

const HelpTopic *HelpDocument::topic(int context) const
{
    for (const HelpTopic &t : m_topics) {
        if (t.context == context)
            return &t;
    }
    return nullptr;
}

QList<QPair<QString, int>> HelpDocument::index() const
{
    QList<QPair<QString, int>> entries;
    for (const HelpTopic &t : m_topics) {
        entries.append({t.title, t.context});
        for (const QString &word : t.keywords)
            entries.append({word, t.context});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

// --- HelpViewer -----------------------------------------------------------

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    resize(760, 520);

    m_contents = new QListWidget;
    m_contents->setAccessibleName(tr("Contents"));
    m_indexField = new QLineEdit;
    m_indexField->setPlaceholderText(tr("Type the first letters of a word"));
    m_indexList = new QListWidget;
    m_indexList->setAccessibleName(tr("Index"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(new QLabel(tr("&Type the word you are looking for:")));
    indexLayout->addWidget(m_indexField);
    indexLayout->addWidget(m_indexList);
    static_cast<QLabel *>(indexLayout->itemAt(0)->widget())->setBuddy(m_indexField);

    m_tabs = new QTabWidget;
    m_tabs->setAccessibleName(tr("Contents and index"));
    m_tabs->addTab(m_contents, tr("&Contents"));
    m_tabs->addTab(indexPage, tr("&Index"));

    m_browser = new QTextBrowser;
    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(tr("Help topic"));
    FollowZoom(m_browser, m_browser->font());

    auto *splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});

    m_backButton = new QPushButton(tr("&Back"));
    m_forwardButton = new QPushButton(tr("&Forward"));
    m_number = new QSpinBox;
    m_number->setRange(1, 99999);
    auto *numberLabel = new QLabel(tr("Topic &number:"));
    numberLabel->setBuddy(m_number);
    auto *go = new QPushButton(tr("&Go"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_backButton);
    bar->addWidget(m_forwardButton);
    bar->addStretch(1);
    bar->addWidget(numberLabel);
    bar->addWidget(m_number);
    bar->addWidget(go);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_contents, &QListWidget::itemActivated, this, &HelpViewer::itemChosen);
    connect(m_contents, &QListWidget::itemClicked, this, &HelpViewer::itemChosen);
    connect(m_indexList, &QListWidget::itemActivated, this, &HelpViewer::itemChosen);
    connect(m_indexList, &QListWidget::itemDoubleClicked, this, &HelpViewer::itemChosen);
    connect(m_indexField, &QLineEdit::textEdited, this, &HelpViewer::findInIndex);
    connect(m_indexField, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem *item = m_indexList->currentItem())
            itemChosen(item);
    });
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_backButton, &QPushButton::clicked, this, &HelpViewer::goBack);
    connect(m_forwardButton, &QPushButton::clicked, this, &HelpViewer::goForward);
    connect(go, &QPushButton::clicked, this, [this] { showContext(m_number->value()); });
    connect(m_number, &QSpinBox::editingFinished, this, [this] {
        if (m_number->hasFocus())
            showContext(m_number->value());
    });
    // Esc leaves the help window, also when it waits above a modal dialog
    // and the window system offers no close box.
    auto *leave = new QAction(this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leave, &QAction::triggered, this, &QWidget::close);
    addAction(leave);

    updateButtons();
}

HelpViewer *HelpViewer::forFile(const QString &path)
{
    static QHash<QString, QPointer<HelpViewer>> viewers;
    const QString key = QFileInfo(path).absoluteFilePath();
    QPointer<HelpViewer> &viewer = viewers[key];
    if (viewer)
        return viewer;
    auto *created = new HelpViewer;
    if (!created->openFile(path)) {
        Prompts::current().message(
            tr("Cannot open the help file \"%1\".\n%2")
                .arg(QDir::toNativeSeparators(path), created->errorString()));
        delete created;
        return nullptr;
    }
    viewer = created;
    return created;
}

bool HelpViewer::openFile(const QString &path)
{
    HelpDocument document;
    if (!document.load(path)) {
        m_error = document.errorString();
        return false;
    }
    m_document = document;
    m_fileName = path;
    m_current = 0;
    m_back.clear();
    m_forward.clear();
    setWindowTitle(m_document.title());
    setHelpFile(this, path);
    fillLists();
    updateButtons();
    return true;
}

void HelpViewer::fillLists()
{
    m_contents->clear();
    for (const HelpTopic &t : m_document.topics()) {
        auto *item = new QListWidgetItem(t.title, m_contents);
        item->setData(ContextRole, t.context);
    }
    m_indexList->clear();
    for (const auto &[word, context] : m_document.index()) {
        auto *item = new QListWidgetItem(word, m_indexList);
        item->setData(ContextRole, context);
    }
}

void HelpViewer::showTopics()
{
    // Always the contents, whatever topic was open before.
    m_tabs->setCurrentIndex(0);
    if (!m_document.topics().isEmpty())
        display(m_document.topics().first().context, true);
    m_contents->setFocus();
}

bool HelpViewer::showContext(int context)
{
    if (!m_document.topic(context)) {
        m_browser->setHtml(tr("<h2>Topic not found</h2><p>This help file has no topic with the "
                              "number %1. Choose a topic from the contents or the index.</p>")
                               .arg(context));
        m_current = 0;
        m_tabs->setCurrentIndex(0);
        updateButtons();
        return false;
    }
    display(context, true);
    return true;
}

void HelpViewer::display(int context, bool remember)
{
    const HelpTopic *topic = m_document.topic(context);
    if (!topic)
        return;
    if (remember && m_current != 0 && m_current != context) {
        m_back.append(m_current);
        m_forward.clear();
    }
    m_current = context;
    m_browser->setHtml(TopicPage(*topic));
    m_number->setValue(context);
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(ContextRole).toInt() == context) {
            m_contents->setCurrentRow(row);
            break;
        }
    }
    updateButtons();
}

void HelpViewer::present()
{
    // A help window opened from a modal dialog must be usable while that
    // dialog waits, so it becomes modal above it; otherwise it stands alone.
    QWidget *modal = QApplication::activeModalWidget();
    const bool needModal = modal && modal != this;
    const Qt::WindowModality wanted = needModal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::placeOnScreen()
{
    // Centred over the window in use, wholly on its screen, smaller when the
    // screen is.
    const QWidget *active = QApplication::activeWindow();
    const QScreen *screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Room for the window frame, which is not known before the first showing.
    const QSize frame(16, 48);
    resize(size().boundedTo(area.size() - frame).expandedTo(minimumSizeHint()));
    QRect placed(QPoint(), size() + frame);
    placed.moveCenter(active ? active->frameGeometry().center() : area.center());
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
    move(placed.topLeft());
}

void HelpViewer::findInIndex(const QString &typed)
{
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty())
        return;
    for (int row = 0; row < m_indexList->count(); ++row) {
        if (m_indexList->item(row)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            m_indexList->setCurrentRow(row);
            m_indexList->scrollToItem(m_indexList->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpViewer::followLink(const QUrl &url)
{
    if (url.scheme() == QLatin1String("topic")) {
        bool ok = false;
        const int context = url.path().toInt(&ok);
        if (ok)
            showContext(context);
        return;
    }
    if (!url.scheme().isEmpty() && !Prompts::current().openUrl(url))
        Prompts::current().message(
            tr("Cannot open \"%1\": no web browser could be started.").arg(url.toDisplayString()));
}

void HelpViewer::goBack()
{
    if (m_back.isEmpty())
        return;
    m_forward.append(m_current);
    display(m_back.takeLast(), false);
}

void HelpViewer::goForward()
{
    if (m_forward.isEmpty())
        return;
    m_back.append(m_current);
    display(m_forward.takeLast(), false);
}

void HelpViewer::updateButtons()
{
    m_backButton->setEnabled(!m_back.isEmpty());
    m_forwardButton->setEnabled(!m_forward.isEmpty());
}

void HelpViewer::itemChosen(QListWidgetItem *item)
{
    if (item)
        display(item->data(ContextRole).toInt(), true);
}
