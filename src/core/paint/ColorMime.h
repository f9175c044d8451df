#pragma once

#include "TColor.h"

#include <QMimeData>

#include <optional>

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

} // namespace ColorMime
