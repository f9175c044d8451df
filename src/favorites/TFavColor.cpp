#include "TFavColor.h"

#include "HSLUtils.h"

void TFavColor::setColor(TColor color)
{
    Color = MakeColor(RedOf(color), GreenOf(color), BlueOf(color));
    R = std::uint8_t(RedOf(Color));
    G = std::uint8_t(GreenOf(Color));
    B = std::uint8_t(BlueOf(Color));
    Hex = HSLUtils::ColorToHex(Color);
}

TFavColor TFavColor::fromColor(TColor color, bool expanded)
{
    TFavColor f;
    f.setColor(color);
    f.Expanded = expanded;
    return f;
}
