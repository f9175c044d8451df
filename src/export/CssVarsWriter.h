#pragma once

#include "TExportList.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// A style sheet of CSS custom properties, UTF-8 with CR LF line ends:
//   @charset "UTF-8";
//   :root {
//     --<name>: #rrggbb;     per colour, in list order
//   }
// The name is the colour's export name (a favourite's own, else "Color"
// and its number, as for the CSS classes) made a custom-property name by
// PropertyName(); a name given twice takes "-2", "-3"... so that every
// colour keeps its own property.
namespace CssVarsWriter {

QByteArray Bytes(const TExportList& list);
bool Write(QIODevice& device, const TExportList& list);

// "--" and the name with every character outside [A-Za-z0-9_-] and below
// U+0080 escaped: control characters (line breaks included) as "\<hex> ",
// the others with a backslash; NUL becomes U+FFFD. Reading the property
// back and decoding its escapes gives the name again.
QString PropertyName(const QString& name);

} // namespace CssVarsWriter
