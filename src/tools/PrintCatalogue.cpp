#include "PrintCatalogue.h"

#include "HSLUtils.h"
#include "paint/QtColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace PrintCatalogue {

namespace {
QFont font(const char* family, int pixels, bool bold)
{
    QFont f{QString::fromLatin1(family)};
    f.setPixelSize(std::max(pixels, 1));
    f.setBold(bold);
    // Shaped the same on every device, so what was measured is what is drawn.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

const QColor kRuleGrey(180, 180, 180);
const QColor kFooterGrey(153, 153, 153);
} // namespace

Fonts MakeFonts(int dpiY)
{
    const int pixels = PrintLayout::Scaled(dpiY, 10, 72);
    return {font("Arial", pixels, true), font("Arial", pixels, false), font("Times New Roman", pixels, false)};
}

int FooterHeight(const Fonts& fonts) { return QFontMetrics(fonts.footer).height(); }

QString FitName(const QString& name, const QFont& f, int width)
{
    const QFontMetrics fm(f);
    if (fm.horizontalAdvance(name) <= width)
        return name;
    const QString dots = QStringLiteral("...");
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    qsizetype end = name.size();
    while (end > 0) {
        graphemes.setPosition(end);
        end = graphemes.toPreviousBoundary();
        if (end < 0)
            end = 0;
        const QString candidate = name.left(end) + dots;
        if (fm.horizontalAdvance(candidate) <= width)
            return candidate;
    }
    return dots;
}

int ItemsPerPage(const PrintLayout::Metrics& m, const Fonts& fonts)
{
    return PrintLayout::ItemsPerPage(m, FooterHeight(fonts));
}

int PageCount(const PrintLayout::Metrics& m, const Fonts& fonts, const TExportList& list)
{
    return PrintLayout::PageCount(list.size(), ItemsPerPage(m, fonts));
}

Page Layout(const PrintLayout::Metrics& m, const Fonts& fonts, const TExportList& list, int page)
{
    using PrintLayout::Scaled;
    const PrintLayout::Device& d = m.device;
    Page out;
    out.number = page;
    const int footerH = FooterHeight(fonts);
    const int perPage = PrintLayout::ItemsPerPage(m, footerH);
    const QFontMetrics nameMetrics(fonts.name);
    const int textX = m.swatch + Scaled(d.dpiX, 10, 96);
    const int nameRoom = m.column - m.swatch - Scaled(d.dpiX, 40, 96);
    for (const PrintLayout::Place& place : PrintLayout::Places(m, footerH, page, list.size(), perPage)) {
        Item it;
        it.index = place.index;
        it.color = list.colors()[place.index];
        it.swatch = QRect(place.x, place.top, m.swatch, m.swatch);
        it.namePos = QPoint(place.x + textX, place.top + Scaled(d.dpiY, 2, 96));
        it.name = FitName(list.name(place.index), fonts.name, nameRoom);
        it.nameWidth = nameMetrics.horizontalAdvance(it.name);
        const int ruleY = place.top + Scaled(d.dpiY, 21, 96);
        it.rule = QLine(place.x + textX, ruleY, place.x + m.column - Scaled(d.dpiX, 30, 96), ruleY);
        it.hexPos = QPoint(place.x + textX, place.top + Scaled(d.dpiY, 26, 96));
        it.hex = QStringLiteral("HEX:  #") + HSLUtils::ColorToHex(it.color);
        it.rgbPos = QPoint(place.x + textX, place.top + Scaled(d.dpiY, 44, 96));
        it.rgb = QStringLiteral("RGB: %1,%2,%3").arg(RedOf(it.color)).arg(GreenOf(it.color)).arg(BlueOf(it.color));
        out.items.append(it);
    }
    out.footer = QString::number(page);
    const QFontMetrics fm(fonts.footer);
    const int w = fm.horizontalAdvance(out.footer), h = fm.height();
    out.footerPos = QPoint((d.pageW - w) / 2, d.pageH - h);
    const int ruleY = d.pageH - h - Scaled(d.dpiY, 4, 100);
    out.footerRule = QLine(m.left - d.offX, ruleY, d.physW - d.offX - m.right, ruleY);
    return out;
}

void Render(QPainter& p, const Page& page, const Fonts& fonts)
{
    p.save();
    const QFontMetrics nameMetrics(fonts.name), textMetrics(fonts.text), footerMetrics(fonts.footer);
    for (const Item& it : page.items) {
        // The square: a black outline round the colour, inside the box.
        p.fillRect(it.swatch, Qt::black);
        const int pen = 1; // one device pixel, as a printer's default pen
        p.fillRect(it.swatch.adjusted(pen, pen, -pen, -pen), ToQColor(it.color));

        const QRect nameBox(it.namePos, QSize(it.nameWidth, nameMetrics.height()));
        p.fillRect(nameBox, Qt::white);
        p.save();
        p.setClipRect(QRect(it.namePos, QPoint(it.rule.x2(), it.namePos.y() + nameMetrics.height())));
        p.setPen(Qt::black);
        p.setFont(fonts.name);
        p.drawText(it.namePos + QPoint(0, nameMetrics.ascent()), it.name);
        p.restore();

        p.setPen(QPen(kRuleGrey, pen));
        p.drawLine(it.rule);
        p.setPen(Qt::black);
        p.setFont(fonts.text);
        p.drawText(it.hexPos + QPoint(0, textMetrics.ascent()), it.hex);
        p.drawText(it.rgbPos + QPoint(0, textMetrics.ascent()), it.rgb);
    }
    p.setPen(kFooterGrey);
    p.setFont(fonts.footer);
    p.drawText(page.footerPos + QPoint(0, footerMetrics.ascent()), page.footer);
    p.setPen(QPen(kRuleGrey, 1));
    p.drawLine(page.footerRule);
    p.restore();
}

PrintLayout::Device PdfDevice(const QPageSize& size, int dpi)
{
    const QSize px = size.sizePixels(dpi);
    PrintLayout::Device d;
    d.dpiX = d.dpiY = dpi;
    d.physW = d.pageW = px.width();
    d.physH = d.pageH = px.height();
    return d;
}

FileResult SavePdf(const QString& path, const TExportList& list, const QPageSize& size,
                   const PrintLayout::Margins& margins, int dpi, int* pages)
{
    const PrintLayout::Metrics m = PrintLayout::Compute(PdfDevice(size, dpi), margins);
    const Fonts fonts = MakeFonts(dpi);
    const int count = PageCount(m, fonts, list);
    if (pages)
        *pages = count;
    return SafeFile::Save(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Tintvale Studio"));
        pdf.setTitle(QStringLiteral("Color Schemes"));
        pdf.setResolution(dpi);
        pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter p;
        if (!p.begin(&pdf))
            return false;
        for (int page = 1; page <= count; ++page) {
            if (page > 1)
                pdf.newPage();
            Render(p, Layout(m, fonts, list, page), fonts);
        }
        return p.end();
    });
}

} // namespace PrintCatalogue
