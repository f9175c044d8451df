#include "PalettePicture.h"

#include "HSLUtils.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QPainter>

namespace Workspace {

PaletteKind PaletteKindFromValue(int value)
{
    return value == 1 || value == 2 ? PaletteKind(value) : PaletteKind::Websafe;
}

TColor WebsafeSquareColor(int n)
{
    return MakeColor(51 * (n / 36), 51 * ((n / 6) % 6), 51 * (n % 6));
}

QPoint WebsafeSquareOrigin(int n)
{
    return QPoint(2 + 7 * (n % 36), 2 + 7 * (n / 36));
}

TColor SpectrumColor(int i, int j, bool websafe)
{
    const TColor c = HSLUtils::HSLToRGB(static_cast<long double>(i) / 257, 0.9, static_cast<long double>(j) / 47);
    return websafe ? HSLUtils::SnapWebColor(c, HSLUtils::SnapWebsafe) : c;
}

QImage BuildPalettePicture(PaletteKind kind, QSize size, const TDisplayMapper& display)
{
    const int W = size.width();
    const int H = size.height();
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        GdiPaint::FillRect(p, 0, 0, W, H, SystemColors::BtnFace);
        GdiPaint::FrameRect(p, 0, 0, W - 1, H - 1, SystemColors::BtnShadow);
        GdiPaint::FrameRect(p, 1, 1, W - 1, H - 1, clWhite);
        if (kind == PaletteKind::Websafe) {
            for (int n = 0; n < 216; ++n) {
                const QPoint o = WebsafeSquareOrigin(n);
                GdiPaint::Rectangle(p, o.x(), o.y(), o.x() + 8, o.y() + 8, clBlack,
                                    display(WebsafeSquareColor(n)));
            }
            return image;
        }
    }
    const bool websafe = kind == PaletteKind::WebsafeSpectrum;
    for (int j = 6; j <= 47; ++j) {
        const int y = 49 - j;
        if (y < 0 || y >= H)
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int i = 0; i <= 251 && i + 2 < W; ++i)
            line[i + 2] = ToQRgb(display(SpectrumColor(i, j, websafe)));
    }
    QPainter p(&image);
    GdiPaint::FrameRect(p, 2, 2, W - 2, H - 2, clBlack);
    return image;
}

bool PalettePixelCounts(const QImage& picture, QPoint pos)
{
    const int x = pos.x();
    const int y = pos.y();
    if (!(x > 2 && x < picture.width() - 3 && y > 2 && y < picture.height() - 3))
        return false;
    if (FromQRgb(picture.pixel(pos)) != clBlack)
        return true;
    return x < 9 && y < 9;
}

} // namespace Workspace
