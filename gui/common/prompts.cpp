#include "gui/common/prompts.h"

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/settings.h"
#include "gui/common/text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <utility>

namespace {

Prompts *&InstalledPrompts()
{
    static Prompts *installed = nullptr;
    return installed;
}

// Message boxes parent themselves on the active window so they stay on top of
// it and are centred over it.
QWidget *BoxParent()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}

// A read error points at the bad token with a caret on the line below the
// data line; that lines up only where every character is equally wide.
bool HasCaretLine(const QString &text)
{
    static const QRegularExpression caretLine(QStringLiteral("(^|\\n) *\\^(\\n|$)"));
    return caretLine.match(text).hasMatch();
}

QMessageBox::StandardButton ShowBox(QMessageBox::Icon icon, const QString &caption,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, BoxParent());
    box.setDefaultButton(defaultButton);
    box.setTextFormat(Qt::PlainText);
    if (HasCaretLine(text)) {
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setFont(PixelFont(QStringLiteral("Courier New"), 13));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString ApplicationTitle()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QApplication::applicationName() : name;
}

// Makes one of the toolkit's dialogs start no larger than the screen, less a
// title bar and a border, so that its lower boxes and its buttons show on a
// small or highly scaled screen.
void BoundToScreen(QDialog &dialog)
{
    if (const QScreen *screen = dialog.screen()) {
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        dialog.setMinimumSize(dialog.minimumSizeHint().boundedTo(room));
        dialog.resize(dialog.sizeHint().boundedTo(room));
    }
}

void Configure(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.title);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
            dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (request.helpContext != 0) {
        setHelpContext(&dialog, request.helpContext);
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
            buttons->addButton(QDialogButtonBox::Help);
            const int context = request.helpContext;
            QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                             [&dialog, context] {
                                 HelpSystem::current().showContext(HelpFileFor(&dialog), context);
                             });
        }
    }
    BoundToScreen(dialog);
}

QString PurposeOf(const FileDialogRequest &request)
{
    return request.purpose.isEmpty() ? request.title : request.purpose;
}

// A dialog without a folder of its own starts where the last one with the
// same purpose was left.
FileDialogRequest WithRememberedFolder(const FileDialogRequest &request)
{
    FileDialogRequest remembered = request;
    if (remembered.directory.isEmpty())
        remembered.directory = Settings().lastFolder(PurposeOf(request));
    return remembered;
}

QString RunFileDialog(QFileDialog &dialog, const FileDialogRequest &request)
{
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return QString();
    Settings().setLastFolder(PurposeOf(request), QFileInfo(files.first()).absolutePath());
    return files.first();
}

} // namespace

Prompts &Prompts::current()
{
    static DialogPrompts dialogs;
    Prompts *installed = InstalledPrompts();
    return installed ? *installed : dialogs;
}

Prompts *Prompts::install(Prompts *prompts)
{
    return std::exchange(InstalledPrompts(), prompts);
}

void DialogPrompts::message(const QString &text)
{
    ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void DialogPrompts::information(const QString &text)
{
    ShowBox(QMessageBox::Information, QCoreApplication::translate("DialogPrompts", "Information"),
            text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton DialogPrompts::confirm(const QString &text)
{
    const QMessageBox::StandardButton answer
        = ShowBox(QMessageBox::Question, QCoreApplication::translate("DialogPrompts", "Confirm"),
                  text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    // Closing the box with its close button or Esc counts as Cancel.
    return answer == QMessageBox::NoButton ? QMessageBox::Cancel : answer;
}

void DialogPrompts::error(const QString &text)
{
    ShowBox(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

QString DialogPrompts::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    Configure(dialog, WithRememberedFolder(request));
    return RunFileDialog(dialog, request);
}

QString DialogPrompts::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    Configure(dialog, WithRememberedFolder(request));
    return RunFileDialog(dialog, request);
}

bool DialogPrompts::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// The print dialog chooses the printer (or a PDF file) and, under its
// properties, the paper; in set-up it only stores the choice, so its
// confirming button says OK rather than Print.
bool DialogPrompts::printerSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("DialogPrompts", "Print setup"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QCoreApplication::translate("DialogPrompts", "OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompts::chooseFont(QWidget *parent, QFont &font)
{
    QFontDialog dialog(font, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    BoundToScreen(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

bool DialogPrompts::openUrl(const QUrl &url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt reports success once xdg-open has started, even when it then finds
    // no browser. Its exit status tells; a browser it starts in the
    // foreground keeps it running, which counts as opened.
    if (!url.isLocalFile()) {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return false;
        auto *process = new QProcess(qApp);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        process->start(opener, {url.toString(QUrl::FullyEncoded)});
        if (!process->waitForStarted()) {
            delete process;
            return false;
        }
        constexpr int AnswerMs = 3000;
        if (process->waitForFinished(AnswerMs))
            return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        return true;
    }
#endif
    return QDesktopServices::openUrl(url);
}

QString CoreMessageText(const std::string &text)
{
    return FromCore(text);
}
