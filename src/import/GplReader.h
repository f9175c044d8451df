#pragma once

#include "TNamedPalette.h"

#include <QByteArray>
#include <QIODevice>

// GIMP palette (.gpl), UTF-8 text with LF or CR LF line ends:
//   GIMP Palette             the first line (a UTF-8 byte-order mark before it is allowed)
//   Name: <palette name>     optional header lines, before the first colour
//   Columns: <n>
//   # comment                anywhere; empty lines too
//   <r> <g> <b>[ <name>]     one colour a line: three decimal channels 0 to 255
//                            separated by spaces or tabs, then an optional name
//                            (the rest of the line, without surrounding blanks)
// A row that is not three channels in range, a NUL byte, a name over the cap
// or more colours than the cap refuse the whole file, naming the line.
namespace GplReader {

TNamedPalette Read(QIODevice& device);
TNamedPalette Parse(const QByteArray& bytes);

} // namespace GplReader
