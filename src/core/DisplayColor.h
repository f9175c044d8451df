#pragma once

#include "ColorVisionTable.h"
#include "TColor.h"

// Colour-vision simulation for drawing. Stored colours never pass through
// here; only what a view of the main window paints does.
namespace ColorVision {

// 0 normal vision, 1 protanopia, 2 deuteranopia, 3 tritanopia, 4 protanomaly,
// 5 deuteranomaly, 6 tritanomaly, 7 typical monochromacy, 8 atypical monochromacy.
enum Mode : int { Normal = 0, Protanopia, Deuteranopia, Tritanopia, Protanomaly, Deuteranomaly,
                  Tritanomaly, TypicalMono, AtypicalMono, ModeCount };

// Any value outside 0..8 (a stored setting from elsewhere) is normal vision.
constexpr int NormalizeMode(int mode) { return mode >= Normal && mode < ModeCount ? mode : Normal; }

// One item of the "Color Blindness Simulation" submenu (mnuViewBlindness):
// its tag is the mode, menuName its objectName; a separator follows the items
// with separatorAfter. cliName is the mode's word on the command line.
struct ModeInfo {
    Mode mode;
    const char* menuName;
    const char* caption;
    const char* cliName;
    bool separatorAfter;
};
inline constexpr ModeInfo kModes[ModeCount] = {
    {Normal, "mnuViewBlindNormal", "Normal Vision", "normal", true},
    {Protanopia, "mnuViewBlindProtanopy", "Protanopia (Red-blind)", "protanopia", false},
    {Deuteranopia, "mnuViewBlindDeuteranopy", "Deuteranopia (Green-blind)", "deuteranopia", false},
    {Tritanopia, "mnuViewBlindTritanopia", "Tritanopia (Blue-blind)", "tritanopia", true},
    {Protanomaly, "mnuViewBlindProtanomaly", "Protanomaly (Red-reduced)", "protanomaly", false},
    {Deuteranomaly, "mnuViewBlindDeuteranomaly", "Deuteranomaly (Green-reduced)", "deuteranomaly", false},
    {Tritanomaly, "mnuViewBlindTritanomaly", "Tritanomaly (Blue-reduced)", "tritanomaly", true},
    {TypicalMono, "mnuViewBlindTypicalMono", "Typical Monochromatic (Fully colorblind)", "typical-mono", false},
    {AtypicalMono, "mnuViewBlindAtypicalMono", "Atypical Monochromatic", "atypical-mono", false},
};

// Parses the built-in simulation table now rather than on the first
// simulated colour (it is parsed once either way). ColorVisionError::None
// when it is usable; otherwise modes 1..6 show true colours.
ColorVisionError LoadTable();

// Typical monochromacy: the grey a = round((R + G + B) / 3).
TColor TypicalMonoColor(TColor color);
// Atypical monochromacy: four parts of that grey to one of the colour,
// round((channel + 4a) / 5) in each channel.
TColor AtypicalMonoColor(TColor color);

// The colour to draw for a true colour under a mode (out-of-range modes are
// normal vision). Websafe colours come from the table. Off the grid, modes 7
// and 8 use the formulas above, and modes 1..6 interpolate per channel
// between the table colours A of the nearest websafe colour s and B of the
// grid colour n beyond the colour in every channel (s - 51, s, or s + 51):
// A - round(|s - c| / 51 * (A - B)), rounded to nearest.
TColor SimulateColor(TColor color, int mode);

} // namespace ColorVision

// The colour-vision simulation a drawing uses, passed to it as a value: the
// mode (normalised to 0..8, anything else is normal vision) and its table
// column. Cheap to copy; a default-constructed mapper is normal vision and
// leaves every colour as it is. Mappers of the same mode compare equal.
class TDisplayMapper {
public:
    constexpr TDisplayMapper() = default; // normal vision
    explicit TDisplayMapper(int mode);

    int mode() const { return m_mode; }
    // The colour to draw for a true colour: the identity with normal vision,
    // otherwise ColorVision::SimulateColor(c, mode()).
    TColor DisplayColor(TColor c) const;
    TColor operator()(TColor c) const { return DisplayColor(c); }
    bool operator==(const TDisplayMapper& other) const = default;

private:
    int m_mode = ColorVision::Normal;
    const TColor* m_column = nullptr; // the table column of m_mode; null for normal vision or no table
};
