#pragma once

#include "TColor.h"

#include <QIODevice>
#include <QList>

// Colour table (.act): 256 triples of bytes red, green, blue from the start
// of the file, every triple a colour in file order. A colour-count or
// transparency trailer after the 768 bytes is ignored; a shorter file yields
// the complete triples it holds.
namespace ActReader {

QList<TColor> Read(QIODevice& device);

} // namespace ActReader
