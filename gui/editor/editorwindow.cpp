#include "gui/editor/editorwindow.h"

#include "gui/common/clipboard.h"
#include "gui/common/errorbox.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/vectorpicture.h"
#include "gui/editor/editorlines.h"
#include "gui/editor/editorprint.h"
#include "gui/editor/finddialog.h"
#include "gui/editor/loadingguard.h"
#include "gui/editor/replacedialog.h"
#include "gui/editor/textfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTextDocument>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Files larger than this show a progress bar while they are opened.
constexpr qsizetype ProgressFromBytes = qsizetype(4) * 1024 * 1024;
constexpr qsizetype LoadPieceBytes = qsizetype(1) * 1024 * 1024;

// For tests of what happens while a load is under way: MERVAN_LOAD_PAUSE_MS
// holds the load that long after every piece, events still running.
int LoadPauseMilliseconds()
{
    return qEnvironmentVariableIntValue("MERVAN_LOAD_PAUSE_MS");
}

} // namespace

EditorWindow::EditorWindow(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("editor"));
    setAccessibleName(tr("Text"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(437, 275);
    setHelpContext(this, 1);
    setHelpFile(this, QStringLiteral("Ombrelay"));

    QFont textFont(QStringLiteral("Courier New"));
    textFont.setPointSize(10);
    FollowZoom(this, textFont);
    QPalette black = palette();
    black.setColor(QPalette::Text, ReadableColour(Qt::black, black.color(QPalette::Base)));
    setPalette(black);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    document()->setModified(false);
    m_disk = new DiskWatch(this);
    connect(m_disk, &DiskWatch::changedOnDisk, this, [this] {
        m_diskChangePending = true;
        if (hasFocus())
            QMetaObject::invokeMethod(this, &EditorWindow::checkDiskChange, Qt::QueuedConnection);
    });
    connect(document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
}

EditorWindow::~EditorWindow() = default;

// ---------------------------------------------------------------------------
// Files

void EditorWindow::setFilePath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    m_fileName = path.mid(slash + 1);
    m_fileDir = path.left(slash + 1);
    // A leading dot starts a name, not an extension: ".profile" keeps its
    // own backup ".profile.BAK" rather than share ".BAK" with every dot-file.
    const qsizetype dot = m_fileName.lastIndexOf(QLatin1Char('.'));
    const bool hasExt = dot > 0;
    m_fileExt = hasExt ? m_fileName.mid(dot) : QString();
    m_backupName = (hasExt ? m_fileName.left(dot) : m_fileName) + QStringLiteral(".BAK");
    emit filePathAssigned(path);
}

bool EditorWindow::load(const QString &path)
{
    EditorTextReader reader(path);
    if (reader.invalidUtf8()) {
        const QMessageBox::StandardButton answer = Prompts::current().confirm(
            tr("\"%1\" is not valid UTF-8 text. Which encoding shall it be read "
               "with?\nYes: UTF-8, keeping each byte that is not UTF-8 as it is\nNo: "
               "Windows-1252")
                .arg(path));
        if (answer == QMessageBox::Cancel)
            return false;
        reader.setEncoding(answer == QMessageBox::Yes ? TextEncoding::Utf8
                                                      : TextEncoding::Windows1252);
    }
    setFilePath(path);
    m_loading = true;
    m_loadCancelled = false;
    LoadingGuard guard(
        this, reader.size() > ProgressFromBytes ? tr("Opening %1...").arg(m_fileName) : QString());
    const int pause = LoadPauseMilliseconds();

    // The text goes in piece by piece, without undo steps, so that a large
    // file is never held twice over and the progress bar moves. Each line's
    // end goes into its block, so that it is written back as it was.
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    clear();
    QTextCursor cursor(doc);
    std::vector<LineEnd> ends;
    try {
        while (!reader.atEnd() && !m_loadCancelled) {
            ends.clear();
            QTextBlock block = cursor.block();
            cursor.insertText(reader.next(LoadPieceBytes, ends));
            for (const LineEnd end : ends) {
                block.setUserState(static_cast<int>(end));
                block = block.next();
            }
            guard.progress(reader.size() == 0 ? 100
                                              : int(std::min<qint64>(
                                                  100, reader.bytesRead() * 100 / reader.size())));
            if (pause > 0)
                guard.hold(pause);
        }
    } catch (...) {
        m_loading = false;
        throw;
    }
    m_loading = false;
    doc->setUndoRedoEnabled(true);
    if (m_loadCancelled)
        return false;
    m_encoding = reader.encoding();
    m_newLine = reader.commonLineEnd();
    m_mixedEnds = reader.mixedLineEnds();
    emit formatChanged();
    setCaption(m_fileName);
    moveCursor(QTextCursor::Start);
    doc->setModified(false);
    m_untitled = false;
    m_search.MatchCase = false;
    m_closing = false;
    m_disk->remember(path);
    m_diskChangePending = false;
    if (m_closeWhenLoaded) {
        m_closeWhenLoaded = false;
        QMetaObject::invokeMethod(this, &EditorWindow::closeFile, Qt::QueuedConnection);
    }
    return true;
}

bool EditorWindow::isModified() const
{
    return document()->isModified();
}

bool EditorWindow::save()
{
    if (m_untitled)
        return saveAs();
    const QString path = m_fileDir + m_fileName;
    // Another program's text is not replaced (nor made the only copy, as the
    // backup) without the user's word.
    if (path == m_disk->path() && QFileInfo::exists(path) && m_disk->changedSinceRead()
        && Prompts::current().confirm(
               tr("The file \"%1\" was changed by another program since it was "
                  "read. Save your text over it? Its text becomes the backup \"%2\".")
                   .arg(path, m_backupName))
            != QMessageBox::Yes)
        return false;
    TextEncoding encoding = m_encoding;
    const QByteArray bytes
        = EncodeEditorText(TextWithLineEnds(document(), static_cast<int>(m_newLine)), encoding);
    const bool existed = QFileInfo::exists(path);
    QString reason;
    bool backupImpossible = false;
    bool saved = SaveWithBackup(path, m_fileDir + m_backupName, bytes, &reason, &backupImpossible);
    if (!saved && backupImpossible
        && Prompts::current().confirm(tr("%1\nSave \"%2\" without a backup?").arg(reason, path))
            == QMessageBox::Yes)
        saved = SaveWithBackup(path, path, bytes, &reason);
    else if (!saved && backupImpossible)
        return false;
    if (!saved) {
        Prompts::current().error(tr("Cannot create file \"%1\". %2").arg(path, reason));
        return false;
    }
    // Say so when an 8-bit file changes its encoding: other programs that
    // read it as 8-bit text would see its accented letters change.
    if (encoding != m_encoding && existed)
        showInfo(tr("\"%1\" now holds characters that Windows-1252 cannot store, so it was saved "
                    "as UTF-8.")
                     .arg(m_fileName));
    if (encoding != m_encoding) {
        m_encoding = encoding;
        emit formatChanged();
    }
    document()->setModified(false);
    m_disk->remember(path);
    return true;
}

bool EditorWindow::saveAs()
{
    FileDialogRequest request;
    request.title = tr("Save file as...");
    request.filters = {tr("Data files (*.dat)"), tr("Output files (*.out)"), tr("All files (*)")};
    request.selectedFilter = 0;
    request.defaultSuffix = m_fileExt.mid(1);
    request.fileName = m_fileName;
    request.directory = m_fileDir;
    const QString chosen = Prompts::current().saveFileName(this, request);
    // The keyboard comes back to the text, whatever questions the dialog
    // asked on the way (such as whether to replace a file).
    if (isVisible()) {
        window()->activateWindow();
        setFocus(Qt::OtherFocusReason);
    }
    if (chosen.isEmpty())
        return false;
    setFilePath(chosen);
    setCaption(m_fileName);
    m_untitled = false;
    return save();
}

QMessageBox::StandardButton EditorWindow::askToSave()
{
    // The question is about the text the user can see.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
    }
    return Prompts::current().confirm(tr("Save changes to %1? ").arg(m_fileName));
}

