#pragma once

#include "TColor.h"

#include <QPainter>
#include <QPainterPath>

// Pixel-exact drawing primitives with the semantics of the classic Windows
// canvas, on a QPainter with antialiasing off. Rectangles are given as
// left, top, right, bottom; right and bottom are excluded.
namespace GdiPaint {

// Fill (l, t)-(r, b) with one colour.
void FillRect(QPainter& p, int l, int t, int r, int b, TColor fill);
// A 1-pixel outline in pen and the inside filled with brush.
void Rectangle(QPainter& p, int l, int t, int r, int b, TColor pen, TColor brush);
// A 1-pixel outline only; the inside is left alone.
void FrameRect(QPainter& p, int l, int t, int r, int b, TColor pen);
// A 1-pixel line from (x1, y1) to (x2, y2), the end point excluded.
void Line(QPainter& p, int x1, int y1, int x2, int y2, TColor pen);
// A vertical two-colour gradient over (l, t)-(r, b), from `top` at y0 to `bottom` at y1.
void VerticalGradient(QPainter& p, int l, int t, int r, int b, TColor top, TColor bottom, int y0, int y1);

// Glyphs of the classic symbol font, drawn as paths: em is the font height in
// pixels and (x, y) the top-left of the character cell.
enum class Glyph { TriangleUp, TriangleDown, TriangleRight, TriangleLeft, CheckMark };
QPainterPath GlyphPath(Glyph glyph, qreal x, qreal y, qreal em);
void DrawGlyph(QPainter& p, Glyph glyph, int x, int y, int em, TColor color);

} // namespace GdiPaint
