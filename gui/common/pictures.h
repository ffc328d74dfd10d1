#pragma once
// The program's pictures: the program picture of the About box and the
// window icon, and the small pictures of the tool buttons and menu items of
// the frame, the editor windows and the viewers. They are SVG files under
// resources/icons, compiled into the program, drawn at the sizes asked for.

#include <QIcon>
#include <QPixmap>
#include <Qt>

namespace Pictures {

// The program picture (a histogram under a normal curve) at the given size.
QPixmap ProgramPicture(int width, int height);
QIcon ProgramIcon();

QIcon NewFile();
QIcon OpenFile();
QIcon Histogram();
QIcon NormalCurve();
QIcon ChiSquared();
QIcon StudentT();
QIcon FRatio();
QIcon Binomial();
QIcon Poisson();
QIcon Help();

QIcon Print();
QIcon Font();
QIcon Copy();
QIcon Paste();
QIcon Cut();
QIcon Delete();
// Four lines of text set flush left, centred or flush right.
QIcon Alignment(Qt::Alignment alignment);

// The results window's picture (30 by 30): a small histogram under a bell
// curve.
QPixmap Report();
// An open door with an arrow leading out.
QIcon Leave();

} // namespace Pictures
