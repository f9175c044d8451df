#pragma once

#include "TColor.h"
#include "ToolsError.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

class TFavoritesList;

// The colour mixer's arithmetic: the blend of a start into an end colour in
// 1..58 intermediate steps, the geometry of its swatch strip and channel
// bars, its number-box rule and its names for new favourites.
namespace Tools {

enum class MixPath : int { Linear = 0, Clockwise = 1, CounterClockwise = 2 };

inline constexpr int kMinMixSteps = 1;
inline constexpr int kMaxMixSteps = 58;

struct MixPathInfo {
    MixPath path;
    const char* caption; // the entry of cboPath, in list order
    const char* cliName; // the command line's name
};
inline constexpr std::array<MixPathInfo, 3> kMixPaths{{
    {MixPath::Linear, "Linear", "linear"},
    {MixPath::Clockwise, "Radial [clockwise]", "cw"},
    {MixPath::CounterClockwise, "Radial [counter-clockwise]", "ccw"},
}};

std::optional<MixPath> MixPathFromName(QStringView cliName);
// StepsOutOfRange unless kMinMixSteps <= steps <= kMaxMixSteps.
ToolsError CheckMixSteps(int steps);

// The mixed colours, steps + 2 of them: element 0 is start, element
// steps + 1 is end, 1..steps the blend. Linear: each channel
// round(c1 - i * d) with the real d = (c1 - c2) / (steps + 1), ties to even.
// Radial: hue, saturation and lightness step from start to end, the hue
// turning clockwise (increasing, wrapping past 1) or counter-clockwise; a
// grey end counts as hue 0. steps is clamped to 1..58 (callers that take
// outside input refuse it first with CheckMixSteps).
// The list is reused, so a rebuild on every bar move allocates nothing.
void BuildMixColors(QList<TColor>& colors, TColor start, TColor end, int steps, MixPath path);
QList<TColor> MixColors(TColor start, TColor end, int steps, MixPath path);

// The name "add all" passes for mixed colour k (from 0): "Mixed Color k+1"
// when favourites are numbered (name style 2), otherwise empty, so the
// favourites name it by their own style.
QString MixerFavoriteName(int nameStyle, qsizetype k);
// "Add all Mixed Colors to Favorites": every colour in list order, the first
// alone selected and current, then all of them selected, names as above by
// the list's name style. Returns the index of the first added entry.
qsizetype AddAllMixedToFavorites(TFavoritesList& favorites, const QList<TColor>& mixed);

// The swatch strip: 24 x 24 swatches from (8, 9), 28 pixels apart across and
// 27 down, a new row when the next would pass the strip's right edge (12 a
// row in the 348-pixel strip).
inline constexpr int kMixSwatchSize = 24;
QPoint MixSwatchOrigin(qsizetype index, int stripWidth);
// The index of the swatch under a point of the 348-pixel strip, or -1 (the
// gaps, the margins and the places past the end of the list are no swatch).
int MixSwatchAt(QPoint point, qsizetype count);

// Channel bars (107 x 15): the marker x runs 2..104 and maps to the channel
// value floor((x - 2) * 2.5); a value maps back to floor(value / 2.5 + 2).
// Stripe i (0..101, drawn at x = i + 2) shows the channel round(i * 2.5).
int BarValueFromX(int x);
int BarMarkerFromValue(int value);
int BarStripeChannel(int i);

// The number boxes' rule for a changed text: an empty (after trimming) text
// becomes "0" and one of 256 or more "255", with the whole text selected.
struct NumberBoxFix {
    QString text;    // the text the box holds afterwards
    bool replaced;   // the box's text was rewritten and is to be selected
    int value;       // the channel value, 0..255
};
NumberBoxFix FixNumberBoxText(const QString& text);

} // namespace Tools
