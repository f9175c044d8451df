#pragma once

#include "TColor.h"

#include <QImage>
#include <QList>

// The export wizard's preview of the export list, painted into `image`
// (its whole size): button-face background; up to 180 colours 20 to a row in
// 12-pixel cells, beyond that 24 to a row in 10-pixel cells; each colour a
// rectangle (col * cell, row * cell) to (+ cell + 1) exclusive with a black
// 1-pixel outline, so neighbours share their outline. What lies beyond the
// image is not drawn.
void RenderExportPreview(QImage& image, const QList<TColor>& colors);

// Cell size and colours per row for a list of n colours.
void ExportPreviewGrid(qsizetype n, int& cell, int& perRow);
