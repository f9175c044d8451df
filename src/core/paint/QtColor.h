#pragma once

#include "TColor.h"

#include <QColor>
#include <QRgb>

// The one place where TColor meets Qt's colour types. QRgb is 0xAARRGGBB,
// the reverse channel order of TColor, so every crossing is explicit.
inline QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline QRgb ToQRgb(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }
inline TColor FromQRgb(QRgb rgb) { return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
inline TColor FromQColor(const QColor& c) { return FromQRgb(c.rgb()); }
