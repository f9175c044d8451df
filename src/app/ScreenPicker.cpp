#include "ScreenPicker.h"

#include <QPainter>

namespace ScreenPicker {

int PanelLeftAfterHover(int panelLeft, int desktopWidth)
{
    return panelLeft == kPanelMargin ? desktopWidth - kPanelSize - kPanelMargin : kPanelMargin;
}

TColor SnapshotColor(const QImage& snapshot, QPoint pointer)
{
    if (!snapshot.rect().contains(pointer))
        return clBlack;
    const QRgb rgb = snapshot.pixel(pointer);
    return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QImage MagnifierPicture(const QImage& snapshot, QPoint pointer)
{
    QImage zoom(kZoomWidth, kZoomHeight, QImage::Format_RGB32);
    const int left = pointer.x() - kSourceWidth / 2, top = pointer.y() - kSourceHeight / 2;
    // Each zoom pixel shows the source pixel it falls on, as a plain stretch does.
    for (int zy = 0; zy < kZoomHeight; ++zy) {
        const int sy = top + zy * kSourceHeight / kZoomHeight;
        auto* line = reinterpret_cast<QRgb*>(zoom.scanLine(zy));
        for (int zx = 0; zx < kZoomWidth; ++zx) {
            const int sx = left + zx * kSourceWidth / kZoomWidth;
            line[zx] = snapshot.valid(sx, sy) ? snapshot.pixel(sx, sy) | 0xFF000000u : 0xFF000000u;
        }
    }
    const auto invert = [&zoom](int x, int y) { zoom.setPixel(x, y, ~zoom.pixel(x, y) | 0xFF000000u); };
    for (int x = 49; x <= 52; ++x) // (52, 33)-(48, 33): 52 down to 49
        invert(x, 33);
    for (int x = 56; x < 60; ++x)
        invert(x, 33);
    for (int y = 28; y <= 31; ++y) // (54, 31)-(54, 27): 31 up to 28
        invert(54, y);
    for (int y = 35; y < 39; ++y)
        invert(54, y);
    return zoom;
}

} // namespace ScreenPicker