bool EditorWindow::maybeSave()
{
    if (!document()->isModified())
        return true;
    const QMessageBox::StandardButton answer = askToSave();
    if (answer == QMessageBox::Yes)
        return save(); // a failed save keeps the window, so that the text is not lost
    return answer == QMessageBox::No;
}

bool EditorWindow::closeWithoutAsking()
{
    m_closing = true;
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    const bool closed = sub ? sub->close() : close();
    if (!closed)
        m_closing = false;
    return closed;
}

void EditorWindow::closeFile()
{
    m_closing = true;
    if (!maybeSave()) {
        // A later close through the close box asks again.
        m_closing = false;
        return;
    }
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (m_loading) {
        // The text is still coming in: the close waits for it, and asks then.
        m_closeWhenLoaded = true;
        m_closing = false;
        event->ignore();
        return;
    }
    if (m_printing) {
        showInfo(tr("The window is printing. Close it when printing has finished."));
        // A Close command whose question was already answered is over: the
        // next close asks again.
        m_closing = false;
        event->ignore();
        return;
    }
    if (!m_closing && !maybeSave()) {
        event->ignore();
        return;
    }
    m_closing = false;
    event->accept();
}

void EditorWindow::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    if (m_diskChangePending)
        QMetaObject::invokeMethod(this, &EditorWindow::checkDiskChange, Qt::QueuedConnection);
}

void EditorWindow::checkDiskChange()
{
    if (!m_diskChangePending || m_askingAboutDisk || m_loading)
        return;
    m_diskChangePending = false;
    if (!m_disk->changed())
        return;
    m_askingAboutDisk = true;
    const QString path = m_disk->path();
    if (m_disk->gone()) {
        showInfo(tr("The file \"%1\" was deleted or moved by another program. Your "
                    "text is kept; Save writes the file again.")
                     .arg(path));
        // Closing the window now asks, so that the text is not lost.
        document()->setModified(true);
        m_disk->acknowledge();
    } else {
        const QString question = document()->isModified()
            ? tr("The file \"%1\" was changed by another program.\nYes: Reload "
                 "it (your unsaved changes are lost)\nNo: Keep yours")
            : tr("The file \"%1\" was changed by another program.\nYes: Reload it\nNo: "
                 "Keep yours");
        if (Prompts::current().confirm(question.arg(path)) == QMessageBox::Yes)
            reloadFromDisk();
        else
            m_disk->acknowledge();
    }
    m_askingAboutDisk = false;
}

void EditorWindow::reloadFromDisk()
{
    const QString title = caption();
    const QString path = m_disk->path();
    RunGuarded([this, &path] { load(path); });
    setCaption(title);
}

void EditorWindow::setEncoding(TextEncoding encoding)
{
    if (encoding == m_encoding)
        return;
    m_encoding = encoding;
    document()->setModified(true);
    emit formatChanged();
}

void EditorWindow::setLineEnds(LineEnd end)
{
    SetLineEnds(document(), static_cast<int>(end));
    m_newLine = end;
    m_mixedEnds = false;
    document()->setModified(true);
    emit formatChanged();
}
