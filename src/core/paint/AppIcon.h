#pragma once

#include <QImage>

// The program's icon: the twelve hues of the traditional wheel round a white
// centre, the same picture as data/desktop/org.tintvale.Studio.svg, drawn at
// any size (size x size pixels, transparent outside the wheel).
namespace AppIcon {
QImage Render(int size);
} // namespace AppIcon
