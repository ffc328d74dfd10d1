#include "scriptedprompts.h"

#include <QPrinter>

namespace {

template <typename T>
std::optional<T> Next(std::deque<T> &queue)
{
    if (queue.empty())
        return std::nullopt;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

QStringList ScriptedPrompts::texts() const
{
    QStringList all;
    for (const ShownPrompt &p : shown)
        all << p.text;
    return all;
}

QStringList ScriptedPrompts::texts(PromptKind kind) const
{
    QStringList some;
    for (const ShownPrompt &p : shown) {
        if (p.kind == kind)
            some << p.text;
    }
    return some;
}

void ScriptedPrompts::clear()
{
    shown.clear();
    openRequests.clear();
    saveRequests.clear();
    printDialogs = 0;
    printerSetups = 0;
    fontRequests.clear();
    urls.clear();
}

void ScriptedPrompts::answerConfirm(QMessageBox::StandardButton button)
{
    m_confirm.push_back(button);
}
void ScriptedPrompts::answerOpen(const QString &path)
{
    m_open.push_back(path);
}
void ScriptedPrompts::answerSave(const QString &path)
{
    m_save.push_back(path);
}
void ScriptedPrompts::answerPrint(bool ok, const QString &pdfFile)
{
    m_print.push_back({ok, pdfFile});
}
void ScriptedPrompts::answerPrinterSetup(bool ok)
{
    m_setup.push_back(ok);
}
void ScriptedPrompts::answerFont(const QFont &font)
{
    m_font.push_back(font);
}
void ScriptedPrompts::cancelFont()
{
    m_font.push_back(std::nullopt);
}
void ScriptedPrompts::answerOpenUrl(bool ok)
{
    m_url.push_back(ok);
}

int ScriptedPrompts::pendingAnswers() const
{
    return static_cast<int>(m_confirm.size() + m_open.size() + m_save.size() + m_print.size()
                            + m_setup.size() + m_font.size() + m_url.size());
}

void ScriptedPrompts::record(PromptKind kind, const QString &text)
{
    shown.append({kind, text});
}

void ScriptedPrompts::message(const QString &text)
{
    record(PromptKind::Message, text);
}
void ScriptedPrompts::information(const QString &text)
{
    record(PromptKind::Information, text);
}
void ScriptedPrompts::error(const QString &text)
{
    record(PromptKind::Error, text);
}

QMessageBox::StandardButton ScriptedPrompts::confirm(const QString &text)
{
    record(PromptKind::Confirm, text);
    return Next(m_confirm).value_or(QMessageBox::Cancel);
}

QString ScriptedPrompts::openFileName(QWidget *, const FileDialogRequest &request)
{
    openRequests.append(request);
    return Next(m_open).value_or(QString());
}

QString ScriptedPrompts::saveFileName(QWidget *, const FileDialogRequest &request)
{
    saveRequests.append(request);
    return Next(m_save).value_or(QString());
}

bool ScriptedPrompts::printDialog(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    const std::optional<PrintAnswer> answer = Next(m_print);
    if (!answer || !answer->ok)
        return false;
    if (!answer->pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->pdfFile);
    }
    return true;
}

bool ScriptedPrompts::printerSetup(QWidget *, QPrinter &)
{
    ++printerSetups;
    return Next(m_setup).value_or(false);
}

bool ScriptedPrompts::chooseFont(QWidget *, QFont &font)
{
    fontRequests.append(font);
    const std::optional<std::optional<QFont>> answer = Next(m_font);
    if (!answer || !*answer)
        return false;
    font = **answer;
    return true;
}

bool ScriptedPrompts::openUrl(const QUrl &url)
{
    urls.append(url);
    return Next(m_url).value_or(false);
}

ScopedPrompts::ScopedPrompts(Prompts &prompts)
    : m_previous(Prompts::install(&prompts))
{ }

ScopedPrompts::~ScopedPrompts()
{
    Prompts::install(m_previous);
}
