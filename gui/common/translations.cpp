#include "gui/common/translations.h"

#include "gui/common/help.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

QString TranslationsFolder(const QString &programPath)
{
    return HelpFolder(programPath) + QStringLiteral("/translations");
}

bool InstallTranslators(const QLocale &locale)
{
    // Qt sets the C library to the desktop's locale when the application
    // starts; the core's reports and results are written with the C
    // library's number formatting and keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    auto *app = QCoreApplication::instance();
    if (app == nullptr)
        return false;
    auto *qt = new QTranslator(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto *own = new QTranslator(app);
    if (own->load(locale, QStringLiteral("mervan"), QStringLiteral("_"),
                  TranslationsFolder(QCoreApplication::applicationFilePath()))) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

Translator CoreTranslator()
{
    return {[](const char *context, const char *text) {
        return QCoreApplication::translate(context, text).toStdString();
    }};
}
