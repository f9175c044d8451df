#pragma once

#include "TExportList.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Design tokens (W3C Design Tokens Community Group format), UTF-8 JSON with
// LF line ends: one group "palette" holding a colour token per colour in
// list order,
//   { "palette": { "<name>": { "$type": "color", "$value": "#rrggbb" }, ... } }
// named by TokenName() of the export name, a name given twice taking "-2",
// "-3"...; a reader flattens the path to "palette.<name>".
namespace TokensWriter {

QByteArray Bytes(const TExportList& list);
bool Write(QIODevice& device, const TExportList& list);

// A token name may not hold ".", "{" or "}" nor start with "$": a "." becomes
// "_", "{" and "}" become "(" and ")", and a leading "$" is kept after a "_".
// An empty name gives an empty text.
QString TokenName(const QString& name);

// The text as a JSON string with its quotes: '"', '\\' and control
// characters escaped, and U+2028, U+2029 and lone surrogates as \u escapes.
QString JsonString(const QString& text);

} // namespace TokensWriter
