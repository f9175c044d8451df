#include "HSLUtils.h"

#include "Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace HSLUtils {

namespace {

// channel / 255 computed in extended precision and stored as a double, for
// every channel value: the same numbers the division gives, without dividing.
constexpr std::array<double, 256> kUnitChannel = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = double(i / 255.0L);
    return t;
}();

// One channel of HSLToRGB. h is a stored double hue offset; at most one
// wrap-around correction is applied.
inline int HueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h = h + 1.0L;
    else if (h > 1)
        h = h - 1.0L;
    double v;
    if (6.0L * h < 1)
        v = m1 + (static_cast<long double>(m2) - m1) * h * 6;
    else if (2.0L * h < 1)
        v = m2;
    else if (3.0L * h < 2)
        v = m1 + (static_cast<long double>(m2) - m1) * (2.0L / 3 - h) * 6;
    else
        v = m1;
    return RoundChannel(v);
}

} // namespace

void RGBToHSL(TColor color, double& H, double& S, double& L)
{
    const double r = kUnitChannel[std::size_t(RedOf(color))];
    const double g = kUnitChannel[std::size_t(GreenOf(color))];
    const double b = kUnitChannel[std::size_t(BlueOf(color))];
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    L = (static_cast<long double>(max) + min) / 2;
    if (max == min) {
        H = 0;
        S = 0;
        return;
    }
    const double d = static_cast<long double>(max) - min;
    if (L < 0.5)
        S = d / (static_cast<long double>(max) + min);
    else
        S = d / (2.0L - max - min);
    if (r == max)
        H = (static_cast<long double>(g) - b) / d;
    else if (g == max)
        H = 2.0L + (static_cast<long double>(b) - r) / d;
    else
        H = 4.0L + (static_cast<long double>(r) - g) / d;
    H = H / 6.0L;
    if (H < 0)
        H = H + 1.0L;
}

TColor HSLToRGB(double H, double S, double L)
{
    if (S == 0) {
        const int v = RoundChannel(L);
        return MakeColor(v, v, v);
    }
    double m2;
    if (L <= 0.5)
        m2 = L * (1.0L + S);
    else
        m2 = static_cast<long double>(L) + S - static_cast<long double>(L) * S;
    const double m1 = 2.0L * L - m2;
    const double hr = H + 1.0L / 3;
    const double hb = H - 1.0L / 3;
    return MakeColor(HueToChannel(m1, m2, hr), HueToChannel(m1, m2, H), HueToChannel(m1, m2, hb));
}

void RGBToHSV(TColor color, double& H, double& S, double& V)
{
    const double r = kUnitChannel[std::size_t(RedOf(color))];
    const double g = kUnitChannel[std::size_t(GreenOf(color))];
    const double b = kUnitChannel[std::size_t(BlueOf(color))];
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double delta = static_cast<long double>(max) - min;
    V = max;
    if (delta == 0) {
        H = 0;
        S = 0;
        return;
    }
    S = delta / static_cast<long double>(max);
    const double dr = ((static_cast<long double>(max) - r) / 6 + delta / 2.0L) / delta;
    const double dg = ((static_cast<long double>(max) - g) / 6 + delta / 2.0L) / delta;
    const double db = ((static_cast<long double>(max) - b) / 6 + delta / 2.0L) / delta;
    if (r == max)
        H = static_cast<long double>(db) - dg;
    else if (g == max)
        H = 1.0L / 3 + dr - db;
    else
        H = 2.0L / 3 + dg - dr;
    if (H < 0)
        H = H + 1.0L;
    if (H > 1)
        H = H - 1.0L;
}

TColor HSVToRGB(double H, double S, double V)
{
    if (S == 0) {
        const int v = RoundChannel(V);
        return MakeColor(v, v, v);
    }
    const double h6 = H * 6.0L;
    // floor(h6) taken modulo 256 as an unsigned byte; guarded so that an
    // out-of-range hue never converts an unrepresentable value.
    long double fl = std::floor(static_cast<long double>(h6));
    fl = fl - 256.0L * std::floor(fl / 256);
    const unsigned i = std::isfinite(fl) ? unsigned(fl) & 0xFF : 0u;
    const double f = h6 - static_cast<long double>(i);
    const double p = V * (1.0L - S);
    const double q = V * (1.0L - static_cast<long double>(S) * f);
    const double t = V * (1.0L - static_cast<long double>(S) * (1.0L - f));
    double r, g, b;
    switch (i) {
    case 0: r = V; g = t; b = p; break;
    case 1: r = q; g = V; b = p; break;
    case 2: r = p; g = V; b = t; break;
    case 3: r = p; g = q; b = V; break;
    case 4: r = t; g = p; b = V; break;
    default: r = V; g = p; b = q; break;
    }
    return MakeColor(RoundChannel(r), RoundChannel(g), RoundChannel(b));
}

TColor SnapWebColor(TColor color, int mode)
{
    int step;
    if (mode == SnapWebsafe)
        step = 51;
    else if (mode == SnapWebSmart)
        step = 17;
    else
        return color;
    // An integer channel never lies half-way between two grid values.
    auto snap = [step](int c) { return int(RoundToEven(static_cast<long double>(c) / step)) * step; };
    return MakeColor(snap(RedOf(color)), snap(GreenOf(color)), snap(BlueOf(color)));
}

QString ColorToHex(TColor color)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const std::uint32_t rgb = ToRgb24(color);
    QString text(6, QChar(u'0'));
    for (int i = 0; i < 6; ++i)
        text[i] = QLatin1Char(digits[(rgb >> (20 - 4 * i)) & 0xF]);
    return text;
}

std::optional<TColor> HexToColor(QStringView text)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    std::uint32_t n = 0;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else
            return std::nullopt;
        n = (n << 4) | std::uint32_t(digit);
    }
    return FromRgb24(n);
}

bool HasBrightnessContrast(TColor a, TColor b)
{
    auto weighted = [](TColor c) { return RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114; };
    return std::abs(weighted(a) - weighted(b)) >= 125000;
}

void SplitString(QStringList& fields, const QString& sep, const QString& text)
{
    fields.clear();
    if (sep.isEmpty()) {
        fields.append(text);
        return;
    }
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(sep, from);
        if (at < 0) {
            fields.append(text.mid(from));
            return;
        }
        fields.append(text.mid(from, at - from));
        from = at + sep.size();
    }
}

void PolarPoint(QPoint p1, QPoint p2, QPoint c, int R, QPoint& result)
{
    const long double theta = std::atan2(static_cast<long double>(p2.y()) - p1.y(),
                                         static_cast<long double>(p2.x()) - p1.x());
    result = QPoint(int(RoundToEven(c.x() - R * std::cos(theta))),
                    int(RoundToEven(c.y() - R * std::sin(theta))));
}

} // namespace HSLUtils
