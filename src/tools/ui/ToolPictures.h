#pragma once

#include "TColor.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

// The pictures of the tool windows, drawn in true colours (no colour-vision
// simulation) with antialiasing off.
namespace ToolPictures {

// The header band (360 x 45): a vertical gradient from the face colour at
// y = -16 to the highlight colour at height + 4, a shadow line at height - 2
// and a black one at height - 1; the tool's picture (toolbar icon `iconName`)
// at (8, 7) and its caption in bold at (28, 8).
void RenderHeaderBand(QPainter& p, QSize size, const QString& caption, const QString& iconName = {});

// The mixer's strip: the face colour with a hatch of lines half-way to
// white, every mixed colour as a 24 x 24 swatch in rows of 12 from (8, 9),
// and a shadow line along the top, a highlight line along the bottom.
void RenderMixStrip(QPainter& p, QSize size, const QList<TColor>& colors);

// An entry of the analyzer's lists (22 pixels high): the highlight colour
// when selected, else the window colour; a black-outlined 16 x 16 swatch at
// (3, 3) and the name at (25, 5); the dotted focus frame round the item.
void RenderListEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                     const QFont& font);

// An entry of the guide lookup's list (23 pixels high): the highlight colour
// when selected, else the window colour; the name at (86, 5); a
// black-outlined swatch (2, 2)-(80, 21); the dotted focus frame.
void RenderGuideEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                      const QFont& font);

// The analyzer's sample: the fill colour inside a shadow and a highlight
// outline, with the two sample lines in the text colour.
void RenderSample(QPainter& p, QSize size, TColor fill, TColor text, const QFont& font);

} // namespace ToolPictures
