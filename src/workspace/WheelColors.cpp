#include "WheelColors.h"

#include "HSLUtils.h"
#include "Rounding.h"

using HSLUtils::HSLToRGB;
using HSLUtils::RGBToHSL;

namespace Workspace {

TColor ScreenColor(TColor c, int bitsPerPixel)
{
    if (bitsPerPixel >= 24)
        return c;
    // A reduced display keeps the top bits of each channel and shows them
    // with the top bits repeated below, so white stays white.
    auto reduce = [](int v, int bits) {
        const int kept = v >> (8 - bits);
        return (kept << (8 - bits)) | (kept >> (2 * bits - 8));
    };
    const int greenBits = bitsPerPixel == 16 ? 6 : 5;
    return MakeColor(reduce(RedOf(c), 5), reduce(GreenOf(c), greenBits), reduce(BlueOf(c), 5));
}

TWheelColors GenerateWheelRGB(TColor base)
{
    TWheelColors out{};
    double H, S, L;
    for (int i = 0; i < 12; ++i) {
        RGBToHSL(base, H, S, L);
        H = H + static_cast<long double>(i) / 12;
        if (H > 1)
            H = H - 1.0L;
        out[i] = ScreenColor(HSLToRGB(H, S, L));
    }
    for (int ring = 0; ring < 2; ++ring) {
        const long double delta = ring == 0 ? 0.1L : 0.2L;
        RGBToHSL(base, H, S, L);
        if (L <= 0.7L)
            L = L + delta;
        else
            L = L - delta;
        for (int k = 0; k < 6; ++k) {
            if (k > 0) {
                H = H + 1.0L / 6;
                if (H > 1)
                    H = H - 1.0L;
            }
            out[12 + 6 * ring + k] = ScreenColor(HSLToRGB(H, S, L));
        }
    }
    return out;
}

TWheelColors GenerateWheelRYB(TColor base)
{
    TWheelColors out{};
    double H, S, L;
    RGBToHSL(base, H, S, L);
    H = H * 360.0L;
    const double L0 = L;
    for (int i = 0; i < 360; ++i) {
        // 359, not 360: the walk wraps one degree early.
        if (H > 359)
            H = H - 359.0L;
        if (i % 30 == 0)
            out[i / 30] = HSLToRGB(H / 360.0L, S, L);
        const long b = HSLUtils::RoundToEven(H);
        if (b >= 15 && b <= 30) {
            H = H + 0.5L;
        } else if (b >= 31 && b <= 80) {
            H = H + 0.4L;
            // The yellow zone greys and darkens a little on every step.
            if (H > 69 && H < 76 && L0 < 0.8L) {
                if (L0 > 0.39L)
                    L = L - 1.0L / 240;
                S = S - 1.0L / 150;
                if (S < 0)
                    S = 0;
                if (L < 0)
                    L = 0;
            }
        } else if (b >= 81 && b <= 100) {
            H = H + 3.0L;
        } else if (b >= 101 && b <= 185) {
            H = H + 4.0L;
        } else if (b >= 200 && b <= 210) {
            H = H + 0.5L;
        } else if (b >= 300 && b <= 311) {
            H = H + 10.0L;
        } else if (b >= 348 && b <= 359) {
            H = H + 2.0L;
            // Back towards red the colour regains saturation and lightness,
            // never lighter than the base.
            if (L0 < 0.8L) {
                L = L + 0.0125L;
                S = S + 0.02L;
                if (L > 1)
                    L = 1;
                if (L > L0)
                    L = L0;
                if (S > 1)
                    S = 1;
            }
        } else {
            H = H + 1.0L;
        }
    }
    // The shade direction follows the base lightness L0, while each shade
    // starts from the lightness of its own hue entry.
    for (int ring = 0; ring < 2; ++ring) {
        const long double delta = ring == 0 ? 0.1L : 0.2L;
        for (int k = 0; k < 6; ++k) {
            RGBToHSL(out[2 * k], H, S, L);
            if (L0 <= 0.7L)
                L = L + delta;
            else
                L = L - delta;
            out[12 + 6 * ring + k] = HSLToRGB(H, S, L);
        }
    }
    return out;
}

TWheelColors GenerateWheelColors(TColor base, bool ryb)
{
    return ryb ? GenerateWheelRYB(base) : GenerateWheelRGB(base);
}

} // namespace Workspace
