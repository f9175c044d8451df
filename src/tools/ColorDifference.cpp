#include "ColorDifference.h"

#include "DisplayColor.h"

#include <cmath>
#include <numbers>

namespace Tools {

namespace {

long double linearSrgb(int channel)
{
    const long double c = channel / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

long double labF(long double t)
{
    constexpr long double e = 216.0L / 24389;
    constexpr long double k = 24389.0L / 27;
    return t > e ? std::cbrt(t) : (k * t + 16) / 116;
}

long double degrees(long double radians)
{
    return radians * 180 / std::numbers::pi_v<long double>;
}

long double radians(long double deg)
{
    return deg * std::numbers::pi_v<long double> / 180;
}

} // namespace

Lab SrgbToLab(TColor color)
{
    const long double r = linearSrgb(RedOf(color));
    const long double g = linearSrgb(GreenOf(color));
    const long double b = linearSrgb(BlueOf(color));
    // sRGB to XYZ (D65), then relative to the D65 white.
    const long double x = (0.4124564L * r + 0.3575761L * g + 0.1804375L * b) / 0.95047L;
    const long double y = 0.2126729L * r + 0.7151522L * g + 0.0721750L * b;
    const long double z = (0.0193339L * r + 0.1191920L * g + 0.9503041L * b) / 1.08883L;
    const long double fx = labF(x), fy = labF(y), fz = labF(z);
    return {double(116 * fy - 16), double(500 * (fx - fy)), double(200 * (fy - fz))};
}

double Ciede2000(const Lab& p, const Lab& q)
{
    const long double c1 = std::hypot((long double)p.a, (long double)p.b);
    const long double c2 = std::hypot((long double)q.a, (long double)q.b);
    const long double cMean7 = std::pow((c1 + c2) / 2, 7.0L);
    const long double g = 0.5L * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0L, 7.0L))));
    const long double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const long double c1p = std::hypot(a1, (long double)p.b), c2p = std::hypot(a2, (long double)q.b);
    const auto hue = [](long double b, long double a) {
        if (a == 0 && b == 0)
            return 0.0L;
        long double h = degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const long double h1 = hue(p.b, a1), h2 = hue(q.b, a2);

    const long double dL = (long double)q.L - p.L;
    const long double dC = c2p - c1p;
    long double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const long double dH = 2 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2));

    const long double lMean = ((long double)p.L + q.L) / 2;
    const long double cMeanP = (c1p + c2p) / 2;
    long double hMean = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::fabs(h1 - h2) <= 180)
            hMean = (h1 + h2) / 2;
        else
            hMean = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const long double t = 1 - 0.17L * std::cos(radians(hMean - 30)) + 0.24L * std::cos(radians(2 * hMean))
                          + 0.32L * std::cos(radians(3 * hMean + 6)) - 0.20L * std::cos(radians(4 * hMean - 63));
    const long double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2.0L));
    const long double cMeanP7 = std::pow(cMeanP, 7.0L);
    const long double rc = 2 * std::sqrt(cMeanP7 / (cMeanP7 + std::pow(25.0L, 7.0L)));
    const long double l50 = (lMean - 50) * (lMean - 50);
    const long double sl = 1 + 0.015L * l50 / std::sqrt(20 + l50);
    const long double sc = 1 + 0.045L * cMeanP;
    const long double sh = 1 + 0.015L * cMeanP * t;
    const long double rt = -std::sin(radians(2 * dTheta)) * rc;
    const long double tl = dL / sl, tc = dC / sc, th = dH / sh;
    return double(std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th));
}

bool HardToTellApart(TColor text, TColor background, int colorVisionMode)
{
    if (Ciede2000(SrgbToLab(text), SrgbToLab(background)) < kConfusableDifference)
        return false; // already close for everyone: the ratio and Lc say so
    const TColor t = ColorVision::SimulateColor(text, colorVisionMode);
    const TColor b = ColorVision::SimulateColor(background, colorVisionMode);
    return Ciede2000(SrgbToLab(t), SrgbToLab(b)) < kConfusableDifference;
}

} // namespace Tools
