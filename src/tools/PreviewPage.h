#pragma once

#include "SchemeData.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The sample web page of the preview window: twelve parts on a 329 x 225
// page, each showing one of the nine preview colours (TPreviewColors, file
// order). Rectangles show their colour as the fill, texts as the text colour;
// the four links share role 4. Positions are in page pixels; the texts are
// drawn transparently over the rectangles, in true colours.
namespace PreviewPage {

inline constexpr QSize kPageSize{329, 225};

enum class Part {
    Background, tHeaderBG, tNavBG, tMainBG, // the rectangles, bottom first
    Header, tHeader, tBodyHeader, tMainText, Link1, Link2, Link3, Link4,
};
inline constexpr int kPartCount = 12;

struct PartInfo {
    Part part;
    const char* name; // the part's objectName
    int role;         // index into TPreviewColors
    bool text;        // a text part (its colour is the text colour)
    QRect rect;       // a rectangle's box; a text part's origin (and, wrapped, its box)
    const char* caption;
    int pixelSize;
    bool bold;
    bool underline;
    bool wrap; // word-wrapped in rect
};
const std::array<PartInfo, kPartCount>& Parts();
const PartInfo& Info(Part part);

// The font of a text part (Verdana at its pixel size).
QFont FontOf(const PartInfo& info);
// Where a part answers the mouse: a rectangle's box, a text's extent
// (an auto-sized label: the width and height of its caption; a wrapped
// text: its box).
QRect HitBox(const PartInfo& info);
// The topmost part under a page point: the texts above the rectangles,
// later ones above earlier ones; nothing outside the page.
std::optional<Part> PartAt(QPoint pos);

// The colour the part shows.
TColor ColorOf(const TPreviewColors& colors, Part part);
// The colours after a drop of `color` on `part` (a link colours all four).
TPreviewColors Dropped(TPreviewColors colors, Part part, TColor color);

// Paints the page (kPageSize) at the painter's origin.
void Render(QPainter& p, const TPreviewColors& colors);

} // namespace PreviewPage
