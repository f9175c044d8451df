#pragma once

#include "TColor.h"

#include <QImage>
#include <QPoint>

// The screen picker's pictures and rules, apart from its window. The picker
// shows a frozen snapshot of the whole virtual desktop; every position here
// is in snapshot pixels (the desktop's top-left is 0, 0).
namespace ScreenPicker {

inline constexpr int kPanelSize = 113;
inline constexpr int kPanelMargin = 8;
inline constexpr int kZoomWidth = 109;
inline constexpr int kZoomHeight = 67;
// The magnified area: 109 div 12 by 67 div 12 pixels round the pointer.
inline constexpr int kSourceWidth = kZoomWidth / 12;
inline constexpr int kSourceHeight = kZoomHeight / 12;

// The floating panel jumps away from the pointer: from the top-left corner
// (left 8) to the top-right one, and from anywhere else back to 8.
int PanelLeftAfterHover(int panelLeft, int desktopWidth);

// The zoom picture (109 x 67): the 9 x 5 snapshot pixels whose top-left is
// (x - 4, y - 2) stretched over it (pixels off the snapshot are black), with
// a cross-hair of inverted pixels that leaves the centre pixel (54, 33) free.
QImage MagnifierPicture(const QImage& snapshot, QPoint pointer);

// The snapshot's colour at a point; black off the snapshot.
TColor SnapshotColor(const QImage& snapshot, QPoint pointer);

} // namespace ScreenPicker
