#pragma once

#include "TColor.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>

// Photoshop swatches, version 1 only, big-endian: 1, n, then per colour
// 0 (RGB), red * 257, green * 257, blue * 257, 0. 4 + 10 n bytes; the count
// is 16 bits wide, so at most 65535 colours are written.
namespace AcoWriter {

QByteArray Bytes(const QList<TColor>& colors);
bool Write(QIODevice& device, const QList<TColor>& colors);

} // namespace AcoWriter
