#pragma once

#include "TColor.h"

// The 3-D control colours every custom view is painted with. Fixed values,
// not the desktop theme's, so that what is painted (and hit-tested by pixel)
// is the same on every machine.
namespace SystemColors {
inline constexpr TColor BtnFace = MakeColor(240, 240, 240);
inline constexpr TColor BtnShadow = MakeColor(160, 160, 160);
inline constexpr TColor BtnHighlight = MakeColor(255, 255, 255);
inline constexpr TColor DkShadow = MakeColor(105, 105, 105);
inline constexpr TColor Highlight = MakeColor(0, 120, 215);
inline constexpr TColor HighlightText = MakeColor(255, 255, 255);
inline constexpr TColor WindowText = MakeColor(0, 0, 0);
inline constexpr TColor ActiveCaption = MakeColor(153, 180, 209);
inline constexpr TColor GradientActiveCaption = MakeColor(185, 209, 234);
} // namespace SystemColors
