#include "DisplayColor.h"

#include <array>
#include <cstdint>

namespace ColorVision {

namespace {

// Where a channel value lies on the websafe grid, for a channel whose grid
// step counts weight rows in the table (red 36, green 6, blue 1): the row
// offset of the nearest multiple of 51, the row offset of the grid value on
// the channel's other side (the same one when the value is on the grid), and
// the distance 0..25 from the nearest one. An integer channel is never
// half-way between two multiples of 51. Four bytes, so that an entry is read
// whole (a three-byte entry is copied in pieces that stall the loads after it).
struct alignas(4) GridAxis {
    std::uint8_t nearest;
    std::uint8_t other;
    std::uint8_t distance;
    std::uint8_t unused;
};
using GridAxisTable = std::array<GridAxis, 256>;

constexpr GridAxisTable makeGridAxis(int weight)
{
    GridAxisTable axis{};
    for (int v = 0; v < 256; ++v) {
        const int step = (v + 25) / 51;
        const int s = step * 51;
        const int other = v < s ? step - 1 : v > s ? step + 1 : step;
        axis[std::size_t(v)] = {std::uint8_t((5 - step) * weight), std::uint8_t((5 - other) * weight),
                                std::uint8_t(v < s ? s - v : v - s), 0};
    }
    return axis;
}
constexpr GridAxisTable kRedAxis = makeGridAxis(36);
constexpr GridAxisTable kGreenAxis = makeGridAxis(6);
constexpr GridAxisTable kBlueAxis = makeGridAxis(1);
static_assert(kRedAxis[0].nearest == ColorVisionTable::rowOfSteps(0, 5, 5));
static_assert(kGreenAxis[26].nearest == 24 && kGreenAxis[26].other == 30 && kGreenAxis[26].distance == 25);
static_assert(kBlueAxis[255].other == 0 && kBlueAxis[254].other == 1);

// round(n / 51) for an integer |n| <= 25 * 255. n / 51 is never an exact half
// (51 is odd), so the direction of ties does not arise, and the nearest
// integer is floor((n + 25) / 51). The offset of 256 * 51 keeps the dividend
// positive so that the division is one unsigned multiply and shift, with no
// branch on the sign of n (which varies from call to call).
constexpr int roundDiv51(int n) { return int(unsigned(n + 25 + 256 * 51) / 51u) - 256; }
static_assert(roundDiv51(25) == 0 && roundDiv51(26) == 1 && roundDiv51(-25) == 0 && roundDiv51(-26) == -1);
static_assert(roundDiv51(-25 * 255) == -125 && roundDiv51(25 * 255) == 125);

// One channel moved distance/51 of the way from a toward b.
constexpr int interpolate(int a, int b, int distance) { return a - roundDiv51(distance * (a - b)); }

// The simulation under a mode 1..8 whose table column is column (null when
// the table is unusable: modes 1..6 then show the true colour).
inline TColor simulate(TColor color, int mode, const TColor* column)
{
    const GridAxis& r = kRedAxis[std::size_t(RedOf(color))];
    const GridAxis& g = kGreenAxis[std::size_t(GreenOf(color))];
    const GridAxis& b = kBlueAxis[std::size_t(BlueOf(color))];
    if ((r.distance | g.distance | b.distance) == 0 && column)
        return column[r.nearest + g.nearest + b.nearest];
    if (mode == TypicalMono)
        return TypicalMonoColor(color);
    if (mode == AtypicalMono)
        return AtypicalMonoColor(color);
    if (!column)
        return color;
    const TColor A = column[r.nearest + g.nearest + b.nearest];
    const TColor B = column[r.other + g.other + b.other];
    return MakeColor(interpolate(RedOf(A), RedOf(B), r.distance), interpolate(GreenOf(A), GreenOf(B), g.distance),
                     interpolate(BlueOf(A), BlueOf(B), b.distance));
}

// The table is read when a simulation first needs it.
const TColor* columnOf(int mode)
{
    if (mode == Normal)
        return nullptr;
    const ColorVisionTable* table = ColorVisionTable::builtIn();
    return table ? table->column(mode) : nullptr;
}

} // namespace

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
    return simulate(color, mode, columnOf(mode));
}

} // namespace ColorVision

TDisplayMapper::TDisplayMapper(int mode)
    : m_mode(ColorVision::NormalizeMode(mode)), m_column(ColorVision::columnOf(m_mode))
{
}

TColor TDisplayMapper::DisplayColor(TColor c) const
{
    if (m_mode == ColorVision::Normal)
        return c;
    return ColorVision::simulate(c, m_mode, m_column);
}
