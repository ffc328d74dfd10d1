#pragma once
// What a picture shows, in words: the text a screen reader reads for a
// picture (its accessible description) and that "Describe picture" copies
// for everyone. Each text is made from the numbers its picture draws.

#include "core/analysis/picturelayout.h"
#include "core/analysis/shape.h"

#include <QString>

class PicturePanel;
class QPushButton;

// The classes with their counts and the normal curve's mean and standard
// deviation.
QString HistogramText(const HistogramGeometry &geometry);
// The five numbers of the box and the values beyond the whiskers.
QString BoxPlotText(const BoxPlotNumbers &box, const QString &variable);
// The points' extent and the line through the quartiles.
QString QQText(const QQPlot &plot, const QString &variable);

// Screen readers see a panel's picture as an image; call before the first
// PicturePanel is made.
void InstallPictureAccessibility();

// The name a screen reader gives the panel's picture.
void NamePicture(PicturePanel &panel, const QString &name);
// Gives the panel's picture text as its description.
void SetPictureText(PicturePanel &panel, const QString &text);
QString PictureText(const PicturePanel &panel);
// Copies the panel's text through the clipboard and says so.
void CopyPictureText(const PicturePanel &panel);
// "Describe picture" beside the panel's own buttons (PictureDescribeBtn,
// last in their tab order): copies the panel's text.
QPushButton *AddDescribeButton(PicturePanel &panel);
