#pragma once

#include "WheelColors.h"

#include <QList>
#include <QString>

#include <array>

// The six colour harmonies. A harmony picks entries of the wheel colours,
// so it follows the wheel mode: in RYB mode the complement is six steps
// along the traditional walk, not the HSL opposite.
namespace Workspace {

enum class HarmonyType : int { Complements = 0, SplitComplements, Triads, Tetrads, Analogous, Monochromatic };
inline constexpr int kHarmonyTypeCount = 6;

struct HarmonyInfo {
    const char* caption;   // the type list's text
    const char* cliName;   // the command line's word
    int swatchCount;       // visible swatches, 2..4
    int swatch[4];         // wheel entry of each visible swatch (-1: hidden)
    int memberCount;       // sectors drawn opaque on the harmony wheel
    int member[4];         // their wheel entries (0..11)
};

// In type-list order; the list index is the type.
inline constexpr std::array<HarmonyInfo, kHarmonyTypeCount> kHarmonies{{
    {"Complements", "complements", 2, {0, 6, -1, -1}, 2, {0, 6, -1, -1}},
    {"Split-Complements", "split-complements", 3, {0, 5, 7, -1}, 3, {0, 5, 7, -1}},
    {"Triads", "triads", 3, {0, 4, 8, -1}, 3, {0, 4, 8, -1}},
    {"Tetrads", "tetrads", 4, {0, 3, 6, 9}, 4, {0, 3, 6, 9}},
    {"Analogous", "analogous", 3, {11, 0, 1, -1}, 3, {0, 11, 1, -1}},
    // The base hue alone on the ring; its two shades (entries 12, 18) sit in the centre.
    {"Monochromatic", "monochromatic", 3, {0, 12, 18, -1}, 1, {0, -1, -1, -1}},
}};

const HarmonyInfo& Harmony(HarmonyType type);

// The type for an index of the type list; out-of-range indices give Complements.
HarmonyType HarmonyFromIndex(int index);

// The type named by its command-line word, or -1.
int HarmonyIndexFromName(const QString& name);

// The true colours of the visible swatches, in swatch order.
QList<TColor> HarmonySwatchColors(HarmonyType type, const TWheelColors& wheel);

} // namespace Workspace
