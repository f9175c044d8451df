#pragma once

#include "TColor.h"

#include <QPainter>
#include <QSize>

// Pieces shared by the workspace's pictures.
namespace Workspace {

// The colour half-way between the face colour and white, channel by channel
// ((c + 255) div 2).
TColor HatchColor();

// The face colour over the whole size, with light diagonal lines from (0, d)
// to (d, 0) for d = 1, 6, 11, ... below twice the width.
void PaintHatchedBackground(QPainter& p, QSize size);

// A pie without outline on an aliased painter, the way the classic canvas
// fills it: centre (cx, cy), radius r, angles in degrees counter-clockwise
// from the positive x axis with y pointing up.
void FillPie(QPainter& p, int cx, int cy, int r, double startDeg, double spanDeg, TColor fill);

// A filled disc without outline on an aliased painter.
void FillDisc(QPainter& p, int cx, int cy, int r, TColor fill);

} // namespace Workspace
