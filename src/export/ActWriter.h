#pragma once

#include "TColor.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>

// Colour table: exactly 768 bytes, red, green, blue of the first 256
// colours, zeros after the last one; no count or transparency trailer.
namespace ActWriter {

QByteArray Bytes(const QList<TColor>& colors);
bool Write(QIODevice& device, const QList<TColor>& colors);

} // namespace ActWriter
