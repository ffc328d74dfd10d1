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

class QAbstractButton;
class QWidget;

// The classic width of a button whose English caption is english, grown by
// as much as its caption (a translation) is wider in the button's font.
int CaptionedWidth(const QAbstractButton &button, int classic, const QString &english);

// The zoom of the View menu: the text of editors and reports and the
// pictures on screen are shown at this percentage of their size. Printed,
// copied and saved things keep their own size.
constexpr int MinZoomPercent = 50;
constexpr int MaxZoomPercent = 400;
// The step next to percent, up (direction > 0) or down, within the limits.
int SteppedZoom(int percent, int direction);
// percent brought within the limits.
int BoundedZoom(int percent);

// font at percent of its size.
QFont ZoomedFont(const QFont &font, int percent);

// Makes widget follow the zoom: its font is base at the zoom remembered in
// the settings now, and at every zoom ApplyZoom gives later.
void FollowZoom(QWidget *widget, const QFont &base);
// The font widget has at 100 percent.
QFont UnzoomedFont(const QWidget *widget);
// The zoom widget follows, or 100 when it follows none.
int ZoomPercentOf(const QWidget *widget);
// Gives every widget that follows the zoom its font at percent.
void ApplyZoom(int percent);
