#pragma once
// The program's pictures: the program picture of the About box and the
// window icon, and the small pictures of the frame's tool buttons and menu
// items. They are painted here rather than loaded, so that the program needs
// no image plug-in and carries no files beside itself for them.

#include <QIcon>
#include <QPixmap>

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
QIcon Help();

} // namespace Pictures
