#pragma once

#include <QPainter>

// The header strip under the main toolbar (`pbTopBar`, 594 x 24).
namespace TopBarPicture {

// A vertical gradient from the face to the highlight colour with its
// outlines, and the titles of the two left columns ("Base Color",
// "Matching Colors") at the given x; the favourites panel draws its own.
void Render(QPainter& p, QSize size, const int titleX[2]);

} // namespace TopBarPicture
