#include "gui/common/errorbox.h"

#include "gui/common/fonts.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"

#include <exception>
#include <new>

namespace {

QString ExceptionText(const char *what)
{
    const QByteArray bytes(what ? what : "");
    // Messages from the core are in the program's 8-bit set; others in UTF-8.
    return DecodeText(bytes);
}

// Shows the exception being handled in the standard error box.
void ShowCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        Prompts::current().error(QStringLiteral("Out of memory."));
    } catch (const std::exception &e) {
        Prompts::current().error(ExceptionText(e.what()));
    } catch (...) {
        Prompts::current().error(QStringLiteral("An unexpected error stopped the command."));
    }
}

} // namespace

MervanApplication::MervanApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    InstallFontSubstitutes();
}

bool MervanApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

bool RunGuarded(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
