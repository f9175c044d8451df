#pragma once

#include "DisplayColor.h"
#include "Suggestions.h"

#include <QPainter>
#include <QSize>

// The miniature web page of a suggested scheme: a rounded page, a header
// bar with its title, and either one body or a link column beside the
// content, each text in black or white by the brightness-contrast rule.
namespace Workspace {

struct SuggestionState {
    QSize size{261, 208};
    SuggestedScheme scheme; // true colours; drawn through display once
    TDisplayMapper display; // the colour-vision simulation of the drawing
};

// The header title's colour for a (displayed) header colour: its own hue
// and saturation at lightness 0.09 when that contrasts, otherwise at 0.95.
TColor HeaderTextColor(TColor header);
// The body text's colour for a (displayed) area colour: display of black
// when the area contrasts with its own hue at lightness 0.09, otherwise
// display of white.
TColor BodyTextColor(TColor area, const TDisplayMapper& display = {});

void renderSuggestion(QPainter& p, const SuggestionState& state);

} // namespace Workspace
