#pragma once

#include "TColor.h"

#include <QIODevice>
#include <QList>
#include <QStringList>

// The Corel Painter colour set: six head lines, then per colour
// "R: rrr, G:ggg, B:bbb " (three digits each, a trailing space). No names.
namespace PainterWriter {

QStringList Lines(const QList<TColor>& colors);
bool Write(QIODevice& device, const QList<TColor>& colors);

} // namespace PainterWriter
