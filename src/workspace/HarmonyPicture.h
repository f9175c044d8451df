#pragma once

#include "DisplayColor.h"
#include "Harmonies.h"

#include <QPainter>
#include <QSize>

// The harmony wheel picture: the twelve hues as a faded ring, the members
// of the selected harmony as opaque sectors standing out of it, a white
// centre (with the two shades of the base colour for Monochromatic) and a
// small diagram of the harmony's shape.
namespace Workspace {

struct HarmonyWheelState {
    QSize size{262, 208};
    TWheelColors colors{}; // true colours; drawn through display
    HarmonyType type = HarmonyType::Complements;
    TDisplayMapper display; // the colour-vision simulation of the drawing
};

inline constexpr int kHarmonyCentreX = 108;
inline constexpr int kHarmonyCentreY = 103;
inline constexpr int kHarmonyRingRadius = 83;
inline constexpr int kHarmonyMemberRadius = 93;
inline constexpr int kHarmonyCentreRadius = 47;
inline constexpr QPoint kHarmonyDiagramOrigin{62, 57};
inline constexpr int kHarmonyDiagramSize = 92;

// Start of entry i's 30-degree sector, clockwise on screen from the positive
// x axis: (255 + 30 i) mod 360, so entry 0 is centred straight up.
int HarmonySectorStart(int entry);

void renderHarmonyWheel(QPainter& p, const HarmonyWheelState& state);

// The diagram of a harmony's shape, drawn with its top-left corner at origin
// (kHarmonyDiagramSize square, transparent where it draws nothing).
void renderHarmonyDiagram(QPainter& p, HarmonyType type, QPoint origin);

} // namespace Workspace
