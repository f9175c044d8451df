#include "DisplayColor.h"

#include <array>
#include <cstdint>

namespace ColorVision {

namespace {

int g_mode = Normal;

// Where a channel value lies on the websafe grid: the step (0..5) of the
// nearest multiple of 51, the step of the grid value on its other side (the
// same step when the value is on the grid), and its distance 0..25 from the
// nearest one. A channel is never half-way between two multiples of 51.
struct GridAxis {
    std::uint8_t nearest;
    std::uint8_t other;
    std::uint8_t distance;
};

constexpr std::array<GridAxis, 256> kGridAxis = [] {
    std::array<GridAxis, 256> axis{};
    for (int v = 0; v < 256; ++v) {
        const int step = (v + 25) / 51;
        const int s = step * 51;
        const int other = v < s ? step - 1 : v > s ? step + 1 : step;
        axis[std::size_t(v)] = {std::uint8_t(step), std::uint8_t(other), std::uint8_t(v < s ? s - v : v - s)};
    }
    return axis;
}();

// round(n / 51) for an integer n. n / 51 is never an exact half (51 is odd),
// so the direction of ties does not arise and integer division is exact.
constexpr int roundDiv51(int n) { return n >= 0 ? (n + 25) / 51 : -((25 - n) / 51); }

// One channel moved distance/51 of the way from a toward b.
constexpr int interpolate(int a, int b, int distance) { return a - roundDiv51(distance * (a - b)); }

} // namespace

int CurrentMode() { return g_mode; }
void SetCurrentMode(int mode) { g_mode = NormalizeMode(mode); }

ColorVisionError LoadTable()
{
    ColorVisionError error = ColorVisionError::None;
    ColorVisionTable::builtIn(&error);
    return error;
}

// The sums are integers: a third is never a half, nor is a fifth, so
// rounding to nearest is exact in integer arithmetic.
TColor TypicalMonoColor(TColor color)
{
    const int a = (RedOf(color) + GreenOf(color) + BlueOf(color) + 1) / 3;
    return MakeColor(a, a, a);
}

TColor AtypicalMonoColor(TColor color)
{
    const int e = 4 * ((RedOf(color) + GreenOf(color) + BlueOf(color) + 1) / 3);
    return MakeColor((RedOf(color) + e + 2) / 5, (GreenOf(color) + e + 2) / 5, (BlueOf(color) + e + 2) / 5);
}

TColor SimulateColor(TColor color, int mode)
{
    if (mode <= Normal || mode >= ModeCount)
        return color;
    static const ColorVisionTable* const table = ColorVisionTable::builtIn();
    const GridAxis& r = kGridAxis[std::size_t(RedOf(color))];
    const GridAxis& g = kGridAxis[std::size_t(GreenOf(color))];
    const GridAxis& b = kGridAxis[std::size_t(BlueOf(color))];
    const bool onGrid = (r.distance | g.distance | b.distance) == 0;
    if (onGrid && table)
        return table->color(ColorVisionTable::rowOfSteps(r.nearest, g.nearest, b.nearest), mode);
    if (mode == TypicalMono)
        return TypicalMonoColor(color);
    if (mode == AtypicalMono)
        return AtypicalMonoColor(color);
    if (!table)
        return color;
    const TColor A = table->color(ColorVisionTable::rowOfSteps(r.nearest, g.nearest, b.nearest), mode);
    const TColor B = table->color(ColorVisionTable::rowOfSteps(r.other, g.other, b.other), mode);
    return MakeColor(interpolate(RedOf(A), RedOf(B), r.distance), interpolate(GreenOf(A), GreenOf(B), g.distance),
                     interpolate(BlueOf(A), BlueOf(B), b.distance));
}

} // namespace ColorVision

TColor DisplayColor(TColor color)
{
    return ColorVision::SimulateColor(color, ColorVision::g_mode);
}
