#include "ColorText.h"

#include "HSLUtils.h"

namespace ColorText {

QString HexText(TColor color) { return HSLUtils::ColorToHex(color); }

QString HashHexText(TColor color) { return QLatin1Char('#') + HSLUtils::ColorToHex(color); }

QString RgbText(int red, int green, int blue)
{
    return QStringLiteral("%1,%2,%3").arg(red).arg(green).arg(blue);
}

QString RgbText(TColor color) { return RgbText(RedOf(color), GreenOf(color), BlueOf(color)); }

QString DottedRgbText(int red, int green, int blue)
{
    return QStringLiteral("%1.%2.%3").arg(red).arg(green).arg(blue);
}

QString StatusRgbText(const QString& red, const QString& green, const QString& blue)
{
    return QStringLiteral("  RGB: ") + red + QLatin1Char('.') + green + QLatin1Char('.') + blue;
}

QString StatusRgbText(TColor color)
{
    return QStringLiteral("  RGB: ") + DottedRgbText(RedOf(color), GreenOf(color), BlueOf(color));
}

QString StatusHexText(TColor color) { return QStringLiteral("  HEX: #") + HSLUtils::ColorToHex(color); }

QString AutomaticName(int style, TColor color, qsizetype countAfter)
{
    switch (style) {
    case StyleHashHex:
        return HashHexText(color);
    case StyleRgb:
        return RgbText(color);
    case StyleNumbered:
        return QStringLiteral("Color ") + QString::number(countAfter);
    default:
        return {};
    }
}

std::optional<std::pair<QString, QString>> PaletteHoverStatus(QPoint point, QSize paletteSize, TColor pixel)
{
    const int x = point.x(), y = point.y();
    const bool inside = x > 2 && y > 2 && x < paletteSize.width() - 3 && y < paletteSize.height() - 3;
    if (!inside)
        return std::nullopt;
    const bool black = RedOf(pixel) == 0 && GreenOf(pixel) == 0 && BlueOf(pixel) == 0;
    if (black && !(x < 9 && y < 9))
        return std::nullopt;
    return std::make_pair(StatusRgbText(pixel), StatusHexText(pixel));
}

} // namespace ColorText
