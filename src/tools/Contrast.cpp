#include "Contrast.h"

#include "Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace Tools {

namespace {

// sRGB channel c/255 linearised by the WCAG piecewise curve, per channel value.
const std::array<long double, 256>& wcagLinear()
{
    static const std::array<long double, 256> table = [] {
        std::array<long double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const long double c = i / 255.0L;
            t[std::size_t(i)] = c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
        }
        return t;
    }();
    return table;
}

// APCA-W3 0.0.98G-4g constants.
constexpr long double kMainTrc = 2.4L;
constexpr long double kRco = 0.2126729L;
constexpr long double kGco = 0.7151522L;
constexpr long double kBco = 0.0721750L;
constexpr long double kNormBg = 0.56L;
constexpr long double kNormTxt = 0.57L;
constexpr long double kRevTxt = 0.62L;
constexpr long double kRevBg = 0.65L;
constexpr long double kBlkThrs = 0.022L;
constexpr long double kBlkClmp = 1.414L;
constexpr long double kScaleBoW = 1.14L;
constexpr long double kScaleWoB = 1.14L;
constexpr long double kLoBoWOffset = 0.027L;
constexpr long double kLoWoBOffset = 0.027L;
constexpr long double kDeltaYMin = 0.0005L;
constexpr long double kLoClip = 0.1L;

// APCA screen luminance: the plain 2.4 power of each channel (no linear
// toe), then the soft clamp that lifts near-black.
long double apcaLuminance(TColor c)
{
    static const std::array<long double, 256> power = [] {
        std::array<long double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = std::pow(i / 255.0L, kMainTrc);
        return t;
    }();
    long double y = kRco * power[std::size_t(RedOf(c))] + kGco * power[std::size_t(GreenOf(c))]
                    + kBco * power[std::size_t(BlueOf(c))];
    if (y <= kBlkThrs)
        y += std::pow(kBlkThrs - y, kBlkClmp);
    return y;
}

QString twoDecimals(long double value)
{
    const long hundredths = HSLUtils::RoundToEven(value * 100);
    const long whole = std::labs(hundredths) / 100;
    const long frac = std::labs(hundredths) % 100;
    return QStringLiteral("%1%2.%3")
        .arg(hundredths < 0 ? QStringLiteral("-") : QString())
        .arg(whole)
        .arg(frac, 2, 10, QLatin1Char('0'));
}

} // namespace

long double RelativeLuminance(TColor color)
{
    const auto& lin = wcagLinear();
    return 0.2126L * lin[std::size_t(RedOf(color))] + 0.7152L * lin[std::size_t(GreenOf(color))]
           + 0.0722L * lin[std::size_t(BlueOf(color))];
}

double ContrastRatio(TColor a, TColor b)
{
    const long double la = RelativeLuminance(a);
    const long double lb = RelativeLuminance(b);
    return double((std::max(la, lb) + 0.05L) / (std::min(la, lb) + 0.05L));
}

WcagVerdict WcagVerdictFor(double ratio)
{
    if (ratio >= 7)
        return WcagVerdict::AAA;
    if (ratio >= 4.5)
        return WcagVerdict::AA;
    if (ratio >= 3)
        return WcagVerdict::AALargeOnly;
    return WcagVerdict::Fail;
}

QString WcagVerdictText(WcagVerdict verdict)
{
    switch (verdict) {
    case WcagVerdict::AAA:
        return QStringLiteral("AAA");
    case WcagVerdict::AA:
        return QStringLiteral("AA");
    case WcagVerdict::AALargeOnly:
        return QStringLiteral("AA large text only");
    case WcagVerdict::Fail:
        return QStringLiteral("fail");
    }
    return {};
}

QString ContrastRatioText(double ratio)
{
    return twoDecimals(ratio);
}

double ApcaContrast(TColor text, TColor background)
{
    const long double yTxt = apcaLuminance(text);
    const long double yBg = apcaLuminance(background);
    if (std::fabs(yBg - yTxt) < kDeltaYMin)
        return 0;
    long double out;
    if (yBg > yTxt) { // dark text on a light background
        const long double sapc = (std::pow(yBg, kNormBg) - std::pow(yTxt, kNormTxt)) * kScaleBoW;
        out = sapc < kLoClip ? 0 : sapc - kLoBoWOffset;
    } else { // light text on a dark background
        const long double sapc = (std::pow(yBg, kRevBg) - std::pow(yTxt, kRevTxt)) * kScaleWoB;
        out = sapc > -kLoClip ? 0 : sapc + kLoWoBOffset;
    }
    return double(out * 100);
}

QString ApcaContrastText(double lc)
{
    return twoDecimals(lc);
}

} // namespace Tools
