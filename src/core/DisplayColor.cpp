#include "DisplayColor.h"

// Placeholder until the simulation table lands: normal vision only.
namespace ColorVision {
namespace {
int g_mode = Normal;
}
int CurrentMode() { return g_mode; }
void SetCurrentMode(int mode) { g_mode = (mode >= 0 && mode < ModeCount) ? mode : Normal; }
} // namespace ColorVision

TColor DisplayColor(TColor color)
{
    return color;
}
