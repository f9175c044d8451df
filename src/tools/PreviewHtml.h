#pragma once

#include "SafeFile.h"
#include "SchemeData.h"

#include <QByteArray>
#include <QStringList>

// The preview saved as a web page: 42 fixed lines (old-style markup, no
// document type line) carrying the nine colours as six upper-case digits
// RRGGBB. The colour list sits in a comment that the line of 33 hyphens and
// ">" closes. Every piece of the page is fixed text or hexadecimal digits,
// so nothing in it needs escaping.
namespace PreviewHtml {

// The lines, without line ends.
QStringList Lines(const TPreviewColors& colors);
// The file's bytes: every line ended by CR LF, 8-bit text.
QByteArray Bytes(const TPreviewColors& colors);
// Writes the page through QSaveFile: on any failure the earlier file (or
// none) stays whole and the result says why.
FileResult Save(const QString& path, const TPreviewColors& colors);

} // namespace PreviewHtml
