#include "Mixer.h"

#include "HSLUtils.h"
#include "Rounding.h"
#include "TFavoritesList.h"

#include <algorithm>
#include <cmath>

namespace Tools {

std::optional<MixPath> MixPathFromName(QStringView cliName)
{
    for (const MixPathInfo& info : kMixPaths) {
        if (cliName == QLatin1String(info.cliName))
            return info.path;
    }
    return std::nullopt;
}

ToolsError CheckMixSteps(int steps)
{
    return steps >= kMinMixSteps && steps <= kMaxMixSteps ? ToolsError::None : ToolsError::StepsOutOfRange;
}

namespace {

int linearChannel(int c1, int c2, int steps, int i)
{
    // d is a named real of the blend and is kept as a double between steps.
    const double d = (static_cast<long double>(c1) - c2) / (steps + 1);
    return int(HSLUtils::RoundToEven(c1 - i * static_cast<long double>(d)));
}

void blendRadial(QList<TColor>& colors, TColor start, TColor end, int steps, bool clockwise)
{
    double H1, S1, L1, H2, S2, L2;
    HSLUtils::RGBToHSL(start, H1, S1, L1);
    HSLUtils::RGBToHSL(end, H2, S2, L2);
    double distance;
    if (clockwise)
        distance = H1 <= H2 ? static_cast<long double>(H2) - H1 : static_cast<long double>(H2) + 1 - H1;
    else
        distance = H1 >= H2 ? static_cast<long double>(H1) - H2 : static_cast<long double>(H1) + 1 - H2;
    const double hueStep = static_cast<long double>(distance) / (steps + 1);
    const double dS = (static_cast<long double>(S2) - S1) / (steps + 1);
    const double dL = (static_cast<long double>(L2) - L1) / (steps + 1);
    double H = H1;
    for (int i = 1; i <= steps; ++i) {
        if (clockwise) {
            H = static_cast<long double>(H) + hueStep;
            if (H > 1)
                H = static_cast<long double>(H) - 1; // a hue of exactly 1 stays 1
        } else {
            H = static_cast<long double>(H) - hueStep;
            if (H < 0)
                H = static_cast<long double>(H) + 1;
        }
        const double S = S1 + i * static_cast<long double>(dS);
        const double L = L1 + i * static_cast<long double>(dL);
        colors[i] = HSLUtils::HSLToRGB(H, S, L);
    }
}

} // namespace

void BuildMixColors(QList<TColor>& colors, TColor start, TColor end, int steps, MixPath path)
{
    steps = std::clamp(steps, kMinMixSteps, kMaxMixSteps);
    colors.resize(steps + 2);
    colors[0] = MakeColor(RedOf(start), GreenOf(start), BlueOf(start));
    colors[steps + 1] = MakeColor(RedOf(end), GreenOf(end), BlueOf(end));
    if (path == MixPath::Linear) {
        for (int i = 1; i <= steps; ++i)
            colors[i] = MakeColor(linearChannel(RedOf(start), RedOf(end), steps, i),
                                  linearChannel(GreenOf(start), GreenOf(end), steps, i),
                                  linearChannel(BlueOf(start), BlueOf(end), steps, i));
    } else {
        blendRadial(colors, start, end, steps, path == MixPath::Clockwise);
    }
}

QList<TColor> MixColors(TColor start, TColor end, int steps, MixPath path)
{
    QList<TColor> colors;
    BuildMixColors(colors, start, end, steps, path);
    return colors;
}

QString MixerFavoriteName(int nameStyle, qsizetype k)
{
    if (nameStyle == 2)
        return QStringLiteral("Mixed Color ") + QString::number(k + 1);
    return {};
}

qsizetype AddAllMixedToFavorites(TFavoritesList& favorites, const QList<TColor>& mixed)
{
    QStringList names;
    names.reserve(mixed.size());
    for (qsizetype k = 0; k < mixed.size(); ++k)
        names << MixerFavoriteName(favorites.nameStyle(), k);
    return favorites.addColorBatch(mixed, names);
}

namespace {
constexpr int kStripLeft = 8;
constexpr int kStripTop = 9;
constexpr int kStripStepX = 28;
constexpr int kStripStepY = 27;
constexpr int kStripColumns = 12; // in the 348-pixel strip
constexpr int kStripRight = 340;
constexpr int kStripBottom = 141;
} // namespace

QPoint MixSwatchOrigin(qsizetype index, int stripWidth)
{
    // Walks the painter's own placement, so a strip of any width agrees with it.
    int x = kStripLeft;
    int y = kStripTop;
    for (qsizetype i = 0; i < index; ++i) {
        x += kStripStepX;
        if (stripWidth < x + kMixSwatchSize) {
            x = kStripLeft;
            y += kStripStepY;
        }
    }
    return {x, y};
}

int MixSwatchAt(QPoint point, qsizetype count)
{
    const int x = point.x();
    const int y = point.y();
    if (x < kStripLeft || x > kStripRight || y < kStripTop || y > kStripBottom)
        return -1;
    if ((x - kStripLeft) % kStripStepX > kMixSwatchSize - 1 || (y - kStripTop) % kStripStepY > kMixSwatchSize - 1)
        return -1;
    const int index = (x - kStripLeft) / kStripStepX + kStripColumns * ((y - kStripTop) / kStripStepY);
    return index < count ? index : -1;
}

int BarValueFromX(int x)
{
    x = std::clamp(x, 2, 104);
    return int(std::floor((x - 2) * 2.5L));
}

int BarMarkerFromValue(int value)
{
    return int(std::floor(value / 2.5L + 2));
}

int BarStripeChannel(int i)
{
    return int(HSLUtils::RoundToEven(i * 2.5L));
}

NumberBoxFix FixNumberBoxText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {QStringLiteral("0"), true, 0};
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    // The boxes take digits only and three of them at most; a longer paste
    // that does not parse counts as too large.
    if (!ok || value >= 256)
        return {QStringLiteral("255"), true, 255};
    return {text, false, std::max(value, 0)};
}

} // namespace Tools
