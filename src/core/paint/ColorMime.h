#pragma once

#include "TColor.h"

#include <QMimeData>

#include <functional>
#include <optional>

class QDropEvent;
class QObject;

// Drag and drop of one colour. Our own format carries the colour and, for a
// drag out of the favourites view, the source row; every drag also offers the
// colour as text "#RRGGBB" and as a colour, so other programs can take it.
namespace ColorMime {

inline constexpr char kMimeType[] = "application/x-tintvale-color";

// source: a short word naming the view the drag started in ("wheel",
// "favorites", "base", ...); row: the favourites row, or -1.
QMimeData* Make(TColor color, const QString& source = {}, int row = -1);

// The colour of any drag that carries one (ours, a colour, or "#RRGGBB" text).
std::optional<TColor> ColorOf(const QMimeData* mime);
// Our own fields; empty / -1 for drags from other programs.
QString SourceOf(const QMimeData* mime);
int RowOf(const QMimeData* mime);

// A drop target's drag-enter and drag-move: accepted when the drag carries
// a colour (and `here` holds, e.g. the pointer is over a part that takes
// one), ignored otherwise.
void AcceptColorDrag(QDropEvent* event, bool here = true);

// Runs the drag of one colour from `source` (QDrag::exec with a small swatch
// as its picture) and returns when it ends. Tests replace the drag loop with
// a runner of their own, which then owns `data`; an empty runner restores
// the real drag.
using DragRunner = std::function<void(QObject* source, QMimeData* data)>;
void SetDragRunner(DragRunner runner);
void ExecDrag(QObject* source, QMimeData* data, TColor color, Qt::DropActions actions = Qt::CopyAction);

} // namespace ColorMime
