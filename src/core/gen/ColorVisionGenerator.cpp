#include "ColorVisionGenerator.h"

#include "DisplayColor.h"
#include "HSLUtils.h"

#include <cmath>

namespace ColorVisionGen {

namespace {

// Display gamma: a pure power law.
constexpr double kGamma = 2.35;

// Linear RGB to CIE XYZ for EBU primaries and a D65 white, and back.
constexpr double kToXyz[3][3] = {
    {0.430574, 0.341550, 0.178325},
    {0.222015, 0.706655, 0.071330},
    {0.020183, 0.129553, 0.939180},
};
constexpr double kToRgb[3][3] = {
    {3.063218, -1.393325, -0.475802},
    {-0.969243, 1.875966, 0.041555},
    {0.067871, -0.228834, 1.069251},
};

// The neutral grey that out-of-gamut colours are pulled toward: luminance 0.5
// whatever the colour's own luminance, at the chromaticity of D65.
constexpr double kGreyX = 0.312713;
constexpr double kGreyY = 0.329016;
constexpr double kGreyLuminance = 0.5;

// A confusion point and the two ends of the colour axis, in xy chromaticity.
struct Confusion {
    double cx, cy;
    double ax1, ay1, ax2, ay2;
};

const Confusion& confusionOf(Dichromacy kind)
{
    static constexpr Confusion protan{0.735, 0.265, 0.115807, 0.073581, 0.471899, 0.527051};
    static constexpr Confusion deutan{1.14, -0.14, 0.102776, 0.102864, 0.505845, 0.493211};
    static constexpr Confusion tritan{0.171, -0.003, 0.045391, 0.294976, 0.665764, 0.334011};
    switch (kind) {
    case Dichromacy::Protan: return protan;
    case Dichromacy::Deutan: return deutan;
    case Dichromacy::Tritan: break;
    }
    return tritan;
}

void multiply(const double (&m)[3][3], const double (&v)[3], double (&out)[3])
{
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

// Linear RGB of an XYZ colour given as chromaticity and luminance.
void fromChromaticity(double x, double y, double Y, double (&rgb)[3])
{
    const double xyz[3] = {x * Y / y, Y, (1 - x - y) * Y / y};
    multiply(kToRgb, xyz, rgb);
}

TColor encode(const double (&linear)[3], double* unrounded)
{
    int channel[3];
    for (int k = 0; k < 3; ++k) {
        double c = linear[k];
        if (c < 0)
            c = 0;
        else if (c > 1)
            c = 1;
        const double v = std::pow(c, 1 / kGamma) * 255;
        if (unrounded)
            unrounded[k] = v;
        channel[k] = int(std::lrint(v));
    }
    return MakeColor(channel[0], channel[1], channel[2]);
}

} // namespace

std::optional<TColor> SimulateDichromacy(TColor color, Dichromacy kind, double* unrounded)
{
    const double rgb[3] = {std::pow(RedOf(color) / 255.0, kGamma), std::pow(GreenOf(color) / 255.0, kGamma),
                           std::pow(BlueOf(color) / 255.0, kGamma)};
    double xyz[3];
    multiply(kToXyz, rgb, xyz);
    const double sum = xyz[0] + xyz[1] + xyz[2];
    if (sum == 0) {
        if (unrounded)
            unrounded[0] = unrounded[1] = unrounded[2] = 0;
        return clBlack;
    }
    const double x = xyz[0] / sum;
    const double y = xyz[1] / sum;
    const double Y = xyz[1];

    // Where the confusion line through the colour meets the colour axis.
    const Confusion& p = confusionOf(kind);
    const double slope = x < p.cx ? (p.cy - y) / (p.cx - x) : (y - p.cy) / (x - p.cx);
    const double intercept = y - x * slope;
    const double axisSlope = (p.ay2 - p.ay1) / (p.ax2 - p.ax1);
    const double axisIntercept = p.ay1 - p.ax1 * axisSlope;
    const double sx = (axisIntercept - intercept) / (slope - axisSlope);
    const double sy = sx * slope + intercept;
    if (!std::isfinite(sx) || !std::isfinite(sy) || sy == 0)
        return std::nullopt;

    double s[3];
    fromChromaticity(sx, sy, Y, s);

    // Pull toward the grey along S + f (G - S) with the largest f in 0..1 that
    // brings one channel onto the face of the cube it has left.
    double grey[3];
    fromChromaticity(kGreyX, kGreyY, kGreyLuminance, grey);
    double d[3];
    double f = 0;
    for (int k = 0; k < 3; ++k) {
        d[k] = grey[k] - s[k];
        if (d[k] == 0)
            continue;
        const double fk = ((s[k] < 0 ? 0.0 : 1.0) - s[k]) / d[k];
        if (fk >= 0 && fk <= 1 && fk > f)
            f = fk;
    }
    const double shifted[3] = {s[0] + f * d[0], s[1] + f * d[1], s[2] + f * d[2]};
    return encode(shifted, unrounded);
}

TColor Anomalous(TColor color, TColor dichromat)
{
    return MakeColor((RedOf(color) + RedOf(dichromat)) / 2, (GreenOf(color) + GreenOf(dichromat)) / 2,
                     (BlueOf(color) + BlueOf(dichromat)) / 2);
}

std::optional<QString> TableRow(TColor websafe)
{
    const auto protan = SimulateDichromacy(websafe, Dichromacy::Protan);
    const auto deutan = SimulateDichromacy(websafe, Dichromacy::Deutan);
    const auto tritan = SimulateDichromacy(websafe, Dichromacy::Tritan);
    if (!protan || !deutan || !tritan)
        return std::nullopt;
    const TColor columns[8] = {*protan,
                               *deutan,
                               *tritan,
                               Anomalous(websafe, *protan),
                               Anomalous(websafe, *deutan),
                               Anomalous(websafe, *tritan),
                               ColorVision::TypicalMonoColor(websafe),
                               ColorVision::AtypicalMonoColor(websafe)};
    QString row = HSLUtils::ColorToHex(websafe) + u'=';
    for (int i = 0; i < 8; ++i) {
        if (i)
            row += u'|';
        row += HSLUtils::ColorToHex(columns[i]);
    }
    return row;
}

std::optional<QStringList> GenerateTable(QString* failedKey)
{
    QStringList rows;
    for (int r = 255; r >= 0; r -= 51) {
        for (int g = 255; g >= 0; g -= 51) {
            for (int b = 255; b >= 0; b -= 51) {
                const TColor key = MakeColor(r, g, b);
                auto row = TableRow(key);
                if (!row) {
                    if (failedKey)
                        *failedKey = HSLUtils::ColorToHex(key);
                    return std::nullopt;
                }
                rows.append(*row);
            }
        }
    }
    return rows;
}

} // namespace ColorVisionGen
