#include "PictureExtract.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace Picture {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = linear(i);
        return t;
    }();
    return table;
}

OkLab okLabOfRgb(QRgb rgb)
{
    const auto& lin = linearTable();
    const double r = lin[size_t(qRed(rgb))], g = lin[size_t(qGreen(rgb))], b = lin[size_t(qBlue(rgb))];
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

double distance2(const OkLab& x, const OkLab& y)
{
    const double dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
    return dL * dL + da * da + db * db;
}

struct Entry {
    OkLab lab;
    double weight = 0;
};

int nearestCentre(const OkLab& lab, const std::vector<OkLab>& centres)
{
    int best = 0;
    double bestD = std::numeric_limits<double>::max();
    for (size_t c = 0; c < centres.size(); ++c) {
        const double d = distance2(lab, centres[c]);
        if (d < bestD) {
            bestD = d;
            best = int(c);
        }
    }
    return best;
}

std::vector<OkLab> kMeans(const std::vector<Entry>& entries, int k)
{
    std::vector<OkLab> centres;
    std::vector<double> d2(entries.size(), std::numeric_limits<double>::max());
    // The most frequent first (the first of equals).
    size_t first = 0;
    for (size_t i = 1; i < entries.size(); ++i)
        if (entries[i].weight > entries[first].weight)
            first = i;
    centres.push_back(entries[first].lab);
    while (int(centres.size()) < k) {
        size_t pick = 0;
        double best = -1;
        for (size_t i = 0; i < entries.size(); ++i) {
            d2[i] = std::min(d2[i], distance2(entries[i].lab, centres.back()));
            const double score = entries[i].weight * d2[i];
            if (score > best) {
                best = score;
                pick = i;
            }
        }
        if (best <= 0)
            break; // every colour is a seed already
        centres.push_back(entries[pick].lab);
    }
    std::vector<int> owner(entries.size(), -1);
    for (int round = 0; round < 64; ++round) {
        bool changed = false;
        for (size_t i = 0; i < entries.size(); ++i) {
            const int c = nearestCentre(entries[i].lab, centres);
            if (c != owner[i]) {
                owner[i] = c;
                changed = true;
            }
        }
        if (!changed)
            break;
        std::vector<Entry> sums(centres.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            Entry& s = sums[size_t(owner[i])];
            s.lab.L += entries[i].lab.L * entries[i].weight;
            s.lab.a += entries[i].lab.a * entries[i].weight;
            s.lab.b += entries[i].lab.b * entries[i].weight;
            s.weight += entries[i].weight;
        }
        for (size_t c = 0; c < centres.size(); ++c)
            if (sums[c].weight > 0) // an emptied cluster keeps its centre
                centres[c] = {sums[c].lab.L / sums[c].weight, sums[c].lab.a / sums[c].weight,
                              sums[c].lab.b / sums[c].weight};
    }
    return centres;
}

} // namespace

OkLab ToOkLab(TColor color) { return okLabOfRgb(qRgb(RedOf(color), GreenOf(color), BlueOf(color))); }

