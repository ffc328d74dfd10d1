#include "gui/common/errorbox.h"

#include "gui/common/fonts.h"
#include "gui/common/prompts.h"

#include <exception>
#include <new>

namespace {

// Every text between the core and the windows is UTF-8, file names included.
QString ExceptionText(const char *what)
{
    return QString::fromUtf8(what ? what : "");
}

// Shows the exception being handled in the standard error box.
void ShowCurrentException()
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        Prompts::current().error(
            QCoreApplication::translate("MervanApplication", "Out of memory."));
    } catch (const std::exception &e) {
        Prompts::current().error(ExceptionText(e.what()));
    } catch (...) {
        Prompts::current().error(QCoreApplication::translate(
            "MervanApplication", "An unexpected error stopped the command."));
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
