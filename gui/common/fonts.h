#pragma once
// The program's fonts.
//
// Windows and reports name the fonts of the program's original desktop:
// "Courier New", "Times New Roman", "MS Sans Serif", "Univers" and "System".
// They are asked for by those names; InstallFontSubstitutes tells Qt which
// installed families stand in for them (the metric-compatible Liberation
// fonts first). Sizes given in pixels are logical pixels of a 96 dpi screen.

#include <QFont>
#include <QString>

void InstallFontSubstitutes();

// A font of the given family and pixel size.
QFont PixelFont(const QString &family, int pixels, bool bold = false);
