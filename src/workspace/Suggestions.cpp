#include "Suggestions.h"

#include "HSLUtils.h"

#include <algorithm>

using HSLUtils::HSLToRGB;
using HSLUtils::RGBToHSL;

namespace Workspace {

namespace {

double HueOf(TColor c)
{
    double h, s, l;
    RGBToHSL(c, h, s, l);
    return h;
}

// The colour passed through HSL and back.
TColor ThroughHsl(TColor c)
{
    double h, s, l;
    RGBToHSL(c, h, s, l);
    return HSLToRGB(h, s, l);
}

// The colour with its lightness moved half-way to 0.95.
TColor HalfwayToLight(TColor c)
{
    double h, s, l;
    RGBToHSL(c, h, s, l);
    l = l + (0.95L - l) / 2;
    return HSLToRGB(h, s, l);
}

double ClampLightness(double L)
{
    return std::clamp<double>(L, 0.4L, 0.6L);
}

} // namespace

SuggestionStyle SuggestionFromIndex(int index)
{
    return index >= 0 && index < kSuggestionStyleCount ? SuggestionStyle(index) : SuggestionStyle::Complementary;
}

int SuggestionIndexFromName(const QString& name)
{
    for (int i = 0; i < kSuggestionStyleCount; ++i)
        if (name == QLatin1String(kSuggestionStyles[size_t(i)].cliName))
            return i;
    return -1;
}

SuggestedScheme ComputeSuggestion(SuggestionStyle style, const TWheelColors& E)
{
    SuggestedScheme s;
    double H, S, L;
    RGBToHSL(E[0], H, S, L);
    switch (style) {
    case SuggestionStyle::Complementary:
        s.header = E[0];
        s.page = HSLToRGB(H, 0.7, 0.9);
        s.links = E[6];
        s.content = clWhite;
        break;
    case SuggestionStyle::Analogous:
        s.header = E[0];
        s.page = HSLToRGB(HueOf(E[11]), 0.7, 0.9);
        s.links = E[1];
        s.content = clWhite;
        break;
    case SuggestionStyle::MonoLight: {
        s.page = HSLToRGB(H, 0.6, 0.95);
        if (L < 0.7L) {
            s.header = E[0];
            s.links = HalfwayToLight(E[18]);
        } else {
            s.header = E[18];
            s.links = HalfwayToLight(E[0]);
        }
        s.content = s.links;
        s.gradient = true;
        double h, sat, l;
        RGBToHSL(s.header, h, sat, l);
        l = l + 0.25L;
        if (l > 1)
            l = 1;
        s.gradientEnd = HSLToRGB(h, sat, l);
        break;
    }
    case SuggestionStyle::MonoDark:
        s.header = HSLToRGB(H, std::max<double>(S, 0.5L), 0.4);
        s.page = HSLToRGB(H, 0.4, 0.3);
        s.links = HSLToRGB(H, 0.5, 0.6);
        s.content = HSLToRGB(H, 0.5, 0.8);
        break;
    case SuggestionStyle::MonoMuted:
        s.header = HSLToRGB(H, 0.25, 0.4);
        s.page = HSLToRGB(H, 0.45, 0.7);
        s.links = HSLToRGB(H, 0.45, 0.8);
        s.content = HSLToRGB(H, 0.45, 0.95);
        break;
    case SuggestionStyle::Vibrant:
        s.header = HSLToRGB(H, 0.8, ClampLightness(L));
        s.page = HSLToRGB(H, 0.7, 0.9);
        s.links = HSLToRGB(HueOf(E[8]), 0.7, 0.6);
        s.content = clWhite;
        break;
    case SuggestionStyle::Muted:
        s.header = HSLToRGB(H, 0.5, ClampLightness(L));
        s.page = HSLToRGB(H, 0.4, 0.9);
        s.links = HSLToRGB(HueOf(E[8]), 0.4, 0.6);
        s.content = clWhite;
        break;
    case SuggestionStyle::Complex:
        s.header = E[0];
        s.page = HSLToRGB(HueOf(E[7]), 0.4, 0.9);
        s.links = ThroughHsl(E[5]);
        s.content = clWhite;
        break;
    case SuggestionStyle::Minimalistic:
        s.header = ThroughHsl(E[0]);
        s.page = HSLToRGB(H, 0.6, 0.9);
        s.links = clWhite;
        s.content = clWhite;
        break;
    case SuggestionStyle::Gray:
        s.header = HSLToRGB(H, 0.08, 0.5);
        s.page = HSLToRGB(H, 0.08, 0.7);
        s.links = HSLToRGB(H, 0.08, 0.8);
        s.content = HSLToRGB(H, 0.08, 0.95);
        break;
    }
    return s;
}

QList<TColor> SuggestionSwatchColors(const SuggestedScheme& scheme)
{
    QList<TColor> list;
    list.append(scheme.header);
    if (scheme.gradient)
        list.append(scheme.gradientEnd);
    auto listed = [&list](TColor c) {
        for (int slot = 0; slot < kSuggestionSwatchCount; ++slot) {
            const TColor held = slot < list.size() ? list[slot] : clBlack;
            if (held == c)
                return true;
        }
        return false;
    };
    for (TColor role : {scheme.links, scheme.page, scheme.content}) {
        if (role != clWhite && !listed(role))
            list.append(role);
    }
    if (list.size() < kSuggestionSwatchCount)
        list.append(clWhite);
    if (list.size() < kSuggestionSwatchCount)
        list.append(clBlack);
    return list;
}

} // namespace Workspace
