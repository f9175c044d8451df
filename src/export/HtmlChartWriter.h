#pragma once

#include "TExportList.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// The HTML colour chart: an XHTML 1.0 Transitional page (charset
// iso-8859-1) with one framed swatch per colour, its name, hex and RGB.
namespace HtmlChartWriter {

QStringList Lines(const TExportList& list);
bool Write(QIODevice& device, const TExportList& list);

// A name as XHTML character data: <, >, & and " as entities, every
// character beyond ASCII as a numeric character reference (so the page is
// pure ASCII and true to its declared charset), tab, CR and LF as references
// (a name stays on its line), and characters XML forbids (other control
// characters, unpaired surrogates, U+FFFE, U+FFFF) as &#65533;.
QString EscapeText(const QString& name);

} // namespace HtmlChartWriter
