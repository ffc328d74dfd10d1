#include "gui/common/help.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

const char ContextProperty[] = "mervanHelpContext";
const char FileProperty[] = "mervanHelpFile";

QString &ApplicationHelpFileSetting()
{
    static QString file;
    return file;
}

// The widget an action belongs to: the frame's commands belong to the frame,
// an editor window's to that editor window.
const QWidget *OwnerOf(const QAction *action)
{
    for (const QObject *o = action ? action->parent() : nullptr; o; o = o->parent()) {
        if (const auto *widget = qobject_cast<const QWidget *>(o)) {
            // A menu's own actions stand for the window the menu lives in.
            if (!qobject_cast<const QMenu *>(widget))
                return widget;
        }
    }
    return nullptr;
}

bool HasMenuBar(const QWidget *window)
{
    const auto bars = window->findChildren<QMenuBar *>();
    return std::any_of(bars.begin(), bars.end(),
                       [](const QMenuBar *bar) { return !bar->isHidden(); });
}

// The topic of context, or the contents when there is none.
void AskForHelp(const QString &file, int context)
{
    if (context != 0)
        HelpSystem::current().showContext(file, context);
    else
        HelpSystem::current().showTopics(file);
}

void AskForAction(const QAction *action, const QWidget *fallbackOwner)
{
    const QWidget *owner = OwnerOf(action);
    AskForHelp(HelpFileFor(owner ? owner : fallbackOwner), helpContext(action));
}

class HelpKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;

        // A highlighted item of an open menu: the menu has the keyboard.
        // Claiming the shortcut-override keeps the window's own F1 command
        // from running, so the key press itself arrives here. A menu bar
        // title left highlighted after Esc closed its menu is not a choice
        // being made: F1 there is the window's own command.
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            QAction *action = menu->activeAction() ? menu->activeAction() : menu->menuAction();
            const QPointer<QWidget> window = QApplication::activeWindow();
            // Close the open menus so the help window can take the keyboard.
            while (auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
                open->close();
            AskForAction(action, window ? window->focusWidget() : nullptr);
            return true;
        }

        if (event->type() != QEvent::KeyPress)
            return false;
        QWidget *window = widget->window();
        if (HasMenuBar(window))
            return false; // the window's own F1 command (its Help item)
        const QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        AskForHelp(HelpFileFor(focus), ContextForFocus(window));
        return true;
    }
};

} // namespace

void setHelpContext(QObject *object, int context)
{
    if (object)
        object->setProperty(ContextProperty, context);
}

void setMenuHelp(QMenu *menu, const QString &hint, int context)
{
    menu->menuAction()->setStatusTip(hint);
    setHelpContext(menu, context);
    setHelpContext(menu->menuAction(), context);
}

int helpContext(const QObject *object)
{
    return object ? object->property(ContextProperty).toInt() : 0;
}

void setHelpFile(QWidget *window, const QString &file)
{
    if (window)
        window->setProperty(FileProperty, file);
}

QString helpFile(const QWidget *window)
{
    return window ? window->property(FileProperty).toString() : QString();
}

QString ApplicationHelpFile()
{
    const QString &file = ApplicationHelpFileSetting();
    if (!file.isEmpty())
        return file;
    // Until the program names one.
    return ProgramHelpFile(QCoreApplication::applicationFilePath());
}

QString HelpFolder(const QString &programPath)
{
    const QString programFolder = QFileInfo(programPath).path();
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/mervan"));
}

QString ProgramHelpFile(const QString &programPath)
{
    const QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    return HelpFolder(programPath) + QLatin1Char('/') + base + QStringLiteral(".hlp");
}

void SetApplicationHelpFile(const QString &file)
{
    ApplicationHelpFileSetting() = file;
}

QString ResolveHelpFile(const QString &file)
{
    QString resolved = file;
    if (QFileInfo(resolved).isRelative())
        resolved = QDir(HelpFolder(QCoreApplication::applicationFilePath())).filePath(resolved);
    if (QFileInfo(resolved).suffix().isEmpty())
        resolved += QStringLiteral(".hlp");
    return LocalisedHelpFile(QDir::cleanPath(resolved), QLocale());
}

QString LocalisedHelpFile(const QString &file, const QLocale &locale)
{
    const QFileInfo info(file);
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &folder : {language, language.section(QLatin1Char('_'), 0, 0)}) {
            const QString localised
                = info.dir().filePath(folder + QLatin1Char('/') + info.fileName());
            if (QFileInfo(localised).isFile())
                return localised;
        }
    }
    return file;
}

QString HelpFileFor(const QWidget *window)
{
    for (const QWidget *w = window; w; w = w->parentWidget()) {
        const QString own = helpFile(w);
        if (!own.isEmpty())
            return ResolveHelpFile(own);
    }
    return ResolveHelpFile(ApplicationHelpFile());
}

int ContextForFocus(const QWidget *window)
{
    if (!window)
        return 0;
    const QWidget *start = window->focusWidget() ? window->focusWidget() : window;
    for (const QWidget *w = start; w; w = w->parentWidget()) {
        if (const int context = helpContext(w))
            return context;
    }
    return 0;
}

void InstallHelpKeys(QApplication &app)
{
    static const char Name[] = "mervanHelpKeys";
    if (app.findChild<QObject *>(QLatin1String(Name), Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new HelpKeyFilter(&app);
    filter->setObjectName(QLatin1String(Name));
    app.installEventFilter(filter);
}
