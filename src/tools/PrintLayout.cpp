#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace PrintLayout {

namespace {
int rnd(long double v) { return int(std::lrint(v)); }
} // namespace

int Scaled(int value, long double num, long double den) { return rnd(static_cast<long double>(value) * num / den); }

Metrics Compute(const Device& d, const Margins& margins)
{
    Metrics m;
    m.device = d;
    m.unprintableRight = d.physW - d.offX - d.pageW;
    m.unprintableBottom = d.physH - d.offY - d.pageH;
    m.left = std::max(Scaled(d.dpiX, margins.left, 1000), d.offX);
    m.right = std::max(Scaled(d.dpiX, margins.right, 1000), m.unprintableRight);
    m.top = std::max(Scaled(d.dpiY, margins.top, 1000), d.offY);
    m.bottom = std::max(Scaled(d.dpiY, margins.bottom, 1000), m.unprintableBottom);
    m.swatch = Scaled(d.dpiX, 5, 6);
    m.gap = Scaled(d.dpiY, 1, 6);
    m.column = Scaled(d.dpiX, 8, 3);
    return m;
}

int BottomLimit(const Metrics& m, int footerH)
{
    return m.device.physH - m.device.offY - m.bottom - footerH - Scaled(m.device.dpiY, 1, 6);
}

int ItemsPerPage(const Metrics& m, int footerH)
{
    const Device& d = m.device;
    const int limit = BottomLimit(m, footerH);
    const int right = d.physW - d.offX - m.right;
    const int narrow = Scaled(d.dpiX, 3125, 10000); // 0.3125 inch
    int r = 0;
    int x = m.left - d.offX;
    int held = 0; // the simulation's own answer; 0 when 101 positions fit
    for (int i = 0; i <= kMaxItemsPerPage; ++i) {
        const int bottom = m.top - d.offY + r * (m.swatch + m.gap) + m.swatch;
        if (bottom > limit) {
            if (x + 2 * m.column - narrow > right) {
                held = i;
                break;
            }
            x += m.column;
            r = 0;
        }
        ++r;
        if (i == kMaxItemsPerPage)
            held = kMaxItemsPerPage;
    }
    return std::clamp(held, 1, kMaxItemsPerPage);
}

int PageCount(qsizetype colors, int perPage)
{
    perPage = std::max(perPage, 1);
    return std::max(1, int((colors + perPage - 1) / perPage));
}

QList<Place> Places(const Metrics& m, int footerH, int page, qsizetype colors, int perPage)
{
    QList<Place> out;
    const qsizetype first = qsizetype(page - 1) * perPage;
    const qsizetype last = std::min<qsizetype>(qsizetype(page) * perPage, colors);
    const int limit = BottomLimit(m, footerH);
    int x = m.left - m.device.offX;
    int r = 0;
    for (qsizetype i = first; i < last; ++i) {
        out.append({i, x, m.top - m.device.offY + r * (m.swatch + m.gap)});
        ++r;
        if (m.top - m.device.offY + r * (m.swatch + m.gap) + m.swatch > limit) {
            x += m.column;
            r = 0;
        }
    }
    return out;
}

QString ScaleText(Scale scale)
{
    static const char* const texts[kScaleCount] = {"25%", "50%", "100%", "150%", "200%", "Page Width", "Whole Page"};
    return QLatin1String(texts[int(scale)]);
}

QSize SheetAt100(const Device& d, int screenDpiX, int screenDpiY)
{
    return QSize(rnd(static_cast<long double>(d.physW) / d.dpiX * screenDpiX),
                 rnd(static_cast<long double>(d.physH) / d.dpiY * screenDpiY));
}

QSize SheetSize(Scale scale, QSize at100, QSize area)
{
    const long double w = at100.width(), h = at100.height();
    const auto times = [&](long double f) { return QSize(rnd(w * f), rnd(h * f)); };
    switch (scale) {
    case Scale::P25: return times(0.25L);
    case Scale::P50: return times(0.5L);
    case Scale::P100: return at100;
    case Scale::P150: return times(1.5L);
    case Scale::P200: return times(2);
    case Scale::PageWidth: {
        const int a = area.width() - 64;
        return QSize(a, rnd(a / w * h));
    }
    case Scale::WholePage: {
        const int a = area.width() - 36, b = area.height() - 36;
        const long double ra = a / w, rb = b / h;
        if (ra <= rb)
            return QSize(a, rnd(ra * h));
        return QSize(rnd(rb * w), b);
    }
    }
    return at100;
}

int SheetOrigin(int area, int sheet, int scroll)
{
    if (area < sheet + 32)
        return 16 - scroll;
    return (area - sheet - 4) / 2;
}

QRect PrintableOnSheet(const Device& d, QRect sheet)
{
    const long double a = sheet.width(), b = sheet.height();
    return QRect(sheet.left() + rnd(static_cast<long double>(d.offX) / d.physW * a),
                 sheet.top() + rnd(static_cast<long double>(d.offY) / d.physH * b),
                 rnd(static_cast<long double>(d.pageW) / d.physW * a),
                 rnd(static_cast<long double>(d.pageH) / d.physH * b));
}

PageBox FixPageBox(const QString& text, int pageCount)
{
    PageBox box;
    bool ok = false;
    qlonglong v = text.toLongLong(&ok);
    if (!ok && !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        v = qlonglong(pageCount) + 1; // more digits than a number holds: past the last page
    else if (!ok)
        v = 0;
    if (v <= 0) {
        box.page = 1;
        box.text = QStringLiteral("1");
    } else if (v > pageCount) {
        box.page = std::max(pageCount, 1);
        box.text = QString::number(box.page);
    } else {
        box.page = int(v);
        box.text = text;
        return box;
    }
    box.changed = box.text != text;
    return box;
}

} // namespace PrintLayout
