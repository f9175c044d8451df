#include "ExportPreview.h"

#include "paint/GdiPaint.h"
#include "paint/SystemColors.h"

void ExportPreviewGrid(qsizetype n, int& cell, int& perRow)
{
    if (n <= 180) {
        cell = 12;
        perRow = 20;
    } else {
        cell = 10;
        perRow = 24;
    }
}

void RenderExportPreview(QImage& image, const QList<TColor>& colors)
{
    QPainter p(&image);
    GdiPaint::FillRect(p, 0, 0, image.width(), image.height(), SystemColors::BtnFace);
    int cell, perRow;
    ExportPreviewGrid(colors.size(), cell, perRow);
    for (qsizetype i = 0; i < colors.size(); ++i) {
        const int row = int(i / perRow);
        const int col = int(i % perRow);
        if (row * cell > image.height())
            break;
        GdiPaint::Rectangle(p, col * cell, row * cell, col * cell + cell + 1, row * cell + cell + 1, clBlack,
                            colors[i]);
    }
}
