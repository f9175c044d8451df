#include "paint/StudioIcons.h"

#include "paint/GdiPaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace StudioIcons {

namespace {

QPixmap canvas(int w = 16, int h = 16)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(3, 1.5);
    path.lineTo(10, 1.5);
    path.lineTo(13.5, 5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3, 14.5);
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void swatches(QPainter& p, const QList<QColor>& colors)
{
    int x = 1;
    for (const QColor& c : colors) {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(c);
        p.drawRect(QRectF(x + 0.5, 4.5, 4, 8));
        x += 5;
    }
}

} // namespace

QIcon Icon(const QString& name)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (name == u"tbNew") {
        page(p);
    } else if (name == u"tbOpen") {
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(250, 210, 100));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 3.5, 5, 2));
    } else if (name == u"tbSave") {
        p.setPen(QPen(QColor(30, 50, 110), 1));
        p.setBrush(QColor(70, 110, 200));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
    } else if (name == u"tbCopyBase" || name == u"tbCopy") {
        page(p);
        p.translate(-2, 2);
        page(p);
    } else if (name == u"tbBaseWebsafe" || name == u"tbFavWebsafe") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(51, 153, 0));
        p.drawPath(GdiPaint::GlyphPath(GdiPaint::Glyph::CheckMark, 1, 1, 14));
    } else if (name == u"tbRandomizeBase") {
        swatches(p, {QColor(220, 40, 40), QColor(40, 180, 60), QColor(50, 90, 220)});
    } else if (name == u"tbPicker") {
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.drawLine(QPointF(3, 13), QPointF(11, 5));
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(12, 4), 2.5, 2.5);
    } else if (name == u"tbPhotoScheme") {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(QColor(120, 180, 240));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(60, 160, 60));
        p.drawEllipse(QPointF(6, 10), 3, 2);
    } else if (name == u"tbColorMixer") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 60, 60, 200));
        p.drawEllipse(QPointF(6, 8), 5, 5);
        p.setBrush(QColor(60, 90, 230, 200));
        p.drawEllipse(QPointF(10, 8), 5, 5);
    } else if (name == u"tbAnalyzer") {
        // Dark and light halves with a magnifier ring: contrast under the lens.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(2, 2, 6, 12));
        p.setPen(QPen(QColor(200, 40, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
    } else if (name == u"tbQuickPreview") {
        page(p);
        p.fillRect(QRectF(4, 4, 8, 2), QColor(70, 110, 200));
    } else if (name == u"tbOnTop") {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.drawLine(QPointF(8, 9), QPointF(8, 15));
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QPointF(8, 6), 4, 4);
    } else if (name == u"tbBack" || name == u"tbForward") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 120, 40));
        p.drawPath(GdiPaint::GlyphPath(name == u"tbBack" ? GdiPaint::Glyph::TriangleLeft
                                                          : GdiPaint::Glyph::TriangleRight, 0, 0, 16));
    } else if (name == u"tbLighten" || name == u"tbDarken" || name == u"tbSaturate" || name == u"tbDesaturate") {
        const bool lighten = name == u"tbLighten", darken = name == u"tbDarken";
        QColor a = lighten ? QColor(255, 230, 170) : darken ? QColor(120, 70, 0) : name == u"tbSaturate" ? QColor(255, 90, 0) : QColor(190, 160, 140);
        p.setPen(QColor(80, 80, 80));
        p.setBrush(a);
        p.drawEllipse(QPointF(8, 8), 6, 6);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        if (lighten || name == u"tbSaturate")
            p.drawLine(QPointF(8, 5), QPointF(8, 11));
    } else if (name == u"tbRename") {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.drawLine(QPointF(3, 13), QPointF(13, 13));
        p.drawLine(QPointF(8, 3), QPointF(8, 11));
    } else if (name == u"extensionH" || name == u"extensionV") {
        // The "more" chevron of a menu bar or toolbar too narrow for its items.
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        for (const qreal at : {4.5, 9.0}) {
            if (name == u"extensionH") {
                p.drawLine(QPointF(at, 4), QPointF(at + 3, 8));
                p.drawLine(QPointF(at + 3, 8), QPointF(at, 12));
            } else {
                p.drawLine(QPointF(4, at), QPointF(8, at + 3));
                p.drawLine(QPointF(8, at + 3), QPointF(12, at));
            }
        }
    } else if (name == u"tbDelete") {
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    } else {
        p.setPen(QColor(80, 80, 80));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
    }
    p.end();
    return QIcon(pm);
}

QPixmap WebsafeMark(bool websafe)
{
    QPixmap pm = canvas(12, 13);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    if (websafe) {
        p.setBrush(QColor(51, 153, 0));
        p.drawPath(GdiPaint::GlyphPath(GdiPaint::Glyph::CheckMark, 0, 0.5, 12));
    } else {
        p.setBrush(QColor(210, 40, 30));
        p.drawEllipse(QRectF(0.5, 1, 11, 11));
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(3.5, 4), QPointF(8.5, 9));
        p.drawLine(QPointF(8.5, 4), QPointF(3.5, 9));
    }
    return pm;
}

} // namespace StudioIcons
