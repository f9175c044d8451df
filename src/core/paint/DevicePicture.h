#pragma once

#include <QImage>

#include <cmath>

// The off-screen pictures of the custom views, at the screen's resolution:
// a view of logical size w x h on a screen with device pixel ratio r paints
// into w*r x h*r pixels (its device pixel ratio set, so painters draw in
// logical coordinates), not a w x h picture stretched. Reads of "the colour
// under the mouse" take the device pixel at the logical point's top-left.
namespace DevicePicture {

inline QImage Make(QSize logical, qreal dpr, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(QSize(int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr))), format);
    image.setDevicePixelRatio(dpr);
    return image;
}

// Whether `image` is the picture of a view of that size at that ratio.
inline bool Fits(const QImage& image, QSize logical, qreal dpr)
{
    return !image.isNull() && image.devicePixelRatio() == dpr && image.deviceIndependentSize().toSize() == logical;
}

// The pixel under a logical point, 0 outside the picture.
inline QRgb PixelAt(const QImage& image, QPoint logical)
{
    const qreal dpr = image.devicePixelRatio();
    const QPoint device(int(std::floor(logical.x() * dpr)), int(std::floor(logical.y() * dpr)));
    return logical.x() >= 0 && logical.y() >= 0 && image.valid(device) ? image.pixel(device) : 0;
}

} // namespace DevicePicture
