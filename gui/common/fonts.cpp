#include "gui/common/fonts.h"

#include <QStringList>

void InstallFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("DejaVu Sans")};
    const QStringList serif = {QStringLiteral("Liberation Serif"), QStringLiteral("Times"),
                               QStringLiteral("DejaVu Serif")};
    const QStringList mono = {QStringLiteral("Liberation Mono"), QStringLiteral("Courier"),
                              QStringLiteral("DejaVu Sans Mono")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("System"), sans);
    QFont::insertSubstitutions(QStringLiteral("Univers"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), mono);
}

QFont PixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
