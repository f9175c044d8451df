#pragma once

#include "TColor.h"

#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The arithmetic of the swatch catalogue, in printer device pixels with the
// origin at the top-left corner of the printable area. Every real-to-integer
// step rounds half to even (std::lrint over long double).
namespace PrintLayout {

// What the catalogue needs of a printer (or a PDF page): resolution in
// pixels per inch, the physical sheet, the physical offsets of the printable
// area and its size.
struct Device {
    int dpiX = 96;
    int dpiY = 96;
    int physW = 816;
    int physH = 1056;
    int offX = 0;
    int offY = 0;
    int pageW = 816;
    int pageH = 1056;
};

// Margins in thousandths of an inch, as the page setup gives them.
struct Margins {
    int left = 400;
    int top = 800;
    int right = 400;
    int bottom = 500;
};

struct Metrics {
    Device device;
    int left = 0, top = 0, right = 0, bottom = 0; // margins in pixels, each at least its unprintable border
    int swatch = 0;                               // round(dpiX * 5/6)
    int gap = 0;                                  // round(dpiY / 6)
    int column = 0;                               // round(dpiX * 8/3)
    int unprintableRight = 0;                     // physW - offX - pageW
    int unprintableBottom = 0;                    // physH - offY - pageH
};
Metrics Compute(const Device& device, const Margins& margins);

// round(value * num / den) for device pixels.
int Scaled(int value, long double num, long double den);

inline constexpr int kMaxItemsPerPage = 100;

// The lowest bottom a swatch may reach: physH - offY - bottom margin -
// footerH - round(dpiY / 6).
int BottomLimit(const Metrics& m, int footerH);
// The layout simulation of one page, kept within 1..100 (a page too small
// for one swatch still takes one, a sheet that would hold more than 100
// takes 100).
int ItemsPerPage(const Metrics& m, int footerH);
// ceiling(colors / perPage), at least 1.
int PageCount(qsizetype colors, int perPage);

// One swatch of a page: the colour's index in the print list and the
// top-left corner of its square.
struct Place {
    qsizetype index = 0;
    int x = 0;
    int top = 0;
};
// The swatches of page `page` (1-based) of `colors` colours.
QList<Place> Places(const Metrics& m, int footerH, int page, qsizetype colors, int perPage);

// --- the preview of a sheet on screen ------------------------------------

enum class Scale { P25, P50, P100, P150, P200, PageWidth, WholePage };
inline constexpr int kScaleCount = 7;
// "25%", "50%", "100%", "150%", "200%", "Page Width", "Whole Page".
QString ScaleText(Scale scale);

// round(physW / dpiX * screenDpi) x round(physH / dpiY * screenDpi).
QSize SheetAt100(const Device& d, int screenDpiX, int screenDpiY);
// The sheet a x b at a scale, for a scroll area of `area` (its viewport).
QSize SheetSize(Scale scale, QSize at100, QSize area);
// The sheet's left (or top): 16 minus the scroll position when the area is
// narrower than the sheet plus 32, else centred ((area - sheet - 4) div 2).
int SheetOrigin(int area, int sheet, int scroll);
// The printable area on a sheet placed at `sheet`.
QRect PrintableOnSheet(const Device& d, QRect sheet);

// The page box: an empty text or 0 becomes "1", a page above the count
// becomes the count; `changed` says the text was replaced.
struct PageBox {
    int page = 1;
    QString text;
    bool changed = false;
};
PageBox FixPageBox(const QString& text, int pageCount);

} // namespace PrintLayout
