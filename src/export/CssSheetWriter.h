#pragma once

#include "TExportList.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// The CSS style sheet: per colour a class line ".<name> {", the line
// "  Color: #RRGGBB;", "}" and an empty line.
namespace CssSheetWriter {

QStringList Lines(const TExportList& list);
bool Write(QIODevice& device, const TExportList& list);

// A name as a CSS identifier (the serialisation rules of CSS syntax): a name
// that already is an identifier comes back unchanged; otherwise a leading
// digit (or a digit after a leading "-") and control characters become hex
// escapes "\<hex> ", a lone "-" becomes "\-", NUL becomes U+FFFD and every
// other character outside [A-Za-z0-9_-] and below U+0080 is escaped with a
// backslash. An empty name gives an empty text.
QString Identifier(const QString& name);

} // namespace CssSheetWriter
