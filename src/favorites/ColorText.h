#pragma once

#include "TColor.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <utility>

// The three text forms in which colours leave the program, the status-line
// texts and the automatic favourite names.
namespace ColorText {

// Name styles of new favourites (setting FavCaption).
enum NameStyle : int { StyleHashHex = 0, StyleRgb = 1, StyleNumbered = 2 };

QString HexText(TColor color);     // FF6600
QString HashHexText(TColor color); // #FF6600
QString RgbText(TColor color);     // 255,102,0 (decimal, no spaces, no leading zeros)
QString RgbText(int red, int green, int blue);

// Status panel texts: "  RGB: 255.102.0" and "  HEX: #FF6600". The RGB form
// also exists for the three number-box texts as they stand.
QString StatusRgbText(TColor color);
QString StatusRgbText(const QString& red, const QString& green, const QString& blue);
QString StatusHexText(TColor color);

// The detail-row text of a favourite: 255.102.0.
QString DottedRgbText(int red, int green, int blue);

// The automatic name of a new favourite in the given style; countAfter is
// the length of the list once the entry is in it (style 2 only). Any style
// other than 0, 1 or 2 gives an empty name.
QString AutomaticName(int style, TColor color, qsizetype countAfter);

// The status texts for a palette pixel under the mouse, or nothing when the
// point is within 2 pixels of an edge of the palette, or the pixel is black
// outside the palette's top-left 9 x 9 corner.
std::optional<std::pair<QString, QString>> PaletteHoverStatus(QPoint point, QSize paletteSize, TColor pixel);

} // namespace ColorText
