#include "TopBarPicture.h"

#include "paint/GdiPaint.h"
#include "paint/SystemColors.h"

namespace TopBarPicture {

using namespace SystemColors;

void Render(QPainter& p, QSize size, const int titleX[2])
{
    const int w = size.width(), h = size.height();
    GdiPaint::VerticalGradient(p, 0, 0, w, h, BtnFace, BtnHighlight, -4, h + 4);
    GdiPaint::Line(p, 0, 0, w, 0, BtnShadow);
    GdiPaint::Line(p, 1, 1, w, 1, BtnHighlight);
    GdiPaint::Line(p, 0, h - 2, w, h - 2, BtnShadow);
    GdiPaint::Line(p, 0, h - 1, w, h - 1, clBlack);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0));
    static const char* const titles[2] = {"Base Color", "Matching Colors"};
    for (int i = 0; i < 2; ++i)
        p.drawText(QRect(titleX[i], 2, 200, h - 4), Qt::AlignVCenter | Qt::AlignLeft, QLatin1String(titles[i]));
}

} // namespace TopBarPicture
