#pragma once

#include "PrintLayout.h"
#include "SafeFile.h"
#include "TExportList.h"

#include <QFont>
#include <QPageSize>

class QPainter;

// The pages of the swatch catalogue: each colour as a square with its name,
// "HEX:  #RRGGBB" and "RGB: r,g,b" beside it, in columns, the page number
// at the foot. Laid out in printer pixels (PrintLayout), drawn by Render onto
// any painter whose device has the page's resolution (a printer, a PDF) or
// that is scaled to it (the preview).
namespace PrintCatalogue {

// Arial 10 points bold (names) and regular (HEX and RGB), "Times New Roman"
// 10 points (the page number), as pixel sizes at the printer's vertical
// resolution: round(10 * dpiY / 72).
struct Fonts {
    QFont name;
    QFont text;
    QFont footer;
};
Fonts MakeFonts(int dpiY);

// The height of the page-number text (the footer).
int FooterHeight(const Fonts& fonts);

// The name as it fits `width` pixels in `font`: whole when it fits, else
// characters (whole graphemes) taken off its end until it plus "..." fits.
QString FitName(const QString& name, const QFont& font, int width);

struct Item {
    qsizetype index = 0;
    TColor color{};
    QRect swatch;
    QPoint namePos; // top-left of the name's text
    QString name;   // shortened to fit its column
    int nameWidth = 0;
    QLine rule;
    QPoint hexPos;
    QString hex;
    QPoint rgbPos;
    QString rgb;
};

struct Page {
    int number = 1;
    QList<Item> items;
    QString footer;
    QPoint footerPos; // top-left of the page number
    QLine footerRule;
};

// Page `page` (1-based) of the list.
Page Layout(const PrintLayout::Metrics& m, const Fonts& fonts, const TExportList& list, int page);
int ItemsPerPage(const PrintLayout::Metrics& m, const Fonts& fonts);
int PageCount(const PrintLayout::Metrics& m, const Fonts& fonts, const TExportList& list);

// Draws a laid-out page, origin at the printable area's top-left. Names are
// clipped to their column so that no script or length runs into the next.
void Render(QPainter& p, const Page& page, const Fonts& fonts);

// A PDF of the whole catalogue: the sheet `size` (portrait), the margins,
// `dpi` as the page's resolution, no unprintable border; vector swatches
// and text. Written through QSaveFile, so a failure leaves an earlier file
// whole. `pages` (when given) receives the page count.
FileResult SavePdf(const QString& path, const TExportList& list, const QPageSize& size,
                   const PrintLayout::Margins& margins, int dpi = 600, int* pages = nullptr);
// The device of such a PDF page.
PrintLayout::Device PdfDevice(const QPageSize& size, int dpi);

} // namespace PrintCatalogue