QList<SamplePoint> ExtractPoints(const QImage& displayedIn, int n)
{
    n = ClampColors(n);
    if (displayedIn.isNull() || displayedIn.width() <= 0 || displayedIn.height() <= 0)
        return {};
    const QImage displayed = displayedIn.format() == QImage::Format_RGB32
                                 ? displayedIn
                                 : displayedIn.convertToFormat(QImage::Format_RGB32);
    const int w = displayed.width(), h = displayed.height();

    // The distinct colours with their pixel counts, in ascending RGB order.
    std::vector<quint32> pixels;
    pixels.reserve(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(displayed.constScanLine(y));
        for (int x = 0; x < w; ++x)
            pixels.push_back(line[x] & 0xFFFFFFu);
    }
    std::sort(pixels.begin(), pixels.end());
    std::vector<quint32> colours;
    std::vector<int> counts;
    for (size_t i = 0; i < pixels.size();) {
        size_t j = i;
        while (j < pixels.size() && pixels[j] == pixels[i])
            ++j;
        colours.push_back(pixels[i]);
        counts.push_back(int(j - i));
        i = j;
    }
    std::vector<quint32>().swap(pixels);
    std::vector<OkLab> labs(colours.size());
    for (size_t i = 0; i < colours.size(); ++i)
        labs[i] = okLabOfRgb(colours[i]);

    // What is clustered: the exact colours, or 15-bit pools of them.
    std::vector<Entry> entries;
    if (colours.size() <= 32768) {
        entries.resize(colours.size());
        for (size_t i = 0; i < colours.size(); ++i)
            entries[i] = {labs[i], double(counts[i])};
    } else {
        std::vector<Entry> pools(32768);
        for (size_t i = 0; i < colours.size(); ++i) {
            const quint32 c = colours[i];
            const size_t key = ((c >> 19) & 0x1F) << 10 | ((c >> 11) & 0x1F) << 5 | ((c >> 3) & 0x1F);
            Entry& p = pools[key];
            p.lab.L += labs[i].L * counts[i];
            p.lab.a += labs[i].a * counts[i];
            p.lab.b += labs[i].b * counts[i];
            p.weight += counts[i];
        }
        for (Entry& p : pools)
            if (p.weight > 0)
                entries.push_back({{p.lab.L / p.weight, p.lab.a / p.weight, p.lab.b / p.weight}, p.weight});
    }
    const std::vector<OkLab> centres = kMeans(entries, std::min<int>(n, int(entries.size())));

    // Each cluster's real colour nearest its centre (among the colours it owns).
    const size_t k = centres.size();
    std::vector<int> chosen(k, -1);
    std::vector<double> chosenD(k, std::numeric_limits<double>::max());
    std::vector<double> weight(k, 0);
    for (size_t i = 0; i < colours.size(); ++i) {
        const int c = nearestCentre(labs[i], centres);
        weight[size_t(c)] += counts[i];
        const double d = distance2(labs[i], centres[size_t(c)]);
        if (d < chosenD[size_t(c)]) {
            chosenD[size_t(c)] = d;
            chosen[size_t(c)] = int(i);
        }
    }
    for (size_t c = 0; c < k; ++c) // a cluster that owns no colour: the nearest of all
        if (chosen[c] < 0) {
            double best = std::numeric_limits<double>::max();
            for (size_t i = 0; i < colours.size(); ++i)
                if (const double d = distance2(labs[i], centres[c]); d < best) {
                    best = d;
                    chosen[c] = int(i);
                }
        }

    // The points' colours and which of that colour's pixels each stands on.
    struct Wanted {
        quint32 colour;
        int occurrence;
    };
    std::vector<Wanted> wanted;
    for (size_t c = 0; c < k; ++c)
        wanted.push_back({colours[size_t(chosen[c])], counts[size_t(chosen[c])] / 2});
    if (int(k) < n) {
        std::vector<size_t> order(k);
        for (size_t c = 0; c < k; ++c)
            order[c] = c;
        std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) { return weight[x] > weight[y]; });
        for (int extra = 0; int(wanted.size()) < n; ++extra) {
            const size_t c = order[size_t(extra) % k];
            const int repeat = 1 + extra / int(k);
            const int count = counts[size_t(chosen[c])];
            wanted.push_back({colours[size_t(chosen[c])], int(qint64(count) * (2 * repeat + 1) / (2 * repeat + 2))});
        }
    }
    std::vector<int> seen(wanted.size(), 0);
    std::vector<QPoint> at(wanted.size(), QPoint(-1, -1));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(displayed.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 c = line[x] & 0xFFFFFFu;
            for (size_t i = 0; i < wanted.size(); ++i)
                if (wanted[i].colour == c) {
                    if (seen[i] == wanted[i].occurrence)
                        at[i] = QPoint(x, y);
                    ++seen[i];
                }
        }
    }
    QList<SamplePoint> points;
    for (size_t i = 0; i < wanted.size(); ++i)
        points.append(PointAt(displayed, std::max(0, at[i].x()), std::max(0, at[i].y())));
    SortByX(points);
    return points;
}

} // namespace Picture
