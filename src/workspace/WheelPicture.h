#pragma once

#include "DisplayColor.h"
#include "WheelColors.h"

#include <QPainter>
#include <QPoint>
#include <QSize>

#include <optional>

// The colour wheel picture: twelve hue wedges (the base colour's wedge
// longer than the rest), two rings of shade spokes and a white centre.
namespace Workspace {

struct WheelState {
    QSize size{262, 262};
    TWheelColors colors{}; // true colours; drawn through display
    TDisplayMapper display; // the colour-vision simulation of the drawing
};

inline constexpr int kWheelRadius = 110;
inline constexpr int kWheelBaseRadius = 121;
inline constexpr int kSpokeOuterRadius = 52;
inline constexpr int kSpokeInnerRadius = 36;
inline constexpr int kWheelCentreRadius = 22;

// Start angle of wedge i (degrees, counter-clockwise, y up); each is 30 wide.
int WedgeStart(int entry);

// Draws the whole picture. Antialiased decoration stays on wedge borders, so
// the interior of every wedge and spoke is exactly state.display of its entry.
void renderWheel(QPainter& p, const WheelState& state);

// The first entry whose displayed colour (display of its screen colour) is
// the pixel colour; none for black, white or a colour no entry shows. Two
// equal entries report the lower.
std::optional<int> WheelEntryForPixel(TColor pixel, const TWheelColors& colors, const TDisplayMapper& display = {});

} // namespace Workspace
